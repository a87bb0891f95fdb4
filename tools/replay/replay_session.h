#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "board/game.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"
#include "replay/script_reader.h"
#include "replay/scripted_host.h"

namespace cinq::replay {

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

// Runs a script of user events through the game's own logic, one line at a time, and prints
// the game's state on `dump`. The script format is described in docs/replay.md.
class ReplaySession : public ScriptPlayer {
public:
    using Status = ScriptStatus;

    explicit ReplaySession(std::ostream& out);

    // Runs one line (numbered from 1 for error messages).
    Status runLine(std::string_view line, int lineNumber);
    // Runs every line of `in` until the end, the end of the program or an error.
    Status runScript(std::istream& in);

    // The game, once `start` (or an event that implies it) has run.
    const Game* game() const override { return game_ ? &*game_ : nullptr; }
    std::size_t queuedAnswers() const override { return host_.answers.size(); }
    std::size_t rollsDrawn() const override { return die_.drawn(); }
    const ReplayHost& host() const { return host_; }
    const OptionsModel& options() const { return options_; }
    static int exitCode(Status status) { return status == Status::Error ? 2 : 0; }

    void chooseOpponent(Opponent opponent) override { options_.chooseOpponent(opponent); }
    void chooseLevel(LevelOption level) override { options_.chooseLevel(level); }
    void typeName(int box, std::string_view text) override;
    void setRolls(std::vector<int> rolls) override { die_.setRolls(std::move(rolls)); }
    void queueAnswer(Answer answer) override { host_.answers.push_back(answer); }
    void start() override;
    void resize(int width, int height) override;
    void setWindowState(WindowState state) override;
    void click(int cell) override { game_->click(cell); }
    void press(Key key) override { game_->keyDown(key); }
    void menu(MenuCommand command, bool closeBox) override;
    void closeWindow() override { game_->closeWindow(); }
    void takeBack() override { game_->menuTakeBack(); }
    int hint() override { return game_->menuHint(); }
    std::string dump() override;

private:
    std::ostream& out_;
    LevelSetting level_;
    OptionsModel options_{level_};
    Statistics statistics_;
    ReplayHost host_;
    ScriptedDie die_;
    Computer computer_{die_, kScriptedBudget};
    std::optional<Game> game_;
    std::size_t shownAtLastDump_ = 0;
};

}  // namespace cinq::replay
