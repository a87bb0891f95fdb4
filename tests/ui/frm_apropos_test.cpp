// The help window: the page as drawn, its scrolling, and the ways of leaving the program that
// pass through it.
#include <QtTest/qtestspontaneevent.h>
#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cstdlib>

#include "dialogs/help_page.h"
#include "ui/frm_apropos.h"
#include "ui/units.h"
#include "ui_test_support.h"

using namespace cinq;
using namespace cinq::test;
using cinq::ui::px;
using cinq::ui::pxRect;
using cinq::ui::QtHost;

namespace {

// One piece of text as a painter drew it.
struct DrawnText {
    QPointF baseline;
    QString text;
    QFont font;
};

// A paint device that keeps the text drawn on it and nothing else.
class TextRecorder : public QPaintDevice {
public:
    explicit TextRecorder(QSize size) : size_(size), engine_(this) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    QList<DrawnText> texts;

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth: return size_.width();
            case PdmHeight: return size_.height();
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY: return 96;
            case PdmDepth: return 32;
            case PdmNumColors: return 1 << 24;
            case PdmDevicePixelRatio: return 1;
            case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
            default: return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder* device) : device_(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            device_->texts.push_back({painter()->transform().map(p), item.text(), item.font()});
        }
        Type type() const override { return User; }

    private:
        TextRecorder* device_;
    };

    QSize size_;
    mutable Engine engine_;
};

const QStringList kPageText{
    "Comment jouer ?",
    "pour jouer il suffit de cliquer à l'intersection de deux lignes.",
    "Il est possible de jouer  plusieurs parties  sur la même feuille,",
    "mais vous pouvez changer de  feuille au  début de chaque ",
    "partie.",
    "Ceux qui n 'aiment pas cliquer pourront utiliser le viseur.",
    "La partie",
    "Pour gagner une partie il faut être le premier à aligner ",
    "cinq points horizontalement, verticalement ou en diagonale. ",
    "La manche",
    "Le premier joueur qui gagne cinq parties remporte la manche.",
    "Le jeu",
    "Le vainqueur est celui qui, le premier, remporte trois ",
    "manches.",
    "Eléments de stratégie:",
    "  - Il ne faut laisser aucun alignement de trois points (de l'adversaire)  ",
    "\"ouvert\" au deux extrémités sauf si on est sur d'en aligner cinq avant lui.",
    "  - Plutôt que de tenter d'aligner cinq points les uns à la suite des autres ",
    "il est préférable d'essayer des combinaisons afin de s 'ouvrir plusieurs ",
    "possibilités simultanées.",
};
QList<DrawnText> drawnPage(QWidget* page) {
    TextRecorder recorder(page->size());
    page->render(&recorder);
    return recorder.texts;
}

}  // namespace

class FrmAproposTest : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void pageText();
    void scrolling_data();
    void scrolling();
    void wheelAndKeys_data();
    void wheelAndKeys();
    void startsAtTheTopEachTime();
    void leaving_data();
    void leaving();
};

void FrmAproposTest::layout() {
    ui::FrmApropos window;
    QCOMPARE(window.objectName(), QString("frmApropos"));
    QCOMPARE(window.windowTitle(), QString("Cinquevole"));
    QCOMPARE(window.size(), QSize(px(6660), px(5145)));
    window.resize(900, 900);
    QCOMPARE(window.size(), QSize(px(6660), px(5145)));
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(named(&window, "frmeApropos")->geometry(), pxRect(0, 0, 7005, 6855));
    QWidget* page = named(&window, "pctAPropos");
    QCOMPARE(page->parentWidget()->objectName(), QString("frmeApropos"));
    QCOMPARE(page->geometry(), pxRect(0, -120, 7000, 7800));
    QCOMPARE(named(&window, "scrlAproposVertic")->geometry(), pxRect(6780 - 360, 10, 255, 3520));
    QWidget* panel = named(&window, "pctCommande");
    QCOMPARE(panel->geometry(), pxRect(-20, 3540, 7000, 2340));
    QWidget* close = named(panel, "cmdAproposAnnuler");
    QCOMPARE(close->geometry(), pxRect(4440, 1150, 975, 375));
    QCOMPARE(caption(close), QString("Fermer"));

    // Silver page and panel, the panel's separator line darker along its top edge.
    const QImage pageImage = page->grab().toImage();
    QCOMPARE(pageImage.pixelColor(page->width() - 2, page->height() - 2), ui::kSilver);
    const QImage panelImage = panel->grab().toImage();
    QCOMPARE(panelImage.pixelColor(panel->width() / 2, panel->height() / 2), ui::kSilver);
    QVERIFY(panelImage.pixelColor(panel->width() / 2, 0).lightness() < ui::kSilver.lightness());
}

void FrmAproposTest::pageText() {
    ui::FrmApropos window;
    const QList<DrawnText> drawn = drawnPage(named(&window, "pctAPropos"));
    QStringList texts;
    for (const DrawnText& d : drawn) {
        texts << d.text;
    }
    QCOMPARE(texts, kPageText);
    const int scrollBarLeft = window.scrollBar()->x();
    for (int k = 0; k < drawn.size(); ++k) {
        const HelpLine& line = helpPage()[static_cast<std::size_t>(k)];
        const DrawnText& d = drawn[k];
        const QFontMetrics metrics(d.font);
        QCOMPARE(d.font.bold(), line.heading);
        QCOMPARE(d.font.underline(), line.heading);
        // One size for the page, 9.75 points or less: every line shows whole, left of the
        // scroll bar.
        QCOMPARE(d.font.pointSizeF(), drawn[0].font.pointSizeF());
        QVERIFY(d.font.pointSizeF() <= 9.75);
        QVERIFY(d.baseline.x() + metrics.horizontalAdvance(d.text.trimmed()) <= scrollBarLeft);
        QCOMPARE(qRound(d.baseline.x()), px(line.x));
        // The line's top stands at its position, or right under the previous line.
        const int top = qRound(d.baseline.y()) - metrics.ascent();
        const int expected = line.y ? px(*line.y)
                                    : qRound(drawn[k - 1].baseline.y()) - metrics.ascent() +
                                          QFontMetrics(drawn[k - 1].font).height();
        QCOMPARE(top, expected);
    }
}

void FrmAproposTest::scrolling_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("firstLineSeen");
    QTest::addColumn<int>("lastLineSeen");
    QTest::newRow("top") << 0 << 0 << 11;
    QTest::newRow("one page down") << 600 << 3 << 14;
    QTest::newRow("bottom") << 2800 << 11 << 19;
}

void FrmAproposTest::scrolling() {
    QFETCH(int, value);
    QFETCH(int, firstLineSeen);
    QFETCH(int, lastLineSeen);
    ui::FrmApropos window;
    QScrollBar* bar = window.scrollBar();
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 2800);
    QCOMPARE(bar->singleStep(), 200);
    QCOMPARE(bar->pageStep(), 600);
    QCOMPARE(bar->value(), 0);
    bar->setValue(value);
    QCOMPARE(named(&window, "frmeApropos")->y(), -px(value));

    // The lines that show whole in the band above the bottom panel.
    QWidget* page = named(&window, "pctAPropos");
    const int band = named(&window, "pctCommande")->y();
    QList<int> seen;
    const QList<DrawnText> drawn = drawnPage(page);
    for (int k = 0; k < drawn.size(); ++k) {
        const QFontMetrics metrics(drawn[k].font);
        const int top = page->mapTo(&window, drawn[k].baseline.toPoint()).y() - metrics.ascent();
        if (top >= 0 && top + metrics.height() <= band) {
            seen << k;
        }
    }
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen.first(), firstLineSeen);
    QCOMPARE(seen.last(), lastLineSeen);
}

// A wheel turned by `notches` (positive: towards the user, down the page) at a point of the
// window, one event a notch as a mouse wheel sends them, delivered as the window system
// delivers them: to the window, which finds the widget under the point.
void turnWheel(QWidget* window, QPoint at, int notches) {
    for (int k = 0; k < std::abs(notches); ++k) {
        QWheelEvent wheel(at, window->mapToGlobal(at), {}, QPoint(0, notches > 0 ? -120 : 120),
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QSpontaneKeyEvent::setSpontaneous(&wheel);
        // Through notify: sendEvent would mark it synthesized, and those do not propagate.
        QCoreApplication::instance()->notify(window->windowHandle(), &wheel);
    }
}

void FrmAproposTest::wheelAndKeys_data() {
    // "w X Y N": N notches at window pixel X, Y; "k NAME": a key pressed and released.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("value");
    QTest::newRow("wheel over the text") << QStringList{"w 150 100 1"} << 600;
    QTest::newRow("wheel over the text, twice") << QStringList{"w 150 100 1", "w 40 20 1"} << 1200;
    QTest::newRow("wheel back up") << QStringList{"w 150 100 2", "w 150 100 -1"} << 600;
    QTest::newRow("wheel up at the top") << QStringList{"w 150 100 -1"} << 0;
    QTest::newRow("wheel past the bottom") << QStringList{"w 150 100 9"} << 2800;
    QTest::newRow("wheel over the scroll bar") << QStringList{"w 436 100 1"} << 600;
    QTest::newRow("wheel over the bottom panel") << QStringList{"w 150 300 1"} << 0;
    QTest::newRow("page down") << QStringList{"k PgDown"} << 600;
    QTest::newRow("page down, page up") << QStringList{"k PgDown", "k PgDown", "k PgUp"} << 600;
    QTest::newRow("page up at the top") << QStringList{"k PgUp"} << 0;
    QTest::newRow("arrow down") << QStringList{"k Down"} << 200;
    QTest::newRow("arrows down, down, up") << QStringList{"k Down", "k Down", "k Up"} << 200;
    QTest::newRow("arrow down to the bottom") << QStringList(15, "k Down") << 2800;
    QTest::newRow("left and right do not scroll") << QStringList{"k Left", "k Right"} << 0;
}

void FrmAproposTest::wheelAndKeys() {
    QFETCH(QStringList, steps);
    QFETCH(int, value);
    ui::FrmApropos window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* focus = window.focusWidget();
    const QPoint closeAt = named(&window, "cmdAproposAnnuler")->pos();
    for (const QString& step : steps) {
        const QStringList w = step.split(' ');
        if (w[0] == "w") {
            turnWheel(&window, QPoint(w[1].toInt(), w[2].toInt()), w[3].toInt());
        } else {
            const QKeySequence key = QKeySequence::fromString(w[1]);
            QTest::keyClick(window.windowHandle(), key[0].key());
        }
    }
    QCOMPARE(window.scrollBar()->value(), value);
    QCOMPARE(named(&window, "frmeApropos")->y(), -px(value));
    // Nothing else moves: the focus, the bottom panel and its button.
    QCOMPARE(window.focusWidget(), focus);
    QCOMPARE(named(&window, "cmdAproposAnnuler")->pos(), closeAt);
    QVERIFY(window.isVisible());
}

void FrmAproposTest::startsAtTheTopEachTime() {
    QtHost host;
    startAndConfirm(host);
    ModalResponder modals;
    int valueAtOpening = -1;
    const auto scrollDown = [&](QWidget* window) {
        auto* bar = named<QScrollBar>(window, "scrlAproposVertic");
        valueAtOpening = bar->value();
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
        QCOMPARE(bar->value(), 200);
    };
    modals.then(inspect(scrollDown, press("Fermer")));
    modals.then(inspect(scrollDown, closeBox()));
    runMenu(host, "mnuApropos");
    runMenu(host, "mnuApropos");
    QCOMPARE(modals.seen, (QStringList{"frmApropos", "frmApropos"}));
    QCOMPARE(valueAtOpening, 0);
    QVERIFY(!host.programEnded());
    QVERIFY(host.mainWindow()->isVisible());
}

void FrmAproposTest::leaving_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("closeWith");
    QTest::newRow("Quitter, Fermer") << "mnuQuitter"
                                     << "Fermer";
    QTest::newRow("Quitter, close box") << "mnuQuitter"
                                        << "";
    QTest::newRow("main window closed") << "close"
                                        << "Fermer";
    QTest::newRow("No to another match") << "match"
                                         << "Fermer";
}

void FrmAproposTest::leaving() {
    QFETCH(QString, how);
    QFETCH(QString, closeWith);
    QtHost host;
    startAndConfirm(host);
    ModalResponder modals;
    bool mainWindowShownUnderHelp = false;
    const auto help =
        inspect([&](QWidget*) { mainWindowShownUnderHelp = host.mainWindow()->isVisible(); },
                closeWith.isEmpty() ? closeBox() : press(closeWith));
    QStringList expected;
    if (how == "match") {
        // Player 2 wins the match between two humans; No to another one.
        host.options().chooseOpponent(Opponent::Human);
        oneGameFromTheMatch(*host.game(), PointColour::Red);
        modals.then(press("OK")).then(closeBox()).then(press("Non")).then(help);
        playTwoPlayerGame(*host.game(), PointColour::Red);
        expected << "box|Cinquevole|Joueur 2 remporte le match. La revenche quand vous voulez|OK"
                 << "frmStatistique"
                 << "box|Cinquevole|Voulez vous rejouer|Oui,Non";
    } else {
        modals.then(help);
        if (how == "close") {
            host.mainWindow()->close();
        } else {
            runMenu(host, how);
        }
    }
    QCOMPARE(modals.seen, expected << "frmApropos");
    QVERIFY(mainWindowShownUnderHelp);
    QVERIFY(host.programEnded());
    QVERIFY(!host.mainWindow()->isVisible());
    QVERIFY(!host.optionsDialog()->isVisible());
    // Nothing more happens once the program has ended.
    QVERIFY(host.game()->ended());
    const int turnBefore = static_cast<int>(host.game()->state().turn);
    host.game()->click(indexOf(10, 10));
    QCOMPARE(static_cast<int>(host.game()->state().turn), turnBefore);
    QVERIFY(!host.game()->board().hasPoint(indexOf(10, 10)));
}

QTEST_MAIN(FrmAproposTest)
#include "frm_apropos_test.moc"
