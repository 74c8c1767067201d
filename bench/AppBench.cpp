// The whole program on the real SDL and X11 backends, with an SDL virtual joystick attached in
// the process (the real executable cannot see one). Run under tools/headless.sh.
//
//   bench_app full-load [cycles]   every input held (buttons 1 … 10 and the up-left diagonal at
//                                  multiplier 10, reaction time 50) typing into a plain X client
//                                  window; prints the time of each poll cycle, mean and max
//   bench_app idle [seconds]       the virtual controller attached, nothing held, polled every
//                                  50 ms; prints the CPU time used over the given seconds
//   bench_app idle-tick [ticks]    the same, the idle tick called directly: prints the CPU time
//                                  of one tick, without the event loop's wake-up around it
#include "app/Application.h"
#include "app/QtDelayedCall.h"
#include "fakes/TempFolder.h"
#include "platform/sdl/SdlFactory.h"
#include "platform/x11/X11Factory.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTimer>

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <poll.h>
#include <string>
#include <thread>
#include <time.h>
#include <vector>

using namespace rukcon;

namespace {

constexpr int kReactionTime = 50;
const char* const kTargetCaption = "ベンチ用の窓 - target";

// A plain X client window standing in for the target program. A thread of its own reads its
// events, as a real program would, and counts the key presses that arrive.
class KeyCountingWindow {
public:
    KeyCountingWindow()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display)
            return;
        m_window = XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 40, 40, 320, 200, 0, 0, 0xFFFFFF);
        XSelectInput(m_display, m_window, KeyPressMask | StructureNotifyMask);
        Xutf8SetWMProperties(m_display, m_window, kTargetCaption, kTargetCaption, nullptr, 0, nullptr, nullptr,
                             nullptr);
        XMapWindow(m_display, m_window);
        XFlush(m_display);
        m_reader = std::thread([this] { readEvents(); });
        for (int i = 0; i < 500 && !m_mapped; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~KeyCountingWindow()
    {
        m_stop = true;
        if (m_reader.joinable())
            m_reader.join();
        if (m_display) {
            XDestroyWindow(m_display, m_window);
            XCloseDisplay(m_display);
        }
    }
    bool ok() const { return m_display && m_mapped; }
    long presses() const { return m_presses; }

private:
    void readEvents()
    {
        pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
        while (!m_stop) {
            while (XPending(m_display)) {
                XEvent e;
                XNextEvent(m_display, &e);
                if (e.type == MapNotify)
                    m_mapped = true;
                if (e.type == KeyPress)
                    ++m_presses;
                if (e.type == MappingNotify)
                    XRefreshKeyboardMapping(&e.xmapping);
            }
            poll(&fd, 1, 20);
        }
    }

    Display* m_display = nullptr;
    Window m_window = 0;
    std::thread m_reader;
    std::atomic<bool> m_stop = false;
    std::atomic<bool> m_mapped = false;
    std::atomic<long> m_presses = 0;
};

// CPU time of every thread, in nanoseconds as the scheduler counts it: the same figure the
// comparison script reads for the other programs.
double cpuSeconds()
{
    long long ns = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream stat(task.path() / "schedstat");
        long long run = 0;
        if (stat >> run)
            ns += run;
    }
    return static_cast<double>(ns) / 1e9;
}

// Runs the event loop for a while.
void runFor(int ms)
{
    QTimer::singleShot(ms, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

struct ProgramRig {
    test::TempFolder folder;
    SDL_Joystick* pad = nullptr;
    int padIndex = -1;
    std::unique_ptr<app::Application> app;

    bool start()
    {
        app::PlatformParts parts;
        parts.controller = platform::sdl::createController(); // brings up SDL's joystick part
        parts.sound = platform::sdl::createSoundDevice(std::make_unique<app::QtDelayedCall>()); // as the program has it
        parts.windowing.keys = platform::x11::createKeyEmitter();
        parts.windowing.windows = platform::x11::createWindowSystem();
        if (!parts.windowing.keys || !parts.windowing.windows) {
            std::fputs("bench_app: needs an X display with XTest\n", stderr);
            return false;
        }
        padIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 12, 1);
        pad = padIndex >= 0 ? SDL_JoystickOpen(padIndex) : nullptr;
        if (!pad) {
            std::fprintf(stderr, "bench_app: no virtual joystick: %s\n", SDL_GetError());
            return false;
        }
        app = std::make_unique<app::Application>(std::move(parts),
                                                 settings::ProgramFolders::BesideProgram(folder.path()));
        app->start();
        app->setReactionTime(kReactionTime);
        return true;
    }

    // Started, with the pad detected and the start-up settings hold ended, the loop run a while.
    bool startPolling(int settleMs)
    {
        if (!start())
            return false;
        app->onStatusTick();
        runFor(settleMs);
        return true;
    }

    ~ProgramRig()
    {
        app.reset();
        if (pad) {
            SDL_JoystickClose(pad);
            SDL_JoystickDetachVirtual(padIndex);
        }
    }
};

int fullLoad(int cycles)
{
    KeyCountingWindow target;
    if (!target.ok()) {
        std::fputs("bench_app: the target window did not appear\n", stderr);
        return 1;
    }
    ProgramRig rig;
    if (!rig.start())
        return 1;
    ui::MainWindow& form = rig.app->form();
    form.captionFragmentBox()->setEditText(QString::fromUtf8(kTargetCaption).left(5));
    // One tap per input, a letter of its own: 30 taps per cycle.
    for (int slot = 0; slot < 14; ++slot)
        form.keyChoiceBox(slot, 0)->setEditText(QStringLiteral("-%1-").arg(QChar('A' + slot)));
    rig.app->setArrowMultiplier(10);
    rig.app->onStatusTick(); // detects the pad and ends the start-up settings hold
    form.hide();             // in the tray, as while a game is played
    for (int b = 0; b < 10; ++b)
        SDL_JoystickSetVirtualButton(rig.pad, b, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(rig.pad, 0, -32768);
    SDL_JoystickSetVirtualAxis(rig.pad, 1, -32768);

    // Timer1 keeps its own period; each of its cycles is timed here.
    std::vector<double> times;
    QTimer* pollTimer = &rig.app->pollTimer();
    QObject::disconnect(pollTimer, &QTimer::timeout, rig.app.get(), nullptr);
    QElapsedTimer wall;
    QObject::connect(pollTimer, &QTimer::timeout, rig.app.get(), [&] {
        QElapsedTimer clock;
        clock.start();
        rig.app->onPollTick();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (static_cast<int>(times.size()) >= cycles)
            QCoreApplication::exit(0);
    });
    const long pressesBefore = target.presses();
    pollTimer->start(kReactionTime);
    wall.start();
    QCoreApplication::exec();
    const double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    for (int b = 0; b < 10; ++b)
        SDL_JoystickSetVirtualButton(rig.pad, b, SDL_RELEASED);
    SDL_JoystickSetVirtualAxis(rig.pad, 0, 0);
    SDL_JoystickSetVirtualAxis(rig.pad, 1, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));

    const double mean = std::accumulate(times.begin(), times.end(), 0.0) / static_cast<double>(times.size());
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    // The first cycle also waits for the window manager to bring the target forward.
    std::printf("full-load cycle (30 taps, period %d ms, %zu cycles): mean %.2f ms, median %.2f ms, max %.2f ms "
                "(first cycle %.2f ms); %.0f presses/s arrived (%.0f expected)\n",
                kReactionTime, times.size(), mean, sorted[sorted.size() / 2], sorted.back(), times.front(),
                static_cast<double>(target.presses() - pressesBefore) / seconds, 30.0 * 1000.0 / kReactionTime);
    return 0;
}

int idle(int seconds)
{
    ProgramRig rig;
    if (!rig.startPolling(1000))
        return 1;
    const double before = cpuSeconds();
    runFor(seconds * 1000);
    const double used = cpuSeconds() - before;
    std::printf("%.4f\n", used / seconds * 100.0);
    return 0;
}

double threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// The idle tick alone, without the wake-up around it: back to back (warm caches), and once
// every 50 ms as the timer calls it (what it costs after the rest of the machine ran).
int idleTick(int ticks)
{
    ProgramRig rig;
    if (!rig.startPolling(200))
        return 1;
    for (int i = 0; i < ticks / 10; ++i)
        rig.app->onPollTick();
    const double before = threadCpuNanoseconds();
    for (int i = 0; i < ticks; ++i)
        rig.app->onPollTick();
    const double warm = (threadCpuNanoseconds() - before) / ticks / 1e3;
    constexpr int kSpacedTicks = 200;
    std::vector<double> spaced;
    for (int i = 0; i < kSpacedTicks; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kReactionTime));
        const double start = threadCpuNanoseconds();
        rig.app->onPollTick();
        spaced.push_back((threadCpuNanoseconds() - start) / 1e3);
    }
    std::sort(spaced.begin(), spaced.end());
    std::printf("idle tick: %.2f us back to back, %.2f us (median) every %d ms\n", warm, spaced[spaced.size() / 2],
                kReactionTime);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "full-load")
        return fullLoad(argc > 2 ? std::atoi(argv[2]) : 200);
    if (mode == "idle")
        return idle(argc > 2 ? std::atoi(argv[2]) : 60);
    if (mode == "idle-tick")
        return idleTick(argc > 2 ? std::atoi(argv[2]) : 100000);
    std::fputs("usage: bench_app full-load [cycles] | idle [seconds] | idle-tick [ticks]\n", stderr);
    return 2;
}
