// The tactical suite as a test: within a fixed node budget, the engine's whole choice of a move
// must find a first move of the win by fours in every position.
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/search.h"
#include "tactics.h"

namespace tactics {
// A failing case names its position rather than dumping its bytes.
void PrintTo(const Tactic& tactic, std::ostream* out) {
    *out << tactic.name;
}
}  // namespace tactics

namespace {

// About what a move of 100 ms searches on one core: the middle game of the benchmark searched
// 48 000 to 61 000 nodes per 100 ms of processor time (release build). A node limit rather
// than the clock keeps the test the same on a loaded machine and in a debug build.
constexpr std::uint64_t kNodeBudget = 50000;
constexpr std::size_t kTableBytes = std::size_t{16} << 20U;

std::vector<tactics::Tactic> suite() {
    try {
        return tactics::load(tactics::suiteFile());
    } catch (const std::runtime_error&) {
        return {};  // TacticalSuite.ReadsItsFile says why
    }
}

TEST(TacticalSuite, ReadsItsFile) {
    std::vector<tactics::Tactic> positions;
    ASSERT_NO_THROW(positions = tactics::load(tactics::suiteFile()));
    EXPECT_GE(positions.size(), 70U);
}

class TacticalSuite : public testing::TestWithParam<tactics::Tactic> {};

TEST_P(TacticalSuite, FindsAWinningFirstMoveWithinTheBudget) {
    const tactics::Tactic& tactic = GetParam();
    engine::Position position = tactic.position();
    ASSERT_EQ(position.toMove(), tactic.toMove);
    engine::Search search(kTableBytes);
    engine::Limits limits;
    limits.nodes = kNodeBudget;
    const engine::SearchResult result = search.choose(position, limits);
    EXPECT_TRUE(tactic.wins(result.move))
        << "answer " << engine::Position::xOf(result.move) << ","
        << engine::Position::yOf(result.move) << " (" << result.stage << ", depth " << result.depth
        << ", " << result.nodes << " nodes)";
}

INSTANTIATE_TEST_SUITE_P(Vcf, TacticalSuite, testing::ValuesIn(suite()),
                         [](const testing::TestParamInfo<tactics::Tactic>& p) {
                             std::string name = p.param.name;
                             for (char& c : name) {
                                 if (std::isalnum(static_cast<unsigned char>(c)) == 0)
                                     c = '_';
                             }
                             return name;
                         });

}  // namespace
