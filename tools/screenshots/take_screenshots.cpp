// Plays plumaro.exe and saves the pictures of it that the README shows:
// the board at start, a game in progress (at 100 % and at 200 %), a result
// window and the help window with the rules and with the about text.
//   take_screenshots OUTPUT_FOLDER
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <utility>

#include "board_player.h"
#include "solver.h"

using namespace plumaro::testing;

namespace {

// Saves what the screen shows inside the rectangle as a 24-bit BMP file.
bool saveScreenArea(const RECT &area, const std::filesystem::path &file) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height; // bottom-up, as BMP files store rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void *pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();

    const DWORD stride = (width * 3 + 3) & ~3u;
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + stride * height;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char *>(&header), sizeof header);
    out.write(reinterpret_cast<const char *>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char *>(pixels), stride * height);

    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out.good();
}

RECT windowArea(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

RECT unionOf(RECT a, RECT b) {
    RECT both{};
    UnionRect(&both, &a, &b);
    return both;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    if (argc != 2) {
        std::fputs("usage: take_screenshots OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path output = argv[1];

    // Each picture is taken once what it shows is on the screen, whole.
    BoardPlayer player;
    moveMouseTo({5, 5});
    if (!waitFor([&] { return painted(player.board()); }))
        return 1;
    saveScreenArea(windowArea(player.board()), output / L"board-start.bmp");

    const auto saveGameInProgress = [](BoardPlayer &game, const std::filesystem::path &file) {
        game.choosePuzzle(2);
        BoardShown played = startOf(2);
        for (const int slot : {5, 4, 1, 2}) {
            game.clickSlot(slot);
            played = afterSlide(played, slot);
        }
        moveMouseTo(game.slotCentre(3));
        if (game.shownOnceItIs(played) != played || !waitFor([&] { return painted(game.board()); }))
            return false;
        return saveScreenArea(windowArea(game.board()), file);
    };
    if (!saveGameInProgress(player, output / L"board-game.bmp"))
        return 1;
    {
        // A second game, started at 200 %.
        LogPixelsSetting scale(192);
        BoardPlayer large;
        if (!saveGameInProgress(large, output / L"board-game-200.bmp"))
            return 1;
    }

    const auto clicks = solver::shortestSolution(3, solver::Slot7::Stays);
    if (!clicks)
        return 1;
    player.choosePuzzle(3);
    player.clickSlots(*clicks);
    HWND result = nullptr;
    moveMouseTo({5, 5});
    if (!waitFor([&] { return painted(result = player.resultWindow()) && painted(player.board()); }))
        return 1;
    saveScreenArea(unionOf(windowArea(player.board()), windowArea(result)), output / L"result.bmp");
    player.readAndCloseResult(VK_RETURN);

    for (const auto &[key, name] : {std::pair{WORD{'R'}, L"help-rules.bmp"}, std::pair{WORD{'A'}, L"help-about.bmp"}}) {
        HWND help = player.openHelp(key);
        if (!help)
            return 1;
        moveMouseTo({5, 5});
        if (!waitFor([&] { return painted(help); }))
            return 1;
        saveScreenArea(windowArea(help), output / name);
        pressKey(VK_ESCAPE);
        if (!waitFor([&] { return !IsWindow(help); }))
            return 1;
    }
    return 0;
}
