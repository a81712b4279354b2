// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TablePage.h"

class PropertiesStore;
class TAGlowne;

// What the main window's table shows now: each tile's colour, element and (with the figures'
// file) atomic weight, and the legend with a view's setting.
TablePicture PictureOfTable(const TAGlowne& window, PropertiesStore* properties);
