#pragma once

#include "board/grid.h"

// Where the sheet's intersections and what is drawn at them stand on the window, in twips
// (1/1440 inch; one pixel at 96 dpi is 15 twips), and the window sizes that the resize rule
// reads.
namespace cinq {

inline constexpr int kPitch = 360;  // twips between two grid lines
inline constexpr int kTwipsPerPixel = 15;

// The click target of an intersection reaches 140 twips left of and above it and 220 twips right
// of and below it. Parked slots have theirs at the window's origin.
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
