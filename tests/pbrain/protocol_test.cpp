#include "pbrain/protocol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "pbrain/engine_player.h"

namespace pbrain {
namespace {

// Feeds a whole session, one line after another, and returns what the program answered.
std::string session(Player& player, const std::vector<std::string>& lines) {
    std::ostringstream out;
    Protocol protocol(player, out, "name=\"test\"");
    for (const std::string& line : lines) {
        if (!protocol.handle(line))
            break;
    }
    return out.str();
}

// Plays where it is told to, legal or not, and remembers the last board it saw.
class ScriptedPlayer final : public Player {
public:
    std::pair<int, int> next{0, 0};
    Board seen;

    std::string refuseSize(int, int) const override { return ""; }
    void newGame() override {}
    void configure(const Settings&) override {}
    std::pair<int, int> choose(const Board& board, const Settings&) override {
        seen = board;
        return next;
    }
    std::string report() const override { return ""; }
};

struct Exchange {
    const char* name;
    std::vector<std::string> lines;
    std::string expected;
};

TEST(Protocol, AnswersEveryCommandAndRefusesBadInputWithoutChangingState) {
    const std::string longLine(100000, '7');
    const Exchange exchanges[] = {
        {"start", {"START 20"}, "OK\n"},
        {"sizes",
         {"START 4", "START 33", "START x", "RECTSTART 28,20", "RECTSTART 40,5"},
         "ERROR unsupported board size: sides from 5 to 32\n"
         "ERROR unsupported board size: sides from 5 to 32\n"
         "ERROR malformed size\nOK\n"
         "ERROR unsupported board size: sides from 5 to 32\n"},
        {"turn", {"START 20", "TURN 3,4"}, "OK\n0,0\n"},
        {"bad turns",
         {"START 20", "TURN 3", "TURN 20,0", "TURN -1,5", "TURN a,b", "TURN 3,4,5",
          "TURN " + longLine},
         "OK\nERROR malformed move\nERROR move off the board\nERROR move off the board\n"
         "ERROR malformed move\nERROR malformed move\nERROR malformed move\n"},
        {"taken",
         {"START 20", "TURN 1,1", "TURN 0,0", "TURN 1,1"},
         "OK\n0,0\nERROR the cell is taken\nERROR the cell is taken\n"},
        {"no start",
         {"BEGIN", "TURN 1,1", "BOARD", "DONE", "RESTART"},
         "ERROR no board: START first\nERROR no board: START first\n"
         "ERROR no board: START first\nERROR no board: START first\n"},
        {"board", {"START 10", "BOARD", "1,1,2", "2,2,1", "3,3,2", "DONE"}, "OK\n0,0\n"},
        {"bad board",
         {"START 10", "BOARD", "1,1,2", "1,1,1", "DONE", "BOARD", "12,1,1", "DONE", "BOARD",
          "1,1,4", "DONE", "BOARD", "1;1;1", "DONE", "BOARD", longLine, "DONE"},
         "OK\nERROR two stones on one cell\nERROR stone off the board\n"
         "ERROR unknown stone field (1 own, 2 opponent, 3 wall)\nERROR malformed line in the list\n"
         "ERROR malformed line in the list\n"},
        {"crlf and case", {"start 10\r", "turn 5,5\r", "about\r"}, "OK\n0,0\nname=\"test\"\n"},
        {"takeback",
         {"START 10", "TURN 5,5", "TAKEBACK 5,5", "TAKEBACK 0,0", "TAKEBACK 9,9"},
         "OK\n0,0\nERROR only the last stone can be taken back\nOK\n"
         "ERROR only the last stone can be taken back\n"},
        {"unknown and info",
         {"START 10", "INFO timeout_turn 50", "INFO rule 4", "INFO nothing", "INFO game_type x",
          "FOO 1", "SWAP2BOARD"},
         "OK\nMESSAGE renju is not supported: playing five or more\nUNKNOWN FOO\nUNKNOWN "
         "SWAP2BOARD\n"},
        {"blocked", {"START 10", "YXBLOCK", "0,0", "1,0", "DONE", "BEGIN"}, "OK\n2,0\n"},
        {"blocked kept",
         {"START 10", "YXBLOCK", "0,0", "DONE", "RESTART", "BEGIN", "YXBLOCKRESET", "RESTART",
          "BEGIN"},
         "OK\nOK\n1,0\nOK\n0,0\n"},
        {"block a stone",
         {"START 10", "TURN 5,5", "YXBLOCK", "5,5", "DONE", "YXBLOCK", "99,0", "DONE"},
         "OK\n0,0\nERROR blocked cell is taken\nERROR blocked cell off the board\n"},
        {"end", {"START 10", "END", "BEGIN"}, "OK\n"},
    };
    for (const Exchange& exchange : exchanges) {
        ScriptedPlayer player;
        EXPECT_EQ(session(player, exchange.lines), exchange.expected) << exchange.name;
    }
}

TEST(Protocol, NeverPlaysAnIllegalMove) {
    ScriptedPlayer player;
    player.next = {5, 5};
    // The player answers a taken cell, then a cell off the board: the first free cell instead.
    EXPECT_EQ(session(player, {"START 10", "YXBLOCK", "0,0", "DONE", "TURN 5,5"}), "OK\n1,0\n");
    player.next = {50, 50};
    EXPECT_EQ(session(player, {"START 10", "BEGIN"}), "OK\n0,0\n");
    // A full board has no move to answer.
    std::vector<std::string> full{"START 5", "BOARD"};
    for (int i = 0; i < 25; ++i)
        full.push_back(std::to_string(i % 5) + "," + std::to_string(i / 5) + "," +
                       (i % 2 != 0 ? "1" : "2"));
    full.emplace_back("DONE");
    EXPECT_EQ(session(player, full), "OK\nERROR the board is full\n");
}

TEST(Protocol, BoardSetsOwnOpponentAndWallCells) {
    ScriptedPlayer player;
    player.next = {4, 4};
    session(player, {"START 10", "BOARD", "1,1,1", "2,2,2", "3,3,3", "DONE"});
    EXPECT_EQ(player.seen.at(1, 1), Board::Own);
    EXPECT_EQ(player.seen.at(2, 2), Board::Opponent);
    EXPECT_EQ(player.seen.at(3, 3), Board::Wall);
    EXPECT_EQ(player.seen.moves.size(), 2U);
}

TEST(Protocol, TheEnginePlaysAWholeGameAgainstItself) {
    // Two engines take turns through their own protocols until one of them makes five.
    EnginePlayer blackPlayer;
    EnginePlayer whitePlayer;
    std::ostringstream blackOut;
    std::ostringstream whiteOut;
    Protocol black(blackPlayer, blackOut, "");
    Protocol white(whitePlayer, whiteOut, "");
    for (Protocol* p : {&black, &white}) {
        p->handle("START 15");
        p->handle("INFO max_node 3000");
    }
    black.handle("BEGIN");
    std::vector<std::string> moves;
    const auto lastLine = [](const std::ostringstream& out) {
        std::string text = out.str();
        text.pop_back();
        return text.substr(text.rfind('\n') + 1);
    };
    for (int ply = 0; ply < 40; ++ply) {
        const std::string last = lastLine(ply % 2 == 0 ? blackOut : whiteOut);
        ASSERT_EQ(std::count(last.begin(), last.end(), ','), 1) << last;
        ASSERT_EQ(std::find(moves.begin(), moves.end(), last), moves.end()) << "cell played twice";
        moves.push_back(last);
        (ply % 2 == 0 ? white : black).handle("TURN " + last);
    }
    EXPECT_EQ(moves.size(), 40U);
}

}  // namespace
}  // namespace pbrain
