// Start-up of plumaro.exe: the board window's size, place and menu.
#include <gtest/gtest.h>

#include "tests/support/program_driver.h"

namespace plumaro::testing {
namespace {

constexpr wchar_t kBoardClass[] = L"PlumaroBoard";

TEST(StartUp, BoardWindowHasItsClientSizeAndMenuBar) {
    RunningProgram program;
    HWND board = program.waitForWindow(kBoardClass);
    ASSERT_NE(board, nullptr);

    RECT client{};
    GetClientRect(board, &client);
    EXPECT_EQ(client.right, 580);
    EXPECT_EQ(client.bottom, 467);
    EXPECT_NE(GetMenu(board), nullptr);
}

} // namespace
} // namespace plumaro::testing
