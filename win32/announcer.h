// What a window says to a screen reader now: a move, a refusal, a reading
// the player asked for.
#pragma once

#include <windows.h>
#include <wtypes.h>

#include <memory>
#include <string>

#include "accessible.h"

struct IRawElementProviderSimple;

namespace plumaro {

// What is said, which tells readers how to treat it. The start of a game
// and a verdict are no announcements: readers speak them with the window
// that shows them, the board as the focus comes back to it from the File
// menu, the result window as it opens (its description).
enum class Announcement {
    Move,    // a bird moved: the next move's words may take its place
    Refusal, // nothing moved, and why: likewise
    Reading, // the board or the count, which the player asked to hear
};

// UiaRaiseNotificationEvent, with its NotificationKind and
// NotificationProcessing as numbers (Windows 10 1709 and later).
using RaiseNotification = HRESULT(WINAPI *)(IRawElementProviderSimple *source, int kind, int processing, BSTR words,
                                            BSTR activity);

// Speaks for a window. Each announcement is a UI Automation notification
// raised from a tiny window of the announcer's own inside it, which
// Narrator, NVDA, JAWS and other UI Automation clients speak wherever the
// player is looking. Where none can be raised or none would be heard
// (Windows before 10 1709, Wine, no UI Automation client listening), it is
// an MSAA alert on the window's client object instead, never both: readers
// that hear both would say it twice.
class Announcer {
public:
    // The control id of the announcer's window inside the window it speaks for.
    static constexpr int kControlId = 0x7FF0;

    // Makes the announcer's window inside `window`, whose client object
    // answers with `texts` (answerWindowGetObject), where its alerts live.
    Announcer(HWND window, std::shared_ptr<SpokenTexts> texts);
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    // False if its window could not be made; it then speaks by alerts.
    explicit operator bool() const { return window_ != nullptr; }

    void say(Announcement what, std::wstring words);

    // The announcer of the window, or nullptr.
    static Announcer *of(HWND window);
    // Raises notifications through `raise` from now on: for tests.
    void raiseWith(RaiseNotification raise) { raise_ = raise; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool notify(Announcement what, const std::wstring &words);

    HWND owner_;
    std::shared_ptr<SpokenTexts> texts_;
    HWND window_ = nullptr;
    IRawElementProviderSimple *source_ = nullptr;
    RaiseNotification raise_ = nullptr; // the system's, found on first need
    bool uiaUsed_ = false;              // UI Automation has been asked for the source or told of it
};

} // namespace plumaro
