// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolubilityWindow.h"

#include "ActivitySeries.h"
#include "Button.h"
#include "Edit.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "PageControl.h"
#include "PdfFile.h"
#include "Printing.h"
#include "SolubilityGrid.h"
#include "SolubilityPage.h"
#include "WindowParts.h"

#include <QShowEvent>

namespace {

constexpr int ClientWidth = 680;
constexpr int ClientHeight = 564;
constexpr TColor WrongColour = 0x0000C0;

QPageLayout Portrait()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

} // namespace

TTabelaRozpuszczalnosci::TTabelaRozpuszczalnosci(const QWidget* mainWindow, DataFolder folder, Printing* printing)
    : TSecondaryWindow(mainWindow, QStringLiteral("Tabela rozpuszczalności"), QSize(ClientWidth, ClientHeight), Sizing::Fixed,
                       {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose}),
      folder_(std::move(folder)),
      printing_(printing)
{
}

void TTabelaRozpuszczalnosci::BuildContents()
{
    Pages = NewPageControl(suiForm1, QRect(0, suiForm1->ClientTop(), ClientWidth, ClientHeight - suiForm1->ClientTop() + 3));
    TablePage = Pages->AddPage(QStringLiteral("Tabela rozpuszczalności"));
    TablePage->setObjectName(QStringLiteral("TablePage"));
    SeriesPage = Pages->AddPage(QStringLiteral("Szereg aktywności metali"));
    SeriesPage->setObjectName(QStringLiteral("SeriesPage"));

    TLabel* search = NewLabel(TablePage, QStringLiteral("Szukaj jonu:"), QRect(10, 10, 70, 13));
    IonEdit = new TsuiEdit(TablePage);
    IonEdit->setObjectName(QStringLiteral("IonEdit"));
    search->TieTo(IonEdit);
    IonEdit->setAccessibleDescription(QStringLiteral("wzór albo nazwa jonu, np. Ag, SO4, chlorek"));
    IonEdit->setGeometry(84, 7, 150, 19);
    IonEdit->setMaxLength(30);
    NewLabel(TablePage, QStringLiteral("g substancji w 100 g wody, w 20 °C lub 25 °C"), QRect(244, 10, 300, 13))->SetFontColor(clGray);
    Grid = new SolubilityGrid(TablePage);
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->move(10, 32);
    Grid->OnShowCell = [this](const SolubilityCell* cell) { ShowCell(cell); };
    IonEdit->OnChange = [this](QObject*) { Grid->SetFilter(IonEdit->Text()); };
    DetailsLabel = NewLabel(TablePage, QString(), QRect(10, 432, 660, 40), true);
    DetailsLabel->setObjectName(QStringLiteral("DetailsLabel"));
    ProblemLabel = NewLabel(TablePage, QString(), QRect(10, 40, 660, 60), true, true);
    ProblemLabel->setObjectName(QStringLiteral("ProblemLabel"));
    ProblemLabel->SetFontColor(WrongColour);
    ProblemLabel->SetLive(true);
    PrintButton = NewButton(TablePage, QStringLiteral("Drukuj…"), QRect(460, 480, 90, 21), "PrintButton");
    PdfButton = NewButton(TablePage, QStringLiteral("Zapisz jako PDF…"), QRect(558, 480, 112, 21), "PdfButton");
    const auto paint = [this](QPainter& painter, const QRectF& area) { PaintSolubilityPage(painter, area, *data_); };
    PrintButton->OnClick = [this, paint](QObject*) {
        if (data_)
            printing_->PrintPage(QStringLiteral("Drukuj tabelę rozpuszczalności"), Portrait(), paint);
    };
    PdfButton->OnClick = [this, paint](QObject*) {
        if (data_)
            printing_->SavePagePdf(QStringLiteral("Zapisz tabelę rozpuszczalności jako PDF"), QStringLiteral("tabela-rozpuszczalnosci.pdf"),
                                   QStringLiteral("Tabela rozpuszczalności"), Portrait(), paint);
    };

    Series = new ActivitySeriesView(SeriesPage);
    Series->setObjectName(QStringLiteral("Series"));
    Series->move(10, 10);
    RuleLabel = NewLabel(SeriesPage, QString(), QRect(10, 400, 660, 60), true);
    RuleLabel->setObjectName(QStringLiteral("RuleLabel"));

    try {
        data_ = ReadSolubility(folder_);
        if (!data_)
            ProblemLabel->SetCaption(QStringLiteral("Brak plików „Zbiory/rozpuszczalnosc.txt” i „Zbiory/szereg-aktywnosci.txt”: "
                                                    "tabeli nie ma czego pokazać."));
    } catch (const SolubilityError& error) {
        ReportError(error.Message());
        ProblemLabel->SetCaption(error.Message());
    }
    const bool shown = data_.has_value();
    for (QWidget* control : std::initializer_list<QWidget*>{IonEdit, Grid, DetailsLabel, PrintButton, PdfButton, Series, RuleLabel})
        control->setVisible(shown);
    if (shown) {
        Grid->SetData(&*data_);
        Series->SetSeries(&data_->Series);
        RuleLabel->SetCaption(ActivitySeriesView::HydrogenRule(data_->Series));
    }
    Pages->SetActivePage(TablePage);
}

void TTabelaRozpuszczalnosci::showEvent(QShowEvent* event)
{
    TSecondaryWindow::showEvent(event);
    if (Grid && Grid->isVisible())
        Grid->setFocus();
}

void TTabelaRozpuszczalnosci::ShowCell(const SolubilityCell* cell)
{
    DetailsLabel->SetCaption(cell ? SolubilityGrid::CellWords(*cell) + QStringLiteral("\n") + SolubilityGrid::CellDetails(*cell) : QString());
}
