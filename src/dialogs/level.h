#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The computer's levels: the settings it plays at, the options of the options dialog that select
// them, and what each option means for the main window's label and the statistics. A new level
// is added here; the computer's own choice of what to play at it is the one other place, and
// the compiler points there (a switch over every level).
namespace cinq {

// The level setting: which of the main window's hidden level options is selected. The options
// dialog sets it, the computer plays by it and the statistics count the games won at it.
enum class Level : std::uint8_t { Initiation, One, Two, Three };

// Every level setting, in the order of its number: the statistics keep two counters for each.
inline constexpr std::array<Level, 4> kLevels{Level::Initiation, Level::One, Level::Two,
                                              Level::Three};

// The setting's number (0 to 3), by which the statistics number their counters.
constexpr int levelNumber(Level level) {
    return static_cast<int>(level);
}

// The four level options of the options dialog, in the order they stand in its "Niveaux" frame.
// They form one exclusive group, although "Niveau 3" is a control of its own. Each selects the
// setting of the same number.
enum class LevelOption { Initiation, Level1, Level2, Level3 };

// What a level option selects and how the windows show it.
struct LevelChoice {
    Level setting;
    const char* caption;      // what the main window's level label then reads
    const char* description;  // what a screen reader is told of the option
};

// Settings 0 to 2 play by the computer's searches over pattern tables; setting 3 is played by
// the engine (src/engine).
inline constexpr std::array<LevelChoice, 4> kLevelChoices{{
    {Level::Initiation, "Niveau initiation", "Niveau de l'ordinateur"},
    {Level::One, "Niveau 1", "Niveau de l'ordinateur"},
    {Level::Two, "Niveau 2", "Niveau de l'ordinateur"},
    {Level::Three, "Niveau 3", "Niveau de l'ordinateur, le plus fort"},
}};

constexpr const LevelChoice& levelChoice(LevelOption option) {
    return kLevelChoices[static_cast<std::size_t>(option)];
}

// The main window's level setting and the caption of its level label. The options dialog writes
// it; it outlives the dialog, which may be destroyed and recreated.
struct LevelSetting {
    Level value = levelChoice(LevelOption::Initiation).setting;
    std::string caption = levelChoice(LevelOption::Initiation).caption;
};

}  // namespace cinq
