#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "dialogs/options_model.h"

namespace cinq::ui {

// The options dialog: opponent, level and the two names. It shows the OptionsModel and forwards
// the user's events to it; the model holds every setting, so that the dialog can be hidden,
// shown again or destroyed without the game losing what it reads.
//
// What its buttons and its close box do depends on whether the main window exists yet: the
// dialog only reports them and leaves the decision to the host.
class FrmChoix : public QDialog {
    Q_OBJECT
public:
    explicit FrmChoix(OptionsModel& model, QWidget* parent = nullptr);

    // Sets every control from the model.
    void showModel();

    // Escape means "Annuler".
    void reject() override;

signals:
    void okClicked();
    void cancelClicked();
    // The user has closed the dialog with its close box; the dialog is then hidden.
    void closeBoxClicked();
    // A handler has changed the model (a level choice reaches the main window at once).
    void modelChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildNames();
    void buildOpponentFrame();
    void buildLevelFrame();
    void buildButtons();
    void forward(const std::function<void()>& handler);

    OptionsModel& model_;
    std::array<QLineEdit*, 2> names_{};
    QLabel* firstNameLabel_ = nullptr;
    QButtonGroup* opponents_ = nullptr;
    QRadioButton* humanOption_ = nullptr;
    QGroupBox* levelsFrame_ = nullptr;
    QButtonGroup* levels_ = nullptr;
};

}  // namespace cinq::ui
