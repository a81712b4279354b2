// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ColouringRules.h"
#include "ElementTable.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The rules of the three views of the menu "Interakcje", apart from their panels: which tile takes
// which colour for a value of the view's slider, what the label says, and how the animation steps.

// Discovery dates: the slider position P stands for the year 1600 + P (0 ... 406, the year 2006,
// for the records of "dane.dat"; with the newer elements, to the year after the last discovery).
constexpr int DiscoveryLastPosition = 406;
int DiscoveryLastPositionFor(const ElementTable& table);
// "Starożytność" at 0, "Średniowiecze" to 149, the year from 150 (1750) on.
QString DiscoveryLabel(int position);
// The colour of a record's era: antiquity (0), the Middle Ages (1600 to 1699), the last 300 years
// (after 1700). Years the eras leave out count with their neighbours: 1700 with the last 300 years,
// other years before 1600 with the Middle Ages, years before Christ with antiquity.
TColor EraColor(std::int32_t discoveryYear);
// Every record discovered before the position's year, in its era's colour.
std::vector<TilePaint> DiscoveryPaints(const ElementTable& table, int position);
// The animation's step from the position: 5 up to 150, then 1.
int DiscoveryStep(int position);
const std::vector<LegendEntry>& DiscoveryLegend();

// States of matter at a whole-degree temperature T, from the melting and boiling points (0.0 for a
// missing one): solid below the melting point, liquid above it, gas above the boiling point; no
// state without a boiling point. An element with a boiling point and no melting point is one that
// never solidifies at normal pressure (helium): liquid up to its boiling point. At exactly the
// melting point the element is still solid.
enum class MatterState { Solid, Liquid, Gas };
constexpr int LowestTemperature = -273;
constexpr int HighestTemperature = 5700;
std::optional<MatterState> StateAt(double meltingPoint, double boilingPoint, int temperature);
TColor StateColor(MatterState state);
std::vector<TilePaint> StatePaints(const ElementTable& table, int temperature);
// What a tile says in the views, in the words a reader adds to the tile's name: "znany od
// starożytności", "odkryty w średniowieczu", "odkryty w 1774 roku", "jeszcze nieodkryty" for a tile
// the view does not show yet; "ciało stałe", "ciecz", "gaz", "brak danych".
QString DiscoveryMeaning(std::int32_t discoveryYear, bool shown);
QString StateMeaning(std::optional<MatterState> state);
// "-273 *C": the label's text for a temperature.
QString TemperatureLabel(int temperature);
const std::vector<LegendEntry>& StateLegend();
// The states' legend for a painted table: "brak danych" after the three states when a tile is
// left without one.
std::vector<LegendEntry> StateLegendFor(const std::vector<TilePaint>& paints);
