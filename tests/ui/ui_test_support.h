#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <deque>
#include <functional>

#include "board/board.h"
#include "ui/qt_host.h"

class QLabel;

namespace cinq::test {

// Answers the modal windows and message boxes that the code under test opens, in order. A
// polling timer looks for the active modal widget until a deadline; each one found is written
// into `seen` and handed to the next queued answer. A window found with no answer left, or still
// open at the deadline, is closed so that its exec() returns, and is marked in `seen`.
class ModalResponder : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalResponder(std::chrono::milliseconds deadline = std::chrono::seconds(20));

    ModalResponder& then(Answer answer);
    bool allAnswered() const { return answers_.empty(); }

    // One line per window: "box|title|text|buttons" for a message box (with "|icon" when it has
    // one), the window's object name otherwise.
    QStringList seen;

private:
    void poll();

    std::deque<Answer> answers_;
    QTimer timer_;
    std::chrono::steady_clock::time_point deadline_;
    QPointer<QWidget> current_;
};

// Answers: press the button that reads `text`; close the window as its close box does; run
// `look` on the window first, then `answer`.
ModalResponder::Answer press(const QString& text);
ModalResponder::Answer closeBox();
ModalResponder::Answer inspect(std::function<void(QWidget*)> look, ModalResponder::Answer answer);

// A child by object name, or nullptr.
template <class T = QWidget>
T* named(const QObject* parent, const QString& name) {
    return parent != nullptr ? parent->findChild<T*>(name) : nullptr;
}

// A control's caption or text, whatever its kind.
QString caption(const QWidget* control);

// Whether Qt shows the label's text as it stands (no markup interpreted).
bool showsPlainText(const QLabel* label);

// Starts the program and confirms the options dialog with "OK": the main window opens.
void startAndConfirm(ui::QtHost& host);

// Runs a menu command of the main window ("mnuChanger", "mnuQuitter", ...).
void runMenu(ui::QtHost& host, const QString& action);

// Brings `side` one game away from winning the match: two sets and four games.
void oneGameFromTheMatch(Game& game, PointColour side);

// The eight counts a statistics window shows, level by level, player 1 then player 2, "Niveau 3"
// last: "1 0 0 0 0 0 0 0".
QString statisticsCounts(const QWidget* window);

// Plays one game between two humans through the game's clicks, won by `winner` with five in a
// row on `row`; the loser's points stand two rows below, one column apart.
void playTwoPlayerGame(Game& game, PointColour winner, int row = 3);

}  // namespace cinq::test
