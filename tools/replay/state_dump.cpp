#include "replay/state_dump.h"

#include <sstream>

namespace cinq::replay {

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

void writeList(std::ostringstream& out, const char* keyword, const MoveList& list) {
    out << keyword;
    for (int k = 1; list(k) != 0; ++k) {
        out << ' ' << list(k);
    }
    out << '\n';
}

}  // namespace

char slotCharacter(const Slot& slot) {
    const bool green = slot.hasPoint && slot.colour == PointColour::Green;
    const bool red = slot.hasPoint && slot.colour == PointColour::Red;
    if (slot.playable) {
        return green ? 'g' : red ? 'r' : '.';
    }
    if (slot.closed) {
        return green ? 'G' : red ? 'R' : '#';
    }
    return green ? 'a' : red ? 'b' : '-';
}

std::string sheetPicture(const Board& board) {
    std::string out;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns && isGridSlot(indexOf(row, column)); ++column) {
            out += slotCharacter(board.at(indexOf(row, column)));
        }
        out += '\n';
    }
    return out;
}

std::string shownLine(const Shown& shown) {
    switch (shown.kind) {
        case Shown::Kind::Options: return "window choix";
        case Shown::Kind::Statistics: return "window statistique";
        case Shown::Kind::Help: return "window apropos";
        case Shown::Kind::Message: break;
    }
    const char* answer = shown.answer == Answer::Ok    ? "ok"
                         : shown.answer == Answer::Yes ? "oui"
                                                       : "non";
    return std::string("message ") + (shown.message.buttons == Buttons::Ok ? "OK" : "YESNO") + ' ' +
           quoted(shown.message.title) + ' ' + quoted(shown.message.text) + " -> " + answer;
}

std::string dumpState(const Game& game, const std::vector<Shown>& shown) {
    const GameState& s = game.state();
    const Extent& e = s.extent;
    std::ostringstream out;
    out << "sheet\n" << sheetPicture(game.board());
    out << "turn " << (s.turn == PointColour::Red ? "red" : "green") << '\n';
    out << "status " << s.status << '\n';
    out << "level-setting " << levelNumber(game.level()) << '\n';
    out << "level-label " << game.options().levelSetting().caption << '\n';
    out << "gameover " << s.gameOver << '\n';
    out << "computer-has-played " << s.computerHasPlayed << '\n';
    out << "no-computer-point-yet " << s.noComputerPointYet << '\n';
    out << "extent " << e.top << ' ' << e.left << ' ' << e.bottom << ' ' << e.right << '\n';
    out << "extent-index " << e.topIndex << ' ' << e.bottomIndex << ' ' << e.leftIndex << ' '
        << e.rightIndex << '\n';
    writeList(out, "human", s.humanMoves);
    writeList(out, "computer", s.computerMoves);
    out << "computer-count " << s.computerMoveCount << '\n';
    out << "last-computer " << s.lastComputerPoint << '\n';
    out << "winner " << s.winnerColour << '\n';
    out << "sight " << s.sightIndex << '\n';
    out << "games " << s.gamesPlayer1 << ' ' << s.gamesPlayer2 << '\n';
    out << "sets " << s.setsPlayer1 << ' ' << s.setsPlayer2 << '\n';
    out << "set-block " << (s.setBlockVisible ? "visible" : "hidden") << '\n';
    out << "stats";
    for (int k = 1; k <= Statistics::kCounters; ++k) {
        out << ' ' << game.statistics().count(k);
    }
    out << '\n';
    out << "drawn " << s.drawing.size() << '\n';
    for (const Shape& shape : s.drawing) {
        out << (shape.kind == Shape::Kind::Line ? "line " : "rect ") << shape.x1 << ' ' << shape.y1
            << ' ' << shape.x2 << ' ' << shape.y2 << ' ' << shape.colour << '\n';
    }
    out << "shown " << shown.size() << '\n';
    for (const Shown& entry : shown) {
        out << shownLine(entry) << '\n';
    }
    out << "end\n";
    return out.str();
}

}  // namespace cinq::replay
