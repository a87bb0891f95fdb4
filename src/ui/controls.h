#pragma once

#include <QColor>
#include <QLabel>
#include <QScreen>
#include <QString>
#include <QStyle>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/units.h"

// Small helpers shared by the dialogs to build their controls from the layout tables.
namespace cinq::ui {

// The object name of element `index` of a control array: "lblStatistique(12)".
inline QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Paints the widget's background in `colour`.
inline void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Where a control stands, in twips; positions inside a frame are relative to the frame.
struct Place {
    int left, top, width, height;
};
inline QRect pxRect(const Place& p) {
    return pxRect(p.left, p.top, p.width, p.height);
}

// A label placed in twips. Its text is shown as it stands, never as markup: it may be a name.
inline QLabel* placedLabel(QWidget* parent, const QString& name, const QString& text,
                           const Place& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setGeometry(pxRect(place));
    return label;
}

// The text a label or a button shows.
QString captionOf(const QWidget* control);
// The width a control leaves its caption: beside an option's indicator, inside a label.
int captionRoom(const QWidget* control);
// The controls were drawn for a narrower font than today's: the controls of a group share the
// largest size, down from `points`, at which every caption they hold now shows whole.
void fitCaptions(const std::vector<QWidget*>& controls, double points, bool bold = false);

// Window flags of the dialogs: a title and a close box, no minimise or maximise button.
inline constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                Qt::WindowCloseButtonHint;

// Places a fixed-size window so that its client area is centred on its screen. A dialog that
// places itself is left where it is by Qt, whose own placement guesses the frame's size.
// Runs `work` once, after `window` has painted for the first time, so that the first frame does
// not wait for it; never when the window is destroyed before.
void afterFirstPaint(QWidget* window, std::function<void()> work);

inline void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                                screen->availableGeometry()));
    }
}

}  // namespace cinq::ui
