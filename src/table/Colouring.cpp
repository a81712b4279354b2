// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: the legend, the colourings of "Kolorowanie", the group of check marks and the mark of the chosen element.
#include "TAGlowne.h"

#include "CheckBox.h"
#include "Cp1250.h"
#include "ColouringRules.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "Menu.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "PropertyScales.h"
#include "ReaderEvents.h"
#include "TableLayout.h"
#include "TrackBar.h"
#include "ViewRules.h"

#include <QTimer>

void TAGlowne::BuildLegend()
{
    suiPanel1 = NewCaptionPanel(suiForm1, QStringLiteral("suiPanel1"), QRect(120, 64, 281, LegendHeight), QStringLiteral("Legenda kolorów"));
    for (int entry = 1; entry <= LegendEntries; ++entry) {
        auto* swatch = new TPlainPanel(suiPanel1, TPlainPanel::Bevel::Raised, TPlainPanel::Bevel::None);
        swatch->setObjectName(QStringLiteral("PKolor%1").arg(entry));
        swatch->setGeometry(8, 16 + 16 * entry, 17, 17);
        swatch->hide();
        swatches_[std::size_t(entry)] = swatch;
        auto* label = new TLabel(QStringLiteral("LKolor%1").arg(entry), suiPanel1);
        label->setObjectName(QStringLiteral("LKolor%1").arg(entry));
        label->setFont(SansSerifFont(true));
        label->move(32, 16 + 16 * entry);
        label->hide();
        legendLabels_[std::size_t(entry)] = label;
    }
}

void TAGlowne::Ukryj_legende()
{
    for (int entry = 1; entry <= LegendEntries; ++entry)
        legendLabels_[std::size_t(entry)]->hide();
    for (int entry = 1; entry <= LegendEntries; ++entry)
        swatches_[std::size_t(entry)]->hide();
    FitLegendToEntries();
    ShowLegend(false);
}

void TAGlowne::FitLegendToEntries()
{
    suiPanel1->resize(suiPanel1->width(), LegendHeight + (swatches_[LegendEntries]->isHidden() ? 0 : 16));
}

void TAGlowne::ShowLegend(bool shown)
{
    legendWanted_ = shown;
    suiPanel1->setVisible(shown && !plainForQuestion_);
}

void TAGlowne::Zatrzymaj_animacje_tablicy()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    // unchecking raises each box's click handler, which leaves its timer off
    for (TsuiCheckBox* box : {suiCheckBox1, suiCheckBox2, suiCheckBox3})
        box->SetChecked(false);
}

void TAGlowne::CheckInGroup(TMenuItem* own)
{
    for (const auto& [colouring, member] : ColouringItems())
        member->SetChecked(member == own);
    for (TMenuItem* member : {Liczbaatomw2, Datyodkry1, Stanyskupienia1})
        member->SetChecked(member == own);
}

void TAGlowne::FillLegend(const std::vector<LegendEntry>& legend, const QString& caption)
{
    suiPanel1->SetCaption(caption);
    for (std::size_t entry = 1; entry <= legend.size(); ++entry) {
        swatches_[entry]->show();
        swatches_[entry]->SetColor(legend[entry - 1].Color);
        legendLabels_[entry]->show();
        legendLabels_[entry]->SetCaption(legend[entry - 1].Text);
    }
    // the seventh entry belongs to the legend that has one
    if (legend.size() < std::size_t(LegendEntries)) {
        swatches_[LegendEntries]->hide();
        legendLabels_[LegendEntries]->hide();
    }
    FitLegendToEntries();
    ShowLegend(true);
}

void TAGlowne::ReplaceLegend(const std::vector<LegendEntry>& legend, const QString& caption)
{
    // what hiding the legend and filling it again leaves, without hiding what shows again at once
    for (std::size_t entry = legend.size() + 1; entry <= std::size_t(LegendEntries); ++entry) {
        legendLabels_[entry]->hide();
        swatches_[entry]->hide();
    }
    FillLegend(legend, caption);
}

std::array<std::pair<Colouring, TMenuItem*>, 11> TAGlowne::ColouringItems() const
{
    return {{{Colouring::None, Bezkolorw1},
             {Colouring::MetalsAndNonMetals, Grupypierwiastkw1},
             {Colouring::MetalKinds, Podziametali1},
             {Colouring::NonMetalKinds, Podzianiemetali1},
             {Colouring::AtomCount, Liczbaatomw1},
             {Colouring::AtomicWeight, Masaatomowa1},
             {Colouring::Electronegativity, Elektroujemno1},
             {Colouring::Density, Gsto1},
             {Colouring::AtomicRadius, Promieatomowy1},
             {Colouring::IonisationEnergy, Energiajonizacji1},
             {Colouring::MeltingPoint, Temperaturatopnienia1}}};
}

std::optional<Colouring> TAGlowne::ScaleShown() const
{
    for (const auto& [colouring, item] : ColouringItems())
        if (item->Checked() && IsScale(colouring))
            return colouring;
    return std::nullopt;
}

std::optional<double> TAGlowne::FigureOf(Colouring colouring, const TElementRecord& record, bool quietly) const
{
    if (colouring == Colouring::MeltingPoint)
        return KnownTemperature(record.MeltingPoint);
    const ElementProperties* p = properties_ ? properties_->Find(Cp1250ToString(record.Symbol.Text()), quietly) : nullptr;
    if (!p)
        return std::nullopt;
    switch (colouring) {
    case Colouring::AtomicWeight:
        return ElementProperties::Value(QString(p->AtomicWeight).remove(QLatin1Char('[')).remove(QLatin1Char(']')));
    case Colouring::Electronegativity: return ElementProperties::Value(p->Electronegativity);
    case Colouring::Density:
        if (const auto density = ElementProperties::Value(p->Density))
            return p->Basis == DensityBasis::Gas ? *density / 1000 : *density;
        return std::nullopt;
    case Colouring::AtomicRadius: return ElementProperties::Value(p->CovalentRadius);
    case Colouring::IonisationEnergy: return ElementProperties::Value(p->IonisationEnergy);
    default: return std::nullopt;
    }
}

QString TAGlowne::TileMeaning(const TPlainPanel* tile) const
{
    const std::optional<QByteArray> symbol = StringToCp1250(tile->Caption());
    const std::optional<int> index = symbol ? Znajdz_pierwiastek(ElementTable_, *symbol) : std::nullopt;
    if (!index || plainForQuestion_)
        return {};
    const TElementRecord& record = ElementTable_[*index];
    if (Datyodkry1->Checked())
        return DiscoveryMeaning(record.DiscoveryYear, tile->Color() != clBtnFace);
    if (Stanyskupienia1->Checked()) {
        const std::optional<MatterState> state = StateAt(record.MeltingPoint, record.BoilingPoint, suiTrackBar3->Position());
        return tile->Color() != clBtnFace || !state ? StateMeaning(state) : QString();
    }
    for (const auto& [colouring, item] : ColouringItems())
        if (item->Checked())
            return IsScale(colouring) ? FigureWords(ScaleOf(colouring), FigureOf(colouring, record, true))
                                      : ColourMeaning(colouring, tile->Color());
    return {};
}

void TAGlowne::TellTileMeaning()
{
    if (currentTile_ && currentTile_->hasFocus())
        ReaderEvents::DescriptionChanged(currentTile_);
}

void TAGlowne::ColourByFigure(Colouring colouring)
{
    std::vector<TileValue> values;
    for (int z = 1; z <= ElementTable_.Last(); ++z) {
        const TElementRecord& record = ElementTable_[z];
        values.push_back({record.TableColumn, record.TableRow, FigureOf(colouring, record)});
    }
    const ScaleColouring scale = ColourByScale(ScaleOf(colouring), values);
    for (std::size_t i = 0; i < scale.Paints.size(); ++i) {
        const TilePaint& paint = scale.Paints[i];
        Koloruj(paint.Column, paint.Row, paint.Color);
        if (const int number = TileAt(paint.Column, paint.Row); number && number <= ElementTable_.Last())
            panels_[std::size_t(number)]->SetFontColor(scale.TextColours[i]);
    }
    ReplaceLegend(scale.Legend, scale.Caption);
}

void TAGlowne::Koloruj_tablice(Colouring colouring)
{
    TMenuItem* own = nullptr;
    for (const auto& [each, item] : ColouringItems())
        if (each == colouring)
            own = item;
    CheckInGroup(own);
    const ColouringRules& rules = RulesOf(colouring);
    if (rules.StopsAnimations)
        Zatrzymaj_animacje_tablicy();
    if (rules.HidesLegend && rules.Legend.empty())
        Ukryj_legende();
    if (rules.ClearsTable)
        Wyczysc_tablice();
    if (IsScale(colouring)) {
        ColourByFigure(colouring);
    } else {
        for (const TilePaint& paint : PaintsOf(colouring, ElementTable_))
            Koloruj(paint.Column, paint.Row, paint.Color);
        const std::vector<LegendEntry> legend = colouring == Colouring::AtomCount ? AtomCountLegendFor(ElementTable_) : rules.Legend;
        if (rules.HidesLegend && !legend.empty())
            ReplaceLegend(legend);
        else if (!legend.empty())
            FillLegend(legend);
    }
    TellTileMeaning();
}

void TAGlowne::Bezkolorw1Click(QObject*)
{
    Koloruj_tablice(Colouring::None);
}

void TAGlowne::Grupypierwiastkw1Click(QObject*)
{
    Koloruj_tablice(Colouring::MetalsAndNonMetals);
}

void TAGlowne::Podziametali1Click(QObject*)
{
    Koloruj_tablice(Colouring::MetalKinds);
}

void TAGlowne::Podzianiemetali1Click(QObject*)
{
    Koloruj_tablice(Colouring::NonMetalKinds);
}

void TAGlowne::Liczbaatomw1Click(QObject*)
{
    Koloruj_tablice(Colouring::AtomCount);
}

void TAGlowne::Zaznacz_pierwiastek(int element)
{
    if (element < 1 || element > ElementTable_.Last())
        return;
    // the first colouring whose item is checked; none while an interactive view is on
    for (const auto& [colouring, item] : ColouringItems()) {
        if (!item->Checked())
            continue;
        Koloruj_tablice(colouring);
        const TElementRecord& record = ElementTable_[element];
        Koloruj(record.TableColumn, record.TableRow, RulesOf(colouring).Mark);
        TellTileMeaning();
        return;
    }
}
