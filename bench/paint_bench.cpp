// One painting of the whole sheet at the largest window, offscreen: the main window holds a
// recorded position and its sheet is rendered into an image, as the raster backing store would
// paint it after an update of the whole sheet.
#include <QApplication>
#include <QImage>

#include "bench_main.h"
#include "ui/frm_jeux_de_points.h"

namespace cinq::bench {

namespace {

void paintSheet(benchmark::State& state, const Position& position, bool withFrames) {
    BenchGame bench(position);
    ui::FrmJeuxDePoints window(bench.game);
    window.show();
    window.showNormalAtLargest();
    QApplication::processEvents();
    QWidget& sheet = *window.sheet();
    if (sheet.size() != ui::FrmJeuxDePoints::largestClientSize()) {
        state.SkipWithError("the sheet is not at the largest size");
        return;
    }
    QImage image(sheet.size(), QImage::Format_ARGB32_Premultiplied);
    QWidget::RenderFlags flags = QWidget::DrawWindowBackground;
    if (withFrames) {
        flags |= QWidget::DrawChildren;
    }
    for (auto _ : state) {
        sheet.render(&image, QPoint(), QRegion(), flags);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] =
        static_cast<double>(position.humanCount + position.state.computerMoves.size());
}

}  // namespace

}  // namespace cinq::bench

int main(int argc, char** argv) {
    using namespace cinq::bench;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    static std::vector<Position> positions;
    if (!startBenchmarks(argc, argv, positions)) {
        return 1;
    }
    // The fullest sheets at the largest window.
    for (const char* name : {"largest", "crowded"}) {
        const Position& p = positionNamed(positions, name);
        benchmark::RegisterBenchmark((std::string("BM_PaintSheet/") + name).c_str(), paintSheet, p,
                                     true);
        benchmark::RegisterBenchmark(
            (std::string("BM_PaintSheet/") + name + "/without_frames").c_str(), paintSheet, p,
            false);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
