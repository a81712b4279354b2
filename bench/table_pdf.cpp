// SPDX-License-Identifier: GPL-3.0-or-later
// Making the table's PDF as "Zapisz tablicę jako PDF…" makes it (the table read, the page drawn as
// vectors, the fonts embedded, the file written whole), under "Elektroujemność" with a figure on
// every tile, in colour and for a black-and-white printer (patterns), against one repaint of the
// whole main window, measured in the same run.
// Usage (needs an X display): table_pdf [rounds]

#include "Menu.h"
#include "PdfFile.h"
#include "TAGlowne.h"
#include "TableLayout.h"
#include "TableSnapshot.h"
#include "UkladApplication.h"
#include "WindowSet.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    const DataFolder folder(QStringLiteral(ASSETS_DIR "/"));
    CreateWindows(folder);
    AGlowne->show();
    if (!QTest::qWaitForWindowExposed(AGlowne))
        return 1;
    AGlowne->Elektroujemno1->trigger();
    PropertiesStore properties(
        folder,
        [] {
            QStringList symbols;
            for (const TileCell& cell : TileCells())
                symbols << QLatin1String(cell.Symbol);
            return symbols;
        },
        [](const QString& message) { std::fprintf(stderr, "%s\n", qPrintable(message)); });
    QTemporaryDir output;
    std::vector<double> colour, grey, repaint;
    for (int round = 0; round < rounds; ++round) {
        for (auto [ink, times] : {std::pair(Ink::Colour, &colour), std::pair(Ink::Grey, &grey)}) {
            QElapsedTimer clock;
            clock.start();
            QString error;
            if (!WriteTablePdf(PictureOfTable(*AGlowne, &properties), ink, output.filePath(QStringLiteral("uklad-okresowy.pdf")), &error))
                return 1;
            times->push_back(double(clock.nsecsElapsed()) / 1e6);
        }
        QElapsedTimer clock;
        clock.start();
        AGlowne->repaint();
        repaint.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const auto median = [](std::vector<double>& times) {
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    };
    const double c = median(colour), g = median(grey), r = median(repaint);
    std::printf("table PDF with figures: median %.1f ms in colour, %.1f ms in grey (limit 100 ms); a whole-window repaint %.2f ms; ratios %.0f and %.0f\n",
                c, g, r, c / r, g / r);
    AGlowne->hide();
    DestroyWindows();
    return 0;
}
