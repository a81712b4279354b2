// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The face of printed pages: DejaVu Sans, a scalable face whose glyphs (Polish letters included) the
// PDF embeds, at a size in the page's units.
QFont PrintFont(int pixelSize, bool bold = false);
