#include <QApplication>

#include "identity/app_identity.h"
#include "ui/controls.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cinquevole");
    QApplication::setDesktopFileName(cinq::identity::desktopFileName());
    // The program ends only through the host: at start from the options dialog, later after the
    // help window that closes every way of leaving.
    QApplication::setQuitOnLastWindowClosed(false);
    // A steady text cursor: a blinking one would wake the program twice a second while it waits.
    QApplication::setCursorFlashTime(0);
    cinq::ui::QtHost host;
    host.start();
    // The icon's images are decoded, at every size, as soon as a window bears it: they are
    // given to the windows once the options dialog has shown its first frame.
    cinq::ui::afterFirstPaint(host.optionsDialog(), [] {
        QApplication::setWindowIcon(cinq::identity::applicationIcon());
    });
    return QApplication::exec();
}
