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
enum class Level : std::uint8_t { Initiation, One, Two };

// Every level setting, in the order of its number: the statistics keep two counters for each.
inline constexpr std::array<Level, 3> kLevels{Level::Initiation, Level::One, Level::Two};

// The setting's number (0, 1, 2), by which the statistics number their counters.
constexpr int levelNumber(Level level) {
    return static_cast<int>(level);
}

// The four level options of the options dialog, in the order they stand in its "Niveaux" frame.
// They form one exclusive group, although "Niveau 3" is a control of its own.
enum class LevelOption { Initiation, Level1, Level2, Level3 };

// What a level option selects and how the windows show it.
struct LevelChoice {
    Level setting;
    const char* caption;      // what the main window's level label then reads
    bool counted;             // the statistics window's column of this option counts its games
    const char* description;  // what a screen reader is told of the option
};

// "Niveau 3" has no setting of its own: it plays as "Niveau 1", and its column of the statistics
// window counts nothing.
inline constexpr std::array<LevelChoice, 4> kLevelChoices{{
    {Level::Initiation, "Niveau initiation", true, "Niveau de l'ordinateur"},
    {Level::One, "Niveau 1", true, "Niveau de l'ordinateur"},
    {Level::Two, "Niveau 2", true, "Niveau de l'ordinateur"},
    {Level::One, "Niveau 3", false, "Niveau de l'ordinateur, qui joue comme au niveau 1"},
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
