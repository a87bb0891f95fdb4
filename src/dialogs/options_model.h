#pragma once

#include <string>
#include <string_view>

#include "dialogs/level.h"

namespace cinq {

enum class Opponent { Computer, Human };

// The state of the options dialog's controls and their handlers. The dialog is the store of the
// opponent choice and of the two names: the game reads them from here whenever it needs them.
// A level choice is copied at once into the shared LevelSetting, which keeps its value when the
// dialog is destroyed and comes back with its initial settings.
class OptionsModel {
public:
    explicit OptionsModel(LevelSetting& level) : level_(&level) {}

    // Back to the settings of a freshly created dialog (opponent, names, level option); the
    // level setting itself is left as it is.
    void recreate();

    // A click on an opponent option. Clicking the option already selected changes nothing.
    void chooseOpponent(Opponent opponent);
    // The text of name box 0 (player 1, green) or 1 (player 2, red) has changed to `text`.
    void nameChanged(int box, std::string text);
    // A click on a level option. Clicking the option already selected changes nothing.
    void chooseLevel(LevelOption option);

    Opponent opponent() const { return opponent_; }
    const std::string& name(int box) const { return box == 0 ? name1_ : name2_; }
    bool secondNameEnabled() const { return opponent_ == Opponent::Human; }
    bool levelsFrameVisible() const { return opponent_ == Opponent::Computer; }
    // Caption of the "Autres" option, which follows the second human's name.
    const std::string& humanOptionCaption() const { return humanOptionCaption_; }
    // The label of the "Adversaires" frame that repeats player 1's name.
    const std::string& firstNameLabel() const { return firstNameLabel_; }
    LevelOption levelOption() const { return levelOption_; }
    const LevelSetting& levelSetting() const { return *level_; }

    // The name of the second player when the opponent is the computer.
    static constexpr std::string_view kComputerName = "Ordinateur";
    // The longest second name, in characters, that renames the "Autres" option.
    static constexpr std::size_t kMaxOptionCaption = 14;

private:
    LevelSetting* level_;
    Opponent opponent_ = Opponent::Computer;
    std::string name1_ = "Joueur 1";
    std::string name2_ = std::string(kComputerName);
    std::string humanOptionCaption_ = "Autres";
    std::string firstNameLabel_ = "Joueur 1";
    LevelOption levelOption_ = LevelOption::Initiation;
};

// Number of characters (Unicode code points) of a UTF-8 text.
std::size_t characterCount(std::string_view utf8);

}  // namespace cinq
