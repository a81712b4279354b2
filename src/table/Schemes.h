#pragma once

#include "Colors.h"

#include <cstdint>

// The red shade of an element in the atom-count colourings: RGB(255 - a, 0, 0), a being the low
// byte of the atomic number, the subtraction done in 8 bits.
TColor AtomCountShade(std::int32_t atomicNumber);
