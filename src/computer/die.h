#pragma once

#include <cstddef>
#include <random>
#include <utility>
#include <vector>

namespace cinq {

// The die that varies the computer's play: one roll, 1 to 6, per look-around.
class Die {
public:
    virtual ~Die() = default;
    virtual int roll() = 0;
};

// A fair die, seeded once when the program starts.
class RandomDie : public Die {
public:
    RandomDie() : engine_(std::random_device{}()) {}
    explicit RandomDie(unsigned seed) : engine_(seed) {}
    int roll() override { return std::uniform_int_distribution<int>(1, 6)(engine_); }

private:
    std::mt19937 engine_;
};

// A die that gives the numbers it was given, in order, starting again after the last.
class ScriptedDie : public Die {
public:
    explicit ScriptedDie(std::vector<int> rolls = {1, 2, 3, 4, 5, 6}) : rolls_(std::move(rolls)) {}
    void setRolls(std::vector<int> rolls) {
        rolls_ = std::move(rolls);
        next_ = 0;
    }
    int roll() override {
        if (rolls_.empty()) {
            return 1;
        }
        ++drawn_;
        const int value = rolls_[next_];
        next_ = (next_ + 1) % rolls_.size();
        return value;
    }
    // How many rolls have been drawn.
    std::size_t drawn() const { return drawn_; }

private:
    std::vector<int> rolls_;
    std::size_t next_ = 0;
    std::size_t drawn_ = 0;
};

}  // namespace cinq
