#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <exception>
#include <vector>

#include "position.h"

namespace cinq::bench {

// The start of a benchmark program: the benchmark library's arguments, then the recorded
// positions. False, with the reason printed, when the program cannot go on.
inline bool startBenchmarks(int& argc, char** argv, std::vector<Position>& positions) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return false;
    }
    try {
        positions = loadPositions();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
    return true;
}

}  // namespace cinq::bench
