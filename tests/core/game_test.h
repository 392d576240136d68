// Shared fixture for the puzzle core tests: a fresh Module1 and helpers to build and play boards.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <vector>

#include "board.h"
#include "module1.h"
#include "puzzle.h"

// Sources of slots 1..9, 0 for a slot without a picture.
using Sources = std::array<int, Board::kSlotCount>;
using Shown = std::array<bool, Board::kSlotCount>;

inline void PrintTo(const Verdict &verdict, std::ostream *out) {
    *out << verdict.message << " / Image" << static_cast<int>(verdict.picture) + 1;
}

// The verdicts the rules hand out.
inline const Verdict kWellDone1{"WELL DONE", ResultPicture::Image1};
inline const Verdict kWellDone3{"WELL DONE", ResultPicture::Image3};
inline const Verdict kGoodTry2{"GOOD TRY", ResultPicture::Image2};
inline const Verdict kGoodTry4{"GOOD TRY", ResultPicture::Image4};

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        Module1::PuzzleNumber = 0;
        Module1::HelpMode = 0;
        Module1::MoveCount = 0;
        Module1::Slot7Moved = 0;
        Module1::GameActive = 0;
    }

    static Board newGame(std::int16_t puzzle) {
        Module1::PuzzleNumber = puzzle;
        Board board;
        InitNewGame(board);
        return board;
    }

    // A hand-made board with every slot shown.
    static Board boardShowing(const Sources &sources) {
        Board board;
        for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
            board.put(slot, sources[static_cast<std::size_t>(slot - 1)]);
            board.show(slot);
        }
        return board;
    }

    static void play(Board &board, const std::vector<std::int16_t> &clicks) {
        for (std::int16_t click : clicks)
            MovePiece(board, click);
    }

    static Sources sourcesOf(const Board &board) {
        Sources sources{};
        for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
            sources[static_cast<std::size_t>(slot - 1)] = board.source(slot);
        }
        return sources;
    }

    static Shown shownOf(const Board &board) {
        Shown shown{};
        for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
            shown[static_cast<std::size_t>(slot - 1)] = board.isShown(slot);
        }
        return shown;
    }
};
