// The board window: its load and activation steps, painting, the click
// gesture on the slots and the menu commands.
#include "board/board_window.h"

#include <oleacc.h>

#include <string>

#include "app/resource.h"
#include "board/display_check.h"
#include "core/arrow_slide.h"
#include "core/module1.h"
#include "core/puzzle.h"
#include "help/help_window.h"
#include "result/result_window.h"
#include "win32/accessible.h"
#include "win32/controls.h"
#include "win32/messages.h"
#include "win32/pictures.h"
#include "win32/program_folder.h"
#include "win32/subclass.h"
#include "win32/window_sizing.h"

namespace plumaro {

namespace {

constexpr wchar_t kCaption[] = L"Plumaro Puzzles";
constexpr wchar_t kCannotCreate[] = L"The game window cannot be created.";
constexpr int kClientWidth = 580;
constexpr int kClientHeight = 467;

// A fixed frame: a caption with the system menu and a minimise box, no
// maximise box, no resizing border.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr int kSlotSize = 78;
constexpr POINT kSplashPosition{144, 69};
constexpr POINT kMovesPosition{390, 60};
constexpr SIZE kMovesSizeInTwips{375, 285};

// Slot i (1..9) lies in row (i-1)/3 and column (i-1)%3 of the grid, with two
// pixels between neighbours.
POINT slotPosition(int index) {
    const int row = (index - 1) / 3;
    const int column = (index - 1) % 3;
    return {134 + 80 * column, 50 + 80 * row};
}

// What a slot shows, for screen readers and UI automation.
std::wstring slotName(const Board &board, int index) {
    const int source = board.source(index);
    if (source == Board::kEmptySource)
        return L"Empty";
    if (source == 0)
        return L"No picture";
    return L"Bird " + std::to_wstring(source);
}

// Each slot is a button that slides its bird; the counter is read as
// "Moves" with the count as its value.
constexpr AccessibleDescription kSlotDescription{ROLE_SYSTEM_PUSHBUTTON, nullptr, false, L"Press"};
constexpr AccessibleDescription kMovesDescription{ROLE_SYSTEM_STATICTEXT, L"Moves", true, nullptr};

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
    HWND window = CreateWindowExW(0, kClassName, kCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, instance, instance);
    if (!window) {
        showProgramMessage(nullptr, kCannotCreate);
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
        if (HIWORD(wParam) == 0 && lParam == 0)
            onCommand(LOWORD(wParam));
        return 0;
    case WM_KEYDOWN:
        Form_KeyDown(wParam);
        return 0;
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
        img_source[k - 1] = loadPicture(instance_, IDR_BIRD1 + k - 1);
        if (!img_source[k - 1])
            return false;
    }
    if (!background_ || !img_splash)
        return false;

    hand_ = LoadCursorW(instance_, MAKEINTRESOURCEW(IDC_POINTING_HAND));

    for (int i = 1; i <= Board::kSlotCount; ++i) {
        img_bird[i - 1] =
            CreateWindowExW(0, kSlotClassName, L"No picture", WS_CHILD, 0, 0, 0, 0, window_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_SLOT1 + i - 1)), instance_, nullptr);
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
    placeControl(lbl_moves, kMovesPosition, kMovesSizeInTwips, resolution);
    movesFont_ = createBoldSansSerif(975, resolution);
    SendMessageW(lbl_moves, WM_SETFONT, reinterpret_cast<WPARAM>(movesFont_.get()), FALSE);
    return true;
}

bool BoardWindow::Form_Load(int &exitCode) {
    applyPlacement(window_, placementFor(window_, kClientWidth, kClientHeight, true));
    ensureClientSize(window_, kClientWidth, kClientHeight);

    splashShown_ = true;
    for (int i = 1; i <= Board::kSlotCount; ++i) {
        const POINT at = slotPosition(i);
        SetWindowPos(img_bird[i - 1], nullptr, at.x, at.y, kSlotSize, kSlotSize,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }

    const std::wstring iconPath = windowIconPath();
    icons_ = loadWindowIcons(iconPath);
    if (!icons_) {
        reportRuntimeError(L"the window icon cannot be loaded.", iconPath, icons_.error);
        exitCode = 1;
        return false;
    }
    setWindowIcons(window_, icons_);

    Module1::GameActive = Module1::kFalse;
    FirstActivation = Module1::kTrue;

    if (isLargeFontsSetting(resolutionOf(window_).x)) {
        showProgramMessage(nullptr, kLargeFontsMessage);
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
        drawBitmap(dc, img_splash.get(), kSplashPosition.x, kSplashPosition.y);
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
    const int index = GetDlgCtrlID(slot) - IDC_SLOT1 + 1;
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
    if (!Module1::GameActive)
        return;
    if (board_.isEmpty(index))
        return;
    MovePiece(board_, static_cast<std::int16_t>(index));
    showBoard();
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
    case VK_F1:
        mnu_rules_Click();
        return;
    default:
        return;
    }
    if (const int slot = slotSlidingToward(board_, arrow))
        img_bird_Click(slot);
}

void BoardWindow::GameWin() {
    const auto verdict = ::GameWin(board_);
    if (!verdict)
        return;
    showResultWindow(window_, instance_, *verdict, icons_);
    EndGame();
}

void BoardWindow::InitNewGame() {
    if (splashShown_) {
        splashShown_ = false;
        const RECT splash{kSplashPosition.x, kSplashPosition.y, kSplashPosition.x + 260, kSplashPosition.y + 139};
        InvalidateRect(window_, &splash, FALSE);
    }
    createCounter(); // should Windows refuse it, the game plays on uncounted
    ::InitNewGame(board_);
    showBoard();
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
        }
        const bool visible = (GetWindowLongPtrW(slot, GWL_STYLE) & WS_VISIBLE) != 0;
        if (board_.isShown(i) != visible)
            ShowWindow(slot, board_.isShown(i) ? SW_SHOWNA : SW_HIDE);
    }
    const std::wstring count(board_.counterText.begin(), board_.counterText.end());
    SetWindowTextW(lbl_moves, count.c_str());
    ShowWindow(lbl_moves, board_.counterShown ? SW_SHOWNA : SW_HIDE);
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
    InitNewGame();
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
