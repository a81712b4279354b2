// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DataFolder.h"
#include "SecondaryWindow.h"
#include "Solubility.h"

#include <optional>

class ActivitySeriesView;
class Printing;
class SolubilityGrid;
class TLabel;
class TsuiButton;
class TsuiEdit;
class TsuiPageControl;
class TsuiTabSheet;

// "Tabela rozpuszczalności": the solubility table (a cell's details below it on a click, Enter or the
// pointer resting on it; typing an ion's formula or name in "Szukaj jonu:" brings its row or
// column forward) and "Szereg aktywności metali", on two pages; the table printed or saved as a
// PDF on one A4 page. The data files are read when the window is first shown; a damaged one is
// reported with its line, and the window says what it lacks.
class TTabelaRozpuszczalnosci : public TSecondaryWindow {
    Q_OBJECT
public:
    TTabelaRozpuszczalnosci(const QWidget* mainWindow, DataFolder folder, Printing* printing);

    const std::optional<SolubilityData>& Data() const { return data_; }

    TsuiPageControl* Pages = nullptr;
    TsuiTabSheet *TablePage = nullptr, *SeriesPage = nullptr;
    TsuiEdit* IonEdit = nullptr;
    SolubilityGrid* Grid = nullptr;
    TLabel* DetailsLabel = nullptr;
    TLabel* ProblemLabel = nullptr;
    TsuiButton *PrintButton = nullptr, *PdfButton = nullptr;
    ActivitySeriesView* Series = nullptr;
    TLabel* RuleLabel = nullptr;

protected:
    void BuildContents() override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowCell(const SolubilityCell* cell);

    DataFolder folder_;
    Printing* printing_;
    std::optional<SolubilityData> data_;
};
