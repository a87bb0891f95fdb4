#pragma once

#include <memory>

#include "engine/search.h"
#include "pbrain/protocol.h"

namespace pbrain {

// The engine as a protocol player: a position built from the protocol's board at every move, a
// search sized by max_memory and timed by timeout_turn and time_left.
class EnginePlayer final : public Player {
public:
    EnginePlayer();

    std::string refuseSize(int width, int height) const override;
    void newGame() override;
    void configure(const Settings& settings) override;
    std::pair<int, int> choose(const Board& board, const Settings& settings) override;
    std::string report() const override;

private:
    std::unique_ptr<engine::Search> search_;
    std::size_t tableBytes_;
    engine::Rule rule_ = engine::Rule::Freestyle;
    engine::SearchResult last_;
};

}  // namespace pbrain
