// The options dialog: its layout, its handlers, the start of the program and its later showings.
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>

#include "ui/frm_choix.h"
#include "ui/units.h"
#include "ui_test_support.h"

using namespace cinq;
using namespace cinq::test;
using cinq::ui::px;
using cinq::ui::pxRect;
using cinq::ui::QtHost;

class FrmChoixTest : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void window();
    void opponentChoice();
    void namesTyped();
    void selectAllOnFocus_data();
    void selectAllOnFocus();
    void startSequence_data();
    void startSequence();
    void levelAtStart_data();
    void levelAtStart();
    void levelThroughChangeLevel_data();
    void levelThroughChangeLevel();
    void hiddenDialogKeepsItsSettings();
    void closeBoxLaterRecreates();
    void namesArePlainText();
    void veryLongNames();

private:
    static QRadioButton* option(QtHost& host, const char* name) {
        return named<QRadioButton>(host.optionsDialog(), name);
    }
    static QLineEdit* nameBox(QtHost& host, int box) {
        return named<QLineEdit>(host.optionsDialog(),
                                QStringLiteral("txtAdversaires(%1)").arg(box));
    }
    // Replaces the text of a name box as the user does, in one edit.
    static void replaceName(QLineEdit* box, const QString& text) {
        box->selectAll();
        box->insert(text);
    }
};

void FrmChoixTest::layout_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* parent, QRect twips, const char* text) {
        QTest::newRow(name) << QString(parent) << twips << QString::fromUtf8(text);
    };
    row("lblAdversaires(0)", "frmChoix", {120, 480, 1335, 255}, "");
    row("txtAdversaires(0)", "frmChoix", {120, 720, 1335, 285}, "Joueur 1");
    row("lblAdversaires(3)", "frmChoix", {3240, 480, 1575, 255}, "");
    row("txtAdversaires(1)", "frmChoix", {3240, 720, 1575, 285}, "Ordinateur");
    row("frmeChoix(0)", "frmChoix", {120, 1080, 4935, 975}, "Adversaires");
    row("lblAdversaires(1)", "frmeChoix(0)", {120, 360, 1935, 375}, "Joueur 1");
    row("lblAdversaires(2)", "frmeChoix(0)", {2160, 360, 855, 375}, "contre");
    row("optJoueur2(0)", "frmeChoix(0)", {3480, 200, 1215, 195}, "Ordinateur");
    row("optJoueur2(1)", "frmeChoix(0)", {3480, 640, 1430, 255}, "Autres");
    row("frmeChoix(1)", "frmChoix", {120, 2160, 4935, 975}, "Niveaux");
    row("optNiveau(0)", "frmeChoix(1)", {120, 360, 1400, 195}, "Niveau intiation");
    row("optNiveau(1)", "frmeChoix(1)", {1560, 360, 975, 195}, "Niveau 1");
    row("optNiveau(2)", "frmeChoix(1)", {2760, 360, 975, 195}, "Niveau 2");
    row("Option1", "frmeChoix(1)", {3840, 360, 975, 255}, "Niveau 3");
    row("cmdOk", "frmChoix", {480, 3360, 1000, 375}, "OK");
    row("cmdAnnuler", "frmChoix", {3720, 3360, 1000, 375}, "Annuler");
}

void FrmChoixTest::layout() {
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    QFETCH(QString, caption);
    LevelSetting level;
    OptionsModel model(level);
    ui::FrmChoix dialog(model);
    auto* control = named(&dialog, QTest::currentDataTag());
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), pxRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(cinq::test::caption(control), caption);
    // An option's caption shows whole beside its indicator.
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        QStyleOptionButton style;
        style.initFrom(radio);
        const QRect room =
            radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, radio);
        QVERIFY(radio->fontMetrics().horizontalAdvance(caption) <= room.width());
    }
}

void FrmChoixTest::window() {
    LevelSetting level;
    OptionsModel model(level);
    ui::FrmChoix dialog(model);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Cinquevole"));
    QCOMPARE(dialog.size(), QSize(px(5205), px(3735)));
    dialog.resize(600, 500);
    QCOMPARE(dialog.size(), QSize(px(5205), px(3735)));
    QVERIFY(
        !(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    // Centred, give or take the pixel of rounding and the frame the platform adds.
    const QPoint offCentre =
        dialog.geometry().center() - dialog.screen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 2);
    QVERIFY(named<QPushButton>(&dialog, "cmdOk")->isDefault());
    // "Niveau 3" belongs to the same exclusive group as the three others.
    QTest::mouseClick(named<QRadioButton>(&dialog, "Option1"), Qt::LeftButton);
    QVERIFY(!named<QRadioButton>(&dialog, "optNiveau(0)")->isChecked());
    QTest::mouseClick(named<QRadioButton>(&dialog, "optNiveau(2)"), Qt::LeftButton);
    QVERIFY(!named<QRadioButton>(&dialog, "Option1")->isChecked());
    QCOMPARE(level.value, Level::Two);
}

void FrmChoixTest::opponentChoice() {
    QtHost host;
    host.start();
    auto* levels = named(host.optionsDialog(), "frmeChoix(1)");
    auto* human = option(host, "optJoueur2(1)");

    QTest::mouseClick(human, Qt::LeftButton);
    QCOMPARE(nameBox(host, 1)->text(), QString("Joueur 2"));
    QVERIFY(nameBox(host, 1)->isEnabled());
    QVERIFY(levels->isHidden());
    QCOMPARE(human->text(), QString("Joueur 2"));

    replaceName(nameBox(host, 1), "Marie");
    QCOMPARE(human->text(), QString("Marie"));
    // Clicking the option already selected does not wipe the name.
    QTest::mouseClick(human, Qt::LeftButton);
    QCOMPARE(nameBox(host, 1)->text(), QString("Marie"));

    QTest::mouseClick(option(host, "optJoueur2(0)"), Qt::LeftButton);
    QCOMPARE(nameBox(host, 1)->text(), QString("Ordinateur"));
    QVERIFY(!nameBox(host, 1)->isEnabled());
    QVERIFY(!levels->isHidden());
    QCOMPARE(human->text(), QString("Marie"));
    QCOMPARE(host.options().opponent(), Opponent::Computer);
}

void FrmChoixTest::namesTyped() {
    QtHost host;
    host.start();
    host.optionsDialog()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(host.optionsDialog()));
    QTest::mouseClick(option(host, "optJoueur2(1)"), Qt::LeftButton);
    auto* first = nameBox(host, 0);
    auto* second = nameBox(host, 1);
    auto* label = named<QLabel>(host.optionsDialog(), "lblAdversaires(1)");

    // Each keystroke reaches the label and the option's caption.
    first->setFocus();
    QTest::keyClicks(first, "Pa");
    QCOMPARE(label->text(), QString("Pa"));
    QTest::keyClicks(first, "ul");
    QCOMPARE(label->text(), QString("Paul"));
    second->setFocus();
    QTest::keyClicks(second, "Zoe");
    QCOMPARE(option(host, "optJoueur2(1)")->text(), QString("Zoe"));

    // The main window reads the names when it opens.
    QTest::mouseClick(named(host.optionsDialog(), "cmdOk"), Qt::LeftButton);
    QCOMPARE(host.game()->state().status, std::string("Paul A vous de jouer     "));
    QCOMPARE(host.game()->state().turnCaption2, std::string("Zoe A vous de jouer     "));
}

void FrmChoixTest::selectAllOnFocus_data() {
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("Tab") << false;
    QTest::newRow("click") << true;
}

void FrmChoixTest::selectAllOnFocus() {
    QFETCH(bool, byMouse);
    QtHost host;
    host.start();
    ui::FrmChoix* dialog = host.optionsDialog();
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::mouseClick(option(host, "optJoueur2(1)"), Qt::LeftButton);
    auto* box = nameBox(host, 1);
    nameBox(host, 0)->setFocus();
    if (byMouse) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
    } else {
        QTest::keyClick(dialog, Qt::Key_Tab);
    }
    QTRY_COMPARE(box->selectedText(), QString("Joueur 2"));
    QTest::keyClicks(box, "Marie");
    QCOMPARE(box->text(), QString("Marie"));
}

void FrmChoixTest::startSequence_data() {
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("mainWindowOpens");
    QTest::newRow("OK") << "cmdOk" << true;
    QTest::newRow("Annuler") << "cmdAnnuler" << false;
    QTest::newRow("close box") << "close" << false;
    QTest::newRow("Escape") << "escape" << false;
}

void FrmChoixTest::startSequence() {
    QFETCH(QString, leave);
    QFETCH(bool, mainWindowOpens);
    QtHost host;
    host.start();
    ui::FrmChoix* dialog = host.optionsDialog();
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    if (leave == "close") {
        dialog->close();
    } else if (leave == "escape") {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        QTest::mouseClick(named(dialog, leave), Qt::LeftButton);
    }
    QVERIFY(!dialog->isVisible());
    QCOMPARE(host.mainWindow() != nullptr, mainWindowOpens);
    QCOMPARE(host.programEnded(), !mainWindowOpens);
    if (mainWindowOpens) {
        QVERIFY(host.mainWindow()->isVisible());
    }
}

void FrmChoixTest::levelAtStart_data() {
    QTest::addColumn<QString>("levelOption");
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("label");
    QTest::newRow("Niveau initiation") << "optNiveau(0)" << 0 << "Niveau initiation";
    QTest::newRow("Niveau 1") << "optNiveau(1)" << 1 << "Niveau 1";
    QTest::newRow("Niveau 2") << "optNiveau(2)" << 2 << "Niveau 2";
    QTest::newRow("Niveau 3") << "Option1" << 3 << "Niveau 3";
}

void FrmChoixTest::levelAtStart() {
    QFETCH(QString, levelOption);
    QFETCH(int, setting);
    QFETCH(QString, label);
    QtHost host;
    host.start();
    // From another option first, so that the choice is a change.
    QTest::mouseClick(named(host.optionsDialog(), levelOption == "optNiveau(1)" ? "optNiveau(2)"
                                                                                : "optNiveau(1)"),
                      Qt::LeftButton);
    QTest::mouseClick(named(host.optionsDialog(), levelOption), Qt::LeftButton);
    QTest::mouseClick(named(host.optionsDialog(), "cmdOk"), Qt::LeftButton);
    QVERIFY(host.mainWindow() != nullptr);
    QCOMPARE(levelNumber(host.game()->level()), setting);
    QCOMPARE(named<QLabel>(host.mainWindow(), "lblAffiche(1)")->text(), label);
}

void FrmChoixTest::levelThroughChangeLevel_data() {
    QTest::addColumn<QString>("levelOption");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("label");
    QTest::newRow("Niveau 1, OK") << "optNiveau(1)"
                                  << "OK" << 1 << "Niveau 1";
    QTest::newRow("Niveau 2, Annuler") << "optNiveau(2)"
                                       << "Annuler" << 2 << "Niveau 2";
    QTest::newRow("Niveau 3, OK") << "Option1"
                                  << "OK" << 3 << "Niveau 3";
    QTest::newRow("Niveau 2, close box") << "optNiveau(2)"
                                         << "" << 2 << "Niveau 2";
}

void FrmChoixTest::levelThroughChangeLevel() {
    QFETCH(QString, levelOption);
    QFETCH(QString, leave);
    QFETCH(int, setting);
    QFETCH(QString, label);
    QtHost host;
    startAndConfirm(host);
    auto* levelLabel = named<QLabel>(host.mainWindow(), "lblAffiche(1)");
    QCOMPARE(levelLabel->text(), QString("Niveau initiation"));
    ModalResponder modals;
    QString labelWhileOpen;
    modals.then(inspect(
        [&](QWidget* dialog) {
            QTest::mouseClick(named(dialog, levelOption), Qt::LeftButton);
            labelWhileOpen = levelLabel->text();
        },
        leave.isEmpty() ? closeBox() : press(leave)));
    runMenu(host, "mnuChanger");
    QCOMPARE(modals.seen, QStringList{"frmChoix"});
    QCOMPARE(labelWhileOpen, label);
    QCOMPARE(levelNumber(host.game()->level()), setting);
    QCOMPARE(levelLabel->text(), label);
    QVERIFY(host.mainWindow()->isVisible());
    QVERIFY(!host.programEnded());
}

void FrmChoixTest::hiddenDialogKeepsItsSettings() {
    QtHost host;
    host.start();
    ui::FrmChoix* dialog = host.optionsDialog();
    replaceName(nameBox(host, 0), "Paul");
    QTest::mouseClick(option(host, "optNiveau(2)"), Qt::LeftButton);
    QTest::mouseClick(option(host, "optJoueur2(1)"), Qt::LeftButton);
    replaceName(nameBox(host, 1), "Marie");
    QTest::mouseClick(named(dialog, "cmdOk"), Qt::LeftButton);

    ModalResponder modals;
    const auto looksUnchanged = [&](QWidget* shown) {
        QCOMPARE(shown, dialog);
        QCOMPARE(nameBox(host, 0)->text(), QString("Paul"));
        QCOMPARE(nameBox(host, 1)->text(), QString("Marie"));
        QVERIFY(option(host, "optJoueur2(1)")->isChecked());
        QCOMPARE(option(host, "optJoueur2(1)")->text(), QString("Marie"));
        QVERIFY(option(host, "optNiveau(2)")->isChecked());
        QVERIFY(named(dialog, "frmeChoix(1)")->isHidden());
    };
    modals.then(inspect(looksUnchanged, press("Annuler")))
        .then(inspect(looksUnchanged, press("OK")));
    runMenu(host, "mnuChanger");
    runMenu(host, "mnuChanger");
    QCOMPARE(modals.seen, (QStringList{"frmChoix", "frmChoix"}));
    QVERIFY(modals.allAnswered());
    QCOMPARE(host.options().opponent(), Opponent::Human);
}

void FrmChoixTest::closeBoxLaterRecreates() {
    QtHost host;
    startAndConfirm(host);
    ModalResponder modals;
    modals.then(inspect(
        [&](QWidget*) {
            QTest::mouseClick(option(host, "optNiveau(2)"), Qt::LeftButton);
            QTest::mouseClick(option(host, "optJoueur2(1)"), Qt::LeftButton);
            replaceName(nameBox(host, 0), "Paul");
            replaceName(nameBox(host, 1), "Marie");
        },
        closeBox()));
    modals.then(inspect(
        [&](QWidget*) {
            QCOMPARE(nameBox(host, 0)->text(), QString("Joueur 1"));
            QCOMPARE(nameBox(host, 1)->text(), QString("Ordinateur"));
            QVERIFY(!nameBox(host, 1)->isEnabled());
            QVERIFY(option(host, "optJoueur2(0)")->isChecked());
            QCOMPARE(option(host, "optJoueur2(1)")->text(), QString("Autres"));
            QVERIFY(option(host, "optNiveau(0)")->isChecked());
            QVERIFY(named(host.optionsDialog(), "frmeChoix(1)")->isVisible());
            QCOMPARE(named<QLabel>(host.optionsDialog(), "lblAdversaires(1)")->text(),
                     QString("Joueur 1"));
        },
        press("OK")));
    runMenu(host, "mnuChanger");
    QVERIFY(!host.programEnded());
    // Until it is needed again, the game reads the initial settings; the level stays.
    QCOMPARE(host.options().opponent(), Opponent::Computer);
    QCOMPARE(host.options().name(0), std::string("Joueur 1"));
    QCOMPARE(host.game()->level(), Level::Two);
    QCOMPARE(named<QLabel>(host.mainWindow(), "lblAffiche(1)")->text(), QString("Niveau 2"));
    runMenu(host, "mnuChanger");
    QCOMPARE(modals.seen, (QStringList{"frmChoix", "frmChoix"}));
    QCOMPARE(host.game()->level(), Level::Two);
}

void FrmChoixTest::namesArePlainText() {
    const QString markup = "<b>x</b>";
    QtHost host;
    host.start();
    replaceName(nameBox(host, 0), markup);
    QTest::mouseClick(option(host, "optJoueur2(1)"), Qt::LeftButton);
    replaceName(nameBox(host, 1), markup);
    auto* label = named<QLabel>(host.optionsDialog(), "lblAdversaires(1)");
    QCOMPARE(label->text(), markup);
    QVERIFY(showsPlainText(label));
    QCOMPARE(option(host, "optJoueur2(1)")->text(), markup);
    QTest::mouseClick(named(host.optionsDialog(), "cmdOk"), Qt::LeftButton);
    QVERIFY(showsPlainText(named<QLabel>(host.mainWindow(), "lblAffiche(0)")));

    // Player 2 wins the match: the message names them as typed.
    oneGameFromTheMatch(*host.game(), PointColour::Red);
    ModalResponder modals;
    bool plain = false;
    modals
        .then(inspect(
            [&](QWidget* box) { plain = showsPlainText(named<QLabel>(box, "qt_msgbox_label")); },
            press("OK")))
        .then(closeBox())
        .then(press("Oui"));
    playTwoPlayerGame(*host.game(), PointColour::Red);
    QCOMPARE(modals.seen.value(0),
             "box|Cinquevole|" + markup + " remporte le match. La revenche quand vous voulez|OK");
    QVERIFY(plain);
}

void FrmChoixTest::veryLongNames() {
    const QString name1(10000, QChar('a'));
    const QString name2(10000, QChar('b'));
    QtHost host;
    host.start();
    replaceName(nameBox(host, 0), name1);
    QTest::mouseClick(option(host, "optJoueur2(1)"), Qt::LeftButton);
    replaceName(nameBox(host, 1), name2);
    QCOMPARE(nameBox(host, 1)->text(), name2);
    QCOMPARE(option(host, "optJoueur2(1)")->text(), QString("Joueur 2"));
    QCOMPARE(host.optionsDialog()->size(), QSize(px(5205), px(3735)));
    QTest::mouseClick(named(host.optionsDialog(), "cmdOk"), Qt::LeftButton);
    QCOMPARE(host.options().name(0), name1.toStdString());

    oneGameFromTheMatch(*host.game(), PointColour::Green);
    ModalResponder modals;
    bool buttonOnScreen = false;
    modals
        .then(inspect(
            [&](QWidget* box) {
                // The message stays usable: its button is on the screen.
                const QAbstractButton* ok =
                    qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok);
                buttonOnScreen = ok != nullptr && box->screen()->availableGeometry().contains(
                                                      QRect(ok->mapToGlobal(QPoint()), ok->size()));
            },
            press("OK")))
        .then(closeBox())
        .then(press("Non"))
        .then(press("Fermer"));
    playTwoPlayerGame(*host.game(), PointColour::Green);
    QCOMPARE(modals.seen.size(), 4);
    QVERIFY(modals.seen[0].startsWith("box|Cinquevole|" + name1 + " remporte le match. Bravo!"));
    QVERIFY(buttonOnScreen);
    QVERIFY(host.programEnded());
}

QTEST_MAIN(FrmChoixTest)
#include "frm_choix_test.moc"
