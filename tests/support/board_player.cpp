// Plays plumaro.exe from outside with real keyboard and mouse input.
#include "board_player.h"

#include <algorithm>

#include "board_geometry.h"
#include "board_resources.h"
#include "help_resources.h"
#include "result_resources.h"
#include "texts.h"

namespace plumaro::testing {

BoardPlayer::BoardPlayer(const std::filesystem::path &exe, bool activateBoard) : program_(exe) {
    board_ = program_.waitForWindow(kBoardClassName);
    if (board_ && activateBoard)
        activate(board_);
}

void BoardPlayer::choosePuzzle(int puzzle) {
    activate(board_);
    pressKey(VK_MENU);
    pressKey('F');
    pressKey(static_cast<WORD>('0' + puzzle));
    shownOnceItIs(startOf(puzzle));
}

POINT BoardPlayer::slotCentre(int slot) const {
    const RECT area = slotArea(slot);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

int BoardPlayer::scaled(int length) const { return MulDiv(length, static_cast<int>(dpiOfWindow(board_)), 96); }

RECT BoardPlayer::slotArea(int slot) const {
    using namespace board_geometry;
    const RECT client = clientRectOnScreen(board_);
    const int left = client.left + scaled(slotLeft(slot)), top = client.top + scaled(slotTop(slot));
    return {left, top, left + scaled(kSlotSize), top + scaled(kSlotSize)};
}

RECT BoardPlayer::counterArea() const {
    using namespace board_geometry;
    const RECT client = clientRectOnScreen(board_);
    const int left = client.left + scaled(kCounterLeft), top = client.top + scaled(kCounterTop);
    return {left, top, left + scaled(kCounterWidth), top + scaled(kCounterHeight)};
}

POINT BoardPlayer::backgroundPoint() const {
    const RECT client = clientRectOnScreen(board_);
    return {client.left + scaled(40), client.top + scaled(440)};
}

void BoardPlayer::clickSlot(int slot) { clickAt(slotCentre(slot)); }

void BoardPlayer::clickSlots(const std::vector<int> &slots) {
    for (const int slot : slots)
        clickSlot(slot);
}

void BoardPlayer::pressOnBoard(WORD key) {
    activate(board_);
    pressKey(key);
}

WORD BoardPlayer::arrowFor(int slot, bool keypad) const {
    const auto names = slotNames();
    int empty = 1;
    while (empty <= 9 && names[empty - 1] != L"Empty")
        ++empty;
    // The arrow points from the bird towards the empty slot.
    const int rows = (empty - 1) / 3 - (slot - 1) / 3, columns = (empty - 1) % 3 - (slot - 1) % 3;
    if (rows == 0 && columns == 1)
        return keypad ? VK_NUMPAD6 : VK_RIGHT;
    if (rows == 0 && columns == -1)
        return keypad ? VK_NUMPAD4 : VK_LEFT;
    if (rows == 1 && columns == 0)
        return keypad ? VK_NUMPAD2 : VK_DOWN;
    if (rows == -1 && columns == 0)
        return keypad ? VK_NUMPAD8 : VK_UP;
    return 0;
}

void BoardPlayer::slideWithArrows(const std::vector<int> &slots) {
    activate(board_);
    bool keypad = false;
    for (const int slot : slots) {
        // Each key is chosen from the board its predecessor left.
        if (const WORD key = arrowFor(slot, keypad)) {
            const BoardShown after = afterSlide(shown(), slot);
            pressKey(key);
            shownOnceItIs(after);
        }
        keypad = !keypad;
    }
}

std::wstring BoardPlayer::slotName(int slot) const { return windowText(control(board_, kSlotIds[slot - 1])); }

std::vector<std::wstring> BoardPlayer::slotNames() const {
    std::vector<std::wstring> names;
    for (int slot = 1; slot <= 9; ++slot)
        names.push_back(slotName(slot));
    return names;
}

bool BoardPlayer::slotVisible(int slot) const { return IsWindowVisible(control(board_, kSlotIds[slot - 1])); }

std::wstring BoardPlayer::moves() const { return windowText(control(board_, IDC_MOVES)); }

bool BoardPlayer::movesVisible() const { return IsWindowVisible(control(board_, IDC_MOVES)); }

std::wstring slotNameOf(int picture) {
    if (picture == kEmptyPicture)
        return L"Empty";
    return picture == 0 ? L"No picture" : L"Bird " + std::to_wstring(picture);
}

BoardShown startOf(int puzzle) {
    RulesGame game;
    game.start(puzzle);
    BoardShown shown;
    for (const int picture : game.slots)
        shown.push_back(picture == 0 ? L"hidden" : slotNameOf(picture));
    shown.push_back(L"0");
    return shown;
}

BoardShown afterSlide(BoardShown before, int slot) {
    const auto empty = std::find(before.begin(), before.begin() + 9, L"Empty");
    if (empty != before.begin() + 9)
        std::swap(*empty, before[slot - 1]);
    before[9] = std::to_wstring(std::stoi(before[9]) + 1);
    return before;
}

BoardShown BoardPlayer::shown() const {
    BoardShown shown;
    for (int slot = 1; slot <= 9; ++slot)
        shown.push_back(slotVisible(slot) ? slotName(slot) : L"hidden");
    shown.push_back(movesVisible() ? moves() : L"hidden");
    return shown;
}

BoardShown BoardPlayer::shownOnceItIs(const BoardShown &expected, std::chrono::milliseconds timeout) const {
    BoardShown now;
    waitFor([&] { return (now = shown()) == expected; }, timeout);
    return now;
}

bool BoardPlayer::openAndCloseHelp() {
    pressOnBoard(VK_F1);
    HWND help = helpWindow();
    if (!help)
        return false;
    activate(help);
    pressKey(VK_ESCAPE);
    return waitFor([&] { return !IsWindow(help) && IsWindowEnabled(board_); });
}

HWND BoardPlayer::openHelp(WORD key) { return openHelpWindow(program_, board_, key); }

HWND BoardPlayer::resultWindow(bool hiddenToo) const {
    for (HWND window : program_.windows(hiddenToo)) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32770" && control(window, IDC_MESSAGE))
            return window;
    }
    return nullptr;
}

HWND BoardPlayer::postHelpCommand(int command) {
    PostMessageW(board_, WM_COMMAND, static_cast<WPARAM>(command), 0);
    return helpWindow();
}

HWND BoardPlayer::helpWindow() {
    HWND help = nullptr;
    waitFor([&] {
        help = helpWindowOf(program_);
        return help && IsWindowVisible(control(help, IDC_HELP_TEXT));
    });
    return help;
}

std::optional<ResultSeen> BoardPlayer::readResult() const {
    HWND result = resultWindow();
    if (!result)
        return std::nullopt;
    ResultSeen seen;
    seen.message = windowText(control(result, IDC_MESSAGE));
    int visible = 0;
    for (std::size_t at = 0; at < kPictureControls.size(); ++at) {
        if (IsWindowVisible(control(result, kPictureControls[at]))) {
            ++visible;
            seen.picture = static_cast<ResultPicture>(at);
        }
    }
    if (visible != 1)
        seen.picture.reset();
    return seen;
}

std::optional<ResultSeen> BoardPlayer::readAndCloseResult(WORD key) {
    HWND result = nullptr;
    waitFor([&] { return (result = resultWindow()) != nullptr; }, 2s);
    if (!result)
        return std::nullopt;
    const auto seen = readResult();

    if (key == kCloseBox) {
        if (const auto closeBox = closeBoxOf(result))
            clickAt(*closeBox);
    } else if (key) {
        if (GetForegroundWindow() != result)
            activate(result);
        pressKey(key);
    } else {
        clickAt(centreOf(control(result, IDOK)));
    }
    waitFor([&] { return !IsWindow(result); }, 2s);
    return seen;
}

} // namespace plumaro::testing
