#include "ui/qt_host.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace cinq::ui {

QtHost::QtHost(Die* die) : die_(die != nullptr ? *die : randomDie_) {}

QtHost::~QtHost() = default;

void QtHost::openMainWindow() {
    if (main_ != nullptr) {
        main_->show();
        return;
    }
    game_ = std::make_unique<Game>(*this, options_, statistics_);
    computer_ = std::make_unique<Computer>(*game_, die_);
    game_->setComputer(computer_.get());
    main_ = std::make_unique<FrmJeuxDePoints>(*game_);
    main_->show();
}

void QtHost::syncMainWindow() {
    if (main_ != nullptr) {
        main_->syncFromModel();
    }
}

Answer QtHost::ask(const Message& message) {
    syncMainWindow();
    QMessageBox box(main_.get());
    box.setWindowTitle(QString::fromStdString(message.title));
    box.setIcon(QMessageBox::NoIcon);
    // The text may hold a player's name: it is shown as it stands, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(message.text));
    if (message.buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText("OK");
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText("Oui");
    box.button(QMessageBox::No)->setText("Non");
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtHost::showOptions() { syncMainWindow(); }

void QtHost::showStatistics() { syncMainWindow(); }

void QtHost::showHelp() { syncMainWindow(); }

WindowState QtHost::windowState() const {
    return main_ != nullptr ? main_->gameWindowState() : WindowState::Normal;
}

OuterSize QtHost::outerSize() const {
    return main_ != nullptr ? main_->outerSize() : kDesignOuterSize;
}

void QtHost::showNormalAtLargest() {
    if (main_ != nullptr) {
        main_->showNormalAtLargest();
    }
}

void QtHost::endProgram() {
    programEnded_ = true;
    if (main_ != nullptr) {
        main_->hide();
    }
    QCoreApplication::quit();
}

void QtHost::computerPointPlaced(int cell) {
    if (main_ != nullptr) {
        main_->sheet()->animateComputerPoint(cell);
    }
}

}  // namespace cinq::ui
