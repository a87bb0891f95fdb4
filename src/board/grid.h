#pragma once

#include <array>

// The sheet's intersections as the game counts them. The whole game computes with the
// intersection index: 35 columns to a row, so that +1, +35, +36 and +34 step along a row, a
// column and the two diagonals. The columns at both ends of every row are never on the sheet, so
// that no line can run on from the end of one row into the next.
namespace cinq {

inline constexpr int kSlotCount = 1512;     // slots 0 to 1511
inline constexpr int kFirstGridSlot = 400;  // slots below it are parked at the window's origin
inline constexpr int kColumns = 35;         // columns 0 to 34
inline constexpr int kRows = 32;            // rows 0 to 31 (row 31 holds columns 0 to 26)

// The four directions of a line, in the order every scan tries them.
inline constexpr std::array<int, 4> kDirections{35, 1, 36, 34};

constexpr bool isSlot(int i) {
    return i >= 0 && i < kSlotCount;
}
constexpr bool isGridSlot(int i) {
    return i >= kFirstGridSlot && i < kSlotCount;
}
constexpr int rowOf(int i) {
    return (i - kFirstGridSlot) / kColumns;
}
constexpr int columnOf(int i) {
    return (i - kFirstGridSlot) % kColumns;
}
constexpr int indexOf(int row, int column) {
    return kFirstGridSlot + kColumns * row + column;
}

// The sheet is a rectangle from row 2, column 2 to a last row and a last column that the
// window's size sets; at the largest window it reaches row 21 and column 29. No point and no
// closed intersection ever lies outside that largest sheet.
inline constexpr int kFirstSheetRow = 2;
inline constexpr int kFirstSheetColumn = 2;
inline constexpr int kLastSheetRow = 21;
inline constexpr int kLastSheetColumn = 29;
inline constexpr int kFirstSheetCell = indexOf(kFirstSheetRow, kFirstSheetColumn);
inline constexpr int kLastSheetCell = indexOf(kLastSheetRow, kLastSheetColumn);
// Columns 30 to 34 of every row and 0 to 1 of the next are never on the sheet.
inline constexpr int kFirstEdgeColumn = 30;

constexpr bool inLargestSheet(int i) {
    return isGridSlot(i) && rowOf(i) >= kFirstSheetRow && rowOf(i) <= kLastSheetRow &&
           columnOf(i) >= kFirstSheetColumn && columnOf(i) <= kLastSheetColumn;
}

}  // namespace cinq
