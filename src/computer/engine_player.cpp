#include "computer/engine_player.h"

#include "board/grid.h"
#include "engine/position.h"
#include "engine/search.h"

namespace cinq {

namespace {

constexpr int kWidth = EnginePlayer::kWidth;
constexpr int kHeight = EnginePlayer::kHeight;
static_assert(kWidth == kLastSheetColumn - kFirstSheetColumn + 1);
static_assert(kHeight == kLastSheetRow - kFirstSheetRow + 1);
static_assert(kWidth <= engine::kMaxSide && kHeight <= engine::kMaxSide);

// Player 1's points are black, the computer's white.
constexpr engine::Side kHuman = engine::Side::Black;
constexpr engine::Side kComputer = engine::Side::White;

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
    auto position = std::make_unique<engine::Position>(kWidth, kHeight, engine::Rule::Freestyle);
    std::bitset<EnginePlayer::kCellCount> walls;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int i = sheetCell(x, y);
            const int c = engine::Position::cell(x, y);
            if (!board.isPlayable(i)) {
                walls.set(static_cast<std::size_t>(y) * std::size_t{kWidth} +
                          static_cast<std::size_t>(x));
                position->setWall(c);
            } else if (board.hasPoint(i)) {
                position->place(c, board.colour(i) == PointColour::Red ? kComputer : kHuman);
            }
        }
    }
    position->setToMove(colour == PointColour::Red ? kComputer : kHuman);

    if (!search_) {
        search_ = std::make_unique<engine::Search>(kTableBytes);
    } else if (walls != walls_ || position->stoneCount() < stones_) {
        // A new game, or a sheet with other walls: the table's keys hold the stones only, so
        // what it learned before no longer holds.
        search_->clear();
    }
    walls_ = walls;
    stones_ = position->stoneCount();

    engine::Limits limits;
    limits.milliseconds = budget_.milliseconds;
    limits.nodes = budget_.nodes;
    const engine::SearchResult result = search_->choose(*position, limits);
    if (result.move == engine::kNoCell) {
        return -1;
    }
    return sheetCell(engine::Position::xOf(result.move), engine::Position::yOf(result.move));
}

}  // namespace cinq
