// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Label.h"
#include "Menu.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "TAGlowne.h"
#include "TableLayout.h"

#include <QMap>

// The main window over the shipped data, created as start-up creates it.
struct MainWindow {
    MainWindow() : window(DataFolder(QStringLiteral(ASSETS_DIR "/"))) { window.FormCreate(); }
    TAGlowne window;

    TColor ColorOf(const char* symbol) const
    {
        for (const TileCell& cell : window.ShownCells())
            if (QString(cell.Symbol) == symbol)
                return window.Panel(cell.Number)->Color();
        qFatal("no tile %s", symbol);
    }
    QMap<TColor, int> Histogram() const
    {
        QMap<TColor, int> counts;
        for (int k = 1; k <= ElementTable::FileCount; ++k)
            ++counts[window.Panel(k)->Color()];
        return counts;
    }
    // How many legend entries show, or -1 when a swatch and its text disagree.
    int VisibleLegendEntries() const
    {
        int visible = 0;
        for (int entry = 1; entry <= TAGlowne::LegendEntries; ++entry) {
            const bool swatch = window.PKolor(entry)->isVisibleTo(window.suiPanel1);
            if (swatch != window.LKolor(entry)->isVisibleTo(window.suiPanel1))
                return -1;  // a swatch without its text, or the other way round
            visible += swatch ? 1 : 0;
        }
        return visible;
    }
    QList<TMenuItem*> Group() const
    {
        return {window.Bezkolorw1, window.Grupypierwiastkw1, window.Podziametali1, window.Podzianiemetali1,
                window.Liczbaatomw1, window.Liczbaatomw2, window.Datyodkry1, window.Stanyskupienia1};
    }
};
