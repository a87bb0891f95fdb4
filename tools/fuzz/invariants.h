#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/game.h"
#include "fuzz/script_generator.h"

namespace cinq::fuzz {

// The statistics counters, StatCounts(1) first.
using StatCounts = std::array<int, Statistics::kCounters>;

// What a run has done, for its figures.
struct Tally {
    long long events = 0;  // events checked
    long long checks = 0;  // single invariant tests evaluated
    long long games = 0;   // games scored, forfeits included
    long long sets = 0;
    long long matches = 0;
    long long forfeits = 0;

    Tally& operator+=(const Tally& other);
};

// Checks, after every event, what must hold whatever the user did, from the game's model alone,
// so that any host (the replay tool, the real main window) can run it:
//
// - the model's own consistency check (board/consistency.h): slot states, the sheet's
//   rectangle, the move lists, the drawing;
// - the scores: each counter in its range, the statistics agree with the counters, each event
//   scores at most one game and the counters move exactly as one scored game makes them move,
//   a move that completes five is scored;
// - from one event to the next: points and closed marks are never lost except by a new sheet,
//   after which at most the computer's opening point stands (a menu's new sheet leaves none:
//   a new match started by its forfeit places the opening point before the sheet is cleared);
//   when a game is won by five, every point played in it is closed and until then the points
//   of the game under way lie inside its extent; only moves add points, close areas or draw;
//   events that are not moves change nothing but what they are for (the sight, the sheet's
//   extent);
// - "Annuler le coup" brings back exactly the state before the newest move of the game in
//   progress (its points, the move lists, the extent, the turn, the sight and the hover disc),
//   move by move, and is greyed out exactly when no move of the game in progress is left, that is
//   after a five, a new sheet, a forfeit or a new match until the next point; "Conseil" moves
//   the sight to a free intersection and changes nothing else;
// - an event adds at most one red point and one green point. Within one click the computer
//   places one point at most: its reply, or the opening point of the next game after player 1's
//   win, or the opening point of a new match (refused when the computer's own point won the
//   match, since ComputerHasPlayed is still set); a change of sheet inside the click (a new
//   match, no room left for the opening point) removes every earlier point first. Between two
//   players the click's point may be red too, but a red opening point then comes only after a
//   new match has cleared the sheet;
// - no read outside slots 0 to 1511;
// - the die, when the host counts its rolls: only a move against the computer rolls it, and
//   a move that wins a game for player 1 never does (the computer, as loser, only places the
//   next game's opening point, or the new match's, and runs no search after it).
class InvariantChecker {
public:
    // Checks the game after `event`; returns what failed, empty when everything holds. The
    // first call for a game (or after `newProgram`) checks the state alone. `rolls` is how many
    // times the event rolled the die, when the host counts them.
    std::vector<std::string> check(const Game& game, const Event& event,
                                   std::optional<std::size_t> rolls = std::nullopt);
    // The next call is for a new program.
    void newProgram() {
        before_.reset();
        takeBacks_.clear();
        unseenTakeBacks_ = 0;
    }

    const Tally& tally() const { return tally_; }

private:
    // What the checks compare with: the state after the previous event.
    struct Snapshot {
        const Game* game = nullptr;
        std::array<Slot, kSlotCount> cells{};
        GameState state;
        StatCounts stats{};
    };

    void checkState(const Game& game);
    void checkScores(const Game& game);
    void checkTransition(const Game& game, const Event& event);
    void checkScoring(const Game& game, const Event& event, bool cleared);
    void checkGamePoints(const Game& game, bool move, bool cleared, const std::vector<int>& added,
                         const std::string& what);
    void checkMove(const Game& game, int cell, bool cleared, int scored);
    void checkRolls(const Game& game, bool move, std::size_t rolls, const std::string& what);
    void checkTakeBack(const Game& game, const std::string& what);

    void expect(bool condition, const std::string& failure);
    Snapshot snapshot(const Game& game) const;

    std::optional<Snapshot> before_;
    std::vector<std::string> failures_;
    Tally tally_;
    int scored_ = 0;                    // games scored by the event being checked
    bool player1Scored_ = false;        // that game went to player 1
    std::optional<std::size_t> rolls_;  // the die's rolls in the event being checked
    // The points of the game under way, as the checks saw them placed: when the game is won,
    // all of them must be closed.
    std::vector<int> gamePoints_;
    // The state before each move of the game in progress, oldest first: what "Annuler le coup"
    // must bring back.
    std::vector<Snapshot> takeBacks_;
    // Below them, the moves played before the checks first looked at the game, whose states
    // they never saw.
    std::size_t unseenTakeBacks_ = 0;
};

}  // namespace cinq::fuzz
