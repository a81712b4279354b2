// SPDX-License-Identifier: GPL-3.0-or-later
// A control may not know the windows it is placed on: this must not compile.
#include "Button.h"
#include "Form.h"
