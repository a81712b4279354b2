// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing and text layer may not know the looks built on it: this must not compile.
#include "Drawing.h"
#include "SkinLook.h"
