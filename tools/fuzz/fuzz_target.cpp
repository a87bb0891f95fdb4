// The libFuzzer target: the fuzzer's bytes choose a program's events (the same generator as the
// seeded driver), which run through the game with the invariants checked after every event. A
// failed check prints the script and aborts, so that the fuzzer keeps the input; the driver's
// "--bytes FILE --script OUT" turns that input into a replay script.
#include <cstdint>
#include <cstdlib>
#include <iostream>

#include "fuzz/replay_run.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace cinq::fuzz;
    ByteChoices choices(data, size);
    InvariantChecker checker;
    const SessionResult result = runSession(choices, checker, fuzzSessionLimits());
    if (!result.failures.empty()) {
        std::cerr << "checks failed after script line " << result.failureLine << ":\n";
        for (const std::string& f : result.failures) {
            std::cerr << "  " << f << '\n';
        }
        std::cerr << "script:\n";
        for (const std::string& line : result.script) {
            std::cerr << line << '\n';
        }
        std::abort();
    }
    return 0;
}
