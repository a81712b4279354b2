// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomModel.h"

#include "Configuration.h"

QList<int> ShellElectronCounts(const QByteArray& configuration)
{
    QList<int> counts;
    for (const QByteArray& token : Podziel_powloki(configuration, MaxShells)) {
        bool digitsOnly = !token.isEmpty();
        for (const char c : token)
            digitsOnly = digitsOnly && c >= '0' && c <= '9';
        bool ok = false;
        const qlonglong n = digitsOnly ? token.toLongLong(&ok) : 0;
        counts.append(ok && n > 0 ? int(std::min<qlonglong>(n, MaxElectronsPerShell)) : 0);
    }
    return counts;
}
