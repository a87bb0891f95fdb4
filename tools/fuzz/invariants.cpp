#include "fuzz/invariants.h"

#include <algorithm>
#include <variant>

#include "board/consistency.h"
#include "replay/script_reader.h"

namespace cinq::fuzz {

namespace {

constexpr int kGamesPerSet = 5;
constexpr int kSetsPerMatch = 3;
constexpr std::size_t kMostFailures = 12;

// What an event line asks the game to do, as far as the checks need it.
struct Action {
    enum class Kind { Click, Enter, Arrow, NewSheet, Resize, TakeBack, Hint, Other };
    Kind kind = Kind::Other;
    int cell = -1;  // a click's intersection
    int step = 0;   // an arrow's move of the sight
};

Action parse(std::string_view line) {
    std::optional<replay::ScriptEvent> event;
    try {
        event = replay::readScriptLine(line);
    } catch (const replay::ScriptError&) {
        return {};
    }
    if (!event) {
        return {};
    }
    Action a;
    if (const auto* click = std::get_if<replay::event::Click>(&*event)) {
        a.kind = Action::Kind::Click;
        a.cell = click->cell;
    } else if (const auto* press = std::get_if<replay::event::Press>(&*event)) {
        switch (press->key) {
            case Key::Enter: a.kind = Action::Kind::Enter; break;
            case Key::Left: a = {Action::Kind::Arrow, -1, -1}; break;
            case Key::Right: a = {Action::Kind::Arrow, -1, 1}; break;
            case Key::Up: a = {Action::Kind::Arrow, -1, -kColumns}; break;
            case Key::Down: a = {Action::Kind::Arrow, -1, kColumns}; break;
            case Key::Other: break;
        }
    } else if (const auto* menu = std::get_if<replay::event::ChooseMenu>(&*event)) {
        if (menu->command == replay::MenuCommand::NewSheet) {
            a.kind = Action::Kind::NewSheet;
        }
    } else if (std::holds_alternative<replay::event::Resize>(*event) ||
               std::holds_alternative<replay::event::SetWindowState>(*event)) {
        a.kind = Action::Kind::Resize;
    } else if (std::holds_alternative<replay::event::TakeBack>(*event)) {
        a.kind = Action::Kind::TakeBack;
    } else if (std::holds_alternative<replay::event::Hint>(*event)) {
        a.kind = Action::Kind::Hint;
    }
    return a;
}

// The event's line as the failures quote it, its first 40 characters. (Appended piece by
// piece: GCC 12 at -O3 warns of a false overlap in a chain of concatenations here.)
std::string quotedAction(const Event& event) {
    std::string out = "'";
    out.append(event.action(), 0, 40);
    out += '\'';
    return out;
}

StatCounts statistics(const Game& game) {
    StatCounts out{};
    for (int k = 1; k <= Statistics::kCounters; ++k) {
        out[static_cast<std::size_t>(k - 1)] = game.statistics().count(k);
    }
    return out;
}

// Games won by a side in the statistics, at every level.
int wins(const StatCounts& stats, Side side) {
    int total = 0;
    for (const Level level : kLevels) {
        total += stats[static_cast<std::size_t>(Statistics::numberOf(side, level) - 1)];
    }
    return total;
}

}  // namespace

Tally& Tally::operator+=(const Tally& other) {
    events += other.events;
    checks += other.checks;
    games += other.games;
    sets += other.sets;
    matches += other.matches;
    forfeits += other.forfeits;
    return *this;
}

void InvariantChecker::expect(bool condition, const std::string& failure) {
    ++tally_.checks;
    // The first failures of an event say enough; the rest usually follow from them.
    if (!condition && failures_.size() < kMostFailures) {
        failures_.push_back(failure);
    }
}

InvariantChecker::Snapshot InvariantChecker::snapshot(const Game& game) const {
    Snapshot s;
    s.game = &game;
    for (int i = 0; i < kSlotCount; ++i) {
        s.cells[static_cast<std::size_t>(i)] = game.board().at(i);
    }
    s.state = game.state();
    s.stats = statistics(game);
    return s;
}

std::vector<std::string> InvariantChecker::check(const Game& game, const Event& event,
                                                 std::optional<std::size_t> rolls) {
    failures_.clear();
    scored_ = 0;
    player1Scored_ = false;
    rolls_ = rolls;
    ++tally_.events;
    if (before_ && before_->game != &game) {
        before_.reset();
    }
    if (!before_) {
        takeBacks_.clear();
        unseenTakeBacks_ = game.state().playedTurns.size();
    }
    checkState(game);
    if (before_) {
        checkTransition(game, event);
    } else {
        // The first look at a game: its open points are those of the game under way.
        gamePoints_.clear();
        for (int i = 0; i < kSlotCount; ++i) {
            if (game.board().hasPoint(i) && !game.board().isClosed(i)) {
                gamePoints_.push_back(i);
            }
        }
    }
    before_ = snapshot(game);
    return failures_;
}

void InvariantChecker::checkState(const Game& game) {
    expect(game.board().strayReads() == 0,
           std::to_string(game.board().strayReads()) + " reads of an index outside slots 0-1511");
    // What holds of the model in any correct game: slots, sheet, move lists, drawing.
    const ConsistencyReport consistency = checkConsistency(game.board(), game.state());
    tally_.checks += consistency.checks;
    for (const std::string& fault : consistency.faults) {
        if (failures_.size() < kMostFailures) {
            failures_.push_back(fault);
        }
    }
    checkScores(game);

    const GameState& s = game.state();
    expect(static_cast<std::size_t>(levelNumber(game.level())) < kLevels.size(),
           "level setting " + std::to_string(levelNumber(game.level())));
    if (before_) {
        expect(s.turnCaption1 == before_->state.turnCaption1 &&
                   s.turnCaption2 == before_->state.turnCaption2,
               "the turn captions changed after the window opened");
    }
}

void InvariantChecker::checkScores(const Game& game) {
    const GameState& s = game.state();
    // Between events a set or a match that has just been won is already cleared; only the end
    // of the program in the middle of a match's end leaves three sets standing.
    const int maxSets = game.ended() ? kSetsPerMatch : kSetsPerMatch - 1;
    expect(s.gamesPlayer1 >= 0 && s.gamesPlayer1 < kGamesPerSet && s.gamesPlayer2 >= 0 &&
               s.gamesPlayer2 < kGamesPerSet,
           "games " + std::to_string(s.gamesPlayer1) + " " + std::to_string(s.gamesPlayer2));
    expect(s.setsPlayer1 >= 0 && s.setsPlayer1 <= maxSets && s.setsPlayer2 >= 0 &&
               s.setsPlayer2 <= maxSets,
           "sets " + std::to_string(s.setsPlayer1) + " " + std::to_string(s.setsPlayer2));
    const StatCounts stats = statistics(game);
    expect(std::ranges::all_of(stats, [](int n) { return n >= 0; }), "a negative statistic");
    const int p1 = wins(stats, Side::Player1);
    const int p2 = wins(stats, Side::Player2);
    if (s.gamesPlayer1 == 0 && s.gamesPlayer2 == 0 && s.setsPlayer1 == 0 && s.setsPlayer2 == 0) {
        // Before the first game of a match the statistics still hold the last match, if any.
        expect(p1 + p2 == 0 || p1 + p2 >= kGamesPerSet * kSetsPerMatch,
               "the statistics hold " + std::to_string(p1 + p2) +
                   " games while no game of the match has been scored");
    } else {
        // The statistics count every game of the match: the sets each side won, its games in
        // the set under way, and at most four games in each set the other side won.
        const auto agrees = [](int won, int games, int sets, int otherSets) {
            const int least = games + kGamesPerSet * sets;
            return won >= least && won <= least + (kGamesPerSet - 1) * otherSets;
        };
        expect(agrees(p1, s.gamesPlayer1, s.setsPlayer1, s.setsPlayer2) &&
                   agrees(p2, s.gamesPlayer2, s.setsPlayer2, s.setsPlayer1),
               "the statistics (" + std::to_string(p1) + " and " + std::to_string(p2) +
                   " games won) disagree with the counters (games " +
                   std::to_string(s.gamesPlayer1) + " " + std::to_string(s.gamesPlayer2) +
                   ", sets " + std::to_string(s.setsPlayer1) + " " + std::to_string(s.setsPlayer2) +
                   ")");
    }
    if (s.setsPlayer1 > 0 || s.setsPlayer2 > 0) {
        expect(s.setBlockVisible, "sets were won but the set block is hidden");
    }
}

void InvariantChecker::checkTransition(const Game& game, const Event& event) {
    const Snapshot& b = *before_;
    const GameState& s = game.state();
    const Board& board = game.board();
    const Action action = parse(event.action());
    const std::string what = quotedAction(event);

    // The intersection where the event plays, if it is a move the game takes.
    std::optional<int> moveCell;
    const auto playableAndFree = [&b](int i) {
        const Slot& slot = b.cells[static_cast<std::size_t>(i)];
        return slot.playable && !slot.hasPoint;
    };
    if (action.kind == Action::Kind::Click && isSlot(action.cell) && playableAndFree(action.cell)) {
        moveCell = action.cell;
    } else if (action.kind == Action::Kind::Enter && isSlot(b.state.sightIndex) &&
               playableAndFree(b.state.sightIndex)) {
        moveCell = b.state.sightIndex;
    }
    const bool newSheet = action.kind == Action::Kind::NewSheet;
    const bool takeBack = action.kind == Action::Kind::TakeBack;

    // What changed from slot to slot, and what stands now.
    int lost = 0;
    int opened = 0;
    int newGreen = 0;
    int newRed = 0;
    int newClosed = 0;
    int playableChanged = 0;
    int points = 0;
    int greenPoints = 0;
    int closed = 0;
    std::vector<int> added;
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& was = b.cells[static_cast<std::size_t>(i)];
        const Slot& is = board.at(i);
        lost += was.hasPoint && (!is.hasPoint || is.colour != was.colour) ? 1 : 0;
        opened += was.closed && !is.closed ? 1 : 0;
        if (is.hasPoint && !was.hasPoint) {
            (is.colour == PointColour::Green ? newGreen : newRed) += 1;
            added.push_back(i);
        }
        newClosed += is.closed && !was.closed ? 1 : 0;
        playableChanged += is.playable != was.playable ? 1 : 0;
        points += is.hasPoint ? 1 : 0;
        greenPoints += is.hasPoint && is.colour == PointColour::Green ? 1 : 0;
        closed += is.closed ? 1 : 0;
    }
    const std::vector<Shape>& drawingBefore = b.state.drawing;
    const bool drawingKept =
        s.drawing.size() >= drawingBefore.size() &&
        std::equal(drawingBefore.begin(), drawingBefore.end(), s.drawing.begin());
    // Taking back a move takes its points away, and nothing else (checkTakeBack).
    const bool cleared = !takeBack && (lost > 0 || opened > 0 || !drawingKept);
    if (takeBack) {
        expect(lost <= 2 && opened == 0 && drawingKept, what + " took " + std::to_string(lost) +
                                                            " points, " + std::to_string(opened) +
                                                            " closed marks or drawings away");
    }

    if (cleared) {
        // Only a new sheet takes points, closed marks and drawings away, all of them at once;
        // on the new sheet stands at most the computer's opening point.
        expect(moveCell || newSheet,
               what + " took points, closed marks or drawings away without a new sheet");
        expect(closed == 0 && s.drawing.empty(),
               "after a new sheet " + std::to_string(closed) + " slots are closed and " +
                   std::to_string(s.drawing.size()) + " shapes drawn");
        expect(greenPoints == 0 && points <= (newSheet ? 0 : 1),
               "after a new sheet by " + what + " " + std::to_string(points) + " points stand (" +
                   std::to_string(greenPoints) + " green)");
    } else {
        expect(newGreen <= 1 && newRed <= 1, what + " added " + std::to_string(newGreen) +
                                                 " green and " + std::to_string(newRed) +
                                                 " red points");
        if (!moveCell) {
            expect(newGreen + newRed + newClosed == 0 && s.drawing.size() == drawingBefore.size(),
                   what + " is not a move but added points, closed slots or drawings");
        } else {
            expect(s.drawing.size() == drawingBefore.size() + (newClosed > 0 ? 2 : 0),
                   what + " closed " + std::to_string(newClosed) + " slots and drew " +
                       std::to_string(s.drawing.size() - drawingBefore.size()) + " shapes");
        }
    }
    if (!moveCell && !newSheet && action.kind != Action::Kind::Resize) {
        expect(playableChanged == 0, what + " changed which slots are playable");
    }

    checkScoring(game, event, cleared);
    if (takeBack) {
        std::erase_if(gamePoints_, [&board](int cell) { return !board.hasPoint(cell); });
    }
    checkGamePoints(game, moveCell.has_value(), cleared, added, what);
    if (rolls_) {
        checkRolls(game, moveCell.has_value(), *rolls_, what);
    }
    if (moveCell && !game.ended()) {
        checkMove(game, *moveCell, cleared, scored_);
    }

    // The sight moves only with the arrow keys, one step, never off the sheet; a hint puts it on
    // a free intersection; taking back a move brings it back where it stood before the move.
    if (action.kind == Action::Kind::Hint && s.sightIndex != b.state.sightIndex) {
        expect(board.isPlayable(s.sightIndex) && !board.hasPoint(s.sightIndex),
               what + " moved the sight to " + slotText(s.sightIndex) + ", which is not free");
    } else if (takeBack) {
        // checkTakeBack
    } else if (action.kind == Action::Kind::Arrow && s.sightIndex != b.state.sightIndex) {
        expect(s.sightIndex == b.state.sightIndex + action.step && !board.isOffSheet(s.sightIndex),
               what + " moved the sight from " + std::to_string(b.state.sightIndex) + " to " +
                   std::to_string(s.sightIndex));
    } else {
        expect(s.sightIndex == b.state.sightIndex, what + " moved the sight");
    }
    if (action.kind != Action::Kind::Resize && !moveCell && !newSheet) {
        expect(s.lastColumn == b.state.lastColumn, what + " changed the sheet's last column");
    }

    if (takeBack) {
        checkTakeBack(game, what);
    } else if (moveCell && !game.ended()) {
        // A move is recorded when it places points in a game that goes on; a game that ends (or
        // a new game started by a move after a win between two players) records nothing.
        const bool gameEnded =
            scored_ > 0 || cleared ||
            (game.options().opponent() == Opponent::Computer && b.state.gameOver);
        if (gameEnded) {
            takeBacks_.clear();
            unseenTakeBacks_ = 0;
        } else if (!added.empty()) {
            takeBacks_.push_back(b);
        }
    } else if (cleared) {
        takeBacks_.clear();
        unseenTakeBacks_ = 0;
    }
    const std::size_t moves = takeBacks_.size() + unseenTakeBacks_;
    expect(game.canTakeBack() == (!game.ended() && moves > 0),
           std::string("after ") + what + " \"Annuler le coup\" is " +
               (game.canTakeBack() ? "active" : "greyed out") + " with " + std::to_string(moves) +
               " moves played in the game in progress");

    // Events that are not moves leave the game as it was.
    if (!moveCell && !newSheet && !takeBack) {
        const GameState& w = b.state;
        expect(s.turn == w.turn && s.status == w.status &&
                   s.humanMoves.entries() == w.humanMoves.entries() &&
                   s.computerMoves.entries() == w.computerMoves.entries() &&
                   s.computerMoveCount == w.computerMoveCount &&
                   s.lastComputerPoint == w.lastComputerPoint &&
                   s.computerHasPlayed == w.computerHasPlayed && s.gameOver == w.gameOver &&
                   s.noComputerPointYet == w.noComputerPointYet &&
                   s.winnerColour == w.winnerColour && s.extent.top == w.extent.top &&
                   s.extent.left == w.extent.left && s.extent.bottom == w.extent.bottom &&
                   s.extent.right == w.extent.right && s.extent.topIndex == w.extent.topIndex &&
                   s.extent.leftIndex == w.extent.leftIndex &&
                   s.extent.bottomIndex == w.extent.bottomIndex &&
                   s.extent.rightIndex == w.extent.rightIndex,
               what + " is not a move but changed the game's state");
    }
}

void InvariantChecker::checkTakeBack(const Game& game, const std::string& what) {
    const Snapshot& b = *before_;
    const GameState& s = game.state();
    const Board& board = game.board();
    if (takeBacks_.empty() && unseenTakeBacks_ > 0) {
        // A move played before the checks first looked: only that it took points away.
        --unseenTakeBacks_;
        return;
    }
    if (takeBacks_.empty()) {
        bool same = true;
        for (int i = 0; i < kSlotCount; ++i) {
            same = same && board.at(i) == b.cells[static_cast<std::size_t>(i)];
        }
        expect(same && s == b.state, what + " had nothing to take back but changed the game");
        return;
    }
    // The state before the move, but for what other events may have changed since: which
    // intersections are on the sheet (a resize).
    const Snapshot& w = takeBacks_.back();
    std::vector<int> wrong;
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& is = board.at(i);
        const Slot& was = w.cells[static_cast<std::size_t>(i)];
        if (is.hasPoint != was.hasPoint || is.colour != was.colour || is.closed != was.closed) {
            wrong.push_back(i);
        }
    }
    expect(wrong.empty(), what + " left the intersections " + cellsText(wrong) +
                              " otherwise than before the move");
    const GameState& v = w.state;
    expect(s.turn == v.turn && s.status == v.status, what + " did not give the turn back");
    expect(s.humanMoves == v.humanMoves && s.computerMoves == v.computerMoves &&
               s.computerMoveCount == v.computerMoveCount &&
               s.lastComputerPoint == v.lastComputerPoint,
           what + " left the move lists " + cellsText(s.humanMoves.entries()) + " and " +
               cellsText(s.computerMoves.entries()) + " instead of " +
               cellsText(v.humanMoves.entries()) + " and " + cellsText(v.computerMoves.entries()));
    expect(s.extent == v.extent, what + " did not bring the game's extent back");
    expect(s.computerHasPlayed == v.computerHasPlayed && s.gameOver == v.gameOver &&
               s.noComputerPointYet == v.noComputerPointYet && s.winnerColour == v.winnerColour,
           what + " did not bring the game's flags back");
    expect(s.sightIndex == v.sightIndex && s.hoverIndex == v.hoverIndex,
           what + " left the sight on " + std::to_string(s.sightIndex) + " and the hover disc on " +
               std::to_string(s.hoverIndex) + " instead of " + std::to_string(v.sightIndex) +
               " and " + std::to_string(v.hoverIndex));
    expect(s.drawing == v.drawing && s.playedTurns == v.playedTurns,
           what + " did not bring back the drawing or the moves to take back");
    takeBacks_.pop_back();
}

void InvariantChecker::checkGamePoints(const Game& game, bool move, bool cleared,
                                       const std::vector<int>& added, const std::string& what) {
    const Board& board = game.board();
    if (cleared) {
        // A new game on a new sheet: at most the computer's opening point stands.
        gamePoints_.clear();
        for (int i = 0; i < kSlotCount; ++i) {
            if (board.hasPoint(i)) {
                gamePoints_.push_back(i);
            }
        }
        return;
    }
    if (move && scored_ > 0) {
        // A game won by five: every point played in it lies inside its frame, closed. Only the
        // computer's opening point of the next game, placed after the win, stays open.
        std::vector<int> open;
        std::vector<int> played = gamePoints_;
        played.insert(played.end(), added.begin(), added.end());
        for (const int cell : played) {
            if (!board.isClosed(cell)) {
                open.push_back(cell);
            }
        }
        const bool onlyTheOpening =
            open.empty() || (open.size() == 1 && board.colour(open[0]) == PointColour::Red &&
                             game.state().computerMoves.entries() == open);
        expect(onlyTheOpening, "after the game won by " + what + " its points " + cellsText(open) +
                                   " are still open");
        gamePoints_ = onlyTheOpening ? open : std::vector<int>{};
        return;
    }
    if (move && game.options().opponent() == Opponent::Computer && before_->state.gameOver) {
        // The first move against the computer after a game won between two players starts the
        // next game with the computer's opening point; the points played since that win,
        // player 1's point of this click included, belong to no game.
        gamePoints_.clear();
        for (const int cell : added) {
            if (board.colour(cell) == PointColour::Red) {
                gamePoints_.push_back(cell);
            }
        }
        return;
    }
    gamePoints_.insert(gamePoints_.end(), added.begin(), added.end());
    // The game's extent holds all its points.
    const Extent& e = game.state().extent;
    for (const int cell : gamePoints_) {
        if (!board.isClosed(cell)) {
            expect(targetTop(cell) >= e.top && targetTop(cell) <= e.bottom &&
                       targetLeft(cell) >= e.left && targetLeft(cell) <= e.right,
                   "the game's point at " + slotText(cell) + " lies outside its extent");
        }
    }
}

void InvariantChecker::checkScoring(const Game& game, const Event& event, bool cleared) {
    const Snapshot& b = *before_;
    const GameState& s = game.state();
    const StatCounts stats = statistics(game);
    const std::string what = quotedAction(event);

    // A scored game adds one to one statistics counter, the winner's at the level setting in
    // force; the first game of a match clears the others first.
    const GameState& w = b.state;
    const bool firstOfMatch =
        w.gamesPlayer1 == 0 && w.gamesPlayer2 == 0 && w.setsPlayer1 == 0 && w.setsPlayer2 == 0;
    // The statistics counter that the event added to, -1 for none. (Plain integers rather
    // than optionals: GCC's -O2 warns of optionals it thinks uninitialised.)
    int counter = -1;
    if (stats != b.stats) {
        for (std::size_t k = 0; k < stats.size(); ++k) {
            const int base = firstOfMatch ? 0 : b.stats[k];
            if (stats[k] == base + 1 && counter < 0) {
                counter = static_cast<int>(k);
            } else if (stats[k] != base) {
                counter = -1;
                break;
            }
        }
        expect(counter >= 0,
               what + " changed the statistics in a way no single scored game explains");
        if (counter < 0) {
            return;
        }
    }
    scored_ = counter >= 0 ? 1 : 0;
    const Side winner = counter % 2 == 0 ? Side::Player1 : Side::Player2;
    player1Scored_ = scored_ > 0 && winner == Side::Player1;
    if (scored_ > 0) {
        expect(counter / 2 == levelNumber(game.level()),
               "a game was counted at level setting " + std::to_string(counter / 2) +
                   " while the setting is " + std::to_string(levelNumber(game.level())));
        const Action action = parse(event.action());
        expect(action.kind == Action::Kind::Click || action.kind == Action::Kind::Enter ||
                   action.kind == Action::Kind::NewSheet,
               what + " scored a game");
        if (action.kind == Action::Kind::NewSheet) {
            expect(winner == Side::Player2, "a new sheet gave the game to player 1");
            ++tally_.forfeits;
        }
        // A game won by five in a row is closed and framed in the same event, unless a new
        // sheet followed at once.
        if (action.kind != Action::Kind::NewSheet && !cleared) {
            const std::vector<Shape>& drawing = s.drawing;
            expect(
                !drawing.empty() && drawing.back().colour ==
                                        (winner == Side::Player1 ? kPaletteDarkGreen : kPaletteRed),
                "a game won by five was not framed in the winner's colour");
        }
    }
    if (event.expectedWinner) {
        expect(scored_ > 0 && winner == *event.expectedWinner,
               what + " completes five (or gives up the game) but " +
                   (scored_ > 0 ? "the other side" : "no game") + " was scored");
    }

    // The counters move as one scored game makes them move.
    int games1 = w.gamesPlayer1;
    int games2 = w.gamesPlayer2;
    int sets1 = w.setsPlayer1;
    int sets2 = w.setsPlayer2;
    bool setWon = false;
    bool matchWon = false;
    if (scored_ > 0) {
        const bool one = winner == Side::Player1;
        int& games = one ? games1 : games2;
        int& sets = one ? sets1 : sets2;
        if (++games == kGamesPerSet) {
            setWon = true;
            games1 = games2 = 0;
            if (++sets == kSetsPerMatch) {
                matchWon = true;
                // "Oui" to "Voulez vous rejouer" starts a new match; "Non" ends the program
                // with the match standing.
                if (!game.ended()) {
                    sets1 = sets2 = 0;
                }
            }
        }
    }
    expect(s.gamesPlayer1 == games1 && s.gamesPlayer2 == games2 && s.setsPlayer1 == sets1 &&
               s.setsPlayer2 == sets2,
           what + ": games " + std::to_string(w.gamesPlayer1) + "-" +
               std::to_string(w.gamesPlayer2) + " sets " + std::to_string(w.setsPlayer1) + "-" +
               std::to_string(w.setsPlayer2) + " became games " + std::to_string(s.gamesPlayer1) +
               "-" + std::to_string(s.gamesPlayer2) + " sets " + std::to_string(s.setsPlayer1) +
               "-" + std::to_string(s.setsPlayer2) + ", expected games " + std::to_string(games1) +
               "-" + std::to_string(games2) + " sets " + std::to_string(sets1) + "-" +
               std::to_string(sets2));
    expect(s.setBlockVisible == (w.setBlockVisible || setWon),
           "the set block's visibility changed without a set being won");
    tally_.games += scored_;
    tally_.sets += setWon ? 1 : 0;
    tally_.matches += matchWon ? 1 : 0;
}

void InvariantChecker::checkRolls(const Game& game, bool move, std::size_t rolls,
                                  const std::string& what) {
    if (rolls == 0) {
        return;
    }
    const std::string count = " rolled the die " + std::to_string(rolls) + " times";
    expect(move, what + " is not a move but" + count);
    expect(game.options().opponent() == Opponent::Computer,
           what + " is a move between two players but" + count);
    expect(!player1Scored_, what + " won a game for player 1 and" + count);
}

void InvariantChecker::checkMove(const Game& game, int cell, bool cleared, int scored) {
    const Snapshot& b = *before_;
    const GameState& s = game.state();
    const Board& board = game.board();
    const std::string where = "the move at " + slotText(cell);
    const std::vector<int> human = s.humanMoves.entries();
    const std::vector<int> computer = s.computerMoves.entries();
    if (game.options().opponent() == Opponent::Computer) {
        expect(s.turn == PointColour::Green, "after " + where + " player 1 is not to move");
        if (b.state.turn != PointColour::Green) {
            return;  // the click only made the computer move
        }
        if (!cleared) {
            expect(board.hasPoint(cell) && board.colour(cell) == PointColour::Green,
                   where + " left no green point there");
        }
        if (scored > 0) {
            // The game is over and the next one opened: at most the computer's opening point.
            expect(human.empty() && computer.size() <= 1,
                   "after the game won by " + where + " the move lists hold " + cellsText(human) +
                       " and " + cellsText(computer));
        } else if (!cleared && !b.state.gameOver) {
            std::vector<int> humanBefore = b.state.humanMoves.entries();
            humanBefore.push_back(cell);
            expect(human == humanBefore, where + " left HumanMoves " + cellsText(human));
            const std::vector<int> computerBefore = b.state.computerMoves.entries();
            const bool extended =
                computer.size() == computerBefore.size() + 1 &&
                std::equal(computerBefore.begin(), computerBefore.end(), computer.begin());
            expect(computer == computerBefore || extended,
                   where + " left ComputerMoves " + cellsText(computer));
        }
    } else {
        if (!cleared) {
            expect(board.hasPoint(cell) && board.colour(cell) == b.state.turn,
                   where + " did not place a point of the colour to move");
        }
        // The turn passes, judged on the disc after the move: a new match started by the move
        // has set it to green, so it ends red.
        const PointColour next =
            cleared || b.state.turn == PointColour::Green ? PointColour::Red : PointColour::Green;
        expect(s.turn == next, "after " + where + " between two players the turn did not pass");
        if (!cleared) {
            expect(human == b.state.humanMoves.entries() &&
                       computer == b.state.computerMoves.entries(),
                   "a move between two players changed the move lists");
        }
    }
}

}  // namespace cinq::fuzz
