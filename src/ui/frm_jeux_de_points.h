#pragma once

#include <QLabel>
#include <QMainWindow>
#include <array>

#include "board/game.h"
#include "ui/accessible_texts.h"
#include "ui/sheet_view.h"

namespace cinq::ui {

// A filled circle with a black outline: the turn disc.
class Disc : public QWidget {
public:
    explicit Disc(QWidget* parent = nullptr) : QWidget(parent) {}
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
};

// The main window: the menu, the sheet and the frames with the level, the status, the turn disc
// and the scores. Everything it shows is read from the game after each event.
class FrmJeuxDePoints : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmJeuxDePoints(Game& game, QWidget* parent = nullptr);

    // Shows the model as it stands: labels, disc, scores, and a repaint of the sheet.
    void syncFromModel();
    // The computer has placed a point during the current event: the sheet's description names
    // it for a screen reader.
    void computerPlayed(int cell);

    // The outer size that the resize rule reads, in twips.
    OuterSize outerSize() const;
    WindowState gameWindowState() const;
    void showNormalAtLargest();

    SheetView* sheet() const { return sheet_; }
    // The intersection of the last "Conseil", -1 when it found none.
    int lastHint() const { return lastHint_; }

    // Client area sizes below the menu bar, in pixels.
    static QSize designClientSize();
    static QSize largestClientSize();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void buildFrames();
    void resizeClientTo(QSize client);
    // The accessible names that follow the game (turn, scores, status) and the sheet's
    // description: where the sight stands and what is there.
    void describeForScreenReaders();

    Game& game_;
    SheetView* sheet_;
    QLabel* status_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    Disc* turnDisc_ = nullptr;
    std::array<QLabel*, 10> scores_{};
    // The "&Partie" menu's items, greyed out while they cannot act.
    QAction* takeBack_ = nullptr;
    QAction* hint_ = nullptr;
    int lastHint_ = -1;
    SheetNarration narration_;
};

}  // namespace cinq::ui
