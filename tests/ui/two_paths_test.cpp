// The replay tool and the real windows play the same scripts to the same dumps, byte for byte:
// the regression scripts, the hand-written scripts beside this test, and sessions of the
// random-event driver with fixed seeds, with a dump after every event. A difference is a fault
// of one of the two paths; the script and both outputs are written to the working directory.

#include <QDir>
#include <QFile>
#include <QTest>
#include <fstream>
#include <sstream>

#include "fuzz/replay_run.h"
#include "replay/replay_session.h"
#include "windows/qt_script_player.h"

using namespace cinq;
using namespace cinq::replay;

class TwoPathsTest : public QObject {
    Q_OBJECT

private slots:
    void sameDumps_data();
    void sameDumps();
};

namespace {

// Sessions of the driver compared, and their length in events.
constexpr std::array<std::uint64_t, 6> kSeeds{1, 2, 3, 4, 5, 6};
constexpr long long kSessionEvents = 400;

bool opensMainWindow(const std::string& line) {
    for (const char* command : {"opponent ", "level ", "name ", "rolls ", "answer ", "start"}) {
        if (line.starts_with(command)) {
            return false;
        }
    }
    return !line.empty() && line.front() != '#';
}

// The replay tool sized as the windows are, so that the answers that the generator queues from
// the state of the game fit the message boxes of both paths.
class WholePixelSession : public ReplaySession {
public:
    using ReplaySession::ReplaySession;
    void resize(int width, int height) override {
        const OuterSize size = QtScriptPlayer::reachableSize(width, height);
        ReplaySession::resize(size.width, size.height);
    }
};

// A driver's session with a dump after every event once the main window is open.
std::string generatedScript(std::uint64_t seed) {
    fuzz::SeededChoices choices(seed);
    fuzz::InvariantChecker checker;
    const fuzz::SessionResult session = fuzz::runSession(
        choices, checker, {kSessionEvents, 1000},
        [](std::ostream& out) { return std::make_unique<WholePixelSession>(out); });
    std::string script;
    bool open = false;
    for (const std::string& line : session.script) {
        script += line + '\n';
        open = open || opensMainWindow(line);
        if (open && !line.starts_with("answer ")) {
            script += "dump\n";
        }
    }
    return script;
}

// The script as the windows can play it: each size the one a window takes in whole pixels.
std::string inWholePixels(const std::string& script) {
    std::istringstream in(script);
    std::string out;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string command;
        int width = 0;
        int height = 0;
        if (words >> command >> width >> height && command == "size") {
            const OuterSize size = QtScriptPlayer::reachableSize(width, height);
            line = "size " + std::to_string(size.width) + ' ' + std::to_string(size.height);
        }
        out += line + '\n';
    }
    return out;
}

// The options as the dialog holds them at the end: the dump shows a name only where the game
// has written it.
std::string optionsLine(const OptionsModel& options) {
    return "options " + std::to_string(static_cast<int>(options.opponent())) + ' ' +
           std::to_string(static_cast<int>(options.levelOption())) + " [" + options.name(0) +
           "] [" + options.name(1) + "]\n";
}

std::string throughTool(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    ReplaySession session(out);
    session.runScript(in);
    return out.str() + optionsLine(session.options());
}

std::string throughWindows(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    QtScriptPlayer player;
    runScriptLines(player, in, out);
    return out.str() + optionsLine(player.host().options());
}

std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The first line where two outputs differ, numbered from 1, with both versions.
QString firstDifference(const std::string& tool, const std::string& windows) {
    std::istringstream a(tool);
    std::istringstream b(windows);
    std::string lineA;
    std::string lineB;
    for (int n = 1;; ++n) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) {
            return {};
        }
        if (moreA != moreB || lineA != lineB) {
            return QStringLiteral("output line %1:\n  tool:    %2\n  windows: %3")
                .arg(n)
                .arg(moreA ? QString::fromStdString(lineA) : "(end)",
                     moreB ? QString::fromStdString(lineB) : "(end)");
        }
    }
}

void write(const QString& path, const std::string& text) {
    std::ofstream(path.toStdString(), std::ios::binary) << text;
}

}  // namespace

void TwoPathsTest::sameDumps_data() {
    QTest::addColumn<QString>("script");
    for (const QString& dir : QString(CINQUEVOLE_SCRIPT_DIRS).split(':')) {
        for (const QFileInfo& file : QDir(dir).entryInfoList({"*.txt"}, QDir::Files)) {
            QTest::newRow(qPrintable(file.completeBaseName()))
                << QString::fromStdString(fileText(file.filePath()));
        }
    }
    for (const std::uint64_t seed : kSeeds) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed)))
            << QString::fromStdString(generatedScript(seed));
    }
}

void TwoPathsTest::sameDumps() {
    QFETCH(QString, script);
    const std::string played = inWholePixels(script.toStdString());
    const std::string tool = throughTool(played);
    const std::string windows = throughWindows(played);
    const std::size_t error = tool.starts_with("error ") ? 0 : tool.find("\nerror ");
    if (error != std::string::npos) {
        QFAIL(tool.substr(error, tool.find('\n', error + 1) - error).c_str());
    }
    if (tool != windows) {
        const QString name = QString(QTest::currentDataTag()).replace(' ', '-');
        write("two-paths-" + name + ".txt", played);
        write("two-paths-" + name + ".tool", tool);
        write("two-paths-" + name + ".windows", windows);
        QFAIL(qPrintable(firstDifference(tool, windows) + "\nscript and outputs: two-paths-" +
                         name + ".*"));
    }
}

QTEST_MAIN(TwoPathsTest)
#include "two_paths_test.moc"
