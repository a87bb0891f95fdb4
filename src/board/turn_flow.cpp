// Whose point is placed, how it is recorded, when the computer answers and who opens the next
// game: the loser of a game always begins the next one.
#include "board/game.h"

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
        board_.placePoint(i, PointColour::Green);
        showTurn(PointColour::Red);
        humanCount = state_.humanMoves.append(i);
        updateExtent(i);
        checkFiveInRow(i);
    }
    if (state_.gameOver) {
        // Player 1 has just won: the computer, as loser, opens the next game.
        resetGame();
        placeOpeningPoint();
        state_.computerHasPlayed = false;
        return;
    }
    if (computer_ != nullptr) {
        computer_->chooseComputerMove(humanCount);
    }
    showTurn(PointColour::Green);
    if (state_.gameOver) {
        // The computer has just won: player 1 opens the next game.
        resetGame();
    }
    state_.computerHasPlayed = false;
}

void Game::playTwoPlayerMove(int i) {
    board_.placePoint(i, state_.turn);
    updateExtent(i);
    checkFiveInRow(i);
    // Judged on the disc as it is now: a new match started by this move has set it to green.
    showTurn(state_.turn == PointColour::Red ? PointColour::Green : PointColour::Red);
}

void Game::showTurn(PointColour turn) {
    state_.turn = turn;
    state_.status = turn == PointColour::Green ? state_.turnCaption1 : state_.turnCaption2;
}

void Game::updateExtent(int i) {
    // Strict comparisons: on a tie the earlier point keeps its index.
    const int top = targetTop(i);
    const int left = targetLeft(i);
    Extent& e = state_.extent;
    if (top < e.top) {
        e.top = top;
        e.topIndex = i;
    }
    if (top > e.bottom) {
        e.bottom = top;
        e.bottomIndex = i;
    }
    if (left < e.left) {
        e.left = left;
        e.leftIndex = i;
    }
    if (left > e.right) {
        e.right = left;
        e.rightIndex = i;
    }
}

void Game::resetGame() {
    state_.humanMoves.clear();
    state_.computerMoves.clear();
    state_.gameOver = false;
    state_.extent.resetValues();
    state_.extent.topIndex = 9000;
    state_.extent.leftIndex = 9000;
    state_.extent.bottomIndex = 0;
    state_.extent.rightIndex = 0;
    state_.noComputerPointYet = true;
    state_.computerMoveCount = 0;
}

}  // namespace cinq
