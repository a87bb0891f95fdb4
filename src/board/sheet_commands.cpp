// The two ways a sheet is changed (by the player, at the price of a game under way, and by the
// computer when no room is left to open a game), the computer's opening point, and leaving.
#include "board/game.h"

namespace cinq {

namespace {

// The computer opens a game in the middle of a free block of 12 × 12 intersections. Blocks are
// tried with their tops in ten bands, rows 2 to 11, and their lefts in columns 2 to 20.
constexpr int kBlockSize = 12;
constexpr int kBands = 10;
constexpr int kBlocksPerBand = 19;
constexpr int kOpeningOffset = 5 * kColumns + 5;  // the sixth row and column of the block
// Where the computer opens on a sheet it has just changed: the opening of the first block.
constexpr int kFreshSheetOpening = kFirstSheetCell + kOpeningOffset;

}  // namespace

bool Game::hasUsableCell() const {
    for (int i = kFirstSheetCell; i <= kLastSheetCell; ++i) {
        if (board_.isPlayable(i) && !board_.hasPoint(i)) {
            return true;
        }
    }
    return false;
}

bool Game::isBlockFree(int topLeft) const {
    for (int y = 0; y < kBlockSize; ++y) {
        for (int x = 0; x < kBlockSize; ++x) {
            const int cell = topLeft + kColumns * y + x;
            if (!board_.isPlayable(cell) || board_.hasPoint(cell)) {
                return false;
            }
        }
    }
    return true;
}

int Game::findFreeBlock(int firstBand, int lastBand) const {
    for (int band = firstBand; band <= lastBand; ++band) {
        const int start = kFirstSheetCell + kColumns * band;
        for (int a = start; a < start + kBlocksPerBand; ++a) {
            if (isBlockFree(a)) {
                return a;
            }
        }
    }
    return -1;
}

void Game::placeOpeningPoint() {
    int block = findFreeBlock(0, 0);
    if (block < 0) {
        if (host_.windowState() == WindowState::Normal) {
            // The sheet follows the larger window before the next band is searched.
            host_.showNormalAtLargest();
            applyWindowSize();
        }
        block = findFreeBlock(1, kBands - 1);
    }
    if (block >= 0) {
        playComputerPoint(block + kOpeningOffset);
    } else {
        host_.ask(
            {"Ordinateur constate que l'espace de jeu est devenu trop petit. Il va donc "
             "changer de feuille"});
        newSheet();
        playComputerPoint(kFreshSheetOpening);
    }
    showTurn(PointColour::Green);
}

void Game::newSheet() {
    // A game is under way when it is not over, the sheet has room left and the computer has
    // played in it: changing the sheet then gives the game to player 2.
    if (!state_.gameOver && hasUsableCell() && !state_.noComputerPointYet) {
        const Answer answer =
            host_.ask({"Si vous changez de feuille alors que la partie n'est pas terminée le point "
                       "ira à Ordinateur. Voulez vous tout de même changer de feuille?",
                       "Cinquevole", Buttons::YesNo});
        if (answer != Answer::Yes) {
            return;
        }
        state_.winnerColour = kPaletteRed;
        recordGameWin();
    }
    state_.drawing.clear();
    board_.clear();
    resetGame();
    applyWindowSize();
}

void Game::quit() {
    host_.showHelp();
    host_.endProgram();
    throw ProgramEnded{};
}

}  // namespace cinq
