// Plays plumaro.exe from outside: chooses puzzles from the File menu, clicks
// slots or slides birds with the arrow keys, and reads back what the board
// and the result window show.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "program_driver.h"
#include "puzzle_rules.h"

namespace plumaro::testing {

// The board window's class, by which the player finds it.
constexpr wchar_t kBoardClassName[] = L"PlumaroBoard";

// What the result window showed before it was closed.
struct ResultSeen {
    std::wstring message;                 // the verdict on the sign
    std::optional<ResultPicture> picture; // the one text picture visible; none if none or several
};

// readAndCloseResult's way of closing the window with its caption's close box.
constexpr WORD kCloseBox = 0xFFFF;

// What the board shows: each slot's name ("Bird 5", "Empty", "hidden" for a
// hidden slot), and last the counter ("hidden" while it is).
using BoardShown = std::vector<std::wstring>;
// The name a slot gives the picture it shows (0..9, as the rules number them).
std::wstring slotNameOf(int picture);
// The start of the puzzle as the rules lay it out.
BoardShown startOf(int puzzle);
// `before` with the bird in the slot slid into the empty slot, one move more.
BoardShown afterSlide(BoardShown before, int slot);

class BoardPlayer {
public:
    // Starts the program (from exe), waits for its board window and, unless
    // told otherwise, brings it to the foreground.
    explicit BoardPlayer(const std::filesystem::path &exe = buildFolder() / L"plumaro.exe", bool activateBoard = true);

    HWND board() const { return board_; }
    RunningProgram &program() { return program_; }

    // Chooses "New Game - Puzzle &n" with the keyboard (Alt, F, n) and waits
    // for the board to show its start.
    void choosePuzzle(int puzzle);
    // A length of the board's layout (pixels at 96 dpi) at the board's scale.
    int scaled(int length) const;
    // Centre of slot i (1..9) on the screen, and the area it fills.
    POINT slotCentre(int slot) const;
    RECT slotArea(int slot) const;
    // Where the counter stands on the screen.
    RECT counterArea() const;
    POINT backgroundPoint() const;
    void clickSlot(int slot);
    void clickSlots(const std::vector<int> &slots);

    // Presses a key with the board in the foreground.
    void pressOnBoard(WORD key);
    // The arrow key that slides the bird in slot i into the empty slot as the
    // board shows it now (the keypad's with Num Lock on when keypad is set);
    // 0 when slot i is not next to the empty slot.
    WORD arrowFor(int slot, bool keypad = false) const;
    // Plays the slots as arrow keys, the main block's and the keypad's in turn.
    void slideWithArrows(const std::vector<int> &slots);

    // What slot i says it shows: "Bird 5", "Empty", ...
    std::wstring slotName(int slot) const;
    std::vector<std::wstring> slotNames() const;
    bool slotVisible(int slot) const;
    std::wstring moves() const;
    bool movesVisible() const;
    BoardShown shown() const;
    // What the board shows once it shows `expected`, or when the time is up.
    BoardShown shownOnceItIs(const BoardShown &expected, std::chrono::milliseconds timeout = 3s) const;
    // Opens the help window with F1 and closes it with Esc: input that is
    // handled after all the input before it, yet leaves the board as it was.
    bool openAndCloseHelp();

    // Opens the help window with Help > Rules ('R') or Help > About... ('A')
    // and waits for it to be active; nullptr if it does not open.
    HWND openHelp(WORD key);
    // Opens the help window by posting the Help menu's command (IDM_RULES,
    // IDM_ABOUT), needing no keyboard focus; returns it once it shows, or nullptr.
    HWND postHelpCommand(int command);
    // The help window once it shows, or nullptr.
    HWND helpWindow();

    // The open result window, or nullptr; with hiddenToo, also one made
    // but not yet shown.
    HWND resultWindow(bool hiddenToo = false) const;
    // What the open result window shows, or nothing while none is open.
    std::optional<ResultSeen> readResult() const;
    // Reads the result window, waiting for it to open, then closes it with
    // the key (VK_RETURN, VK_ESCAPE), kCloseBox or, for 0, a click on OK.
    std::optional<ResultSeen> readAndCloseResult(WORD key = 0);

private:
    RunningProgram program_;
    HWND board_ = nullptr;
};

} // namespace plumaro::testing
