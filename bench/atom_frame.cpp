// SPDX-License-Identifier: GPL-3.0-or-later
// The 3D atom: the time to draw one frame of the heaviest atom (roentgenium, seven shells, 111
// electrons) at the window's initial 422 x 297 pixels with the spheres as drawn and with GLU's full
// 30 x 30 spheres, and the processor use of the window while hidden, against while shown and
// animating, each over the same span in one run. With an output folder it also writes, for H, Na
// and Rg, both pictures and their difference (pixels off by more than 16 levels in red).
// Usage (needs an X display with OpenGL, for example xvfb-run): atom_frame [frames] [seconds] [folder]

#include "CheckBox.h"
#include "PictureDifference.h"
#include "SceneObjects.h"
#include "AtomWindow.h"
#include "UkladApplication.h"

#include <GL/gl.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

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
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    TOknoA3D window(DataFolder(QStringLiteral(ASSETS_DIR "/")));

    const double hidden = ProcessorUse(seconds);

    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.pierwiastek(QStringLiteral("Rg"));
    window.suiCheckBox2->SetChecked(true);  // the animation turning the atom about both axes
    window.suiCheckBox3->SetChecked(true);
    window.Timer2->start();
    const double shown = ProcessorUse(seconds);
    window.Timer2->stop();

    const auto perFrame = [&](bool full) {
        UzyjPelnychSfer(full);
        window.View()->makeCurrent();
        window.DrawFrame();
        glFinish();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < frames; ++i) {
            window.DrawFrame();
            glFinish();
        }
        const double ms = double(clock.nsecsElapsed()) / frames / 1e6;
        window.View()->doneCurrent();
        return ms;
    };
    const double fullFrame = perFrame(true);
    const double fastFrame = perFrame(false);
    window.View()->makeCurrent();
    const QByteArray renderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    window.View()->doneCurrent();

    const qreal ratio = window.View()->devicePixelRatioF();
    std::printf("roentgenium frame at %dx%d device pixels (%s): %.1f ms, with full 30 x 30 spheres %.1f ms, ratio %.2f\n",
                int(window.View()->width() * ratio), int(window.View()->height() * ratio), renderer.constData(), fastFrame, fullFrame,
                fastFrame / fullFrame);
    std::printf("processor use, 3D window hidden: %.1f %%; shown with roentgenium turning: %.1f %%\n", hidden * 100, shown * 100);

    if (!folder.isEmpty()) {
        for (const char* symbol : {"H", "Na", "Rg"}) {
            window.pierwiastek(QString::fromLatin1(symbol));
            window.Start_spin(20, 30);
            UzyjPelnychSfer(true);
            const QImage full = window.View()->grabFramebuffer();
            UzyjPelnychSfer(false);
            const QImage fast = window.View()->grabFramebuffer();
            QImage difference;
            const double share = ShareOfDifferingPixels(full, fast, 16, &difference);
            const QString stem = folder + QLatin1Char('/') + QLatin1String(symbol);
            full.save(stem + QStringLiteral("-full.png"));
            fast.save(stem + QStringLiteral("-fast.png"));
            difference.save(stem + QStringLiteral("-difference.png"));
            std::printf("%s: %.2f %% of the pixels differ by more than 16 levels\n", symbol, share * 100);
        }
    }
    return 0;
}
