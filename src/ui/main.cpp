#include <QApplication>

#include "identity/app_identity.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cinquevole");
    QApplication::setDesktopFileName(cinq::identity::desktopFileName());
    QApplication::setWindowIcon(cinq::identity::applicationIcon());
    // The program ends only through the host: at start from the options dialog, later after the
    // help window that closes every way of leaving.
    QApplication::setQuitOnLastWindowClosed(false);
    // A steady text cursor: a blinking one would wake the program twice a second while it waits.
    QApplication::setCursorFlashTime(0);
    cinq::ui::QtHost host;
    host.start();
    return QApplication::exec();
}
