// The 3D atom: the time to draw one frame of the heaviest atom (roentgenium, seven shells, 111
// electrons) at the window's initial 422 x 297 pixels, and the processor use of the window while it
// is hidden, against while it is shown, each over the same span in one run.
// Usage (needs an X display with OpenGL, for example xvfb-run): atom_frame [frames] [seconds]

#include "TOknoA3D.h"
#include "UkladApplication.h"

#include <GL/gl.h>

#include <QElapsedTimer>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>

namespace {

double ProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The share of one processor the program takes while the event loop runs for the span.
double ProcessorUse(int seconds)
{
    QElapsedTimer clock;
    clock.start();
    const double before = ProcessorSeconds();
    QTest::qWait(seconds * 1000);
    return (ProcessorSeconds() - before) / (double(clock.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    const int frames = argc > 1 ? std::atoi(argv[1]) : 20;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
    TOknoA3D window(DataFolder(QStringLiteral(ASSETS_DIR "/")));

    const double hidden = ProcessorUse(seconds);

    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.pierwiastek(QStringLiteral("Rg"));
    const double shown = ProcessorUse(seconds);

    window.View()->makeCurrent();
    window.DrawFrame();
    glFinish();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < frames; ++i) {
        window.DrawFrame();
        glFinish();
    }
    const double perFrame = double(clock.nsecsElapsed()) / frames / 1e6;
    const QByteArray renderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    window.View()->doneCurrent();

    std::printf("roentgenium frame at %dx%d: %.1f ms (%s)\n", window.View()->width(), window.View()->height(), perFrame,
                renderer.constData());
    std::printf("processor use, 3D window hidden: %.1f %%; shown with roentgenium: %.1f %%\n", hidden * 100, shown * 100);
    return 0;
}
