// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as "dane.dat": loading must never crash or read past the table or a record, and
// every record's texts must stay inside their fields.
#include "ElementTable.h"
#include "InOutError.h"
#include "TableFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static const DataFolder dataFolder(folder.path() + QLatin1Char('/'));
    {
        QFile file(dataFolder.TablePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    ElementTable table;
    try {
        Wczytaj_tablice(table, dataFolder);
    } catch (const EInOutError&) {
    }
    qsizetype total = 0;
    for (int i = 1; i <= ElementTable::FileCount; ++i) {
        const TElementRecord& r = table[i];
        total += r.Symbol.Text().size() + r.PolishName.Text().size() + r.LatinName.Text().size()
            + r.IsotopeImage.Text().size() + r.DescriptionFile.Text().size() + r.DrawingImage.Text().size();
    }
    if (total > 111 * (3 + 5 * 30))
        __builtin_trap();
    if (size >= 2)
        Znajdz_pierwiastek(table, QByteArray(reinterpret_cast<const char*>(data), 2));
    return 0;
}
