// The help window: the rules or the about text beside a picture, three
// buttons, and on the about page the link to the maker's web site.
#include "help_window.h"

#include <oleacc.h>
#include <shellapi.h>

#include <string>

#include "accessible.h"
#include "com_apartment.h"
#include "controls.h"
#include "dialog_box.h"
#include "display_scale.h"
#include "handles.h"
#include "help_geometry.h"
#include "help_resources.h"
#include "help_text_file.h"
#include "messages.h"
#include "picture_control.h"
#include "pictures.h"
#include "program_folder.h"
#include "release_facts.h"
#include "runtime_files.h"
#include "subclass.h"
#include "system_library.h"
#include "texts.h"
#include "window_procedure.h"
#include "window_sizing.h"

namespace plumaro {

namespace {

using namespace help_geometry;

// A fixed tool window: a small caption with a close box, no resizing, not
// in the taskbar.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
constexpr SIZE kClientSize{kClientWidth, kClientHeight};
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// The link's colour: blue, but in Windows' high-contrast mode the colour
// the player chose there for links.
COLORREF linkColour() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                      (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return high ? GetSysColor(COLOR_HOTLIGHT) : kLinkColour;
}
constexpr wchar_t kSiteAddress[] = L"" PLUMARO_WEB_ADDRESS;

void setShown(HWND control, bool shown) { ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE); }

// Tells the window that the link was clicked, as the label does for the mouse.
void notifyLinkClicked(HWND link) {
    SendMessageW(GetParent(link), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
}

// The link label made usable without the mouse: Tab reaches it, it shows the
// focus, and Enter, Space or an automation client's press act as a click.
LRESULT CALLBACK linkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter must reach the link rather than press the default button;
        // Tab, Esc and the rest stay with the dialog manager.
        const auto *key = reinterpret_cast<const MSG *>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            return DLGC_WANTMESSAGE;
        return callBaseProcedure(link, message, wParam, lParam);
    }
    case WM_KEYDOWN:
        if ((wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & (1 << 30))) // not a repeat
            notifyLinkClicked(link);
        return 0;
    case BM_CLICK:
        notifyLinkClicked(link);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(link, nullptr, TRUE);
        break;
    case WM_PAINT: {
        // The focus rectangle is inverted over the whole label, so the whole
        // label must be painted afresh under it: over a partly repainted one
        // it would wipe out the rectangle still standing elsewhere.
        const bool focused = GetFocus() == link;
        if (focused)
            InvalidateRect(link, nullptr, TRUE);
        const LRESULT painted = callBaseProcedure(link, message, wParam, lParam);
        if (focused) {
            RECT all{};
            GetClientRect(link, &all);
            HDC dc = GetDC(link);
            DrawFocusRect(dc, &all);
            ReleaseDC(link, dc);
        }
        return painted;
    }
    case WM_GETOBJECT:
        return answerGetObject(link, wParam, lParam, {ROLE_SYSTEM_LINK, {}, false, IDS_JUMP});
    }
    return callBaseProcedure(link, message, wParam, lParam);
}

class HelpWindow {
public:
    HelpWindow(HWND owner, HINSTANCE instance, HelpPage page, HandCursors &hands)
        : owner_(owner), instance_(instance), page_(page), hands_(hands) {}

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool onCreate();
    bool createControls();
    bool layOut(UINT dpi);
    bool becomesOwnActiveWindow(HWND previous) const;
    void onActivate();
    void onCommand(int id, int notification);
    void openLink();
    void close();

    // The two pages: the text file, then its picture (and the link).
    void showPage(HelpPage page);
    void showTextFile(const wchar_t *name);

    HWND dialog_ = nullptr;
    HWND owner_;
    HINSTANCE instance_;
    HelpPage page_;    // the page each activation shows
    UINT dpi_ = 0;     // the scale the window is laid out for
    UINT fontDpi_ = 0; // the scale the system made the dialog's font for
    HWND text_ = nullptr;
    HWND okButton_ = nullptr;
    HWND aboutButton_ = nullptr;
    HWND rulesButton_ = nullptr;
    HWND rulesPictureControl_ = nullptr;
    HWND logoControl_ = nullptr;
    HWND link_ = nullptr;
    PictureControl rulesPicture_;
    PictureControl logo_;
    UniqueFont linkFont_;
    UniqueFont font_; // the dialog's font at the window's scale
    HandCursors &hands_;
    bool shown_ = false;   // the window has been activated since it was made
    bool closing_ = false; // ended; the dialog manager destroys it once its loop runs again
    bool opening_ = false; // the shell is opening the link
};

INT_PTR CALLBACK HelpWindow::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<HelpWindow *>(lParam)->dialog_ = dialog;
    }
    auto *self = reinterpret_cast<HelpWindow *>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->handle(message, wParam, lParam) : FALSE;
}

INT_PTR HelpWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    // Moved to a monitor of another scale, or the scale changed.
    if (answerDialogScaleChange(dialog_, owner_, kClientSize, message, wParam, lParam,
                                [this](UINT dpi) { return layOut(dpi); }))
        return TRUE;
    switch (message) {
    case WM_INITDIALOG:
        if (!onCreate())
            EndDialog(dialog_, -1);
        return FALSE; // the activation gives the focus to "OK"
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE || !becomesOwnActiveWindow(reinterpret_cast<HWND>(lParam)))
            return FALSE; // the dialog manager puts the focus back where it was
        onActivate();
        shown_ = true;
        return TRUE;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == link_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(hands_.at(dpi_));
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (control == link_) {
            SetTextColor(dc, linkColour());
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        if (control == text_) {
            // Read-only, but a page to read rather than a greyed-out box.
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        }
        return FALSE;
    }
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: // high contrast turned on or off, or its colours changed
        InvalidateRect(link_, nullptr, TRUE);
        return FALSE;
    case WM_DESTROY:
        rulesPicture_.takeBack();
        logo_.takeBack();
        return FALSE;
    }
    return FALSE;
}

// Makes the controls, lays them out at the window's DPI, titles the window
// and centres it on the board's monitor; false if a control or a picture
// compiled into the program cannot be made.
bool HelpWindow::onCreate() {
    SetWindowTextW(dialog_, loadText(IDS_HELP_CAPTION).c_str());
    keepDialogLayoutOurs(dialog_);
    fontDpi_ = dpiOf(dialog_);
    if (!createControls() || !layOut(fontDpi_))
        return false;
    placeOnMonitorOf(dialog_, owner_, kClientSize);
    return true;
}

// The controls in the order the Tab key visits them: the text, "OK",
// "About", "Rules", and the link while the about page shows it.
bool HelpWindow::createControls() {
    text_ = addControl(dialog_, L"EDIT", L"", IDC_HELP_TEXT,
                       WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE);
    okButton_ =
        addControl(dialog_, L"BUTTON", loadText(IDS_OK), IDC_HELP_OK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    aboutButton_ = addControl(dialog_, L"BUTTON", loadText(IDS_ABOUT), IDC_HELP_ABOUT, WS_VISIBLE | WS_TABSTOP);
    rulesButton_ = addControl(dialog_, L"BUTTON", loadText(IDS_RULES), IDC_HELP_RULES, WS_VISIBLE | WS_TABSTOP);
    // The pictures in a sunken frame, as the dialog manager frames a bordered control.
    rulesPictureControl_ =
        addControl(dialog_, L"STATIC", L"", IDC_RULES_PICTURE, WS_VISIBLE | SS_BITMAP, WS_EX_CLIENTEDGE);
    logoControl_ = addControl(dialog_, L"STATIC", L"", IDC_LOGO, SS_BITMAP, WS_EX_CLIENTEDGE);
    link_ = addControl(dialog_, L"STATIC", L"" PLUMARO_WEB_HOST, IDC_LINK,
                       WS_VISIBLE | WS_TABSTOP | SS_CENTER | SS_NOPREFIX | SS_NOTIFY);
    if (!text_ || !okButton_ || !aboutButton_ || !rulesButton_ || !rulesPictureControl_ || !logoControl_ || !link_)
        return false;
    SendMessageW(dialog_, DM_SETDEFID, IDC_HELP_OK, 0);
    subclassControl(link_, guarded<linkProc>);
    // As much as a help text can hold: by default the box would take only
    // 32767 characters.
    SendMessageW(text_, EM_SETLIMITTEXT, kMostHelpCharacters, 0);
    return true;
}

// Shows the window at `dpi`: its pictures drawn for that scale, its fonts
// made for it, its controls where the layout puts them there.
// False if a picture compiled into the program cannot be made.
bool HelpWindow::layOut(UINT dpi) {
    dpi_ = dpi;
    // A picture control takes the size of its picture: the pictures are
    // placed after they are shown.
    if (!rulesPicture_.show(rulesPictureControl_, loadPicture(instance_, IDB_RULES, dpi)) ||
        !logo_.show(logoControl_, loadPicture(instance_, IDB_LOGO, dpi)))
        return false;
    placeControl(rulesPictureControl_, {kRulesPictureLeft, kRulesPictureTop, kRulesPictureWidth, kRulesPictureHeight},
                 dpi);
    placeControl(logoControl_, {kLogoLeft, kLogoTop, kLogoWidth, kLogoHeight}, dpi);
    placeControl(rulesButton_, {kButtonLeft, kRulesButtonTop, kButtonWidth, kButtonHeight}, dpi);
    placeControl(okButton_, {kButtonLeft, kOkButtonTop, kButtonWidth, kButtonHeight}, dpi);
    placeControl(aboutButton_, {kButtonLeft, kAboutButtonTop, kButtonWidth, kButtonHeight}, dpi);
    placeControl(text_, {kTextLeft, kTextTop, kTextWidth, kTextHeight}, dpi);
    placeControl(link_, {kLinkLeft, kLinkTop, kLinkWidth, kLinkHeight}, dpi);

    font_ = createDialogFont(dialog_, fontDpi_, dpi);
    for (HWND control : {text_, okButton_, aboutButton_, rulesButton_})
        setFont(control, font_.get());
    // Bold, underlined MS Sans Serif of 8.25 points.
    linkFont_ = createBoldSansSerif(825, dpi, {.underline = true});
    setFont(link_, linkFont_.get());
    return true;
}


// Whether an activation makes this window the program's own active window:
// its first showing, or a window of the program that stood over it having
// closed. Coming back from another program (the previous window is unknown
// or another thread's) changes nothing, and neither does closing one of this
// window's own message boxes: the window stays as the player left it.
bool HelpWindow::becomesOwnActiveWindow(HWND previous) const {
    if (!shown_)
        return true;
    if (!previous || GetWindowThreadProcessId(previous, nullptr) != GetCurrentThreadId())
        return false;
    return GetWindow(previous, GW_OWNER) != dialog_;
}

// Each time the window becomes the program's own active window, it starts
// from the page it was opened on, with the file read afresh.
void HelpWindow::onActivate() {
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(okButton_), TRUE);
    showPage(page_);
}

// The buttons turn the page without changing the page the window was opened on.
void HelpWindow::onCommand(int id, int notification) {
    switch (id) {
    case IDOK:     // Enter
    case IDCANCEL: // Esc and the close box
        close();
        break;
    case IDC_HELP_OK:
        if (notification == BN_CLICKED)
            close();
        break;
    case IDC_HELP_RULES:
        if (notification == BN_CLICKED)
            showPage(HelpPage::Rules);
        break;
    case IDC_HELP_ABOUT:
        if (notification == BN_CLICKED)
            showPage(HelpPage::About);
        break;
    case IDC_LINK:
        // Only a link the player can see and reach may open.
        if (notification == STN_CLICKED && IsWindowVisible(link_) && IsWindowEnabled(dialog_))
            openLink();
        break;
    }
}

void HelpWindow::close() {
    closing_ = true;
    EndDialog(dialog_, IDOK);
}

// The text is loaded before the pictures change.
void HelpWindow::showPage(HelpPage page) {
    const bool about = page == HelpPage::About;
    showTextFile(about ? runtime_files::kAbout.name : runtime_files::kRules.name);
    setShown(rulesPictureControl_, !about);
    setShown(logoControl_, about);
    setShown(link_, about);
}

void HelpWindow::showTextFile(const wchar_t *name) {
    const std::wstring text = readHelpText(programFile(name));
    SetWindowTextW(text_, text.c_str());
}

// Only the about page shows the link, so only there can it be clicked.
void HelpWindow::openLink() {
    // The shell may run messages while it opens the address (COM and DDE
    // wait that way): a second click meanwhile is the same click.
    if (opening_)
        return;
    opening_ = true;
    // The shell and COM are found only now: nothing else needs them, and
    // loading them would slow every start of the program. The shell may hand
    // the address to a COM handler.
    const auto openWithShell = systemFunction<decltype(&ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
    useComOnThisThread();
    // Without the shell's own error box or its "How do you want to open
    // this?" chooser: when the site cannot be opened, the player sees one
    // message, the game's.
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    request.fMask = SEE_MASK_FLAG_NO_UI;
    request.hwnd = dialog_;
    request.lpVerb = L"open";
    request.lpFile = kSiteAddress;
    request.nShow = SW_SHOWNORMAL;
    const bool opened = openWithShell && openWithShell(&request);
    opening_ = false;
    // Meanwhile the player may have closed the window (it stays, hidden,
    // until this returns), or its owner may have gone and taken it along.
    if (!opened && IsWindow(dialog_))
        showProgramMessage(closing_ ? GetWindow(dialog_, GW_OWNER) : dialog_, IDS_LINK_FAILED);
}

} // namespace

void showHelpWindow(HWND owner, HINSTANCE instance, HelpPage page, HandCursors &hands) {
    HelpWindow window(owner, instance, page, hands);
    if (showDialogBox(owner, instance, kStyle, kExStyle, guarded<HelpWindow::dialogProc>,
                      reinterpret_cast<LPARAM>(&window)) == -1)
        showProgramMessage(owner, IDS_HELP_NOT_SHOWN);
}

} // namespace plumaro
