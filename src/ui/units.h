#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cmath>

#include "board/board.h"

// Layout is written in twips, as the positions are given; a device-independent pixel is 15
// twips and Qt's high-DPI scaling does the rest.
namespace cinq::ui {

inline int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}
inline QRect pxRect(int left, int top, int width, int height) {
    return {px(left), px(top), px(width), px(height)};
}

// The main window's light grey, behind the sheet, the frames and the labels.
inline const QColor kWindowGrey{0xE0, 0xE0, 0xE0};
inline const QColor kGreen{0, 255, 0};
inline const QColor kRed{255, 0, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kSilver{0xC0, 0xC0, 0xC0};

QColor pointColour(PointColour colour);
// A colour of the 16-colour palette, by its number.
QColor paletteColour(int number);

// The application's sans-serif font at a point size.
QFont uiFont(double pointSize, bool bold = false);

}  // namespace cinq::ui
