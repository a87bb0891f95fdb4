#pragma once

#include <memory>

#include "board/game.h"
#include "board/host.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level_setting.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"
#include "ui/frm_jeux_de_points.h"

namespace cinq::ui {

// The program's windows and models, and the host through which the game reaches them: message
// boxes, the modal windows, the main window's size and state, and the end of the program.
class QtHost : public Host {
public:
    explicit QtHost(Die* die = nullptr);
    ~QtHost() override;

    // Opens the main window, building the game from the options as they stand.
    void openMainWindow();

    Game* game() const { return game_.get(); }
    FrmJeuxDePoints* mainWindow() const { return main_.get(); }
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

    LevelSetting level_;
    OptionsModel options_{level_};
    Statistics statistics_;
    RandomDie randomDie_;
    Die& die_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<Computer> computer_;
    std::unique_ptr<FrmJeuxDePoints> main_;
    bool programEnded_ = false;
};

}  // namespace cinq::ui
