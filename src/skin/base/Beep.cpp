// SPDX-License-Identifier: GPL-3.0-or-later
#include "Beep.h"

#include <QApplication>

namespace {

BeepSounder& Sounder()
{
    static BeepSounder sounder = [] { QApplication::beep(); };
    return sounder;
}

} // namespace

void SystemBeep()
{
    if (Sounder())
        Sounder()();
}

BeepSounder SetBeepSounder(BeepSounder sounder)
{
    return std::exchange(Sounder(), std::move(sounder));
}
