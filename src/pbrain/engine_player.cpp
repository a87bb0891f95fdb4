#include "pbrain/engine_player.h"

#include <algorithm>
#include <bit>
#include <string>

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
    return width > engine::kMaxSide || height > engine::kMaxSide
               ? "board larger than " + std::to_string(engine::kMaxSide)
               : "";
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
    engine::Position position = engine::toPosition(board, engine::ownSide(board), rule_);
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
