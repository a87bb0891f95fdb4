// What the windows tell a screen reader: a name for every control, the sheet's description as the
// sight moves and the computer answers, and the counts with what they count.
#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <map>

#include "ui/accessible_texts.h"
#include "ui/frm_apropos.h"
#include "ui/frm_statistique.h"
#include "ui_test_support.h"

using namespace cinq;
using namespace cinq::test;
using cinq::ui::QtHost;

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void menusAreNamed();
    void sheetDescribesTheSightAndTheReply();
    void countsSayWhatTheyCount();
};

namespace {

QString accessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

QString description(QWidget* widget) {
    return widget->accessibleDescription();
}

// The window and the game's controls in it: every widget that carries an object name. Qt's own
// inner widgets (a scroll area's viewport, a line edit's clear button) are left to Qt.
QList<QWidget*> controlsOf(QWidget* window) {
    QList<QWidget*> controls{window};
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->objectName().isEmpty() && !child->objectName().startsWith("qt_")) {
            controls << child;
        }
    }
    return controls;
}

}  // namespace

void AccessibilityTest::everyControlIsNamed_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << "frmJeuxDePoints";
    QTest::newRow("options dialog") << "frmChoix";
    QTest::newRow("statistics window") << "frmStatistique";
    QTest::newRow("help window") << "frmApropos";
}

void AccessibilityTest::everyControlIsNamed() {
    QFETCH(QString, window);
    QtHost host;
    // The options dialog as a second player sees it too: its hidden controls count as well.
    host.options().chooseOpponent(Opponent::Human);
    startAndConfirm(host);
    Statistics statistics;
    ui::FrmStatistique statisticsWindow(statistics);
    ui::FrmApropos helpWindow;
    const std::map<QString, QWidget*> windows{{"frmJeuxDePoints", host.mainWindow()},
                                              {"frmChoix", host.optionsDialog()},
                                              {"frmStatistique", &statisticsWindow},
                                              {"frmApropos", &helpWindow}};
    QStringList unnamed;
    QSet<QString> windowNames;
    for (QWidget* control : controlsOf(windows.at(window))) {
        if (accessibleName(control).trimmed().isEmpty()) {
            unnamed << control->objectName();
        }
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
    // Every window has the program's title; their accessible names tell them apart.
    for (const auto& [objectName, w] : windows) {
        windowNames.insert(accessibleName(w));
    }
    QCOMPARE(windowNames.size(), static_cast<qsizetype>(windows.size()));
}

void AccessibilityTest::menusAreNamed() {
    QtHost host;
    startAndConfirm(host);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(host.mainWindow()->menuBar());
    QVERIFY(bar != nullptr);
    QStringList items;
    for (int k = 0; k < bar->childCount(); ++k) {
        items << bar->child(k)->text(QAccessible::Name);
    }
    QCOMPARE(items, QStringList({"Fichier", "Partie", "?"}));
    QAccessibleInterface* menu =
        QAccessible::queryAccessibleInterface(host.mainWindow()->findChild<QMenu*>("mnuFichier"));
    QVERIFY(menu != nullptr);
    QStringList commands;
    for (int k = 0; k < menu->childCount(); ++k) {
        commands << menu->child(k)->text(QAccessible::Name);
    }
    QCOMPARE(commands,
             QStringList({"Nouvelle feuille", "Changer de niveau", "Statistique", "Quitter"}));
    QAccessibleInterface* partie =
        QAccessible::queryAccessibleInterface(host.mainWindow()->findChild<QMenu*>("mnuPartie"));
    QVERIFY(partie != nullptr);
    commands.clear();
    for (int k = 0; k < partie->childCount(); ++k) {
        commands << partie->child(k)->text(QAccessible::Name);
    }
    QCOMPARE(commands, QStringList({"Annuler le coup", "Conseil"}));
}

void AccessibilityTest::sheetDescribesTheSightAndTheReply() {
    QtHost host;
    startAndConfirm(host);
    QWidget* sheet = host.mainWindow()->sheet();
    QCOMPARE(accessibleName(sheet), QString("Feuille"));
    QCOMPARE(description(sheet), QString("Viseur ligne 2, colonne 14 : libre."));

    QTest::keyClick(sheet, Qt::Key_Right);
    QCOMPARE(description(sheet), QString("Viseur ligne 2, colonne 15 : libre."));

    QTest::keyClick(sheet, Qt::Key_Return);
    const int reply = host.game()->state().lastComputerPoint;
    QVERIFY(host.game()->board().colour(reply) == PointColour::Red);
    QCOMPARE(description(sheet),
             QString("Viseur ligne 2, colonne 15 : point vert. L'ordinateur a joué %1.")
                 .arg(QString::fromStdString(ui::intersectionWords(reply))));
    QCOMPARE(accessibleName(named(host.mainWindow(), "shpJoueurs")),
             QString("Au tour de Joueur 1 (vert)"));

    // Moving on, the reply is no longer repeated; the sight can rest on the computer's point.
    const int down = indexOf(4, 16);
    QTest::keyClick(sheet, Qt::Key_Down);
    QCOMPARE(
        description(sheet),
        QString("Viseur ligne 3, colonne 15 : %1.").arg(down == reply ? "point rouge" : "libre"));
}

void AccessibilityTest::countsSayWhatTheyCount() {
    QtHost host;
    host.options().chooseOpponent(Opponent::Human);
    host.options().nameChanged(1, "Bruno");
    startAndConfirm(host);
    playTwoPlayerGame(*host.game(), PointColour::Red);
    host.mainWindow()->syncFromModel();
    const auto nameOf = [&](const char* control) {
        return accessibleName(named(host.mainWindow(), control));
    };
    QCOMPARE(nameOf("lblScore(0)"), QString("Parties gagnées par Joueur 1 : 0"));
    QCOMPARE(nameOf("lblScore(1)"), QString("Parties gagnées par Bruno : 1"));
    QCOMPARE(nameOf("lblScore(3)"), QString("Couleur de Bruno : rouge"));
    QCOMPARE(nameOf("lblScore(9)"), QString("Manches gagnées par Bruno : 0"));
    // What is shown is the game's own text.
    QCOMPARE(caption(named(host.mainWindow(), "lblScore(1)")), QString("1"));

    QString counted;
    ModalResponder modals;
    modals.then(inspect(
        [&](QWidget* window) { counted = accessibleName(named(window, "lblStatistique(10)")); },
        closeBox()));
    runMenu(host, "mnuStatistique");
    QCOMPARE(counted, QString("Niveau initiation, parties gagnées par Bruno : 1"));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
