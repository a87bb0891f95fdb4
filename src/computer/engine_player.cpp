#include "computer/engine_player.h"

#include "board/grid.h"
#include "engine/cell_board.h"
#include "engine/search.h"

namespace cinq {

namespace {

constexpr int kWidth = EnginePlayer::kWidth;
constexpr int kHeight = EnginePlayer::kHeight;
static_assert(kWidth == kLastSheetColumn - kFirstSheetColumn + 1);
static_assert(kHeight == kLastSheetRow - kFirstSheetRow + 1);
static_assert(kWidth <= engine::kMaxSide && kHeight <= engine::kMaxSide);

// The computer's points are white, player 1's black.
constexpr engine::Side kComputer = engine::Side::White;
constexpr engine::Side kHuman = engine::Side::Black;

int sheetCell(int x, int y) {
    return indexOf(y + kFirstSheetRow, x + kFirstSheetColumn);
}

}  // namespace

EnginePlayer::EnginePlayer(EngineBudget budget) : budget_(budget) {}

EnginePlayer::~EnginePlayer() = default;

int EnginePlayer::choose(const ComputerTurn& turn) {
    return choose(turn.board(), PointColour::Red);
}

int EnginePlayer::choose(const Board& board, PointColour colour) {
    engine::CellBoard cells;
    cells.reset(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int i = sheetCell(x, y);
            if (!board.isPlayable(i)) {
                cells.set(x, y, engine::CellBoard::Wall);
            } else if (board.hasPoint(i)) {
                cells.set(x, y,
                          board.colour(i) == colour ? engine::CellBoard::Own
                                                    : engine::CellBoard::Opponent);
            }
        }
    }
    engine::Position position = engine::toPosition(
        cells, colour == PointColour::Red ? kComputer : kHuman, engine::Rule::Freestyle);

    if (!search_) {
        search_ = std::make_unique<engine::Search>(kTableBytes);
    } else if (position.stoneCount() < stones_) {
        // A new game. (Other walls need no clearing: they are in the table's keys.)
        search_->clear();
    }
    stones_ = position.stoneCount();

    engine::Limits limits;
    limits.milliseconds = budget_.milliseconds;
    limits.nodes = budget_.nodes;
    const engine::SearchResult result = search_->choose(position, limits);
    if (result.move == engine::kNoCell) {
        return -1;
    }
    return sheetCell(engine::Position::xOf(result.move), engine::Position::yOf(result.move));
}

}  // namespace cinq
