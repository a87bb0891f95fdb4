#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "board/game.h"

namespace cinq::ui {

// The main window's client area below the menu bar: one widget paints the whole sheet from the
// model (grid lines, points, the game's drawing, the hover disc and the sight), takes the clicks
// and the keys, and docks the four frames along its edges. It holds no game state: after each
// event it asks the model again.
class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(Game& game, QWidget* parent = nullptr);

    // The four frames, top, right, bottom and left, docked over the sheet's borders.
    void dockFrames(const std::array<QWidget*, 4>& frames);

    // Plays the size sequence of a computer point that has just been placed.
    void animateComputerPoint(int cell);
    bool isAnimating() const { return animationTimer_.isActive(); }

    // The intersection under the hover disc, or -1 before the mouse has passed over the sheet.
    int hoverIndex() const { return game_.state().hoverIndex; }

signals:
    // A user event has run through the model; the window shows the new state.
    void modelChanged();
    // The client area has a new size.
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int slotAtPixel(QPointF position) const;
    int animatedSize(int cell) const;

    Game& game_;
    std::array<QWidget*, 4> frames_{};
    // The intersection whose target took the left button's press, until its release; -1 when
    // the press was on no target or was a double-click's second press.
    int pressed_ = -1;
    int animatedCell_ = -1;
    QElapsedTimer animationClock_;
    QTimer animationTimer_;
};

}  // namespace cinq::ui
