#include <QColor>
#include <QImage>
#include <QTest>
#include <algorithm>

#include "identity/app_identity.h"

using cinq::identity::applicationIcon;

namespace {

bool isGreen(QColor c) {
    return c.alpha() > 200 && c.green() > 120 && c.red() < 110 && c.blue() < 130;
}

bool isRed(QColor c) {
    return c.alpha() > 200 && c.red() > 150 && c.green() < 110 && c.blue() < 110;
}

}  // namespace

class AppIdentityTest : public QObject {
    Q_OBJECT

private slots:
    // The sizes installed in the hicolor tree are the sizes the windows get: a PNG missing from
    // the resource, or rendered at the wrong size, shows here.
    void iconHasEveryInstalledSize() {
        const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32},   {48, 48},
                                    {64, 64}, {128, 128}, {256, 256}};
        QList<QSize> sizes = applicationIcon().availableSizes();
        std::sort(sizes.begin(), sizes.end(),
                  [](QSize a, QSize b) { return a.width() < b.width(); });
        QCOMPARE(sizes, expected);
    }

    void renditionKeepsTheDrawing_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            QTest::addRow("%dx%d", size, size) << size;
        }
    }

    // Every rendition is the drawing itself, not a scaled neighbour: exact size, transparent
    // outside the sheet's rounded corner, and both colours of points still visible.
    void renditionKeepsTheDrawing() {
        QFETCH(int, size);
        const QIcon icon = applicationIcon();
        const QList<QSize> sizes = icon.availableSizes();
        QVERIFY(sizes.contains(QSize(size, size)));
        const QImage image =
            icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
        QCOMPARE(image.pixelColor(size - 1, 0).alpha(), 0);

        int green = 0;
        int red = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QColor c = image.pixelColor(x, y);
                green += isGreen(c) ? 1 : 0;
                red += isRed(c) ? 1 : 0;
            }
        }
        QVERIFY2(green > 0, "no green point left in the rendition");
        QVERIFY2(red > 0, "no red point left in the rendition");
    }
};

QTEST_MAIN(AppIdentityTest)
#include "app_identity_test.moc"
