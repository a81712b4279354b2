// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UIStyle.h"

#include <QImage>
#include <QString>

// The bitmap resource of the given name as compiled into the program; a null image when there is
// no such resource.
QImage LoadBitmapResource(const QString& name);

// Loads the item's bitmap of a built-in style into the bitmap. With count 0 the whole resource;
// otherwise frame index (1-based) of count equal frames. Nothing happens without a bitmap; an item
// that is not an image, or a style that is not built in, leaves the bitmap as it was (count 0) or
// gives it an empty frame (count above 0).
void BuiltInBitmap(TsuiUIStyle style, int item, QImage* bitmap, int index = 0, int count = 0);
