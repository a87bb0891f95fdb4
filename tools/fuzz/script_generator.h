#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "board/game.h"
#include "dialogs/statistics.h"
#include "fuzz/choices.h"

namespace cinq::fuzz {

// One user event as script lines (docs/replay.md): the answers queued for the message boxes that
// the event is known to open, then the event itself.
struct Event {
    Event() = default;
    Event(std::initializer_list<std::string> eventLines) : lines(eventLines) {}

    std::vector<std::string> lines;
    // A move that completes five in a row for this side: the game must score it.
    std::optional<Side> expectedWinner;
    // The event ends the program when the game behaves (a quit, a close, a "non" to "Voulez vous
    // rejouer"): the run goes on with a new program.
    bool ending = false;

    // The event's own line, after the queued answers.
    const std::string& action() const { return lines.back(); }
};

// Writes random script lines covering everything a user can do to the game, chosen from the
// state of the game as it stands, so that any host that can replay the script (the replay tool,
// the real main window) can be driven by it. It reads the game and never changes it.
//
// The choice is biased so that games, sets and matches get played to their end: most clicks
// lengthen the longest line of the side to move or block the other side's, the rest go anywhere
// (free, taken, closed and off-sheet intersections, any slot). Message boxes whose coming is
// certain (a refused move, the question of a new sheet, the end of a match by a move that makes
// five) get their answers queued; the others (a computer's win that ends the match, the change
// of sheet of the opening point) take the host's default answer.
class ScriptGenerator {
public:
    explicit ScriptGenerator(Choices& choices) : choices_(choices) {}

    // The events before the main window opens (options, names, level, die), then "start".
    std::vector<std::string> prelude();
    // The next event for the game as it stands.
    Event next(const Game& game);

    // The longest name typed; the fuzzer may shorten it to keep its runs fast.
    int longNameLength = 10'000;

private:
    enum class Kind;

    Kind chooseKind();
    Event click(const Game& game, int cell);
    Event enter(const Game& game);
    Event sightStep(const Game& game);
    Event menuNewSheet(const Game& game);
    void queueMoveAnswers(const Game& game, int cell, Event& event);

    std::string nameLine();
    std::string nameText();
    std::string sizeLine();
    std::string rollsLine();
    std::string optionLine();

    int attackCell(const Game& game, bool forOpponent);
    int nearCell(const Game& game);
    int takenCell(const Game& game);
    int freeCell(const Game& game);

    Choices& choices_;
    // A walk of the sight toward a cell, one arrow per event, then Enter.
    std::optional<int> sightTarget_;
    int sightSteps_ = 0;
};

// The side that would win by playing `cell` now, if the game places a point there and that
// point completes five in a row; none when the move places nothing or completes nothing.
std::optional<Side> winnerOfMove(const Game& game, int cell);

}  // namespace cinq::fuzz
