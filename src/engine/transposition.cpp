#include "engine/transposition.h"

#include <algorithm>
#include <bit>
#include <new>

namespace engine {

TranspositionTable::TranspositionTable(std::size_t bytes) {
    const std::size_t wanted = std::max<std::size_t>(bytes / sizeof(TableEntry), 1024);
    mask_ = std::bit_floor(wanted) - 1;
    allocate();
}

void TranspositionTable::allocate() {
    entries_.reset();
    auto* memory = static_cast<TableEntry*>(std::calloc(mask_ + 1, sizeof(TableEntry)));
    if (memory == nullptr)
        throw std::bad_alloc();
    entries_.reset(memory);
}

void TranspositionTable::clear() {
    allocate();
    age_ = 0;
}

const TableEntry* TranspositionTable::probe(std::uint64_t key) const {
    const TableEntry& entry = entries_.get()[key & mask_];
    return entry.key == key && entry.bound != Bound::None ? &entry : nullptr;
}

void TranspositionTable::store(std::uint64_t key, int move, int score, int depth, Bound bound,
                               int ply) {
    TableEntry& entry = entries_.get()[key & mask_];
    if (entry.key == key || entry.age != age_ || depth >= entry.depth) {
        if (isWin(score))
            score += ply;
        if (isLoss(score))
            score -= ply;
        if (entry.key != key || move != kNoCell)
            entry.move = static_cast<std::int16_t>(move);
        entry.key = key;
        entry.score = static_cast<std::int16_t>(score);
        entry.depth = static_cast<std::int8_t>(std::clamp(depth, -128, 127));
        entry.bound = bound;
        entry.age = age_;
    }
}

int TranspositionTable::scoreFromTable(int score, int ply) {
    if (isWin(score))
        return score - ply;
    if (isLoss(score))
        return score + ply;
    return score;
}

}  // namespace engine
