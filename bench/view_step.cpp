// SPDX-License-Identifier: GPL-3.0-or-later
// One step of each view of the menu "Interakcje" (a slider move by one in the atom count, the
// discovery dates and the states of matter, with the table repainted for it), against one repaint
// of the whole window with every tile in it, measured in the same run.
// Usage (needs an X display): view_step [steps]

#include "Menu.h"
#include "PlainPanel.h"
#include "TAGlowne.h"
#include "TrackBar.h"
#include "UkladApplication.h"

#include <QElapsedTimer>
#include <QTest>

#include <cstdio>

namespace {

// Milliseconds per step of moving the slider to and fro across its range, events processed each time.
double PerStep(TsuiTrackBar* slider, int steps)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        slider->SetPosition(slider->Position() >= slider->Max() ? slider->Min() : slider->Position() + 1);
        QCoreApplication::processEvents();
    }
    return double(clock.nsecsElapsed()) / steps / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    const int steps = argc > 1 ? std::atoi(argv[1]) : 400;
    TAGlowne window(DataFolder(QStringLiteral(ASSETS_DIR "/")));
    window.FormCreate();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    window.Liczbaatomw2->trigger();
    const double atoms = PerStep(window.suiTrackBar1, steps);
    window.Datyodkry1->trigger();
    const double years = PerStep(window.suiTrackBar2, steps);
    window.Stanyskupienia1->trigger();
    const double temperatures = PerStep(window.suiTrackBar3, steps);

    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        for (int k = 1; k <= 111; ++k)
            window.Panel(k)->update();
        window.update();
        QCoreApplication::processEvents();
    }
    const double repaint = double(clock.nsecsElapsed()) / steps / 1e6;

    std::printf("full window repaint: %.3f ms\n", repaint);
    std::printf("atom count step: %.3f ms, ratio %.2f\n", atoms, atoms / repaint);
    std::printf("discovery step: %.3f ms, ratio %.2f\n", years, years / repaint);
    std::printf("temperature step: %.3f ms, ratio %.2f\n", temperatures, temperatures / repaint);
    return 0;
}
