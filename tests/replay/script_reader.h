#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "board/game.h"
#include "dialogs/options_model.h"

namespace cinq::test {

enum class MenuCommand { NewSheet, ChangeLevel, Statistics, Quit, Help };

// What plays the user's events of a script (docs/replay.md): the replay tool's session on the
// game's own logic, or the real windows. The reader parses each line once and calls the player,
// so that both read a script the same way.
class ScriptPlayer {
public:
    virtual ~ScriptPlayer() = default;

    // The options dialog, shown or hidden.
    virtual void chooseOpponent(Opponent opponent) = 0;
    virtual void chooseLevel(LevelOption level) = 0;
    // Gives name box `box` (0 or 1) the focus and types `text` character by character.
    virtual void typeName(int box, std::string_view text) = 0;

    virtual void setRolls(std::vector<int> rolls) = 0;
    virtual void queueAnswer(Answer answer) = 0;

    // "OK" of the options dialog; nothing once the main window exists.
    virtual void start() = 0;
    // The outer size in twips, as the script writes it.
    virtual void resize(int width, int height) = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void click(int cell) = 0;
    virtual void press(Key key) = 0;
    // Chooses the command and closes the window it opens; `closeBox` closes the options
    // dialog with its close box instead of "Annuler".
    virtual void menu(MenuCommand command, bool closeBox) = 0;
    virtual void closeWindow() = 0;

    // The state as "dump" prints it, with what was shown since the previous dump.
    virtual std::string dump() = 0;

    // The game, once the main window has opened.
    virtual const Game* game() const = 0;
    // The answers queued and not yet taken by a message box.
    virtual std::size_t queuedAnswers() const = 0;
    bool ended() const { return game() != nullptr && game()->ended(); }
};

// The script's fault, reported as "error LINE: reason".
struct ScriptError {
    std::string reason;
};

enum class ScriptStatus { Running, Ended, Error };

// Runs one line (numbered from 1 for error messages) on `player`, writing its dumps, "ended" and
// "error LINE: reason" to `out`. An event that needs the main window first runs "start".
ScriptStatus runScriptLine(ScriptPlayer& player, std::string_view line, int lineNumber,
                           std::ostream& out);
// Runs every line of `in` until the end, the end of the program or an error.
ScriptStatus runScriptLines(ScriptPlayer& player, std::istream& in, std::ostream& out);

// The characters of UTF-8 text, one string each, as a name line types them.
std::vector<std::string> characters(std::string_view text);

}  // namespace cinq::test
