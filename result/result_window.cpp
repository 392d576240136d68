// The result window: the verdict written on the Emperor's sign, one of four
// text pictures and an OK button.
#include "result_window.h"

#include <oleacc.h>

#include <array>
#include <memory>
#include <string>

#include "accessible.h"
#include "controls.h"
#include "dialog_box.h"
#include "display_scale.h"
#include "handles.h"
#include "messages.h"
#include "picture_control.h"
#include "pictures.h"
#include "popup_automation.h"
#include "result_geometry.h"
#include "result_resources.h"
#include "subclass.h"
#include "texts.h"
#include "window_icon.h"
#include "window_procedure.h"
#include "window_sizing.h"

namespace plumaro {

namespace {

using namespace result_geometry;

// A fixed dialog frame: a caption with a close box, no resizing.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr SIZE kClientSize{kClientWidth, kClientHeight};
constexpr COLORREF kMessageColour = RGB(192, 0, 0);

// Each result picture, in the order of ResultPicture (and of
// kPictureControls): its picture, where it lies and the words of its
// lettering.
struct PictureShown {
    int picture;
    ControlPlacement placement;
    UINT words;
};
constexpr ControlPlacement kRightOfTheSign{kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight};
constexpr std::array<PictureShown, 4> kPictures{{
    {IDR_RESULT1, kRightOfTheSign, IDS_WORDS_IN_PAR},
    {IDR_RESULT2, {kFewerMovesLeft, kFewerMovesTop, kFewerMovesWidth, kFewerMovesHeight}, IDS_WORDS_FEWER_MOVES},
    {IDR_RESULT3, kRightOfTheSign, IDS_WORDS_IN_PAR},
    {IDR_RESULT4, kRightOfTheSign, IDS_WORDS_EMPEROR_WOKEN},
}};

const PictureShown &shownFor(ResultPicture picture) { return kPictures[static_cast<std::size_t>(picture)]; }

std::wstring wordsOf(ResultPicture picture) {
    return formatText(shownFor(picture).words, {std::to_wstring(parNamedBy(picture))});
}

UINT verdictText(Verdict verdict) { return verdict == Verdict::WellDone ? IDS_WELL_DONE : IDS_GOOD_TRY; }

// A text picture reads as the words of its lettering.
LRESULT CALLBACK pictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        for (std::size_t at = 0; at < kPictureControls.size(); ++at)
            if (kPictureControls[at] == GetDlgCtrlID(control))
                return answerGetObject(control, wParam, lParam,
                                       {ROLE_SYSTEM_GRAPHIC, wordsOf(static_cast<ResultPicture>(at)), false, 0});
    }
    return callBaseProcedure(control, message, wParam, lParam);
}

class ResultWindow {
public:
    ResultWindow(HWND owner, HINSTANCE instance, const Result &result, const WindowIconFile &iconFile)
        : owner_(owner), instance_(instance), result_(result), iconFile_(iconFile) {}

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool onCreate();
    bool layOut(UINT dpi);
    void paintBackground(HDC dc);

    HWND dialog_ = nullptr;
    HWND owner_;
    HINSTANCE instance_;
    Result result_;
    UINT fontDpi_ = 0; // the scale the system made the dialog's font for
    UniqueBitmap background_;
    PictureControl picture_; // the result's own; the others show nothing
    UniqueFont messageFont_;
    UniqueFont font_; // the dialog's font at the window's scale
    const WindowIconFile &iconFile_;
    WindowIcons icons_;
    // The verdict in full is the window's description: readers speak a
    // dialog with its description as it comes to the foreground, and cancel
    // whatever they were saying then. An announcement of its own would be
    // cut off, or said after the dialog's text and so twice.
    std::shared_ptr<SpokenTexts> spoken_ = std::make_shared<SpokenTexts>();
    std::unique_ptr<PopupAutomation> automation_;
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
    // Moved to a monitor of another scale, or the scale changed.
    if (answerDialogScaleChange(dialog_, owner_, kClientSize, message, wParam, lParam,
                                [this](UINT dpi) { return layOut(dpi); }))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        if (!onCreate())
            EndDialog(dialog_, -1);
        return FALSE; // the focus is on OK, the only control that takes it
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
    case WM_GETOBJECT: {
        LRESULT answer = 0;
        if (!automation_ || !automation_->answer(wParam, lParam, answer))
            answer = answerWindowGetObject(dialog_, wParam, lParam, spoken_);
        SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, answer);
        return TRUE;
    }
    case WM_DESTROY:
        picture_.takeBack();
        if (automation_)
            automation_->windowGoing();
        return FALSE;
    }
    return FALSE;
}

// Makes the window's controls, lays them out at the window's DPI and
// centres the window on the board's monitor; false if a control or a picture
// compiled into the program cannot be made.
bool ResultWindow::onCreate() {
    SetWindowTextW(dialog_, loadText(IDS_RESULT_CAPTION).c_str());
    keepDialogLayoutOurs(dialog_);
    fontDpi_ = dpiOf(dialog_);
    HWND message = addControl(dialog_, L"STATIC", loadText(verdictText(result_.verdict)), IDC_MESSAGE,
                              WS_VISIBLE | SS_CENTER | SS_NOPREFIX);
    if (!message)
        return false;
    // Only the result's own picture shows.
    for (std::size_t at = 0; at < kPictures.size(); ++at) {
        const DWORD visible = static_cast<ResultPicture>(at) == result_.picture ? WS_VISIBLE : 0;
        HWND control = addControl(dialog_, L"STATIC", L"", kPictureControls[at], visible | SS_BITMAP);
        if (!control)
            return false;
        subclassControl(control, guarded<pictureProc>);
    }
    spoken_->description = formatText(IDS_VERDICT, {loadText(verdictText(result_.verdict)), wordsOf(result_.picture)});
    automation_ = std::make_unique<PopupAutomation>(dialog_, spoken_);
    HWND ok = addControl(dialog_, L"BUTTON", loadText(IDS_OK), IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    if (!ok || !layOut(fontDpi_))
        return false;
    SendMessageW(dialog_, DM_SETDEFID, IDOK, 0);
    SetFocus(ok);
    placeOnMonitorOf(dialog_, owner_, kClientSize);
    return true;
}

// Shows the window at `dpi`: its pictures drawn for that scale, its fonts
// and icons made for it, its controls where the layout puts them there.
// False if a picture compiled into the program cannot be made.
bool ResultWindow::layOut(UINT dpi) {
    background_ = loadPicture(instance_, IDR_RESULT_BACKGROUND, dpi);
    if (!background_)
        return false;
    // Only the result's own picture shows, so only it is loaded.
    const auto shownAt = static_cast<std::size_t>(result_.picture);
    const PictureShown &shown = kPictures[shownAt];
    HWND picture = GetDlgItem(dialog_, kPictureControls[shownAt]);
    if (!picture_.show(picture, loadPicture(instance_, shown.picture, dpi)))
        return false;
    // A picture control takes the size of its picture: place it afterwards.
    placeControl(picture, shown.placement, dpi);
    HWND message = GetDlgItem(dialog_, IDC_MESSAGE);
    placeControl(message, {kMessageLeft, kMessageTop, kMessageWidth, kMessageHeight}, dpi);
    messageFont_ = createBoldSansSerif(975, dpi);
    setFont(message, messageFont_.get());
    HWND ok = GetDlgItem(dialog_, IDOK);
    placeControl(ok, {kOkLeft, kOkTop, kOkWidth, kOkHeight}, dpi);
    font_ = createDialogFont(dialog_, fontDpi_, dpi);
    setFont(ok, font_.get());
    if (WindowIcons icons = iconFile_.iconsFor(dpi)) {
        setWindowIcons(dialog_, icons);
        icons_ = std::move(icons);
    }
    InvalidateRect(dialog_, nullptr, TRUE);
    return true;
}


void ResultWindow::paintBackground(HDC dc) {
    RECT client;
    GetClientRect(dialog_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    drawBitmap(dc, background_.get(), 0, 0);
}

} // namespace

void showResultWindow(HWND owner, HINSTANCE instance, const Result &result, const WindowIconFile &icons) {
    ResultWindow window(owner, instance, result, icons);
    if (showDialogBox(owner, instance, kStyle, 0, guarded<ResultWindow::dialogProc>,
                      reinterpret_cast<LPARAM>(&window)) == -1) {
        // The window or its pictures could not be made: the player still
        // learns the verdict.
        showProgramMessage(owner, result.verdict == Verdict::WellDone ? IDS_WELL_DONE : IDS_GOOD_TRY);
    }
}

} // namespace plumaro
