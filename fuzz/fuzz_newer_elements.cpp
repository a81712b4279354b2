// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as "Zbiory/pierwiastki-112-118.txt": the reader takes the seven elements or refuses
// the file with a message naming it, never anything else; what it takes are the atomic numbers 112
// to 118 in order, each at its cell of period 7, with names a record holds and a plain file name.
#include "ElementProperties.h"
#include "NewerElements.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const std::vector<NewerElement> elements = ParseNewerElements(text, QStringLiteral("pierwiastki-112-118.txt"));
        if (elements.size() != 7)
            __builtin_trap();
        for (std::size_t i = 0; i < elements.size(); ++i) {
            const TElementRecord& record = elements[i].Record;
            const QByteArray file = record.DescriptionFile.Text();
            if (record.AtomicNumber != FirstNewerElement + int(i) || record.TableRow != 7 || record.TableColumn != record.AtomicNumber - 100
                || record.Symbol.Text().isEmpty() || record.PolishName.Text().isEmpty() || file.contains('/') || file.contains(".."))
                __builtin_trap();
        }
    } catch (const PropertiesError& e) {
        if (!e.Message().contains(QStringLiteral("pierwiastki-112-118.txt")))
            __builtin_trap();
    }
    return 0;
}
