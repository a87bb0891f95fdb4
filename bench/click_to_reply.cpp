// From a click on a free intersection to the first painted frame that shows the computer's
// reply, through the real main window (offscreen), over the clicks of real games: a seeded
// player clicks near the points of the game under way, the program's own computer answers.
//
//   bench_click_to_reply [--clicks N] [--seed S] [--no-wait] [--largest] [--level L]
//
// Each click goes through the window system's input path (QTest with QPA mouse handling). The
// time runs from just before the click until control comes back after a paint of the sheet that
// follows it. Between two clicks the player waits, as a person does, until the new point's short
// animation has ended (--no-wait clicks at once). Clicks that open a message box or a window (the
// end of a match) are answered and left out of the figures: the user's reading time is in them.
// The window opens at the design size; --largest opens it at the largest size, where the sheet
// has the most to paint. --level L plays against the computer at level setting L (0 to 3; 0 by
// default), as the options dialog selects it; at 3 the engine thinks within the game's budget.
#define QTEST_QPA_MOUSE_HANDLING
#include <sys/resource.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ui/qt_host.h"

namespace {

using Clock = std::chrono::steady_clock;

// Involuntary context switches of this thread so far: the times the system took the processor
// away from it for another program.
long preemptions() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nivcsw;
}

// Counts the paints of the sheet and answers every modal window as soon as it shows: "Oui" or
// "OK" for a message box, the close box for any other window.
class Watcher : public QObject {
public:
    int paints = 0;
    int modals = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched == sheet) {
            ++paints;
        } else if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched);
                dialog != nullptr && dialog->isModal()) {
                ++modals;
                QTimer::singleShot(0, dialog, [dialog] { answer(dialog); });
            }
        }
        return false;
    }

public:
    QObject* sheet = nullptr;

private:
    static void answer(QDialog* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == "Oui" || button->text() == "OK") {
                    button->click();
                    return;
                }
            }
        }
        dialog->close();
    }
};

struct Options {
    int clicks = 1000;
    unsigned seed = 1;
    bool wait = true;
    bool largest = false;
    cinq::LevelOption level = cinq::LevelOption::Initiation;
};

Options parse(int argc, char** argv) {
    Options options;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--clicks" && k + 1 < argc) {
            options.clicks = std::atoi(argv[++k]);
        } else if (arg == "--seed" && k + 1 < argc) {
            options.seed = static_cast<unsigned>(std::strtoul(argv[++k], nullptr, 10));
        } else if (arg == "--no-wait") {
            options.wait = false;
        } else if (arg == "--largest") {
            options.largest = true;
        } else if (arg == "--level" && k + 1 < argc && std::atoi(argv[k + 1]) >= 0 &&
                   std::atoi(argv[k + 1]) <= 3) {
            options.level = static_cast<cinq::LevelOption>(std::atoi(argv[++k]));
        } else {
            std::fprintf(stderr,
                         "usage: %s [--clicks N] [--seed S] [--no-wait] [--largest] [--level L]\n",
                         argv[0]);
            std::exit(2);
        }
    }
    return options;
}

// The free intersections within two rows and columns of a point of the game under way; on a
// game with no point yet, every free intersection.
std::vector<int> candidates(const cinq::Game& game) {
    const cinq::Board& board = game.board();
    const cinq::GameState& s = game.state();
    std::vector<int> points;
    for (const cinq::MoveList* list : {&s.humanMoves, &s.computerMoves}) {
        for (int k = 1; (*list)(k) != 0; ++k) {
            points.push_back((*list)(k));
        }
    }
    std::vector<int> near;
    std::vector<int> all;
    for (int i = cinq::kFirstGridSlot; i < cinq::kSlotCount; ++i) {
        if (!board.isPlayable(i) || board.hasPoint(i)) {
            continue;
        }
        all.push_back(i);
        for (const int p : points) {
            if (std::abs(cinq::rowOf(p) - cinq::rowOf(i)) <= 2 &&
                std::abs(cinq::columnOf(p) - cinq::columnOf(i)) <= 2) {
                near.push_back(i);
                break;
            }
        }
    }
    return near.empty() ? all : near;
}

int redPoints(const cinq::Board& board) {
    int n = 0;
    for (int i = cinq::kFirstGridSlot; i < cinq::kSlotCount; ++i) {
        n += board.hasPoint(i) && board.colour(i) == cinq::PointColour::Red ? 1 : 0;
    }
    return n;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const auto k =
        static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
    return values[std::min(k, values.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const Options options = parse(argc, argv);

    cinq::RandomDie die(options.seed);
    cinq::ui::QtHost host(&die);
    host.options().chooseLevel(options.level);
    host.openMainWindow();
    cinq::ui::FrmJeuxDePoints& window = *host.mainWindow();
    QWidget& sheet = *window.sheet();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the main window was never exposed\n");
        return 1;
    }
    if (options.largest) {
        window.showNormalAtLargest();
    }
    Watcher watcher;
    watcher.sheet = &sheet;
    app.installEventFilter(&watcher);
    std::mt19937 player(options.seed);

    std::vector<double> ms;
    std::vector<double> unpreempted;
    int withWindow = 0;
    int noReply = 0;
    const auto started = Clock::now();
    for (int click = 0; click < options.clicks && !host.programEnded(); ++click) {
        const cinq::Game& game = *host.game();
        const std::vector<int> cells = candidates(game);
        if (cells.empty()) {
            window.findChild<QAction*>("mnuNouvelle")->trigger();
            --click;
            continue;
        }
        const int cell = cells[player() % cells.size()];
        const QPoint at(cinq::columnOf(cell) * cinq::kPitch / cinq::kTwipsPerPixel,
                        cinq::rowOf(cell) * cinq::kPitch / cinq::kTwipsPerPixel);
        const int paintsBefore = watcher.paints;
        const int modalsBefore = watcher.modals;
        const int redBefore = redPoints(game.board());
        const int computerBefore = game.state().computerMoveCount;

        const long preemptedBefore = preemptions();
        const auto t0 = Clock::now();
        QTest::mouseClick(&sheet, Qt::LeftButton, {}, at);
        while (watcher.paints == paintsBefore) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        const auto t1 = Clock::now();
        const bool preempted = preemptions() != preemptedBefore;

        if (watcher.modals != modalsBefore) {
            ++withWindow;
        } else if (redPoints(game.board()) == redBefore &&
                   game.state().computerMoveCount == computerBefore) {
            ++noReply;
        } else {
            ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
            if (!preempted) {
                unpreempted.push_back(ms.back());
            }
        }
        while (options.wait && host.mainWindow()->sheet()->isAnimating()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    if (ms.empty()) {
        std::fprintf(stderr, "no click was measured\n");
        return 1;
    }
    std::printf(
        "click to painted reply: %zu clicks measured (%d with a message or window, %d "
        "without a reply, left out), %.0f s\n",
        ms.size(), withWindow, noReply, seconds);
    const auto report = [](const char* what, const std::vector<double>& values) {
        std::printf("%s: median %.3f ms   p90 %.3f ms   p99 %.3f ms   max %.3f ms\n", what,
                    percentile(values, 0.5), percentile(values, 0.9), percentile(values, 0.99),
                    percentile(values, 1.0));
    };
    report("all measured clicks", ms);
    // On a busy machine the system takes the processor away now and then for a whole tick of its
    // scheduler: those clicks measure the other programs.
    std::printf("%zu of them with the processor taken away by the system\n",
                ms.size() - unpreempted.size());
    if (!unpreempted.empty()) {
        report("clicks never preempted", unpreempted);
    }
    return 0;
}
