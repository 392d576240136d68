// The board window: its load and activation steps, painting, the click
// gesture on the slots and the menu commands.
#include "board_window.h"

#include <oleacc.h>

#include <algorithm>
#include <string>
#include <utility>

#include "accessible.h"
#include "arrow_slide.h"
#include "board_geometry.h"
#include "board_resources.h"
#include "controls.h"
#include "display_check.h"
#include "help_window.h"
#include "messages.h"
#include "module1.h"
#include "pictures.h"
#include "program_folder.h"
#include "puzzle.h"
#include "result_window.h"
#include "shared_resources.h"
#include "spoken_texts.h"
#include "subclass.h"
#include "texts.h"
#include "window_sizing.h"

namespace plumaro {

namespace {

using namespace board_geometry;

// A fixed frame: a caption with the system menu and a minimise box, no
// maximise box, no resizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Keys that read the game aloud to a player who cannot see it: the whole
// board row by row, and the count with the par.
constexpr WPARAM kReadBoardKey = 'B';
constexpr WPARAM kReadCountKey = 'C';

constexpr AccessibleDescription kSlotDescription{ROLE_SYSTEM_PUSHBUTTON, 0, false, IDS_PRESS};
constexpr AccessibleDescription kMovesDescription{ROLE_SYSTEM_STATICTEXT, IDS_MOVES_NAME, true, 0};

LRESULT CALLBACK lbl_movesProc(HWND moves, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT)
        return answerGetObject(moves, wParam, lParam, kMovesDescription);
    return callBaseProcedure(moves, message, wParam, lParam);
}

BoardWindow *boardOf(HWND window) { return reinterpret_cast<BoardWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

} // namespace

bool BoardWindow::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW board{};
    board.cbSize = sizeof board;
    board.lpfnWndProc = windowProc;
    board.hInstance = instance;
    board.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_BOARD));
    board.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    board.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    board.lpszMenuName = MAKEINTRESOURCEW(IDR_BOARD_MENU);
    board.lpszClassName = kClassName;

    // Slots set the pointer themselves and paint every pixel.
    WNDCLASSEXW slot{};
    slot.cbSize = sizeof slot;
    slot.lpfnWndProc = slotProc;
    slot.hInstance = instance;
    slot.lpszClassName = kSlotClassName;

    return RegisterClassExW(&board) && RegisterClassExW(&slot);
}

HWND BoardWindow::create(HINSTANCE instance, int &exitCode) {
    exitCode = 1;
    HWND window = CreateWindowExW(0, kClassName, loadText(IDS_BOARD_CAPTION).c_str(), kStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, instance);
    if (!window) {
        showProgramMessage(nullptr, IDS_BOARD_NOT_CREATED);
        return nullptr;
    }
    BoardWindow *board = boardOf(window);
    if (!board->Form_Load(exitCode)) {
        DestroyWindow(window); // after the reason was shown: it ends no message loop
        return nullptr;
    }
    board->loaded_ = true;
    return window;
}

LRESULT CALLBACK BoardWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *instance = static_cast<HINSTANCE>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new BoardWindow(window, instance)));
    }
    BoardWindow *self = boardOf(window);
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

LRESULT BoardWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return createControls() ? 0 : -1;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            Form_Activate();
        break;
    case WM_ERASEBKGND:
        return 1; // the background picture covers the whole client area
    case WM_PAINT:
        paint();
        return 0;
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == lbl_moves) {
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
        Form_KeyDown(wParam);
        return 0;
    case WM_GETOBJECT:
        return answerWindowGetObject(window_, wParam, lParam, spoken_);
    case WM_DESTROY:
        // Only the game's window ends the program. Windows also sends this
        // when WM_CREATE fails (Wine does not); a quit posted then would
        // close the message box that says so before anyone saw it.
        if (loaded_)
            PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// The window's definition: its pictures and controls as they stand before
// the load step places them.
bool BoardWindow::createControls() {
    background_ = loadPicture(instance_, IDR_BOARD_BACKGROUND);
    img_splash = loadPicture(instance_, IDR_TITLE);
    for (int k = 1; k <= Board::kSlotCount; ++k) {
        img_source[k - 1] = loadPicture(instance_, kSourcePictureIds[k - 1]);
        if (!img_source[k - 1])
            return false;
    }
    if (!background_ || !img_splash)
        return false;

    hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_POINTING_HAND));

    for (int i = 1; i <= Board::kSlotCount; ++i) {
        img_bird[i - 1] =
            CreateWindowExW(0, kSlotClassName, loadText(IDS_SLOT_NO_PICTURE).c_str(), WS_CHILD, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kSlotIds[i - 1])), instance_, nullptr);
        if (!img_bird[i - 1])
            return false;
    }
    return true;
}

// The move counter is hidden until the first game, and only then made: it
// is the board's one standard control, and the first such control loads the
// common controls library, which would slow every start by a fifth and cost
// over a megabyte of memory before the player has chosen a puzzle.
bool BoardWindow::createCounter() {
    if (lbl_moves)
        return true;
    lbl_moves = CreateWindowExW(0, L"STATIC", L"0", WS_CHILD | WS_BORDER | SS_CENTER | SS_CENTERIMAGE, 0, 0, 0, 0,
                                window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MOVES)), instance_, nullptr);
    if (!lbl_moves)
        return false;
    subclassControl(lbl_moves, lbl_movesProc);

    // The counter keeps its size in twips: 25 x 19 pixels at 96 dpi.
    const Resolution resolution = resolutionOf(window_);
    placeControl(lbl_moves, {kCounterLeft, kCounterTop}, {kCounterWidthInTwips, kCounterHeightInTwips}, resolution);
    movesFont_ = createBoldSansSerif(975, resolution);
    SendMessageW(lbl_moves, WM_SETFONT, reinterpret_cast<WPARAM>(movesFont_.get()), FALSE);
    return true;
}

bool BoardWindow::Form_Load(int &exitCode) {
    applyPlacement(window_, placementFor(window_, kClientWidth, kClientHeight, true));
    ensureClientSize(window_, kClientWidth, kClientHeight);

    splashShown_ = true;
    for (int i = 1; i <= Board::kSlotCount; ++i) {
        SetWindowPos(img_bird[i - 1], nullptr, slotLeft(i), slotTop(i), kSlotSize, kSlotSize,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }

    const std::wstring iconPath = windowIconPath();
    icons_ = loadWindowIcons(iconPath);
    if (!icons_) {
        reportRuntimeError(IDS_ICON_NOT_LOADED, iconPath, icons_.error);
        exitCode = 1;
        return false;
    }
    setWindowIcons(window_, icons_);

    Module1::GameActive = Module1::kFalse;
    FirstActivation = Module1::kTrue;

    if (isLargeFontsSetting(resolutionOf(window_).x)) {
        showProgramMessage(nullptr, IDS_LARGE_FONTS);
        exitCode = 0;
        return false;
    }
    return true;
}

void BoardWindow::Form_Activate() {
    if (FirstActivation == Module1::kTrue) {
        sound_.play(programFolder() + L"\\SOUND\\G0034.WAV");
    }
    FirstActivation = Module1::kFalse;
}

void BoardWindow::paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    drawBitmap(dc, background_.get(), 0, 0);
    if (splashShown_)
        drawBitmap(dc, img_splash.get(), kSplashLeft, kSplashTop);
    EndPaint(window_, &paint);
}

void BoardWindow::paintSlot(HWND slot, int index) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(slot, &paint);
    const int source = board_.source(index);
    if (source != 0) {
        drawBitmap(dc, img_source[source - 1].get(), 0, 0);
    } else {
        RECT all{0, 0, kSlotSize, kSlotSize};
        FillRect(dc, &all, GetSysColorBrush(COLOR_WINDOW));
    }
    EndPaint(slot, &paint);
}

LRESULT CALLBACK BoardWindow::slotProc(HWND slot, UINT message, WPARAM wParam, LPARAM lParam) {
    BoardWindow *self = boardOf(GetParent(slot));
    if (!self)
        return DefWindowProcW(slot, message, wParam, lParam);
    const auto id = std::find(kSlotIds.begin(), kSlotIds.end(), GetDlgCtrlID(slot));
    const int index = static_cast<int>(id - kSlotIds.begin()) + 1;
    return self->handleSlot(slot, index, message, wParam, lParam);
}

LRESULT BoardWindow::handleSlot(HWND slot, int index, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_SETCURSOR:
        // Only for the pointer resting on the slot itself: while a modal
        // window disables the board, the system's own handling applies.
        if (LOWORD(lParam) != HTCLIENT)
            break;
        SetCursor(showsBird(index) ? hand_ : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paintSlot(slot, index);
        return 0;
    case WM_LBUTTONDOWN:
        img_bird_MouseDown(index);
        return 0;
    case WM_MOUSEMOVE:
        img_bird_MouseMove(index, point);
        return 0;
    case WM_LBUTTONUP:
        img_bird_MouseUp(index, point);
        return 0;
    case WM_CAPTURECHANGED:
        pressedSlot_ = 0;
        return 0;
    case BM_CLICK:
        img_bird_Click(index);
        return 0;
    case WM_GETOBJECT:
        return answerGetObject(slot, wParam, lParam, kSlotDescription);
    }
    return DefWindowProcW(slot, message, wParam, lParam);
}

bool BoardWindow::showsBird(int index) const {
    const int source = board_.source(index);
    return source != 0 && source != Board::kEmptySource;
}

// A move is one click that begins and ends on the same bird without the
// pointer leaving it in between.
void BoardWindow::img_bird_MouseDown(int index) {
    if (!showsBird(index))
        return;
    SetCapture(img_bird[index - 1]);
    pressedSlot_ = index;
}

void BoardWindow::img_bird_MouseMove(int index, POINT point) {
    if (pressedSlot_ != index)
        return;
    RECT inside{0, 0, kSlotSize, kSlotSize};
    if (!PtInRect(&inside, point))
        ReleaseCapture(); // left the bird: the click no longer counts
}

void BoardWindow::img_bird_MouseUp(int index, POINT point) {
    if (pressedSlot_ != index)
        return;
    ReleaseCapture();
    RECT inside{0, 0, kSlotSize, kSlotSize};
    if (PtInRect(&inside, point))
        img_bird_DragDrop(index);
}

void BoardWindow::img_bird_DragDrop(int index) {
    if (!Module1::GameActive) {
        say(noGameText());
        return;
    }
    if (board_.isEmpty(index))
        return;
    const Board before = board_;
    MovePiece(board_, static_cast<std::int16_t>(index));
    showBoard();
    sayMove(before, index);
    GameWin();
}

void BoardWindow::img_bird_Click(int index) {
    // The mouse cannot reach a hidden slot, nor any slot while a modal window
    // has disabled the board.
    if (!IsWindowEnabled(window_) || !board_.isShown(index) || !showsBird(index))
        return;
    img_bird_DragDrop(index);
}

// An arrow slides the bird on the far side of the empty slot towards it, on
// the main block or the keypad (which sends VK_NUMPADn while Num Lock is
// on). Each press and each repeat of a held key makes at most one move.
void BoardWindow::Form_KeyDown(WPARAM key) {
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
        say(boardText(board_));
        return;
    case kReadCountKey:
        say(countText());
        return;
    default:
        return;
    }
    if (!Module1::GameActive)
        say(noGameText());
    else if (const int slot = slotSlidingToward(board_, arrow))
        img_bird_Click(slot);
    else
        say(noBirdText(arrow));
}

void BoardWindow::GameWin() {
    const auto verdict = verdictFor(board_);
    if (!verdict)
        return;
    showResultWindow(window_, instance_, *verdict, icons_);
    EndGame();
    say(boardDescription()); // back on the board: where the game stands
}

void BoardWindow::startGame() {
    if (splashShown_) {
        splashShown_ = false;
        const SIZE size = bitmapSize(img_splash.get());
        const RECT splash{kSplashLeft, kSplashTop, kSplashLeft + size.cx, kSplashTop + size.cy};
        InvalidateRect(window_, &splash, FALSE);
    }
    createCounter(); // should Windows refuse it, the game plays on uncounted
    InitNewGame(board_);
    showBoard();
    say(startText(board_));
}

// Touches only the slots that change (a move changes two): each window call
// is a round trip to the window server under Wine.
void BoardWindow::showBoard() {
    for (int i = 1; i <= Board::kSlotCount; ++i) {
        HWND slot = img_bird[i - 1];
        // A slot's name says which picture it shows.
        const std::wstring name = slotName(board_, i);
        wchar_t shown[16] = {};
        GetWindowTextW(slot, shown, 16);
        if (name != shown) {
            SetWindowTextW(slot, name.c_str());
            InvalidateRect(slot, nullptr, FALSE);
            tellNameChanged(slot);
        }
        const bool visible = (GetWindowLongPtrW(slot, GWL_STYLE) & WS_VISIBLE) != 0;
        if (board_.isShown(i) != visible)
            ShowWindow(slot, board_.isShown(i) ? SW_SHOWNA : SW_HIDE);
    }
    const std::wstring count(board_.counterText.begin(), board_.counterText.end());
    wchar_t counted[16] = {};
    GetWindowTextW(lbl_moves, counted, 16);
    if (count != counted) {
        SetWindowTextW(lbl_moves, count.c_str());
        tellValueChanged(lbl_moves);
    }
    ShowWindow(lbl_moves, board_.counterShown ? SW_SHOWNA : SW_HIDE);
}

void BoardWindow::say(std::wstring text) {
    spoken_->description = boardDescription();
    announce(window_, *spoken_, std::move(text));
}

void BoardWindow::sayMove(const Board &before, int index) {
    if (!board_.isEmpty(index)) {
        say(cannotMoveText(board_, index));
        return;
    }
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        if (before.isEmpty(slot))
            say(movedText(board_, index, slot));
    }
}

void BoardWindow::onCommand(int id) {
    switch (id) {
    case IDM_PUZZLE1:
        mnu_puz_Click(1);
        break;
    case IDM_PUZZLE2:
        mnu_puz_Click(2);
        break;
    case IDM_PUZZLE3:
        mnu_puz_Click(3);
        break;
    case IDM_EXIT:
        mnu_exit_Click();
        break;
    case IDM_RULES:
        mnu_rules_Click();
        break;
    case IDM_ABOUT:
        mnu_about_Click();
        break;
    }
}

void BoardWindow::mnu_puz_Click(std::int16_t puzzle) {
    Module1::PuzzleNumber = puzzle;
    startGame();
}

void BoardWindow::mnu_rules_Click() {
    Module1::HelpMode = 0;
    showHelpWindow(window_, instance_);
}

void BoardWindow::mnu_about_Click() {
    Module1::HelpMode = 1;
    showHelpWindow(window_, instance_);
}

void BoardWindow::mnu_exit_Click() { DestroyWindow(window_); }

} // namespace plumaro
