// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Solubility.h"

class QPainter;
class QRectF;

// The solubility table for paper, on one A4 page (portrait, inside its margins): its title, the
// grid with each cell's letter (the letters carry the meaning, so black-and-white printers lose
// nothing; in colour they keep the screen's colours), the legend with the thresholds, and the
// sources, all as vectors.
void PaintSolubilityPage(QPainter& painter, const QRectF& area, const SolubilityData& data);
