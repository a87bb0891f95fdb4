// The main window: its layout, clicks at pixel positions, the keys, and what the sheet paints.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "support/test_game.h"
#include "ui/accessible_texts.h"
#include "ui/frm_jeux_de_points.h"

namespace cinq::ui {

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TestGame> t_;
    std::unique_ptr<FrmJeuxDePoints> window_;

    SheetView* sheet() { return window_->sheet(); }
    static QPoint pixelOf(int row, int column) { return {24 * column, 24 * row}; }
    QColor paintedAt(QPoint p) { return sheet()->grab().toImage().pixelColor(p); }
    template <class T = QLabel>
    T* child(const char* name) {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }

private slots:
    void init() {
        t_ = std::make_unique<test::TestGame>();
        t_->options.chooseOpponent(Opponent::Human);
        window_ = std::make_unique<FrmJeuxDePoints>(t_->game);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        window_.reset();
        t_.reset();
    }

    void opensAsDesigned() {
        QCOMPARE(window_->windowTitle(), QString("Cinquevole"));
        QCOMPARE(window_->objectName(), QString("frmJeuxDePoints"));
        QCOMPARE(sheet()->size(), QSize(592, 390));
        QCOMPARE(window_->outerSize(), kDesignOuterSize);
        QCOMPARE(child("lblAffiche(0)")->text(), QString("Joueur 1 A vous de jouer     "));
        QVERIFY(child("lblAffiche(0)")->wordWrap());
        QCOMPARE(child("lblAffiche(0)")->size(), QSize(81, 33));
        QCOMPARE(child("lblAffiche(1)")->text(), QString("Niveau initiation"));
        QCOMPARE(child("lblScore(4)")->text(), QString("Parties"));
        QVERIFY(child("lblScore(0)")->isVisible());
        QVERIFY(!child("lblScore(5)")->isVisible());
        QCOMPARE(child<Disc>("shpJoueurs")->colour(), QColor(0, 255, 0));
        const QStringList captions{"&Nouvelle feuille", "&Changer de niveau", "&Statistique",
                                   "&Quitter"};
        const QStringList names{"mnuNouvelle", "mnuChanger", "mnuStatistique", "mnuQuitter"};
        for (int k = 0; k < captions.size(); ++k) {
            auto* action = window_->findChild<QAction*>(names[k]);
            QVERIFY(action != nullptr);
            QCOMPARE(action->text(), captions[k]);
        }
        QCOMPARE(window_->menuBar()->actions().size(), 3);
        QCOMPARE(window_->menuBar()->actions()[0]->text(), QString("&Fichier"));
        QCOMPARE(window_->menuBar()->actions()[1]->text(), QString("&Partie"));
        QCOMPARE(window_->menuBar()->actions()[2]->text(), QString("&?"));
        auto* takeBack = window_->findChild<QAction*>("mnuAnnuler");
        auto* hint = window_->findChild<QAction*>("mnuConseil");
        QVERIFY(takeBack != nullptr && hint != nullptr);
        QCOMPARE(takeBack->text(), QString("&Annuler le coup"));
        QCOMPARE(takeBack->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(hint->text(), QString("&Conseil"));
        QCOMPARE(hint->shortcut(), QKeySequence("Ctrl+H"));
        // The frames dock over the sheet's borders.
        QCOMPARE(child<QWidget>("pctEncadrement(0)")->geometry(), QRect(0, 0, 592, 45));
        QCOMPARE(child<QWidget>("pctEncadrement(1)")->geometry(), QRect(499, 45, 93, 316));
        QCOMPARE(child<QWidget>("pctEncadrement(2)")->geometry(), QRect(0, 361, 592, 29));
        QCOMPARE(child<QWidget>("pctEncadrement(3)")->geometry(), QRect(0, 45, 45, 316));
    }

    // Real mouse events through the window system: "p", "r", "m" and "d" press, release, move
    // to or double-click (press, release, press, release) at a row and column, plus a pixel
    // offset. A click plays on the release over the target that took the press.
    void clicksAreAPressAndAReleaseOnOneTarget_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<int>("points");    // points on the sheet afterwards
        QTest::addColumn<int>("messages");  // message boxes shown
        QTest::newRow("click") << QStringList{"p 8 10", "r 8 10"} << 1 << 0;
        QTest::newRow("double-click is one click") << QStringList{"d 8 10"} << 1 << 0;
        QTest::newRow("released elsewhere on the target")
            << QStringList{"p 8 10", "m 8 10 14 14", "r 8 10 14 14"} << 1 << 0;
        QTest::newRow("dragged to another intersection")
            << QStringList{"p 8 10", "m 8 12", "r 8 12"} << 0 << 0;
        QTest::newRow("dragged off the sheet") << QStringList{"p 8 10", "m 0 0", "r 0 0"} << 0 << 0;
        QTest::newRow("pressed off the sheet, released on it")
            << QStringList{"p 0 0", "m 8 10", "r 8 10"} << 0 << 0;
        QTest::newRow("two clicks on one intersection")
            << QStringList{"p 8 10", "r 8 10", "p 8 10", "r 8 10"} << 1 << 1;
        QTest::newRow("double-click, then a click elsewhere")
            << QStringList{"d 8 10", "p 8 12", "r 8 12"} << 2 << 0;
    }
    void clicksAreAPressAndAReleaseOnOneTarget() {
        QFETCH(QStringList, steps);
        QFETCH(int, points);
        QFETCH(int, messages);
        QWindow* window = window_->windowHandle();
        for (const QString& step : steps) {
            const QStringList w = step.split(' ');
            QPoint at = pixelOf(w[1].toInt(), w[2].toInt());
            if (w.size() == 5) {
                at += QPoint(w[3].toInt(), w[4].toInt());
            }
            at = sheet()->mapTo(window_.get(), at);
            switch (w[0][0].toLatin1()) {
                case 'p': QTest::mousePress(window, Qt::LeftButton, {}, at); break;
                case 'r': QTest::mouseRelease(window, Qt::LeftButton, {}, at); break;
                case 'm': QTest::mouseMove(window, at); break;
                case 'd': QTest::mouseDClick(window, Qt::LeftButton, {}, at); break;
                default: QFAIL("unknown step");
            }
        }
        int placed = 0;
        for (int i = 0; i < kSlotCount; ++i) {
            placed += t_->game.board().hasPoint(i) ? 1 : 0;
        }
        QCOMPARE(placed, points);
        QCOMPARE(static_cast<int>(t_->host.messageTexts().size()), messages);
        if (points > 0) {
            QCOMPARE(t_->game.board().colour(indexOf(8, 10)), PointColour::Green);
        }
    }

    void clickHitsTheTargetNotTheNearestIntersection_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<int>("rowShift");
        QTest::addColumn<int>("columnShift");
        QTest::newRow("on it") << QPoint(0, 0) << 0 << 0;
        QTest::newRow("14 px right and below") << QPoint(14, 14) << 0 << 0;
        QTest::newRow("15 px right") << QPoint(15, 0) << 0 << 1;
        QTest::newRow("9 px left") << QPoint(-9, 0) << 0 << 0;
        QTest::newRow("10 px left") << QPoint(-10, 0) << 0 << -1;
        QTest::newRow("10 px above") << QPoint(0, -10) << -1 << 0;
    }
    void clickHitsTheTargetNotTheNearestIntersection() {
        QFETCH(QPoint, offset);
        QFETCH(int, rowShift);
        QFETCH(int, columnShift);
        QTest::mouseClick(sheet(), Qt::LeftButton, {}, pixelOf(8, 10) + offset);
        const int expected = indexOf(8 + rowShift, 10 + columnShift);
        QCOMPARE(t_->game.board().colour(expected), PointColour::Green);
        QCOMPARE(child("lblAffiche(0)")->text(),
                 QString::fromStdString(t_->game.state().turnCaption2));
        QCOMPARE(child<Disc>("shpJoueurs")->colour(), QColor(255, 0, 0));
    }

    void paintsPointsFramesAndTheSight() {
        // Empty intersection: the grid line crosses it; no disc.
        QCOMPARE(paintedAt(pixelOf(8, 10)), QColor(Qt::black));
        QCOMPARE(paintedAt(pixelOf(8, 10) + QPoint(3, 3)), QColor(0xE0, 0xE0, 0xE0));
        QTest::mouseClick(sheet(), Qt::LeftButton, {}, pixelOf(8, 10));
        QTest::mouseClick(sheet(), Qt::LeftButton, {}, pixelOf(8, 12));
        // The disc is centred a third of a pixel right of and below its intersection.
        QCOMPARE(paintedAt(pixelOf(8, 10) + QPoint(3, 3)), QColor(0, 255, 0));
        QCOMPARE(paintedAt(pixelOf(8, 12) + QPoint(3, 3)), QColor(255, 0, 0));
        // A green five in the column: the black winning line and the dark green frame.
        for (int row = 9; row <= 12; ++row) {
            t_->putInGame({indexOf(row, 10)}, PointColour::Green);
        }
        t_->state().turn = PointColour::Green;
        QTest::mouseClick(sheet(), Qt::LeftButton, {}, pixelOf(7, 10));
        QCOMPARE(t_->game.state().gamesPlayer1, 1);
        const QImage image = sheet()->grab().toImage();
        // The frame's left edge runs 110 twips left of the leftmost intersection.
        const int frameLeft = (10 * 360 - 140 + 30) / 15;
        QCOMPARE(image.pixelColor(frameLeft, 24 * 10 + 12), QColor(0, 128, 0));
        QCOMPARE(image.pixelColor(24 * 10 - 2, 24 * 10 + 12), QColor(Qt::black));
    }

    void arrowKeysMoveTheSightAndEnterPlays() {
        QCOMPARE(t_->game.state().sightIndex, 520);
        QTest::keyClick(sheet(), Qt::Key_Down);
        QTest::keyClick(sheet(), Qt::Key_Left);
        QCOMPARE(t_->game.state().sightIndex, 520 + 35 - 1);
        QTest::keyClick(sheet(), Qt::Key_Return);
        QCOMPARE(t_->game.board().colour(554), PointColour::Green);
        QCOMPARE(t_->game.state().sightIndex, 554);
    }

    void hoverDiscFollowsTheMouseOverPlayableIntersections() {
        QCOMPARE(sheet()->hoverIndex(), -1);
        QTest::mouseMove(sheet(), pixelOf(6, 6) + QPoint(5, 5));
        QTRY_COMPARE(sheet()->hoverIndex(), indexOf(6, 6));
        QTest::mouseMove(sheet(), pixelOf(1, 6));  // off the sheet: the disc stays
        QTest::qWait(20);
        QCOMPARE(sheet()->hoverIndex(), indexOf(6, 6));
        QCOMPARE(paintedAt(pixelOf(6, 6) + QPoint(2, 2)), QColor(255, 255, 0));
    }

    // "&Partie": its items greyed out while they cannot act, driven through the menu with the
    // keyboard (Alt+P, then the item's letter) and through their shortcuts.
    void partieMenuTakesBackAndHints() {
        auto* takeBack = window_->findChild<QAction*>("mnuAnnuler");
        auto* hint = window_->findChild<QAction*>("mnuConseil");
        auto* partie = window_->findChild<QMenu*>("mnuPartie");
        QVERIFY(takeBack != nullptr && hint != nullptr && partie != nullptr);
        const Game& game = t_->game;
        QVERIFY(!takeBack->isEnabled());
        QVERIFY(hint->isEnabled());

        // Two players: green plays, then red; Ctrl+Z takes red's point back.
        QTest::mouseClick(sheet(), Qt::LeftButton, {}, pixelOf(7, 7));
        QTest::mouseClick(sheet(), Qt::LeftButton, {}, pixelOf(7, 8));
        QCOMPARE(game.board().colour(indexOf(7, 8)), PointColour::Red);
        QVERIFY(takeBack->isEnabled());
        sheet()->setFocus();
        QTest::keyClick(sheet(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!game.board().hasPoint(indexOf(7, 8)));
        QCOMPARE(game.state().turn, PointColour::Red);
        QCOMPARE(child<Disc>("shpJoueurs")->colour(), QColor(255, 0, 0));
        QCOMPARE(child("lblAffiche(0)")->text(), QString::fromStdString(game.state().turnCaption2));

        // Through the menu: Alt+P opens it, "A" takes green's point back.
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(partie->isVisible());
        QTest::keyClick(partie, Qt::Key_A);
        QTRY_VERIFY(!game.board().hasPoint(indexOf(7, 7)));
        QCOMPARE(game.state().turn, PointColour::Green);
        QVERIFY(!takeBack->isEnabled());

        // Ctrl+H: the sight moves to the engine's choice and the screen reader hears it; Enter
        // plays it.
        sheet()->setFocus();
        QTest::keyClick(sheet(), Qt::Key_H, Qt::ControlModifier);
        const int hinted = window_->lastHint();
        QVERIFY(game.board().isPlayable(hinted));
        QCOMPARE(game.state().sightIndex, hinted);
        QCOMPARE(sheet()->accessibleDescription(),
                 QString::fromStdString("Conseil : " + intersectionWords(hinted) + "."));
        QVERIFY(!game.board().hasPoint(hinted));
        QTest::keyClick(sheet(), Qt::Key_Return);
        QCOMPARE(game.board().colour(hinted), PointColour::Green);
        QVERIFY(sheet()->accessibleDescription().startsWith("Viseur "));

        // The hint through the menu: "C".
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_VERIFY(partie->isVisible());
        QTest::keyClick(partie, Qt::Key_C);
        QTRY_VERIFY(window_->lastHint() != hinted);
        QCOMPARE(game.state().sightIndex, window_->lastHint());

        // Against the computer with the disc red no human is to move: no hint.
        t_->options.chooseOpponent(Opponent::Computer);
        window_->syncFromModel();
        QVERIFY(!hint->isEnabled());
        QVERIFY(takeBack->isEnabled());
    }

    void resizingFollowsTheBandsAndStopsAtTheLargest() {
        // The resize rule reads the real window's size here.
        struct WindowHost : replay::ScriptedHost {
            FrmJeuxDePoints* window = nullptr;
            OuterSize outerSize() const override {
                return window != nullptr ? window->outerSize() : kDesignOuterSize;
            }
            WindowState windowState() const override { return window->gameWindowState(); }
            void showNormalAtLargest() override { window->showNormalAtLargest(); }
        } host;
        window_.reset();
        Game game(host, t_->options, t_->statistics, t_->opponent);
        window_ = std::make_unique<FrmJeuxDePoints>(game);
        host.window = window_.get();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QVERIFY(!game.board().isPlayable(indexOf(21, 29)));
        window_->showNormalAtLargest();
        QTRY_COMPARE(sheet()->size(), FrmJeuxDePoints::largestClientSize());
        QCOMPARE(window_->outerSize(), kLargestOuterSize);
        QTRY_VERIFY(game.board().isPlayable(indexOf(21, 29)));
        window_->resize(window_->size() - QSize(100, 100));
        QTRY_VERIFY(!game.board().isPlayable(indexOf(21, 29)));
        window_->resize(100, 100);  // never below the design size
        QTRY_COMPARE(sheet()->size(), FrmJeuxDePoints::designClientSize());
        QVERIFY(game.board().isPlayable(indexOf(15, 20)));
        QVERIFY(!game.board().isPlayable(indexOf(16, 20)));
        window_->resize(2000, 2000);  // too large: back to the largest size
        QTRY_COMPARE(sheet()->size(), FrmJeuxDePoints::largestClientSize());
        window_.reset();
    }
};

}  // namespace cinq::ui

QTEST_MAIN(cinq::ui::MainWindowTest)
#include "main_window_test.moc"
