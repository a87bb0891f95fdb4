#include "engine/move_picker.h"

namespace engine {

void MovePicker::addDefences(const Position& position, MoveStack::Frame& moves) {
    const Side us = position.toMove();
    position.defences(opponent(us), defences_);
    for (const int c : defences_)
        moves.push(0, c);
    position.forEachThreat(us, [&](int c) {
        if (position.threat(us, c) >= Threat::Four && !moves.contains(c))
            moves.push(0, c);
    });
}

bool MovePicker::pick(const Position& position, const OrderHints& hints, std::size_t width,
                      MoveStack::Frame& moves) {
    const Side us = position.toMove();
    const Side them = opponent(us);
    if (const int block = position.fivePoint(them); block != kNoCell) {
        moves.push(0, block);
        return true;
    }
    const bool forced = position.threatCount(them, Threat::OpenFour) > 0;
    if (forced)
        addDefences(position, moves);
    else
        position.forEachNearCell([&](int c) { moves.push(0, c); });
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int c = moves.cell(i);
        int s = position.score(us, c) * 4 + position.score(them, c) * 3;
        if (hints.history != nullptr)
            s += hints.history[c] / 16;
        if (c == hints.tableMove)
            s += 1 << 28;
        if (c == hints.killers[0] || c == hints.killers[1])
            s += 1 << 20;
        moves.setKey(i, -s);
    }
    moves.keepBest(forced ? moves.size() : width);
    return forced;
}

}  // namespace engine
