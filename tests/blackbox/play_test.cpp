// Playing plumaro.exe with the mouse: moves, the click gesture, new games
// and the result window's verdicts; what the board shows against the
// artwork's pictures, at every display scale.
#include <gtest/gtest.h>

#include <map>

#include "board_geometry.h"
#include "board_player.h"
#include "board_resources.h"
#include "help_geometry.h"
#include "result_geometry.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

using solver::Slot7;

// The board on the screen against the artwork drawn for its scale: each
// shown slot shows the picture its name says, and everything else but the
// counter the board's background picture. One line for each area that
// differs.
std::string differencesFromArtwork(const BoardPlayer &player) {
    const UINT dpi = dpiOfWindow(player.board());
    const auto artwork = [&](const std::wstring &name) { return pictureFile(artworkFolder(dpi) / name); };
    const RECT client = clientRectOnScreen(player.board());
    const Pixels screen = screenPixels(client);
    Pixels expected = artwork(L"board.bmp");
    if (screen.width != expected.width || screen.height != expected.height)
        return "the client area is not the size of board.bmp";
    std::vector<std::string> areaOf(expected.rgb.size(), "the background");
    std::string found;
    const auto paint = [&](RECT area, const Pixels &picture, const std::string &what) {
        OffsetRect(&area, -client.left, -client.top);
        if (!picture.rgb.empty() &&
            (picture.width != area.right - area.left || picture.height != area.bottom - area.top))
            found += what + ": its picture is not the size of the slot\n";
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                const auto at = static_cast<std::size_t>(y * expected.width + x);
                expected.rgb[at] = picture.rgb.empty() ? 0xFFFFFFFF : picture.at(x - area.left, y - area.top);
                areaOf[at] = what;
            }
    };
    for (int slot = 1; slot <= 9; ++slot) {
        const std::wstring name = player.slotName(slot);
        if (player.slotVisible(slot))
            paint(player.slotArea(slot), artwork(name == L"Empty" ? L"empty.bmp" : L"bird" + name.substr(5) + L".bmp"),
                  "slot " + std::to_string(slot));
    }
    paint(player.counterArea(), {}, "");
    std::map<std::string, int> differing;
    for (std::size_t i = 0; i < expected.rgb.size(); ++i)
        if (!areaOf[i].empty() && screen.rgb[i] != expected.rgb[i])
            ++differing[areaOf[i]];
    for (const auto &[area, pixels] : differing)
        found += area + ": " + std::to_string(pixels) + " pixels differ\n";
    return found;
}

class Playing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(player.board(), nullptr); }

    BoardPlayer player;
};

// Puzzle 1 after puzzle 2 hides the bottom row again.
TEST_F(Playing, EachPuzzleShowsItsStartInTheArtworksPictures) {
    for (int puzzle : {2, 1, 3}) {
        SCOPED_TRACE("puzzle " + std::to_string(puzzle));
        player.choosePuzzle(puzzle);
        EXPECT_EQ(player.shownOnceItIs(startOf(puzzle)), startOf(puzzle));
        moveMouseTo(player.backgroundPoint());
        std::string differences;
        EXPECT_TRUE(waitFor([&] { return (differences = differencesFromArtwork(player)).empty(); })) << differences;
    }
}

TEST_F(Playing, AClickOnABirdNextToTheEmptySlotMovesIt) {
    player.choosePuzzle(1);
    player.clickSlot(1);
    const BoardShown oneMove = afterSlide(startOf(1), 1);
    ASSERT_EQ(player.shownOnceItIs(oneMove), oneMove);
    player.clickSlot(4);
    EXPECT_EQ(player.shownOnceItIs(afterSlide(oneMove, 4)), afterSlide(oneMove, 4));
}

// Each of these ends with a click that moves: input is handled in order, so
// a late move of what came before would show beside it.
TEST_F(Playing, ClicksThatCannotMoveChangeNothing) {
    player.choosePuzzle(2);
    player.clickSlot(1); // no empty neighbour
    player.clickSlot(8); // the empty slot itself
    clickAt(player.backgroundPoint());
    player.clickSlot(5);
    EXPECT_EQ(player.shownOnceItIs(afterSlide(startOf(2), 5)), afterSlide(startOf(2), 5));
}

TEST_F(Playing, APressReleasedOnAnotherBirdMovesNothing) {
    player.choosePuzzle(2);
    moveMouseTo(player.slotCentre(5));
    mouseDown();
    moveMouseTo(player.slotCentre(4));
    mouseUp();
    // Leaving the bird and coming back before the release does not count either.
    moveMouseTo(player.slotCentre(5));
    mouseDown();
    moveMouseTo(player.backgroundPoint());
    moveMouseTo(player.slotCentre(5));
    mouseUp();
    player.clickSlot(9);
    EXPECT_EQ(player.shownOnceItIs(afterSlide(startOf(2), 9)), afterSlide(startOf(2), 9));
}

TEST_F(Playing, ANewGameMidGameRestoresTheStart) {
    player.choosePuzzle(3);
    player.clickSlots({5, 4});
    ASSERT_EQ(player.shownOnceItIs(afterSlide(afterSlide(startOf(3), 5), 4)), afterSlide(afterSlide(startOf(3), 5), 4));
    player.choosePuzzle(3);
    EXPECT_EQ(player.shownOnceItIs(startOf(3)), startOf(3));
}

// The pointer over the background is read once a move made afterwards
// shows: input is handled in order.
TEST_F(Playing, ThePointerIsTheHandOverBirdsOnly) {
    player.choosePuzzle(2);
    moveMouseTo(player.backgroundPoint());
    player.pressOnBoard(VK_LEFT); // the empty slot is now slot 9
    ASSERT_EQ(player.shownOnceItIs(afterSlide(startOf(2), 9)), afterSlide(startOf(2), 9));
    const HCURSOR background = cursorShown();
    moveMouseTo(player.slotCentre(5));
    ASSERT_TRUE(waitFor([&] { return cursorShown() != background; })) << "no hand over a bird";
    const HCURSOR hand = cursorShown();
    moveMouseTo(player.slotCentre(9));
    EXPECT_TRUE(waitFor([&] { return cursorShown() == background; })) << "the hand over the empty slot";
    moveMouseTo(player.slotCentre(1));
    EXPECT_TRUE(waitFor([&] { return cursorShown() == hand; })) << "no hand over another bird";
}

struct Solution {
    const char *name;
    int puzzle;
    Slot7 path;   // the shortest solution the solver finds under this rule
    Slot7 detour; // and, unless Free, a bird sliding out and back first
    bool withDetour;
    const wchar_t *message;
    ResultPicture picture;
    bool arrows = false; // played with the arrow keys, and Enter closes the result
};

class PlayingToTheEnd : public Playing, public ::testing::WithParamInterface<Solution> {};

TEST_P(PlayingToTheEnd, TheResultWindowRatesTheSolution) {
    const Solution &game = GetParam();
    auto clicks = solver::shortestSolution(game.puzzle, game.path);
    ASSERT_TRUE(clicks);
    if (game.withDetour) {
        clicks = solver::withDetour(game.puzzle, *clicks, game.detour);
        ASSERT_TRUE(clicks);
    }
    player.choosePuzzle(game.puzzle);
    BoardShown beforeLast = startOf(game.puzzle);
    const std::vector<int> allButLast(clicks->begin(), clicks->end() - 1);
    for (const int click : allButLast)
        beforeLast = afterSlide(beforeLast, click);
    game.arrows ? player.slideWithArrows(allButLast) : player.clickSlots(allButLast);
    // The board has shown the move before the last, so a result rated on it
    // has been made by now, shown or about to be.
    ASSERT_EQ(player.shownOnceItIs(beforeLast), beforeLast);
    ASSERT_EQ(player.resultWindow(true), nullptr) << "rated before the last move";
    game.arrows ? player.slideWithArrows({clicks->back()}) : player.clickSlot(clicks->back());

    const auto result = player.readAndCloseResult(game.arrows ? VK_RETURN : 0);
    ASSERT_TRUE(result) << "no result window after " << player.moves() << " of " << clicks->size() << " moves";
    EXPECT_EQ(result->message, game.message);
    EXPECT_EQ(result->picture, game.picture);
    EXPECT_EQ(player.moves(), std::to_wstring(clicks->size()));
}

INSTANTIATE_TEST_SUITE_P(
    Games, PlayingToTheEnd,
    ::testing::Values(
        Solution{"Puzzle1AtPar", 1, Slot7::Free, Slot7::Free, false, L"WELL DONE", ResultPicture::InJust17Moves},
        Solution{"Puzzle2AtParWithArrows", 2, Slot7::Free, Slot7::Free, false, L"WELL DONE",
                 ResultPicture::InJust23Moves, true},
        Solution{"Puzzle3AtPar", 3, Slot7::Stays, Slot7::Free, false, L"WELL DONE", ResultPicture::InJust17Moves},
        Solution{"Puzzle2AbovePar", 2, Slot7::Free, Slot7::Stays, true, L"GOOD TRY", ResultPicture::FewerMoves},
        Solution{"Puzzle3AboveParSleeping", 3, Slot7::Stays, Slot7::Stays, true, L"GOOD TRY",
                 ResultPicture::FewerMoves},
        Solution{"Puzzle3WokenWithArrows", 3, Slot7::Moves, Slot7::Free, false, L"GOOD TRY",
                 ResultPicture::EmperorWoken, true},
        Solution{"Puzzle3WokenAndBack", 3, Slot7::Stays, Slot7::Moves, true, L"GOOD TRY", ResultPicture::EmperorWoken}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Playing, AfterTheResultClicksDoNothingUntilANewGame) {
    const auto clicks = solver::shortestSolution(1);
    ASSERT_TRUE(clicks);
    player.choosePuzzle(1);
    player.clickSlots(*clicks);
    ASSERT_TRUE(player.readAndCloseResult(VK_RETURN));
    const BoardShown solved = player.shown();
    EXPECT_EQ(solved[2], L"Bird 5");
    EXPECT_EQ(solved[5], L"Bird 2");
    EXPECT_EQ(solved[9], L"17");

    player.clickSlots({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(player.openAndCloseHelp());
    EXPECT_EQ(player.shown(), solved);

    player.choosePuzzle(1);
    player.clickSlot(1);
    EXPECT_EQ(player.shownOnceItIs(afterSlide(startOf(1), 1)), afterSlide(startOf(1), 1));
}

TEST_F(Playing, TheBoardTakesNoInputWhileTheResultIsOpen) {
    const auto clicks = solver::shortestSolution(1);
    ASSERT_TRUE(clicks);
    player.choosePuzzle(1);
    player.clickSlots(*clicks);
    ASSERT_TRUE(waitFor([&] { return player.resultWindow() != nullptr; }));
    EXPECT_FALSE(IsWindowEnabled(player.board()));

    const BoardShown solved = player.shown();
    player.clickSlot(2); // beside the empty slot, under no part of the dialog
    // Closing the result is handled after the click.
    ASSERT_TRUE(player.readAndCloseResult(VK_ESCAPE));
    EXPECT_EQ(player.shown(), solved);
    EXPECT_TRUE(IsWindowEnabled(player.board()));
}

// The window's client area is its layout's at its scale, and the window
// stands centred on the screen.
void expectCentredOn(HWND window, const RECT &monitor) {
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_NEAR(outer.left - monitor.left, monitor.right - outer.right, 1);
    EXPECT_NEAR(outer.top - monitor.top, monitor.bottom - outer.bottom, 1);
}

// The main monitor, whose top-left corner is (0, 0).
RECT primaryMonitor() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

void expectLaidOutAndCentred(HWND window, int layoutWidth, int layoutHeight) {
    const int dpi = static_cast<int>(dpiOfWindow(window));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, MulDiv(layoutWidth, dpi, 96));
    EXPECT_EQ(client.bottom, MulDiv(layoutHeight, dpi, 96));
    expectCentredOn(window, primaryMonitor());
}

class PlayingAtEachScale : public ::testing::TestWithParam<DWORD> {};

// At every scale each window shows its layout at that scale, the board in
// the pictures drawn for it, and the game plays by mouse and keyboard.
TEST_P(PlayingAtEachScale, EveryWindowShowsItsLayoutAndTheBoardPlays) {
    PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION();
    LogPixelsSetting scale(GetParam());
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    expectLaidOutAndCentred(player.board(), board_geometry::kClientWidth, board_geometry::kClientHeight);

    player.choosePuzzle(2);
    player.clickSlot(5);
    player.slideWithArrows({4});
    const BoardShown played = afterSlide(afterSlide(startOf(2), 5), 4);
    EXPECT_EQ(player.shownOnceItIs(played), played);
    moveMouseTo(player.backgroundPoint());
    std::string differences;
    EXPECT_TRUE(waitFor([&] { return (differences = differencesFromArtwork(player)).empty(); })) << differences;

    HWND help = player.postHelpCommand(IDM_RULES);
    ASSERT_NE(help, nullptr);
    expectLaidOutAndCentred(help, help_geometry::kClientWidth, help_geometry::kClientHeight);
    PostMessageW(help, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(waitFor([&] { return !IsWindow(help); }));

    player.choosePuzzle(1);
    player.clickSlots(*solver::shortestSolution(1));
    HWND result = nullptr;
    ASSERT_TRUE(waitFor([&] { return (result = player.resultWindow()) != nullptr; }));
    expectLaidOutAndCentred(result, result_geometry::kClientWidth, result_geometry::kClientHeight);
    ASSERT_TRUE(player.readAndCloseResult(VK_RETURN));
}

INSTANTIATE_TEST_SUITE_P(Dpi, PlayingAtEachScale, ::testing::Values(96, 120, 144, 192));

// The board starts on the primary monitor; moved onto the second, the help
// window and the verdict open centred on it. Runs where the session has two
// monitors (tests/blackbox/two_monitors_test.sh).
TEST(PlayingOnTwoMonitors, TheHelpAndTheVerdictOpenCentredOnTheBoardsMonitor) {
    wchar_t marker[2] = {};
    if (!GetEnvironmentVariableW(L"PLUMARO_TWO_MONITORS", marker, 2))
        GTEST_SKIP() << "needs the session with two monitors that two_monitors_test.sh starts";
    // The second monitor lies right of the main one.
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint({primaryMonitor().right, 0}, MONITOR_DEFAULTTONULL), &info));
    const RECT primary = primaryMonitor(), second = info.rcMonitor;

    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    expectCentredOn(player.board(), primary);
    SetWindowPos(player.board(), nullptr, second.left + 10, second.top + 10, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(waitFor([&] { return clientRectOnScreen(player.board()).left > second.left; }));

    HWND help = player.postHelpCommand(IDM_RULES);
    ASSERT_NE(help, nullptr);
    expectCentredOn(help, second);
    PostMessageW(help, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(waitFor([&] { return !IsWindow(help); }));

    PostMessageW(player.board(), WM_COMMAND, IDM_PUZZLE1, 0);
    ASSERT_EQ(player.shownOnceItIs(startOf(1)), startOf(1));
    player.clickSlots(*solver::shortestSolution(1));
    HWND result = nullptr;
    ASSERT_TRUE(waitFor([&] { return (result = player.resultWindow()) != nullptr; }));
    expectCentredOn(result, second);
}

} // namespace
} // namespace plumaro::testing
