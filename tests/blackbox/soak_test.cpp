// A seeded random-input soak of plumaro.exe: thousands of real clicks and
// key presses, each followed by a check of what the player sees against the
// puzzle rules played on a model board. PLUMARO_SOAK_EVENTS sets the number
// of events (3000 unless set), PLUMARO_SOAK_SEED the seed (a fixed one
// unless set); the same seed and count replay the same run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <sstream>
#include <thread>

#include "board_player.h"
#include "board_resources.h"
#include "help_resources.h"
#include "release_facts.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

// Keys that mean nothing to the board or the help window.
constexpr WORD kStrayKeys[] = {'Q', 'X', '5', VK_F5};

unsigned long long setting(const char *name, unsigned long long fallback) {
    const char *value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// The game as the rules say it stands, fed the same actions as the program.
struct Model {
    RulesGame game;
    std::optional<Verdict> result; // shown in a result window not yet closed
    enum class Help { Closed, Rules, About } help = Help::Closed;
    int linksOpened = 0;
    int movesMade = 0;
    std::array<int, 4> resultsByPicture{};

    // The clicks still to make to finish the game the way it was planned,
    // and before them, last first, the clicks that undo moves off the plan.
    std::vector<int> plan;
    std::size_t planned = 0;
    std::vector<int> detours;

    void newGame(int puzzle, std::vector<int> solution) {
        game.start(puzzle);
        plan = std::move(solution);
        planned = 0;
        detours.clear();
    }

    // A whole click on the slot; true when a bird moved.
    bool click(int slot) {
        if (!game.underWay || !game.move(slot))
            return false;
        result = game.result();
        if (result) {
            game.underWay = false;
            ++resultsByPicture[static_cast<std::size_t>(result->picture)];
        }
        ++movesMade;
        return true;
    }
};

class Soak : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(player.board(), nullptr);
        setInputPauses(false);
        for (int puzzle = 1; puzzle <= 3; ++puzzle)
            for (auto slot7 : {solver::Slot7::Free, solver::Slot7::Stays, solver::Slot7::Moves})
                if (auto clicks = solver::shortestSolution(puzzle, slot7))
                    solutions[puzzle - 1].push_back(*clicks);
    }
    void TearDown() override { setInputPauses(true); }

    // One random event, played on the program and on the model; returns
    // what the program showed that the model did not, or "".
    std::string playOneEvent() {
        if (model.result)
            return closeResult();
        if (model.help != Model::Help::Closed)
            return useHelp();
        return useBoard();
    }

    std::string useBoard() {
        const int choice = pick(100);
        if (choice < 45 && model.game.underWay)
            return followPlan();
        if (choice < 60)
            return clickSlot(1 + pick(9));
        if (choice < 65) {
            note("click on the background");
            clickAt(pick(2) ? player.backgroundPoint() : centreOf(control(player.board(), IDC_MOVES)));
            return checkBoard();
        }
        if (choice < 75)
            return pressAndReleaseElsewhere();
        // New games come mostly once a game is over, so that most games go
        // on long enough to reach a result.
        if (choice < 85 && (!model.game.underWay || pick(8) == 0)) {
            const auto puzzle = static_cast<int>(1 + pick(3));
            const auto &plans = solutions[puzzle - 1];
            model.newGame(puzzle, plans[pick(plans.size())]);
            note("new game, puzzle " + std::to_string(puzzle));
            activateIfNeeded(player.board());
            pressKey(VK_MENU);
            pressKey('F');
            pressKey(static_cast<WORD>('0' + puzzle));
            return checkBoard();
        }
        if (choice >= 85 && choice < 92) {
            const bool rules = pick(2);
            model.help = rules ? Model::Help::Rules : Model::Help::About;
            note(rules ? "Help > Rules" : "Help > About");
            activateIfNeeded(player.board());
            pressKey(VK_MENU);
            pressKey('H');
            pressKey(rules ? 'R' : 'A');
            return checkHelp();
        }
        return strayKey(player.board());
    }

    // The next click of the plan, after undoing any moves off it.
    std::string followPlan() {
        if (!model.detours.empty()) {
            const int slot = model.detours.back();
            note("back to the plan: slot " + std::to_string(slot));
            clickOnSlot(slot);
            if (model.click(slot))
                model.detours.pop_back();
            return checkBoard();
        }
        if (model.planned >= model.plan.size())
            return clickSlot(1 + pick(9));
        const int slot = model.plan[model.planned];
        note("planned: slot " + std::to_string(slot));
        clickOnSlot(slot);
        if (model.click(slot))
            ++model.planned;
        return checkBoard();
    }

    std::string clickSlot(int slot) {
        note("click slot " + std::to_string(slot));
        const int wasEmpty = model.game.emptySlot();
        clickOnSlot(slot);
        if (model.click(slot))
            model.detours.push_back(wasEmpty);
        return checkBoard();
    }

    // A click on the slot. On a bird, the press and the release each wait
    // for the slot to take and let go of the pointer, so that no pointer
    // move from the X server can come between them.
    void clickOnSlot(int slot) {
        const bool bird = model.game.showsBird(slot) && !model.result;
        moveMouseTo(player.slotCentre(slot));
        mouseDown();
        if (bird)
            waitFor([&] { return pointerCaptured(); }, 1s);
        mouseUp();
        if (bird)
            waitFor([&] { return !pointerCaptured(); }, 1s);
    }

    // A press on a slot released on another slot or the background: never a
    // move. Sometimes the pointer comes back to where it was pressed before
    // the release, which does not make it a click either.
    std::string pressAndReleaseElsewhere() {
        const int from = 1 + pick(9), to = 1 + pick(9);
        const bool toBackground = to == from, comeBack = pick(4) == 0;
        note("press slot " + std::to_string(from) + ", release " +
             (comeBack       ? "back on it after leaving"
              : toBackground ? "on the background"
                             : "on slot " + std::to_string(to)));
        moveMouseTo(player.slotCentre(from));
        mouseDown();
        moveMouseTo(toBackground || comeBack ? player.backgroundPoint() : player.slotCentre(to));
        if (comeBack) {
            // The system merges pointer moves still waiting in the queue:
            // the program must have seen the pointer leave (the slot lets go
            // of the pointer then) before it comes back.
            waitFor([&] { return !pointerCaptured(); }, 1s);
            moveMouseTo(player.slotCentre(from));
        }
        mouseUp();
        return checkBoard();
    }

    std::string strayKey(HWND window) {
        const WORD key = kStrayKeys[pick(std::size(kStrayKeys))];
        note("stray key " + std::to_string(key));
        activateIfNeeded(window);
        pressKey(key);
        return model.help == Model::Help::Closed ? checkBoard() : checkHelp();
    }

    std::string closeResult() {
        const int how = pick(5);
        if (how == 4) {
            // The top row lies above the result window, which is centred on
            // the board.
            note("click on the board beside the result window");
            clickAt(player.slotCentre(1 + pick(3)));
            return checkResult();
        }
        const WORD keys[] = {VK_RETURN, VK_ESCAPE, 0, kCloseBox};
        const char *names[] = {"Enter", "Esc", "OK", "the close box"};
        note(std::string("close the result with ") + names[how]);
        model.result.reset();
        player.readAndCloseResult(keys[how]);
        if (!waitFor([&] { return IsWindowEnabled(player.board()) && !player.resultWindow(); }, 2s))
            return "the result window did not close";
        return checkBoard();
    }

    std::string useHelp() {
        HWND help = helpWindowOf(player.program());
        if (!help)
            return "no help window";
        const int choice = pick(10);
        if (choice < 3) {
            const bool rules = pick(2);
            note(rules ? "the Rules button" : "the About button");
            model.help = rules ? Model::Help::Rules : Model::Help::About;
            clickAt(centreOf(control(help, rules ? IDC_HELP_RULES : IDC_HELP_ABOUT)));
            return checkHelp();
        }
        if (choice < 4 && browser && *browser && pick(2) == 0) {
            note("click where the link is");
            // A second click on the same spot within the double-click time
            // is a double click, which a link does not follow.
            std::this_thread::sleep_until(lastLinkClick + std::chrono::milliseconds(GetDoubleClickTime() + 50));
            clickAt(centreOf(control(help, IDC_LINK)));
            lastLinkClick = std::chrono::steady_clock::now();
            if (model.help == Model::Help::About) {
                ++model.linksOpened;
                // The stand-in browser notes each address it is asked to
                // open, a line each.
                std::string expected;
                for (int link = 0; link < model.linksOpened; ++link)
                    expected += PLUMARO_WEB_ADDRESS "\n";
                // Starting the browser can take a while on a busy machine.
                if (!waitFor([&] { return browser->opened() == expected; }, 15s))
                    return "click " + std::to_string(model.linksOpened) +
                           " on the link: the stand-in browser was asked for\n" + browser->opened();
            }
            return checkHelp();
        }
        if (choice < 6)
            return strayKey(help);
        // Not Enter: after a click on Rules or About, that button has the
        // focus and Enter presses it again.
        const int how = pick(3);
        const char *names[] = {"Esc", "OK", "the close box"};
        note(std::string("close the help with ") + names[how]);
        model.help = Model::Help::Closed;
        if (how == 0) {
            activateIfNeeded(help);
            pressKey(VK_ESCAPE);
        } else if (how == 1) {
            clickAt(centreOf(control(help, IDC_HELP_OK)));
        } else if (const auto closeBox = closeBoxOf(help)) {
            clickAt(*closeBox);
        }
        if (!waitFor([&] { return !IsWindow(help) && IsWindowEnabled(player.board()); }, 2s))
            return "the help window did not close";
        return checkBoard();
    }

    // Waits for the program to show what the model says; describes the
    // first difference when it does not.
    std::string checkBoard() {
        return settled([&] { return boardDifference(); });
    }
    std::string checkResult() {
        return settled([&] { return resultDifference(); });
    }
    std::string checkHelp() {
        return settled([&] { return helpDifference(); });
    }

    template <typename Difference> static std::string settled(Difference difference) {
        std::string found;
        waitFor([&] { return (found = difference()).empty(); }, 2s);
        return found;
    }

    std::string boardDifference() {
        if (!player.program().running())
            return "the program has ended";
        if (model.result)
            return resultDifference();
        if (player.resultWindow())
            return "a result window that the rules do not call for";
        std::ostringstream out;
        for (int slot = 1; slot <= 9; ++slot) {
            const std::wstring name = slotNameOf(model.game.slots[slot - 1]);
            if (player.slotName(slot) != name)
                out << "slot " << slot << " shows another picture than " << std::string(name.begin(), name.end())
                    << "; ";
            const bool shown = model.game.slots[slot - 1] != 0;
            if (player.slotVisible(slot) != shown)
                out << "slot " << slot << (shown ? " hidden; " : " shown; ");
        }
        // The counter is read where a player can read it: before the first
        // game it is hidden (and not yet made).
        const std::wstring moves = player.moves();
        const bool counted = model.game.puzzle != 0;
        if (counted && moves != std::to_wstring(model.game.moves))
            out << "the counter shows " << std::string(moves.begin(), moves.end()) << " after " << model.game.moves
                << " moves; ";
        if (player.movesVisible() != counted)
            out << "the counter's visibility; ";
        if (model.help == Model::Help::Closed && player.program().windows().size() != 1)
            out << player.program().windows().size() << " windows open instead of the board alone; ";
        return out.str();
    }

    std::string resultDifference() {
        const auto seen = player.readResult();
        if (!seen)
            return "no result window";
        const std::wstring &message = model.result->message;
        const int picture = static_cast<int>(model.result->picture) + 1;
        if (seen->message != message)
            return "the result says " + std::string(seen->message.begin(), seen->message.end());
        if (seen->picture != model.result->picture)
            return "the result shows another picture than picture " + std::to_string(picture);
        return "";
    }

    std::string helpDifference() {
        HWND help = helpWindowOf(player.program());
        if (!help)
            return "no help window";
        const bool about = model.help == Model::Help::About;
        const auto shown = [&](int id) { return IsWindowVisible(control(help, id)) != FALSE; };
        if (shown(IDC_RULES_PICTURE) == about || shown(IDC_LOGO) != about || shown(IDC_LINK) != about)
            return about ? "the help window does not show the about text" : "the help window does not show the rules";
        if (IsWindowEnabled(player.board()))
            return "the board takes input under the help window";
        return "";
    }

    bool pointerCaptured() const { return threadInfoOf(player.board()).hwndCapture != nullptr; }

    void activateIfNeeded(HWND window) {
        if (GetForegroundWindow() != window)
            activate(window);
    }

    std::size_t pick(std::size_t count) { return static_cast<std::size_t>(random() % count); }

    void note(std::string action) {
        lastActions.push_back(std::to_string(step) + ": " + std::move(action));
        if (lastActions.size() > 20)
            lastActions.pop_front();
    }

    BoardPlayer player;
    Model model;
    std::array<std::vector<std::vector<int>>, 3> solutions;
    std::mt19937_64 random;
    std::optional<StandInBrowser> browser;
    std::chrono::steady_clock::time_point lastLinkClick;
    unsigned long long step = 0;
    std::deque<std::string> lastActions;
};

TEST_F(Soak, RandomPlayAlwaysShowsWhatTheRulesSay) {
    // One fixed sequence unless told otherwise, so that every run of the
    // suite plays the same events; tools/endurance.sh draws new seeds.
    const unsigned long long seed = setting("PLUMARO_SOAK_SEED", 2875338);
    const unsigned long long events = setting("PLUMARO_SOAK_EVENTS", 3000);
    std::printf("soak: seed %llu, %llu events (PLUMARO_SOAK_SEED=%llu PLUMARO_SOAK_EVENTS=%llu replays it)\n", seed,
                events, seed, events);
    std::fflush(stdout);
    random.seed(seed);

    // The link opens a stand-in browser that notes the address, where the
    // private Wine session can show one; elsewhere the soak leaves the link
    // alone rather than change the desktop's browser.
    if (insidePrivateWineSession())
        browser.emplace();

    const auto start = std::chrono::steady_clock::now();
    for (step = 1; step <= events; ++step) {
        const std::string difference = playOneEvent();
        if (!difference.empty()) {
            std::string actions;
            for (const auto &action : lastActions)
                actions += "\n  " + action;
            FAIL() << "seed " << seed << ", step " << step << ": " << difference << "\nlast actions:" << actions
                   << "\nreplay: PLUMARO_SOAK_SEED=" << seed << " PLUMARO_SOAK_EVENTS=" << step;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto &verdicts = model.resultsByPicture;
    std::printf("soak: %llu events in %.1f s, %.1f events/s; %d moves, results with pictures 1-4: %d %d %d %d, "
                "%d links opened\n",
                events, seconds, events / seconds, model.movesMade, verdicts[0], verdicts[1], verdicts[2], verdicts[3],
                model.linksOpened);
}

} // namespace
} // namespace plumaro::testing
