// What every window and dialog procedure of the program runs through: no
// C++ exception leaves one for Windows' own code, and the object a window
// dispatches to outlives every call into it.
#pragma once

#include <windows.h>

#include <type_traits>

namespace plumaro {

// Tells the player that the game met an error it cannot go on from, and
// ends the process with exit code 1 before any other handler runs on the
// half-changed state.
[[noreturn]] void endGameAfterException() noexcept;

// The window or dialog procedure Procedure, with every C++ exception that
// reaches it ending the game: give Windows guarded<procedure> wherever it
// takes a procedure (classes, dialog boxes, subclassed controls). Windows'
// own frames lie above it, and an exception unwinding through them is
// undefined behaviour.
template <auto Procedure>
std::invoke_result_t<decltype(Procedure), HWND, UINT, WPARAM, LPARAM>
    CALLBACK guarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return Procedure(window, message, wParam, lParam);
    } catch (...) {
        endGameAfterException();
    }
}

// The object of a window that its procedure makes on WM_NCCREATE and that
// goes with the window. A handler may run a nested message loop (a modal
// window, a message box, an accessibility call that pumps) in which the
// window is destroyed: the object is deleted only once the window is gone
// and the outermost call into it has returned.
class WindowObject {
public:
    virtual ~WindowObject() = default;

    // Runs call() as a call into object. `windowGoes` marks the call that
    // handles the window's last message, WM_NCDESTROY.
    template <typename Call>
    friend decltype(auto) callInto(WindowObject *object, Call &&call, bool windowGoes = false) {
        const Running running(object, windowGoes);
        return call();
    }

protected:
    // The window is destroyed: a handler that may have run a nested
    // message loop checks this before it touches the window or the game.
    bool windowGone() const { return gone_; }

private:
    struct Running {
        WindowObject *object;
        bool windowGoes;
        Running(WindowObject *entered, bool goes) : object(entered), windowGoes(goes) { ++object->calls_; }
        ~Running() {
            object->gone_ = object->gone_ || windowGoes;
            if (--object->calls_ == 0 && object->gone_)
                delete object;
        }
        Running(const Running &) = delete;
        Running &operator=(const Running &) = delete;
    };

    int calls_ = 0;
    bool gone_ = false;
};

} // namespace plumaro
