#include "pbrain/engine_player.h"

#include <algorithm>
#include <bit>

#include "engine/line_patterns.h"

namespace pbrain {
namespace {

constexpr std::size_t kDefaultTable = std::size_t{64} << 20U;
constexpr std::size_t kMinTable = std::size_t{1} << 20U;
constexpr std::size_t kMaxTable = std::size_t{1} << 30U;

}  // namespace

EnginePlayer::EnginePlayer()
    : search_(std::make_unique<engine::Search>(kDefaultTable)), tableBytes_(kDefaultTable) {
    // The tables are built now rather than inside the first move's time.
    (void)engine::LineTable::get(rule_);
    (void)engine::ThreatTable::get();
}

std::string EnginePlayer::refuseSize(int width, int height) const {
    return width > engine::kMaxSide || height > engine::kMaxSide ? "board larger than 32" : "";
}

void EnginePlayer::newGame() {
    search_->clear();
}

void EnginePlayer::configure(const Settings& settings) {
    rule_ = settings.exactFive ? engine::Rule::ExactFive : engine::Rule::Freestyle;
    (void)engine::LineTable::get(rule_);
    if (settings.maxMemory > 0) {
        // Half of what the manager allows goes to the table; the rest is the program's own.
        const auto bytes =
            std::clamp(static_cast<std::size_t>(settings.maxMemory) / 2, kMinTable, kMaxTable);
        if (std::bit_floor(bytes / sizeof(engine::TableEntry)) !=
            std::bit_floor(tableBytes_ / sizeof(engine::TableEntry))) {
            search_ = std::make_unique<engine::Search>(bytes);
            tableBytes_ = bytes;
        }
    }
}

std::pair<int, int> EnginePlayer::choose(const Board& board, const Settings& settings) {
    engine::Position position(board.width, board.height, rule_);
    int own = 0;
    int theirs = 0;
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            if (board.at(x, y) == Board::Wall)
                position.setWall(engine::Position::cell(x, y));
            own += board.at(x, y) == Board::Own ? 1 : 0;
            theirs += board.at(x, y) == Board::Opponent ? 1 : 0;
        }
    }
    // Black moves first: with as many stones on each side, the side to move is black.
    const engine::Side us = own >= theirs ? engine::Side::Black : engine::Side::White;
    for (const auto& [x, y] : board.moves) {
        const bool mine = board.at(x, y) == Board::Own;
        position.place(engine::Position::cell(x, y), mine ? us : engine::opponent(us));
    }
    position.setToMove(us);
    engine::Limits limits;
    limits.milliseconds = engine::TimeManager::moveBudget(
        settings.turnMs, settings.matchMs > 0 ? settings.leftMs : -1);
    if (settings.maxNodes > 0)
        limits.nodes = static_cast<std::uint64_t>(settings.maxNodes);
    last_ = search_->choose(position, limits);
    if (last_.move == engine::kNoCell)
        return {-1, -1};
    return {engine::Position::xOf(last_.move), engine::Position::yOf(last_.move)};
}

std::string EnginePlayer::report() const {
    return "depth " + std::to_string(last_.depth) + " score " + std::to_string(last_.score) +
           " nodes " + std::to_string(last_.nodes) + " ms " + std::to_string(last_.milliseconds) +
           " " + last_.stage;
}

}  // namespace pbrain
