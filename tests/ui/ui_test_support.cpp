#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextDocument>

#include "board/game_access.h"

namespace cinq::test {

namespace {
constexpr int kPollMs = 10;
}  // namespace

ModalResponder::ModalResponder(std::chrono::milliseconds deadline)
    : deadline_(std::chrono::steady_clock::now() + deadline) {
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalResponder::poll);
    timer_.start();
}

ModalResponder& ModalResponder::then(Answer answer) {
    answers_.push_back(std::move(answer));
    return *this;
}

void ModalResponder::poll() {
    QWidget* window = QApplication::activeModalWidget();
    // A window being answered may still be on screen for a moment; answer each once.
    if (window == nullptr || !window->isVisible() || window == current_) {
        if (std::chrono::steady_clock::now() > deadline_ && window != nullptr) {
            seen << "deadline";
            window->close();
        }
        return;
    }
    current_ = window;
    QString line = window->objectName();
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QStringList buttons;
        for (QAbstractButton* button : box->buttons()) {
            buttons << button->text();
        }
        line = QStringList{"box", box->windowTitle(), box->text(), buttons.join(',')}.join('|');
        if (box->icon() != QMessageBox::NoIcon) {
            line += "|icon";
        }
    }
    seen << line;
    if (answers_.empty()) {
        seen << "unanswered";
        window->close();
        return;
    }
    const Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(window);
    // A window that is shown again later (the options dialog is only hidden) is a new showing.
    // One read of the guarded pointer: the window may be gone since.
    if (const QWidget* shown = current_.data(); shown != nullptr && !shown->isVisible()) {
        current_ = nullptr;
    }
}

ModalResponder::Answer press(const QString& text) {
    return [text](QWidget* window) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (button->text() == text && button->isVisible()) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable("no button " + text));
    };
}

ModalResponder::Answer closeBox() {
    return [](QWidget* window) { window->close(); };
}

ModalResponder::Answer inspect(std::function<void(QWidget*)> look, ModalResponder::Answer answer) {
    return [look = std::move(look), answer = std::move(answer)](QWidget* window) {
        look(window);
        answer(window);
    };
}

QString caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        return frame->title();
    }
    return control->windowTitle();
}

bool showsPlainText(const QLabel* label) {
    return label->textFormat() == Qt::PlainText ||
           (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

void startAndConfirm(ui::QtHost& host) {
    host.start();
    auto* ok = named<QAbstractButton>(host.optionsDialog(), "cmdOk");
    QVERIFY(ok != nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(host.mainWindow() != nullptr && host.mainWindow()->isVisible());
}

void runMenu(ui::QtHost& host, const QString& action) {
    auto* item = named<QAction>(host.mainWindow(), action);
    QVERIFY2(item != nullptr, qPrintable(action));
    item->trigger();
}

void oneGameFromTheMatch(Game& game, PointColour side) {
    GameState& state = GameAccess::state(game);
    (side == PointColour::Green ? state.setsPlayer1 : state.setsPlayer2) = 2;
    (side == PointColour::Green ? state.gamesPlayer1 : state.gamesPlayer2) = 4;
}

QString statisticsCounts(const QWidget* window) {
    QStringList counts;
    for (int index : {9, 10, 11, 12, 13, 14, 17, 16}) {
        counts << caption(named(window, QStringLiteral("lblStatistique(%1)").arg(index)));
    }
    return counts.join(' ');
}

void playTwoPlayerGame(Game& game, PointColour winner, int row) {
    int winnerPoints = 0;
    int loserPoints = 0;
    while (winnerPoints < 5 && !game.ended()) {
        if (game.state().turn == winner) {
            game.click(indexOf(row, 3 + winnerPoints++));
        } else {
            game.click(indexOf(row + 2, 3 + 2 * loserPoints++));
        }
    }
}

}  // namespace cinq::test
