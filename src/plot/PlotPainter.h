// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyPlot.h"

#include <QFont>
#include <QRectF>

class QPainter;

// How the chart is drawn: on the screen in the program's pixel face with lines a pixel wide, on
// paper in a scalable face with thinner lines; the sizes in the painter's units.
struct PlotLook {
    QFont Text, Bold;
    double Line = 1, Point = 2.5, Gap = 4;
    double LeftMargin = 56, BottomMargin = 34, TopMargin = 34, RightMargin = 12;
};

// The plotting area inside the margins, where the points lie.
QRectF PlotArea(const QRectF& area, const PlotLook& look);
// A point's place in the plotting area.
QPointF PointPlace(const PlotModel& model, const PlotPoint& point, const QRectF& plot);

// The chart: the axes with their ticks, captions and units, the periods numbered and set apart,
// the points joined within a period (noble gases and alkali metals marked, explained in a legend),
// the gaps listed below, and the cursor's point ringed.
void PaintPlot(QPainter& painter, const QRectF& area, const PlotModel& model, const PlotLook& look, int cursor = -1);
