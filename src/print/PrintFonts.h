// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The face of printed pages: DejaVu Sans, a scalable face whose glyphs (Polish letters included) the
// PDF embeds, at a size in the page's units. Letters are set one by one, never joined into
// ligatures ("fl" of "fluor" as one glyph), so that a reader searching or copying the text of the
// PDF gets the letters themselves.
QFont PrintFont(int pixelSize, bool bold = false);
