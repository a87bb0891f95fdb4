#pragma once

#include <array>
#include <string>
#include <vector>

#include "board/board.h"
#include "board/computer_opponent.h"
#include "board/host.h"
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
    void clear() { entries_.fill(0); }

private:
    std::array<int, kCapacity> entries_{};
};

// The running extent of the current game's points: the smallest and largest click-target Top and
// Left, with the intersection that set each.
struct Extent {
    int top = 9000, bottom = 0, left = 9000, right = 0;
    int topIndex = 9000, bottomIndex = 0, leftIndex = 9000, rightIndex = 0;

    // The values after a game is reset or closed; the indices are reset only by the per-game reset.
    void resetValues() { top = 9000, left = 9000, right = -500, bottom = -150; }
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
    int winnerColour = 0;
    int lastColumn = 29;  // kept by a resize whose width falls outside every band

    int gamesPlayer1 = 0, gamesPlayer2 = 0, setsPlayer1 = 0, setsPlayer2 = 0;
    bool setBlockVisible = false;

    std::vector<Shape> drawing;
};

// Thrown when the program ends inside an event; the event's entry point catches it, so that no
// later step of the turn runs.
struct ProgramEnded {};

// The main window's game logic. Its public operations are the user's events; each runs to its
// end (a whole turn, computer's reply included) before it returns. The procedures are split into
// files by what they do: the sheet (game.cpp), move input, the turn flow, alignments, scoring and
// the sheet commands.
class Game {
public:
    // Builds the sheet, reads the names from the options dialog and applies the window's size.
    Game(Host& host, OptionsModel& options, Statistics& statistics);

    void setComputer(ComputerOpponent* computer) { computer_ = computer; }

    // --- The user's events. After the program has ended they do nothing.
    // A click on intersection i; only playable intersections take clicks.
    void click(int i);
    void keyDown(Key key);
    void menuNewSheet();
    void menuChangeLevel();
    void menuStatistics();
    void menuQuit();
    void menuHelp();
    // The user closes the main window.
    void closeWindow();
    // The window's size or state has changed.
    void windowResized();

    bool ended() const { return ended_; }

    const Board& board() const { return board_; }
    const GameState& state() const { return state_; }
    const OptionsModel& options() const { return options_; }
    const Statistics& statistics() const { return statistics_; }
    int levelSetting() const { return options_.levelSetting().value; }

    // --- The procedures that the computer calls back.
    Board& board() { return board_; }
    GameState& state() { return state_; }
    void updateExtent(int i);
    void checkFiveInRow(int i);
    void computerPointPlaced(int cell) { host_.computerPointPlaced(cell); }

    // --- Procedures exposed for tests of single rules.
    void resetGame();
    void placeOpeningPoint();
    void applyWindowSize();

private:
    template <class Event>
    void userEvent(Event&& event);

    void intersectionClicked(int i);
    void playMove(int i);
    void playAgainstComputer(int i);
    void playTwoPlayerMove(int i);
    void showTurn(PointColour turn);
    void moveSight(int target);

    void closeFinishedGame(int top, int left, int bottom, int right);
    void recordGameWin();

    void newSheet();
    void quit();
    bool hasUsableCell() const;
    bool isBlockFree(int topLeft) const;
    int findFreeBlock(int firstBand, int lastBand) const;
    void requestComputerPoint(int cell);

    Host& host_;
    OptionsModel& options_;
    Statistics& statistics_;
    ComputerOpponent* computer_ = nullptr;
    Board board_;
    GameState state_;
    bool ended_ = false;
};

}  // namespace cinq
