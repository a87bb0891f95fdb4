#pragma once

#include <cstdint>
#include <iosfwd>

// The engine's bench signature: a fixed set of positions, open and walled, each searched from an
// empty table under the same node limit. The total of nodes searched changes only when the way
// the engine plays changes, so a commit that means to keep play keeps the count; the time taken
// gives the speed.
namespace pbrain {

inline constexpr std::uint64_t kBenchNodes = 50000;

// Searches every position, prints a line for each and the totals, the last line being
// "Nodes searched: N". Returns that total.
std::uint64_t runBench(std::ostream& out, std::uint64_t nodesPerPosition = kBenchNodes);

}  // namespace pbrain
