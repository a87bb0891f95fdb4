// Whose point is placed, how it is recorded, when the computer answers and who opens the next
// game: the loser of a game always begins the next one. Every point of a game, whoever places
// it, goes through playPoint, and every point taken back through its mirror, takeBackPoint.
#include "board/computer_turn.h"
#include "board/game.h"

#include <utility>

namespace cinq {

void Game::playMove(int i) {
    // The opponent is read afresh at every move: a change in the options applies from here.
    if (options_.opponent() == Opponent::Computer) {
        playAgainstComputer(i);
    } else {
        playTwoPlayerMove(i);
    }
}

void Game::playAgainstComputer(int i) {
    int humanCount = 0;
    // While the disc is red (after switching from two players), the click places nothing and
    // only makes the computer move.
    if (state_.turn == PointColour::Green) {
        showTurn(PointColour::Red);
        humanCount = playPoint(i, PointColour::Green, Mover::Human);
    }
    if (state_.gameOver) {
        // Player 1 has just won: the computer, as loser, opens the next game.
        resetGame();
        placeOpeningPoint();
        state_.computerHasPlayed = false;
        return;
    }
    ComputerTurn turn(*this, humanCount);
    computer_.chooseComputerMove(turn);
    showTurn(PointColour::Green);
    if (state_.gameOver) {
        // The computer has just won: player 1 opens the next game.
        resetGame();
    }
    state_.computerHasPlayed = false;
}

void Game::playTwoPlayerMove(int i) {
    playPoint(i, state_.turn, Mover::TwoPlayers);
    // Judged on the disc as it is now: a new match started by this move has set it to green.
    showTurn(state_.turn == PointColour::Red ? PointColour::Green : PointColour::Red);
}

void Game::showTurn(PointColour turn) {
    state_.turn = turn;
    state_.status = turn == PointColour::Green ? state_.turnCaption1 : state_.turnCaption2;
}

int Game::playPoint(int cell, PointColour colour, Mover mover) {
    PlayedPoint played{.cell = cell,
                       .extent = state_.extent,
                       .winnerColour = state_.winnerColour,
                       .lastComputerPoint = state_.lastComputerPoint,
                       .computerMoveCount = state_.computerMoveCount,
                       .computerHasPlayed = state_.computerHasPlayed,
                       .noComputerPointYet = state_.noComputerPointYet};
    board_.placePoint(cell, colour);
    int entry = 0;
    switch (mover) {
        case Mover::Human:
            entry = state_.humanMoves.append(cell);
            played.humanEntry = entry;
            break;
        case Mover::Computer:
            host_.computerPointPlaced(cell);
            state_.computerHasPlayed = true;
            state_.noComputerPointYet = false;
            entry = state_.computerMoves.append(cell);
            played.computerEntry = entry;
            ++state_.computerMoveCount;
            state_.lastComputerPoint = cell;
            break;
        case Mover::TwoPlayers: break;
    }
    state_.extent.update(cell);
    // Recorded before the test for five: a game that it closes forgets its moves.
    if (recordingTurn_ && !state_.playedTurns.empty()) {
        state_.playedTurns.back().points.push_back(played);
    }
    checkFiveInRow(cell);
    return entry;
}

void Game::takeBackPoint(const PlayedPoint& point) {
    board_.removePoint(point.cell);
    state_.humanMoves.erase(point.humanEntry);
    state_.computerMoves.erase(point.computerEntry);
    state_.extent = point.extent;
    state_.winnerColour = point.winnerColour;
    state_.lastComputerPoint = point.lastComputerPoint;
    state_.computerMoveCount = point.computerMoveCount;
    state_.computerHasPlayed = point.computerHasPlayed;
    state_.noComputerPointYet = point.noComputerPointYet;
}

void Game::takeBackTurn() {
    if (state_.playedTurns.empty()) {
        return;
    }
    PlayedTurn turn = std::move(state_.playedTurns.back());
    state_.playedTurns.pop_back();
    // Newest first: each point finds the state that its own placing left.
    while (!turn.points.empty()) {
        takeBackPoint(turn.points.back());
        turn.points.pop_back();
    }
    state_.turn = turn.turn;
    state_.status = turn.status;
    state_.sightIndex = turn.sightIndex;
    state_.hoverIndex = turn.hoverIndex;
    state_.computerHasPlayed = turn.computerHasPlayed;
}

void Game::forgetPlayedTurns() {
    state_.playedTurns.clear();
    recordingTurn_ = false;
}

bool Game::playComputerPoint(int cell) {
    if (state_.computerHasPlayed || !board_.isPlayable(cell) || board_.hasPoint(cell)) {
        return false;
    }
    playPoint(cell, PointColour::Red, Mover::Computer);
    return true;
}

void Extent::update(int i) {
    const int t = targetTop(i);
    const int l = targetLeft(i);
    if (t < top) {
        top = t;
        topIndex = i;
    }
    if (t > bottom) {
        bottom = t;
        bottomIndex = i;
    }
    if (l < left) {
        left = l;
        leftIndex = i;
    }
    if (l > right) {
        right = l;
        rightIndex = i;
    }
}

void Game::resetGame() {
    forgetPlayedTurns();
    state_.humanMoves.clear();
    state_.computerMoves.clear();
    state_.gameOver = false;
    state_.extent.reset();
    state_.noComputerPointYet = true;
    state_.computerMoveCount = 0;
}

}  // namespace cinq
