// Starts a program on the X display and watches it from outside, without touching it:
//
//   first_frame [--idle SECONDS] [--settle SECONDS] [--prepare COMMAND] [--then COMMAND]
//               -- PROGRAM [ARGS...]
//
// - first frame: the time from just before the program is started until it first draws into a
//   window of its own (_NET_WM_PID) that is mapped: the first window shown, as the user sees it;
//   and the processor time the program had used by then, which a busy machine disturbs less.
//   Drawing is seen through the DAMAGE extension, which reports every change of a window's
//   contents; the window's mapping and its first Expose are reported too.
// - idle: after the first frame and a settling time, the processor time the program uses while
//   nothing happens for --idle seconds (all its threads, from /proc), the times it woke up, and
//   the times it drew.
// - --then COMMAND: after the idle measure, runs COMMAND (e.g. `xdotool key Return`), then
//   measures the first frame of the next window the program maps, and idles again. The watch
//   goes on while COMMAND runs: without a window manager the program maps and draws its next
//   window at once. --prepare COMMAND runs before it, outside the time measured (e.g. giving
//   the window the input focus, which no window manager does).
// - peak memory: the program's peak resident set (VmHWM), read just before it is ended with
//   SIGTERM, and the maximum resident set that the system reports when it has ended.
//
// Results are printed as `key=value` lines.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <dirent.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

[[noreturn]] void die(const std::string& why) {
    std::fprintf(stderr, "first_frame: %s\n", why.c_str());
    std::exit(2);
}

// Processor time of every thread of the process (ns, from the scheduler's accounting), its
// user and system time in clock ticks, and its context switches (wake-ups, mostly).
struct Usage {
    long long runNs = 0;
    long long ticks = 0;
    long long switches = 0;
};

Usage usageOf(pid_t pid) {
    Usage u;
    const std::string base = "/proc/" + std::to_string(pid);
    {
        std::ifstream stat(base + "/stat");
        // One line. (Read with getline: GCC 12 at -O3 warns of a null dereference inside the
        // stream buffer when a string is built from istreambuf_iterators.)
        std::string text;
        std::getline(stat, text);
        // Fields after the command name, which is in parentheses and may hold spaces. (None
        // when the process has gone.)
        const std::size_t name = text.rfind(')');
        std::istringstream rest(name == std::string::npos ? std::string{} : text.substr(name + 1));
        std::vector<std::string> fields;
        for (std::string f; rest >> f;) {
            fields.push_back(f);
        }
        if (fields.size() > 12) {
            u.ticks = std::stoll(fields[11]) + std::stoll(fields[12]);  // utime + stime
        }
    }
    DIR* tasks = opendir((base + "/task").c_str());
    if (tasks == nullptr) {
        return u;
    }
    while (const dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string task = base + "/task/" + entry->d_name;
        std::ifstream schedstat(task + "/schedstat");
        long long run = 0;
        if (schedstat >> run) {
            u.runNs += run;
        }
        std::ifstream status(task + "/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0 ||
                line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
                u.switches += std::stoll(line.substr(line.find(':') + 1));
            }
        }
    }
    closedir(tasks);
    return u;
}

long long peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stoll(line.substr(6));
        }
    }
    return -1;
}

// A window may be gone by the time it is watched or read: such errors are expected.
int ignoreErrors(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

class Watch {
public:
    Watch() {
        XSetErrorHandler(ignoreErrors);
        display_ = XOpenDisplay(nullptr);
        if (display_ == nullptr) {
            die("cannot open the display (is DISPLAY set?)");
        }
        int error = 0;
        if (!XDamageQueryExtension(display_, &damageEvent_, &error)) {
            die("the X server has no DAMAGE extension");
        }
        root_ = DefaultRootWindow(display_);
        pidAtom_ = XInternAtom(display_, "_NET_WM_PID", False);
        XSelectInput(display_, root_, SubstructureNotifyMask);
        XSync(display_, False);
    }
    ~Watch() { XCloseDisplay(display_); }

    void setPid(pid_t pid) { pid_ = pid; }

    // Handles the events that arrive until `deadline` (ms), or until `stop()` holds.
    template <class Stop>
    void run(double deadline, Stop stop) {
        const int fd = ConnectionNumber(display_);
        while (!stop()) {
            while (XPending(display_) > 0 && !stop()) {
                XEvent event;
                XNextEvent(display_, &event);
                handle(event);
            }
            const double left = deadline - nowMs();
            if (left <= 0 || stop()) {
                return;
            }
            fd_set read;
            FD_ZERO(&read);
            FD_SET(fd, &read);
            timeval wait{static_cast<long>(left / 1000),
                         static_cast<long>(static_cast<long long>(left * 1000) % 1000000)};
            select(fd + 1, &read, nullptr, nullptr, &wait);
        }
    }

    // Times (ms) of the first map, Expose and drawing in a window of the program mapped after
    // `since`, or 0 while none has happened.
    struct Firsts {
        double map = 0, expose = 0, frame = 0;
        Window window = 0;
    };
    Firsts firsts;
    int draws = 0;  // drawings into the program's mapped windows

    void restart() {
        firsts = Firsts{};
        seen_ = mappedOnes_;
    }

private:
    bool ours(Window w) {
        const auto known = owner_.find(w);
        if (known != owner_.end() && known->second) {
            return true;
        }
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        bool mine = false;
        if (XGetWindowProperty(display_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data) == Success &&
            data != nullptr) {
            if (format == 32 && count == 1) {
                mine = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid_;
            }
            XFree(data);
        }
        owner_[w] = mine;
        return mine;
    }

    void handle(const XEvent& event) {
        const double t = nowMs();
        if (event.type == CreateNotify) {
            const Window w = event.xcreatewindow.window;
            // Watched from its creation: its first drawing cannot come before the watch.
            XSelectInput(display_, w, StructureNotifyMask | ExposureMask);
            XDamageCreate(display_, w, XDamageReportNonEmpty);
        } else if (event.type == MapNotify &&
                   (event.xmap.event == event.xmap.window || event.xmap.event == root_)) {
            // A top-level window is seen mapped by the root too, which matters without a window
            // manager: the window may be mapped before it is watched.
            const Window w = event.xmap.window;
            if (ours(w)) {
                mapped_.insert(w);
                mappedOnes_.insert(w);
                if (firsts.map == 0 && !seen_.contains(w)) {
                    firsts.map = t;
                    firsts.window = w;
                }
            }
        } else if (event.type == UnmapNotify && event.xunmap.event == event.xunmap.window) {
            mapped_.erase(event.xunmap.window);
        } else if (event.type == Expose) {
            if (event.xexpose.window == firsts.window && firsts.expose == 0) {
                firsts.expose = t;
            }
        } else if (event.type == damageEvent_ + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display_, damage.damage, None, None);
            if (mapped_.contains(damage.drawable)) {
                ++draws;
                if (damage.drawable == firsts.window && firsts.frame == 0) {
                    firsts.frame = t;
                }
            }
        }
    }

    Display* display_ = nullptr;
    Window root_ = 0;
    Atom pidAtom_ = None;
    int damageEvent_ = 0;
    pid_t pid_ = 0;
    std::map<Window, bool> owner_;
    std::set<Window> mapped_;      // the program's windows now mapped
    std::set<Window> mappedOnes_;  // every window of the program ever mapped
    std::set<Window> seen_;        // windows mapped before the last restart
};

struct Phase {
    double firstFrameMs = 0, firstMapMs = 0, firstExposeMs = 0;
    double firstFrameCpuMs = 0;  // processor time the program had used by then
    double idleCpuMs = 0;
    long long idleTicks = 0, idleSwitches = 0;
    int idleDraws = 0;
};

Phase measure(Watch& watch, pid_t pid, double start, double settleS, double idleS,
              const char* what) {
    Phase phase;
    const long long runAtStart = usageOf(pid).runNs;
    const double timeout = nowMs() + 60'000;
    watch.run(timeout, [&] { return watch.firsts.frame != 0; });
    if (watch.firsts.frame == 0) {
        die(std::string("no frame drawn within a minute: ") + what);
    }
    phase.firstFrameCpuMs = static_cast<double>(usageOf(pid).runNs - runAtStart) / 1e6;
    phase.firstFrameMs = watch.firsts.frame - start;
    phase.firstMapMs = watch.firsts.map - start;
    phase.firstExposeMs = watch.firsts.expose > 0 ? watch.firsts.expose - start : -1;
    watch.run(nowMs() + settleS * 1000, [] { return false; });
    const Usage before = usageOf(pid);
    const int drawsBefore = watch.draws;
    watch.run(nowMs() + idleS * 1000, [] { return false; });
    const Usage after = usageOf(pid);
    phase.idleCpuMs = static_cast<double>(after.runNs - before.runNs) / 1e6;
    phase.idleTicks = after.ticks - before.ticks;
    phase.idleSwitches = after.switches - before.switches;
    phase.idleDraws = watch.draws - drawsBefore;
    return phase;
}

void print(const Phase& phase, const char* prefix) {
    std::printf("%sfirst_frame_ms=%.1f\n", prefix, phase.firstFrameMs);
    std::printf("%sfirst_frame_cpu_ms=%.1f\n", prefix, phase.firstFrameCpuMs);
    std::printf("%sfirst_map_ms=%.1f\n", prefix, phase.firstMapMs);
    std::printf("%sfirst_expose_ms=%.1f\n", prefix, phase.firstExposeMs);
    std::printf("%sidle_cpu_ms=%.3f\n", prefix, phase.idleCpuMs);
    std::printf("%sidle_cpu_ticks=%lld\n", prefix, phase.idleTicks);
    std::printf("%sidle_wakeups=%lld\n", prefix, phase.idleSwitches);
    std::printf("%sidle_draws=%d\n", prefix, phase.idleDraws);
}

}  // namespace

int main(int argc, char** argv) {
    double idleS = 10;
    double settleS = 1;
    const char* then = nullptr;
    const char* prepare = nullptr;
    int k = 1;
    for (; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--idle" && k + 1 < argc) {
            idleS = std::atof(argv[++k]);
        } else if (arg == "--settle" && k + 1 < argc) {
            settleS = std::atof(argv[++k]);
        } else if (arg == "--then" && k + 1 < argc) {
            then = argv[++k];
        } else if (arg == "--prepare" && k + 1 < argc) {
            prepare = argv[++k];
        } else if (arg == "--") {
            ++k;
            break;
        } else {
            die("usage: first_frame [--idle S] [--settle S] [--prepare COMMAND] [--then COMMAND] "
                "-- PROGRAM [ARGS...]");
        }
    }
    if (k >= argc) {
        die("no program given");
    }

    Watch watch;
    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        die("fork failed");
    }
    if (pid == 0) {
        execvp(argv[k], argv + k);
        std::perror("first_frame: exec");
        _exit(127);
    }
    watch.setPid(pid);

    const Phase first = measure(watch, pid, start, settleS, idleS, argv[k]);
    print(first, "");
    if (then != nullptr) {
        if (prepare != nullptr && std::system(prepare) != 0) {
            die(std::string("failed: ") + prepare);
        }
        watch.restart();
        const double thenStart = nowMs();
        const pid_t command = fork();
        if (command < 0) {
            die("fork failed");
        }
        if (command == 0) {
            execl("/bin/sh", "sh", "-c", then, static_cast<char*>(nullptr));
            _exit(127);
        }
        const Phase next = measure(watch, pid, thenStart, settleS, idleS, then);
        int commandStatus = 0;
        waitpid(command, &commandStatus, 0);
        if (!WIFEXITED(commandStatus) || WEXITSTATUS(commandStatus) != 0) {
            die(std::string("failed: ") + then);
        }
        print(next, "then_");
    }

    std::printf("peak_rss_kb=%lld\n", peakResidentKb(pid));
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    std::printf("maxrss_kb=%ld\n", usage.ru_maxrss);
    return 0;
}
