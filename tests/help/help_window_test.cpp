// The help window in this process: its size and layout whatever the
// system's metrics, the states that HelpMode and the buttons choose, the
// focus at each activation and the link's look.
#include "help/help_window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "app/resource.h"
#include "core/module1.h"
#include "tests/support/program_driver.h"

namespace plumaro::testing {
namespace {

constexpr wchar_t kCaption[] = L"Plumaro Puzzle - Help";
constexpr int kRulesButton = IDC_HELP_BUTTON + 0;
constexpr int kOkButton = IDC_HELP_BUTTON + 4;
constexpr int kAboutButton = IDC_HELP_BUTTON + 5;

// A help text as the window should show it: the file beside the program,
// decoded from the ANSI code page.
std::wstring helpText(const wchar_t* name) {
    std::ifstream in(buildFolder() / name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(
        CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A control's rectangle in its window's client coordinates.
RECT placementOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void expectPlacement(HWND control, int left, int top, int width, int height) {
    const RECT rect = placementOf(control);
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.right - rect.left, width);
    EXPECT_EQ(rect.bottom - rect.top, height);
}

// The help window shown by the Help menu's call, on a thread of its own as
// the program's user-interface thread, while the test looks on.
class ShownHelpWindow {
public:
    explicit ShownHelpWindow(std::int16_t helpMode) {
        Module1::HelpMode = helpMode;
        ui_ = std::thread([this] {
            threadId_ = GetCurrentThreadId();
            showHelpWindow(nullptr, GetModuleHandleW(nullptr));
            closed_ = true;
        });
        for (int tries = 0; tries < 250 && !(dialog_ && active()); ++tries) {
            if (threadId_) dialog_ = FindWindowW(L"#32770", kCaption);
            settle(20ms);
        }
    }

    ~ShownHelpWindow() {
        if (!closed_ && dialog_) PostMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
        ui_.join();
    }

    ShownHelpWindow(const ShownHelpWindow&) = delete;
    ShownHelpWindow& operator=(const ShownHelpWindow&) = delete;

    HWND dialog() const { return dialog_; }
    HWND control(int id) const { return GetDlgItem(dialog_, id); }
    std::wstring text() const { return textOf(control(IDC_HELP_TEXT)); }
    bool shown(int id) const { return IsWindowVisible(control(id)) != FALSE; }

    bool active() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(threadId_, &info) && info.hwndActive == dialog_ && dialog_;
    }

    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(threadId_, &info);
        return info.hwndFocus;
    }

    // A button pressed as the mouse presses it.
    void press(int id) const {
        SendMessageW(control(id), BM_CLICK, 0, 0);
        settle(20ms);
    }

    // Another window takes the activation, then the help window gets it back.
    void reactivate() const {
        HWND other = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                     nullptr, nullptr, nullptr);
        SetForegroundWindow(other);
        settle(50ms);
        SetForegroundWindow(dialog_);
        for (int tries = 0; tries < 50 && !active(); ++tries) settle(20ms);
        DestroyWindow(other);
    }

private:
    std::thread ui_;
    std::atomic<DWORD> threadId_ = 0;
    std::atomic<bool> closed_ = false;
    HWND dialog_ = nullptr;
};

// The caption, menu and frame sizes of the system, changed for a while.
class NonClientMetrics {
public:
    NonClientMetrics(int smallCaptionHeight, int menuHeight) {
        saved_.cbSize = sizeof saved_;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
        NONCLIENTMETRICSW changed = saved_;
        changed.iSmCaptionHeight = smallCaptionHeight;
        changed.iMenuHeight = menuHeight;
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof changed, &changed, 0);
    }
    ~NonClientMetrics() { SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }

private:
    NONCLIENTMETRICSW saved_{};
};

void expectRoomForTheControlsAndCentred(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_GE(client.right, 435);
    EXPECT_GE(client.bottom, 300);

    RECT outer{};
    GetWindowRect(dialog, &outer);
    EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2.0, 1.0);
    EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2.0, 1.0);
}

TEST(HelpWindowLayout, IsAFixedToolWindowCentredWithTheControlsInPlace) {
    ShownHelpWindow help(0);
    ASSERT_NE(help.dialog(), nullptr);

    const LONG_PTR style = GetWindowLongPtrW(help.dialog(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(help.dialog(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(SendMessageW(help.dialog(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(help.dialog(), WM_GETICON, ICON_BIG, 0), 0);

    expectRoomForTheControlsAndCentred(help.dialog());

    expectPlacement(help.control(IDC_HELP_TEXT), 5, 8, 281, 292);
    expectPlacement(help.control(IDC_HELP_PICTURE), 308, 10, 107, 170);
    expectPlacement(help.control(IDC_LOGO), 295, 58, 140, 102);
    expectPlacement(help.control(IDC_URL), 315, 162, 93, 18);
    expectPlacement(help.control(kRulesButton), 300, 214, 127, 23);
    expectPlacement(help.control(kAboutButton), 300, 243, 127, 23);
    expectPlacement(help.control(kOkButton), 300, 270, 127, 23);
}

TEST(HelpWindowLayout, ATallSmallCaptionAndAThinMenuBarStillLeaveRoomForTheControls) {
    // The sizing allows for a standard caption and a menu bar; here this
    // window's small caption takes more than both, less 20 pixels, so a
    // window sized by that alone would be under 300 pixels high inside.
    NonClientMetrics metrics(40, 8);
    ASSERT_GT(GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) - 20);
    ShownHelpWindow help(0);
    ASSERT_NE(help.dialog(), nullptr);
    expectRoomForTheControlsAndCentred(help.dialog());
}

TEST(HelpWindowStates, TheRulesShowTheRulesTextBesideTheIllustration) {
    ShownHelpWindow help(0);
    ASSERT_NE(help.dialog(), nullptr);
    EXPECT_EQ(help.text(), helpText(L"default.txt"));
    EXPECT_TRUE(help.shown(IDC_HELP_PICTURE));
    EXPECT_FALSE(help.shown(IDC_LOGO));
    EXPECT_FALSE(help.shown(IDC_URL));
    EXPECT_EQ(help.focus(), help.control(kOkButton));
}

TEST(HelpWindowStates, AboutShowsTheAboutTextWithTheLogoAndTheLink) {
    ShownHelpWindow help(1);
    ASSERT_NE(help.dialog(), nullptr);
    EXPECT_EQ(help.text(), helpText(L"tavi.txt"));
    EXPECT_FALSE(help.shown(IDC_HELP_PICTURE));
    EXPECT_TRUE(help.shown(IDC_LOGO));
    EXPECT_TRUE(help.shown(IDC_URL));
    EXPECT_EQ(help.focus(), help.control(kOkButton));
}

TEST(HelpWindowStates, TheButtonsSwitchUntilTheNextActivationBringsBackTheMenusChoice) {
    ShownHelpWindow help(0);
    ASSERT_NE(help.dialog(), nullptr);

    help.press(kAboutButton);
    EXPECT_EQ(help.text(), helpText(L"tavi.txt"));
    EXPECT_TRUE(help.shown(IDC_LOGO));
    EXPECT_TRUE(help.shown(IDC_URL));
    EXPECT_FALSE(help.shown(IDC_HELP_PICTURE));
    EXPECT_EQ(Module1::HelpMode, 0);
    EXPECT_EQ(help.focus(), help.control(kAboutButton));

    help.reactivate();
    ASSERT_TRUE(help.active());
    EXPECT_EQ(help.text(), helpText(L"default.txt"));
    EXPECT_TRUE(help.shown(IDC_HELP_PICTURE));
    EXPECT_FALSE(help.shown(IDC_LOGO));
    EXPECT_FALSE(help.shown(IDC_URL));
    EXPECT_EQ(help.focus(), help.control(kOkButton));

    help.press(kAboutButton);
    help.press(kRulesButton);
    EXPECT_EQ(help.text(), helpText(L"default.txt"));
    EXPECT_TRUE(help.shown(IDC_HELP_PICTURE));
    EXPECT_FALSE(help.shown(IDC_URL));
}

TEST(HelpWindowStates, AnUnknownModeLeavesTheWindowAsItsDefinitionLaysItOut) {
    ShownHelpWindow help(2);
    ASSERT_NE(help.dialog(), nullptr);
    EXPECT_EQ(help.text(), L"");
    EXPECT_TRUE(help.shown(IDC_HELP_PICTURE));
    EXPECT_FALSE(help.shown(IDC_LOGO));
    EXPECT_TRUE(help.shown(IDC_URL));
    EXPECT_EQ(help.focus(), help.control(kOkButton));
}

TEST(HelpWindowStates, OkClosesTheWindowAndTheMenuCallReturns) {
    ShownHelpWindow help(1);
    ASSERT_NE(help.dialog(), nullptr);
    help.press(kOkButton);
    for (int tries = 0; tries < 50 && IsWindow(help.dialog()); ++tries) settle(20ms);
    EXPECT_FALSE(IsWindow(help.dialog()));
}

TEST(HelpWindowLink, IsTheSitesHostNameInBoldUnderlinedMsSansSerif) {
    ShownHelpWindow help(1);
    ASSERT_NE(help.dialog(), nullptr);
    HWND link = help.control(IDC_URL);
    EXPECT_EQ(textOf(link), L"plumaro.example");
    EXPECT_TRUE(GetWindowLongPtrW(link, GWL_STYLE) & SS_CENTER);

    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_TRUE(font.lfUnderline);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(825, GetDeviceCaps(screen, LOGPIXELSY), 7200)); // 8.25 points
    ReleaseDC(nullptr, screen);
}

} // namespace
} // namespace plumaro::testing
