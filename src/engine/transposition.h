#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/types.h"

// The transposition table: what the search learned of a position, found again by its hash. One
// 16-byte entry per slot (all zero bytes: empty); a slot keeps the deeper result unless it is left
// over from an earlier search. Win and loss scores are stored as distances from the position
// itself.
namespace engine {

enum class Bound : std::uint8_t { None, Upper, Lower, Exact };

struct TableEntry {
    std::uint64_t key = 0;
    std::int16_t move = kNoCell;
    std::int16_t score = 0;
    std::int8_t depth = 0;
    Bound bound = Bound::None;
    std::uint8_t age = 0;
};

static_assert(sizeof(TableEntry) == 16);

class TranspositionTable {
public:
    explicit TranspositionTable(std::size_t bytes);

    // Empties the table (a new game), or marks its entries as left from an earlier search.
    void clear();
    void nextSearch() { ++age_; }

    const TableEntry* probe(std::uint64_t key) const;
    void store(std::uint64_t key, int move, int score, int depth, Bound bound, int ply);

    // A stored score seen from a node `ply` plies below the root.
    static int scoreFromTable(int score, int ply);
    std::size_t size() const { return mask_ + 1; }

private:
    struct Free {
        void operator()(TableEntry* entries) const { std::free(entries); }
    };
    // Zeroed memory from calloc, which the system hands out page by page as the search first
    // touches it: a large table costs nothing until it is used, and clearing it is instant.
    void allocate();

    std::unique_ptr<TableEntry, Free> entries_;
    std::size_t mask_ = 0;
    std::uint8_t age_ = 0;
};

}  // namespace engine
