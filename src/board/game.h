#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/computer_opponent.h"
#include "board/host.h"
#include "board/layout.h"
#include "dialogs/level.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"

namespace cinq {

// A list of intersections in play order, numbered from 1; 0 marks an empty entry and the first
// 0 ends the list. Entries outside 1 to 700 read as 0.
class MoveList {
public:
    static constexpr int kCapacity = 700;

    int operator()(int number) const {
        return number >= 1 && number <= kCapacity ? entries_[static_cast<std::size_t>(number - 1)]
                                                  : 0;
    }
    // Writes `cell` into the first empty entry and returns its number (0 when full).
    int append(int cell);
    int size() const;
    // The entries up to the first empty one.
    std::vector<int> entries() const;
    void clear() { entries_.fill(0); }
    // Empties entry `number` (the newest one, when a point is taken back).
    void erase(int number) {
        if (number >= 1 && number <= kCapacity) {
            entries_[static_cast<std::size_t>(number - 1)] = 0;
        }
    }
    friend bool operator==(const MoveList&, const MoveList&) = default;

private:
    std::array<int, kCapacity> entries_{};
};

// The running extent of the current game's points: the smallest and largest click-target Top and
// Left, with the intersection that set each.
struct Extent {
    // The values before the first point: at the program's start and, for the indices, after the
    // per-game reset.
    static constexpr int kUnsetTopLeft = 9000;
    static constexpr int kUnsetBottomRight = 0;
    // The bottom and right bounds after a game is closed or reset.
    static constexpr int kResetBottom = -150;
    static constexpr int kResetRight = -500;

    int top = kUnsetTopLeft, bottom = kUnsetBottomRight, left = kUnsetTopLeft,
        right = kUnsetBottomRight;
    int topIndex = kUnsetTopLeft, bottomIndex = kUnsetBottomRight, leftIndex = kUnsetTopLeft,
        rightIndex = kUnsetBottomRight;

    // Widens the extent to the click target of intersection i. Strict comparisons: on a tie the
    // earlier point keeps its index.
    void update(int i);
    // The bounds after a game is closed: the indices are kept.
    void resetBounds() {
        top = kUnsetTopLeft;
        left = kUnsetTopLeft;
        right = kResetRight;
        bottom = kResetBottom;
    }
    // The per-game reset: the bounds and the indices.
    void reset() {
        resetBounds();
        topIndex = kUnsetTopLeft;
        leftIndex = kUnsetTopLeft;
        bottomIndex = kUnsetBottomRight;
        rightIndex = kUnsetBottomRight;
    }

    // The intersection that set each bound, or none while its index holds its unset value.
    std::optional<int> topPoint() const { return setIndex(topIndex, kUnsetTopLeft); }
    std::optional<int> leftPoint() const { return setIndex(leftIndex, kUnsetTopLeft); }
    std::optional<int> bottomPoint() const { return setIndex(bottomIndex, kUnsetBottomRight); }
    std::optional<int> rightPoint() const { return setIndex(rightIndex, kUnsetBottomRight); }

    friend bool operator==(const Extent&, const Extent&) = default;

private:
    static std::optional<int> setIndex(int index, int unset) {
        return index == unset ? std::nullopt : std::optional(index);
    }
};

// What the game has drawn on the window: winning lines and the frames of finished games, in
// twips, with a colour of the 16-colour palette. Cleared by a new sheet.
struct Shape {
    enum class Kind { Line, Rectangle };
    Kind kind;
    int x1, y1, x2, y2;
    int colour;
    friend bool operator==(const Shape&, const Shape&) = default;
};

// Palette numbers used by the drawing and the winner code.
inline constexpr int kPaletteBlack = 0;
inline constexpr int kPaletteDarkGreen = 2;  // player 1
inline constexpr int kPaletteRed = 12;       // player 2

// Keys that reach the sight.
enum class Key { Left, Right, Up, Down, Enter, Other };

// A point of the game in progress as playPoint placed it, with every value of the game's state
// that placing it overwrote: taking it back puts them back, so nothing has to be worked out again.
struct PlayedPoint {
    int cell = 0;
    // The numbers of its entries in HumanMoves and ComputerMoves, 0 when it is in neither.
    int humanEntry = 0;
    int computerEntry = 0;
    Extent extent;
    int winnerColour = 0;
    int lastComputerPoint = 0;
    int computerMoveCount = 0;
    bool computerHasPlayed = false;
    bool noComputerPointYet = true;
    friend bool operator==(const PlayedPoint&, const PlayedPoint&) = default;
};

// One move of the user that placed points (a click or Enter: against the computer, player 1's
// point and the computer's answer; between two players, one point): what the turn looked like
// before it, and its points in the order they were placed.
struct PlayedTurn {
    PointColour turn = PointColour::Green;
    std::string status;
    int sightIndex = 0;
    int hoverIndex = -1;
    bool computerHasPlayed = false;
    std::vector<PlayedPoint> points;
    friend bool operator==(const PlayedTurn&, const PlayedTurn&) = default;
};

// The main window's state, shared by all its procedures.
struct GameState {
    std::string turnCaption1, turnCaption2;
    PointColour turn = PointColour::Green;  // the turn disc: the colour of the player to move
    std::string status;                     // the status label

    MoveList humanMoves, computerMoves;
    int computerMoveCount = 0;
    int lastComputerPoint = 0;
    bool computerHasPlayed = false;
    bool gameOver = false;
    bool noComputerPointYet = true;
    Extent extent;
    int sightIndex = 520;
    // The hover disc: the playable intersection the mouse passed over last, -1 before any.
    int hoverIndex = -1;
    int winnerColour = 0;
    int lastColumn = kLastSheetColumn;  // kept by a resize whose width falls outside every band

    int gamesPlayer1 = 0, gamesPlayer2 = 0, setsPlayer1 = 0, setsPlayer2 = 0;
    bool setBlockVisible = false;

    std::vector<Shape> drawing;

    // The moves of the game in progress that "Annuler le coup" can take back, oldest first.
    // Emptied when a game is won, the sheet changed or the game reset: a finished game is never
    // reopened.
    std::vector<PlayedTurn> playedTurns;

    friend bool operator==(const GameState&, const GameState&) = default;
};

// Thrown when the program ends inside an event; the event's entry point catches it, so that no
// later step of the turn runs.
struct ProgramEnded {};

// The main window's game logic. Its public operations are the user's events and what the
// windows read; each event runs to its end (a whole turn, computer's reply included) before it
// returns. The computer takes its turn through a ComputerTurn (board/computer_turn.h), which
// lets it read the game and propose cells. Tests and benchmarks reach the rest through
// GameAccess (board/game_access.h).
//
// The procedures are split into files by what they do: the sheet and the user's events
// (game.cpp), the turn flow, alignments, scoring and the sheet commands. In builds with
// assertions every user event ends with the model's consistency check (board/consistency.h).
class Game {
public:
    // Builds the sheet, reads the names from the options dialog and applies the window's size.
    Game(Host& host, OptionsModel& options, Statistics& statistics, ComputerOpponent& computer);

    // --- The user's events. After the program has ended they do nothing.
    // A click on intersection i; only playable intersections take clicks.
    void click(int i);
    void keyDown(Key key);
    // The mouse passes over intersection i: the hover disc moves there if it is playable.
    void mouseOver(int i);
    void menuNewSheet();
    void menuChangeLevel();
    void menuStatistics();
    void menuQuit();
    void menuHelp();
    // "Annuler le coup": takes back the newest move of the game in progress (against the
    // computer, player 1's point and the computer's answer), restoring the state from before it.
    void menuTakeBack();
    // "Conseil": the engine of "Niveau 3" chooses the intersection it would play for the player
    // to move, and the sight moves there. Returns that intersection, -1 when there is none.
    // Nothing is placed, counted or recorded, and the die is not rolled.
    int menuHint();
    // Whether the two commands can act now; the menu greys them out otherwise.
    bool canTakeBack() const { return !ended_ && !state_.playedTurns.empty(); }
    bool canHint() const;
    // The user closes the main window.
    void closeWindow();
    // The window's size or state has changed.
    void windowResized();

    // --- What the windows read.
    bool ended() const { return ended_; }
    const Board& board() const { return board_; }
    const GameState& state() const { return state_; }
    const OptionsModel& options() const { return options_; }
    const Statistics& statistics() const { return statistics_; }
    Level level() const { return options_.levelSetting().value; }

private:
    friend class ComputerTurn;
    friend struct GameAccess;

    // Who places a point: player 1 against the computer (listed in HumanMoves), the computer
    // (listed in ComputerMoves), or either of two players (listed nowhere).
    enum class Mover { Human, Computer, TwoPlayers };

    template <class Event>
    void userEvent(Event&& event);
    // Stops the program with the faults, if the model is not consistent.
    void assertConsistent() const;

    void intersectionClicked(int i);
    void playMove(int i);
    void playAgainstComputer(int i);
    void playTwoPlayerMove(int i);
    // The one way a point reaches the sheet in play: placed, listed as its mover's, widening the
    // game's extent, then tested for five in a row, which may end the game (and the match)
    // inside this call. Returns the number of its entry in its move list, 0 when it is listed in
    // none.
    int playPoint(int cell, PointColour colour, Mover mover);
    // Its mirror, the one way a point of the game in progress leaves the sheet: the point goes,
    // its move list entry goes, and every value that placing it overwrote comes back.
    void takeBackPoint(const PlayedPoint& point);
    // The newest move of the game in progress, taken back point by point, newest first; the
    // turn, the sight and the hover disc come back as they were before it.
    void takeBackTurn();
    // A finished game is never reopened: nothing played so far can be taken back.
    void forgetPlayedTurns();
    // The computer's point, unless the computer has played this turn already or the cell is
    // taken or not playable; true when it was placed.
    bool playComputerPoint(int cell);
    void showTurn(PointColour turn);
    void moveSight(int target);
    void resetGame();

    void checkFiveInRow(int i);
    void closeFinishedGame(int top, int left, int bottom, int right);
    void recordGameWin();

    void applyWindowSize();
    void newSheet();
    void placeOpeningPoint();
    void quit();
    bool hasUsableCell() const;
    bool isBlockFree(int topLeft) const;
    int findFreeBlock(int firstBand, int lastBand) const;

    Host& host_;
    OptionsModel& options_;
    Statistics& statistics_;
    ComputerOpponent& computer_;
    Board board_;
    GameState state_;
    bool ended_ = false;
    // A move is under way whose points go into the newest entry of PlayedTurns.
    bool recordingTurn_ = false;
#ifdef NDEBUG
    bool checksConsistency_ = false;
#else
    bool checksConsistency_ = true;
#endif
};

}  // namespace cinq
