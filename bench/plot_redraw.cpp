// SPDX-License-Identifier: GPL-3.0-or-later
// "Wykres właściwości" changing its figure, every element on the chart: the model made again and
// the window repainted at once, against the 16.7 ms of one frame at 60 Hz, measured in the same run.
// Usage (needs an X display): plot_redraw [rounds]

#include "ComboBox.h"
#include "Menu.h"
#include "PlotWindow.h"
#include "TAGlowne.h"
#include "UkladApplication.h"
#include "WindowSet.h"

#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 41;
    CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
    AGlowne->show();
    if (!QTest::qWaitForWindowExposed(AGlowne))
        return 1;
    AGlowne->Wykreswaciwoci1->trigger();
    if (!WykresWlasciwosci || !QTest::qWaitForWindowExposed(WykresWlasciwosci))
        return 1;
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        WykresWlasciwosci->FigureBox->SetItemIndex(round % PlotFigureCount);
        WykresWlasciwosci->repaint();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2], worst = times.back();
    std::printf("a figure changed and the chart redrawn: median %.2f ms, slowest %.2f ms; %.2f and %.2f of a 60 Hz frame\n", median, worst,
                median / 16.7, worst / 16.7);
    WykresWlasciwosci->hide();
    AGlowne->hide();
    DestroyWindows();
    return 0;
}
