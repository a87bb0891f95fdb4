#pragma once

#include <array>
#include <cstdint>

// The vocabulary of the engine: sides, the content of a cell, the rules, and the shapes that a
// point makes on one line and on the four lines through it.
namespace engine {

enum class Side : std::uint8_t { Black = 0, White = 1 };

constexpr Side opponent(Side side) {
    return side == Side::Black ? Side::White : Side::Black;
}
constexpr int index(Side side) {
    return static_cast<int>(side);
}

// What a cell holds; the codes are also the two bits of a cell in a line key.
enum class Stone : std::uint8_t { Empty = 0, Black = 1, White = 2, Wall = 3 };

constexpr Stone stoneOf(Side side) {
    return side == Side::Black ? Stone::Black : Stone::White;
}

// Five or more in a row wins, or exactly five (a longer row wins nothing).
enum class Rule : std::uint8_t { Freestyle, ExactFive };

// The shape a point of one side would make on one line, weakest first. A "three" can become a
// four with one more point, an open three an open four; an open four has two points that make
// five, a four one.
enum class Pattern : std::uint8_t {
    Dead,
    One,
    OpenOne,
    Two,
    OpenTwo,
    Three,
    OpenThree,
    Four,
    OpenFour,
    Five
};
constexpr int kPatternCount = 10;

// What a point of one side would threaten over its four lines, weakest first.
enum class Threat : std::uint8_t { None, Three, ThreeThree, Four, FourThree, OpenFour, Five };
constexpr int kThreatCount = 7;

// Scores in the search: a win found at ply p scores kWin - p.
constexpr int kWin = 30000;
constexpr int kWinThreshold = kWin - 1000;
constexpr int kInfinity = kWin + 1;

constexpr bool isWin(int score) {
    return score >= kWinThreshold;
}
constexpr bool isLoss(int score) {
    return score <= -kWinThreshold;
}

// The largest board side, and the padding of walls around it that lets every line scan read five
// cells past the edge without a bounds test.
constexpr int kMaxSide = 32;
constexpr int kPad = 5;
constexpr int kStride = kMaxSide + 2 * kPad;
constexpr int kCells = kStride * kStride;
constexpr int kNoCell = -1;

// The four directions of a line, as steps between cell indices: across, down, and both diagonals.
constexpr std::array<int, 4> kDirections{1, kStride, kStride + 1, kStride - 1};

}  // namespace engine
