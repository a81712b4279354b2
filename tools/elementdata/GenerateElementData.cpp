// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shipped element data: dane.dat, Zbiory/!konfielekt.txt, Zbiory/wlasciwosci.txt, Zbiory/pierwiastki-112-118.txt
// (the elements after the 111 records of dane.dat), and the description and the
// pictures of every element under Zbiory/; and the solubility table and activity series, Zbiory/rozpuszczalnosc.txt and
// Zbiory/szereg-aktywnosci.txt, as their tables here have them once the program's own reader has taken them whole.
// Usage: generate_element_data <bodr folder> <folder of our tables> <output folder>

#include "ElementContent.h"
#include "ElementSources.h"
#include "NewerElementSources.h"
#include "Properties.h"
#include "Solubility.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

void WriteFile(const QString& path, const QByteArray& data)
{
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw SourceError("cannot make the folder of " + path.toStdString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw SourceError("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char** argv)
{
    // the pictures are drawn off screen, the same on a machine without a display
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: generate_element_data <bodr folder> <tables folder> <output folder>\n");
        return 2;
    }
    try {
        QList<ShippedElement> elements = SettleElements(args[1] + QStringLiteral("/elements.xml"), args[2]);
        QList<NewerElementSource> newer = ReadNewerElementSources(args[2], elements);
        // every element's description and pictures; "dane.dat" keeps its 111 records, the newer
        // elements have a file of their own and their lines after them in the other two
        QList<ShippedElement> all = elements;
        for (const NewerElementSource& source : newer)
            all.append(source.Element);
        const QMap<QString, QByteArray> content = SettleContent(all, args[1], args[2]);
        for (qsizetype i = 0; i < newer.size(); ++i)
            newer[i].Element = all[elements.size() + i];
        elements = all.mid(0, elements.size());
        const QString out = args[3];
        WriteFile(out + QStringLiteral("/dane.dat"), TableFileBytes(elements));
        WriteFile(out + QStringLiteral("/Zbiory/!konfielekt.txt"), ConfigurationFileBytes(all));
        WriteFile(out + QStringLiteral("/Zbiory/wlasciwosci.txt"),
                  PropertiesFileBytes(elements, args[1] + QStringLiteral("/elements.xml"), args[2]) + NewerPropertiesLines(newer));
        WriteFile(out + QStringLiteral("/Zbiory/pierwiastki-112-118.txt"), NewerElementsFileBytes(newer));
        for (auto it = content.cbegin(); it != content.cend(); ++it)
            WriteFile(out + QLatin1Char('/') + it.key(), it.value());
        for (const auto& [table, shipped] : {std::pair("rozpuszczalnosc.tsv", "rozpuszczalnosc.txt"), std::pair("szereg-aktywnosci.tsv", "szereg-aktywnosci.txt")}) {
            const QString path = args[2] + QLatin1Char('/') + QLatin1String(table);
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                throw SourceError("cannot read " + path.toStdString());
            const QByteArray bytes = file.readAll();
            try {
                if (QLatin1String(table).startsWith(QLatin1String("rozp")))
                    ParseSolubility(bytes, path);
                else
                    ParseActivitySeries(bytes, path);
            } catch (const SolubilityError& error) {
                throw SourceError(error.Message().toStdString());
            }
            WriteFile(out + QStringLiteral("/Zbiory/") + QLatin1String(shipped), bytes);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generate_element_data: %s\n", e.what());
        return 1;
    }
    return 0;
}
