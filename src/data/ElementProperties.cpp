// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementProperties.h"

#include "FileAccess.h"
#include "TableText.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <cmath>
#include <utility>
#include <vector>

namespace {

// A figure as the file writes it: digits with at most one decimal point, nothing else.
bool IsFigure(const QString& text)
{
    static const QRegularExpression figure(QStringLiteral("^[0-9]{1,6}(\\.[0-9]{1,8})?$"));
    return figure.match(text).hasMatch();
}

using Line = TableLine;

class Parser {
public:
    Parser(const QString& path, const QStringList& knownSymbols) : path_(path), known_(knownSymbols.begin(), knownSymbols.end()) {}

    ElementProperties Parse(const Line& line)
    {
        const QStringList fields = line.Text.split(QLatin1Char('\t'));
        if (fields.size() != PropertiesColumns)
            Fail(line, QStringLiteral("liczba kolumn: %1 zamiast %2").arg(QString::number(fields.size()), QString::number(PropertiesColumns)));
        ElementProperties element;
        element.Symbol = fields[0];
        if (!known_.contains(element.Symbol))
            Fail(line, QStringLiteral("nieznany symbol „%1”").arg(element.Symbol.left(8)));
        element.AtomicWeight = fields[1];
        static const QRegularExpression massNumber(QStringLiteral("^\\[[0-9]{1,3}\\]$"));
        if (!IsFigure(element.AtomicWeight) && !massNumber.match(element.AtomicWeight).hasMatch())
            Fail(line, QStringLiteral("zła masa atomowa „%1”").arg(element.AtomicWeight.left(16)));
        const QLatin1String predicted(" (przewidywane)");
        element.Configuration = fields[2];
        element.ConfigurationPredicted = element.Configuration.endsWith(predicted);
        if (element.ConfigurationPredicted)
            element.Configuration.chop(predicted.size());
        if (!ElectronCount(element.Configuration))
            Fail(line, QStringLiteral("zła konfiguracja elektronowa „%1”").arg(element.Configuration.left(32)));
        if (fields[3].size() != 1 || !QStringLiteral("spdf").contains(fields[3]))
            Fail(line, QStringLiteral("zły blok „%1”").arg(fields[3].left(8)));
        element.Block = fields[3][0];
        element.Group = fields[4].isEmpty() ? 0 : Whole(line, fields[4], 1, 18, QStringLiteral("grupa"));
        if ((element.Group == 0) != (element.Block == QLatin1Char('f')))
            Fail(line, QStringLiteral("grupę ma każdy pierwiastek poza blokiem f, i tylko on"));
        element.Period = Whole(line, fields[5], 1, 7, QStringLiteral("okres"));
        element.Electronegativity = Figure(line, fields[6], QStringLiteral("elektroujemność"));
        element.Density = Figure(line, fields[7], QStringLiteral("gęstość"));
        if (fields[8] == QLatin1String("g/dm3"))
            element.Basis = DensityBasis::Gas;
        else if (fields[8] != QLatin1String("g/cm3") && !(fields[8].isEmpty() && element.Density.isEmpty()))
            Fail(line, QStringLiteral("zła jednostka gęstości „%1”").arg(fields[8].left(8)));
        element.CovalentRadius = Figure(line, fields[9], QStringLiteral("promień atomowy"));
        element.IonisationEnergy = Figure(line, fields[10], QStringLiteral("energia jonizacji"));
        static const QRegularExpression state(QStringLiteral("^(0|[+-][1-8])$"));
        QString states = fields[11];
        element.StatesPredicted = states.endsWith(predicted);
        if (element.StatesPredicted)
            states.chop(predicted.size());
        if (!states.isEmpty())
            element.OxidationStates = states.split(QLatin1Char(','));
        for (const QString& s : element.OxidationStates)
            if (!state.match(s).hasMatch())
                Fail(line, QStringLiteral("zły stopień utlenienia „%1”").arg(s.left(8)));
        return element;
    }

    [[noreturn]] void Fail(const Line& line, const QString& reason) const { throw PropertiesError(path_, line.Number, reason); }

private:
    QString Figure(const Line& line, const QString& text, const QString& what) const
    {
        if (!text.isEmpty() && !IsFigure(text))
            Fail(line, QStringLiteral("%1: „%2” nie jest liczbą").arg(what, text.left(16)));
        return text;
    }

    int Whole(const Line& line, const QString& text, int least, int most, const QString& what) const
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < least || value > most)
            Fail(line, QStringLiteral("%1: „%2” poza zakresem %3–%4").arg(what, text.left(8), QString::number(least), QString::number(most)));
        return value;
    }

    QString path_;
    QSet<QString> known_;
};

} // namespace

std::optional<double> ElementProperties::Value(const QString& figure)
{
    if (!IsFigure(figure))
        return std::nullopt;
    return figure.toDouble();
}

PropertiesError::PropertiesError(const QString& path, int line, const QString& reason)
    : PropertiesError(line > 0 ? QStringLiteral("Plik „%1” jest uszkodzony (wiersz %2): %3.")
                                     .arg(PathAsShown(path), QString::number(line), reason)
                               : QStringLiteral("Plik „%1” jest uszkodzony: %2.").arg(PathAsShown(path), reason))
{
}

PropertiesError::PropertiesError(QString message) : std::runtime_error("properties file refused"), message_(std::move(message)) {}

PropertiesError PropertiesError::Unreadable(const QString& path, const QString& reason)
{
    return PropertiesError(QStringLiteral("Nie można odczytać pliku „%1”: %2.").arg(PathAsShown(path), reason));
}

QString ElementProperties::Shown(const QString& figure)
{
    QString text = figure;
    return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QHash<QString, ElementProperties> ParseProperties(const QByteArray& text, const QString& path,
                                                  const QStringList& knownSymbols)
{
    Parser parser(path, knownSymbols);
    QHash<QString, ElementProperties> table;
    for (const Line& line : TableRows(text, path)) {
        ElementProperties element = parser.Parse(line);
        if (table.contains(element.Symbol))
            parser.Fail(line, QStringLiteral("symbol „%1” drugi raz").arg(element.Symbol));
        table.insert(element.Symbol, std::move(element));
    }
    return table;
}

std::optional<QHash<QString, ElementProperties>> ReadProperties(const DataFolder& folder, const QStringList& knownSymbols)
{
    const QString path = folder.PropertiesPath();
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return ParseProperties(ReadTableText(path), path, knownSymbols);
}

std::optional<int> ElectronCount(const QString& configuration)
{
    static const QHash<QString, int> cores = {{QStringLiteral("[He]"), 2},  {QStringLiteral("[Ne]"), 10},
                                              {QStringLiteral("[Ar]"), 18}, {QStringLiteral("[Kr]"), 36},
                                              {QStringLiteral("[Xe]"), 54}, {QStringLiteral("[Rn]"), 86}};
    static const QRegularExpression subshell(QStringLiteral("^[1-7][spdf]([0-9]{1,2})$"));
    const QStringList parts = configuration.split(QLatin1Char(' '));
    if (configuration.isEmpty() || parts.contains(QString()))
        return std::nullopt;
    int count = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i == 0 && cores.contains(parts[i])) {
            count += cores.value(parts[i]);
            continue;
        }
        const QRegularExpressionMatch m = subshell.match(parts[i]);
        if (!m.hasMatch())
            return std::nullopt;
        count += m.captured(1).toInt();
    }
    return count;
}

PropertiesStore::PropertiesStore(DataFolder folder, std::function<QStringList()> knownSymbols,
                                 std::function<void(const QString& message)> reportError)
    : folder_(std::move(folder)), knownSymbols_(std::move(knownSymbols)), reportError_(std::move(reportError))
{
}

const QHash<QString, ElementProperties>& PropertiesStore::All(bool quietly)
{
    if (!table_) {
        table_.emplace();
        try {
            if (auto read = ReadProperties(folder_, knownSymbols_()))
                *table_ = std::move(*read);
        } catch (const PropertiesError& e) {
            unreported_ = e.Message();
        }
    }
    if (!quietly && !unreported_.isEmpty() && reportError_)
        reportError_(std::exchange(unreported_, QString()));
    return *table_;
}

const ElementProperties* PropertiesStore::Find(const QString& symbol, bool quietly)
{
    const QHash<QString, ElementProperties>& table = All(quietly);
    const auto found = table.constFind(symbol);
    return found == table.cend() ? nullptr : &*found;
}
