#include "dialogs/options_model.h"

namespace cinq {

void OptionsModel::recreate() {
    *this = OptionsModel(*level_);
}

void OptionsModel::chooseOpponent(Opponent opponent) {
    if (opponent == opponent_) {
        return;
    }
    opponent_ = opponent;
    // Setting the second name box goes through its change handler, as typing does.
    const std::string_view name = opponent == Opponent::Computer ? kComputerName : "Joueur 2";
    nameChanged(1, std::string(name));
}

void OptionsModel::nameChanged(int box, std::string text) {
    if (box == 0) {
        firstNameLabel_ = text;
        name1_ = std::move(text);
        return;
    }
    if (text != kComputerName && characterCount(text) <= kMaxOptionCaption) {
        humanOptionCaption_ = text;
    }
    name2_ = std::move(text);
}

void OptionsModel::chooseLevel(LevelOption option) {
    if (option == levelOption_) {
        return;
    }
    levelOption_ = option;
    const LevelChoice& choice = levelChoice(option);
    level_->value = choice.setting;
    level_->caption = choice.caption;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        // Continuation bytes (10xxxxxx) do not start a character.
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

}  // namespace cinq
