// The result window in-process: what it shows for each result and how it
// closes.
#include <gtest/gtest.h>

#include <functional>

#include "pictures.h"
#include "program_driver.h"
#include "result_geometry.h"
#include "result_resources.h"
#include "result_window.h"

namespace plumaro {
namespace {

using namespace result_geometry;

// Runs `inspect` on the result window once it is up, then closes it with
// the command (IDOK or IDCANCEL), all from inside its modal loop. A window
// that is not up within 5 s, or a message box shown instead, is ended by a
// quit, on which modal loops end.
void showAndInspect(const Result &result, const std::function<void(HWND)> &inspect, int closeWith = IDOK) {
    static const std::function<void(HWND)> *pending = nullptr;
    static int command = IDOK, waited = 0;
    pending = &inspect;
    command = closeWith;
    waited = 0;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND dialog = GetActiveWindow();
        if (!dialog || !GetDlgItem(dialog, IDC_MESSAGE) || !IsWindowVisible(dialog)) {
            if (++waited == 100)
                PostQuitMessage(0);
            return;
        }
        KillTimer(nullptr, id);
        (*pending)(dialog);
        SendMessageW(dialog, WM_COMMAND, command, 0);
    });
    static const WindowIconFile boardIcons(windowIconPath());
    showResultWindow(nullptr, GetModuleHandleW(nullptr), result, boardIcons);
    KillTimer(nullptr, timer);
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the result window never came up";
}

// Each picture on the screen as the artwork draws it, lettered for its
// result. Which words and which one picture show for each result is checked
// where the real program rates a game (tests/blackbox/play_test.cpp).
TEST(ResultWindowTest, ShowsEachResultsPictureAsTheArtworkDrawsIt) {
    const std::pair<Result, const wchar_t *> results[] = {
        {{Verdict::WellDone, ResultPicture::InJust17Moves}, L"result1.bmp"},
        {{Verdict::GoodTry, ResultPicture::FewerMoves}, L"result2.bmp"},
        {{Verdict::WellDone, ResultPicture::InJust23Moves}, L"result3.bmp"},
        {{Verdict::GoodTry, ResultPicture::EmperorWoken}, L"result4.bmp"},
        // after the last: nothing of it left
        {{Verdict::WellDone, ResultPicture::InJust17Moves}, L"result1.bmp"}};
    for (const auto &[result, artwork] : results) {
        showAndInspect(result, [&](HWND dialog) {
            EXPECT_EQ(testing::windowText(dialog), L"Plumaro Puzzles");
            RECT area{};
            GetWindowRect(GetDlgItem(dialog, kPictureControls[static_cast<std::size_t>(result.picture)]), &area);
            const auto expected = testing::pictureFile(testing::artworkFolder() / artwork).rgb;
            EXPECT_TRUE(testing::waitFor([&] { return testing::screenPixels(area).rgb == expected; }))
                << "the picture on the screen is not " << std::string(artwork, artwork + wcslen(artwork));
        });
    }
}

TEST(ResultWindowTest, HasTheClientSizeOfItsPictureAndOkAsTheDefaultButton) {
    showAndInspect({Verdict::GoodTry, ResultPicture::FewerMoves}, [](HWND dialog) {
        RECT client{};
        GetClientRect(dialog, &client);
        const SIZE picture = bitmapSize(loadPicture(GetModuleHandleW(nullptr), IDR_RESULT_BACKGROUND, 96).get());
        EXPECT_EQ(client.right, picture.cx);
        EXPECT_EQ(client.bottom, picture.cy);
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        EXPECT_NE(SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0), 0);
    });
}

// Moved to a monitor of another scale, the window takes the rectangle
// Windows suggests and its layout at that scale (sent here as Windows sends
// it: Wine gives every monitor one DPI).
TEST(ResultWindowTest, AtANewScaleTakesTheSuggestedRectangleAndItsLayoutThere) {
    showAndInspect({Verdict::GoodTry, ResultPicture::FewerMoves}, [](HWND dialog) {
        SIZE size{};
        ASSERT_TRUE(SendMessageW(dialog, WM_GETDPISCALEDSIZE, 144, reinterpret_cast<LPARAM>(&size)));
        RECT suggested{30, 40, 30 + size.cx, 40 + size.cy}, taken{}, picture{}, ok{};
        SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(dialog, &taken);
        EXPECT_TRUE(EqualRect(&taken, &suggested));
        GetWindowRect(GetDlgItem(dialog, IDC_PICTURE_FEWER_MOVES), &picture);
        EXPECT_EQ(picture.right - picture.left, kFewerMovesWidth * 3 / 2);
        GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
        EXPECT_EQ(ok.bottom - ok.top, kOkHeight * 3 / 2);
    });
}

TEST(ResultWindowTest, WritesTheVerdictInDarkRedStraightOntoTheSign) {
    showAndInspect({Verdict::WellDone, ResultPicture::InJust17Moves}, [](HWND dialog) {
        UpdateWindow(dialog);
        HDC dc = GetDC(dialog);
        int red = 0, white = 0, other = 0;
        for (int y = kMessageTop; y < kMessageTop + kMessageHeight; ++y) {
            for (int x = kMessageLeft; x < kMessageLeft + kMessageWidth; ++x) {
                const COLORREF pixel = GetPixel(dc, x, y);
                if (pixel == RGB(192, 0, 0))
                    ++red;
                else if (pixel == RGB(255, 255, 255))
                    ++white;
                else
                    ++other;
            }
        }
        ReleaseDC(dialog, dc);
        EXPECT_GT(red, 50) << "the verdict's dark red letters";
        EXPECT_GT(white, 1000) << "the sign shows through around the letters";
    });
}

TEST(ResultWindowTest, EscapeClosesItToo) {
    bool inspected = false;
    showAndInspect(
        {Verdict::GoodTry, ResultPicture::EmperorWoken}, [&](HWND) { inspected = true; }, IDCANCEL);
    EXPECT_TRUE(inspected); // and showResultWindow returned
}

} // namespace
} // namespace plumaro
