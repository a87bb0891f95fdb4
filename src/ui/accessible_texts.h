#pragma once

#include <string>

#include "board/board.h"

// What the windows tell a screen reader, in French, beside what they show. Nothing here is shown
// on the screen: the visible texts are the game's own.
namespace cinq::ui {

// An intersection as the user counts it: the sheet's top-left intersection (row 2, column 2 of
// the index) is "ligne 1, colonne 1".
std::string intersectionWords(int i);

// What stands on an intersection: "libre", "point vert", "point rouge", "fermée" (with its point
// first when the closed intersection holds one: "point rouge, fermée"), or "hors de la feuille"
// for an intersection that a resize has taken off the sheet.
std::string intersectionState(const Board& board, int i);

// The sheet's accessible description: where the sight stands and what is there, then, when
// `computerReply` is a cell, where the computer has just played.
//   "Viseur ligne 2, colonne 14 : libre. L'ordinateur a joué ligne 3, colonne 15."
std::string sheetDescription(const Board& board, int sight, int computerReply = -1);

// The description of a hint: "Conseil : ligne 4, colonne 9."
std::string hintDescription(int cell);

// The description that the sheet carries after each event. The computer's point is named from
// the event in which it was played until the sight moves, or until the point is gone (a new
// sheet, a move taken back), so that moving the sight is not drowned in an old reply. A hint is
// told instead while the sight stays on its intersection and the intersection stays free.
class SheetNarration {
public:
    // The computer has placed its point at `cell` during the current event.
    void computerPlayed(int cell);
    // "Conseil" has moved the sight to `cell` during the current event.
    void hinted(int cell);
    // The description once the event has run; `sight` is the intersection under the sight.
    std::string describe(const Board& board, int sight);

private:
    int reply_ = -1;
    bool freshReply_ = false;
    int hint_ = -1;
    int lastSight_ = -1;
};

// The counts of the main window and of the statistics window, with what they count.
//   "Parties gagnées par Joueur 1 : 2", "Manches gagnées par Ordinateur : 0"
enum class Tally { Games, Sets };
std::string tallyName(Tally tally, const std::string& player, int count);
//   "Niveau 1, parties gagnées par Joueur 1 : 0"
std::string levelWinsName(const std::string& level, const std::string& player, int count);

// The turn disc: "Au tour de Joueur 1 (vert)", "Au tour d'Ordinateur (rouge)"; a neutral colour
// names no one.
std::string turnName(PointColour turn, const std::string& player1, const std::string& player2);

// A colour strip above a name or a count: "Couleur de Joueur 1 : vert", "Couleur d'Ordinateur :
// rouge".
std::string stripName(PointColour colour, const std::string& player);

}  // namespace cinq::ui
