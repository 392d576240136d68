// The result window in-process: what it shows for each verdict and how it
// closes.
#include <gtest/gtest.h>

#include <functional>

#include "pictures.h"
#include "program_driver.h"
#include "result_resources.h"
#include "result_window.h"

namespace plumaro {
namespace {

// Runs `inspect` on the result window once it is up, then closes it with
// the command (IDOK or IDCANCEL), all from inside its modal loop.
void showAndInspect(const Verdict &verdict, const std::function<void(HWND)> &inspect, int closeWith = IDOK) {
    static const std::function<void(HWND)> *pending = nullptr;
    static int command = IDOK;
    pending = &inspect;
    command = closeWith;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND dialog = GetActiveWindow();
        if (!dialog || !GetDlgItem(dialog, IDC_MESSAGE) || !IsWindowVisible(dialog))
            return;
        KillTimer(nullptr, id);
        (*pending)(dialog);
        SendMessageW(dialog, WM_COMMAND, command, 0);
    });
    static const WindowIcons boardIcons = loadWindowIcons(windowIconPath());
    showResultWindow(nullptr, GetModuleHandleW(nullptr), verdict, boardIcons);
    KillTimer(nullptr, timer);
}

std::vector<int> visiblePictures(HWND dialog) {
    std::vector<int> visible;
    for (int picture = 1; picture <= 4; ++picture)
        if (IsWindowVisible(GetDlgItem(dialog, kImageIds[picture - 1])))
            visible.push_back(picture);
    return visible;
}

TEST(ResultWindowTest, ShowsTheVerdictWithExactlyItsPicture) {
    const Verdict verdicts[] = {{"WELL DONE", ResultPicture::Image1},
                                {"GOOD TRY", ResultPicture::Image2},
                                {"WELL DONE", ResultPicture::Image3},
                                {"GOOD TRY", ResultPicture::Image4},
                                {"WELL DONE", ResultPicture::Image1}}; // after Image4: nothing of it left
    for (const Verdict &verdict : verdicts) {
        bool inspected = false;
        showAndInspect(verdict, [&](HWND dialog) {
            inspected = true;
            EXPECT_EQ(testing::windowText(dialog), L"Plumaro Puzzles");
            EXPECT_EQ(testing::windowText(GetDlgItem(dialog, IDC_MESSAGE)),
                      std::wstring(verdict.message.begin(), verdict.message.end()));
            EXPECT_EQ(visiblePictures(dialog), std::vector<int>{static_cast<int>(verdict.picture) + 1});
        });
        EXPECT_TRUE(inspected);
    }
}

TEST(ResultWindowTest, HasTheClientSizeOfItsPictureAndOkAsTheDefaultButton) {
    showAndInspect({"GOOD TRY", ResultPicture::Image2}, [](HWND dialog) {
        RECT client{};
        GetClientRect(dialog, &client);
        const SIZE picture = bitmapSize(loadPicture(GetModuleHandleW(nullptr), IDR_RESULT_BACKGROUND).get());
        EXPECT_EQ(client.right, picture.cx);
        EXPECT_EQ(client.bottom, picture.cy);
        EXPECT_EQ(LOWORD(SendMessageW(dialog, DM_GETDEFID, 0, 0)), IDOK);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        EXPECT_NE(SendMessageW(dialog, WM_GETICON, ICON_SMALL, 0), 0);
    });
}

TEST(ResultWindowTest, WritesTheVerdictInDarkRedStraightOntoTheSign) {
    showAndInspect({"WELL DONE", ResultPicture::Image1}, [](HWND dialog) {
        UpdateWindow(dialog);
        HDC dc = GetDC(dialog);
        int red = 0, white = 0, other = 0;
        for (int y = 96; y < 115; ++y) {
            for (int x = 30; x < 146; ++x) {
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
        {"GOOD TRY", ResultPicture::Image4}, [&](HWND) { inspected = true; }, IDCANCEL);
    EXPECT_TRUE(inspected); // and showResultWindow returned
}

} // namespace
} // namespace plumaro
