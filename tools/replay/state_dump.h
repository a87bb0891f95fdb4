#pragma once

#include <string>
#include <vector>

#include "board/game.h"
#include "replay/scripted_host.h"

namespace cinq::replay {

// The sheet as 32 lines, one per grid row, a character per slot:
//   .  playable, no point      g r  playable, green / red point
//   #  closed, no point        G R  closed, green / red point
//   -  off the sheet, no point a b  off the sheet, green / red point
std::string sheetPicture(const Board& board);
char slotCharacter(const Slot& slot);

// The whole state of the game in the replay tool's format, from "sheet" to "end"; `shown` lists
// what was shown since the previous dump.
std::string dumpState(const Game& game, const std::vector<Shown>& shown);

// One entry of the "shown" list, as the replay format writes it.
std::string shownLine(const Shown& shown);

}  // namespace cinq::replay
