// Starting plumaro.exe as a separate process and driving it the way a user
// does: real mouse and keyboard input, reading back what the windows show.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plumaro::testing {

using namespace std::chrono_literals;

// The folder that holds the test program, plumaro.exe and its run-time files.
std::filesystem::path buildFolder();

// A fresh temporary folder that is removed, with everything in it, when the
// object goes away.
class TempFolder {
public:
    explicit TempFolder(const std::wstring &name = L"plumaro-test");
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::filesystem::path &path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Copies plumaro.exe with its run-time files into folder, as an installed
// copy the test may change. The folder's path may pass MAX_PATH.
void installProgram(const std::filesystem::path &folder);

// A file's bytes; writing them over a file.
std::string readBytes(const std::filesystem::path &file);
void writeBytes(const std::filesystem::path &file, const std::string &bytes);
// Bytes decoded in the ANSI code page, as the help window shows its files.
std::wstring fromAnsi(const std::string &bytes);

// One running plumaro.exe (or another program, with its arguments). The
// destructor ends it if it still runs, so no test leaves a process behind.
class RunningProgram {
public:
    explicit RunningProgram(const std::filesystem::path &exe = buildFolder() / L"plumaro.exe",
                            const std::wstring &arguments = L"");
    ~RunningProgram();
    RunningProgram(const RunningProgram &) = delete;
    RunningProgram &operator=(const RunningProgram &) = delete;

    DWORD processId() const { return process_.dwProcessId; }

    // The first visible top-level window of this process with the class
    // name (e.g. L"#32770" for a message box), waiting up to timeout.
    HWND waitForWindow(const std::wstring &className, std::chrono::milliseconds timeout = 5s) const;
    // Every visible top-level window of this process; with hiddenToo, also
    // those not (yet) shown.
    std::vector<HWND> windows(bool hiddenToo = false) const;

    // Waits for the process to end; true with its exit code if it did.
    bool waitForExit(DWORD &exitCode, std::chrono::milliseconds timeout = 5s) const;
    bool running() const;

    // The process's private memory in bytes (PrivateUsage, else
    // PagefileUsage), and its GDI and USER object counts: GR_GDIOBJECTS or
    // GR_USEROBJECTS. Where the system does not count them (Wine), the GDI
    // count is read from the process's own handle table, and the USER count
    // is its windows, shown or not, with their controls; 0 if neither works.
    std::size_t privateMemory() const;
    DWORD guiObjects(DWORD kind) const;

private:
    PROCESS_INFORMATION process_{};
};

// The whole text of a window of any process, however long (works for
// captions and for STATIC and EDIT controls).
std::wstring windowText(HWND window);
// The child control with the id, or nullptr.
HWND control(HWND parent, int id);
// The DPI a window of any process is shown at.
UINT dpiOfWindow(HWND window);
// The client area of a window in screen coordinates.
RECT clientRectOnScreen(HWND window);
POINT centreOf(HWND window);
// The close box on a window's caption, found the way the system finds it.
std::optional<POINT> closeBoxOf(HWND window);

// Real input through SendInput. Each event is followed by a short pause
// (30 ms for the mouse, 50 ms for keys); setInputPauses(false) shortens the
// pause after a pointer move to 15 ms and drops the others, for a test that
// waits for the program's reaction itself.
void setInputPauses(bool on);
void moveMouseTo(POINT screenPoint);
void mouseDown();
void mouseUp();
void clickAt(POINT screenPoint);
// A click where moveMouseTo last put the pointer that returns at once,
// without giving the program time to react (to time how long it takes).
void clickWithoutWaiting();
void pressKey(WORD virtualKey);
// Brings the window to the foreground so that keyboard input reaches it.
void activate(HWND window);
// Pumps this thread's messages and sleeps a little, giving the program time
// to react.
void settle(std::chrono::milliseconds time = 100ms);

// Waits until the condition holds, settling in between; false on timeout.
template <typename Condition> bool waitFor(Condition condition, std::chrono::milliseconds timeout = 3s) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        settle(20ms);
    }
    return true;
}

// A visible dialog box (a message box too) of the thread, or nullptr.
HWND dialogOf(DWORD threadId);
// True once neither the window (of any process) nor any visible child of it
// waits for WM_PAINT, and its program has finished the message it was
// handling.
bool painted(HWND window);

// What the thread that owns the window has active, focused and captured.
GUITHREADINFO threadInfoOf(HWND window);

// The program's help window, or nullptr while none is open.
HWND helpWindowOf(const RunningProgram &program);
// Opens the help window from the board with Help > Rules ('R') or
// Help > About... ('A') and waits for it to become the program's active
// window; nullptr when none does.
HWND openHelpWindow(const RunningProgram &program, HWND board, WORD key);

// Pixels as 0x00RRGGBB, row by row from the top.
struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb;
    std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};
// The pixels of a bitmap that no device context holds.
Pixels bitmapPixels(HBITMAP bitmap);
// What the screen shows in the area.
Pixels screenPixels(const RECT &area);
// What text on a plain background looks like: its ink, the pixels of an
// area unlike the area's top-left one, row by row ('#' ink, '.' none)
// within the smallest rectangle that holds them all, and where that
// rectangle lies (empty when there is no ink).
struct Ink {
    RECT box{};
    std::vector<std::string> rows;
    bool operator==(const Ink &other) const { return rows == other.rows; }
};
Ink inkOf(const Pixels &pixels, const RECT &area);
// The ink of the text as the system draws it in bold type of the face,
// `height` pixels high (the characters, not the cells), underlined if asked;
// with a width, centred on a line that wide, which cuts what does not fit.
Ink inkOfBoldText(const std::wstring &text, const wchar_t *face, int height, bool underline = false, int width = 0);
// The folder of the artwork's own pictures (GIF and BMP files).
std::filesystem::path artworkFolder(UINT dpi = 96);
// The pixels of a .bmp file; none when it cannot be read.
Pixels pictureFile(const std::filesystem::path &file);

// The pointer the screen shows now, whichever process set it.
HCURSOR cursorShown();

// Whether the tests run inside the private Wine session that
// tools/wine-session.sh starts, the only place where a test may change the
// settings of the desktop it runs on (on a developer's own machine they
// would be theirs).
bool insidePrivateWineSession();

// Skips the test that calls it unless it runs inside the private Wine session.
#define PLUMARO_ONLY_IN_PRIVATE_WINE_SESSION()                                                                         \
    if (!::plumaro::testing::insidePrivateWineSession())                                                               \
    GTEST_SKIP() << "changes this desktop's settings, so runs only inside the private Wine session "                   \
                    "(tools/wine-session.sh, as ctest starts it)"

// Sets the logical resolution that the next started program sees, and puts
// the old setting back when the object goes away.
class LogPixelsSetting {
public:
    explicit LogPixelsSetting(DWORD dpi);
    ~LogPixelsSetting();
    LogPixelsSetting(const LogPixelsSetting &) = delete;
    LogPixelsSetting &operator=(const LogPixelsSetting &) = delete;

private:
    bool hadValue_ = false;
    DWORD oldValue_ = 0;
};

// The Unix path of a file, as Wine's shell hands it to a Unix program;
// empty when not running under Wine.
std::wstring unixPathOf(const std::filesystem::path &path);

// A registry value, set for a while and then put back as it was, of
// whatever type it was.
class RegistryValue {
public:
    RegistryValue(HKEY root, const wchar_t *key, const wchar_t *name, const std::wstring &value);
    ~RegistryValue();
    RegistryValue(const RegistryValue &) = delete;
    RegistryValue &operator=(const RegistryValue &) = delete;
    explicit operator bool() const { return set_; }

private:
    HKEY root_;
    const wchar_t *key_;
    const wchar_t *name_;
    bool had_ = false;
    bool set_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> old_;
};

// Wine's shell opens web addresses with the stand-in browser beside the
// tests for as long as this lives; the browser notes each address it is
// asked to open in a file.
class StandInBrowser {
public:
    StandInBrowser();
    ~StandInBrowser();
    StandInBrowser(const StandInBrowser &) = delete;
    StandInBrowser &operator=(const StandInBrowser &) = delete;

    // False where Wine's shell cannot run it.
    explicit operator bool() const { return !path_.empty() && registered_; }
    bool openedAny() const { return std::filesystem::exists(notes_); }
    // Each address opened so far, one a line.
    std::string opened() const { return readBytes(notes_); }

private:
    std::wstring path_;
    RegistryValue registered_;
    std::filesystem::path notes_;
};

} // namespace plumaro::testing
