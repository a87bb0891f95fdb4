#include "ui/units.h"

#include <QApplication>
#include <QPalette>
#include <array>

namespace cinq::ui {

QColor pointColour(PointColour colour) {
    switch (colour) {
        case PointColour::Green: return kGreen;
        case PointColour::Red: return kRed;
        case PointColour::Neutral: break;
    }
    return QApplication::palette().color(QPalette::Base);
}

QColor paletteColour(int number) {
    static const std::array<QColor, 16> kPalette{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    return number >= 0 && number < 16 ? kPalette[static_cast<std::size_t>(number)] : kPalette[0];
}

QFont uiFont(double pointSize, bool bold) {
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace cinq::ui
