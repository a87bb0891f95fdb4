// On a screen of pixel ratio 2 the main window is drawn at twice the size: lines two device pixels
// wide where they are one pixel wide at ratio 1, the turn disc's outline solid, the score
// headings whole.
#include <QLabel>
#include <QTest>

#include "support/test_game.h"
#include "ui/frm_jeux_de_points.h"
#include "ui_test_support.h"

using namespace cinq;

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void linesAreTwiceAsWide_data();
    void linesAreTwiceAsWide();
    void discOutlineIsSolid();
    void headingsShowWhole_data();
    void headingsShowWhole();

private:
    std::unique_ptr<test::TestGame> t_;
    std::unique_ptr<ui::FrmJeuxDePoints> window_;
};

namespace {

constexpr double kRatio = 2;

bool isDark(QRgb pixel) {
    return qGray(pixel) < 64;
}

// The lengths of the runs of `colour` met along row `y` of the image, left to right.
QList<int> runsAlongRow(const QImage& image, int y, const QColor& colour) {
    QList<int> runs;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == colour) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    return runs;
}

}  // namespace

void HighDpiTest::init() {
    t_ = std::make_unique<test::TestGame>();
    t_->options.chooseOpponent(Opponent::Human);
    window_ = std::make_unique<ui::FrmJeuxDePoints>(t_->game);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(window_->devicePixelRatioF(), kRatio);
}

void HighDpiTest::cleanup() {
    window_.reset();
    t_.reset();
}

void HighDpiTest::linesAreTwiceAsWide_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("deviceWidth");
    QTest::newRow("grid line, 1 px") << QColor(Qt::black) << 2;
    QTest::newRow("frame of a won game, 2 px") << QColor(0, 128, 0) << 4;
}

void HighDpiTest::linesAreTwiceAsWide() {
    QFETCH(QColor, colour);
    QFETCH(int, deviceWidth);
    // Green wins on row 4, columns 3 to 7: its frame runs down the sheet around them.
    test::playTwoPlayerGame(t_->game, PointColour::Green, 4);
    window_->syncFromModel();
    const QImage sheet = window_->sheet()->grab().toImage();
    QCOMPARE(sheet.size(), window_->sheet()->size() * kRatio);
    // A row between two grid lines, across the frame's sides and the vertical grid lines, left
    // of the right-hand frame.
    const int y = static_cast<int>((24 * 5 + 12) * kRatio);
    const QList<int> runs = runsAlongRow(sheet.copy(0, 0, 480 * 2, sheet.height()), y, colour);
    QVERIFY2(runs.size() >= 2, qPrintable(QString::number(runs.size())));
    for (int run : runs) {
        QCOMPARE(run, deviceWidth);
    }
}

void HighDpiTest::discOutlineIsSolid() {
    const QImage disc = test::named(window_.get(), "shpJoueurs")->grab().toImage();
    // Along the middle row, the outline at the left edge: solid black, not a grey smear over two
    // half-covered pixels.
    const int y = disc.height() / 2;
    int solid = 0;
    for (int x = 0; x < 4; ++x) {
        solid += isDark(disc.pixel(x, y)) ? 1 : 0;
    }
    QCOMPARE(solid, 2);
}

void HighDpiTest::headingsShowWhole_data() {
    QTest::addColumn<QString>("heading");
    QTest::newRow("Parties") << "lblScore(4)";
    QTest::newRow("Manches") << "lblScore(5)";
}

void HighDpiTest::headingsShowWhole() {
    QFETCH(QString, heading);
    auto* label = test::named<QLabel>(window_.get(), heading);
    QVERIFY(label != nullptr);
    const QImage image = label->grab().toImage();
    // Text cut off by the label's edge leaves ink in its first or last column.
    for (int x : {0, image.width() - 1}) {
        for (int y = 0; y < image.height(); ++y) {
            QVERIFY2(qGray(image.pixel(x, y)) > 160,
                     qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
        }
    }
}

int main(int argc, char* argv[]) {
    // Set before the application starts, as the user's environment sets it.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kRatio));
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "high_dpi_test.moc"
