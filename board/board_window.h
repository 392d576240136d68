// The board window: the program's main window, where the puzzle is played.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "accessible.h"
#include "announcer.h"
#include "game.h"
#include "hand_cursor.h"
#include "handles.h"
#include "help_window.h"
#include "startup_sound.h"
#include "window_icon.h"
#include "window_procedure.h"

namespace plumaro {

class BoardWindow : public WindowObject {
public:
    static constexpr wchar_t kClassName[] = L"PlumaroBoard";
    static constexpr wchar_t kSlotClassName[] = L"PlumaroSlot";

    // Registers the window classes of the board and its slots; false if
    // Windows refused them.
    static bool registerClasses(HINSTANCE instance);

    // Creates the hidden window and runs its start-up. Returns nullptr when
    // start-up ends the program instead, with the exit code it ends with
    // (the reason has been shown to the player, also when the window itself
    // could not be created).
    static HWND create(HINSTANCE instance, int &exitCode);

private:
    BoardWindow(HWND window, HINSTANCE instance) : window_(window), instance_(instance) {}

    static LRESULT windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT slotProc(HWND slot, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleSlot(HWND slot, int index, UINT message, WPARAM wParam, LPARAM lParam);

    bool onCreate();
    bool layOut(UINT dpi);
    bool createCounter();
    void layOutCounter();
    // Sizes and centres the window and gives it its icon; false, with the
    // exit code, when the program ends.
    bool startUp(int &exitCode);
    void onActivate();
    void paintBoard(HDC dc);
    void paintSlot(HWND slot, int index);
    void onCommand(int id);
    void onKeyDown(WPARAM key);

    // The click gesture on slot `index` (1..9): a press and a release on
    // the same bird, the pointer never leaving it in between.
    void onSlotPressed(int index);
    void onPointerMoved(int index, POINT point);
    void onSlotReleased(int index, POINT point);
    void onSlotClicked(int index);
    // A click made without the mouse, by an arrow key or an automation
    // client: moves exactly what a click on the slot would.
    void clickSlot(int index);

    // A new game of the puzzle on the screen: the title goes, the counter
    // appears and the puzzle is laid out.
    void startGame(int puzzle);
    // After a move: a result is shown in the result window, and once that
    // has closed the game is over.
    void showResultIfSolved();
    void showHelp(HelpPage page);
    // Shows a modal window over the board by calling show(). False when the
    // board is to close meanwhile: the caller then touches the game no more,
    // and the board closes as soon as the caller has returned.
    bool showOver(const std::function<void()> &show);
    // Closes the board, and the program with it: at once, or after the
    // windows over it have closed.
    void close();
    // Makes the slots and the counter show the game.
    void showGame();

    // What a player who cannot see the board hears: say() speaks a text now,
    // and sayMove() what a press on slot `index` did to the game that was
    // `before`.
    void say(Announcement what, std::wstring text);
    void sayMove(const Game &before, int index);

    HWND window_;
    HINSTANCE instance_;

    std::array<HWND, kSlotCount> slots_{};
    HWND counter_ = nullptr; // made with the first game

    UINT dpi_ = 0; // the scale the window is laid out for
    UniqueBitmap background_;
    UniqueBitmap title_;
    bool titleShown_ = true;
    std::array<UniqueBitmap, kSlotCount> pictures_; // Bird1..Bird8, then Empty
    HandCursors hands_{instance_};
    UniqueFont counterFont_;
    WindowIconFile iconFile_;
    WindowIcons icons_;
    StartupSound sound_;

    Game game_;
    std::shared_ptr<SpokenTexts> spoken_ = std::make_shared<SpokenTexts>();
    std::unique_ptr<Announcer> announcer_; // made with the window
    bool firstActivation_ = true;
    bool started_ = false; // start-up has run to its end: closing ends the program
    int pressedSlot_ = 0;  // the slot a click began on, while the button is down
    int windowsOver_ = 0;  // modal windows shown over the board, still open
    bool closing_ = false; // asked to close while a window was open over it
};

} // namespace plumaro
