#include <QApplication>

#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cinquevole");
    cinq::ui::QtHost host;
    host.openMainWindow();
    return QApplication::exec();
}
