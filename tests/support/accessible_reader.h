// Reading a control's accessible object the way a screen reader does.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

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
    long role() const;
    long state() const;
    HRESULT press() const;

private:
    IAccessible *object_ = nullptr;
    HRESULT result_ = E_FAIL;
};

} // namespace plumaro::testing
