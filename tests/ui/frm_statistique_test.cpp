// The statistics window: its layout, and the counts it shows after games at each level, across
// its closing and reopening and into a new match.
#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include "ui/frm_statistique.h"
#include "ui/units.h"
#include "ui_test_support.h"

using namespace cinq;
using namespace cinq::test;
using cinq::ui::px;
using cinq::ui::pxRect;
using cinq::ui::QtHost;

namespace {

// Opens the statistics through the menu and returns the counts it shows.
QString statisticsFromMenu(QtHost& host) {
    ModalResponder modals;
    QString counts;
    modals.then(inspect([&](QWidget* window) { counts = statisticsCounts(window); }, closeBox()));
    runMenu(host, "mnuStatistique");
    return modals.seen == QStringList{"frmStatistique"} ? counts : modals.seen.join(';');
}

// Starts the program for two humans at a level of the options dialog.
void startTwoPlayers(QtHost& host, const QString& levelOption) {
    host.start();
    QTest::mouseClick(named(host.optionsDialog(), levelOption), Qt::LeftButton);
    QTest::mouseClick(named(host.optionsDialog(), "optJoueur2(1)"), Qt::LeftButton);
    QTest::mouseClick(named(host.optionsDialog(), "cmdOk"), Qt::LeftButton);
}

}  // namespace

class FrmStatistiqueTest : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void window();
    void countsAfterAGame_data();
    void countsAfterAGame();
    void newMatchClearsTheCounts();
};

void FrmStatistiqueTest::layout_data() {
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("background");
    const QColor white = QPalette().color(QPalette::Base);
    const auto row = [](int index, QRect twips, const char* text, double points, bool bold,
                        QColor background) {
        QTest::addRow("lblStatistique(%d)", index)
            << twips << QString::fromUtf8(text) << points << bold << background;
    };
    row(15, {360, 120, 4095, 375}, "Nombre de parties gagnées", 9.75, true, white);
    row(0, {420, 600, 1005, 270}, "Niveau ini.", 9.75, false, white);
    row(1, {1425, 600, 1005, 270}, "Niveau 1", 9.75, false, white);
    row(2, {2430, 600, 1005, 270}, "Niveau 2", 9.75, false, white);
    row(20, {3435, 600, 1005, 270}, "Niveau 3", 9.75, false, white);
    const std::array<int, 4> lefts{420, 1425, 2430, 3435};
    const std::array<int, 4> green{3, 5, 7, 19};
    const std::array<int, 4> red{4, 6, 8, 18};
    const std::array<int, 4> count1{9, 11, 13, 17};
    const std::array<int, 4> count2{10, 12, 14, 16};
    for (std::size_t c = 0; c < lefts.size(); ++c) {
        const int left = lefts[c];
        row(green[c], {left, 855, 510, 375}, "", 0, false, ui::kGreen);
        row(red[c], {left + 495, 855, 510, 375}, "", 0, false, ui::kRed);
        row(count1[c], {left, 1095, 510, 375}, "0", 13.5, false, white);
        row(count2[c], {left + 495, 1095, 510, 375}, "0", 13.5, false, white);
    }
}

void FrmStatistiqueTest::layout() {
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(QColor, background);
    Statistics statistics;
    ui::FrmStatistique window(statistics);
    auto* label = named<QLabel>(&window, QTest::currentDataTag());
    QVERIFY(label != nullptr);
    QCOMPARE(label->geometry(), pxRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->palette().color(label->backgroundRole()), background);
    QVERIFY(label->autoFillBackground());
    if (!text.isEmpty()) {
        // The given size, or a little less where today's font would not fit the label.
        QVERIFY(label->font().pointSizeF() <= points && label->font().pointSizeF() > points - 1);
        QCOMPARE(label->font().bold(), bold);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
        QVERIFY(label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width());
    }
}

void FrmStatistiqueTest::window() {
    Statistics statistics;
    ui::FrmStatistique window(statistics);
    QCOMPARE(window.objectName(), QString("frmStatistique"));
    QCOMPARE(window.windowTitle(), QString("Cinquevole"));
    QCOMPARE(window.size(), QSize(px(4830), px(1935)));
    window.resize(500, 400);
    QCOMPARE(window.size(), QSize(px(4830), px(1935)));
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.findChildren<QAbstractButton*>().isEmpty());
}

void FrmStatistiqueTest::countsAfterAGame_data() {
    QTest::addColumn<QString>("levelOption");
    QTest::addColumn<PointColour>("winner");
    QTest::addColumn<QString>("counts");
    const auto green = PointColour::Green;
    const auto red = PointColour::Red;
    QTest::newRow("initiation, player 1") << "optNiveau(0)" << green << "1 0 0 0 0 0 0 0";
    QTest::newRow("initiation, player 2") << "optNiveau(0)" << red << "0 1 0 0 0 0 0 0";
    QTest::newRow("Niveau 1, player 1") << "optNiveau(1)" << green << "0 0 1 0 0 0 0 0";
    QTest::newRow("Niveau 1, player 2") << "optNiveau(1)" << red << "0 0 0 1 0 0 0 0";
    QTest::newRow("Niveau 2, player 1") << "optNiveau(2)" << green << "0 0 0 0 1 0 0 0";
    QTest::newRow("Niveau 2, player 2") << "optNiveau(2)" << red << "0 0 0 0 0 1 0 0";
    QTest::newRow("Niveau 3, player 1") << "Option1" << green << "0 0 0 0 0 0 1 0";
    QTest::newRow("Niveau 3, player 2") << "Option1" << red << "0 0 0 0 0 0 0 1";
}

void FrmStatistiqueTest::countsAfterAGame() {
    QFETCH(QString, levelOption);
    QFETCH(PointColour, winner);
    QFETCH(QString, counts);
    QtHost host;
    startTwoPlayers(host, levelOption);
    QCOMPARE(statisticsFromMenu(host), QString("0 0 0 0 0 0 0 0"));
    playTwoPlayerGame(*host.game(), winner);
    QCOMPARE(statisticsFromMenu(host), counts);
    // The counts outlive the window.
    QCOMPARE(statisticsFromMenu(host), counts);
}

void FrmStatistiqueTest::newMatchClearsTheCounts() {
    QtHost host;
    startTwoPlayers(host, "optNiveau(0)");
    playTwoPlayerGame(*host.game(), PointColour::Red);
    runMenu(host, "mnuNouvelle");
    oneGameFromTheMatch(*host.game(), PointColour::Green);
    QString atMatchEnd;
    {
        ModalResponder modals;
        modals.then(press("OK"))
            .then(inspect([&](QWidget* window) { atMatchEnd = statisticsCounts(window); },
                          closeBox()))
            .then(press("Oui"));
        playTwoPlayerGame(*host.game(), PointColour::Green);
        QCOMPARE(modals.seen,
                 (QStringList{"box|Cinquevole|Joueur 1 remporte le match. Bravo!|OK",
                              "frmStatistique", "box|Cinquevole|Voulez vous rejouer|Oui,Non"}));
    }
    QCOMPARE(atMatchEnd, QString("1 1 0 0 0 0 0 0"));
    // Until the new match scores its first game, the window shows the last match.
    QCOMPARE(statisticsFromMenu(host), QString("1 1 0 0 0 0 0 0"));

    host.options().chooseLevel(LevelOption::Level2);
    playTwoPlayerGame(*host.game(), PointColour::Red);
    QCOMPARE(statisticsFromMenu(host), QString("0 0 0 0 0 1 0 0"));
}

QTEST_MAIN(FrmStatistiqueTest)
#include "frm_statistique_test.moc"
