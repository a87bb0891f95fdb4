#pragma once

#include <string>

namespace cinq {

// The main window's level setting: which of its three hidden level options is selected (0, 1
// or 2), read by the computer and by the statistics, and the caption of its level label.
// The options dialog writes it; it outlives the dialog, which may be destroyed and recreated.
struct LevelSetting {
    int value = 0;
    std::string caption = "Niveau initiation";
};

}  // namespace cinq
