// The board window: its start-up and activation, painting, the click
// gesture on the slots, the keys and the menu commands.
#include "board_window.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <utility>

#include "accessible.h"
#include "announcer.h"
#include "board_geometry.h"
#include "board_resources.h"
#include "controls.h"
#include "display_scale.h"
#include "help_window.h"
#include "messages.h"
#include "pictures.h"
#include "program_folder.h"
#include "result_window.h"
#include "runtime_files.h"
#include "spoken_texts.h"
#include "subclass.h"
#include "texts.h"
#include "window_procedure.h"
#include "window_sizing.h"

namespace plumaro {

namespace {

using namespace board_geometry;

// A fixed frame: a caption with the system menu and a minimise box, no
// maximise box, no resizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr SIZE kClientSize{kClientWidth, kClientHeight};

// Keys that read the game aloud to a player who cannot see it: the whole
// board row by row, and the count with the par.
constexpr WPARAM kReadBoardKey = 'B';
constexpr WPARAM kReadCountKey = 'C';

// The counter reads as "Moves" with the count as its value.
LRESULT CALLBACK counterProc(HWND counter, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT)
        return answerGetObject(counter, wParam, lParam, {ROLE_SYSTEM_STATICTEXT, loadText(IDS_MOVES_NAME), true, 0});
    return callBaseProcedure(counter, message, wParam, lParam);
}

BoardWindow *boardOf(HWND window) { return reinterpret_cast<BoardWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

} // namespace

bool BoardWindow::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW board{};
    board.cbSize = sizeof board;
    board.lpfnWndProc = guarded<windowProc>;
    board.hInstance = instance;
    board.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_BOARD));
    board.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    board.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    board.lpszMenuName = MAKEINTRESOURCEW(IDR_BOARD_MENU);
    board.lpszClassName = kClassName;

    // Slots set the pointer themselves and paint every pixel.
    WNDCLASSEXW slot{};
    slot.cbSize = sizeof slot;
    slot.lpfnWndProc = guarded<slotProc>;
    slot.hInstance = instance;
    slot.lpszClassName = kSlotClassName;

    return RegisterClassExW(&board) && RegisterClassExW(&slot);
}

HWND BoardWindow::create(HINSTANCE instance, int &exitCode) {
    exitCode = 1;
    // Made on the primary monitor, whose top-left corner is (0, 0), so that
    // it is laid out at that monitor's DPI from the start.
    HWND window = CreateWindowExW(0, kClassName, loadText(IDS_BOARD_CAPTION).c_str(), kStyle, 0, 0, 0, 0, nullptr,
                                  nullptr, instance, instance);
    if (!window) {
        showProgramMessage(nullptr, IDS_BOARD_NOT_CREATED);
        return nullptr;
    }
    // Start-up may show a message box, in whose loop the window may go.
    BoardWindow *board = boardOf(window);
    if (!callInto(board, [&] { return board->started_ = board->startUp(exitCode); })) {
        DestroyWindow(window); // after the reason was shown: it ends no message loop
        return nullptr;
    }
    return window;
}

LRESULT BoardWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *instance = static_cast<HINSTANCE>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new BoardWindow(window, instance)));
    }
    BoardWindow *self = boardOf(window);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    const bool windowGoes = message == WM_NCDESTROY;
    if (windowGoes)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0); // no later message reaches the object
    const auto handleIt = [&] { return self->handle(message, wParam, lParam); };
    return callInto(self, handleIt, windowGoes);
}

LRESULT BoardWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return onCreate() ? 0 : -1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            onActivate();
        break;
    case WM_ERASEBKGND:
        return 1; // the background picture covers the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        paintBoard(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT: // for the announcer, which shows what lies below it
        paintBoard(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == counter_) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    case WM_COMMAND:
        if (lParam == 0) // a menu item, or a key of the board's accelerator table
            onCommand(LOWORD(wParam));
        return 0;
    case WM_KEYDOWN:
        onKeyDown(wParam);
        return 0;
    case WM_GETOBJECT:
        return answerWindowGetObject(window_, wParam, lParam, spoken_);
    case WM_GETDPISCALEDSIZE:
        answerDpiScaledSize(window_, kClientSize, wParam, lParam);
        return TRUE;
    case WM_DPICHANGED:
        // Dragged to a monitor of another scale, or the scale changed.
        if (layOut(LOWORD(wParam)))
            takeSuggestedRect(window_, kClientSize, dpi_, lParam);
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_DESTROY:
        // Only the game's window ends the program. Windows also sends this
        // when WM_CREATE fails (Wine does not); a quit posted then would
        // close the message box that says so before anyone saw it.
        if (started_)
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The window's slots, laid out with its pictures at its DPI, before
// start-up places the window.
bool BoardWindow::onCreate() {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        slots_[slot - 1] =
            CreateWindowExW(0, kSlotClassName, loadText(IDS_SLOT_NO_PICTURE).c_str(), WS_CHILD, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSlotIds[slot - 1])), instance_, nullptr);
        if (!slots_[slot - 1])
            return false;
    }
    announcer_ = std::make_unique<Announcer>(window_, spoken_);
    return layOut(dpiOf(window_));
}

// Shows the board at `dpi`: the pictures drawn for that scale, the hand and
// the icons in its sizes, and the slots and the counter where the layout
// puts them there. False, changing nothing, if a picture compiled into the
// program cannot be made.
bool BoardWindow::layOut(UINT dpi) {
    UniqueBitmap background = loadPicture(instance_, IDR_BOARD_BACKGROUND, dpi);
    UniqueBitmap title = loadPicture(instance_, IDR_TITLE, dpi);
    std::array<UniqueBitmap, kSlotCount> pictures;
    for (std::size_t at = 0; at < pictures.size(); ++at) {
        pictures[at] = loadPicture(instance_, kPictureIds[at], dpi);
        if (!pictures[at])
            return false;
    }
    if (!background || !title)
        return false;
    dpi_ = dpi;
    background_ = std::move(background);
    title_ = std::move(title);
    pictures_ = std::move(pictures);
    if (WindowIcons icons = iconFile_.iconsFor(dpi)) {
        setWindowIcons(window_, icons);
        icons_ = std::move(icons);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot)
        placeControl(slots_[slot - 1], {slotLeft(slot), slotTop(slot), kSlotSize, kSlotSize}, dpi);
    layOutCounter();
    InvalidateRect(window_, nullptr, TRUE);
    return true;
}

void BoardWindow::layOutCounter() {
    if (!counter_)
        return;
    placeControl(counter_, {kCounterLeft, kCounterTop, kCounterWidth, kCounterHeight}, dpi_);
    counterFont_ = createBoldSansSerif(975, dpi_);
    setFont(counter_, counterFont_.get());
}

// The move counter is hidden until the first game, and only then made: it
// is the board's one standard control, and the first such control loads the
// common controls library, which would slow every start by a fifth and cost
// over a megabyte of memory before the player has chosen a puzzle.
bool BoardWindow::createCounter() {
    if (counter_)
        return true;
    counter_ = CreateWindowExW(0, L"STATIC", L"0", WS_CHILD | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0, 0, 0, 0,
                               window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MOVES)), instance_, nullptr);
    if (!counter_)
        return false;
    subclassControl(counter_, guarded<counterProc>);
    layOutCounter();
    return true;
}

bool BoardWindow::startUp(int &exitCode) {
    placeOnPrimaryMonitor(window_, kClientSize);

    const std::wstring iconPath = windowIconPath();
    iconFile_ = WindowIconFile(iconPath);
    icons_ = iconFile_.iconsFor(dpi_);
    if (!icons_) {
        reportRuntimeError(IDS_ICON_NOT_LOADED, iconPath, icons_.error);
        exitCode = 1;
        return false;
    }
    setWindowIcons(window_, icons_);
    return true;
}

// The first activation greets the player with the start-up sound; no later
// one does.
void BoardWindow::onActivate() {
    if (firstActivation_)
        sound_.play(programFile(runtime_files::kStartupSound.name));
    firstActivation_ = false;
}

void BoardWindow::paintBoard(HDC dc) {
    drawBitmap(dc, background_.get(), 0, 0);
    if (titleShown_)
        drawBitmap(dc, title_.get(), scaled(kTitleLeft, dpi_), scaled(kTitleTop, dpi_));
}

void BoardWindow::paintSlot(HWND slot, int index) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(slot, &paint);
    const Picture picture = game_.at(index);
    if (picture != Picture::None) {
        drawBitmap(dc, pictures_[static_cast<std::size_t>(picture) - 1].get(), 0, 0);
    } else {
        RECT all{};
        GetClientRect(slot, &all);
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    }
    EndPaint(slot, &paint);
}

LRESULT BoardWindow::slotProc(HWND slot, UINT message, WPARAM wParam, LPARAM lParam) {
    BoardWindow *self = boardOf(GetParent(slot));
    if (!self)
        return DefWindowProcW(slot, message, wParam, lParam);
    const auto id = std::find(kSlotIds.begin(), kSlotIds.end(), GetDlgCtrlID(slot));
    const int index = static_cast<int>(id - kSlotIds.begin()) + 1;
    return callInto(self, [&] { return self->handleSlot(slot, index, message, wParam, lParam); });
}

LRESULT BoardWindow::handleSlot(HWND slot, int index, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_SETCURSOR:
        // Only for the pointer resting on the slot itself: while a modal
        // window disables the board, the system's own handling applies.
        if (LOWORD(lParam) != HTCLIENT)
            break;
        SetCursor(game_.showsBird(index) ? hands_.at(dpi_) : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintSlot(slot, index);
        return 0;
    case WM_LBUTTONDOWN:
        onSlotPressed(index);
        return 0;
    case WM_MOUSEMOVE:
        onPointerMoved(index, point);
        return 0;
    case WM_LBUTTONUP:
        onSlotReleased(index, point);
        return 0;
    case WM_CAPTURECHANGED:
        pressedSlot_ = 0;
        return 0;
    case BM_CLICK:
        clickSlot(index);
        return 0;
    case WM_GETOBJECT:
        // A button named for the picture it shows, which a press clicks.
        return answerGetObject(slot, wParam, lParam, {ROLE_SYSTEM_PUSHBUTTON, {}, false, IDS_PRESS});
    }
    return DefWindowProcW(slot, message, wParam, lParam);
}

// A move is one click that begins and ends on the same bird without the
// pointer leaving it in between.
void BoardWindow::onSlotPressed(int index) {
    if (!game_.showsBird(index))
        return;
    SetCapture(slots_[index - 1]);
    pressedSlot_ = index;
}

void BoardWindow::onPointerMoved(int index, POINT point) {
    if (pressedSlot_ != index)
        return;
    RECT inside{};
    GetClientRect(slots_[index - 1], &inside);
    if (!PtInRect(&inside, point))
        ReleaseCapture(); // left the bird: the click no longer counts
}

void BoardWindow::onSlotReleased(int index, POINT point) {
    if (pressedSlot_ != index)
        return;
    ReleaseCapture();
    RECT inside{};
    GetClientRect(slots_[index - 1], &inside);
    if (PtInRect(&inside, point))
        onSlotClicked(index);
}

void BoardWindow::onSlotClicked(int index) {
    if (!game_.underWay) {
        say(Announcement::Refusal, noGameText(game_));
        return;
    }
    const Game before = game_;
    game_.move(index);
    showGame();
    sayMove(before, index);
    if (windowGone()) // closed while the move was said
        return;
    showResultIfSolved();
}

void BoardWindow::clickSlot(int index) {
    // The mouse can reach only a bird, and none while a modal window has
    // disabled the board.
    if (IsWindowEnabled(window_) && game_.showsBird(index))
        onSlotClicked(index);
}

// An arrow slides the bird on the far side of the empty slot towards it, on
// the main block or the keypad (which sends VK_NUMPADn while Num Lock is
// on). Each press and each repeat of a held key makes at most one move.
void BoardWindow::onKeyDown(WPARAM key) {
    Arrow arrow;
    switch (key) {
    case VK_LEFT:
    case VK_NUMPAD4:
        arrow = Arrow::Left;
        break;
    case VK_RIGHT:
    case VK_NUMPAD6:
        arrow = Arrow::Right;
        break;
    case VK_UP:
    case VK_NUMPAD8:
        arrow = Arrow::Up;
        break;
    case VK_DOWN:
    case VK_NUMPAD2:
        arrow = Arrow::Down;
        break;
    case kReadBoardKey:
        say(Announcement::Reading, boardText(game_));
        return;
    case kReadCountKey:
        say(Announcement::Reading, countText(game_));
        return;
    default:
        return;
    }
    if (!game_.underWay)
        say(Announcement::Refusal, noGameText(game_));
    else if (const int slot = game_.slotSlidingToward(arrow))
        clickSlot(slot);
    else
        say(Announcement::Refusal, noBirdText(arrow));
}

void BoardWindow::showResultIfSolved() {
    const auto result = game_.result();
    if (!result || !showOver([&] { showResultWindow(window_, instance_, *result, iconFile_); }))
        return;
    game_.end();
    // Where the game stands is said once, as the board gets the focus back:
    // readers speak its description then.
    spoken_->description = boardDescription(game_);
}

void BoardWindow::startGame(int puzzle) {
    if (titleShown_) {
        titleShown_ = false;
        const SIZE size = bitmapSize(title_.get());
        const POINT at{scaled(kTitleLeft, dpi_), scaled(kTitleTop, dpi_)};
        const RECT title{at.x, at.y, at.x + size.cx, at.y + size.cy};
        InvalidateRect(window_, &title, FALSE);
    }
    createCounter(); // should Windows refuse it, the game plays on uncounted
    game_.start(puzzle);
    showGame();
    // The start is said once, by the board's description: a game starts
    // from the File menu, and as the menu closes readers speak the board,
    // which has the focus, again. A notification as well would say it twice.
    spoken_->description = boardDescription(game_);
}

// Touches only what changes (a move changes two slots and the counter): each
// window call is a round trip to the window server under Wine. A slot shows
// only while it has a picture: puzzle 1's bottom row stays hidden.
void BoardWindow::showGame() {
    for (int index = 1; index <= kSlotCount; ++index) {
        HWND slot = slots_[index - 1];
        // A slot's name says which picture it shows.
        const std::wstring name = slotName(game_, index);
        wchar_t shown[16] = {};
        GetWindowTextW(slot, shown, 16);
        if (name != shown) {
            SetWindowTextW(slot, name.c_str());
            InvalidateRect(slot, nullptr, FALSE);
            tellNameChanged(slot);
        }
        const bool wanted = game_.at(index) != Picture::None;
        if (wanted != ((GetWindowLongPtrW(slot, GWL_STYLE) & WS_VISIBLE) != 0))
            ShowWindow(slot, wanted ? SW_SHOWNA : SW_HIDE);
    }
    const std::wstring count = std::to_wstring(game_.moves);
    wchar_t counted[16] = {};
    GetWindowTextW(counter_, counted, 16);
    if (count != counted) {
        SetWindowTextW(counter_, count.c_str());
        tellValueChanged(counter_);
    }
    ShowWindow(counter_, SW_SHOWNA);
}

void BoardWindow::say(Announcement what, std::wstring text) {
    spoken_->description = boardDescription(game_);
    announcer_->say(what, std::move(text));
}

void BoardWindow::sayMove(const Game &before, int index) {
    if (game_.board == before.board)
        say(Announcement::Refusal, cannotMoveText(game_, index));
    else
        say(Announcement::Move, movedText(game_, index, before.emptySlot()));
}

void BoardWindow::onCommand(int id) {
    // The menu cannot be used under a modal window; a command posted from
    // outside meanwhile would change the game under the result.
    if (windowsOver_ > 0 && id != IDM_EXIT)
        return;
    switch (id) {
    case IDM_PUZZLE1:
        startGame(1);
        break;
    case IDM_PUZZLE2:
        startGame(2);
        break;
    case IDM_PUZZLE3:
        startGame(3);
        break;
    case IDM_EXIT:
        close();
        break;
    case IDM_RULES:
        showHelp(HelpPage::Rules);
        break;
    case IDM_ABOUT:
        showHelp(HelpPage::About);
        break;
    }
}

void BoardWindow::showHelp(HelpPage page) {
    showOver([&] { showHelpWindow(window_, instance_, page, hands_); });
}

// The board goes at once, unless a modal window of the program stands over
// it: the code that opened that window is still running and will come back
// to the board. Then every window over the board is asked to close, and the
// board closes once the last of them has returned.
void BoardWindow::close() {
    if (windowsOver_ == 0) {
        DestroyWindow(window_);
        return;
    }
    closing_ = true;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM board) {
            for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER))
                if (owner == reinterpret_cast<HWND>(board))
                    PostMessageW(window, WM_CLOSE, 0, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(window_));
}

bool BoardWindow::showOver(const std::function<void()> &show) {
    ++windowsOver_;
    show();
    --windowsOver_;
    if (!closing_)
        return true;
    if (windowsOver_ == 0)
        PostMessageW(window_, WM_CLOSE, 0, 0);
    return false;
}

} // namespace plumaro
