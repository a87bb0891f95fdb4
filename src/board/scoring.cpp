// The one place where a won game is counted: games make a set, sets make a match.
#include "board/game.h"

namespace cinq {

namespace {
constexpr int kGamesToWinSet = 5;
constexpr int kSetsToWinMatch = 3;
}  // namespace

void Game::recordGameWin() {
    GameState& s = state_;
    s.gameOver = true;
    // The statistics cover the current match: they are cleared when its first game is scored.
    if (s.gamesPlayer1 == 0 && s.gamesPlayer2 == 0 && s.setsPlayer1 == 0 && s.setsPlayer2 == 0) {
        statistics_.clear();
    }
    const bool player1 = s.winnerColour == kPaletteDarkGreen;
    const bool player2 = s.winnerColour == kPaletteRed;
    if (player1) {
        ++s.gamesPlayer1;
        statistics_.countWin(Side::Player1, level());
    } else if (player2) {
        ++s.gamesPlayer2;
        statistics_.countWin(Side::Player2, level());
    }

    if (s.gamesPlayer1 == kGamesToWinSet || s.gamesPlayer2 == kGamesToWinSet) {
        s.setBlockVisible = true;
        // The names are read as they stand in the options dialog now.
        if (player1 && ++s.setsPlayer1 == kSetsToWinMatch) {
            host_.ask({options_.name(0) + " remporte le match. Bravo!"});
        } else if (player2 && ++s.setsPlayer2 == kSetsToWinMatch) {
            host_.ask({options_.name(1) + " remporte le match. La revenche quand vous voulez"});
        }
        s.gamesPlayer1 = 0;
        s.gamesPlayer2 = 0;
    }

    if (s.setsPlayer1 >= kSetsToWinMatch || s.setsPlayer2 >= kSetsToWinMatch) {
        host_.showStatistics();
        if (host_.ask({"Voulez vous rejouer", "Cinquevole", Buttons::YesNo}) == Answer::Yes) {
            s.setsPlayer1 = 0;
            s.setsPlayer2 = 0;
            newSheet();
            resetGame();
            placeOpeningPoint();
        } else {
            quit();
        }
    }
}

}  // namespace cinq
