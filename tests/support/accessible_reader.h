// Reading a control's accessible object the way a screen reader does.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace plumaro::testing {

class AccessibleReader {
public:
    enum class Route {
        GetObject,  // WM_GETOBJECT for the client area, then ObjectFromLresult
        FromWindow, // AccessibleObjectFromWindow, as clients in other programs ask
    };

    AccessibleReader(HWND control, Route route);
    ~AccessibleReader();
    AccessibleReader(const AccessibleReader &) = delete;
    AccessibleReader &operator=(const AccessibleReader &) = delete;

    // What asking for the object returned; the object exists when it succeeded.
    HRESULT result() const { return result_; }
    explicit operator bool() const { return object_ != nullptr; }

    std::wstring name() const;
    std::wstring value() const;
    std::wstring defaultAction() const;
    std::wstring description() const;
    long childCount() const;
    long role() const;
    long state() const;
    HRESULT press() const;

private:
    IAccessible *object_ = nullptr;
    HRESULT result_ = E_FAIL;
};

// Hears what a screen reader would: the alerts a process raises, each read
// through AccessibleObjectFromEvent when the test asks for it, which may be
// long after it came, as a busy reader reads it. The thread that makes it
// must have started COM and pump messages (waitFor does); one at a time.
class AlertListener {
public:
    explicit AlertListener(DWORD processId);
    ~AlertListener();
    AlertListener(const AlertListener &) = delete;
    AlertListener &operator=(const AlertListener &) = delete;

    // The name of the oldest alert not yet taken, waiting for one to come;
    // "(silence)" when none does.
    std::wstring next();

    struct Alert {
        HWND window;
        LONG object;
        LONG child;
    };

private:
    HWINEVENTHOOK hook_;
    std::vector<Alert> heard_;
};

} // namespace plumaro::testing
