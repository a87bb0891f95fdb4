// Five in a row: the test after every point, the winning line, and the closing of the finished
// game's area so that later games are played around it on the same sheet.
#include "board/game.h"

namespace cinq {

namespace {
constexpr int kFive = 5;
// The winning line joins points 120 twips right of and below the click targets' corners.
constexpr int kLineOffset = 120;
// The frame of a finished game runs from 30 twips inside its top-left click target to 280
// twips inside its bottom-right one.
constexpr int kFrameNear = 30;
constexpr int kFrameFar = 280;
}  // namespace

void Game::checkFiveInRow(int i) {
    const PointColour x = board_.colour(i);
    // Every call names the player who moved last, win or not.
    if (x == PointColour::Red) {
        state_.winnerColour = kPaletteRed;
    } else if (x == PointColour::Green) {
        state_.winnerColour = kPaletteDarkGreen;
    }
    for (const int d : kDirections) {
        // Run to the first cell beyond the run through i, then count five back from there: the
        // five are those at the +d end of the run.
        int j = i;
        while (board_.matches(j, x)) {
            j += d;
        }
        int count = 0;
        while (count < kFive && board_.matches(j - d, x)) {
            j -= d;
            ++count;
        }
        if (count < kFive) {
            continue;
        }
        const int last = j + (kFive - 1) * d;
        state_.drawing.push_back({Shape::Kind::Line, targetLeft(j) + kLineOffset,
                                  targetTop(j) + kLineOffset, targetLeft(last) + kLineOffset,
                                  targetTop(last) + kLineOffset, kPaletteBlack});
        // Once closed, no cell of the game matches, so the remaining directions find nothing.
        const Extent& e = state_.extent;
        closeFinishedGame(e.top, e.left, e.bottom, e.right);
    }
}

void Game::closeFinishedGame(int top, int left, int bottom, int right) {
    forgetPlayedTurns();
    state_.drawing.push_back({Shape::Kind::Rectangle, left + kFrameNear, top + kFrameNear,
                              right + kFrameFar, bottom + kFrameFar, state_.winnerColour});
    // The frame's top-left corner: from the topmost point, walk left to the game's leftmost column.
    int& corner = state_.extent.topIndex;
    while (isGridSlot(corner) && targetLeft(corner) > left) {
        --corner;
    }
    // Close every intersection inside the frame, whatever it holds, row by row.
    // The grid's bounds only guard against an extent that no point has set.
    for (int g = corner; isGridSlot(g) && targetTop(g) < bottom + kPitch; g += kColumns) {
        for (int f = g; isGridSlot(f) && targetLeft(f) < right + kPitch; ++f) {
            board_.close(f);
        }
    }
    // The extent is cleared before the win is recorded: a win that ends the match starts the
    // next one from inside recordGameWin, and the opening point placed there belongs to the
    // next game's extent.
    state_.extent.resetBounds();
    recordGameWin();
}

}  // namespace cinq
