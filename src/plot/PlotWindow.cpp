// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlotWindow.h"

#include "Button.h"
#include "ComboBox.h"
#include "Drawing.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "PageControl.h"
#include "PlotPainter.h"
#include "PrintFonts.h"
#include "Printing.h"
#include "PropertyChart.h"
#include "WindowParts.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QShowEvent>
#include <QTableWidget>

namespace {

constexpr int ClientWidth = 660;
constexpr int ClientHeight = 530;

QString MissingText(const PlotModel& model)
{
    if (model.Missing.isEmpty())
        return {};
    // the elements known since antiquity or the Middle Ages have no year
    return (model.Figure == PlotFigure::DiscoveryYear ? QStringLiteral("znane od starożytności lub średniowiecza (bez roku): ")
                                                      : QStringLiteral("brak danych: ")) +
           model.Missing.join(QStringLiteral(", "));
}

} // namespace

void PaintPlotPage(QPainter& painter, const QRectF& area, const PlotModel& model)
{
    // laid out in tenths of a millimetre of the width, as the table's page
    constexpr double Width = 2770;
    const double scale = area.width() / Width;
    const double height = area.height() / scale;
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(scale, scale);
    PlotLook look;
    look.Text = PrintFont(30);
    look.Bold = PrintFont(36, true);
    look.Line = 2.5;
    look.Point = 9;
    look.Gap = 10;
    look.LeftMargin = 170;
    look.BottomMargin = 110;
    look.TopMargin = 120;
    look.RightMargin = 20;
    constexpr double ListHeight = 120;
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPlot(painter, QRectF(0, 0, Width, height - ListHeight), model, look);
    painter.setFont(PrintFont(26));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, height - ListHeight + 10, Width, ListHeight - 10), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     model.Range.Caption() + QStringLiteral(". ") + MissingText(model));
    painter.restore();
}

TWykresWlasciwosci::TWykresWlasciwosci(const QWidget* mainWindow, std::function<std::vector<PlotElement>()> elements,
                                       std::function<void(const QString&)> openElement, Printing* printing)
    : TSecondaryWindow(mainWindow, QStringLiteral("Wykres właściwości"), QSize(ClientWidth, ClientHeight), Sizing::Fixed,
                       {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose}),
      gather_(std::move(elements)),
      openElement_(std::move(openElement)),
      printing_(printing)
{
}

void TWykresWlasciwosci::BuildContents()
{
    elements_ = gather_();
    QWidget* top = new QWidget(suiForm1);
    top->setGeometry(0, suiForm1->ClientTop(), ClientWidth, 32);
    TLabel* figure = NewLabel(top, QStringLiteral("Wielkość:"), QRect(10, 10, 56, 13));
    FigureBox = new TsuiCustomComboBox(top);
    FigureBox->setObjectName(QStringLiteral("FigureBox"));
    figure->TieTo(FigureBox);
    FigureBox->setGeometry(70, 7, 230, 19);
    for (const PlotFigureInfo& info : PlotFigures())
        FigureBox->addItem(QString::fromUtf8(info.Caption));
    FigureBox->lineEdit()->setReadOnly(true);
    FigureBox->SetItemIndex(int(PlotFigure::IonisationEnergy));
    TLabel* range = NewLabel(top, QStringLiteral("Zakres:"), QRect(318, 10, 46, 13));
    RangeBox = new TsuiCustomComboBox(top);
    RangeBox->setObjectName(QStringLiteral("RangeBox"));
    range->TieTo(RangeBox);
    RangeBox->setGeometry(366, 7, 284, 19);
    for (const PlotRange& r : ranges_)
        RangeBox->addItem(r.Caption());
    RangeBox->lineEdit()->setReadOnly(true);
    RangeBox->SetItemIndex(0);

    Pages = NewPageControl(suiForm1, QRect(0, suiForm1->ClientTop() + 34, ClientWidth, ClientHeight - suiForm1->ClientTop() - 31));
    ChartPage = Pages->AddPage(QStringLiteral("Wykres"));
    ChartPage->setObjectName(QStringLiteral("ChartPage"));
    DataPage = Pages->AddPage(QStringLiteral("Dane"));
    DataPage->setObjectName(QStringLiteral("DataPage"));

    Chart = new PropertyChart(ChartPage);
    Chart->setObjectName(QStringLiteral("Chart"));
    Chart->setGeometry(8, 6, 636, 330);
    Chart->OnOpen = [this](const QString& symbol) {
        if (openElement_)
            openElement_(symbol);
    };
    PointLabel = NewLabel(ChartPage, QString(), QRect(10, 340, 400, 13), false, true);
    PointLabel->setObjectName(QStringLiteral("PointLabel"));
    Chart->OnShowPoint = [this](const PlotPoint* point) { PointLabel->SetCaption(point ? PointWords(Chart->Model(), *point) : QString()); };
    MissingLabel = NewLabel(ChartPage, QString(), QRect(10, 358, 636, 40), true);
    MissingLabel->setObjectName(QStringLiteral("MissingLabel"));
    CopyButton = NewButton(ChartPage, QStringLiteral("Kopiuj obraz"), QRect(348, 404, 90, 21), "CopyButton");
    PrintButton = NewButton(ChartPage, QStringLiteral("Drukuj…"), QRect(446, 404, 80, 21), "PrintButton");
    PdfButton = NewButton(ChartPage, QStringLiteral("Zapisz jako PDF…"), QRect(534, 404, 112, 21), "PdfButton");
    CopyButton->OnClick = [this](QObject*) { QApplication::clipboard()->setImage(Chart->grab().toImage()); };
    const auto landscape = [] {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    };
    const auto paint = [this](QPainter& painter, const QRectF& area) { PaintPlotPage(painter, area, Chart->Model()); };
    PrintButton->OnClick = [this, landscape, paint](QObject*) {
        if (printing_)
            printing_->PrintPage(QStringLiteral("Drukuj wykres właściwości"), landscape(), paint);
    };
    PdfButton->OnClick = [this, landscape, paint](QObject*) {
        if (printing_)
            printing_->SavePagePdf(QStringLiteral("Zapisz wykres jako PDF"), QStringLiteral("wykres-wlasciwosci.pdf"),
                                   QStringLiteral("Wykres właściwości: ") + Chart->Model().AxisCaption(), landscape(), paint);
    };

    DataTable = new QTableWidget(DataPage);
    DataTable->setObjectName(QStringLiteral("DataTable"));
    DataTable->setAccessibleName(QStringLiteral("Dane wykresu"));
    DataTable->setGeometry(8, 6, 636, 420);
    DataTable->setFont(SansSerifFont());
    DataTable->setColumnCount(4);
    DataTable->setHorizontalHeaderLabels({QStringLiteral("Z"), QStringLiteral("Symbol"), QStringLiteral("Nazwa"), QStringLiteral("Wartość")});
    DataTable->verticalHeader()->hide();
    DataTable->horizontalHeader()->setStretchLastSection(true);
    DataTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataTable->setGraphicsEffect(new AtOneToOneEffect(DataTable));

    FigureBox->OnChange = [this](QObject*) { ShowChosen(); };
    RangeBox->OnChange = [this](QObject*) { ShowChosen(); };
    ShowChosen();
    Pages->SetActivePage(ChartPage);
}

void TWykresWlasciwosci::showEvent(QShowEvent* event)
{
    TSecondaryWindow::showEvent(event);
    if (FigureBox)
        FigureBox->setFocus();
}

void TWykresWlasciwosci::ShowChosen()
{
    const int figure = std::clamp(FigureBox->ItemIndex(), 0, PlotFigureCount - 1);
    const int range = std::clamp(RangeBox->ItemIndex(), 0, int(ranges_.size()) - 1);
    Chart->SetModel(ModelOf(elements_, PlotFigure(figure), ranges_[std::size_t(range)]));
    MissingLabel->SetCaption(MissingText(Chart->Model()));
    FillTable();
}

void TWykresWlasciwosci::FillTable()
{
    const PlotModel& model = Chart->Model();
    DataTable->setRowCount(int(model.Points.size()));
    DataTable->setHorizontalHeaderItem(3, new QTableWidgetItem(model.AxisCaption()));
    for (int row = 0; row < int(model.Points.size()); ++row) {
        const PlotPoint& point = model.Points[std::size_t(row)];
        const QStringList cells{QString::number(point.Element->Number), point.Element->Symbol, point.Element->Name, ValueShown(model.Figure, point.Value)};
        for (int column = 0; column < cells.size(); ++column)
            DataTable->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    DataTable->resizeColumnsToContents();
}
