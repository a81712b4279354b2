// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up time, whole process: from starting an executable until its first window is first drawn;
// then the memory each holds idle after start-up (VmRSS a second after its first frame).
// The X server reports damage on a newly mapped top-level window twice: first for its own fill of
// the window's background when it maps it, then for the program's first frame; the second report
// is the one timed. Runs the program and a
// bare Qt window in turn and prints each pair's times and the median ratio; given a screen scale,
// also the program at that scale against itself at 100 %, in turn, and the bare window likewise.
// Usage: startup_time <program> <bare window program> [rounds [screen scale]]

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

struct Start {
    double Milliseconds;
    double IdleMegabytes;  // 0 unless asked for
};

// The resident memory of the process, in MB, or 0 when it cannot be read.
double ResidentMegabytes(pid_t process)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/status", int(process));
    FILE* status = std::fopen(path, "r");
    if (!status)
        return 0;
    char line[256];
    long kilobytes = 0;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmRSS: %ld kB", &kilobytes) == 1)
            break;
    std::fclose(status);
    return kilobytes / 1024.0;
}

// The program started with the screen scale asked for (QT_SCALE_FACTOR), or as the environment has
// it when scale is null.
Start StartOnce(Display* display, int damageEvent, const char* program, bool idleMemory, const char* scale = nullptr)
{
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, True);
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (scale)
            setenv("QT_SCALE_FACTOR", scale, 1);
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
    double megabytes = 0;
    if (idleMemory) {
        sleep(1);
        megabytes = ResidentMegabytes(child);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XSync(display, True);
    return {elapsed, megabytes};
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
        std::fprintf(stderr, "usage: startup_time <program> <bare window program> [rounds [screen scale]]\n");
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
    StartOnce(display, damageEvent, argv[2], false);  // warm the file cache
    StartOnce(display, damageEvent, argv[1], false);
    std::vector<double> ratios, programTimes, bareTimes;
    for (int i = 0; i < rounds; ++i) {
        const double program = StartOnce(display, damageEvent, argv[1], false).Milliseconds;
        const double bare = StartOnce(display, damageEvent, argv[2], false).Milliseconds;
        programTimes.push_back(program);
        bareTimes.push_back(bare);
        ratios.push_back(program / bare);
        std::printf("round %d: program %.1f ms, bare window %.1f ms, ratio %.2f\n", i + 1, program, bare, program / bare);
    }
    std::printf("median: program %.1f ms, bare window %.1f ms, median ratio %.2f\n",
                Median(programTimes), Median(bareTimes), Median(ratios));
    std::vector<double> programMemory, bareMemory;
    for (int i = 0; i < 5; ++i) {
        programMemory.push_back(StartOnce(display, damageEvent, argv[1], true).IdleMegabytes);
        bareMemory.push_back(StartOnce(display, damageEvent, argv[2], true).IdleMegabytes);
    }
    std::printf("idle memory (median of 5): program %.2f MB, bare window %.2f MB, ratio %.3f\n",
                Median(programMemory), Median(bareMemory), Median(programMemory) / Median(bareMemory));
    if (argc > 4) {
        // the program at the screen scale asked for against itself at 100 %, in turn; and the same
        // for the bare window, whose ratio is what Qt itself costs at that scale
        for (const char* started : {argv[1], argv[2]}) {
            std::vector<double> scaledTimes, plainTimes, scaledRatios;
            for (int i = 0; i < rounds; ++i) {
                scaledTimes.push_back(StartOnce(display, damageEvent, started, false, argv[4]).Milliseconds);
                plainTimes.push_back(StartOnce(display, damageEvent, started, false, "1").Milliseconds);
                scaledRatios.push_back(scaledTimes.back() / plainTimes.back());
            }
            std::printf("%s at scale %s: %.1f ms, at 1: %.1f ms, median ratio %.2f\n",
                        started == argv[1] ? "program" : "bare window", argv[4], Median(scaledTimes),
                        Median(plainTimes), Median(scaledRatios));
        }
    }
    XCloseDisplay(display);
    return 0;
}
