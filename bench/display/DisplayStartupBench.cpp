// Start-up on a real X display: the program is started as a user starts it, and the clock
// stops when its window is on the screen, painted: the last drawing of the first burst the
// server reports (no drawing for a while after it). The resident memory is read then. The
// same is measured for a small FLTK program of the same shape, in the same run.
// Run it under an X server of its own: bench/display/run.sh.
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

// X11's headers define short macros (None, Bool, Status), so they come last.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Drawing stops counting as the first paint once the screen stays still this long.
constexpr auto kQuiet = std::chrono::milliseconds(300);
constexpr auto kGiveUp = std::chrono::seconds(20);

struct Sample {
    double seconds = 0;  // from the start to the last drawing of the first paint
    double residentMiB = 0;
};

double ResidentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// Watches all drawing on the screen: damage on the root window includes its children.
class ScreenWatch {
public:
    ScreenWatch() {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            throw std::runtime_error("no X display: run this under bench/display/run.sh");
        int error = 0;
        if (!XDamageQueryExtension(m_display, &m_damageEvent, &error))
            throw std::runtime_error("the X server has no DAMAGE extension");
        m_damage =
            XDamageCreate(m_display, DefaultRootWindow(m_display), XDamageReportRawRectangles);
        XSync(m_display, False);
        Drain();
    }
    ~ScreenWatch() {
        XDamageDestroy(m_display, m_damage);
        XCloseDisplay(m_display);
    }

    // Throws away what was reported so far.
    void Drain() {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
    }

    // Waits until something is drawn or `until` passes; true when something was.
    bool WaitForDrawing(Clock::time_point until) {
        while (true) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == m_damageEvent + XDamageNotify) return true;
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
            if (left.count() <= 0) return false;
            pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left.count()));
        }
    }

private:
    Display* m_display = nullptr;
    int m_damageEvent = 0;
    Damage m_damage = 0;
};

Sample StartAndMeasure(const std::string& program) {
    ScreenWatch watch;
    const char* argv[] = {program.c_str(), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, const_cast<char* const*>(argv),
                    environ) != 0)
        throw std::runtime_error("cannot start " + program);
    Sample sample;
    if (!watch.WaitForDrawing(start + kGiveUp)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        throw std::runtime_error(program + " drew nothing");
    }
    auto last = Clock::now();
    while (watch.WaitForDrawing(last + kQuiet)) last = Clock::now();
    sample.seconds = std::chrono::duration<double>(last - start).count();
    sample.residentMiB = ResidentMiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return sample;
}

void StartUp(benchmark::State& state, const std::string& program) {
    double resident = 0;
    for (auto _ : state) {
        const Sample sample = StartAndMeasure(program);
        state.SetIterationTime(sample.seconds);
        resident = sample.residentMiB;
    }
    state.counters["resident_MiB"] = resident;
}

// Each repetition is one start; the report gives the median of the starts.
void Register(const char* name, const std::string& program) {
    benchmark::RegisterBenchmark(name, StartUp, program)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv) {
    // An X server resets when its last client leaves, and one in the middle of a reset
    // refuses the next connection: this one stays open for the whole run so that the watch
    // of the next start always finds the server up.
    Display* keepServerUp = XOpenDisplay(nullptr);
    if (!keepServerUp) {
        std::fprintf(stderr, "no X display: run this under bench/display/run.sh\n");
        return 1;
    }
    // Both in one run, taking turns in the order registered.
    Register("StartUpToFirstPaint/quorvane", QUORVANE_PROGRAM);
    Register("StartUpToFirstPaint/fltk_reference", FLTK_REFERENCE_PROGRAM);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(keepServerUp);
    return 0;
}
