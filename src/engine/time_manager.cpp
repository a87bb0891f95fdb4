#include "engine/time_manager.h"

#include <algorithm>

namespace engine {
namespace {

class SteadyClock final : public Clock {
public:
    TimePoint now() const override { return std::chrono::steady_clock::now(); }
};

constexpr int kDefaultTurnMs = 100;
// With a match clock, no move takes more than this part of what is left above a reserve, which
// pays for the answers' own cost (reading, writing, the manager's side) over a long game.
constexpr long long kMatchShareDivisor = 10;
constexpr long long kMatchReserveMs = 150;

}  // namespace

const Clock& steadyClock() {
    static const SteadyClock clock;
    return clock;
}

int TimeManager::moveBudget(int turnMs, long long matchLeftMs) {
    int turn = turnMs > 0 ? turnMs : kDefaultTurnMs;
    if (matchLeftMs >= 0)
        turn = static_cast<int>(std::min<long long>(
            turn, std::max(0LL, matchLeftMs - kMatchReserveMs) / kMatchShareDivisor));
    return std::max(1, turn - std::max(5, turn / 20));
}

void TimeManager::start(const Limits& limits) {
    limits_ = limits;
    start_ = clock_->now();
    beginPart(1.0, 0);
}

void TimeManager::beginPart(double share, std::uint64_t nodes) {
    stopped_ = false;
    partStartNodes_ = nodes;
    if (limits_.nodes > 0) {
        const std::uint64_t left = limits_.nodes > nodes ? limits_.nodes - nodes : 0;
        partNodes_ = share >= 1.0
                         ? limits_.nodes
                         : nodes + static_cast<std::uint64_t>(static_cast<double>(left) * share);
        return;
    }
    const auto budget = std::chrono::milliseconds(limits_.milliseconds);
    partStart_ = clock_->now();
    const auto left = std::max(Clock::TimePoint::duration::zero(), start_ + budget - partStart_);
    partDeadline_ =
        partStart_ + std::chrono::duration_cast<Clock::TimePoint::duration>(left * share);
}

bool TimeManager::stop(std::uint64_t nodes) {
    if (stopped_)
        return true;
    if (limits_.nodes > 0) {
        stopped_ = nodes >= partNodes_;
    } else if ((nodes & 255U) == 0) {
        // The clock is read every 256 nodes, a fraction of a millisecond.
        stopped_ = clock_->now() >= partDeadline_;
    }
    return stopped_;
}

bool TimeManager::pastShare(std::uint64_t nodes, double share) const {
    if (limits_.nodes > 0) {
        const auto allowed =
            static_cast<std::uint64_t>(static_cast<double>(partNodes_ - partStartNodes_) * share);
        return nodes - partStartNodes_ >= allowed;
    }
    const auto allowed =
        std::chrono::duration_cast<std::chrono::nanoseconds>((partDeadline_ - partStart_) * share);
    return clock_->now() - partStart_ >= allowed;
}

int TimeManager::elapsedMs() const {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(clock_->now() - start_).count());
}

}  // namespace engine
