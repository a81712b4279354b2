// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementSources.h"

#include "Cp1250.h"
#include "ElementTable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <cmath>

namespace {

QByteArray ReadSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError("cannot read " + path.toStdString() + ": " + file.errorString().toStdString());
    return file.readAll();
}

int ToInt(const QString& text, const QString& what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw SourceError(QStringLiteral("%1: not a whole number: %2").arg(what, text).toStdString());
    return value;
}

double ToDouble(const QString& text, const QString& what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        throw SourceError(QStringLiteral("%1: not a number: %2").arg(what, text).toStdString());
    return value;
}

// A settled temperature: "1538 C", or "unknown" for no value. Only degrees Celsius as the handbook
// prints them: a figure converted from kelvin would carry digits no handbook gives ("1534.85").
double SettledCelsius(const QString& value, const QString& what)
{
    if (value == QLatin1String("unknown"))
        return 0.0;
    const QStringList parts = value.split(QLatin1Char(' '));
    if (parts.size() != 2 || parts[1] != QLatin1String("C"))
        throw SourceError(QStringLiteral("%1: a temperature is degrees Celsius (\"1538 C\") or \"unknown\": %2").arg(what, value).toStdString());
    const double celsius = ToDouble(parts[0], what);
    if (celsius == 0.0)
        throw SourceError(QStringLiteral("%1: 0 °C cannot be stored, the table reads it as no value").arg(what).toStdString());
    return celsius;
}

// Electrons per shell of a configuration such as "Xe 4f14 5d10 6s2", the core taken from the
// noble gas's own configuration.
QList<int> ShellsOf(const QString& configuration, const QMap<QString, QString>& bySymbol, int depth = 0)
{
    if (depth > 8)
        throw SourceError("configuration cores refer to each other: " + configuration.toStdString());
    QList<int> shells;
    static const QRegularExpression subshell(QStringLiteral("^([1-7])([spdf])([0-9]+)$"));
    for (const QString& token : configuration.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QList<int> add;
        if (const auto match = subshell.match(token); match.hasMatch()) {
            add = QList<int>(match.captured(1).toInt(), 0);
            add.back() = match.captured(3).toInt();
        } else if (bySymbol.contains(token)) {
            add = ShellsOf(bySymbol[token], bySymbol, depth + 1);
        } else {
            throw SourceError("unreadable configuration: " + configuration.toStdString());
        }
        if (shells.size() < add.size())
            shells.resize(add.size(), 0);
        for (int i = 0; i < add.size(); ++i)
            shells[i] += add[i];
    }
    return shells;
}

QByteArray InCodePage(const QString& text)
{
    const auto bytes = StringToCp1250(text);
    if (!bytes || bytes->size() > 30)
        throw SourceError("not a short Windows-1250 text: " + text.toStdString());
    return *bytes;
}

} // namespace

bool IsPropertyField(const QString& field)
{
    static const QStringList fields = {QStringLiteral("weight"), QStringLiteral("density"), QStringLiteral("oxidation"),
                                       QStringLiteral("electronegativity"), QStringLiteral("ionisation")};
    return fields.contains(field);
}

QList<QStringList> ReadTable(const QString& path, int columns)
{
    QList<QStringList> rows;
    const QStringList lines = QString::fromUtf8(ReadSource(path)).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() != columns)
            throw SourceError(QStringLiteral("%1:%2: expected %3 columns").arg(path).arg(i + 1).arg(columns).toStdString());
        rows.append(cells);
    }
    return rows;
}

QMap<int, RepositoryElement> ReadRepository(const QString& elementsXml)
{
    QMap<int, RepositoryElement> elements;
    QXmlStreamReader xml(ReadSource(elementsXml));
    RepositoryElement current;
    bool inAtom = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("atom")) {
            current = RepositoryElement();
            inAtom = true;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("atom")) {
            if (current.AtomicNumber > 0)
                elements.insert(current.AtomicNumber, current);
            inAtom = false;
        } else if (inAtom && xml.isStartElement()) {
            const QString ref = xml.attributes().value(QLatin1String("dictRef")).toString();
            if (xml.name() == QLatin1String("label")) {
                if (ref == QLatin1String("bo:symbol"))
                    current.Symbol = xml.attributes().value(QLatin1String("value")).toString();
                continue;
            }
            const QString text = xml.readElementText().trimmed();
            if (ref == QLatin1String("bo:atomicNumber"))
                current.AtomicNumber = ToInt(text, ref);
            else if (ref == QLatin1String("bo:mass"))
                current.AtomicMass = ToDouble(text, ref);
            else if (ref == QLatin1String("bo:discoveryDate"))
                current.DiscoveryYear = ToInt(text, ref);
            else if (ref == QLatin1String("bo:electronicConfiguration"))
                current.Configuration = text;
            else if (ref == QLatin1String("bo:electronegativityPauling"))
                current.Electronegativity = text;
            else if (ref == QLatin1String("bo:ionization"))
                current.IonisationEnergy = text;
        }
    }
    if (xml.hasError())
        throw SourceError("damaged repository file: " + xml.errorString().toStdString());
    return elements;
}

QList<Correction> ReadCorrections(const QString& correctionsTsv)
{
    QList<Correction> corrections;
    for (const QStringList& cells : ReadTable(correctionsTsv, 4))
        corrections.append({ToInt(cells[0], QStringLiteral("atomic number")), cells[1], cells[2], cells[3]});
    return corrections;
}

void TableCell(int z, int& row, int& column)
{
    static const int periodEnds[] = {2, 10, 18, 36, 54, 86, 118};
    if (z >= 57 && z <= 71) {
        row = 8;
        column = z - 53;
        return;
    }
    if (z >= 89 && z <= 103) {
        row = 9;
        column = z - 85;
        return;
    }
    int period = 0;
    while (z > periodEnds[period])
        ++period;
    const int first = period == 0 ? 1 : periodEnds[period - 1] + 1;
    row = period + 1;
    column = (z - first < 2 && z != 2) ? z - first + 1 : 18 - (periodEnds[period] - z);
}

QList<ShippedElement> SettleElements(const QString& elementsXml, const QString& tablesFolder)
{
    QMap<int, RepositoryElement> repository = ReadRepository(elementsXml);
    QMap<QString, QString> configurationBySymbol;
    for (const RepositoryElement& element : repository)
        configurationBySymbol.insert(element.Symbol, element.Configuration);

    QList<ShippedElement> elements;
    for (const QStringList& cells : ReadTable(tablesFolder + QStringLiteral("/names.tsv"), 4)) {
        ShippedElement element;
        element.AtomicNumber = ToInt(cells[0], QStringLiteral("atomic number"));
        element.Symbol = cells[1];
        element.PolishName = cells[2];
        element.LatinName = cells[3];
        if (element.AtomicNumber != elements.size() + 1)
            throw SourceError("names.tsv must list the elements 1 to 111 in order");
        const auto found = repository.constFind(element.AtomicNumber);
        if (found == repository.cend() || found->Symbol != element.Symbol)
            throw SourceError("the repository has no element " + element.Symbol.toStdString());
        TableCell(element.AtomicNumber, element.TableRow, element.TableColumn);
        element.DiscoveryYear = found->DiscoveryYear;
        elements.append(element);
    }
    if (elements.size() != ElementTable::FileCount)
        throw SourceError("names.tsv must list 111 elements");

    QSet<QString> temperatures;
    for (const Correction& c : ReadCorrections(tablesFolder + QStringLiteral("/corrections.tsv"))) {
        if (c.AtomicNumber < 1 || c.AtomicNumber > ElementTable::FileCount)
            throw SourceError("correction of an element outside 1 to 111");
        ShippedElement& element = elements[c.AtomicNumber - 1];
        const QString what = element.Symbol + QLatin1Char(' ') + c.Field;
        if (c.Field == QLatin1String("year"))
            element.DiscoveryYear = ToInt(c.Value, what);
        else if (c.Field == QLatin1String("configuration"))
            configurationBySymbol[element.Symbol] = c.Value;
        else if (IsPropertyField(c.Field))
            continue;  // settled where the page "Więcej informacji" is made
        else if (c.Field != QLatin1String("melting") && c.Field != QLatin1String("boiling"))
            throw SourceError("unknown field in corrections: " + c.Field.toStdString());
        else if (temperatures.contains(what))
            throw SourceError("corrections settle " + what.toStdString() + " twice");
        else {
            (c.Field == QLatin1String("melting") ? element.MeltingPoint : element.BoilingPoint) = SettledCelsius(c.Value, what);
            temperatures.insert(what);
        }
    }
    if (temperatures.size() != 2 * ElementTable::FileCount)
        throw SourceError("corrections must settle the melting and the boiling point of every element, from the handbook");

    for (ShippedElement& element : elements) {
        element.Configuration = configurationBySymbol[element.Symbol];
        element.Shells = ShellsOf(element.Configuration, configurationBySymbol);
        int sum = 0;
        for (int count : element.Shells)
            sum += count;
        if (sum != element.AtomicNumber || element.Shells.contains(0))
            throw SourceError("the shells of " + element.Symbol.toStdString() + " do not add up to its atomic number");
    }
    return elements;
}

QByteArray TableFileBytes(const QList<ShippedElement>& elements)
{
    ElementTable table;
    for (const ShippedElement& element : elements) {
        TElementRecord& record = table[element.AtomicNumber];
        record.Symbol.SetText(InCodePage(element.Symbol));
        record.PolishName.SetText(InCodePage(element.PolishName));
        record.LatinName.SetText(InCodePage(element.LatinName));
        record.TableRow = element.TableRow;
        record.TableColumn = element.TableColumn;
        record.AtomicNumber = element.AtomicNumber;
        record.DiscoveryYear = element.DiscoveryYear;
        record.MeltingPoint = element.MeltingPoint;
        record.BoilingPoint = element.BoilingPoint;
        record.DescriptionFile.SetText(InCodePage(element.DescriptionFile));
        record.IsotopeImage.SetText(InCodePage(element.IsotopeImage));
        record.DrawingImage.SetText(InCodePage(element.DrawingImage));
    }
    return table.ToBytes();
}

QList<int> ShellsOfConfiguration(const QString& configuration, const QList<ShippedElement>& elements)
{
    QMap<QString, QString> bySymbol;
    for (const ShippedElement& element : elements)
        bySymbol.insert(element.Symbol, element.Configuration);
    return ShellsOf(configuration, bySymbol);
}

QByteArray ConfigurationFileBytes(const QList<ShippedElement>& elements)
{
    QByteArray text;
    for (const ShippedElement& element : elements) {
        text += element.Symbol.toLatin1() + ' ';
        for (int count : element.Shells)
            text += '+' + QByteArray::number(count);
        text += "\r\n";
    }
    return text;
}
