// SPDX-License-Identifier: GPL-3.0-or-later
#include "ViewRules.h"

#include <algorithm>

namespace {

constexpr TColor AntiquityColor = 0x95B8FF;
constexpr TColor MiddleAgesColor = 0x7EBEBE;
constexpr TColor RecentColor = 0x5FDEB8;

constexpr TColor SolidColor = 0x97746C;
constexpr TColor LiquidColor = 0xF1D587;
constexpr TColor GasColor = 0x80F9D5;

} // namespace

QString DiscoveryLabel(int position)
{
    if (position == 0)
        return QStringLiteral("Starożytność");
    if (position <= 149)
        return QStringLiteral("Średniowiecze");
    return QString::number(1600 + position);
}

TColor EraColor(std::int32_t discoveryYear)
{
    if (discoveryYear <= 0)
        return AntiquityColor;
    if (discoveryYear < 1700)
        return MiddleAgesColor;
    return RecentColor;
}

std::vector<TilePaint> DiscoveryPaints(const ElementTable& table, int position)
{
    const std::int32_t year = 1600 + position;
    std::vector<TilePaint> paints;
    for (int i = 1; i <= table.Last(); ++i)
        if (table[i].DiscoveryYear <= year - 1)
            paints.push_back({table[i].TableColumn, table[i].TableRow, EraColor(table[i].DiscoveryYear)});
    return paints;
}

int DiscoveryLastPositionFor(const ElementTable& table)
{
    int last = DiscoveryLastPosition;
    for (int i = ElementTable::FileCount + 1; i <= table.Last(); ++i)
        last = std::max(last, table[i].DiscoveryYear + 1 - 1600);
    return last;
}

int DiscoveryStep(int position)
{
    return position <= 150 ? 5 : 1;
}

const std::vector<LegendEntry>& DiscoveryLegend()
{
    static const std::vector<LegendEntry> legend = {{AntiquityColor, QStringLiteral("Starożytność.")},
                                                    {MiddleAgesColor, QStringLiteral("Średniowiecze..")},
                                                    {RecentColor, QStringLiteral("Ostatnie 300 lat...")}};
    return legend;
}

std::optional<MatterState> StateAt(double meltingPoint, double boilingPoint, int temperature)
{
    const double t = temperature;
    const std::optional<double> melting = KnownTemperature(meltingPoint), boiling = KnownTemperature(boilingPoint);
    if (!boiling)
        return std::nullopt;
    if (t > *boiling)
        return MatterState::Gas;
    return !melting || t > *melting ? MatterState::Liquid : MatterState::Solid;
}

TColor StateColor(MatterState state)
{
    switch (state) {
    case MatterState::Solid: return SolidColor;
    case MatterState::Liquid: return LiquidColor;
    case MatterState::Gas: return GasColor;
    }
    return clBtnFace;
}

std::vector<TilePaint> StatePaints(const ElementTable& table, int temperature)
{
    std::vector<TilePaint> paints;
    for (int i = 1; i <= table.Last(); ++i) {
        const std::optional<MatterState> state = StateAt(table[i].MeltingPoint, table[i].BoilingPoint, temperature);
        paints.push_back({table[i].TableColumn, table[i].TableRow, state ? StateColor(*state) : clBtnFace});
    }
    return paints;
}

QString DiscoveryMeaning(std::int32_t discoveryYear, bool shown)
{
    if (!shown)
        return QStringLiteral("jeszcze nieodkryty");
    if (discoveryYear <= 0)
        return QStringLiteral("znany od starożytności");
    if (discoveryYear < 1700)
        return QStringLiteral("odkryty w średniowieczu");
    return QStringLiteral("odkryty w %1 roku").arg(discoveryYear);
}

QString StateMeaning(std::optional<MatterState> state)
{
    if (!state)
        return QStringLiteral("brak danych");
    switch (*state) {
    case MatterState::Solid: return QStringLiteral("ciało stałe");
    case MatterState::Liquid: return QStringLiteral("ciecz");
    case MatterState::Gas: return QStringLiteral("gaz");
    }
    return {};
}

QString TemperatureLabel(int temperature)
{
    return QString::number(temperature) + QStringLiteral(" *C");
}

const std::vector<LegendEntry>& StateLegend()
{
    static const std::vector<LegendEntry> legend = {{SolidColor, QStringLiteral("Stan skupienia: Stały")},
                                                    {LiquidColor, QStringLiteral("Stan skupienia: Ciekły")},
                                                    {GasColor, QStringLiteral("Stan skupienia: Gazowy")}};
    return legend;
}

std::vector<LegendEntry> StateLegendFor(const std::vector<TilePaint>& paints)
{
    std::vector<LegendEntry> legend = StateLegend();
    if (std::any_of(paints.begin(), paints.end(), [](const TilePaint& paint) { return paint.Color == clBtnFace; }))
        legend.push_back(NoFigureEntry());
    return legend;
}
