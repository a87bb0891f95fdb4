#pragma once

#include <QDialog>
#include <QScrollBar>

namespace cinq::ui {

// The help window: the rules and two hints of strategy, drawn line by line on a silver page that
// the vertical scroll bar moves up, and a bottom panel with the "Fermer" button. It is created for
// each showing, so scrolling starts at the top every time. The mouse wheel over the page and the
// scrolling keys, while the window is active, move the scroll bar as it moves itself.
class FrmApropos : public QDialog {
    Q_OBJECT
public:
    explicit FrmApropos(QWidget* parent = nullptr);

    QScrollBar* scrollBar() const { return scrollBar_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* frame_ = nullptr;
    QScrollBar* scrollBar_ = nullptr;
};

}  // namespace cinq::ui
