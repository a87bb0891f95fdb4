#pragma once

#include <array>

// The sheet's intersections and where they stand on the window, in twips (1/1440 inch; one pixel
// at 96 dpi is 15 twips). The whole game computes with the intersection index: 35 columns to a
// row, so that +1, +35, +36 and +34 step along a row, a column and the two diagonals. The
// columns at both ends of every row are never on the sheet, so that no line can run on from the
// end of one row into the next.
namespace cinq {

inline constexpr int kSlotCount = 1512;     // slots 0 to 1511
inline constexpr int kFirstGridSlot = 400;  // slots below it are parked at the window's origin
inline constexpr int kColumns = 35;         // columns 0 to 34
inline constexpr int kRows = 32;            // rows 0 to 31 (row 31 holds columns 0 to 26)
inline constexpr int kPitch = 360;          // twips between two grid lines
inline constexpr int kTwipsPerPixel = 15;

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

// The click target of an intersection reaches 140 twips left of and above it and 220 twips right
// of and below it. Parked slots have theirs at the window's origin.
inline constexpr int kTargetSize = 360;
inline constexpr int kTargetOffset = 140;
constexpr int targetLeft(int i) {
    return isGridSlot(i) ? kPitch * columnOf(i) - kTargetOffset : 0;
}
constexpr int targetTop(int i) {
    return isGridSlot(i) ? kPitch * rowOf(i) - kTargetOffset : 0;
}

// The grid slot whose click target holds the point (x, y) of the window's client area, or -1.
constexpr int slotAt(int x, int y) {
    const int shiftedX = x + kTargetOffset;
    const int shiftedY = y + kTargetOffset;
    if (shiftedX < 0 || shiftedY < 0) {
        return -1;
    }
    const int column = shiftedX / kPitch;
    const int row = shiftedY / kPitch;
    if (column >= kColumns || row >= kRows) {
        return -1;
    }
    const int i = indexOf(row, column);
    return isGridSlot(i) ? i : -1;
}

// Elements drawn at an intersection, as offsets from its click target's top-left corner.
struct Box {
    int left, top, width, height;
};
inline constexpr Box kPointDisc{60, 60, 170, 170};
inline constexpr Box kHoverIndicator{80, 80, 140, 140};
inline constexpr Box kSight{-40, 20, 375, 255};

// The grid lines: 48 vertical lines at x = 360·k and 32 horizontal ones at y = 360·k, each
// running from 0 to 12000.
inline constexpr int kVerticalLines = 48;
inline constexpr int kHorizontalLines = 32;
inline constexpr int kGridLineLength = 12000;

// The window's outer size that the resize rule reads: the client area below the menu bar plus
// the nominal frame of the window.
inline constexpr int kFrameWidth = 120;
inline constexpr int kFrameHeight = 690;
struct OuterSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const OuterSize&, const OuterSize&) = default;
};
inline constexpr OuterSize kDesignOuterSize{9000, 6540};    // client 8880 × 5850
inline constexpr OuterSize kLargestOuterSize{12120, 8700};  // client 12000 × 8010

}  // namespace cinq
