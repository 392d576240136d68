// The Help menu of the real plumaro.exe, driven with real keyboard and
// mouse input: the two help states, the buttons, closing, the help files as
// they are found on disk, and the web link.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board_player.h"
#include "board_resources.h"
#include "help_resources.h"
#include "release_facts.h"
#include "runtime_files.h"
#include "texts.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kSiteAddress[] = PLUMARO_WEB_ADDRESS;

// What the screen shows under a window.
std::vector<std::uint32_t> pixelsOf(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return screenPixels(area).rgb;
}

enum class HelpState { Rules, About, Neither };

// A copy of plumaro.exe with its run-time files in a folder of its own, so
// that a test may change the help files, started and showing its board.
class HelpMenu : public ::testing::Test {
protected:
    struct InstalledCopy {
        TempFolder folder{L"plumaro-help"};
        InstalledCopy() { installProgram(folder.path()); }
    };

    fs::path file(const wchar_t *name) const { return copy_.folder.path() / name; }

    static void closeWithKey(HWND help, WORD key) {
        activate(help);
        pressKey(key);
        waitFor([&] { return !IsWindow(help); });
    }

    static std::wstring text(HWND help) { return windowText(control(help, IDC_HELP_TEXT)); }
    static bool shown(HWND help, int id) { return IsWindowVisible(control(help, id)) != FALSE; }
    static HWND focus(HWND help) { return threadInfoOf(help).hwndFocus; }

    static HelpState state(HWND help) {
        const bool picture = shown(help, IDC_RULES_PICTURE), logo = shown(help, IDC_LOGO), link = shown(help, IDC_LINK);
        if (picture && !logo && !link)
            return HelpState::Rules;
        if (!picture && logo && link)
            return HelpState::About;
        return HelpState::Neither;
    }

    // Waits for the help window to show the state with the text.
    static bool shows(HWND help, HelpState expected, const std::wstring &expectedText) {
        return waitFor([&] { return state(help) == expected && text(help) == expectedText; });
    }

    static void press(HWND help, int button) { clickAt(centreOf(control(help, button))); }

    std::wstring rulesText() const { return fromAnsi(readBytes(file(runtime_files::kRules.name))); }
    std::wstring aboutText() const { return fromAnsi(readBytes(file(runtime_files::kAbout.name))); }

    InstalledCopy copy_;
    BoardPlayer player_{copy_.folder.path() / L"plumaro.exe"};
    HWND board_ = player_.board();
};

TEST_F(HelpMenu, RulesShowTheirTextAndPictureAndTheButtonsSwitch) {
    ASSERT_NE(board_, nullptr);
    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(GetWindow(help, GW_OWNER), board_);
    EXPECT_FALSE(IsWindowEnabled(board_)) << "the board takes no input while the help is open";
    EXPECT_TRUE(shows(help, HelpState::Rules, rulesText()));
    EXPECT_EQ(focus(help), control(help, IDC_HELP_OK));

    press(help, IDC_HELP_ABOUT);
    EXPECT_TRUE(shows(help, HelpState::About, aboutText()));
    press(help, IDC_HELP_RULES);
    EXPECT_TRUE(shows(help, HelpState::Rules, rulesText()));
    closeWithKey(help, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(help));
    EXPECT_TRUE(IsWindowEnabled(board_));
}

// The next command shows its own state, not the one the buttons left.
TEST_F(HelpMenu, AboutShowsTheAboutTextWhateverTheButtonsLeftLastTime) {
    ASSERT_NE(board_, nullptr);
    HWND help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::About, aboutText()));
    press(help, IDC_HELP_RULES);
    EXPECT_TRUE(shows(help, HelpState::Rules, rulesText()));
    const auto closeBox = closeBoxOf(help);
    ASSERT_TRUE(closeBox);
    clickAt(*closeBox);
    ASSERT_TRUE(waitFor([&] { return !IsWindow(help); }));

    help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::About, aboutText()));
    EXPECT_EQ(focus(help), control(help, IDC_HELP_OK));
    press(help, IDC_HELP_OK);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(help); }));
    EXPECT_TRUE(player_.program().running());
}

TEST_F(HelpMenu, AGameUnderWayIsAsItWasWhenTheHelpCloses) {
    ASSERT_NE(board_, nullptr);
    player_.choosePuzzle(1);
    player_.clickSlot(1);
    const BoardShown before = afterSlide(startOf(1), 1);
    ASSERT_EQ(player_.shownOnceItIs(before), before);

    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    closeWithKey(help, VK_RETURN); // "OK" has the focus
    ASSERT_FALSE(IsWindow(help));
    EXPECT_EQ(player_.shown(), before);

    // The game goes on: bird 1 slides back.
    player_.clickSlot(2);
    EXPECT_EQ(player_.shownOnceItIs(afterSlide(before, 2)), afterSlide(before, 2));
}

TEST_F(HelpMenu, AVisitToAnotherProgramLeavesTheWindowAsThePlayerLeftIt) {
    ASSERT_NE(board_, nullptr);
    HWND help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    press(help, IDC_HELP_RULES); // the page the menu did not choose, and the focus on its button
    ASSERT_TRUE(shows(help, HelpState::Rules, rulesText()));
    HWND box = control(help, IDC_HELP_TEXT);
    SendMessageW(box, EM_LINESCROLL, 0, 5);
    const auto firstLine = [&] { return SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0); };
    ASSERT_GT(firstLine(), 0);
    const LRESULT scrolled = firstLine();

    // Another program takes the foreground, then the player comes back.
    HWND elsewhere = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                     nullptr, nullptr);
    activate(elsewhere);
    ASSERT_TRUE(waitFor([&] { return threadInfoOf(help).hwndActive != help; }));
    activate(help);
    EXPECT_TRUE(waitFor([&] { return focus(help) == control(help, IDC_HELP_RULES); }))
        << "the focus is not back on the button the player left it on";
    DestroyWindow(elsewhere);

    EXPECT_EQ(state(help), HelpState::Rules);
    EXPECT_EQ(text(help), rulesText());
    EXPECT_EQ(firstLine(), scrolled);
    closeWithKey(help, VK_ESCAPE);
}

TEST_F(HelpMenu, F1OpensTheRulesAsTheMenuDoesAndOnlyOnce) {
    ASSERT_NE(board_, nullptr);
    HWND help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    closeWithKey(help, VK_ESCAPE);

    player_.pressOnBoard(VK_F1);
    help = player_.helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::Rules, rulesText()));
    EXPECT_EQ(focus(help), control(help, IDC_HELP_OK));
    // Enter, handled after the second F1, closes the one help window there is.
    activate(help);
    pressKey(VK_F1);
    pressKey(VK_RETURN);
    EXPECT_TRUE(waitFor([&] { return !helpWindowOf(player_.program()) && IsWindowEnabled(board_); }));
}

using HelpFiles = HelpMenu;

TEST_F(HelpFiles, EachShowingReadsTheFileAsItIsNowAndAMissingOneIsCreatedEmpty) {
    ASSERT_NE(board_, nullptr);
    fs::remove(file(runtime_files::kRules.name));
    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::Rules, L""));
    ASSERT_TRUE(fs::is_regular_file(file(runtime_files::kRules.name)));
    EXPECT_EQ(fs::file_size(file(runtime_files::kRules.name)), 0u);
    closeWithKey(help, VK_ESCAPE);

    writeBytes(file(runtime_files::kAbout.name), "");
    help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::About, L""));
    closeWithKey(help, VK_ESCAPE);
    EXPECT_EQ(fs::file_size(file(runtime_files::kAbout.name)), 0u);
}

TEST_F(HelpFiles, TheTextIsShownAsStoredWithBytesAbove127FromTheAnsiCodePage) {
    ASSERT_NE(board_, nullptr);
    // Blanks at both ends, tabs and every kind of line end stay as stored.
    std::string stored =
        "  Rules \r\n\r\n\tPuzzle 1  \nlone LF\rlone CR\n\r\nCaf\xE9 \x80\x35 \x93rules\x94 \xA9 Plumaro ";
    for (int byte = 128; byte < 256; ++byte)
        stored += static_cast<char>(byte);
    writeBytes(file(runtime_files::kRules.name), stored + "   ");
    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::Rules, fromAnsi(stored + "   ")));
    const std::wstring accented = L"Caf\u00E9 \u20AC5 \u201Crules\u201D \u00A9 Plumaro ";
    if (GetACP() == 1252) {
        EXPECT_EQ(text(help).substr(text(help).find(L"Caf"), accented.size()), accented);
    }
    EXPECT_EQ(focus(help), control(help, IDC_HELP_OK));
    closeWithKey(help, VK_ESCAPE);
}

// As Notepad and today's editors save them; a file that is not UTF-8 reads
// as it always did.
TEST_F(HelpFiles, EachEncodingNotepadWritesIsShownWithoutItsByteOrderMark) {
    ASSERT_NE(board_, nullptr);
    const std::string bom = "\xEF\xBB\xBF";
    const std::wstring bird = L"Caf\u00E9 \u20AC \U0001F426\r\n";
    std::string utf16LittleEndian = "\xFF\xFE", utf16BigEndian = "\xFE\xFF";
    for (const wchar_t unit : bird) {
        utf16LittleEndian += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        utf16BigEndian += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
    }
    const std::pair<std::string, std::wstring> rows[] = {
        {bom + "Caf\xC3\xA9\r\n", L"Caf\u00E9\r\n"},
        {"Caf\xC3\xA9 5 \xE2\x82\xAC", L"Caf\u00E9 5 \u20AC"},
        {bom + "Caf\xE9", fromAnsi(bom + "Caf\xE9")},
        {utf16LittleEndian, bird},
        {utf16BigEndian, bird},
    };
    for (const auto &[stored, shown] : rows) {
        writeBytes(file(runtime_files::kRules.name), stored);
        HWND help = player_.openHelp('R');
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(shows(help, HelpState::Rules, shown)) << stored;
        closeWithKey(help, VK_ESCAPE);
    }
}

TEST_F(HelpFiles, AFileOfAMegabyteIsShownWhole) {
    ASSERT_NE(board_, nullptr);
    std::string stored;
    for (int line = 0; stored.size() < (1u << 20); ++line)
        stored += "Line " + std::to_string(line) + " of the rules: slide a bird into the empty slot.\r\n";
    stored += "The last line.";
    writeBytes(file(runtime_files::kRules.name), stored);

    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    const std::wstring shown = text(help);
    EXPECT_EQ(shown.size(), stored.size());
    EXPECT_TRUE(shown == fromAnsi(stored)) << "the text differs from the file";
    closeWithKey(help, VK_ESCAPE);
}

TEST_F(HelpFiles, FilesThatCannotBeReadOrCreatedShowAnEmptyTextAndTheProgramGoesOn) {
    ASSERT_NE(board_, nullptr);
    const std::string about = readBytes(file(runtime_files::kAbout.name));

    // Another program holds the about text open and shares it with no one.
    HANDLE locker = CreateFileW(file(runtime_files::kAbout.name).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);
    HWND help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::About, L""));
    closeWithKey(help, VK_ESCAPE);
    CloseHandle(locker);
    EXPECT_EQ(readBytes(file(runtime_files::kAbout.name)), about);

    // The rules file cannot be created: a folder holds its name. (Wine lets
    // an administrator create files in a read-only folder, so that alone
    // would prove nothing here; the folder is made read-only as well.)
    fs::remove(file(runtime_files::kRules.name));
    fs::create_directory(file(runtime_files::kRules.name));
    ASSERT_TRUE(SetFileAttributesW(copy_.folder.path().c_str(), FILE_ATTRIBUTE_READONLY));
    help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(shows(help, HelpState::Rules, L""));
    closeWithKey(help, VK_ESCAPE);
    EXPECT_TRUE(fs::is_directory(file(runtime_files::kRules.name)));
    SetFileAttributesW(copy_.folder.path().c_str(), FILE_ATTRIBUTE_NORMAL);

    EXPECT_TRUE(player_.program().running());
    EXPECT_EQ(player_.program().windows().size(), 1u) << "a message was shown";
}

// Until the result goes away, the shell's command for web addresses names a
// program that does not exist, so ShellExecute fails (Wine's shell ignores
// the user's own classes, hence the machine-wide one, put back afterwards).
RegistryValue breakShell() {
    return RegistryValue(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", nullptr,
                         L"\"C:\\nowhere\\no-browser.exe\" \"%1\"");
}

class HelpLink : public HelpMenu {
protected:
    // The addresses the program had the browser open, read once the browser
    // has opened as much as `expected` and also an address this test asks
    // the shell for itself, after input that the program handled after its
    // requests: an extra request would have been made before that one.
    static std::string openedByTheProgram(const StandInBrowser &browser, const std::string &expected) {
        constexpr char kLastLine[] = "https://last.invalid/\n";
        ShellExecuteW(nullptr, L"open", L"https://last.invalid/", nullptr, nullptr, SW_SHOWNORMAL);
        std::string opened;
        waitFor(
            [&] {
                opened = browser.opened();
                const auto last = opened.find(kLastLine);
                if (last == std::string::npos)
                    return false;
                opened.erase(last, std::size(kLastLine) - 1);
                return opened.size() >= expected.size();
            },
            10s);
        return opened;
    }

    // The program's message box over the help window, once it is open.
    HWND programMessage(HWND help) {
        HWND message = nullptr;
        waitFor([&] {
            for (HWND window : player_.program().windows())
                if (window != help && window != board_ && windowText(window) == loadText(IDS_PROGRAM_TITLE))
                    message = window;
            return message != nullptr;
        });
        return message;
    }
};

TEST_F(HelpLink, ShowsTheHandAndAClickOpensExactlyTheSite) {
    PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION();
    ASSERT_NE(board_, nullptr);
    const StandInBrowser browser;
    if (!browser)
        GTEST_SKIP() << "the stand-in browser needs Wine's shell";

    // The board's hand over a bird is the same pointer as the link's. The
    // pointer over the background is read once a move made afterwards shows.
    player_.choosePuzzle(1);
    moveMouseTo(player_.backgroundPoint());
    player_.pressOnBoard(VK_LEFT);
    ASSERT_EQ(player_.shownOnceItIs(afterSlide(startOf(1), 3)), afterSlide(startOf(1), 3));
    const HCURSOR arrow = cursorShown();
    moveMouseTo(player_.slotCentre(1));
    ASSERT_TRUE(waitFor([&] { return cursorShown() != arrow; }));
    const HCURSOR hand = cursorShown();

    HWND help = player_.openHelp('A');
    ASSERT_NE(help, nullptr);
    HWND link = control(help, IDC_LINK);
    moveMouseTo(centreOf(link));
    EXPECT_TRUE(waitFor([&] { return cursorShown() == hand; })) << "no hand over the link";
    moveMouseTo(centreOf(control(help, IDC_HELP_OK)));
    EXPECT_TRUE(waitFor([&] { return cursorShown() != hand; })) << "the hand stays off the link";

    // Blue text, as a link.
    const auto linkPixels = pixelsOf(link);
    EXPECT_GT(std::count(linkPixels.begin(), linkPixels.end(), 0x0000FFu), 50);

    const std::wstring aboutShown = text(help);
    clickAt(centreOf(link));
    EXPECT_TRUE(waitFor([&] { return browser.opened() == std::string(kSiteAddress) + "\n"; }, 10s));
    EXPECT_TRUE(IsWindow(help));
    EXPECT_EQ(state(help), HelpState::About);
    EXPECT_EQ(text(help), aboutShown);

    // In the rules state the link is hidden and nothing opens there: the
    // link clicked again in the about state opens the site once more. Each
    // click opened it once, and only once.
    press(help, IDC_HELP_RULES);
    ASSERT_TRUE(shows(help, HelpState::Rules, rulesText()));
    EXPECT_FALSE(IsWindowVisible(link));
    clickAt(centreOf(link));
    press(help, IDC_HELP_ABOUT);
    ASSERT_TRUE(shows(help, HelpState::About, aboutShown));
    clickAt(centreOf(link));
    closeWithKey(help, VK_ESCAPE);
    const std::string twice = std::string(kSiteAddress) + "\n" + kSiteAddress + "\n";
    EXPECT_EQ(openedByTheProgram(browser, twice), twice);
}

TEST_F(HelpLink, TabReachesTheLinkWhichShowsTheFocusAndOpensWithEnterOrSpace) {
    PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION();
    ASSERT_NE(board_, nullptr);
    const StandInBrowser browser;
    if (!browser)
        GTEST_SKIP() << "the stand-in browser needs Wine's shell";

    // Each Tab moves the focus on, in the rules state round the text and
    // the three buttons, never to the hidden link.
    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    HWND link = control(help, IDC_LINK);
    const auto tab = [&] {
        const HWND from = focus(help);
        pressKey(VK_TAB);
        EXPECT_TRUE(waitFor([&] { return focus(help) != from; })) << "Tab leaves the focus where it was";
        return focus(help);
    };
    std::set<HWND> reached;
    for (int tabs = 0; tabs < 6; ++tabs)
        reached.insert(tab());
    EXPECT_EQ(reached, (std::set<HWND>{control(help, IDC_HELP_TEXT), control(help, IDC_HELP_OK),
                                       control(help, IDC_HELP_ABOUT), control(help, IDC_HELP_RULES)}));

    press(help, IDC_HELP_ABOUT);
    ASSERT_TRUE(shows(help, HelpState::About, aboutText()));
    std::vector<std::uint32_t> unfocused, focused;
    ASSERT_TRUE(waitFor([&] {
        unfocused = pixelsOf(link);
        return std::count(unfocused.begin(), unfocused.end(), 0x0000FFu) > 50;
    })) << "the link is not drawn";
    for (int tabs = 0; tabs < 6 && focus(help) != link; ++tabs)
        tab();
    ASSERT_EQ(focus(help), link) << "Tab does not reach the link";
    EXPECT_TRUE(waitFor([&] { return (focused = pixelsOf(link)) != unfocused; })) << "the link does not show the focus";
    // The rectangle is inverted over the whole label: repainting part of the
    // label must leave it whole. The repaint is done when RedrawWindow
    // returns; the window reaches the screen in the order it was painted, so
    // a change to the text box painted afterwards shows once it is there.
    const RECT leftPart{0, 0, 40, 18};
    RedrawWindow(link, &leftPart, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HWND box = control(help, IDC_HELP_TEXT);
    const auto boxBefore = pixelsOf(box);
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Painted after the link."));
    ASSERT_TRUE(waitFor([&] { return pixelsOf(box) != boxBefore; })) << "the text box does not repaint";
    EXPECT_TRUE(pixelsOf(link) == focused) << "a partial repaint breaks the focus rectangle";

    pressKey(VK_RETURN);
    EXPECT_TRUE(waitFor([&] { return browser.openedAny(); }, 10s));
    pressKey(VK_SPACE);
    const std::string twice = std::string(kSiteAddress) + "\n" + kSiteAddress + "\n";
    EXPECT_TRUE(waitFor([&] { return browser.opened() == twice; }, 10s)) << browser.opened();
    EXPECT_TRUE(IsWindow(help)) << "Enter on the link must not close the window";
    EXPECT_EQ(state(help), HelpState::About);

    {
        // The same message as for a click when the shell cannot open it.
        const RegistryValue brokenShell = breakShell();
        ASSERT_TRUE(brokenShell);
        pressKey(VK_RETURN);
        HWND message = programMessage(help);
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(windowText(control(message, 0xFFFF)), L"oops, unable to link you there");
        closeWithKey(message, VK_RETURN);
    }
    closeWithKey(help, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(help));
    EXPECT_EQ(openedByTheProgram(browser, twice), twice) << "Enter and Space open the site once each";
}

TEST_F(HelpLink, WhenTheShellCannotOpenTheSiteAMessageWithOkOnlySaysSo) {
    PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION();
    ASSERT_NE(board_, nullptr);
    const RegistryValue brokenShell = breakShell();
    ASSERT_TRUE(brokenShell);

    // Opened on the rules, switched to about by the button: the message
    // must not bring the rules back.
    HWND help = player_.openHelp('R');
    ASSERT_NE(help, nullptr);
    press(help, IDC_HELP_ABOUT);
    ASSERT_TRUE(shows(help, HelpState::About, aboutText()));
    clickAt(centreOf(control(help, IDC_LINK)));

    HWND message = programMessage(help);
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(windowText(control(message, 0xFFFF)), L"oops, unable to link you there");
    std::vector<int> buttons;
    for (HWND child = GetWindow(message, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Button") == 0 && IsWindowVisible(child))
            buttons.push_back(GetDlgCtrlID(child));
    }
    EXPECT_EQ(buttons, std::vector<int>{IDOK});

    // The dialog manager puts the focus back on the button pressed last
    // once the help window is active again.
    clickAt(centreOf(control(message, IDOK)));
    EXPECT_TRUE(waitFor([&] { return !IsWindow(message) && focus(help) == control(help, IDC_HELP_ABOUT); }));
    EXPECT_TRUE(IsWindow(help));
    EXPECT_EQ(state(help), HelpState::About);
    EXPECT_EQ(text(help), aboutText());
    closeWithKey(help, VK_ESCAPE);
}

} // namespace
} // namespace plumaro::testing
