// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// A whole number written in decimal, as the edits and the views read their text: an optional sign
// and digits, nothing else, within 32 bits. Anything else (an empty text, a lone "-", a number too
// large) is no number.
std::optional<std::int32_t> IntegerFromText(const QString& text);
