// The help window in this process: its size and layout whatever the
// system's caption and menu metrics, and the link's look. What the user
// does with it is tested through the real program (tests/blackbox/help_blackbox_test.cpp).
#include "help_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "help_geometry.h"
#include "help_resources.h"
#include "import_patch.h"
#include "program_driver.h"
#include "release_facts.h"
#include "texts.h"

namespace plumaro::testing {
namespace {

// The visible controls lie inside the client area and cover none of one
// another.
void expectControlsInsideAndApart(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    std::vector<RECT> placed;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect{}, overlap{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT *>(&rect), 2);
        if (!IsWindowVisible(child))
            continue;
        IntersectRect(&overlap, &rect, &client);
        EXPECT_TRUE(EqualRect(&overlap, &rect)) << "control " << GetDlgCtrlID(child) << " leaves the window";
        for (const RECT &other : placed)
            EXPECT_FALSE(IntersectRect(&overlap, &rect, &other)) << "control " << GetDlgCtrlID(child) << " overlaps";
        placed.push_back(rect);
    }
    EXPECT_GE(placed.size(), 5u);
}

// The help window shown by the Help menu's call, on a thread of its own as
// the program's user-interface thread, while the test looks on.
class ShownHelpWindow {
public:
    explicit ShownHelpWindow(HelpPage page) {
        ui_ = std::thread([this, page] {
            threadId_ = GetCurrentThreadId();
            HandCursors hands(GetModuleHandleW(nullptr));
            showHelpWindow(nullptr, GetModuleHandleW(nullptr), page, hands);
            closed_ = true;
        });
        // Active, and done showing the state's picture, logo and link.
        const auto inState = [&] {
            const auto shown = [&](int id) { return IsWindowVisible(control(id)) != FALSE; };
            const bool about = page == HelpPage::About;
            return shown(IDC_RULES_PICTURE) == !about && shown(IDC_LOGO) == about && shown(IDC_LINK) == about;
        };
        for (int tries = 0; tries < 250 && !(dialog_ && active() && inState()); ++tries) {
            if (threadId_)
                dialog_ = FindWindowW(L"#32770", loadText(IDS_HELP_CAPTION).c_str());
            settle(20ms);
        }
    }

    // Closes the window; one never found, or whatever else the thread shows
    // instead, ends on a quit (modal loops end on WM_QUIT and post it again).
    ~ShownHelpWindow() {
        if (!closed_ && dialog_)
            PostMessageW(dialog_, WM_COMMAND, IDCANCEL, 0);
        if (!waitFor([&] { return closed_.load(); }, 2s))
            PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        EXPECT_TRUE(waitFor([&] { return closed_.load(); }, 5s)) << "the help window's thread does not end";
        closed_ ? ui_.join() : ui_.detach();
    }

    ShownHelpWindow(const ShownHelpWindow &) = delete;
    ShownHelpWindow &operator=(const ShownHelpWindow &) = delete;

    HWND dialog() const { return dialog_; }
    HWND control(int id) const { return GetDlgItem(dialog_, id); }

    bool active() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(threadId_, &info) && info.hwndActive == dialog_ && dialog_;
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

// The client area is the layout's at the window's scale, whatever the
// system's caption and frame, and the window stands centred on the screen.
void expectLaidOutAndCentred(HWND dialog) {
    RECT client{};
    GetClientRect(dialog, &client);
    const int dpi = static_cast<int>(GetDpiForWindow(dialog));
    EXPECT_EQ(client.right, MulDiv(help_geometry::kClientWidth, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(help_geometry::kClientHeight, dpi, 96));

    RECT outer{};
    GetWindowRect(dialog, &outer);
    EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2.0, 1.0);
    EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2.0, 1.0);
}

TEST(HelpWindowLayout, IsAFixedToolWindowCentredWithRoomForItsControls) {
    ShownHelpWindow help(HelpPage::Rules);
    ASSERT_NE(help.dialog(), nullptr);

    const LONG_PTR style = GetWindowLongPtrW(help.dialog(), GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(help.dialog(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_EQ(SendMessageW(help.dialog(), WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(help.dialog(), WM_GETICON, ICON_BIG, 0), 0);

    expectLaidOutAndCentred(help.dialog());
    expectControlsInsideAndApart(help.dialog());
}

TEST(HelpWindowLayout, ATallSmallCaptionAndAThinMenuBarLeaveTheClientAreaAsLaidOut) {
    // A window sized as if it had a standard caption and a menu bar would
    // be too low inside here, where this tool window's small caption takes
    // more than both, less 20 pixels.
    PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION();
    NonClientMetrics metrics(40, 8);
    ASSERT_GT(GetSystemMetrics(SM_CYSMCAPTION), GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU) - 20);
    ShownHelpWindow help(HelpPage::Rules);
    ASSERT_NE(help.dialog(), nullptr);
    expectLaidOutAndCentred(help.dialog());
}

// Moved to a monitor of another scale, the window takes the rectangle
// Windows suggests and its layout at that scale (sent here as Windows sends
// it: Wine gives every monitor one DPI).
TEST(HelpWindowLayout, AtANewScaleTakesTheSuggestedRectangleAndItsLayoutThere) {
    ShownHelpWindow help(HelpPage::Rules);
    ASSERT_NE(help.dialog(), nullptr);
    SIZE size{};
    ASSERT_TRUE(SendMessageW(help.dialog(), WM_GETDPISCALEDSIZE, 192, reinterpret_cast<LPARAM>(&size)));
    RECT suggested{30, 40, 30 + size.cx, 40 + size.cy}, taken{}, text{};
    SendMessageW(help.dialog(), WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(help.dialog(), &taken);
    EXPECT_TRUE(EqualRect(&taken, &suggested));
    GetWindowRect(help.control(IDC_HELP_TEXT), &text);
    EXPECT_EQ(text.bottom - text.top, 2 * help_geometry::kTextHeight);
    expectControlsInsideAndApart(help.dialog());
}

TEST(HelpWindowLink, IsTheSitesHostNameInBoldUnderlinedMsSansSerif) {
    ShownHelpWindow help(HelpPage::About);
    ASSERT_NE(help.dialog(), nullptr);
    expectControlsInsideAndApart(help.dialog());
    // On the screen, centred in the link's width: 8.25 points are 11 pixels
    // at the 96 dpi the tests run at.
    RECT area{};
    GetWindowRect(help.control(IDC_LINK), &area);
    const Ink expected = inkOfBoldText(L"" PLUMARO_WEB_HOST, L"MS Sans Serif", 11, true, area.right - area.left);
    Ink shown;
    EXPECT_TRUE(waitFor([&] {
        const Pixels pixels = screenPixels(area);
        return (shown = inkOf(pixels, {0, 0, pixels.width, pixels.height})) == expected;
    })) << ::testing::PrintToString(shown.rows);
    EXPECT_NEAR(shown.box.left, area.right - area.left - shown.box.right, 1) << "not centred";
}

// Windows' high-contrast mode turned on, as the help window's code in this
// program sees it: the desktop's settings stay as they are.
ImportPatch *settings = nullptr;
BOOL WINAPI highContrastOn(UINT action, UINT size, void *value, UINT change) {
    const auto original = reinterpret_cast<decltype(&SystemParametersInfoW)>(settings->original());
    const BOOL answered = original(action, size, value, change);
    if (answered && action == SPI_GETHIGHCONTRAST)
        static_cast<HIGHCONTRASTW *>(value)->dwFlags |= HCF_HIGHCONTRASTON;
    return answered;
}

TEST(HelpWindowLink, InHighContrastTakesTheSystemsLinkColour) {
    ImportPatch patch("user32.dll", "SystemParametersInfoW", reinterpret_cast<void *>(highContrastOn));
    settings = &patch;
    ASSERT_TRUE(patch);
    const COLORREF link = GetSysColor(COLOR_HOTLIGHT);
    ASSERT_NE(link, RGB(0, 0, 255));
    ShownHelpWindow help(HelpPage::About);
    ASSERT_NE(help.dialog(), nullptr);
    RECT area{};
    GetWindowRect(help.control(IDC_LINK), &area);
    std::vector<std::uint32_t> pixels;
    const auto count = [&](std::uint32_t rgb) { return std::count(pixels.begin(), pixels.end(), rgb); };
    EXPECT_TRUE(waitFor([&] {
        pixels = screenPixels(area).rgb;
        return count(GetRValue(link) << 16 | GetGValue(link) << 8 | GetBValue(link)) > 50;
    })) << "the link is not in the system's link colour";
    EXPECT_EQ(count(0x0000FF), 0) << "the link is still blue";
}

} // namespace
} // namespace plumaro::testing
