#include "ui/qt_host.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWindow>

#include "ui/frm_apropos.h"
#include "ui/frm_statistique.h"

namespace cinq::ui {

QtHost::QtHost(Die* die, EngineBudget budget)
    : die_(die != nullptr ? *die : randomDie_), computer_(die_, budget) {}

QtHost::~QtHost() = default;

void QtHost::start() {
    optionsDialogCreated().show();
}

FrmChoix& QtHost::optionsDialogCreated() {
    if (choix_ == nullptr) {
        choix_ = std::make_unique<FrmChoix>(options_);
        QObject::connect(choix_.get(), &FrmChoix::okClicked, choix_.get(),
                         [this] { optionsConfirmed(); });
        QObject::connect(choix_.get(), &FrmChoix::cancelClicked, choix_.get(),
                         [this] { optionsCancelled(); });
        QObject::connect(choix_.get(), &FrmChoix::closeBoxClicked, choix_.get(),
                         [this] { optionsClosedByBox(); });
        // A level chosen in the dialog shows at once in the main window's level label.
        QObject::connect(choix_.get(), &FrmChoix::modelChanged, choix_.get(),
                         [this] { syncMainWindow(); });
    }
    return *choix_;
}

void QtHost::optionsConfirmed() {
    choix_->hide();
    openMainWindow();
}

void QtHost::optionsCancelled() {
    if (main_ != nullptr && main_->isVisible()) {
        choix_->hide();
    } else {
        endProgram();
    }
}

void QtHost::optionsClosedByBox() {
    if (main_ == nullptr) {
        endProgram();
        return;
    }
    // The dialog is closing; it is destroyed once its modal showing has returned.
    choixClosedByBox_ = true;
}

void QtHost::openMainWindow() {
    if (main_ != nullptr) {
        main_->show();
        return;
    }
    game_ = std::make_unique<Game>(*this, options_, statistics_, computer_);
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

void QtHost::execModal(QDialog& dialog) {
    syncMainWindow();
    if (main_ != nullptr) {
        // Kept above the main window by the window manager; still centred on the screen.
        dialog.winId();
        if (QWindow* window = dialog.windowHandle()) {
            window->setTransientParent(main_->windowHandle());
        }
    }
    dialog.exec();
}

void QtHost::showOptions() {
    execModal(optionsDialogCreated());
    if (choixClosedByBox_) {
        choixClosedByBox_ = false;
        choix_.reset();
        options_.recreate();
    }
    // The level label follows the level chosen.
    syncMainWindow();
}

void QtHost::showStatistics() {
    FrmStatistique window(statistics_);
    window.nameSides(options_.name(0), options_.name(1));
    execModal(window);
}

void QtHost::showHelp() {
    FrmApropos window;
    execModal(window);
}

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
    if (choix_ != nullptr) {
        choix_->hide();
    }
    if (main_ != nullptr) {
        main_->hide();
    }
    QCoreApplication::quit();
}

void QtHost::computerPointPlaced(int cell) {
    if (main_ != nullptr) {
        main_->sheet()->animateComputerPoint(cell);
        main_->computerPlayed(cell);
    }
}

}  // namespace cinq::ui
