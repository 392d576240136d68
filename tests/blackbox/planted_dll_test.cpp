// Libraries planted beside plumaro.exe, as a download folder or a folder the
// player can write to may hold them: a whole game, both help pages and the
// link load none of them.
#include <gtest/gtest.h>

#include <windows.h>

#include <list>

#include "board_player.h"
#include "help_resources.h"
#include "release_facts.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

// The libraries the game loads, or system libraries load for it, while it
// starts, plays a game to its verdict, shows both help pages and opens the
// link, as Wine's loader lists them, but for
// - Windows' KnownDLLs and what they import, which Windows takes from the
//   system folder only (HKLM\SYSTEM\CurrentControlSet\Control\Session
//   Manager\KnownDLLs): kernel32, user32, gdi32, msvcrt, advapi32, ole32,
//   shell32 and the like. Wine 8 has no such list and looks for what its own
//   user32 imports beside the program too: a version.dll or ucrtbase.dll
//   there is loaded before the program's first instruction, whatever it does,
//   so under Wine those names prove nothing either way;
// - msimg32, a delayed import of Wine's uxtheme, which Wine 8 looks for
//   beside the program first, heedless of the program's
//   SetDefaultDllDirectories; Microsoft documents that call as setting the
//   search path of the process's later loads by name and of what they depend
//   on (not seen on Windows for a system library's delayed imports);
// - Wine's own drivers (winex11.drv, winealsa.drv, winepulse.drv).
constexpr const wchar_t *kPlanted[] = {L"comctl32",         L"mmdevapi", L"msacm32", L"oleacc",
                                       L"uiautomationcore", L"uxtheme",  L"winmm"};

TEST(PlantedLibraries, NoneBesideTheProgramIsLoadedWhileTheGameIsPlayed) {
    PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION();
    const TempFolder folder{L"plumaro-planted"};
    installProgram(folder.path());
    // Wine takes its own system libraries whatever lies beside a program.
    // Told to prefer others for the game, it looks beside the program first,
    // as Windows does for every library that is not a KnownDLL.
    std::list<RegistryValue> preferPlanted;
    for (const wchar_t *name : kPlanted) {
        fs::copy_file(buildFolder() / L"planted_marker.dll", folder.path() / (std::wstring(name) + L".dll"));
        preferPlanted.emplace_back(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\plumaro.exe\\DllOverrides", name,
                                   L"native,builtin");
    }
    const StandInBrowser browser;
    BoardPlayer player(folder.path() / L"plumaro.exe");
    ASSERT_NE(player.board(), nullptr);

    player.choosePuzzle(1);
    player.clickSlots(*solver::shortestSolution(1));
    const auto result = player.readAndCloseResult();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->message, L"WELL DONE");
    HWND help = player.openHelp('R');
    ASSERT_NE(help, nullptr);
    clickAt(centreOf(control(help, IDC_HELP_ABOUT)));
    clickAt(centreOf(control(help, IDC_LINK)));
    EXPECT_TRUE(waitFor([&] { return browser.opened() == PLUMARO_WEB_ADDRESS "\n"; }, 10s))
        << "the link opened nothing";

    std::string loaded;
    for (const auto &entry : fs::directory_iterator(folder.path()))
        if (entry.path().extension() == L".loaded")
            loaded += entry.path().filename().string() + " ";
    EXPECT_EQ(loaded, "") << "planted libraries were loaded";
}

} // namespace
} // namespace plumaro::testing
