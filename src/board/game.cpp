#include "board/game.h"

#include <cstdio>
#include <cstdlib>

#include "board/consistency.h"

namespace cinq {

namespace {
constexpr const char* kTurnPrompt = " A vous de jouer     ";
}  // namespace

int MoveList::append(int cell) {
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        if (entries_[k] == 0) {
            entries_[k] = cell;
            return static_cast<int>(k) + 1;
        }
    }
    return 0;
}

int MoveList::size() const {
    int n = 0;
    while (n < kCapacity && entries_[static_cast<std::size_t>(n)] != 0) {
        ++n;
    }
    return n;
}

std::vector<int> MoveList::entries() const {
    return {entries_.begin(), entries_.begin() + size()};
}

Game::Game(Host& host, OptionsModel& options, Statistics& statistics, ComputerOpponent& computer)
    : host_(host), options_(options), statistics_(statistics), computer_(computer) {
    // The turn prompts are built once, from the names as they stand when the window opens.
    state_.turnCaption1 = options_.name(0) + kTurnPrompt;
    state_.turnCaption2 = options_.name(1) + kTurnPrompt;
    state_.status = state_.turnCaption1;
    applyWindowSize();
}

template <class Event>
void Game::userEvent(Event&& event) {
    if (ended_) {
        return;
    }
    try {
        event();
    } catch (const ProgramEnded&) {
        ended_ = true;
        recordingTurn_ = false;
    }
    if (checksConsistency_) {
        assertConsistent();
    }
}

void Game::assertConsistent() const {
    const ConsistencyReport report = checkConsistency(board_, state_);
    if (report.faults.empty()) {
        return;
    }
    std::fputs("the game's model is not consistent after a user event:\n", stderr);
    for (const std::string& fault : report.faults) {
        std::fprintf(stderr, "  %s\n", fault.c_str());
    }
    std::abort();
}

void Game::click(int i) {
    userEvent([&] {
        // A hidden click target takes no click.
        if (board_.isPlayable(i)) {
            intersectionClicked(i);
        }
    });
}

void Game::keyDown(Key key) {
    userEvent([&] {
        switch (key) {
            case Key::Right: moveSight(state_.sightIndex + 1); break;
            case Key::Left: moveSight(state_.sightIndex - 1); break;
            case Key::Up: moveSight(state_.sightIndex - kColumns); break;
            case Key::Down: moveSight(state_.sightIndex + kColumns); break;
            case Key::Enter:
                // A resize may have put the sight's intersection off the sheet since it moved
                // there; nothing can be played there.
                if (!board_.isOffSheet(state_.sightIndex)) {
                    intersectionClicked(state_.sightIndex);
                }
                break;
            case Key::Other: break;
        }
    });
}

void Game::mouseOver(int i) {
    userEvent([&] {
        // A hidden click target takes no mouse move.
        if (board_.isPlayable(i)) {
            state_.hoverIndex = i;
        }
    });
}

void Game::menuNewSheet() {
    userEvent([&] { newSheet(); });
}

void Game::menuChangeLevel() {
    userEvent([&] { host_.showOptions(); });
}

void Game::menuStatistics() {
    userEvent([&] { host_.showStatistics(); });
}

void Game::menuQuit() {
    userEvent([&] { quit(); });
}

void Game::menuHelp() {
    userEvent([&] { host_.showHelp(); });
}

void Game::menuTakeBack() {
    userEvent([&] { takeBackTurn(); });
}

bool Game::canHint() const {
    // Against the computer only player 1 asks; with the disc red a click only makes the computer
    // move.
    const bool humanToMove =
        options_.opponent() == Opponent::Human || state_.turn == PointColour::Green;
    return !ended_ && humanToMove && hasUsableCell();
}

int Game::menuHint() {
    int hinted = -1;
    userEvent([&] {
        if (!canHint()) {
            return;
        }
        const int cell = computer_.adviseMove(board_, state_.turn);
        if (board_.isPlayable(cell) && !board_.hasPoint(cell)) {
            state_.sightIndex = cell;
            hinted = cell;
        }
    });
    return hinted;
}

void Game::closeWindow() {
    userEvent([&] { quit(); });
}

void Game::windowResized() {
    userEvent([&] {
        if (host_.windowState() != WindowState::Minimised) {
            applyWindowSize();
        }
    });
}

void Game::intersectionClicked(int i) {
    if (board_.refusesMove(i)) {
        host_.ask({"Vous ne pouvez plus jouer ici", "ATTENTION !!!", Buttons::Ok});
        return;
    }
    // The move is recorded as it is played, so that it can be taken back; a move that placed
    // nothing, or whose game has ended inside it, leaves nothing to take back.
    state_.playedTurns.push_back({.turn = state_.turn,
                                  .status = state_.status,
                                  .sightIndex = state_.sightIndex,
                                  .hoverIndex = state_.hoverIndex,
                                  .computerHasPlayed = state_.computerHasPlayed,
                                  .points = {}});
    recordingTurn_ = true;
    playMove(i);
    recordingTurn_ = false;
    if (!state_.playedTurns.empty() && state_.playedTurns.back().points.empty()) {
        state_.playedTurns.pop_back();
    }
}

void Game::moveSight(int target) {
    // The sight may stand on points and closed intersections, never off the sheet.
    if (board_.isOffSheet(target)) {
        return;
    }
    state_.sightIndex = target;
}

void Game::applyWindowSize() {
    OuterSize size = host_.outerSize();
    if (size.width > kLargestOuterSize.width || size.height > kLargestOuterSize.height) {
        host_.showNormalAtLargest();
        size = kLargestOuterSize;
    }
    if (const auto column = Board::lastColumnFor(size.width)) {
        state_.lastColumn = *column;
    }
    board_.applySheetRectangle(Board::lastRowFor(size.height), state_.lastColumn);
}

}  // namespace cinq
