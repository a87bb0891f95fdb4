// A newcomer's first session, end to end through the windows: names for two players, a game to
// five, back to the computer at "Niveau 2", the statistics, and leaving through the help window.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui_test_support.h"

using namespace cinq;
using namespace cinq::test;
using cinq::ui::QtHost;

class NewcomerTest : public QObject {
    Q_OBJECT

private slots:
    void firstSession();
};

namespace {

void clickSheet(QtHost& host, int row, int column) {
    QTest::mouseClick(host.mainWindow()->sheet(), Qt::LeftButton, {},
                      QPoint(24 * column, 24 * row));
}

// Clicks into a name box, which selects its text, and types over it.
void typeName(QLineEdit* box, const char* name) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTRY_COMPARE(box->selectedText(), box->text());
    QTest::keyClicks(box, name);
}

int pointsOf(const Game& game, PointColour colour) {
    int n = 0;
    for (int i = kFirstGridSlot; i < kSlotCount; ++i) {
        n += game.board().hasPoint(i) && game.board().colour(i) == colour ? 1 : 0;
    }
    return n;
}

}  // namespace

void NewcomerTest::firstSession() {
    QtHost host;
    host.start();
    QWidget* options = host.optionsDialog();
    options->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(options));
    QTest::mouseClick(named(options, "optJoueur2(1)"), Qt::LeftButton);
    typeName(named<QLineEdit>(options, "txtAdversaires(0)"), "Alice");
    typeName(named<QLineEdit>(options, "txtAdversaires(1)"), "Bruno");
    QCOMPARE(caption(named(options, "optJoueur2(1)")), QString("Bruno"));
    QTest::mouseClick(named(options, "cmdOk"), Qt::LeftButton);
    QVERIFY(!options->isVisible());
    auto* status = named<QLabel>(host.mainWindow(), "lblAffiche(0)");
    QCOMPARE(status->text(), QString("Alice A vous de jouer     "));

    // Alice, green, aligns five on row 4; Bruno answers on row 6.
    for (int move = 0; move < 4; ++move) {
        clickSheet(host, 4, 3 + move);
        QCOMPARE(status->text(), QString("Bruno A vous de jouer     "));
        clickSheet(host, 6, 3 + 2 * move);
    }
    clickSheet(host, 4, 7);
    const Game& game = *host.game();
    QCOMPARE(caption(named(host.mainWindow(), "lblScore(0)")), QString("1"));
    QVERIFY(game.board().isClosed(indexOf(4, 3)));
    QCOMPARE(game.state().turn, PointColour::Red);

    ModalResponder modals;
    modals.then(inspect(
        [&](QWidget* dialog) {
            QTest::mouseClick(named(dialog, "optJoueur2(0)"), Qt::LeftButton);
            QTest::mouseClick(named(dialog, "optNiveau(2)"), Qt::LeftButton);
        },
        press("OK")));
    runMenu(host, "mnuChanger");
    QCOMPARE(caption(named(host.mainWindow(), "lblAffiche(1)")), QString("Niveau 2"));

    // The disc is still red from the two-player game, which is over: the click places nothing
    // and the computer opens the next game.
    clickSheet(host, 10, 10);
    QVERIFY(!game.board().hasPoint(indexOf(10, 10)));
    QCOMPARE(pointsOf(game, PointColour::Red), 4 + 1);
    QCOMPARE(game.state().turn, PointColour::Green);
    QCOMPARE(status->text(), QString("Alice A vous de jouer     "));
    // Alice plays; the computer answers at once.
    clickSheet(host, 10, 10);
    QVERIFY(game.board().hasPoint(indexOf(10, 10)));
    QCOMPARE(pointsOf(game, PointColour::Red), 4 + 2);
    QCOMPARE(game.state().turn, PointColour::Green);

    QString counts;
    modals.then(inspect([&](QWidget* window) { counts = statisticsCounts(window); }, closeBox()));
    runMenu(host, "mnuStatistique");
    QCOMPARE(counts, QString("1 0 0 0 0 0 0 0"));

    modals.then(press("Fermer"));
    runMenu(host, "mnuQuitter");
    QCOMPARE(modals.seen, (QStringList{"frmChoix", "frmStatistique", "frmApropos"}));
    QVERIFY(host.programEnded());
    QVERIFY(!host.mainWindow()->isVisible());
}

QTEST_MAIN(NewcomerTest)
#include "newcomer_test.moc"
