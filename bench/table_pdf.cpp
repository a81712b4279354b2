// SPDX-License-Identifier: GPL-3.0-or-later
// Making the table's PDF as "Zapisz tablicę jako PDF…" makes it (the table read, the page drawn as
// vectors, the fonts embedded, the file written whole), under "Metale i niemetale" with the
// figures' file read, against one repaint of the whole main window, measured in the same run.
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
    AGlowne->Grupypierwiastkw1->trigger();
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
    std::vector<double> pdf, repaint;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        QString error;
        if (!WriteTablePdf(PictureOfTable(*AGlowne, &properties), output.filePath(QStringLiteral("uklad-okresowy.pdf")), &error))
            return 1;
        pdf.push_back(double(clock.nsecsElapsed()) / 1e6);
        clock.restart();
        AGlowne->repaint();
        repaint.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(pdf.begin(), pdf.end());
    std::sort(repaint.begin(), repaint.end());
    const double p = pdf[pdf.size() / 2], r = repaint[repaint.size() / 2];
    std::printf("table PDF: median %.1f ms (%.2f of a second); a whole-window repaint %.2f ms; ratio %.0f\n", p, p / 1000, r, p / r);
    AGlowne->hide();
    DestroyWindows();
    return 0;
}
