#pragma once

#include <QIcon>
#include <QString>

namespace cinq::identity {

// The id the desktop entry, the icon and the metainfo are installed under. Passed to
// QGuiApplication::setDesktopFileName so that the desktop matches our windows with the menu entry.
QString desktopFileName();

// The application icon in every rendered size, from the program's own resources: the windows get
// the right picture even when the program runs from the build tree.
QIcon applicationIcon();

}  // namespace cinq::identity
