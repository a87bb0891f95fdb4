#include "pbrain/bench.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace pbrain {
namespace {

std::string lastLine(const std::string& text) {
    const auto end = text.find_last_not_of('\n');
    const auto start = text.rfind('\n', end);
    return text.substr(start == std::string::npos ? 0 : start + 1, end - start);
}

// The signature is only worth keeping if the same build always prints the same count, and the
// count is what the last line says.
TEST(Bench, SameCountEveryRunAndOnTheLastLine) {
    std::ostringstream first;
    std::ostringstream second;
    const auto total = runBench(first, 2000);
    EXPECT_EQ(runBench(second, 2000), total);
    EXPECT_GT(total, 0U);
    EXPECT_EQ(lastLine(first.str()), "Nodes searched: " + std::to_string(total));
    // A larger limit searches more: the limit reaches the search.
    std::ostringstream third;
    EXPECT_GT(runBench(third, 4000), total);
}

}  // namespace
}  // namespace pbrain
