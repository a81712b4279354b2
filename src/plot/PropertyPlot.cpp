// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyPlot.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Ticks at 1, 2 or 5 times a power of ten, about six of them over the span.
std::vector<double> NiceTicks(double low, double high, double* niceLow, double* niceHigh)
{
    const double span = high > low ? high - low : std::max(1.0, std::abs(high));
    const double raw = span / 6;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (raw <= factor * power) {
            step = factor * power;
            break;
        }
    *niceLow = std::floor(low / step) * step;
    *niceHigh = std::ceil(high / step) * step;
    if (*niceHigh <= *niceLow)
        *niceHigh = *niceLow + step;
    std::vector<double> ticks;
    for (double tick = *niceLow; tick <= *niceHigh + step / 2; tick += step)
        ticks.push_back(std::abs(tick) < step / 1e6 ? 0 : tick);
    return ticks;
}

} // namespace

const std::array<PlotFigureInfo, PlotFigureCount>& PlotFigures()
{
    static const std::array<PlotFigureInfo, PlotFigureCount> figures{{
        {PlotFigure::AtomicWeight, "Masa atomowa", "u", false, 3},
        {PlotFigure::Electronegativity, "Elektroujemność (skala Paulinga)", "", false, 2},
        {PlotFigure::Density, "Gęstość", "g/cm³", true, 4},
        {PlotFigure::AtomicRadius, "Promień kowalencyjny", "pm", false, 0},
        {PlotFigure::IonisationEnergy, "Energia jonizacji", "kJ/mol", false, 1},
        {PlotFigure::MeltingPoint, "Temperatura topnienia", "°C", false, 2},
        {PlotFigure::BoilingPoint, "Temperatura wrzenia", "°C", false, 2},
        {PlotFigure::DiscoveryYear, "Rok odkrycia", "", false, 0},
    }};
    return figures;
}

const PlotFigureInfo& InfoOf(PlotFigure figure)
{
    return PlotFigures()[std::size_t(figure)];
}

QString PlotRange::Caption() const
{
    switch (Which) {
    case Kind::All: return QStringLiteral("Wszystkie pierwiastki");
    case Kind::First20: return QStringLiteral("Liczby atomowe od 1 do 20");
    case Kind::First36: return QStringLiteral("Liczby atomowe od 1 do 36");
    case Kind::Period: return QStringLiteral("Okres %1").arg(Number);
    case Kind::Group: return QStringLiteral("Grupa %1 (według okresów)").arg(Number);
    }
    return {};
}

std::vector<PlotRange> PlotRanges()
{
    std::vector<PlotRange> ranges{{PlotRange::Kind::All, 0}, {PlotRange::Kind::First20, 0}, {PlotRange::Kind::First36, 0}};
    for (int period = 1; period <= 7; ++period)
        ranges.push_back({PlotRange::Kind::Period, period});
    for (int group = 1; group <= 18; ++group)
        ranges.push_back({PlotRange::Kind::Group, group});
    return ranges;
}

double PlotScale::Place(double value) const
{
    const double v = Logarithmic ? std::log10(value) : value;
    return High > Low ? (v - Low) / (High - Low) : 0.5;
}

QString PlotModel::AxisCaption() const
{
    const PlotFigureInfo& info = InfoOf(Figure);
    QString caption = QString::fromUtf8(info.Caption);
    if (*info.Unit)
        caption += QStringLiteral(", ") + QString::fromUtf8(info.Unit);
    if (info.Logarithmic)
        caption += QStringLiteral(" (skala logarytmiczna)");
    return caption;
}

QString PlotModel::XCaption() const
{
    return Range.Which == PlotRange::Kind::Group ? QStringLiteral("Okres") : QStringLiteral("Liczba atomowa Z");
}

PlotModel ModelOf(const std::vector<PlotElement>& elements, PlotFigure figure, const PlotRange& range)
{
    PlotModel model;
    model.Figure = figure;
    model.Range = range;
    const PlotFigureInfo& info = InfoOf(figure);
    for (const PlotElement& element : elements) {
        bool in = true;
        switch (range.Which) {
        case PlotRange::Kind::All: break;
        case PlotRange::Kind::First20: in = element.Number <= 20; break;
        case PlotRange::Kind::First36: in = element.Number <= 36; break;
        case PlotRange::Kind::Period: in = element.Period == range.Number; break;
        case PlotRange::Kind::Group: in = element.Group == range.Number; break;
        }
        if (!in)
            continue;
        PlotPoint point;
        point.Element = &element;
        point.X = range.Which == PlotRange::Kind::Group ? element.Period : element.Number;
        point.Value = element.Figures[std::size_t(figure)];
        // a logarithm needs a positive figure
        if (point.Value && (!std::isfinite(*point.Value) || (info.Logarithmic && *point.Value <= 0)))
            point.Value.reset();
        point.NobleGas = element.Group == 18;
        point.AlkaliMetal = element.Group == 1 && element.Number > 1;
        const PlotPoint* previous = model.Points.empty() ? nullptr : &model.Points.back();
        point.JoinedToPrevious = previous && previous->Value && point.Value &&
                                 (range.Which == PlotRange::Kind::Group || previous->Element->Period == element.Period);
        if (!point.Value)
            model.Missing << element.Symbol;
        model.Points.push_back(point);
    }
    if (model.Points.empty())
        return model;
    // half a step beyond the first and the last point, so that no point sits on an edge
    model.LowX = model.Points.front().X - 0.5;
    model.HighX = model.Points.back().X + 0.5;
    double low = 0, high = 0;
    bool any = false;
    for (const PlotPoint& point : model.Points)
        if (point.Value) {
            const double v = info.Logarithmic ? std::log10(*point.Value) : *point.Value;
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            any = true;
        }
    model.Scale.Logarithmic = info.Logarithmic;
    if (!any) {
        model.Scale.Low = 0;
        model.Scale.High = 1;
        return model;
    }
    if (info.Logarithmic) {
        model.Scale.Low = std::floor(low);
        model.Scale.High = std::max(std::ceil(high), model.Scale.Low + 1);
        for (double power = model.Scale.Low; power <= model.Scale.High; ++power)
            model.Scale.Ticks.push_back(std::pow(10.0, power));
    } else {
        // a scale of figures that are all positive starts at zero, unless they lie far from it
        if (low > 0 && low < (high - low))
            low = 0;
        model.Scale.Ticks = NiceTicks(low, high, &model.Scale.Low, &model.Scale.High);
    }
    return model;
}

QString ValueShown(PlotFigure figure, std::optional<double> value)
{
    if (!value)
        return QStringLiteral("brak danych");
    const PlotFigureInfo& info = InfoOf(figure);
    QLocale polish(QLocale::Polish, QLocale::Poland);
    polish.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text;
    // density to four significant digits, however small: a gas's 0,0000899 g/cm³
    const int decimals = figure == PlotFigure::Density && *value > 0 ? std::clamp(3 - int(std::floor(std::log10(*value))), 0, 10) : info.Decimals;
    text = polish.toString(*value, 'f', decimals);
    if (text.contains(polish.decimalPoint()) && figure != PlotFigure::AtomicWeight) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(polish.decimalPoint()))
            text.chop(1);
    }
    text.replace(polish.negativeSign(), QStringLiteral("−"));
    return *info.Unit ? text + QLatin1Char(' ') + QString::fromUtf8(info.Unit) : text;
}

QString PointWords(const PlotModel& model, const PlotPoint& point)
{
    return QStringLiteral("%1, %2: %3").arg(point.Element->Symbol).arg(point.Element->Number).arg(ValueShown(model.Figure, point.Value));
}

QString TickShown(const PlotScale& scale, double tick)
{
    QLocale polish(QLocale::Polish, QLocale::Poland);
    polish.setNumberOptions(QLocale::OmitGroupSeparator);
    if (scale.Logarithmic) {
        const int power = int(std::lround(std::log10(tick)));
        if (power >= 0 && power <= 4)
            return polish.toString(tick, 'f', 0);
        static const QString digits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
        QString exponent = power < 0 ? QStringLiteral("⁻") : QString();
        for (const QChar c : QString::number(std::abs(power)))
            exponent += digits[c.digitValue()];
        return QStringLiteral("10") + exponent;
    }
    return polish.toString(tick, 'g', 6).replace(polish.negativeSign(), QStringLiteral("−"));
}
