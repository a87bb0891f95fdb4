// window_driver: the random-event driver through the real windows, offscreen. The script
// generator's events reach the options dialog and the main window as input, message boxes and
// modal windows are answered as they appear, and the invariant checker reads the game after every
// event. A failure prints the seed, the session and the event, and writes the script. With
// --play, plays a script from a file and prints what the replay tool prints.
//
//   window_driver [--seed S] [--events N] [--session K] [--failure-dir DIR]
//   window_driver --play FILE

#include <QApplication>
#include <chrono>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "fuzz/replay_run.h"
#include "windows/qt_script_player.h"

namespace {

using namespace cinq;
using namespace cinq::fuzz;

// Events in a run by default, and in a program at the most: the sessions are shorter than the
// replay tool's, so that a run starts the program often.
constexpr long long kDefaultEvents = 20'000;
constexpr long long kLongestSession = 2'000;
// Typing a long name goes through the line edit a key at a time: a thousand characters are
// longer than any caption, and keep a run short.
constexpr int kLongNameLength = 1'000;

int usage() {
    std::cerr << "usage: window_driver [--seed S] [--events N] [--session K]\n"
                 "                                [--failure-dir DIR]\n"
                 "       window_driver --play FILE\n";
    return 2;
}

int play(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << '\n';
        return 2;
    }
    replay::QtScriptPlayer player;
    return runScriptLines(player, in, std::cout) == replay::ScriptStatus::Error ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    RunSettings settings;
    settings.events = kDefaultEvents;
    settings.longestSession = kLongestSession;
    settings.longNameLength = kLongNameLength;
    settings.command = "window_driver";
    settings.players = [](std::ostream&) -> std::unique_ptr<replay::ScriptPlayer> {
        return std::make_unique<replay::QtScriptPlayer>();
    };
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (k + 1 >= args.size()) {
            return usage();
        }
        const std::string& a = args[k];
        const std::string& value = args[++k];
        if (a == "--play") {
            return play(value);
        }
        try {
            if (a == "--seed") {
                settings.seed = std::stoull(value);
            } else if (a == "--events") {
                settings.events = std::stoll(value);
            } else if (a == "--session") {
                settings.session = std::stoll(value);
            } else if (a == "--failure-dir") {
                settings.failureDirectory = value;
            } else {
                return usage();
            }
        } catch (const std::exception&) {
            return usage();
        }
    }

    const auto start = std::chrono::steady_clock::now();
    const RunResult run = runSeed(settings);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (run.failure) {
        std::cout << "FAILED at " << *run.failure;
        return 1;
    }
    const Tally& t = run.tally;
    std::cout << "seed " << settings.seed << ": " << t.events << " events through the windows in "
              << run.sessions << " programs (" << run.endings << " ended by the user), " << t.checks
              << " invariant checks, " << t.games << " games scored (" << t.forfeits
              << " given up), " << t.sets << " sets, " << t.matches << " matches; no failure; "
              << seconds << " s\n";
    return 0;
}
