#pragma once

#include <chrono>
#include <cstdint>

// How long the engine thinks over one move. A move has a budget in milliseconds, or a node
// limit instead, under which the clock is never read and the same position always gives the
// same move. The search runs in parts (the threat searches at the root, then the main search),
// each with a share of what is left of the budget; the main search also has a soft limit, a
// share of its own time past which no new iteration starts.
namespace engine {

// The time the search reads; tests give a clock of their own.
class Clock {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    virtual ~Clock() = default;
    virtual TimePoint now() const = 0;
};

// The system's monotonic clock.
const Clock& steadyClock();

struct Limits {
    // Wall-clock budget for the move, in milliseconds; not read when `nodes` is set.
    int milliseconds = 100;
    // A node limit instead of the clock: the search is then fully deterministic.
    std::uint64_t nodes = 0;
    int maxDepth = 40;
};

class TimeManager {
public:
    explicit TimeManager(const Clock& clock = steadyClock()) : clock_(&clock) {}

    // The budget of one move under a tournament's clock: the turn's time (`turnMs`, 100 when
    // not given), at most a tenth of what is left on the match clock above a reserve of 150 ms
    // when there is one (`matchLeftMs` >= 0), so that a game never runs out of it; less a
    // margin of max(5 ms, 5 %) for reading the position and answering; at least 1 ms.
    static int moveBudget(int turnMs, long long matchLeftMs);

    // Starts a move under these limits, and its first part with the whole budget.
    void start(const Limits& limits);
    // Starts a part with `share` of what is left of the move's budget, time or nodes.
    void beginPart(double share, std::uint64_t nodes);
    // Asked at every node of the search with its count so far: true once the part's limit is
    // reached, and from then on until the next part begins.
    bool stop(std::uint64_t nodes);
    bool stopped() const { return stopped_; }
    // Asked between iterations: whether `share` of the part's own time (or nodes) has gone.
    bool pastShare(std::uint64_t nodes, double share) const;

    int elapsedMs() const;

private:
    const Clock* clock_;
    Limits limits_;
    Clock::TimePoint start_{};
    Clock::TimePoint partStart_{};
    Clock::TimePoint partDeadline_{};
    std::uint64_t partStartNodes_ = 0;
    std::uint64_t partNodes_ = 0;
    bool stopped_ = false;
};

}  // namespace engine
