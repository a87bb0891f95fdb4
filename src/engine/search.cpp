#include "engine/search.h"

#include <algorithm>
#include <utility>

#include "engine/evaluation.h"

namespace engine {
namespace {

constexpr std::size_t kThreatCacheSize = std::size_t{1} << 16U;
constexpr std::uint64_t kThreesSalt = 0x9E3779B97F4A7C15ULL;
constexpr int kMaxPly = 120;
// Shares of what is left of the budget, stage by stage.
constexpr double kFoursShare = 0.30;
constexpr double kThreesShare = 0.15;
constexpr double kDefenceShare = 0.15;
// The main search starts no new iteration past this share of its own time.
constexpr double kSoftShare = 0.45;
// From this depth on, each iteration first searches a window of this half-width around the
// last iteration's score.
constexpr int kAspirationDepth = 4;
constexpr int kAspirationWindow = 200;
// How many of the ordered moves a quiet node searches, at depth d: kWidth + 2 d.
constexpr int kWidth = 8;
constexpr std::size_t kDefenceCandidates = 30;
constexpr std::size_t kRootWidth = 40;
// The deepest search by threes and fours at the root, in attacking moves.
constexpr int kThreesDepth = 14;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// The cell nearest the centre that is free: the first stone, or a move on a board with no
// stones but walls.
int centralCell(const Position& position) {
    int best = kNoCell;
    int bestDistance = 1 << 30;
    const int cx = position.width() - 1;
    const int cy = position.height() - 1;
    for (int y = 0; y < position.height(); ++y) {
        for (int x = 0; x < position.width(); ++x) {
            const int c = Position::cell(x, y);
            const int distance = (2 * x - cx) * (2 * x - cx) + (2 * y - cy) * (2 * y - cy);
            if (position.isEmpty(c) && distance < bestDistance) {
                best = c;
                bestDistance = distance;
            }
        }
    }
    return best;
}

}  // namespace

Search::Search(std::size_t tableBytes, const Clock& clock)
    : table_(tableBytes),
      threatFailures_(kThreatCacheSize),
      history_(std::size_t{2} * kCells, 0),
      time_(clock) {}

void Search::clear() {
    table_.clear();
    std::fill(threatFailures_.begin(), threatFailures_.end(), ThreatEntry{});
    std::fill(history_.begin(), history_.end(), 0);
    killers_ = {};
}

// ---- Threat-space search -------------------------------------------------------------------

int Search::attack(Position& position, int depth, bool threes) {
    const Side us = position.toMove();
    const Side them = opponent(us);
    if (const int five = position.fivePoint(us); five != kNoCell)
        return five;
    ++nodes_;
    if (outOfTime())
        return kNoCell;
    if (const int block = position.fivePoint(them); block != kNoCell) {
        // Forced: block, and go on only if a threat of ours still stands.
        if (position.threatCount(them, Threat::Five) > 1)
            return kNoCell;
        position.play(block);
        const bool wins = defend(position, depth, threes);
        position.undo();
        return wins ? block : kNoCell;
    }
    if (depth <= 0) {
        depthCut_ = true;
        return kNoCell;
    }
    const std::uint64_t key = position.hash() ^ (threes ? kThreesSalt : 0);
    ThreatEntry& cached = threatFailures_[key & (kThreatCacheSize - 1)];
    if (cached.key == key && cached.depth >= depth)
        return kNoCell;

    // Against an open three of theirs only fours keep the initiative.
    const bool foursOnly = !threes || position.threatCount(them, Threat::OpenFour) > 0;
    const Threat weakest = foursOnly ? Threat::Four : Threat::Three;
    MoveStack::Frame moves(moves_);
    position.forEachThreat(us, [&](int c) {
        const Threat t = position.threat(us, c);
        if (t >= weakest)
            moves.push(-(static_cast<int>(t) * 10000 + position.score(us, c)), c);
    });
    moves.sort();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int move = moves.cell(i);
        position.play(move);
        const bool wins = defend(position, depth - 1, threes);
        position.undo();
        if (wins)
            return move;
        if (stopped())
            return kNoCell;
    }
    cached = {key, static_cast<std::int8_t>(std::min(depth, 127))};
    return kNoCell;
}

bool Search::defend(Position& position, int depth, bool threes) {
    const Side us = position.toMove();
    const Side them = opponent(us);
    if (position.fivePoint(us) != kNoCell)
        return false;
    const int fives = position.threatCount(them, Threat::Five);
    if (fives >= 2)
        return true;
    if (fives == 1) {
        position.play(position.fivePoint(them));
        const bool lost = attack(position, depth, threes) != kNoCell;
        position.undo();
        return lost;
    }
    if (!threes || position.threatCount(them, Threat::OpenFour) == 0)
        return false;
    ++nodes_;
    if (outOfTime())
        return false;
    MoveStack::Frame replies(moves_);
    picker_.addDefences(position, replies);
    for (std::size_t i = 0; i < replies.size(); ++i) {
        position.play(replies.cell(i));
        const bool lost = attack(position, depth, threes) != kNoCell;
        position.undo();
        if (!lost)
            return false;
    }
    return !stopped();
}

int Search::solveDeepening(Position& position, int maxDepth, bool threes, int step) {
    for (int depth = std::min(2, maxDepth); depth <= maxDepth; depth += step) {
        depthCut_ = false;
        const int move = attack(position, depth, threes);
        if (move != kNoCell)
            return move;
        if (stopped() || !depthCut_)
            break;
    }
    return kNoCell;
}

int Search::solve(Position& position, int maxDepth, bool threes, std::uint64_t nodeLimit) {
    limits_ = {};
    limits_.nodes = nodeLimit > 0 ? nodeLimit : ~std::uint64_t{0};
    nodes_ = 0;
    time_.start(limits_);
    return solveDeepening(position, maxDepth, threes, 1);
}

// ---- Principal variation search ------------------------------------------------------------

OrderHints Search::hints(const Position& position, int ply, int tableMove) const {
    return {tableMove, killers_[at(std::min(ply, 127))],
            history_.data() + at(index(position.toMove()) * kCells)};
}

int Search::alphaBeta(Position& position, int depth, int alpha, int beta, int ply) {
    ++nodes_;
    if (outOfTime())
        return 0;
    const Side us = position.toMove();
    const Side them = opponent(us);
    if (position.fivePoint(us) != kNoCell)
        return kWin - ply - 1;
    const int theirFives = position.threatCount(them, Threat::Five);
    if (theirFives >= 2)
        return -(kWin - ply - 2);
    if (theirFives == 0 && position.threatCount(them, Threat::Four) == 0 &&
        position.threatCount(us, Threat::OpenFour) > 0)
        return kWin - ply - 3;

    alpha = std::max(alpha, -(kWin - ply));
    beta = std::min(beta, kWin - ply - 1);
    if (alpha >= beta)
        return alpha;

    const std::uint64_t key = position.hash();
    int ttMove = kNoCell;
    if (const TableEntry* entry = table_.probe(key)) {
        ttMove = entry->move;
        if (entry->depth >= depth) {
            const int s = TranspositionTable::scoreFromTable(entry->score, ply);
            if (entry->bound == Bound::Exact || (entry->bound == Bound::Lower && s >= beta) ||
                (entry->bound == Bound::Upper && s <= alpha))
                return s;
        }
    }
    // A four of theirs is answered before the position is judged: its block is the only move.
    if ((depth <= 0 && theirFives == 0) || ply >= kMaxPly)
        return evaluate(position);

    MoveStack::Frame moves(moves_);
    const bool forced =
        picker_.pick(position, hints(position, ply, ttMove), at(kWidth + 2 * depth), moves);
    if (moves.empty())
        return forced ? -(kWin - ply - 4) : 0;
    const int extension = forced && ply < 2 * rootDepth_ ? 1 : 0;
    const int newDepth = depth - 1 + extension;

    const int alphaIn = alpha;
    int best = -kInfinity;
    int bestMove = kNoCell;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int move = moves.cell(i);
        position.play(move);
        int s = 0;
        if (i == 0) {
            s = -alphaBeta(position, newDepth, -beta, -alpha, ply + 1);
        } else {
            const int reduction = !forced && depth >= 3 && i >= 4 ? (i >= 12 ? 2 : 1) : 0;
            s = -alphaBeta(position, newDepth - reduction, -alpha - 1, -alpha, ply + 1);
            if (s > alpha && reduction > 0)
                s = -alphaBeta(position, newDepth, -alpha - 1, -alpha, ply + 1);
            if (s > alpha && s < beta)
                s = -alphaBeta(position, newDepth, -beta, -alpha, ply + 1);
        }
        position.undo();
        if (stopped())
            return 0;
        if (s > best) {
            best = s;
            bestMove = move;
            if (s > alpha) {
                alpha = s;
                if (s >= beta) {
                    auto& killers = killers_[at(std::min(ply, 127))];
                    if (killers[0] != move) {
                        killers[1] = killers[0];
                        killers[0] = move;
                    }
                    history_[at(index(us) * kCells + move)] += depth * depth;
                    break;
                }
            }
        }
    }
    const Bound bound =
        best >= beta ? Bound::Lower : (best > alphaIn ? Bound::Exact : Bound::Upper);
    table_.store(key, bestMove, best, depth, bound, ply);
    return best;
}

std::vector<int> Search::keepDefences(Position& position, const std::vector<int>& candidates) {
    const Side us = position.toMove();
    const Side them = opponent(us);
    // Would they win by force if we passed?
    position.setToMove(them);
    int threatDepth = 0;
    bool byThrees = false;
    if (solveDeepening(position, 30, false, 1) != kNoCell) {
        threatDepth = 30;
    } else if (!stopped()) {
        for (int depth = 2; depth <= 12 && threatDepth == 0 && !stopped(); depth += 3) {
            depthCut_ = false;
            if (attack(position, depth, true) != kNoCell) {
                threatDepth = depth;
                byThrees = true;
            } else if (!depthCut_) {
                break;
            }
        }
    }
    position.setToMove(us);
    if (threatDepth == 0 || stopped())
        return candidates;

    std::vector<int> kept;
    const std::size_t checked = std::min(candidates.size(), kDefenceCandidates);
    for (std::size_t i = 0; i < checked && !stopped(); ++i) {
        position.play(candidates[i]);
        bool refuted = solveDeepening(position, 30, false, 1) == kNoCell;
        if (refuted && byThrees && !stopped())
            refuted = attack(position, threatDepth, true) == kNoCell;
        position.undo();
        if (refuted && !stopped())
            kept.push_back(candidates[i]);
    }
    if (stopped()) {
        // Unfinished: what was not checked stays a candidate.
        for (std::size_t i = kept.empty() ? 0 : checked; i < candidates.size(); ++i) {
            if (std::find(kept.begin(), kept.end(), candidates[i]) == kept.end())
                kept.push_back(candidates[i]);
        }
    }
    return kept.empty() ? candidates : kept;
}

int Search::searchRoot(Position& position, std::vector<int>& rootMoves, int depth, int alpha,
                       int beta, int& best) {
    const int alphaIn = alpha;
    int bestScore = -kInfinity;
    best = kNoCell;
    for (std::size_t i = 0; i < rootMoves.size(); ++i) {
        position.play(rootMoves[i]);
        int s = 0;
        if (i == 0) {
            s = -alphaBeta(position, depth - 1, -beta, -alpha, 1);
        } else {
            const int reduction = depth >= 3 && i >= 6 ? 1 : 0;
            s = -alphaBeta(position, depth - 1 - reduction, -alpha - 1, -alpha, 1);
            if (s > alpha)
                s = -alphaBeta(position, depth - 1, -beta, -alpha, 1);
        }
        position.undo();
        if (stopped())
            break;
        if (s > bestScore) {
            bestScore = s;
            if (s > alphaIn) {
                best = rootMoves[i];
                // The best so far goes first for the next iteration.
                std::rotate(rootMoves.begin(), rootMoves.begin() + static_cast<std::ptrdiff_t>(i),
                            rootMoves.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            }
            alpha = std::max(alpha, s);
            if (s >= beta)
                break;
        }
    }
    return bestScore;
}

SearchResult Search::choose(Position& position, const Limits& limits) {
    limits_ = limits;
    nodes_ = 0;
    time_.start(limits_);
    table_.nextSearch();
    SearchResult result;
    const auto finish = [&](int move, std::string stage) {
        result.move = move;
        result.stage = std::move(stage);
        result.nodes = nodes_;
        result.milliseconds = time_.elapsedMs();
        return result;
    };
    const Side us = position.toMove();
    const Side them = opponent(us);

    bool anyNear = false;
    position.forEachNearCell([&](int) { anyNear = true; });
    if (!anyNear)
        return finish(centralCell(position), "opening");
    if (const int five = position.fivePoint(us); five != kNoCell) {
        result.score = kWin - 1;
        return finish(five, "five");
    }
    if (const int block = position.fivePoint(them); block != kNoCell) {
        if (position.threatCount(them, Threat::Five) > 1)
            result.score = -(kWin - 2);
        return finish(block, "block");
    }

    time_.beginPart(kFoursShare, nodes_);
    if (const int win = solveDeepening(position, 40, false, 1); win != kNoCell) {
        result.score = kWin - 3;
        return finish(win, "vcf");
    }
    time_.beginPart(kThreesShare, nodes_);
    if (const int win = solveDeepening(position, kThreesDepth, true, 3); win != kNoCell) {
        result.score = kWin - 5;
        return finish(win, "vct");
    }

    std::vector<int> rootMoves;
    {
        MoveStack::Frame moves(moves_);
        picker_.pick(position, hints(position, 0, kNoCell), kRootWidth, moves);
        for (std::size_t i = 0; i < moves.size(); ++i)
            rootMoves.push_back(moves.cell(i));
    }
    if (rootMoves.empty()) {
        // Every reply loses: make it as long as possible with the best-looking cell.
        position.forEachNearCell([&](int c) { rootMoves.push_back(c); });
        if (rootMoves.empty())
            return finish(centralCell(position), "search");
    }
    time_.beginPart(kDefenceShare, nodes_);
    rootMoves = keepDefences(position, rootMoves);

    time_.beginPart(1.0, nodes_);

    int bestMove = rootMoves.front();
    int bestScore = 0;
    for (int depth = 1; depth <= limits_.maxDepth; ++depth) {
        rootDepth_ = depth;
        // A window around the last score; a score outside it searches again with that side open.
        int alpha = -kInfinity;
        int beta = kInfinity;
        if (depth >= kAspirationDepth && !isWin(bestScore) && !isLoss(bestScore)) {
            alpha = bestScore - kAspirationWindow;
            beta = bestScore + kAspirationWindow;
        }
        int iterationBest = kNoCell;
        int iterationScore = -kInfinity;
        while (true) {
            iterationScore = searchRoot(position, rootMoves, depth, alpha, beta, iterationBest);
            if (stopped() || (iterationScore > alpha && iterationScore < beta))
                break;
            if (iterationScore <= alpha) {
                alpha = -kInfinity;
                iterationBest = kNoCell;  // below the window, no move is known to be best
            } else {
                beta = kInfinity;
            }
        }
        if (iterationBest != kNoCell) {
            bestMove = iterationBest;
            bestScore = iterationScore;
        }
        if (stopped())
            break;
        result.depth = depth;
        if (isWin(bestScore) || isLoss(bestScore) || rootMoves.size() == 1)
            break;
        if (time_.pastShare(nodes_, kSoftShare))
            break;
    }
    result.score = bestScore;
    return finish(bestMove, "search");
}

}  // namespace engine
