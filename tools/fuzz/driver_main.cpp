// cinquevole-fuzz-driver: drives the game with seeded random user events and checks its
// invariants after every event; replays and checks a script; turns a fuzzer's input into a
// script. Usage: see usage() below and the README's "Robustness" section.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/replay_run.h"

namespace {

using namespace cinq::fuzz;

void usage() {
    std::cerr << "usage: cinquevole-fuzz-driver [--seed S] [--seeds N] [--events N]\n"
                 "           [--session K] [--longest-session N] [--failure-dir DIR]\n"
                 "           [--script-dir DIR] [--quiet]\n"
                 "       cinquevole-fuzz-driver --check-script FILE\n"
                 "       cinquevole-fuzz-driver --bytes FILE [--script FILE]\n"
                 "  --events N: events per seed (default 10000); seeds S to S+N-1 (default 1)\n";
}

int reportSession(const SessionResult& result, const Tally& tally) {
    if (!result.failures.empty()) {
        std::cout << "checks failed after script line " << result.failureLine << ":\n";
        for (const std::string& f : result.failures) {
            std::cout << "  " << f << '\n';
        }
        return 1;
    }
    std::cout << "ok: " << tally.events << " events, " << tally.checks << " checks, " << tally.games
              << " games scored" << (result.ended ? ", program ended" : "") << '\n';
    return 0;
}

int checkScriptFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return 2;
    }
    InvariantChecker checker;
    const SessionResult result = checkScript(in, checker);
    return reportSession(result, checker.tally());
}

int runBytes(const std::string& path, const std::string& scriptPath) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return 2;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    ByteChoices choices(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    InvariantChecker checker;
    const SessionResult result = runSession(choices, checker, fuzzSessionLimits());
    std::vector<std::string> lines = result.script;
    lines.emplace_back("dump");
    if (scriptPath == "-" || scriptPath.empty()) {
        for (const std::string& line : lines) {
            std::cout << line << '\n';
        }
    } else {
        writeScript(scriptPath, {"from the fuzzer's input " + path}, lines);
    }
    return reportSession(result, checker.tally()) != 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    RunSettings settings;
    long long seeds = 1;
    bool quiet = false;
    std::string checkPath;
    std::string bytesPath;
    std::string scriptPath;
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        const auto value = [&]() -> const std::string& {
            if (k + 1 >= args.size()) {
                usage();
                std::exit(2);
            }
            return args[++k];
        };
        try {
            if (a == "--seed") {
                settings.seed = std::stoull(value());
            } else if (a == "--seeds") {
                seeds = std::stoll(value());
            } else if (a == "--events") {
                settings.events = std::stoll(value());
            } else if (a == "--session") {
                settings.session = std::stoll(value());
            } else if (a == "--longest-session") {
                settings.longestSession = std::max(1LL, std::stoll(value()));
            } else if (a == "--failure-dir") {
                settings.failureDirectory = value();
            } else if (a == "--script-dir") {
                settings.scriptDirectory = value();
            } else if (a == "--check-script") {
                checkPath = value();
            } else if (a == "--bytes") {
                bytesPath = value();
            } else if (a == "--script") {
                scriptPath = value();
            } else if (a == "--quiet") {
                quiet = true;
            } else {
                usage();
                return 2;
            }
        } catch (const std::exception&) {
            usage();
            return 2;
        }
    }
    if (!checkPath.empty()) {
        return checkScriptFile(checkPath);
    }
    if (!bytesPath.empty()) {
        return runBytes(bytesPath, scriptPath);
    }

    const auto start = std::chrono::steady_clock::now();
    RunResult total;
    const std::uint64_t first = settings.seed;
    for (long long s = 0; s < seeds; ++s) {
        settings.seed = first + static_cast<std::uint64_t>(s);
        const RunResult run = runSeed(settings);
        total.tally += run.tally;
        total.sessions += run.sessions;
        total.endings += run.endings;
        if (!quiet && seeds > 1) {
            std::cout << "seed " << settings.seed << ": " << run.tally.events << " events, "
                      << run.tally.games << " games, " << run.tally.sets << " sets, "
                      << run.tally.matches << " matches\n"
                      << std::flush;
        }
        if (run.failure) {
            std::cout << "FAILED at " << *run.failure;
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Tally& t = total.tally;
    std::cout << "seeds " << first << "-" << first + static_cast<std::uint64_t>(seeds) - 1 << ": "
              << t.events << " events in " << total.sessions << " programs (" << total.endings
              << " ended by the user), " << t.checks << " invariant checks, " << t.games
              << " games scored (" << t.forfeits << " given up), " << t.sets << " sets, "
              << t.matches << " matches; no failure; " << seconds << " s\n";
    return 0;
}
