#include "pbrain/level_player.h"

#include <optional>

#include "board/computer_turn.h"
#include "board/game.h"
#include "board/game_access.h"
#include "board/grid.h"
#include "board/layout.h"
#include "computer/computer.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"

namespace pbrain {
namespace {

// A host at the largest window that answers every question with its first button and remembers
// where the computer's point went.
class SilentHost final : public cinq::Host {
public:
    cinq::Answer ask(const cinq::Message& message) override {
        return message.buttons == cinq::Buttons::Ok ? cinq::Answer::Ok : cinq::Answer::Yes;
    }
    void showOptions() override {}
    void showStatistics() override {}
    void showHelp() override {}
    cinq::WindowState windowState() const override { return cinq::WindowState::Normal; }
    cinq::OuterSize outerSize() const override { return cinq::kLargestOuterSize; }
    void showNormalAtLargest() override {}
    void endProgram() override {}
    void computerPointPlaced(int cell) override {
        if (!placed)
            placed = cell;
    }

    std::optional<int> placed;
};

int slotOf(int x, int y) {
    return cinq::indexOf(cinq::kFirstSheetRow + y, cinq::kFirstSheetColumn + x);
}

}  // namespace

LevelPlayer::LevelPlayer(cinq::Level level, unsigned seed) : level_(level), die_(seed) {}

std::string LevelPlayer::refuseSize(int width, int height) const {
    return width > kWidth || height > kHeight ? "board larger than the game's sheet (28 x 20)" : "";
}

std::pair<int, int> LevelPlayer::choose(const Board& board, const Settings&) {
    if (board.moves.empty())
        return kOpening;
    SilentHost host;
    cinq::LevelSetting setting{level_, {}};
    cinq::OptionsModel options{setting};
    cinq::Statistics statistics;
    cinq::Computer computer(die_);
    cinq::Game game(host, options, statistics, computer);
    cinq::Board& sheet = cinq::GameAccess::board(game);
    cinq::GameState& state = cinq::GameAccess::state(game);
    sheet.applySheetRectangle(cinq::kLastSheetRow, cinq::kLastSheetColumn);
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            if (board.at(x, y) == Board::Wall)
                sheet.close(slotOf(x, y));
        }
    }
    int humanCount = 0;
    for (const auto& [x, y] : board.moves) {
        const int slot = slotOf(x, y);
        if (board.at(x, y) == Board::Own) {
            sheet.placePoint(slot, cinq::PointColour::Red);
            state.computerMoves.append(slot);
            ++state.computerMoveCount;
            state.lastComputerPoint = slot;
            state.noComputerPointYet = false;
        } else {
            sheet.placePoint(slot, cinq::PointColour::Green);
            state.humanMoves.append(slot);
            ++humanCount;
        }
        state.extent.update(slot);
    }
    // The game's sheet is larger than the board: the cells beyond it are closed too.
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (x >= board.width || y >= board.height)
                sheet.close(slotOf(x, y));
        }
    }
    try {
        cinq::ComputerTurn turn = cinq::GameAccess::computerTurn(game, humanCount);
        computer.chooseComputerMove(turn);
    } catch (const cinq::ProgramEnded&) {
    }
    if (!host.placed)
        return {-1, -1};  // the protocol then plays the first free cell
    return {cinq::columnOf(*host.placed) - cinq::kFirstSheetColumn,
            cinq::rowOf(*host.placed) - cinq::kFirstSheetRow};
}

}  // namespace pbrain
