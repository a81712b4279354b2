// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

// The system beep a control sounds when it refuses a key or a click, through a replaceable sounder
// so tests can count the beeps.
void SystemBeep();

using BeepSounder = std::function<void()>;
BeepSounder SetBeepSounder(BeepSounder sounder);
