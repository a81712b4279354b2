// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewerElementSources.h"

#include "Properties.h"

#include <QStringList>

QList<NewerElementSource> ReadNewerElementSources(const QString& tablesFolder, const QList<ShippedElement>& fileElements)
{
    QList<NewerElementSource> elements;
    for (const QStringList& cells : ReadTable(tablesFolder + QStringLiteral("/newer-elements.tsv"), 10)) {
        NewerElementSource source;
        ShippedElement& element = source.Element;
        element.AtomicNumber = cells[0].toInt();
        if (element.AtomicNumber != 112 + elements.size())
            throw SourceError("newer-elements.tsv must list the elements 112 to 118 in order, at " + cells[1].toStdString());
        element.Symbol = cells[1];
        element.PolishName = cells[2];
        element.LatinName = cells[3];
        element.DiscoveryYear = cells[4].toInt();
        TableCell(element.AtomicNumber, element.TableRow, element.TableColumn);
        element.Configuration = cells[7];
        element.Shells = ShellsOfConfiguration(element.Configuration, fileElements);
        int sum = 0;
        for (int count : element.Shells)
            sum += count;
        if (sum != element.AtomicNumber)
            throw SourceError("the configuration of " + element.Symbol.toStdString() + " does not hold its electrons");
        source.MassNumber = cells[5].toInt();
        source.HalfLife = cells[6];
        source.OxidationStates = cells[8];
        source.Sources = cells[9];
        elements.append(source);
    }
    if (elements.size() != 7)
        throw SourceError("newer-elements.tsv must list the seven elements 112 to 118");
    return elements;
}

QByteArray NewerElementsFileBytes(const QList<NewerElementSource>& elements)
{
    QByteArray text =
        "# Pierwiastki 112–118, nazwane po tym, jak dane.dat ustalono na 111 rekordach: liczba atomowa,\n"
        "# symbol, nazwa polska, nazwa łacińska (IUPAC), rok odkrycia, plik opisu, liczba masowa\n"
        "# i okres półtrwania najtrwalszego potwierdzonego izotopu, źródła (UTF-8, tabulatory).\n"
        "# Made by generate_element_data from tools/elementdata/newer-elements.tsv.\n";
    for (const NewerElementSource& source : elements) {
        const ShippedElement& element = source.Element;
        const QStringList fields = {QString::number(element.AtomicNumber), element.Symbol, element.PolishName, element.LatinName,
                                    QString::number(element.DiscoveryYear), element.DescriptionFile,
                                    QString::number(source.MassNumber), source.HalfLife, source.Sources};
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return text;
}

QByteArray NewerPropertiesLines(const QList<NewerElementSource>& elements)
{
    QByteArray text;
    const QString predicted = QStringLiteral(" (przewidywane)");
    for (const NewerElementSource& source : elements) {
        const ShippedElement& element = source.Element;
        const QStringList fields = {
            element.Symbol,
            QStringLiteral("[%1]").arg(source.MassNumber),
            BracketedCore(element.Configuration) + predicted,
            QString(BlockOf(element)),
            QString::number(element.TableColumn),
            QString::number(element.TableRow),
            QString(), QString(), QString(), QString(), QString(),
            source.OxidationStates + predicted,
        };
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return text;
}
