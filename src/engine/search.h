#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/move_picker.h"
#include "engine/move_stack.h"
#include "engine/position.h"
#include "engine/time_manager.h"
#include "engine/transposition.h"

// The engine's choice of a move: threat-space search for a forced win by fours, then by threes
// and fours, a check of the opponent's forced wins, then an iterative-deepening principal
// variation search over the moves that are left.
namespace engine {

struct SearchResult {
    int move = kNoCell;
    int score = 0;
    int depth = 0;
    std::uint64_t nodes = 0;
    int milliseconds = 0;
    // What decided the move: "opening", "five", "block", "vcf", "vct", "search".
    std::string stage;
};

class Search {
public:
    explicit Search(std::size_t tableBytes = std::size_t{64} << 20U,
                    const Clock& clock = steadyClock());

    SearchResult choose(Position& position, const Limits& limits);
    // Forgets what earlier searches learned (a new game).
    void clear();

    // The first move of a forced win for the side to move, by fours alone (`threes` false) or by
    // threes and fours, within `maxDepth` attacking moves; kNoCell when none is found.
    int solve(Position& position, int maxDepth, bool threes, std::uint64_t nodeLimit = 0);

private:
    // Threat-space search: the attacker to move (attack) or the defender after a threat (defend).
    int attack(Position& position, int depth, bool threes);
    bool defend(Position& position, int depth, bool threes);
    int solveDeepening(Position& position, int maxDepth, bool threes, int step);

    int alphaBeta(Position& position, int depth, int alpha, int beta, int ply);
    // One iteration at the root within (alpha, beta): the best score, and in `best` the move
    // that reached it when above alpha (kNoCell otherwise). The best move is moved to the front.
    int searchRoot(Position& position, std::vector<int>& rootMoves, int depth, int alpha, int beta,
                   int& best);
    // What orders a node's moves: the table's move, the killers at its ply, the history.
    OrderHints hints(const Position& position, int ply, int tableMove) const;
    std::vector<int> keepDefences(Position& position, const std::vector<int>& candidates);

    bool outOfTime() { return time_.stop(nodes_); }
    bool stopped() const { return time_.stopped(); }

    TranspositionTable table_;
    struct ThreatEntry {
        std::uint64_t key = 0;
        std::int8_t depth = -1;
    };
    std::vector<ThreatEntry> threatFailures_;

    std::array<std::array<int, 2>, 128> killers_{};
    std::vector<int> history_;
    MoveStack moves_;
    MovePicker picker_;

    Limits limits_;
    TimeManager time_;
    std::uint64_t nodes_ = 0;
    bool depthCut_ = false;
    int rootDepth_ = 0;
};

}  // namespace engine
