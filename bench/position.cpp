#include "position.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "replay/replay_session.h"

namespace cinq::bench {

namespace {

// Stands in for the computer for one click: it keeps the game as the turn finds it.
class TurnCapture : public ComputerOpponent {
public:
    explicit TurnCapture(Position& position) : position_(position) {}

    void chooseComputerMove(ComputerTurn& turn) override {
        position_.board = turn.board();
        position_.state = game->state();
        position_.humanCount = turn.humanCount();
        captured = true;
    }

    const Game* game = nullptr;  // the game whose turn it keeps
    bool captured = false;

private:
    Position& position_;
};

bool isCommand(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    return first != std::string::npos && line[first] != '#';
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

bool sameBoard(const Board& a, const Board& b) {
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& x = a.at(i);
        const Slot& y = b.at(i);
        if (x.playable != y.playable || x.closed != y.closed || x.hasPoint != y.hasPoint ||
            x.colour != y.colour) {
            return false;
        }
    }
    return true;
}

replay::ReplaySession::Status run(replay::ReplaySession& session,
                                  const std::vector<std::string>& lines, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        const auto status = session.runLine(lines[k], static_cast<int>(k) + 1);
        if (status != replay::ReplaySession::Status::Running) {
            return status;
        }
    }
    return replay::ReplaySession::Status::Running;
}

}  // namespace

std::vector<Position> loadPositions() {
    std::vector<Position> positions;
    for (const char* name : {"early", "middle", "late", "crowded", "largest", "fallback"}) {
        positions.push_back(loadPosition(std::filesystem::path(CINQUEVOLE_BENCH_POSITIONS) /
                                         (name + std::string(".txt"))));
    }
    return positions;
}

const Position& positionNamed(const std::vector<Position>& positions, const std::string& name) {
    for (const Position& p : positions) {
        if (p.name == name) {
            return p;
        }
    }
    throw std::runtime_error("no position " + name);
}

Position loadPosition(const std::filesystem::path& script) {
    const auto fail = [&](const std::string& why) {
        throw std::runtime_error(script.string() + ": " + why);
    };
    std::ifstream in(script);
    if (!in) {
        fail("cannot read");
    }
    std::vector<std::string> lines;
    std::vector<std::size_t> commands;
    for (std::string line; std::getline(in, line);) {
        if (isCommand(line)) {
            commands.push_back(lines.size());
        }
        lines.push_back(line);
    }
    if (commands.size() < 2) {
        fail("too short");
    }
    const std::vector<std::string> click = words(lines[commands.back()]);
    std::vector<std::string> rolls = words(lines[commands[commands.size() - 2]]);
    if (click.size() != 2 || click[0] != "click" || rolls.empty() || rolls[0] != "rolls") {
        fail("a position ends with a `rolls` line and then a `click` line");
    }

    Position position;
    position.name = script.stem().string();
    for (std::size_t k = 1; k < rolls.size(); ++k) {
        position.rolls.push_back(std::stoi(rolls[k]));
    }

    // The game just before the click, from the replay tool.
    std::ostringstream out;
    replay::ReplaySession before(out);
    if (run(before, lines, commands.back()) != replay::ReplaySession::Status::Running ||
        before.game() == nullptr) {
        fail("the script does not run to its last click: " + out.str());
    }
    if (before.options().opponent() != Opponent::Computer) {
        fail("the computer is not the opponent");
    }
    position.board = before.game()->board();
    position.state = before.game()->state();
    position.size = before.host().size;
    position.windowState = before.host().state;
    position.level = before.options().levelSetting().value;

    // The click, with the computer's turn held: the game as the turn finds it.
    QuietHost host;
    host.size = position.size;
    host.state = position.windowState;
    LevelSetting level{position.level, {}};
    OptionsModel options{level};
    Statistics statistics;
    TurnCapture capture(position);
    Game game(host, options, statistics, capture);
    capture.game = &game;
    GameAccess::board(game) = position.board;
    GameAccess::state(game) = position.state;
    game.click(std::stoi(click[1]));
    if (!capture.captured) {
        fail("the last click does not give the computer a turn");
    }

    // The whole script, for the game after the turn.
    replay::ReplaySession after(out);
    if (run(after, lines, lines.size()) != replay::ReplaySession::Status::Running) {
        fail("the script does not run to its end: " + out.str());
    }
    position.boardAfter = after.game()->board();
    position.stateAfter = after.game()->state();

    // The turn measured must be the turn the replay tool plays.
    BenchGame check(position);
    check.computerTurn(position.humanCount);
    if (!sameBoard(check.game.board(), position.boardAfter)) {
        fail("the computer's turn here differs from the replay tool's");
    }
    return position;
}

void BenchGame::load(const Position& position) {
    level.value = position.level;
    die.setRolls(position.rolls.empty() ? std::vector<int>{1, 2, 3, 4, 5, 6} : position.rolls);
    restore(position);
}

}  // namespace cinq::bench
