#include "windows/qt_script_player.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>

#include "replay/state_dump.h"
#include "ui/frm_apropos.h"
#include "ui/frm_statistique.h"
#include "ui/units.h"

namespace cinq::replay {

namespace {

constexpr int kPollMs = 1;

QAbstractButton* buttonReading(const QWidget* window, const QString& text) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

const char* answerText(Answer answer) {
    switch (answer) {
        case Answer::Ok: return "OK";
        case Answer::Yes: return "Oui";
        case Answer::No: return "Non";
    }
    return "";
}

// Clicks an option on its round indicator: a radio button takes clicks on its indicator and its
// caption only, and a short caption leaves the middle of the control empty.
void clickOption(QRadioButton& option) {
    QStyleOptionButton style;
    style.initFrom(&option);
    const QRect indicator =
        option.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, &option);
    QTest::mouseClick(&option, Qt::LeftButton, {}, indicator.center());
}

template <class T = QWidget>
T& control(const QWidget& parent, const char* name) {
    T* found = parent.findChild<T*>(name);
    if (found == nullptr) {
        throw ScriptError{std::string("no control ") + name};
    }
    return *found;
}

}  // namespace

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(kPollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

void ModalAnswerer::poll() {
    QWidget* window = QApplication::activeModalWidget();
    // A window being answered may still be on screen for a moment; answer each showing once.
    if (window == nullptr || !window->isVisible() || window == current_) {
        return;
    }
    current_ = window;
    answer(window);
    if (window->isVisible()) {
        fail("the window \"" + window->windowTitle().toStdString() + "\" stayed open");
        window->close();
    }
    // The options dialog is only hidden: its next showing is a new one.
    current_ = nullptr;
}

void ModalAnswerer::answer(QWidget* window) {
    if (auto* box = qobject_cast<QMessageBox*>(window)) {
        QStringList buttons;
        for (const QAbstractButton* button : box->buttons()) {
            buttons << button->text();
        }
        Message message{box->text().toStdString(), box->windowTitle().toStdString()};
        if (buttons == QStringList{"OK"}) {
            message.buttons = Buttons::Ok;
        } else if (buttons.size() == 2 && buttons.contains("Oui") && buttons.contains("Non")) {
            message.buttons = Buttons::YesNo;
        } else {
            fail("a message box with the buttons " + buttons.join(',').toStdString());
            window->close();
            return;
        }
        Answer reply = message.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
        if (!answers.empty()) {
            const bool fits = (message.buttons == Buttons::Ok) == (answers.front() == Answer::Ok);
            if (!fits) {
                fail("answer does not fit the message box \"" + message.text + "\"");
            } else {
                reply = answers.front();
                answers.pop_front();
            }
        }
        shown.push_back({Shown::Kind::Message, message, reply});
        QTest::mouseClick(buttonReading(box, answerText(reply)), Qt::LeftButton);
    } else if (qobject_cast<ui::FrmChoix*>(window) != nullptr) {
        shown.push_back({Shown::Kind::Options, {}, Answer::Ok});
        if (closeOptionsWithCloseBox) {
            window->close();
        } else {
            QTest::mouseClick(buttonReading(window, "Annuler"), Qt::LeftButton);
        }
        closeOptionsWithCloseBox = false;
    } else if (qobject_cast<ui::FrmStatistique*>(window) != nullptr) {
        shown.push_back({Shown::Kind::Statistics, {}, Answer::Ok});
        window->close();
    } else if (qobject_cast<ui::FrmApropos*>(window) != nullptr) {
        shown.push_back({Shown::Kind::Help, {}, Answer::Ok});
        QTest::mouseClick(buttonReading(window, "Fermer"), Qt::LeftButton);
    } else {
        fail("a window not expected: " + window->objectName().toStdString());
        window->close();
    }
}

void ModalAnswerer::fail(const std::string& what) {
    if (fault.empty()) {
        fault = what;
    }
}

QtScriptPlayer::QtScriptPlayer() : host_(&die_, kScriptedBudget) {
    host_.start();
}

QtScriptPlayer::~QtScriptPlayer() = default;

OuterSize QtScriptPlayer::reachableSize(int width, int height) {
    const auto reachable = [](int twips, int smallest, int largest, int frame) {
        if (twips > largest) {
            return largest + kTwipsPerPixel;
        }
        const int pixels = (std::max(twips, smallest) - frame) / kTwipsPerPixel;
        return frame + pixels * kTwipsPerPixel;
    };
    return {reachable(width, kDesignOuterSize.width, kLargestOuterSize.width, kFrameWidth),
            reachable(height, kDesignOuterSize.height, kLargestOuterSize.height, kFrameHeight)};
}

void QtScriptPlayer::settle() {
    QCoreApplication::processEvents();
    if (!answerer_.fault.empty()) {
        const std::string fault = answerer_.fault;
        answerer_.fault.clear();
        throw ScriptError{fault};
    }
}

ui::FrmChoix& QtScriptPlayer::optionsDialog() {
    if (ui::FrmChoix* dialog = host_.optionsDialog()) {
        reloadedOptions_.reset();
        return *dialog;
    }
    if (reloadedOptions_ == nullptr) {
        reloadedOptions_ = std::make_unique<ui::FrmChoix>(host_.options());
    }
    return *reloadedOptions_;
}

void QtScriptPlayer::chooseOpponent(Opponent opponent) {
    const char* name = opponent == Opponent::Computer ? "optJoueur2(0)" : "optJoueur2(1)";
    clickOption(control<QRadioButton>(optionsDialog(), name));
    settle();
}

void QtScriptPlayer::chooseLevel(LevelOption level) {
    static constexpr std::array<const char*, 4> kNames{"optNiveau(0)", "optNiveau(1)",
                                                       "optNiveau(2)", "Option1"};
    clickOption(control<QRadioButton>(optionsDialog(), kNames[static_cast<std::size_t>(level)]));
    settle();
}

void QtScriptPlayer::typeName(int box, std::string_view text) {
    auto& edit =
        control<QLineEdit>(optionsDialog(), box == 0 ? "txtAdversaires(0)" : "txtAdversaires(1)");
    if (!edit.isEnabled()) {
        return;
    }
    // The focus comes afresh and selects the whole text. A hidden dialog gives no focus: the
    // box gets the event that its showing would give it.
    edit.clearFocus();
    edit.setFocus(Qt::MouseFocusReason);
    if (!edit.hasFocus()) {
        QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(&edit, &focusIn);
    }
    settle();
    if (edit.selectedText() != edit.text()) {
        throw ScriptError{"the name box did not select its text on taking the focus"};
    }
    if (text.empty()) {
        QTest::keyClick(&edit, Qt::Key_Backspace);
    }
    for (const std::string& character : characters(text)) {
        const QString typed = QString::fromStdString(character);
        const QString before = edit.text();
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, typed, Qt::NoModifier);
        if (edit.text() == before) {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        }
    }
    settle();
}

void QtScriptPlayer::start() {
    if (host_.mainWindow() == nullptr) {
        QTest::mouseClick(&control<QAbstractButton>(optionsDialog(), "cmdOk"), Qt::LeftButton);
        settle();
    }
}

void QtScriptPlayer::resize(int width, int height) {
    ui::FrmJeuxDePoints& window = *host_.mainWindow();
    if (window.isMinimized() || window.isMaximized()) {
        window.showNormal();
    }
    const OuterSize size = reachableSize(width, height);
    const QSize sheet((size.width - kFrameWidth) / kTwipsPerPixel,
                      (size.height - kFrameHeight) / kTwipsPerPixel);
    window.resize(window.size() - window.sheet()->size() + sheet);
    settle();
    const OuterSize expected =
        size.width > kLargestOuterSize.width || size.height > kLargestOuterSize.height
            ? kLargestOuterSize
            : size;
    if (window.outerSize() != expected) {
        throw ScriptError{"the window took the outer size " +
                          std::to_string(window.outerSize().width) + " x " +
                          std::to_string(window.outerSize().height)};
    }
}

void QtScriptPlayer::setWindowState(WindowState state) {
    ui::FrmJeuxDePoints& window = *host_.mainWindow();
    switch (state) {
        case WindowState::Maximised: window.showMaximized(); break;
        case WindowState::Minimised: window.showMinimized(); break;
        case WindowState::Normal:
            if (window.isMinimized()) {
                window.showNormal();
            }
            break;
    }
    settle();
}

void QtScriptPlayer::click(int cell) {
    if (!host_.game()->board().isPlayable(cell)) {
        return;
    }
    ui::SheetView& sheet = *host_.mainWindow()->sheet();
    const QPoint pixel(kPitch / kTwipsPerPixel * columnOf(cell),
                       kPitch / kTwipsPerPixel * rowOf(cell));
    if (!sheet.rect().contains(pixel)) {
        throw ScriptError{"intersection " + std::to_string(cell) +
                          " is playable but off the window"};
    }
    QTest::mouseClick(&sheet, Qt::LeftButton, {}, pixel);
    settle();
}

void QtScriptPlayer::press(Key key) {
    static constexpr std::array<Qt::Key, 6> kQtKeys{Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,
                                                    Qt::Key_Down, Qt::Key_Return, Qt::Key_Space};
    QTest::keyClick(host_.mainWindow()->sheet(), kQtKeys[static_cast<std::size_t>(key)]);
    settle();
}

void QtScriptPlayer::menu(MenuCommand command, bool closeBox) {
    static constexpr std::array<const char*, 5> kActions{
        "mnuNouvelle", "mnuChanger", "mnuStatistique", "mnuQuitter", "mnuApropos"};
    answerer_.closeOptionsWithCloseBox = closeBox;
    // The host shows a dialog of its own ("menu changer"), and may destroy it again.
    reloadedOptions_.reset();
    control<QAction>(*host_.mainWindow(), kActions[static_cast<std::size_t>(command)]).trigger();
    settle();
}

// A greyed-out action does nothing when triggered, as its greyed-out menu item.
void QtScriptPlayer::takeBack() {
    control<QAction>(*host_.mainWindow(), "mnuAnnuler").trigger();
    settle();
}

int QtScriptPlayer::hint() {
    ui::FrmJeuxDePoints& window = *host_.mainWindow();
    auto& action = control<QAction>(window, "mnuConseil");
    if (!action.isEnabled()) {
        return -1;
    }
    action.trigger();
    settle();
    return window.lastHint();
}

void QtScriptPlayer::closeWindow() {
    host_.mainWindow()->close();
    settle();
}

std::string QtScriptPlayer::dump() {
    std::string state = dumpState(*host_.game(), answerer_.shown);
    answerer_.shown.clear();
    return state;
}

}  // namespace cinq::replay
