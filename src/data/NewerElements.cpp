// SPDX-License-Identifier: GPL-3.0-or-later
#include "NewerElements.h"

#include "Cp1250.h"
#include "ElementProperties.h"
#include "TableText.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace {

bool IsAsciiLetterOrDigit(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

// One capital letter and at most two small ones: "Og".
bool IsSymbol(const QString& text)
{
    return !text.isEmpty() && text.size() <= 3 && text[0] >= QLatin1Char('A') && text[0] <= QLatin1Char('Z') &&
           std::all_of(text.begin() + 1, text.end(), [](QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); });
}

// A figure with a decimal point and a unit of time: "0.7 ms", "30 s".
bool IsHalfLife(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    const auto digits = [](QStringView run) {
        return !run.isEmpty() && run.size() <= 6 && std::all_of(run.begin(), run.end(), [](QChar c) { return c.isDigit() && c.unicode() < 0x80; });
    };
    const qsizetype point = parts.value(0).indexOf(QLatin1Char('.'));
    const bool number = point < 0 ? digits(parts.value(0)) : digits(QStringView(parts[0]).left(point)) && digits(QStringView(parts[0]).mid(point + 1));
    return parts.size() == 2 && number &&
           QStringList{QStringLiteral("ms"), QStringLiteral("s"), QStringLiteral("min"), QStringLiteral("h"), QStringLiteral("d")}.contains(parts[1]);
}

class Parser {
public:
    Parser(const QString& path, const TableLine& line) : path_(path), line_(line) {}

    NewerElement Parse()
    {
        const QStringList fields = line_.Text.split(QLatin1Char('\t'));
        if (fields.size() != NewerElementsColumns)
            Fail(QStringLiteral("liczba kolumn: %1 zamiast %2").arg(QString::number(fields.size()), QString::number(NewerElementsColumns)));
        NewerElement element;
        std::memset(static_cast<void*>(&element.Record), 0, sizeof element.Record);
        TElementRecord& record = element.Record;
        record.AtomicNumber = Whole(fields[0], FirstNewerElement, LastNewerElement, QStringLiteral("liczba atomowa"));
        if (!IsSymbol(fields[1]))
            Fail(QStringLiteral("zły symbol „%1”").arg(fields[1].left(8)));
        record.Symbol.SetText(fields[1].toLatin1());
        record.PolishName.SetText(Name(fields[2], QStringLiteral("nazwa polska")));
        record.LatinName.SetText(Name(fields[3], QStringLiteral("nazwa łacińska")));
        record.DiscoveryYear = Whole(fields[4], 1900, 2100, QStringLiteral("rok odkrycia"));
        record.DescriptionFile.SetText(FileName(fields[5]));
        // period 7, from the column of group 12 on
        record.TableRow = 7;
        record.TableColumn = record.AtomicNumber - 100;
        element.MassNumber = Whole(fields[6], 1, 400, QStringLiteral("liczba masowa"));
        if (!IsHalfLife(fields[7]))
            Fail(QStringLiteral("zły okres półtrwania „%1”").arg(fields[7].left(16)));
        element.HalfLife = fields[7];
        if (fields[8].trimmed().isEmpty())
            Fail(QStringLiteral("brak źródeł"));
        element.Sources = fields[8];
        return element;
    }

    [[noreturn]] void Fail(const QString& reason) const { throw PropertiesError(path_, line_.Number, reason); }

private:
    int Whole(const QString& text, int least, int most, const QString& what) const
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < least || value > most)
            Fail(QStringLiteral("%1: „%2” poza zakresem %3–%4").arg(what, text.left(8), QString::number(least), QString::number(most)));
        return value;
    }

    // A name as a record holds it: Windows-1250, at most 30 characters, not empty.
    QByteArray Name(const QString& text, const QString& what) const
    {
        const std::optional<QByteArray> bytes = StringToCp1250(text);
        if (text.trimmed().isEmpty() || !bytes || bytes->size() > 30)
            Fail(QStringLiteral("%1: „%2” nie mieści się w rekordzie").arg(what, text.left(32)));
        return *bytes;
    }

    // A file of the folder "Zbiory" itself: at most 30 letters, digits, '_', '-' and '.', no folder
    // in its name, none above it, no hidden file.
    QByteArray FileName(const QString& text) const
    {
        const bool plain = text.size() <= 30 && !text.startsWith(QLatin1Char('.')) && !text.contains(QLatin1String("..")) &&
                           std::all_of(text.begin(), text.end(), [](QChar c) {
                               return IsAsciiLetterOrDigit(c) || c == QLatin1Char('_') || c == QLatin1Char('-') || c == QLatin1Char('.');
                           });
        if (!plain)
            Fail(QStringLiteral("zła nazwa pliku opisu „%1”").arg(text.left(32)));
        return text.toLatin1();
    }

    QString path_;
    const TableLine& line_;
};

} // namespace

std::vector<NewerElement> ParseNewerElements(const QByteArray& text, const QString& path)
{
    std::vector<NewerElement> elements;
    int lastLine = 0;
    for (const TableLine& line : TableRows(text, path)) {
        Parser parser(path, line);
        NewerElement element = parser.Parse();
        for (const NewerElement& before : elements)
            if (before.Record.AtomicNumber == element.Record.AtomicNumber || before.Record.Symbol.Text() == element.Record.Symbol.Text())
                parser.Fail(QStringLiteral("pierwiastek %1 drugi raz").arg(element.Record.AtomicNumber));
        elements.push_back(std::move(element));
        lastLine = line.Number;
    }
    if (int(elements.size()) != LastNewerElement - FirstNewerElement + 1)
        throw PropertiesError(path, lastLine, QStringLiteral("pierwiastków jest %1 zamiast %2")
                                                  .arg(QString::number(elements.size()), QString::number(LastNewerElement - FirstNewerElement + 1)));
    std::sort(elements.begin(), elements.end(), [](const NewerElement& a, const NewerElement& b) {
        return a.Record.AtomicNumber < b.Record.AtomicNumber;
    });
    return elements;
}

std::optional<std::vector<NewerElement>> ReadNewerElements(const DataFolder& folder)
{
    const QString path = folder.NewerElementsPath();
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return ParseNewerElements(ReadTableText(path), path);
}
