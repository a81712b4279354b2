// Start-up time, whole process: from starting an executable until its first window is first drawn.
// The X server reports damage on a newly mapped top-level window twice: first for its own fill of
// the window's background when it maps it, then for the program's first frame; the second report
// is the one timed. Runs the program and a
// bare Qt window in turn and prints each pair's times and the median ratio.
// Usage: startup_time <program> <bare window program> [rounds]

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Windows come and go while a program starts; a damage record of a window already gone is no error
// worth stopping for (the server drops it with the window).
int IgnoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

double MillisecondsToFirstPaint(Display* display, int damageEvent, const char* program)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double elapsed = -1;
    int reports = 0;
    while (elapsed < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == root)
            XDamageCreate(display, event.xmap.window, XDamageReportRawRectangles);
        else if (event.type == damageEvent + XDamageNotify && ++reports == 2)
            elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
    XSelectInput(display, root, NoEventMask);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XSync(display, True);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_time <program> <bare window program> [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 9;
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_time: needs an X display with the DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    MillisecondsToFirstPaint(display, damageEvent, argv[2]);  // warm the file cache
    MillisecondsToFirstPaint(display, damageEvent, argv[1]);
    std::vector<double> ratios, programTimes, bareTimes;
    for (int i = 0; i < rounds; ++i) {
        const double program = MillisecondsToFirstPaint(display, damageEvent, argv[1]);
        const double bare = MillisecondsToFirstPaint(display, damageEvent, argv[2]);
        programTimes.push_back(program);
        bareTimes.push_back(bare);
        ratios.push_back(program / bare);
        std::printf("round %d: program %.1f ms, bare window %.1f ms, ratio %.2f\n", i + 1, program, bare, program / bare);
    }
    std::printf("median: program %.1f ms, bare window %.1f ms, median ratio %.2f\n",
                Median(programTimes), Median(bareTimes), Median(ratios));
    XCloseDisplay(display);
    return 0;
}
