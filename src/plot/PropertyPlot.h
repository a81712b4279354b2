// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// "Wykres właściwości" as data: one figure of the elements against the atomic number (or, for one
// group, against the period), the points of a period joined and the periods apart, an element
// without the figure a gap that is listed, and the axis's scale with its ticks.

enum class PlotFigure { AtomicWeight, Electronegativity, Density, AtomicRadius, IonisationEnergy, MeltingPoint, BoilingPoint, DiscoveryYear };
inline constexpr int PlotFigureCount = 8;

struct PlotFigureInfo {
    PlotFigure Figure;
    const char* Caption;  // "Energia jonizacji": the choice and the axis
    const char* Unit;     // "kJ/mol"; empty for a figure without one
    bool Logarithmic;     // density spans six orders of magnitude
    int Decimals;         // as a reader hears a value
};
const std::array<PlotFigureInfo, PlotFigureCount>& PlotFigures();
const PlotFigureInfo& InfoOf(PlotFigure figure);

struct PlotElement {
    int Number = 0;
    QString Symbol, Name;  // "Na", "Sód"
    int Period = 0;        // 1 to 7
    int Group = 0;         // 1 to 18; 0 in the f rows
    std::array<std::optional<double>, PlotFigureCount> Figures{};
};

// Which elements: all of them, Z 1–20, Z 1–36, one period, or one group against its period number.
struct PlotRange {
    enum class Kind { All, First20, First36, Period, Group };
    Kind Which = Kind::All;
    int Number = 0;  // the period or the group

    QString Caption() const;  // "Wszystkie pierwiastki", "Okres 3", "Grupa 1"
};
// Every range in the order the choice lists them.
std::vector<PlotRange> PlotRanges();

struct PlotPoint {
    const PlotElement* Element = nullptr;
    double X = 0;                  // the atomic number, or the period within a group
    std::optional<double> Value;   // none: a gap
    bool JoinedToPrevious = false; // the line from the point before: same period, both with a value
    bool NobleGas = false, AlkaliMetal = false;
};

struct PlotScale {
    double Low = 0, High = 1;  // the axis's ends (their logarithms on a logarithmic axis)
    bool Logarithmic = false;
    std::vector<double> Ticks; // values, with labels
    // The place of a value along the axis, 0 at the low end and 1 at the high.
    double Place(double value) const;
};

struct PlotModel {
    PlotFigure Figure = PlotFigure::IonisationEnergy;
    PlotRange Range;
    std::vector<PlotPoint> Points;
    double LowX = 0.5, HighX = 1.5;  // the x axis's ends
    PlotScale Scale;
    QStringList Missing;  // the symbols of the gaps

    QString AxisCaption() const;  // "Energia jonizacji, kJ/mol (skala logarytmiczna)"
    QString XCaption() const;     // "Liczba atomowa Z" or "Okres"
};

PlotModel ModelOf(const std::vector<PlotElement>& elements, PlotFigure figure, const PlotRange& range);

// "495,8 kJ/mol": a value with its decimals, a decimal comma and its unit; "brak danych" without one.
QString ValueShown(PlotFigure figure, std::optional<double> value);
// "Na, 11: 495,8 kJ/mol"
QString PointWords(const PlotModel& model, const PlotPoint& point);
// A tick's label: "1000", "0,5", "10⁻³".
QString TickShown(const PlotScale& scale, double tick);
