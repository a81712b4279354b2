// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSet.h"

#include "Desktop.h"
#include "ErrorReport.h"
#include "Menu.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "AboutWindow.h"
#include "AtomWindow.h"
#include "ColouringRules.h"
#include "TableLayout.h"
#include "TableOptions.h"
#include "ElementProperties.h"
#include "Printing.h"
#include "QuizWindow.h"
#include "CalculatorWindow.h"
#include "SolubilityWindow.h"
#include "PlotWindow.h"
#include "Cp1250.h"

#include <memory>

TAGlowne* AGlowne = nullptr;
TInformacje* Informacje = nullptr;
TInfooProgz* InfooProgz = nullptr;
TOknoA3D* OknoA3D = nullptr;
TSprawdzSie* SprawdzSie = nullptr;
TKalkulator* Kalkulator = nullptr;
TTabelaRozpuszczalnosci* TabelaRozpuszczalnosci = nullptr;
TWykresWlasciwosci* WykresWlasciwosci = nullptr;

namespace {

std::unique_ptr<PropertiesStore> Properties;
std::unique_ptr<Printing> Printer_;

// The chart's elements: each record's place and figures, as the colourings and the views have them.
std::vector<PlotElement> PlotElements()
{
    std::vector<PlotElement> elements;
    const ElementTable& table = AGlowne->Elements();
    for (int z = 1; z <= table.Last(); ++z) {
        const TElementRecord& record = table[z];
        PlotElement element;
        element.Number = record.AtomicNumber;
        element.Symbol = Cp1250ToString(record.Symbol.Text());
        element.Name = Cp1250ToString(record.PolishName.Text());
        element.Period = record.TableRow <= 7 ? record.TableRow : record.TableRow - 2;
        element.Group = record.TableRow <= 7 ? record.TableColumn : 0;
        const std::pair<PlotFigure, Colouring> colourings[] = {
            {PlotFigure::AtomicWeight, Colouring::AtomicWeight},       {PlotFigure::Electronegativity, Colouring::Electronegativity},
            {PlotFigure::Density, Colouring::Density},                 {PlotFigure::AtomicRadius, Colouring::AtomicRadius},
            {PlotFigure::IonisationEnergy, Colouring::IonisationEnergy}, {PlotFigure::MeltingPoint, Colouring::MeltingPoint}};
        for (const auto& [figure, colouring] : colourings)
            element.Figures[std::size_t(figure)] = AGlowne->FigureOf(colouring, record, true);
        element.Figures[std::size_t(PlotFigure::BoilingPoint)] = KnownTemperature(record.BoilingPoint);
        // the table writes 0 for antiquity and 1600 for the Middle Ages: no year to plot
        if (record.DiscoveryYear > 1600)
            element.Figures[std::size_t(PlotFigure::DiscoveryYear)] = double(record.DiscoveryYear);
        elements.push_back(element);
    }
    return elements;
}

} // namespace

Printing* Printer()
{
    return Printer_.get();
}

void CreateWindows(const DataFolder& folder)
{
    AGlowne = new TAGlowne(folder);
    RunHandler([] { AGlowne->FormCreate(); });
    RunHandler([] { AGlowne->ShowNewerElements(LoadTableOptions(TableOptionsPath()).NewerElements); });
    AGlowne->OnNewerElementsChange = [](bool shown) { SaveTableOptions({shown}, TableOptionsPath()); };
    Informacje = new TInformacje(AGlowne, folder);
    RunHandler([] { Informacje->FormCreate(); });
    InfooProgz = new TInfooProgz(AGlowne);
    OknoA3D = new TOknoA3D(folder);

    SetApplicationMainForm(AGlowne);
    AGlowne->SetCompanionWindows({[](const TElementRecord& record) { Informacje->Wypelnij(record); },
                                  [](const QString& symbol) { Informacje->Wpisz_powloki(symbol); }},
                                 InfooProgz, OknoA3D);
    Informacje->SetAtomWindow(OknoA3D, [](const QString& symbol) { OknoA3D->pierwiastek(symbol); });
    Properties = std::make_unique<PropertiesStore>(
        folder,
        [] {
            QStringList symbols;
            for (const TileCell& cell : TileCells())
                symbols << QLatin1String(cell.Symbol);
            return symbols;
        },
        ReportError);
    Informacje->SetProperties(Properties.get(), KindOf, [](const QString& symbol) {
        const NewerElement* element = AGlowne->Newer(symbol);
        return element ? element->HalfLife : QString();
    });
    AGlowne->SetProperties(Properties.get());
    Printer_ = std::make_unique<Printing>(AGlowne, Informacje, Properties.get(), PrintOptionsPath());
    AGlowne->SetPrinting({[] { Printer_->PrintTable(); }, [] { Printer_->SaveTablePdf(); }, [] { Printer_->PrintCard(); },
                          [] { Printer_->SaveCardPdf(); }, [](bool grey) { Printer_->SetGreyscale(grey); }});
    AGlowne->SetQuizOpener([folder] {
        if (!SprawdzSie)
            SprawdzSie = new TSprawdzSie(AGlowne, folder, QuizOptionsPath());
        SprawdzSie->show();
        SprawdzSie->raise();
        SprawdzSie->activateWindow();
    });
    AGlowne->SetCalculatorOpener([] {
        if (!Kalkulator)
            Kalkulator = new TKalkulator(AGlowne, [] {
                QHash<QString, QString> weights;
                for (const ElementProperties& figures : Properties->All())
                    weights.insert(figures.Symbol, figures.AtomicWeight);
                return WeightsOf(weights);
            });
        Kalkulator->show();
        Kalkulator->raise();
        Kalkulator->activateWindow();
    });
    AGlowne->SetSolubilityOpener([folder] {
        if (!TabelaRozpuszczalnosci)
            TabelaRozpuszczalnosci = new TTabelaRozpuszczalnosci(AGlowne, folder, Printer_.get());
        TabelaRozpuszczalnosci->show();
        TabelaRozpuszczalnosci->raise();
        TabelaRozpuszczalnosci->activateWindow();
    });
    AGlowne->SetPlotOpener([] {
        if (!WykresWlasciwosci)
            WykresWlasciwosci = new TWykresWlasciwosci(AGlowne, PlotElements, [](const QString& symbol) { AGlowne->Infoopire(symbol); }, Printer_.get());
        WykresWlasciwosci->show();
        WykresWlasciwosci->raise();
        WykresWlasciwosci->activateWindow();
    });
    OknoA3D->OnShownChanged = [](bool shown) { AGlowne->Wizualizacja3D1->SetChecked(shown); };
}

void DestroyWindows()
{
    delete SprawdzSie;
    SprawdzSie = nullptr;
    delete Kalkulator;
    Kalkulator = nullptr;
    delete TabelaRozpuszczalnosci;
    TabelaRozpuszczalnosci = nullptr;
    delete WykresWlasciwosci;
    WykresWlasciwosci = nullptr;
    delete OknoA3D;
    delete InfooProgz;
    delete Informacje;
    delete AGlowne;
    OknoA3D = nullptr;
    InfooProgz = nullptr;
    Informacje = nullptr;
    AGlowne = nullptr;
    Printer_.reset();
    Properties.reset();
}
