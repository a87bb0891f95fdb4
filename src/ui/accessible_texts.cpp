#include "ui/accessible_texts.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace cinq::ui {

namespace {

std::string colourWord(PointColour colour) {
    switch (colour) {
        case PointColour::Green: return "vert";
        case PointColour::Red: return "rouge";
        case PointColour::Neutral: break;
    }
    return {};
}

// "de" before a name, elided before a vowel: "de Joueur 1", "d'Ordinateur", "d'Élodie".
std::string ofName(const std::string& name) {
    static constexpr std::array<std::string_view, 18> kVowels{
        "A", "E", "I", "O", "U", "Y", "a", "e", "i", "o", "u", "y", "É", "é", "È", "è", "Î", "î"};
    const bool vowel =
        std::ranges::any_of(kVowels, [&](std::string_view v) { return name.starts_with(v); });
    return (vowel ? "d'" : "de ") + name;
}

}  // namespace

std::string intersectionWords(int i) {
    return "ligne " + std::to_string(rowOf(i) - kFirstSheetRow + 1) + ", colonne " +
           std::to_string(columnOf(i) - kFirstSheetColumn + 1);
}

std::string intersectionState(const Board& board, int i) {
    const std::string point = board.hasPoint(i) ? "point " + colourWord(board.colour(i)) : "";
    if (board.isClosed(i)) {
        return point.empty() ? "fermée" : point + ", fermée";
    }
    if (board.isOffSheet(i)) {
        return "hors de la feuille";
    }
    return point.empty() ? "libre" : point;
}

std::string sheetDescription(const Board& board, int sight, int computerReply) {
    std::string text =
        "Viseur " + intersectionWords(sight) + " : " + intersectionState(board, sight) + ".";
    if (isGridSlot(computerReply)) {
        text += " L'ordinateur a joué " + intersectionWords(computerReply) + ".";
    }
    return text;
}

std::string hintDescription(int cell) {
    return "Conseil : " + intersectionWords(cell) + ".";
}

void SheetNarration::hinted(int cell) {
    hint_ = cell;
}

void SheetNarration::computerPlayed(int cell) {
    reply_ = cell;
    freshReply_ = true;
}

std::string SheetNarration::describe(const Board& board, int sight) {
    const bool sightMoved = lastSight_ >= 0 && sight != lastSight_;
    if ((sightMoved && !freshReply_) || (reply_ >= 0 && board.colour(reply_) != PointColour::Red)) {
        reply_ = -1;
    }
    freshReply_ = false;
    lastSight_ = sight;
    if (hint_ >= 0 && (sight != hint_ || board.hasPoint(hint_) || !board.isPlayable(hint_))) {
        hint_ = -1;
    }
    if (hint_ >= 0) {
        return hintDescription(hint_);
    }
    return sheetDescription(board, sight, reply_);
}

std::string tallyName(Tally tally, const std::string& player, int count) {
    return (tally == Tally::Games ? "Parties" : "Manches") + std::string(" gagnées par ") + player +
           " : " + std::to_string(count);
}

std::string levelWinsName(const std::string& level, const std::string& player, int count) {
    return level + ", parties gagnées par " + player + " : " + std::to_string(count);
}

std::string turnName(PointColour turn, const std::string& player1, const std::string& player2) {
    switch (turn) {
        case PointColour::Green: return "Au tour " + ofName(player1) + " (vert)";
        case PointColour::Red: return "Au tour " + ofName(player2) + " (rouge)";
        case PointColour::Neutral: break;
    }
    return "Tour";
}

std::string stripName(PointColour colour, const std::string& player) {
    return "Couleur " + ofName(player) + " : " + colourWord(colour);
}

}  // namespace cinq::ui
