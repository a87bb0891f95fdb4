#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <string>
#include <vector>

#include "computer/die.h"
#include "replay/script_reader.h"
#include "replay/scripted_host.h"
#include "ui/frm_choix.h"
#include "ui/qt_host.h"

namespace cinq::replay {

// Answers the message boxes and modal windows of the program as they appear, from a polling
// timer (a window opened inside a handler runs its own event loop, where the timer goes on
// firing). Each one is written down as the dump's "shown" lists it, from what is on screen:
// a message box's title, text and buttons and the button pressed. Message boxes take the
// queued answers, or OK and "Oui"; the options dialog is closed with "Annuler" or its close box,
// the statistics window with its close box and the help window with "Fermer".
class ModalAnswerer : public QObject {
public:
    ModalAnswerer();

    std::deque<Answer> answers;
    std::vector<Shown> shown;
    // The next options dialog is closed with its close box.
    bool closeOptionsWithCloseBox = false;
    // What went wrong (an answer that does not fit its box, a window not expected), first only.
    std::string fault;

private:
    void poll();
    void answer(QWidget* window);
    void fail(const std::string& what);

    QTimer timer_;
    QPointer<QWidget> current_;
};

// Plays a script (docs/replay.md) on the real program, offscreen: a QtHost with its options
// dialog and main window, the die scripted as in the replay tool. Every event reaches the
// windows as the user's input would:
//
// - "click I": a mouse click on the sheet at the pixel of intersection I, when I is playable
//   (the target of any other intersection is hidden: the tool's click does nothing either).
//   A playable intersection lies on the window at every size the window can take; one outside
//   the sheet's widget would be an error, since no mouse reaches it.
// - "key": a key press on the sheet, which holds the keyboard focus; "menu": the menu's action;
//   "close": the main window's close; "undo" and "hint": the actions of "&Partie"'s items,
//   which do nothing while greyed out. (Their shortcuts need the window to be the active one,
//   which an offscreen run does not keep after a modal window; the widget tests press them.)
// - "opponent", "level", "name": clicks on the dialog's options and typing into its name boxes,
//   the dialog shown or hidden. The focus selects a box's text; each character is a key press,
//   or a paste (Ctrl+V) for a character that the line edit does not take from a key press (a
//   control or format character, one outside the Basic Multilingual Plane such as an emoji).
//   A dialog that its close box has destroyed is created again, hidden, on the same options,
//   as the next reference to one of its controls would load it.
// - "size W H": windows take whole pixels: the outer size is the one `reachableSize` gives.
// - "window": the window's own maximise, minimise and restore.
class QtScriptPlayer : public ScriptPlayer {
public:
    // Starts the program: the options dialog shows.
    QtScriptPlayer();
    ~QtScriptPlayer() override;

    // The outer size, in twips, that a window sized by "size W H" takes: raised to the smallest
    // window, above the largest one a pixel more than the largest (the resize rule brings any
    // larger size back to the largest), and otherwise the largest whole-pixel size not above
    // W × H.
    static OuterSize reachableSize(int width, int height);

    ui::QtHost& host() { return host_; }

    void chooseOpponent(Opponent opponent) override;
    void chooseLevel(LevelOption level) override;
    void typeName(int box, std::string_view text) override;
    void setRolls(std::vector<int> rolls) override { die_.setRolls(std::move(rolls)); }
    void queueAnswer(Answer answer) override { answerer_.answers.push_back(answer); }
    void start() override;
    void resize(int width, int height) override;
    void setWindowState(WindowState state) override;
    void click(int cell) override;
    void press(Key key) override;
    void menu(MenuCommand command, bool closeBox) override;
    void closeWindow() override;
    void takeBack() override;
    int hint() override;
    std::string dump() override;
    const Game* game() const override { return host_.game(); }
    std::size_t queuedAnswers() const override { return answerer_.answers.size(); }
    std::size_t rollsDrawn() const override { return die_.drawn(); }

private:
    // The options dialog, created hidden if its close box destroyed it.
    ui::FrmChoix& optionsDialog();
    // Lets the windows handle what the event has posted, then reports the answerer's fault.
    void settle();

    ScriptedDie die_;
    ui::QtHost host_;
    ModalAnswerer answerer_;
    // Stands in for the dialog while the host has none.
    std::unique_ptr<ui::FrmChoix> reloadedOptions_;
};

}  // namespace cinq::replay
