#pragma once

#include <cstddef>
#include <cstdint>

namespace cinq::fuzz {

// Where the event generator takes its decisions from. A seeded source never runs out, so that a
// seed names a whole run; a byte source reads the fuzzer's input and runs out at its end, so that
// the fuzzer's mutations of the bytes become mutations of the event sequence.
class Choices {
public:
    virtual ~Choices() = default;
    // A number from 0 to n - 1; n must be at least 1.
    virtual std::uint32_t below(std::uint32_t n) = 0;
    // True once a finite source has run out; it then answers 0.
    virtual bool exhausted() const { return false; }

    // True with probability `perMille` / 1000.
    bool chance(std::uint32_t perMille) { return below(1000) < perMille; }
    // A number from low to high, both included.
    int between(int low, int high) {
        return low + static_cast<int>(below(static_cast<std::uint32_t>(high - low + 1)));
    }
};

// SplitMix64: small, fast and the same on every platform and standard library, unlike the
// distributions of <random>, so that a seed gives the same run everywhere.
class SeededChoices : public Choices {
public:
    explicit SeededChoices(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }
    std::uint32_t below(std::uint32_t n) override {
        // The high 32 bits scaled to [0, n): no modulo bias worth the name for our small n.
        return static_cast<std::uint32_t>(((next() >> 32U) * n) >> 32U);
    }

private:
    std::uint64_t state_;
};

// Takes each decision from the next one, two or four bytes of the input, as n needs.
class ByteChoices : public Choices {
public:
    ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint32_t below(std::uint32_t n) override {
        const std::size_t width = n <= 0x100U ? 1 : n <= 0x10000U ? 2 : 4;
        if (position_ + width > size_) {
            position_ = size_;
            exhausted_ = true;
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < width; ++k) {
            value = (value << 8U) | data_[position_++];
        }
        return value % n;
    }
    bool exhausted() const override { return exhausted_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool exhausted_ = false;
};

// The seed of session `session` of the run of `seed`: each session can be run on its own.
inline std::uint64_t sessionSeed(std::uint64_t seed, std::uint64_t session) {
    SeededChoices mix(seed * 0x100000001B3ULL + session);
    return mix.next();
}

}  // namespace cinq::fuzz
