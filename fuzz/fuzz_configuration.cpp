// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as "!konfielekt.txt": the look-up, the shell split and the 3D model's shell
// counts must never crash; the split gives exactly one count per "+", and the model draws at most
// its cap of shells, each within its cap of electrons.
#include "AtomModel.h"
#include "Configuration.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const char* symbol : {"Na", "", "H"}) {
        const auto configuration = ConfigurationInText(text, symbol);
        if (configuration && (configuration->contains('\r') || configuration->contains('\n')))
            __builtin_trap();
    }
    const QList<QByteArray> shells = Podziel_powloki(text);
    if (shells.size() != text.count('+'))
        __builtin_trap();
    const QList<int> counts = ShellElectronCounts(text);
    if (counts.size() != std::min<qsizetype>(shells.size(), MaxShells))
        __builtin_trap();
    for (const int electrons : counts)
        if (electrons < 0 || electrons > MaxElectronsPerShell)
            __builtin_trap();
    return 0;
}
