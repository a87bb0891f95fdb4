// libFuzzer over the Gomocup protocol: the input is split into lines and fed to the front end
// with the engine playing under a small node limit, as a manager would feed it. Bad input must
// never crash it, and every move it answers must be a free cell of the board.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "pbrain/engine_player.h"
#include "pbrain/protocol.h"

namespace {

// The engine, kept small and quick whatever the input asks for.
class QuickEngine final : public pbrain::Player {
public:
    std::string refuseSize(int width, int height) const override {
        return engine_.refuseSize(width, height);
    }
    void newGame() override { engine_.newGame(); }
    void configure(const pbrain::Settings& settings) override {
        engine_.configure(bounded(settings));
    }
    std::pair<int, int> choose(const pbrain::Board& board,
                               const pbrain::Settings& settings) override {
        const auto move = engine_.choose(board, bounded(settings));
        // The engine's own choice must already be legal: the protocol's fallback is a last resort.
        if (!board.contains(move.first, move.second) ||
            board.at(move.first, move.second) != pbrain::Board::Empty)
            std::abort();
        return move;
    }
    std::string report() const override { return engine_.report(); }

private:
    static pbrain::Settings bounded(pbrain::Settings settings) {
        settings.maxNodes = 300;
        settings.maxMemory = std::min<long long>(settings.maxMemory, 2 << 20);
        return settings;
    }
    pbrain::EnginePlayer engine_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuickEngine player;
    std::ostringstream out;
    pbrain::Protocol protocol(player, out, "name=\"fuzz\"");
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        if (!protocol.handle(input.substr(start, end - start)))
            break;
        start = end + 1;
    }
    return 0;
}
