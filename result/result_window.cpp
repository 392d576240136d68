// The result window: the verdict written on the Emperor's sign, one of four
// text pictures and an OK button.
#include "result/result_window.h"

#include <array>
#include <string>

#include "app/resource.h"
#include "win32/handles.h"
#include "win32/messages.h"
#include "win32/pictures.h"
#include "win32/window_icon.h"
#include "win32/window_sizing.h"

namespace plumaro {

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 204;
constexpr COLORREF kMessageColour = RGB(192, 0, 0);
constexpr SIZE kOkSizeInTwips{1275, 360};

struct Placement {
    int left, top, width, height;
};
constexpr Placement kMessagePlacement{30, 96, 116, 19};
constexpr std::array<Placement, 4> kImagePlacements{{
    {203, 11, 117, 151},
    {194, 17, 134, 135},
    {203, 11, 117, 151},
    {203, 11, 117, 151},
}};
constexpr POINT kOkPosition{220, 167};

class ResultWindow {
public:
    ResultWindow(HINSTANCE instance, const Verdict& verdict) : instance_(instance), verdict_(verdict) {}

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    void showVerdict();
    void paintBackground(HDC dc);

    HWND dialog_ = nullptr;
    HINSTANCE instance_;
    Verdict verdict_;
    UniqueBitmap background_;
    std::array<UniqueBitmap, 4> images_;
    UniqueFont messageFont_;
    WindowIcons icons_;
};

INT_PTR CALLBACK ResultWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<ResultWindow*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<ResultWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->handle(message, wParam, lParam) : FALSE;
}

INT_PTR ResultWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Form_Load();
        showVerdict();
        return TRUE; // focus to the OK button, the only control that takes it
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, 1);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_MESSAGE) {
            // Written straight onto the sign of the background picture.
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, kMessageColour);
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        }
        return FALSE;
    case WM_COMMAND:
        // OK, Enter, Esc and the close box all close the window.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog_, IDOK);
        return TRUE;
    }
    return FALSE;
}

void ResultWindow::Form_Load() {
    applyPlacement(dialog_, placementFor(dialog_, kClientWidth, kClientHeight, false));

    const Resolution resolution = resolutionOf(dialog_);
    HWND label = GetDlgItem(dialog_, IDC_MESSAGE);
    SetWindowPos(label, nullptr, kMessagePlacement.left, kMessagePlacement.top, kMessagePlacement.width,
                 kMessagePlacement.height, SWP_NOZORDER | SWP_NOACTIVATE);
    // Bold MS Sans Serif of 9.75 points.
    messageFont_.reset(CreateFontW(-MulDiv(975, resolution.y, 7200), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont_.get()), FALSE);

    background_ = loadGifResource(instance_, IDR_RESULT_BACKGROUND);
    for (int i = 0; i < 4; ++i) {
        images_[i] = loadGifResource(instance_, IDR_RESULT1 + i);
        HWND image = GetDlgItem(dialog_, IDC_IMAGE1 + i);
        SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(images_[i].get()));
        const Placement& at = kImagePlacements[i];
        SetWindowPos(image, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The OK button keeps its size in twips: 85 x 24 pixels at 96 dpi.
    SetWindowPos(GetDlgItem(dialog_, IDOK), nullptr, kOkPosition.x, kOkPosition.y,
                 MulDiv(kOkSizeInTwips.cx, resolution.x, 1440), MulDiv(kOkSizeInTwips.cy, resolution.y, 1440),
                 SWP_NOZORDER | SWP_NOACTIVATE);

    // Without the icon file the window simply has no icon.
    icons_ = loadWindowIcons(windowIconPath());
    if (icons_) setWindowIcons(dialog_, icons_);
}

void ResultWindow::showVerdict() {
    for (int i = 0; i < 4; ++i) ShowWindow(GetDlgItem(dialog_, IDC_IMAGE1 + i), SW_HIDE);
    const std::wstring message(verdict_.message.begin(), verdict_.message.end());
    SetDlgItemTextW(dialog_, IDC_MESSAGE, message.c_str());
    ShowWindow(GetDlgItem(dialog_, IDC_IMAGE1 + static_cast<int>(verdict_.picture)), SW_SHOWNA);
}

void ResultWindow::paintBackground(HDC dc) {
    RECT client;
    GetClientRect(dialog_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    drawBitmap(dc, background_.get(), 0, 0);
}

} // namespace

void showResultWindow(HWND owner, HINSTANCE instance, const Verdict& verdict) {
    ResultWindow window(instance, verdict);
    if (DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_RESULT), owner, ResultWindow::dialogProc,
                        reinterpret_cast<LPARAM>(&window)) == -1) {
        // Out of resources for the dialog: the player still learns the verdict.
        const std::wstring message(verdict.message.begin(), verdict.message.end());
        showProgramMessage(owner, message);
    }
}

} // namespace plumaro
