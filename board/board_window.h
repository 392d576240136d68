// The board window: the program's main window, where the puzzle is played.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "accessible.h"
#include "board.h"
#include "handles.h"
#include "startup_sound.h"
#include "window_icon.h"

namespace plumaro {

class BoardWindow {
public:
    static constexpr wchar_t kClassName[] = L"PlumaroBoard";
    static constexpr wchar_t kSlotClassName[] = L"PlumaroSlot";

    // Registers the window classes of the board and its slots; false if
    // Windows refused them.
    static bool registerClasses(HINSTANCE instance);

    // Creates the hidden window and runs its load step. Returns nullptr when
    // start-up ends the program instead, with the exit code it ends with
    // (the reason has been shown to the user, also when the window itself
    // could not be created).
    static HWND create(HINSTANCE instance, int &exitCode);

private:
    BoardWindow(HWND window, HINSTANCE instance) : window_(window), instance_(instance) {}

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK slotProc(HWND slot, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleSlot(HWND slot, int index, UINT message, WPARAM wParam, LPARAM lParam);

    bool createControls();
    bool createCounter();
    bool Form_Load(int &exitCode);
    void Form_Activate();
    void paint();
    void paintSlot(HWND slot, int index);
    void onCommand(int id);

    // The click gesture on slot `index` (1..9).
    bool showsBird(int index) const;
    void img_bird_MouseDown(int index);
    void img_bird_MouseMove(int index, POINT point);
    void img_bird_MouseUp(int index, POINT point);
    void img_bird_DragDrop(int index);
    // A click made without the mouse, by an arrow key or an automation
    // client: moves exactly what a click on the slot would.
    void img_bird_Click(int index);
    void Form_KeyDown(WPARAM key);

    void mnu_puz_Click(std::int16_t puzzle);
    void mnu_rules_Click();
    void mnu_about_Click();
    void mnu_exit_Click();

    // A new game of Module1::PuzzleNumber on the screen: the title goes, the
    // counter appears and InitNewGame lays the board out.
    void startGame();
    // Judges the board after a click; a verdict is shown in the result
    // window, and once that has closed the game is over.
    void GameWin();
    // Makes the controls show the board's data.
    void showBoard();

    // What a player who cannot see the board hears: say() speaks a text
    // through the window's accessible object, and sayMove() what a press on
    // slot `index` did to the board that was `before`.
    void say(std::wstring text);
    void sayMove(const Board &before, int index);

    HWND window_;
    HINSTANCE instance_;

    std::array<HWND, Board::kSlotCount> img_bird{};
    HWND lbl_moves = nullptr;

    UniqueBitmap background_;
    UniqueBitmap img_splash;
    bool splashShown_ = true;
    std::array<UniqueBitmap, Board::kSlotCount> img_source; // 1..8 the birds, 9 the empty picture
    HCURSOR hand_ = nullptr;
    UniqueFont movesFont_;
    WindowIcons icons_;
    StartupSound sound_;

    Board board_;
    std::shared_ptr<SpokenTexts> spoken_ = std::make_shared<SpokenTexts>();
    std::int16_t FirstActivation = 0;
    bool loaded_ = false; // the load step has run to its end: closing ends the program
    int pressedSlot_ = 0; // the slot a click began on, while the button is down
};

} // namespace plumaro
