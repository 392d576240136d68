// Plays a packaged plumaro.exe as a player who has just unpacked or
// installed it: it starts, a bird moves, and the help window shows the rules
// that lie beside it. Given a shortcut too, checks that the shortcut leads
// to that program and starts the game through it.
//   package_player_tests.exe PROGRAM [SHORTCUT]
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "board_player.h"
#include "help_resources.h"
#include "runtime_files.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

fs::path gProgram;
fs::path gShortcut;

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

TEST(PackagedGame, StartsMovesABirdAndShowsTheRules) {
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

    HWND help = player.openHelp('R');
    ASSERT_NE(help, nullptr) << "Help > Rules opened no help window";
    const std::wstring rules = rulesBesideProgram(program);
    EXPECT_FALSE(rules.empty()) << "no rules beside " << program;
    EXPECT_TRUE(waitFor([&] { return windowText(control(help, IDC_HELP_TEXT)) == rules; }))
        << "the help window does not show the rules beside the program";
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
    if (paths.empty() || paths.size() > 2) {
        std::fprintf(stderr, "usage: package_player_tests PROGRAM [SHORTCUT]\n");
        return 2;
    }
    plumaro::testing::gProgram = paths[0];
    if (paths.size() == 2)
        plumaro::testing::gShortcut = paths[1];
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    return result;
}
