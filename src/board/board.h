#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "board/grid.h"

namespace cinq {

enum class PointColour : std::uint8_t { Neutral, Green, Red };

// One intersection. The derived states that occur:
//   free                      playable, no mark, no point, neutral colour
//   point of the current game playable, no mark, a point in its colour
//   closed                    not playable, marked, its point (if any) kept
//   off the sheet             not playable, no mark; a point that a resize put there is kept
// A slot without a point always has the neutral colour, so a colour test alone tells whose
// point stands there.
struct Slot {
    bool playable = true;
    bool closed = false;  // the mark of an intersection inside a finished game's frame
    bool hasPoint = false;
    PointColour colour = PointColour::Neutral;
    friend bool operator==(const Slot&, const Slot&) = default;
};

// The 1512 intersection slots. Reads go through `at`, which answers for an index outside the
// slots as for an off-sheet intersection and counts the read, so that a stray index can never
// read outside the array and tests can prove it never happens.
class Board {
public:
    Board() { build(); }

    // Inline: the computer's searches read a few thousand slots a turn through it.
    const Slot& at(int i) const {
        if (isSlot(i)) [[likely]] {
            return slots_[static_cast<std::size_t>(i)];
        }
        return strayRead();
    }
    // Reads that fell outside slots 0 to 1511 since the board was made.
    int strayReads() const { return strayReads_; }

    bool isPlayable(int i) const { return at(i).playable; }
    bool isClosed(int i) const { return at(i).closed; }
    bool hasPoint(int i) const { return at(i).hasPoint; }
    PointColour colour(int i) const { return at(i).colour; }
    // A point counts for an alignment only while its intersection is playable.
    bool matches(int i, PointColour c) const {
        const Slot& s = at(i);
        return c != PointColour::Neutral && s.colour == c && s.playable;
    }
    // A move is refused on a point or a closed intersection.
    bool refusesMove(int i) const { return at(i).closed || at(i).hasPoint; }
    // Off the sheet: neither playable nor closed.
    bool isOffSheet(int i) const { return !at(i).playable && !at(i).closed; }

    void placePoint(int i, PointColour c);
    // Takes the point at i away: the slot keeps its playable flag and its mark.
    void removePoint(int i);
    void close(int i);
    // A new sheet: every slot free and playable, no mark, no point.
    void clear();

    // Makes the sheet the rectangle of rows 2 to lastRow and columns 2 to lastColumn: every slot
    // outside it is taken off the sheet and every slot inside it that is not closed is playable.
    void applySheetRectangle(int lastRow, int lastColumn);

    // The resize rule's bands: the last row of the sheet for an outer window height, and the
    // last column for an outer width (none between two bands or below the first one).
    static int lastRowFor(int outerHeight);
    static std::optional<int> lastColumnFor(int outerWidth);
    // Whether a width band of the resize rule ends the sheet at `column`.
    static bool endsABand(int column);

private:
    void build();
    const Slot& strayRead() const;

    std::array<Slot, kSlotCount> slots_{};
    mutable int strayReads_ = 0;
};

}  // namespace cinq
