#pragma once

#include <QString>
#include <QWidget>
#include <string>

// Accessible names and descriptions: what a screen reader says of a control, in French, beside
// the text the control shows.
namespace cinq::ui {

// Sets a control's accessible name or description when it differs from the one it has: QWidget
// sends the screen readers a NameChanged or DescriptionChanged event on every call, even one that
// changes nothing, and a reader would say the same thing again.
inline void updateAccessibleName(QWidget* control, const QString& name) {
    if (control->accessibleName() != name) {
        control->setAccessibleName(name);
    }
}
inline void updateAccessibleDescription(QWidget* control, const QString& description) {
    if (control->accessibleDescription() != description) {
        control->setAccessibleDescription(description);
    }
}
inline void updateAccessibleName(QWidget* control, const std::string& name) {
    updateAccessibleName(control, QString::fromStdString(name));
}
inline void updateAccessibleDescription(QWidget* control, const std::string& description) {
    updateAccessibleDescription(control, QString::fromStdString(description));
}

// A control whose name and description never change.
inline void nameControl(QWidget* control, const char* name, const char* description = nullptr) {
    control->setAccessibleName(QString::fromUtf8(name));
    if (description != nullptr) {
        control->setAccessibleDescription(QString::fromUtf8(description));
    }
}

}  // namespace cinq::ui
