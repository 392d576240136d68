// The board window: its load step, painting, gesture and menu commands.
#include "board/board_window.h"

#include "app/resource.h"
#include "win32/window_sizing.h"

namespace plumaro {

namespace {

constexpr wchar_t kClassName[] = L"PlumaroBoard";
constexpr wchar_t kCaption[] = L"Plumaro Puzzles";
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 467;

// A fixed frame: a caption with the system menu and a minimise box, no
// maximise box, no resizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

} // namespace

bool BoardWindow::registerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_BOARD_MENU);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
}

HWND BoardWindow::create(HINSTANCE instance) {
    HWND window = CreateWindowExW(0, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window) return nullptr;
    auto* self = reinterpret_cast<BoardWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self->Form_Load()) {
        DestroyWindow(window);
        return nullptr;
    }
    return window;
}

LRESULT CALLBACK BoardWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = new BoardWindow(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BoardWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

LRESULT BoardWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool BoardWindow::Form_Load() {
    applyPlacement(window_, placementFor(window_, kClientWidth, kClientHeight, true));
    return true;
}

void BoardWindow::onCommand(int id) {
    if (id == IDM_EXIT) DestroyWindow(window_);
}

} // namespace plumaro
