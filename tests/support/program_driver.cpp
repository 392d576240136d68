// Starting plumaro.exe as a separate process and driving it with real input.
#include "program_driver.h"

#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "program_files.h"
#include "program_folder.h"
#include "runtime_files.h"
#include "texts.h"

namespace fs = std::filesystem;

namespace plumaro::testing {

fs::path buildFolder() { return fs::path(programFolder()); }

TempFolder::TempFolder(const std::wstring &name) {
    wchar_t unique[32];
    wsprintfW(unique, L"-%lu-%lu", GetCurrentProcessId(), GetTickCount());
    static int counter = 0;
    path_ = fs::temp_directory_path() / (name + unique + std::to_wstring(++counter));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Read-only files and folders made by a test must not keep the folder.
    for (const auto &entry : fs::recursive_directory_iterator(path_, ignored))
        SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(path_, ignored);
}

void installProgram(const fs::path &folder) {
    const fs::path from = buildFolder();
    // The long form, for folders deeper than MAX_PATH allows.
    const auto longForm = [](const fs::path &path) { return longPathForm(path.wstring()); };
    std::vector<fs::path> missing;
    for (fs::path parent = folder;
         parent != parent.parent_path() && GetFileAttributesW(longForm(parent).c_str()) == INVALID_FILE_ATTRIBUTES;
         parent = parent.parent_path())
        missing.insert(missing.begin(), parent);
    std::vector<fs::path> files{L"plumaro.exe"};
    for (const auto &file : runtime_files::kAll) {
        files.emplace_back(file.name);
        for (fs::path inner = files.back().parent_path(); !inner.empty(); inner = inner.parent_path())
            missing.push_back(folder / inner);
    }
    // Each folder after the one that holds it.
    std::ranges::sort(missing, {}, [](const fs::path &path) { return path.native().size(); });
    for (const auto &made : missing)
        CreateDirectoryW(longForm(made).c_str(), nullptr);
    for (const fs::path &file : files)
        CopyFileW((from / file).c_str(), longForm(folder / file).c_str(), FALSE);
}

std::string readBytes(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path &file, const std::string &bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::wstring fromAnsi(const std::string &bytes) {
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

RunningProgram::RunningProgram(const fs::path &exe, const std::wstring &arguments) {
    // Screen coordinates and sizes in real pixels, whatever the program's
    // scale: on Windows a thread that says nothing is given them scaled.
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe.wstring() + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, exe.parent_path().c_str(),
                        &startup, &process_))
        throw std::runtime_error("cannot start " + exe.string());
    WaitForInputIdle(process_.hProcess, 5000);
}

RunningProgram::~RunningProgram() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 255);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> RunningProgram::windows(bool hiddenToo) const {
    struct Search {
        DWORD processId;
        bool hiddenToo;
        std::vector<HWND> found;
    } search{process_.dwProcessId, hiddenToo, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto &search = *reinterpret_cast<Search *>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId && (search.hiddenToo || IsWindowVisible(window)))
                search.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::waitForWindow(const std::wstring &className, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (HWND window : windows()) {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (className == name)
                return window;
        }
        settle(20ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

bool RunningProgram::waitForExit(DWORD &exitCode, std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}

bool RunningProgram::running() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }

std::size_t RunningProgram::privateMemory() const {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process_.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&counters),
                              sizeof counters))
        return 0;
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

namespace {

// Wine gives each process a GDI handle table of its own, which its PEB
// points at, and every object in use has a type there. Windows shares one
// table across the session, but there GetGuiResources answers.
struct GdiTableEntry {
    UINT64 object;
    UINT32 owner;
    UINT16 unique;
    UINT8 type;
    UINT8 flags;
    UINT64 user;
};
constexpr std::size_t kPebGdiTable = 0xF8;
constexpr std::size_t kGdiTableEntries = 0x10000;

DWORD gdiTableCount(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    UINT64 table = 0;
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<BYTE *>(basic.PebBaseAddress) + kPebGdiTable, &table, sizeof table,
                           nullptr) ||
        !table)
        return 0;
    std::vector<GdiTableEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<void *>(table), entries.data(),
                           entries.size() * sizeof(GdiTableEntry), nullptr))
        return 0;
    return static_cast<DWORD>(std::ranges::count_if(entries, [](const GdiTableEntry &entry) { return entry.type; }));
}

} // namespace

DWORD RunningProgram::guiObjects(DWORD kind) const {
    if (const DWORD counted = GetGuiResources(process_.hProcess, kind))
        return counted;
    if (kind == GR_GDIOBJECTS)
        return gdiTableCount(process_.hProcess);
    DWORD windowsAndControls = 0;
    for (HWND window : windows(true)) {
        ++windowsAndControls;
        EnumChildWindows(
            window,
            [](HWND, LPARAM count) {
                ++*reinterpret_cast<DWORD *>(count);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windowsAndControls));
    }
    return windowsAndControls;
}

std::wstring windowText(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    text.resize(copied);
    return text;
}

HWND control(HWND parent, int id) { return GetDlgItem(parent, id); }

RECT clientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

POINT centreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::optional<POINT> closeBoxOf(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const RECT client = clientRectOnScreen(window);
    const int y = (outer.top + client.top) / 2;
    for (int x = outer.right - 1; x > outer.right - 60; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
        if (hit == HTCLOSE)
            return POINT{x - 3, y};
    }
    return std::nullopt;
}

namespace {

// Where the test last put the pointer. Every mouse event carries it, so a
// late pointer event from the X server cannot send a click elsewhere.
POINT pointerTarget{};
bool inputPauses = true;

void pauseAfterInput(std::chrono::milliseconds time) {
    if (inputPauses)
        settle(time);
}

void sendMouse(DWORD buttonFlags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates are 0..65535 across the primary screen.
    input.mi.dwFlags = buttonFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    input.mi.dx = MulDiv(pointerTarget.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(pointerTarget.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    SendInput(1, &input, sizeof input);
}

} // namespace

void setInputPauses(bool on) { inputPauses = on; }

void moveMouseTo(POINT screenPoint) {
    // SetCursorPos moves the X pointer too; SendInput alone moves only Wine's
    // idea of it, which the next X pointer event puts back where it was. The
    // pixel's detour makes sure the program sees a move, even when the
    // pointer already stands on the point.
    SetCursorPos(screenPoint.x, screenPoint.y);
    // Wine's desktop process turns the X server's pointer events into input,
    // late when it is busy: an event from where the pointer stood before,
    // taken after the press that follows, took the pointer off the bird
    // between press and release, and the click was lost. Two round trips to
    // the desktop's thread let it take every event the X server sent before.
    for (int trip = 0; trip < 2; ++trip)
        SendMessageTimeoutW(GetDesktopWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    pointerTarget = {screenPoint.x + 1, screenPoint.y};
    sendMouse(0);
    pointerTarget = screenPoint;
    sendMouse(0);
    // Even without pauses, the X server's own report of the move must reach
    // the program before a button does: a press sent straight after it was
    // sometimes lost under Wine.
    settle(inputPauses ? 30ms : 15ms);
}

void mouseDown() {
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    pauseAfterInput(30ms);
}

void mouseUp() {
    sendMouse(MOUSEEVENTF_LEFTUP);
    pauseAfterInput(30ms);
}

void clickAt(POINT screenPoint) {
    moveMouseTo(screenPoint);
    mouseDown();
    mouseUp();
}

void clickWithoutWaiting() {
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
}

void pressKey(WORD virtualKey) {
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof inputs[0]);
    pauseAfterInput(50ms);
}

void activate(HWND window) {
    SetForegroundWindow(window);
    settle(50ms);
}

HWND dialogOf(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM found) {
            wchar_t name[8] = {};
            GetClassNameW(window, name, 8);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(window))
                *reinterpret_cast<HWND *>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool painted(HWND window) {
    if (!window || !IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool childWaits = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM waits) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE))
                *reinterpret_cast<bool *>(waits) = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&childWaits));
    return !childWaits && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, nullptr);
}

GUITHREADINFO threadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

HWND helpWindowOf(const RunningProgram &program) {
    for (HWND window : program.windows())
        if (windowText(window) == loadText(IDS_HELP_CAPTION))
            return window;
    return nullptr;
}

HWND openHelpWindow(const RunningProgram &program, HWND board, WORD key) {
    activate(board);
    pressKey(VK_MENU);
    pressKey('H');
    pressKey(key);
    // The window answers once it has shown its text: a megabyte takes Wine's
    // edit control two seconds to lay out, and more on a busy machine.
    HWND help = nullptr;
    waitFor(
        [&] {
            help = helpWindowOf(program);
            return help && threadInfoOf(help).hwndActive == help;
        },
        15s);
    settle(50ms);
    return help;
}

Pixels bitmapPixels(HBITMAP bitmap) {
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.bmWidth;
    info.bmiHeader.biHeight = -size.bmHeight; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Pixels pixels{size.bmWidth, size.bmHeight,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(size.bmWidth) * size.bmHeight)};
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.bmHeight), pixels.rgb.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.bmHeight)
        return {};
    for (auto &pixel : pixels.rgb)
        pixel &= 0xFFFFFF;
    return pixels;
}

Pixels screenPixels(const RECT &area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP copy = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    Pixels pixels = bitmapPixels(copy);
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Ink inkOf(const Pixels &pixels, const RECT &area) {
    Ink ink{{area.right, area.bottom, area.left, area.top}, {}};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (pixels.at(x, y) != pixels.at(area.left, area.top))
                ink.box = {std::min<LONG>(ink.box.left, x), std::min<LONG>(ink.box.top, y),
                           std::max<LONG>(ink.box.right, x + 1), std::max<LONG>(ink.box.bottom, y + 1)};
    if (IsRectEmpty(&ink.box))
        return {};
    for (int y = ink.box.top; y < ink.box.bottom; ++y) {
        ink.rows.emplace_back();
        for (int x = ink.box.left; x < ink.box.right; ++x)
            ink.rows.back() += pixels.at(x, y) != pixels.at(area.left, area.top) ? '#' : '.';
    }
    return ink;
}

Ink inkOfBoldText(const std::wstring &text, const wchar_t *face, int height, bool underline, int width) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HFONT font = CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ previousFont = SelectObject(memory, font);
    SIZE size{};
    GetTextExtentPoint32W(memory, text.c_str(), static_cast<int>(text.size()), &size);
    const RECT all{0, 0, width > 0 ? width : size.cx + 4, size.cy + 4};
    HBITMAP canvas = CreateCompatibleBitmap(screen, all.right, all.bottom);
    HGDIOBJ previousBitmap = SelectObject(memory, canvas);
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    RECT line{width > 0 ? 0 : 2, 2, all.right - (width > 0 ? 0 : 2), all.bottom - 2};
    DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &line, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(memory, previousBitmap);
    SelectObject(memory, previousFont);
    const Pixels pixels = bitmapPixels(canvas);
    DeleteObject(canvas);
    DeleteObject(font);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return inkOf(pixels, all);
}

fs::path artworkFolder(UINT dpi) { return fs::path(PLUMARO_PICTURES_DIR) / std::to_wstring(dpi); }

Pixels pictureFile(const fs::path &file) {
    const auto bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap)
        return {};
    Pixels pixels = bitmapPixels(bitmap);
    DeleteObject(bitmap);
    return pixels;
}

HCURSOR cursorShown() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

void settle(std::chrono::milliseconds time) {
    const auto deadline = std::chrono::steady_clock::now() + time;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        std::this_thread::sleep_for(5ms);
    } while (std::chrono::steady_clock::now() < deadline);
}

bool insidePrivateWineSession() {
    wchar_t marker[8] = {};
    return GetEnvironmentVariableW(L"PLUMARO_PRIVATE_WINE_SESSION", marker, 8) > 0 && marker == std::wstring(L"1");
}

namespace {
constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";
} // namespace

UINT dpiOfWindow(HWND window) {
    // Wine 8 answers for another process's window with the caller's own
    // DPI. Under Wine every monitor has the one DPI that LogPixels sets, as
    // a program reads it when it starts.
    if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
        DWORD dpi = 96, size = sizeof dpi;
        RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &dpi, &size);
        return dpi;
    }
    return GetDpiForWindow(window);
}

LogPixelsSetting::LogPixelsSetting(DWORD dpi) {
    DWORD size = sizeof oldValue_;
    hadValue_ = RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &oldValue_,
                             &size) == ERROR_SUCCESS;
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof dpi);
}

LogPixelsSetting::~LogPixelsSetting() {
    if (hadValue_)
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &oldValue_, sizeof oldValue_);
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
}

std::wstring unixPathOf(const fs::path &path) {
    using ToUnix = char *(CDECL *)(const wchar_t *);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return {};
    char *unixName = toUnix(path.c_str());
    if (!unixName)
        return {};
    std::wstring wide(MAX_PATH * 4, L'\0');
    wide.resize(static_cast<std::size_t>(
                    MultiByteToWideChar(CP_UTF8, 0, unixName, -1, wide.data(), static_cast<int>(wide.size()))) -
                1);
    HeapFree(GetProcessHeap(), 0, unixName);
    return wide;
}

RegistryValue::RegistryValue(HKEY root, const wchar_t *key, const wchar_t *name, const std::wstring &value)
    : root_(root), key_(key), name_(name) {
    constexpr DWORD kAsStored = RRF_RT_ANY | RRF_NOEXPAND;
    DWORD size = 0;
    had_ = RegGetValueW(root_, key_, name_, kAsStored, &type_, nullptr, &size) == ERROR_SUCCESS;
    if (had_) {
        old_.resize(size);
        had_ = RegGetValueW(root_, key_, name_, kAsStored, &type_, old_.data(), &size) == ERROR_SUCCESS;
        old_.resize(size);
    }
    set_ = RegSetKeyValueW(root_, key_, name_, REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

RegistryValue::~RegistryValue() {
    if (had_)
        RegSetKeyValueW(root_, key_, name_, type_, old_.data(), static_cast<DWORD>(old_.size()));
    else
        RegDeleteKeyValueW(root_, key_, name_);
}

StandInBrowser::StandInBrowser()
    : path_(unixPathOf(buildFolder() / L"fake-browser.sh")),
      registered_(HKEY_CURRENT_USER, L"Software\\Wine\\WineBrowser", L"Browsers", path_),
      notes_(buildFolder() / L"opened-addresses.txt") {
    fs::remove(notes_);
}

StandInBrowser::~StandInBrowser() { fs::remove(notes_); }

} // namespace plumaro::testing
