#include "ui/controls.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <algorithm>

namespace cinq::ui {

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
