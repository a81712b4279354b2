// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyScales.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

// Viridis at eleven evenly spaced places, 0 to 1; the colours between are interpolated.
constexpr TColor ViridisStops[] = {0x440154, 0x482475, 0x414487, 0x355F8D, 0x2A788E, 0x21918C,
                                   0x22A884, 0x44BF70, 0x7AD151, 0xBDDF26, 0xFDE725};

const PropertyScale Scales[] = {
    {"Masa atomowa, u", "u", false},
    {"Elektroujemność (skala Paulinga)", "", false},
    {"Gęstość, g/cm³ (skala logarytmiczna)", "g/cm³", true},
    {"Promień kowalencyjny, pm", "pm", false},
    {"Energia jonizacji, kJ/mol", "kJ/mol", false},
    {"Temperatura topnienia, °C", "°C", false},
};

int Channel(TColor colour, int shift)
{
    return int((colour >> shift) & 0xFF);
}

// The stops are written as 0xRRGGBB; a TColor holds blue in its high byte.
TColor FromRgb(int red, int green, int blue)
{
    return TColor(red | (green << 8) | (blue << 16));
}

double Luminance(TColor colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(Channel(colour, 0)) + 0.7152 * linear(Channel(colour, 8)) + 0.0722 * linear(Channel(colour, 16));
}

// Black or white text, whichever has the greater contrast on the colour.
TColor TextOn(TColor colour)
{
    const double l = Luminance(colour);
    return (l + 0.05) / 0.05 >= 1.05 / (l + 0.05) ? clBlack : clWhite;
}

// The value to the significant digits given, with the user's decimal separator.
QString Figure(double value, int digits)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const double magnitude = value == 0 ? 0 : std::floor(std::log10(std::abs(value)));
    const int decimals = std::clamp(digits - 1 - int(magnitude), 0, 8);
    QString text = locale.toString(value, 'f', decimals);
    // no trailing zeros after the separator
    if (text.contains(locale.decimalPoint())) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(locale.decimalPoint()))
            text.chop(locale.decimalPoint().size());
    }
    return text.replace(locale.negativeSign(), QStringLiteral("-"));
}

} // namespace

QString FigureNumber(std::optional<double> value)
{
    return value && std::isfinite(*value) ? Figure(*value, 6) : QStringLiteral("—");
}

QString FigureWords(const PropertyScale& scale, std::optional<double> value)
{
    if (!value || !std::isfinite(*value))
        return QStringLiteral("brak danych");
    // the figure's name: the caption before its unit or its note, in small letters
    QString name = QString::fromUtf8(scale.Caption).section(QLatin1Char(','), 0, 0).section(QStringLiteral(" ("), 0, 0);
    name = name.left(1).toLower() + name.mid(1);
    const QString unit = scale.Unit[0] ? QLatin1Char(' ') + QString::fromUtf8(scale.Unit) : QString();
    return name + QLatin1Char(' ') + Figure(*value, 6) + unit;
}

bool IsScale(Colouring colouring)
{
    return colouring >= Colouring::AtomicWeight && colouring <= Colouring::MeltingPoint;
}

const PropertyScale& ScaleOf(Colouring colouring)
{
    return Scales[std::clamp(int(colouring) - int(Colouring::AtomicWeight), 0, int(std::size(Scales)) - 1)];
}

TColor ViridisAt(double place)
{
    const double at = std::clamp(place, 0.0, 1.0) * (std::size(ViridisStops) - 1);
    const std::size_t below = std::min(std::size_t(at), std::size(ViridisStops) - 2);
    const double f = at - double(below);
    const TColor a = ViridisStops[below], b = ViridisStops[below + 1];
    const auto mix = [&](int shift) { return int(std::lround(Channel(a, shift) * (1 - f) + Channel(b, shift) * f)); };
    return FromRgb(mix(16), mix(8), mix(0));
}

ScaleColouring ColourByScale(const PropertyScale& scale, const std::vector<TileValue>& values)
{
    ScaleColouring result;
    result.Caption = QString::fromUtf8(scale.Caption);
    const auto position = [&](double v) { return scale.Logarithmic ? std::log10(v) : v; };
    // a value that is no finite number is none, and on a logarithmic scale none at or below zero
    const auto placed = [&](const TileValue& tile) {
        return tile.Value && std::isfinite(*tile.Value) && (!scale.Logarithmic || *tile.Value > 0);
    };
    std::optional<double> least, most;
    for (const TileValue& tile : values)
        if (placed(tile)) {
            least = std::min(least.value_or(*tile.Value), *tile.Value);
            most = std::max(most.value_or(*tile.Value), *tile.Value);
        }
    // without a figure (no figures' file, or a damaged one) the legend says why the tiles stay plain
    if (!least) {
        result.Legend.push_back(NoFigureEntry());
        return result;
    }
    const double from = position(*least), span = position(*most) - from;
    for (const TileValue& tile : values) {
        if (!placed(tile))
            continue;
        const TColor colour = ViridisAt(span > 0 ? (position(*tile.Value) - from) / span : 0.0);
        result.Paints.push_back({tile.Column, tile.Row, colour});
        result.TextColours.push_back(TextOn(colour));
    }
    const QString unit = scale.Unit[0] ? QLatin1Char(' ') + QString::fromUtf8(scale.Unit) : QString();
    constexpr int Steps = 6;
    for (int step = 0; step < Steps; ++step) {
        const double place = double(step) / (Steps - 1);
        const double value = step == 0 ? *least
                             : step == Steps - 1 ? *most
                             : scale.Logarithmic ? std::pow(10.0, from + place * span)
                                                 : from + place * span;
        // the ends as exact as the figures go, the steps between rounded
        const bool end = step == 0 || step == Steps - 1;
        QString text = Figure(value, end ? 6 : 3) + unit;
        if (step == 0)
            text += QStringLiteral(" (min.)");
        else if (step == Steps - 1)
            text += QStringLiteral(" (maks.)");
        result.Legend.push_back({ViridisAt(place), text});
    }
    if (result.Paints.size() < values.size())
        result.Legend.push_back(NoFigureEntry());
    return result;
}
