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
    // The application's font as it stands: a style hint of its own would cost a second search
    // of the fallback fonts at start, for the same face.
    QFont font = QApplication::font();
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace cinq::ui
