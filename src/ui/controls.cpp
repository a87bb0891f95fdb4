#include "ui/controls.h"

#include <QAbstractButton>
#include <QEvent>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace cinq::ui {

namespace {

// Watches a window's events until its first paint; the work runs from the event loop once the
// paint and the flush that follows it in the same pass are through.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> work)
        : QObject(window), window_(window), work_(std::move(work)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Paint) {
            window_->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> work_;
};

}  // namespace

void afterFirstPaint(QWidget* window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

QString captionOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return {};
}

int captionRoom(const QWidget* control) {
    if (const auto* option = qobject_cast<const QRadioButton*>(control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        return option->style()
            ->subElementRect(QStyle::SE_RadioButtonContents, &style, option)
            .width();
    }
    return control->contentsRect().width();
}

void fitCaptions(const std::vector<QWidget*>& controls, double points, bool bold) {
    constexpr double kSmallestPoints = 6;
    constexpr double kStep = 0.25;
    const auto allFit = [&] {
        const QFontMetrics metrics(uiFont(points, bold));
        return std::all_of(controls.begin(), controls.end(), [&](const QWidget* control) {
            return metrics.horizontalAdvance(captionOf(control)) <= captionRoom(control);
        });
    };
    while (points > kSmallestPoints && !allFit()) {
        points -= kStep;
    }
    for (QWidget* control : controls) {
        control->setFont(uiFont(points, bold));
    }
}

}  // namespace cinq::ui
