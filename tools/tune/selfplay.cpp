#include "tune/selfplay.h"

#include <string>
#include <vector>

#include "engine/search.h"
#include "tune/features.h"

namespace tune {
namespace {

using engine::Position;

// splitmix64: a small generator whose output the standard fixes nowhere else (the distributions
// of <random> differ between libraries).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31U);
    }
    // A number in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

// The opening: two to four stones of both sides in turn in the 5 x 5 square at the centre, then
// up to four moves on random cells near the stones. Returns how many stones it placed.
int playOpening(Position& position, Random& random) {
    const int centred = 2 + random.below(3);
    const int low = position.width() / 2 - 2;
    while (position.stoneCount() < centred) {
        const int c = Position::cell(low + random.below(5), low + random.below(5));
        if (position.isEmpty(c))
            position.play(c);
    }
    const int loose = random.below(5);
    std::vector<int> near;
    for (int i = 0; i < loose; ++i) {
        near.clear();
        position.forEachNearCell([&](int c) { near.push_back(c); });
        position.play(near[static_cast<std::size_t>(random.below(static_cast<int>(near.size())))]);
    }
    return position.stoneCount();
}

struct Sample {
    int ply;
    engine::Side toMove;
    Features features;
};

}  // namespace

void selfPlay(const SelfPlayOptions& options, std::ostream& out, std::ostream* progress) {
    out << "# cinquevole-selfplay --games " << options.games << " --nodes " << options.nodes
        << " --seed " << options.seed << " --side " << options.side << " --sample "
        << options.samplePercent << "\n";
    out << "game ply result";
    for (const std::string& name : featureNames())
        out << ' ' << name;
    out << '\n';

    engine::Search search(std::size_t{16} << 20U);
    engine::Limits limits;
    limits.nodes = options.nodes;
    std::vector<Sample> samples;
    for (int game = 0; game < options.games; ++game) {
        Random random(options.seed * std::uint64_t{0x100000001B3} +
                      static_cast<std::uint64_t>(game));
        search.clear();
        Position position(options.side, options.side);
        const int opening = playOpening(position, random);
        samples.clear();
        // The winner, or none for a draw.
        bool decided = false;
        engine::Side winner = engine::Side::Black;
        while (position.stoneCount() < options.side * options.side) {
            const engine::SearchResult result = search.choose(position, limits);
            if (result.move == engine::kNoCell)
                break;
            const bool quiet = result.stage == "search" && !engine::isWin(result.score) &&
                               !engine::isLoss(result.score) && isQuiet(position);
            if (quiet && position.stoneCount() > opening &&
                random.below(100) < options.samplePercent)
                samples.push_back({position.stoneCount(), position.toMove(), featuresOf(position)});
            const engine::Side mover = position.toMove();
            const bool wins = position.threat(mover, result.move) == engine::Threat::Five;
            position.play(result.move);
            if (wins) {
                decided = true;
                winner = mover;
                break;
            }
        }
        for (const Sample& sample : samples) {
            const char* score = !decided ? "0.5" : (sample.toMove == winner ? "1" : "0");
            out << game << ' ' << sample.ply << ' ' << score << ' ';
            writeFeatures(out, sample.features);
            out << '\n';
        }
        if (progress != nullptr) {
            *progress << "game " << game + 1 << '/' << options.games << ": "
                      << position.stoneCount() << " stones, "
                      << (!decided ? "draw" : (winner == engine::Side::Black ? "black" : "white"))
                      << " wins, " << samples.size() << " positions\n";
        }
    }
}

}  // namespace tune
