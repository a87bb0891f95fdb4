// The reference for the start-up, memory and idle figures: a bare Qt Widgets window with a menu
// bar and a label, nothing else, built with the same flags as the game.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    QMenu* file = window.menuBar()->addMenu("&Fichier");
    file->addAction("&Quitter", &app, &QApplication::quit);
    window.setCentralWidget(new QLabel("Bare Qt Widgets window"));
    window.resize(592, 420);
    window.show();
    return QApplication::exec();
}
