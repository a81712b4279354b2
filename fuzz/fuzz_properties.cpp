// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as "Zbiory/wlasciwosci.txt": the reader takes the table or refuses it with a
// message naming the file, never anything else; every element it takes has a configuration that
// holds electrons, a period of the table and no more than one line per symbol.
#include "ElementProperties.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList known = {QStringLiteral("H"), QStringLiteral("He"), QStringLiteral("Na"), QStringLiteral("Fe")};
    try {
        const QHash<QString, ElementProperties> table = ParseProperties(text, QStringLiteral("wlasciwosci.txt"), known);
        if (table.size() > known.size())
            __builtin_trap();
        for (const ElementProperties& element : table) {
            if (!known.contains(element.Symbol) || !ElectronCount(element.Configuration) || element.Period < 1
                || element.Period > 7 || element.Group < 0 || element.Group > 18)
                __builtin_trap();
            for (const QString& figure : {element.Density, element.Electronegativity, element.IonisationEnergy})
                if (!figure.isEmpty() && !ElementProperties::Value(figure))
                    __builtin_trap();
        }
    } catch (const PropertiesError& e) {
        if (!e.Message().contains(QStringLiteral("wlasciwosci.txt")))
            __builtin_trap();
    }
    return 0;
}
