// The benchmark's floor: the emptiest window that does what the game's board
// must do at start-up. A client the size of the board's with a menu bar, at
// the scale of the display; built with FLOOR_PLAYS_SOUND it also paints 8-bit
// pictures of the sizes of the board's background and slots, plays the
// start-up sound once on its first activation, and a click in it opens a
// blank dialog the size of the result window's, with its OK button.
#include <windows.h>
#include <mmsystem.h>

#include <cstring>
#include <string>

#include "board_geometry.h"
#include "floor_resources.h"
#include "result_geometry.h"
#include "runtime_files.h"

namespace {

namespace board = plumaro::board_geometry;
namespace resultWindow = plumaro::result_geometry;

int scaled(int length, UINT dpi) { return MulDiv(length, static_cast<int>(dpi), 96); }

#ifdef FLOOR_PLAYS_SOUND
std::wstring programFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

INT_PTR CALLBACK blankDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const UINT dpi = GetDpiForWindow(dialog);
        RECT frame{0, 0, scaled(resultWindow::kClientWidth, dpi), scaled(resultWindow::kClientHeight, dpi)};
        AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                                 static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)), dpi);
        SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        SetWindowPos(GetDlgItem(dialog, IDOK), nullptr, scaled(resultWindow::kOkLeft, dpi),
                     scaled(resultWindow::kOkTop, dpi), scaled(resultWindow::kOkWidth, dpi),
                     scaled(resultWindow::kOkHeight, dpi), SWP_NOZORDER);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}
#endif

#ifdef FLOOR_PLAYS_SOUND
// An 8-bit DIB section of the size, each of its bytes written, as the game
// decodes its pictures into.
HBITMAP eightBitPicture(int width, int height) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[8];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biClrUsed = 8;
    for (BYTE at = 0; at < 8; ++at)
        info.colours[at] = {static_cast<BYTE>(at * 32), static_cast<BYTE>(at * 32), static_cast<BYTE>(at * 32), 0};
    void *bits = nullptr;
    HBITMAP picture = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS, &bits,
                                       nullptr, 0);
    if (picture)
        for (int y = 0; y < height; ++y)
            std::memset(static_cast<BYTE *>(bits) + y * ((width + 3) & ~3), y % 8, static_cast<size_t>(width));
    return picture;
}

// The pictures of the board's background and its nine slots at the DPI,
// made as the window is, and painted as the board paints them.
struct Pictures {
    HBITMAP background = nullptr;
    HBITMAP slots[9] = {};
};

void paintPictures(HWND window, const Pictures &pictures) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC source = CreateCompatibleDC(dc);
    const UINT dpi = GetDpiForWindow(window);
    const auto draw = [&](HBITMAP picture, int x, int y) {
        BITMAP size{};
        GetObjectW(picture, sizeof size, &size);
        const HGDIOBJ previous = SelectObject(source, picture);
        BitBlt(dc, x, y, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, previous);
    };
    draw(pictures.background, 0, 0);
    for (int slot = 1; slot <= 9; ++slot)
        draw(pictures.slots[slot - 1], scaled(board::slotLeft(slot), dpi), scaled(board::slotTop(slot), dpi));
    DeleteDC(source);
    EndPaint(window, &paint);
}
#endif

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
#ifdef FLOOR_PLAYS_SOUND
    case WM_CREATE: {
        const UINT dpi = GetDpiForWindow(window);
        // Freed with the process, as the floor never closes before it ends.
        auto *pictures = new Pictures{eightBitPicture(scaled(board::kClientWidth, dpi), scaled(board::kClientHeight, dpi)), {}};
        for (HBITMAP &slot : pictures->slots)
            slot = eightBitPicture(scaled(board::kSlotSize, dpi), scaled(board::kSlotSize, dpi));
        SetPropW(window, L"pictures", pictures);
        return 0;
    }
    case WM_PAINT:
        paintPictures(window, *static_cast<Pictures *>(GetPropW(window, L"pictures")));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !GetWindowLongPtrW(window, GWLP_USERDATA)) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 1);
            const std::wstring sound = programFolder() + L"\\" + plumaro::runtime_files::kStartupSound.name;
            PlaySoundW(sound.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
        }
        break;
    case WM_LBUTTONUP:
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_BLANK), window, blankDialogProc, 0);
        return 0;
#endif
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_FLOOR_MENU);
    windowClass.lpszClassName = kFloorClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    const UINT dpi = GetDpiForSystem();
    RECT frame{0, 0, scaled(board::kClientWidth, dpi), scaled(board::kClientHeight, dpi)};
    AdjustWindowRectExForDpi(&frame, kStyle, TRUE, 0, dpi);
    HWND window =
        CreateWindowExW(0, kFloorClassName, L"Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
