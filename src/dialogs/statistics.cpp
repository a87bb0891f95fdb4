#include "dialogs/statistics.h"

namespace cinq {

int Statistics::numberOf(Side side, int levelSetting) {
    const int level = levelSetting >= 0 && levelSetting < kLevels ? levelSetting : 0;
    return 1 + 2 * level + (side == Side::Player2 ? 1 : 0);
}

void Statistics::countWin(Side side, int levelSetting) {
    ++counts_.at(static_cast<std::size_t>(numberOf(side, levelSetting) - 1));
}

}  // namespace cinq
