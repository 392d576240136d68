// The result window: the verdict written on the Emperor's sign, one of four
// text pictures and an OK button.
#include "result_window.h"

#include <oleacc.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>

#include "accessible.h"
#include "controls.h"
#include "handles.h"
#include "messages.h"
#include "picture_control.h"
#include "pictures.h"
#include "result_resources.h"
#include "subclass.h"
#include "texts.h"
#include "window_icon.h"
#include "window_sizing.h"

namespace plumaro {

namespace {

constexpr int kClientWidth = 340;
constexpr int kClientHeight = 204;
constexpr COLORREF kMessageColour = RGB(192, 0, 0);
constexpr SIZE kOkSizeInTwips{1275, 360};

constexpr ControlPlacement kMessagePlacement{30, 96, 116, 19};
constexpr std::array<ControlPlacement, 4> kImagePlacements{{
    {203, 11, 117, 151},
    {194, 17, 134, 135},
    {203, 11, 117, 151},
    {203, 11, 117, 151},
}};
constexpr POINT kOkPosition{220, 167};

// Posted once the window shows, to speak the verdict and the picture's
// words after readers have spoken the window itself.
constexpr UINT kSayVerdict = WM_APP + 1;

// The words of each text picture's lettering, Image1..Image4.
constexpr std::array<UINT, 4> kPictureWords{IDS_RESULT_WORDS1, IDS_RESULT_WORDS2, IDS_RESULT_WORDS3, IDS_RESULT_WORDS4};

// A text picture reads as the words of its lettering.
LRESULT CALLBACK imageProc(HWND image, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        const auto picture = std::find(kImageIds.begin(), kImageIds.end(), GetDlgCtrlID(image)) - kImageIds.begin();
        if (picture < static_cast<std::ptrdiff_t>(kPictureWords.size()))
            return answerGetObject(image, wParam, lParam,
                                   {ROLE_SYSTEM_GRAPHIC, kPictureWords[static_cast<std::size_t>(picture)], false, 0});
    }
    return callBaseProcedure(image, message, wParam, lParam);
}

class ResultWindow {
public:
    ResultWindow(HINSTANCE instance, const Verdict &verdict, const WindowIcons &icons)
        : instance_(instance), verdict_(verdict), icons_(icons) {}

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Form_Load();
    void showVerdict();
    void paintBackground(HDC dc);

    HWND dialog_ = nullptr;
    HINSTANCE instance_;
    Verdict verdict_;
    UniqueBitmap background_;
    std::array<PictureControl, 4> images_;
    UniqueFont messageFont_;
    const WindowIcons &icons_;
    std::shared_ptr<SpokenTexts> spoken_ = std::make_shared<SpokenTexts>();
};

INT_PTR CALLBACK ResultWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<ResultWindow *>(lParam)->dialog_ = dialog;
    }
    auto *self = reinterpret_cast<ResultWindow *>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->handle(message, wParam, lParam) : FALSE;
}

INT_PTR ResultWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (!Form_Load()) {
            EndDialog(dialog_, -1);
            return FALSE;
        }
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
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog_, IDOK);
        return TRUE;
    case WM_SHOWWINDOW:
        if (wParam)
            PostMessageW(dialog_, kSayVerdict, 0, 0);
        return FALSE;
    case kSayVerdict:
        announce(dialog_, *spoken_,
                 formatText(IDS_VERDICT, {std::wstring(verdict_.message.begin(), verdict_.message.end()),
                                          loadText(kPictureWords[static_cast<std::size_t>(verdict_.picture)])}));
        return TRUE;
    case WM_GETOBJECT:
        SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, answerWindowGetObject(dialog_, wParam, lParam, spoken_));
        return TRUE;
    case WM_DESTROY:
        for (PictureControl &image : images_)
            image.takeBack();
        return FALSE;
    }
    return FALSE;
}

// False if a picture compiled into the program cannot be loaded.
bool ResultWindow::Form_Load() {
    applyPlacement(dialog_, placementFor(dialog_, kClientWidth, kClientHeight, false));
    ensureClientSize(dialog_, kClientWidth, kClientHeight);

    const Resolution resolution = resolutionOf(dialog_);
    HWND label = GetDlgItem(dialog_, IDC_MESSAGE);
    placeControl(label, kMessagePlacement);
    messageFont_ = createBoldSansSerif(975, resolution);
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(messageFont_.get()), FALSE);

    background_ = loadPicture(instance_, IDR_RESULT_BACKGROUND);
    if (!background_)
        return false;
    for (int i = 0; i < 4; ++i) {
        HWND image = GetDlgItem(dialog_, kImageIds[i]);
        if (!images_[i].show(image, loadPicture(instance_, kResultPictureIds[i])))
            return false;
        subclassControl(image, imageProc);
        placeControl(image, kImagePlacements[i]);
    }

    // The OK button keeps its size in twips: 85 x 24 pixels at 96 dpi.
    placeControl(GetDlgItem(dialog_, IDOK), kOkPosition, kOkSizeInTwips, resolution);

    if (icons_)
        setWindowIcons(dialog_, icons_);
    return true;
}

void ResultWindow::showVerdict() {
    for (int i = 0; i < 4; ++i)
        ShowWindow(GetDlgItem(dialog_, kImageIds[i]), SW_HIDE);
    const std::wstring message(verdict_.message.begin(), verdict_.message.end());
    SetDlgItemTextW(dialog_, IDC_MESSAGE, message.c_str());
    ShowWindow(GetDlgItem(dialog_, kImageIds[static_cast<std::size_t>(verdict_.picture)]), SW_SHOWNA);
}

void ResultWindow::paintBackground(HDC dc) {
    RECT client;
    GetClientRect(dialog_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    drawBitmap(dc, background_.get(), 0, 0);
}

} // namespace

void showResultWindow(HWND owner, HINSTANCE instance, const Verdict &verdict, const WindowIcons &icons) {
    ResultWindow window(instance, verdict, icons);
    if (DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_RESULT), owner, ResultWindow::dialogProc,
                        reinterpret_cast<LPARAM>(&window)) == -1) {
        // The dialog or its pictures could not be loaded: the player still
        // learns the verdict.
        const std::wstring message(verdict.message.begin(), verdict.message.end());
        showProgramMessage(owner, message);
    }
}

} // namespace plumaro
