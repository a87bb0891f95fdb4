#include "dialogs/statistics.h"

namespace cinq {

void Statistics::countWin(Side side, Level level) {
    ++counts_.at(static_cast<std::size_t>(numberOf(side, level) - 1));
}

}  // namespace cinq
