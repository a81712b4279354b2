// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PropertyPlot.h"
#include "SecondaryWindow.h"

#include <functional>
#include <optional>
#include <vector>

class Printing;
class PropertyChart;
class QTableWidget;
class TLabel;
class TsuiButton;
class TsuiCustomComboBox;
class TsuiPageControl;
class TsuiTabSheet;

// "Wykres właściwości": a figure of the elements against the atomic number, chosen with the range
// above the chart; the point under the pointer or the cursor named below it, the gaps listed; the
// whole data as a table on its own page; the chart printed or saved as a PDF (A4 landscape) or
// copied as a picture. The elements' figures are gathered when the window is first shown.
class TWykresWlasciwosci : public TSecondaryWindow {
    Q_OBJECT
public:
    TWykresWlasciwosci(const QWidget* mainWindow, std::function<std::vector<PlotElement>()> elements,
                       std::function<void(const QString& symbol)> openElement, Printing* printing);

    TsuiCustomComboBox *FigureBox = nullptr, *RangeBox = nullptr;
    TsuiPageControl* Pages = nullptr;
    TsuiTabSheet *ChartPage = nullptr, *DataPage = nullptr;
    PropertyChart* Chart = nullptr;
    TLabel *PointLabel = nullptr, *MissingLabel = nullptr;
    TsuiButton *CopyButton = nullptr, *PrintButton = nullptr, *PdfButton = nullptr;
    QTableWidget* DataTable = nullptr;

    // The chart of the figure and range chosen now.
    void ShowChosen();

protected:
    void BuildContents() override;
    void showEvent(QShowEvent* event) override;

private:
    void FillTable();

    std::function<std::vector<PlotElement>()> gather_;
    std::function<void(const QString&)> openElement_;
    Printing* printing_;
    std::vector<PlotElement> elements_;
    std::vector<PlotRange> ranges_ = PlotRanges();
};

// The chart on paper: A4 landscape inside its margins, in a scalable face, the gaps listed below.
void PaintPlotPage(QPainter& painter, const QRectF& area, const PlotModel& model);
