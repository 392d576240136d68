// The help window: the rules or the about text beside a picture, three
// buttons, and in the about state the link to the maker's web site.
#include "help_window.h"

#include <oleacc.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#include "accessible.h"
#include "com_apartment.h"
#include "controls.h"
#include "handles.h"
#include "help_resources.h"
#include "help_text_file.h"
#include "messages.h"
#include "module1.h"
#include "picture_control.h"
#include "pictures.h"
#include "program_folder.h"
#include "shared_resources.h"
#include "subclass.h"
#include "system_library.h"
#include "texts.h"
#include "window_sizing.h"

namespace plumaro {

namespace {

constexpr int kClientWidth = 440;
constexpr int kClientHeight = 280;
// The controls reach x 435 (the logo) and y 300 (the text box).
constexpr SIZE kLeastClient{435, 300};

constexpr wchar_t kRulesFile[] = L"default.txt";
constexpr wchar_t kAboutFile[] = L"tavi.txt";
constexpr wchar_t kSiteAddress[] = L"https://plumaro.example/";
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// Indices of the btn_help buttons.
constexpr std::int16_t kRulesButton = 0;
constexpr std::int16_t kOkButton = 4;
constexpr std::int16_t kAboutButton = 5;

// The control of the button with an index, and the index of a control: -1
// for one that is no button of the array.
int buttonId(std::int16_t index) {
    switch (index) {
    case kRulesButton:
        return IDC_HELP_RULES;
    case kOkButton:
        return IDC_HELP_OK;
    case kAboutButton:
        return IDC_HELP_ABOUT;
    }
    return 0;
}
std::int16_t buttonIndex(int id) {
    switch (id) {
    case IDC_HELP_RULES:
        return kRulesButton;
    case IDC_HELP_OK:
        return kOkButton;
    case IDC_HELP_ABOUT:
        return kAboutButton;
    }
    return -1;
}

constexpr ControlPlacement kRulesPicturePlacement{308, 10, 107, 170};
constexpr ControlPlacement kLogoPlacement{295, 58, 140, 102};

// The text box, the buttons and the link keep their sizes in twips: 281 x
// 292, 127 x 23 and 93 x 18 pixels at 96 dpi.
constexpr POINT kTextPosition{5, 8};
constexpr SIZE kTextSizeInTwips{4215, 4380};
constexpr POINT kRulesButtonPosition{300, 214};
constexpr POINT kAboutButtonPosition{300, 243};
constexpr POINT kOkButtonPosition{300, 270};
constexpr SIZE kButtonSizeInTwips{1905, 345};
constexpr POINT kLinkPosition{315, 162};
constexpr SIZE kLinkSizeInTwips{1395, 270};

void setShown(HWND control, bool shown) { ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE); }

constexpr AccessibleDescription kLinkDescription{ROLE_SYSTEM_LINK, 0, false, IDS_JUMP};

// Tells the window that the link was clicked, as the label does for the mouse.
void notifyLinkClicked(HWND link) {
    SendMessageW(GetParent(link), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
}

// The link label made usable without the mouse: Tab reaches it, it shows the
// focus, and Enter, Space or an automation client's press act as a click.
LRESULT CALLBACK lbl_urlProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam) {
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
        return answerGetObject(link, wParam, lParam, kLinkDescription);
    }
    return callBaseProcedure(link, message, wParam, lParam);
}

class HelpWindow {
public:
    explicit HelpWindow(HINSTANCE instance) : instance_(instance) {}

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // Replaces the whole text of the text box with the content of the help
    // text file `file` (a bare file name) in the program's folder.
    void DisplayHelp(const std::wstring &file);

private:
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Form_Load();
    void placeWindow();
    bool becomesOwnActiveWindow(HWND previous) const;
    void Form_Activate();
    void btn_help_Click(std::int16_t index);
    void lbl_url_Click();
    void close();

    // The two display states.
    void showRules();
    void showAbout();

    HWND btn_help(std::int16_t index) const { return GetDlgItem(dialog_, buttonId(index)); }

    HWND dialog_ = nullptr;
    HINSTANCE instance_;
    HWND txt_help = nullptr;
    HWND img_help = nullptr;
    HWND img_logo = nullptr;
    HWND lbl_url = nullptr;
    PictureControl rulesPicture_;
    PictureControl logoPicture_;
    UniqueFont linkFont_;
    HCURSOR hand_ = nullptr;
    bool shown_ = false;   // the activation step has run since the window was created
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
    switch (message) {
    case WM_INITDIALOG:
        if (!Form_Load())
            EndDialog(dialog_, -1);
        return FALSE; // the activation step gives the focus to "OK"
    case WM_ACTIVATE: {
        if (LOWORD(wParam) == WA_INACTIVE || !becomesOwnActiveWindow(reinterpret_cast<HWND>(lParam)))
            return FALSE; // the dialog manager puts the focus back where it was
        Form_Activate();
        shown_ = true;
        return TRUE;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == lbl_url && LOWORD(lParam) == HTCLIENT) {
            SetCursor(hand_);
            SetWindowLongPtrW(dialog_, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const HWND control = reinterpret_cast<HWND>(lParam);
        if (control == lbl_url) {
            SetTextColor(dc, kLinkColour);
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        if (control == txt_help) {
            // Read-only, but a page to read rather than a greyed-out box.
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        }
        return FALSE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDOK || id == IDCANCEL) {
            close(); // Esc and the close box
        } else if (id == IDC_URL) {
            // Only a link the user can see and reach may open.
            if (HIWORD(wParam) == STN_CLICKED && IsWindowVisible(lbl_url) && IsWindowEnabled(dialog_))
                lbl_url_Click();
        } else if (buttonIndex(id) >= 0 && HIWORD(wParam) == BN_CLICKED) {
            btn_help_Click(buttonIndex(id));
        }
        return TRUE;
    }
    case WM_DESTROY:
        rulesPicture_.takeBack();
        logoPicture_.takeBack();
        return FALSE;
    }
    return FALSE;
}

bool HelpWindow::Form_Load() {
    txt_help = GetDlgItem(dialog_, IDC_HELP_TEXT);
    img_help = GetDlgItem(dialog_, IDC_HELP_PICTURE);
    img_logo = GetDlgItem(dialog_, IDC_LOGO);
    lbl_url = GetDlgItem(dialog_, IDC_URL);
    subclassControl(lbl_url, lbl_urlProc);

    placeWindow();

    // No limit but the file's length.
    SendMessageW(txt_help, EM_SETLIMITTEXT, 0, 0);

    if (!rulesPicture_.show(img_help, loadPicture(instance_, IDB_RULES)) ||
        !logoPicture_.show(img_logo, loadPicture(instance_, IDB_LOGO)))
        return false;

    // A picture control takes the size of its picture: size it afterwards.
    const Resolution resolution = resolutionOf(dialog_);
    placeControl(img_help, kRulesPicturePlacement);
    placeControl(btn_help(kRulesButton), kRulesButtonPosition, kButtonSizeInTwips, resolution);
    placeControl(btn_help(kOkButton), kOkButtonPosition, kButtonSizeInTwips, resolution);
    placeControl(btn_help(kAboutButton), kAboutButtonPosition, kButtonSizeInTwips, resolution);
    placeControl(txt_help, kTextPosition, kTextSizeInTwips, resolution);
    placeControl(img_logo, kLogoPlacement);
    placeControl(lbl_url, kLinkPosition, kLinkSizeInTwips, resolution);

    // Bold, underlined MS Sans Serif of 8.25 points.
    linkFont_ = createBoldSansSerif(825, resolution, {.underline = true});
    SendMessageW(lbl_url, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);

    hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_POINTING_HAND));
    if (!hand_)
        hand_ = LoadCursorW(nullptr, IDC_HAND);
    return true;
}

// Sizes the window for its client area and centres it on the screen.
void HelpWindow::placeWindow() {
    applyPlacement(dialog_, placementFor(dialog_, kClientWidth, kClientHeight, true));

    // The sizing allows for a standard caption and a menu bar; this tool
    // window has a small caption and no menu bar, so what it leaves for the
    // client area depends on the system's metrics.
    ensureClientSize(dialog_, kLeastClient.cx, kLeastClient.cy);
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

// Runs each time the window becomes the program's own active window: every
// showing starts from the state the Help menu chose, with the file read
// afresh.
void HelpWindow::Form_Activate() {
    SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(btn_help(kOkButton)), TRUE);
    switch (Module1::HelpMode) {
    case 0:
        showRules();
        break;
    case 1:
        showAbout();
        break;
    }
}

// The buttons switch the state without changing Module1::HelpMode.
void HelpWindow::btn_help_Click(std::int16_t index) {
    switch (index) {
    case kRulesButton:
        showRules();
        break;
    case kAboutButton:
        showAbout();
        break;
    case kOkButton:
        close();
        break;
    }
}

void HelpWindow::close() {
    closing_ = true;
    EndDialog(dialog_, IDOK);
}

// The text is loaded before the pictures change.
void HelpWindow::showRules() {
    DisplayHelp(kRulesFile);
    setShown(img_help, true);
    setShown(img_logo, false);
    setShown(lbl_url, false);
}

void HelpWindow::showAbout() {
    DisplayHelp(kAboutFile);
    setShown(img_help, false);
    setShown(img_logo, true);
    setShown(lbl_url, true);
}

void HelpWindow::DisplayHelp(const std::wstring &file) {
    const std::wstring text = ReadTextFile(programFolder() + L"\\" + file);
    SetWindowTextW(txt_help, text.c_str());
}

// Only the about state shows the link, so only there can it be clicked.
void HelpWindow::lbl_url_Click() {
    // The shell may run messages while it opens the address (COM and DDE
    // wait that way): a second click meanwhile is the same click.
    if (opening_)
        return;
    opening_ = true;
    // The shell and COM are found only now: nothing else needs them, and
    // loading them would slow every start of the program. The shell may hand
    // the address to a COM handler.
    const auto openWithShell = systemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    useComOnThisThread();
    const auto result =
        openWithShell
            ? reinterpret_cast<INT_PTR>(openWithShell(dialog_, L"open", kSiteAddress, L"", L"", SW_SHOWNORMAL))
            : 0;
    opening_ = false;
    // Meanwhile the player may have closed the window (it stays, hidden,
    // until this returns), or its owner may have gone and taken it along.
    if (result <= 32 && IsWindow(dialog_))
        showProgramMessage(closing_ ? GetWindow(dialog_, GW_OWNER) : dialog_, IDS_LINK_FAILED);
}

} // namespace

void showHelpWindow(HWND owner, HINSTANCE instance) {
    HelpWindow window(instance);
    if (DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_HELP), owner, HelpWindow::dialogProc,
                        reinterpret_cast<LPARAM>(&window)) == -1)
        showProgramMessage(owner, IDS_HELP_NOT_SHOWN);
}

} // namespace plumaro
