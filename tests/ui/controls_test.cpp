// Work deferred until a window's first paint: it runs once, after the paint, and never for a
// window that is gone.
#include <QtTest>

#include "ui/controls.h"

namespace cinq::ui {

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void afterFirstPaint_data() {
        QTest::addColumn<bool>("show");
        QTest::addColumn<bool>("destroyFirst");
        QTest::addColumn<int>("runs");
        QTest::newRow("never shown") << false << false << 0;
        QTest::newRow("shown") << true << false << 1;
        QTest::newRow("destroyed before its paint") << true << true << 0;
    }
    void afterFirstPaint() const {
        QFETCH(bool, show);
        QFETCH(bool, destroyFirst);
        QFETCH(int, runs);
        auto window = std::make_unique<QWidget>();
        window->resize(200, 100);
        int ran = 0;
        bool paintedBefore = false;
        int paints = 0;
        struct PaintCounter : QObject {
            int* count;
            explicit PaintCounter(int* c) : count(c) {}
            bool eventFilter(QObject*, QEvent* event) override {
                *count += event->type() == QEvent::Paint ? 1 : 0;
                return false;
            }
        } counter(&paints);
        window->installEventFilter(&counter);
        ui::afterFirstPaint(window.get(), [&] {
            ++ran;
            paintedBefore = paints > 0;
        });
        if (show) {
            window->show();
            if (destroyFirst) {
                window.reset();
            } else {
                QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            }
        }
        QTest::qWait(50);
        if (window != nullptr) {
            // Later paints run nothing more.
            window->repaint();
            QTest::qWait(20);
        }
        QCOMPARE(ran, runs);
        if (runs > 0) {
            QVERIFY(paintedBefore);
        }
    }
};

}  // namespace cinq::ui

QTEST_MAIN(cinq::ui::ControlsTest)
#include "controls_test.moc"
