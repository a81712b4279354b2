// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UIStyle.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <map>

// A skin file holding every theme item of a built-in style: its colours and integers as integer
// entries, its flags as flag entries, its bitmaps as image entries, closed by an empty record. The
// integer or colour items named in the overrides take the value given there instead.
QByteArray SkinFileFromStyle(TsuiUIStyle style, const std::map<int, std::int32_t>& overrides = {});
