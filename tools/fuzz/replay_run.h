#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/choices.h"
#include "fuzz/invariants.h"
#include "replay/script_reader.h"

namespace cinq::fuzz {

// Makes the player of one program's run, writing its dumps and errors to `out`: the replay
// tool's session (the real game logic with a host that answers from the script) unless the
// run says otherwise (the real windows).
using PlayerFactory = std::function<std::unique_ptr<replay::ScriptPlayer>(std::ostream& out)>;
PlayerFactory replayPlayers();

// One program's run: generated events played through a player, checked after every event.
struct SessionResult {
    std::vector<std::string> script;  // every line run, in order
    long long events = 0;
    bool ended = false;  // the program ended (quit, close, "non" to "Voulez vous rejouer")
    std::vector<std::string> failures;
    int failureLine = 0;  // the script line of the failing event
};

struct SessionLimits {
    long long events = 5'000;
    int longNameLength = 10'000;
};

// The fuzz target's limits: runs short enough for many a second; a long name stays long
// enough to be longer than any caption.
inline SessionLimits fuzzSessionLimits() {
    return {2'000, 1'000};
}

// Runs one program: the generator's prelude, then events until the limit, the end of the
// program or the end of the choices. Stops at the first event whose checks fail.
SessionResult runSession(Choices& choices, InvariantChecker& checker, const SessionLimits& limits,
                         const PlayerFactory& players = replayPlayers());

// Runs the lines of a script as they stand, each line an event, checking after every line.
SessionResult checkScript(std::istream& in, InvariantChecker& checker);

// A seeded run of many programs, one after another, each with a session seed of its own.
struct RunSettings {
    std::uint64_t seed = 1;
    long long events = 10'000;           // events of the whole run
    long long longestSession = 5'000;    // events of a program at most
    int longNameLength = 10'000;         // the longest name typed
    std::optional<long long> session;    // run this session alone
    std::string failureDirectory = ".";  // where a failing run's script is written
    std::string scriptDirectory;         // when set, every session's script is written there
    PlayerFactory players = replayPlayers();
    std::string command = "cinquevole-fuzz-driver";  // runs a seed again, in a failure's report
};

struct RunResult {
    Tally tally;
    long long sessions = 0;
    long long endings = 0;               // programs that ended by a quit, a close or a "non"
    std::optional<std::string> failure;  // what failed, where, and how to replay it
};

RunResult runSeed(const RunSettings& settings);

// Writes a script with a comment header; a failing script ends with "dump".
void writeScript(const std::string& path, const std::vector<std::string>& header,
                 const std::vector<std::string>& lines);

}  // namespace cinq::fuzz
