#include "fuzz/replay_run.h"

#include <fstream>
#include <istream>
#include <sstream>

#include "replay/replay_session.h"

namespace cinq::fuzz {

namespace {

using replay::ScriptStatus;

// The first event of a program whose prelude did not press "OK": any event but an option
// opens the main window by itself, on a fresh sheet where nothing asks a question.
Event openingEvent(Choices& choices) {
    switch (choices.below(5)) {
        case 0: return {{"click " + std::to_string(choices.below(kSlotCount))}};
        case 1: return {{"key enter"}};
        case 2: return {{"menu nouvelle"}};
        case 3: return {{"window maximised"}};
        default: return {{"size 10000 7000"}};
    }
}

class Session {
public:
    Session(InvariantChecker& checker, SessionResult& result, const PlayerFactory& players)
        : checker_(checker), result_(result), player_(players(out_)) {
        checker_.newProgram();
    }

    // Runs one line; false when the script is at fault (reported as a failure).
    bool runLine(const std::string& line) {
        result_.script.push_back(line);
        const ScriptStatus status =
            replay::runScriptLine(*player_, line, static_cast<int>(result_.script.size()), out_);
        if (status == ScriptStatus::Error) {
            std::string error = out_.str();
            if (!error.empty() && error.back() == '\n') {
                error.pop_back();
            }
            fail({"the script was refused: " + error});
            return false;
        }
        out_.str({});
        return true;
    }

    // Runs an event and checks the game after it; false when the run must stop.
    bool runEvent(const Event& event) {
        const std::size_t rollsBefore = player_->rollsDrawn();
        for (const std::string& line : event.lines) {
            if (!runLine(line)) {
                return false;
            }
        }
        ++result_.events;
        const Game* game = player_->game();
        if (game == nullptr) {
            return true;  // the window has not opened yet
        }
        std::vector<std::string> failures =
            checker_.check(*game, event, player_->rollsDrawn() - rollsBefore);
        // Answers are queued for the event that follows them on the same or the next line.
        if (player_->queuedAnswers() != 0 && !event.action().starts_with("answer")) {
            failures.push_back(std::to_string(player_->queuedAnswers()) +
                               " queued answers left: the message boxes expected did not open");
        }
        if (checkEndings && event.ending && !game->ended()) {
            failures.push_back("'" + event.action() + "' should have ended the program");
        }
        if (checkEndings && game->ended() && !event.ending) {
            failures.push_back("the program ended after '" + event.action() + "'");
        }
        if (!failures.empty()) {
            fail(std::move(failures));
            return false;
        }
        result_.ended = game->ended();
        return !result_.ended;
    }

    const Game* game() const { return player_->game(); }

    bool checkEndings = true;

private:
    void fail(std::vector<std::string> failures) {
        result_.failures = std::move(failures);
        result_.failureLine = static_cast<int>(result_.script.size());
    }

    InvariantChecker& checker_;
    SessionResult& result_;
    std::ostringstream out_;
    std::unique_ptr<replay::ScriptPlayer> player_;
};

}  // namespace

PlayerFactory replayPlayers() {
    return [](std::ostream& out) { return std::make_unique<replay::ReplaySession>(out); };
}

SessionResult runSession(Choices& choices, InvariantChecker& checker, const SessionLimits& limits,
                         const PlayerFactory& players) {
    SessionResult result;
    Session session(checker, result, players);
    ScriptGenerator generator(choices);
    generator.longNameLength = limits.longNameLength;
    for (const std::string& line : generator.prelude()) {
        if (!session.runLine(line)) {
            return result;
        }
    }
    while (result.events < limits.events && !choices.exhausted()) {
        const Game* game = session.game();
        const Event event = game != nullptr ? generator.next(*game) : openingEvent(choices);
        if (!session.runEvent(event)) {
            break;
        }
    }
    return result;
}

SessionResult checkScript(std::istream& in, InvariantChecker& checker) {
    SessionResult result;
    Session session(checker, result, replayPlayers());
    // A script says nothing of what its events should do: an end of the program is no fault.
    session.checkEndings = false;
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') {
            result.script.push_back(line);
            continue;
        }
        if (!session.runEvent({{line}})) {
            break;
        }
    }
    return result;
}

void writeScript(const std::string& path, const std::vector<std::string>& header,
                 const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& comment : header) {
        out << "# " << comment << '\n';
    }
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

RunResult runSeed(const RunSettings& settings) {
    RunResult run;
    InvariantChecker checker;
    long long remaining = settings.events;
    for (long long k = settings.session.value_or(0); remaining > 0; ++k) {
        SeededChoices choices(sessionSeed(settings.seed, static_cast<std::uint64_t>(k)));
        const long long length = choices.between(1, static_cast<int>(settings.longestSession));
        SessionLimits limits;
        limits.events = settings.session ? remaining : std::min(length, remaining);
        limits.longNameLength = settings.longNameLength;
        const SessionResult session = runSession(choices, checker, limits, settings.players);
        ++run.sessions;
        run.endings += session.ended ? 1 : 0;
        remaining -= session.events;
        const std::string name =
            "seed" + std::to_string(settings.seed) + "-session" + std::to_string(k) + ".txt";
        if (!settings.scriptDirectory.empty()) {
            writeScript(settings.scriptDirectory + "/" + name, {}, session.script);
        }
        if (!session.failures.empty()) {
            const std::string path = settings.failureDirectory + "/cinquevole-failure-" + name;
            std::vector<std::string> header{"seed " + std::to_string(settings.seed) + " session " +
                                            std::to_string(k) + ": checks failed after line " +
                                            std::to_string(session.failureLine)};
            for (const std::string& f : session.failures) {
                header.push_back(f);
            }
            std::vector<std::string> lines = session.script;
            lines.emplace_back("dump");
            writeScript(path, header, lines);
            std::string report = "seed " + std::to_string(settings.seed) + ", session " +
                                 std::to_string(k) + ", event " + std::to_string(session.events) +
                                 " (script line " + std::to_string(session.failureLine) + "):\n";
            for (const std::string& f : session.failures) {
                report += "  " + f + '\n';
            }
            report += "script: " + path;
            report += " (cinquevole-replay < " + path;
            report += "; cinquevole-fuzz-driver --check-script " + path + ")\n";
            report += "again: " + settings.command + " --seed " + std::to_string(settings.seed);
            report += " --session " + std::to_string(k) + '\n';
            run.failure = report;
            break;
        }
        if (settings.session) {
            break;
        }
    }
    run.tally = checker.tally();
    return run;
}

}  // namespace cinq::fuzz
