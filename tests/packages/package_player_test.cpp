// Plays a packaged plumaro.exe as a player who has just unpacked or
// installed it: it starts, a bird moves, a game reaches its verdict, and the
// help window shows the rules that lie beside it and opens the site. Given a
// shortcut too, checks that the shortcut leads to that program and starts
// the game through it; given the setup too, runs it and the uninstaller.
//   package_player_tests.exe PROGRAM [SHORTCUT [SETUP]]
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>
#include <vector>

#include "board_player.h"
#include "help_resources.h"
#include "release_facts.h"
#include "runtime_files.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

fs::path gProgram;
fs::path gShortcut;
fs::path gSetup;

// The program a shortcut starts, as the shell reads it.
fs::path shortcutTarget(const fs::path &shortcut) {
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || FAILED(file->Load(shortcut.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)))
        return {};
    return target;
}

std::wstring rulesBesideProgram(const fs::path &program) {
    std::ifstream in(program.parent_path() / runtime_files::kRules.name, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

TEST(PackagedGame, StartsPlaysToTheVerdictAndShowsTheRulesAndTheSite) {
    fs::path program = gProgram;
    if (!gShortcut.empty()) {
        ASSERT_TRUE(fs::exists(gShortcut)) << "no shortcut " << gShortcut;
        program = shortcutTarget(gShortcut);
        ASSERT_TRUE(!program.empty() && fs::equivalent(program, gProgram))
            << "the shortcut " << gShortcut << " points at " << program << ", not at " << gProgram;
    }
    ASSERT_TRUE(fs::exists(program)) << "no program " << program;

    BoardPlayer player(program);
    ASSERT_NE(player.board(), nullptr) << program << " shows no board";
    player.choosePuzzle(1);
    // Puzzle 1 starts with slot 2 empty: the bird in slot 1 slides there.
    player.clickSlot(1);
    EXPECT_EQ(player.shownOnceItIs(afterSlide(startOf(1), 1)), afterSlide(startOf(1), 1)) << "no bird moved";
    player.choosePuzzle(1);
    player.clickSlots(*solver::shortestSolution(1));
    EXPECT_TRUE(player.readAndCloseResult()) << "no verdict";
    const StandInBrowser browser;

    HWND help = player.openHelp('R');
    ASSERT_NE(help, nullptr) << "Help > Rules opened no help window";
    const std::wstring rules = rulesBesideProgram(program);
    EXPECT_FALSE(rules.empty()) << "no rules beside " << program;
    EXPECT_TRUE(waitFor([&] { return windowText(control(help, IDC_HELP_TEXT)) == rules; }))
        << "the help window does not show the rules beside the program";
    clickAt(centreOf(control(help, IDC_HELP_ABOUT)));
    clickAt(centreOf(control(help, IDC_LINK)));
    EXPECT_TRUE(!browser || waitFor([&] { return browser.openedAny(); }, 10s)) << "the link opened nothing";
}

// What the setup and the uninstaller change: the files beside the program,
// the shortcut and the uninstall entry.
std::string installed() {
    std::ostringstream state;
    for (const auto &file : fs::recursive_directory_iterator(gProgram.parent_path()))
        state << file.path() << ' ' << file.last_write_time().time_since_epoch().count();
    const auto entry = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" PLUMARO_PRODUCT_NAME;
    state << " shortcut " << fs::exists(gShortcut) << " entry "
          << !RegGetValueW(HKEY_CURRENT_USER, entry, L"DisplayName", RRF_RT_REG_SZ, nullptr, nullptr, nullptr);
    return state.str();
}

// Windows lets nobody replace or delete a running program, nor a file held
// without FILE_SHARE_DELETE (Wine lets them replace the program). The
// uninstaller runs in place (_?=), so that the exit code is its own.
TEST(InstalledGame, TheSetupAndTheUninstallerNeverLeaveHalfAGame) {
    if (gSetup.empty())
        GTEST_SKIP() << "no installer given";
    const auto exitCode = [](const fs::path &exe, const std::wstring &arguments) {
        DWORD code = 0;
        return RunningProgram(exe, arguments).waitForExit(code, 60s) ? code : 255;
    };
    const fs::path folder = gProgram.parent_path(), uninstaller = folder / L"uninstall.exe";
    const std::string before = installed();
    {
        BoardPlayer player(gProgram);
        EXPECT_EQ(exitCode(gSetup, L"/S"), 2u) << "the setup ran over the game";
        EXPECT_EQ(exitCode(uninstaller, L"/S _?=" + folder.wstring()), 2u) << "the uninstaller ran under it";
        EXPECT_EQ(installed(), before);
    }
    EXPECT_EQ(exitCode(gSetup, L"/S"), 0u) << "the setup fails with the game closed";
    // Held as a running program's file is on Windows, with no board shown.
    const HANDLE held =
        CreateFileW(gProgram.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(exitCode(uninstaller, L"/S _?=" + folder.wstring()), 2u);
    CloseHandle(held);
    EXPECT_TRUE(installed().ends_with(" shortcut 1 entry 1")) << "nothing left to uninstall again from";
}

} // namespace
} // namespace plumaro::testing

int main(int argc, char **argv) {
    testing::InitGoogleTest(&argc, argv);
    // The paths as Windows passed them, which may hold any letters.
    int count = 0;
    wchar_t **args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> paths;
    for (int i = 1; args && i < count; ++i)
        if (std::wstring_view(args[i]).rfind(L"--gtest", 0) != 0)
            paths.emplace_back(args[i]);
    LocalFree(args);
    if (paths.empty() || paths.size() > 3) {
        std::fprintf(stderr, "usage: package_player_tests PROGRAM [SHORTCUT [SETUP]]\n");
        return 2;
    }
    paths.resize(3);
    plumaro::testing::gProgram = paths[0];
    plumaro::testing::gShortcut = paths[1];
    plumaro::testing::gSetup = paths[2];
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
