#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "board/game.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level_setting.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"
#include "support/scripted_host.h"

namespace cinq::test {

// A host for scripted runs: message boxes take the queued answers (an answer that does not fit
// its box is an error of the script), the window's size and state are what the script set, and
// the options dialog can be closed with its close box.
class ReplayHost : public ScriptedHost {
public:
    Answer ask(const Message& message) override;
    void showOptions() override;

    // When set, the next options dialog opened is closed with its close box.
    bool closeOptionsWithCloseBox = false;
    OptionsModel* options = nullptr;
};

// The script's fault, reported as "error LINE: reason".
struct ScriptError {
    std::string reason;
};

// Runs a script of user events through the game's own logic, one line at a time, and prints
// the game's state on `dump`. The script format is described in docs/replay.md.
class ReplaySession {
public:
    enum class Status { Running, Ended, Error };

    explicit ReplaySession(std::ostream& out);

    // Runs one line (numbered from 1 for error messages).
    Status runLine(std::string_view line, int lineNumber);
    // Runs every line of `in` until the end, the end of the program or an error.
    Status runScript(std::istream& in);

    // The game, once `start` (or an event that implies it) has run.
    const Game* game() const { return game_ ? &*game_ : nullptr; }
    const ReplayHost& host() const { return host_; }
    const OptionsModel& options() const { return options_; }
    static int exitCode(Status status) { return status == Status::Error ? 2 : 0; }

private:
    void run(std::string_view command, std::string_view rest);
    void start();
    void startIfNeeded();
    void typeName(int box, std::string_view text);
    void setSize(int width, int height);
    void setWindowState(std::string_view state);

    std::ostream& out_;
    LevelSetting level_;
    OptionsModel options_{level_};
    Statistics statistics_;
    ReplayHost host_;
    ScriptedDie die_;
    std::optional<Game> game_;
    std::optional<Computer> computer_;
    std::size_t shownAtLastDump_ = 0;
};

}  // namespace cinq::test
