#pragma once

#include <memory>

#include "board/game.h"
#include "board/host.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"
#include "ui/frm_choix.h"
#include "ui/frm_jeux_de_points.h"

class QDialog;

namespace cinq::ui {

// The program's windows and models, and the host through which the game reaches them: message
// boxes, the modal windows, the main window's size and state, and the end of the program.
//
// The program starts on the options dialog, shown without modality; its "OK" opens the main
// window, its "Annuler" or close box end the program. Once the main window exists the dialog is
// shown modally by the game, and both buttons just hide it. Its close box then destroys it: the
// next showing creates it afresh, with the options back at their initial settings.
class QtHost : public Host {
public:
    // The computer rolls `die` (a random die when none is given) and the engine thinks within
    // `budget` at setting 3.
    explicit QtHost(Die* die = nullptr, EngineBudget budget = kGameBudget);
    ~QtHost() override;

    // Shows the options dialog, the program's first window.
    void start();
    // Opens the main window, building the game from the options as they stand.
    void openMainWindow();

    Game* game() const { return game_.get(); }
    FrmJeuxDePoints* mainWindow() const { return main_.get(); }
    // The options dialog, while it exists.
    FrmChoix* optionsDialog() const { return choix_.get(); }
    OptionsModel& options() { return options_; }
    Statistics& statistics() { return statistics_; }
    bool programEnded() const { return programEnded_; }

    Answer ask(const Message& message) override;
    void showOptions() override;
    void showStatistics() override;
    void showHelp() override;
    WindowState windowState() const override;
    OuterSize outerSize() const override;
    void showNormalAtLargest() override;
    void endProgram() override;
    void computerPointPlaced(int cell) override;

private:
    // Shows the model as it stands before a modal window takes over.
    void syncMainWindow();
    // Runs a dialog modally over the main window, centred on the screen.
    void execModal(QDialog& dialog);
    FrmChoix& optionsDialogCreated();
    void optionsConfirmed();
    void optionsCancelled();
    void optionsClosedByBox();

    LevelSetting level_;
    OptionsModel options_{level_};
    Statistics statistics_;
    RandomDie randomDie_;
    Die& die_;
    Computer computer_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<FrmJeuxDePoints> main_;
    std::unique_ptr<FrmChoix> choix_;
    bool choixClosedByBox_ = false;
    bool programEnded_ = false;
};

}  // namespace cinq::ui
