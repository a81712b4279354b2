#pragma once

#include "UIStyle.h"

#include <QByteArray>
#include <QString>

// A skin file holding every theme item of a built-in style: its colours and integers as integer
// entries, its flags as flag entries, its bitmaps as image entries, closed by an empty record.
QByteArray SkinFileFromStyle(TsuiUIStyle style);
