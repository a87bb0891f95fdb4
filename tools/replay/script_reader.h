#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "board/game.h"
#include "dialogs/options_model.h"

namespace cinq::replay {

enum class MenuCommand { NewSheet, ChangeLevel, Statistics, Quit, Help };

// The events of a script (docs/replay.md), one type per command, as the one reader of the format
// gives them.
namespace event {
struct ChooseOpponent {
    Opponent opponent;
};
struct ChooseLevel {
    LevelOption level;
};
// Gives name box `box` (0 or 1) the focus and types `text` character by character.
struct TypeName {
    int box;
    std::string text;
};
struct SetRolls {
    std::vector<int> rolls;
};
struct QueueAnswers {
    std::vector<Answer> answers;
};
struct Start {};
// The outer size in twips, as the script writes it.
struct Resize {
    int width, height;
};
struct SetWindowState {
    WindowState state;
};
struct Click {
    int cell;
};
struct Press {
    Key key;
};
// Chooses the command and closes the window it opens; `closeBox` closes the options dialog with
// its close box instead of "Annuler".
struct ChooseMenu {
    MenuCommand command;
    bool closeBox;
};
struct CloseWindow {};
// "Annuler le coup" of the "&Partie" menu.
struct TakeBack {};
// "Conseil" of the "&Partie" menu; prints the intersection hinted.
struct Hint {};
struct Dump {};
// Prints how many times the die has been rolled since the program started.
struct CountRolls {};
}  // namespace event

using ScriptEvent =
    std::variant<event::ChooseOpponent, event::ChooseLevel, event::TypeName, event::SetRolls,
                 event::QueueAnswers, event::Start, event::Resize, event::SetWindowState,
                 event::Click, event::Press, event::ChooseMenu, event::CloseWindow, event::Dump,
                 event::CountRolls, event::TakeBack, event::Hint>;

// The script's fault, reported as "error LINE: reason".
struct ScriptError {
    std::string reason;
};

// Reads one line of a script: its event, or none for a blank line or a comment. Throws
// ScriptError when the line is not an event of the format.
std::optional<ScriptEvent> readScriptLine(std::string_view line);

// Whether an event needs the main window: any but the options, the names, the die and the
// answers, which act on the options dialog and the host before "start".
bool needsMainWindow(const ScriptEvent& event);

// What plays the user's events of a script: the replay tool's session on the game's own logic,
// or the real windows. Both are driven through the same reader, so that they read a script the
// same way.
class ScriptPlayer {
public:
    virtual ~ScriptPlayer() = default;

    // The options dialog, shown or hidden.
    virtual void chooseOpponent(Opponent opponent) = 0;
    virtual void chooseLevel(LevelOption level) = 0;
    virtual void typeName(int box, std::string_view text) = 0;

    virtual void setRolls(std::vector<int> rolls) = 0;
    virtual void queueAnswer(Answer answer) = 0;

    // "OK" of the options dialog; nothing once the main window exists.
    virtual void start() = 0;
    virtual void resize(int width, int height) = 0;
    virtual void setWindowState(WindowState state) = 0;
    virtual void click(int cell) = 0;
    virtual void press(Key key) = 0;
    virtual void menu(MenuCommand command, bool closeBox) = 0;
    virtual void closeWindow() = 0;
    // "Annuler le coup"; nothing while it is greyed out.
    virtual void takeBack() = 0;
    // "Conseil": the intersection hinted, -1 while it is greyed out or found none.
    virtual int hint() = 0;

    // The state as "dump" prints it, with what was shown since the previous dump.
    virtual std::string dump() = 0;
    // The die's rolls drawn since the program started.
    virtual std::size_t rollsDrawn() const = 0;

    // The game, once the main window has opened.
    virtual const Game* game() const = 0;
    // The answers queued and not yet taken by a message box.
    virtual std::size_t queuedAnswers() const = 0;
    bool ended() const { return game() != nullptr && game()->ended(); }
};

enum class ScriptStatus { Running, Ended, Error };

// Plays an event on `player`, writing a dump to `out`; an event that needs the main window first
// runs "start".
void play(ScriptPlayer& player, const ScriptEvent& event, std::ostream& out);

// Reads and plays one line (numbered from 1 for error messages), writing its dumps, "ended" and
// "error LINE: reason" to `out`.
ScriptStatus runScriptLine(ScriptPlayer& player, std::string_view line, int lineNumber,
                           std::ostream& out);
// Runs every line of `in` until the end, the end of the program or an error.
ScriptStatus runScriptLines(ScriptPlayer& player, std::istream& in, std::ostream& out);

// The characters of UTF-8 text, one string each, as a name line types them.
std::vector<std::string> characters(std::string_view text);

}  // namespace cinq::replay
