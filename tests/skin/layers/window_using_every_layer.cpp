// SPDX-License-Identifier: GPL-3.0-or-later
// A window may use every layer below it: this must compile, so the two cases above fail for the
// reason they are meant to.
#include "Button.h"
#include "Drawing.h"
#include "Form.h"
#include "SkinLook.h"
#include "UIStyle.h"
