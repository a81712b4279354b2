// SPDX-License-Identifier: GPL-3.0-or-later
#include "Properties.h"

#include <QRegularExpression>

#include <cmath>

namespace {

double Number(const QString& text, const QString& what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0)
        throw SourceError(QStringLiteral("%1: not a figure: %2").arg(what, text).toStdString());
    return value;
}

// The repository writes 0 for a figure nobody has measured (astatine's ionisation energy).
bool Measured(const QString& figure, const QString& what)
{
    return !figure.isEmpty() && Number(figure, what) > 0;
}

// Electronvolts to kJ/mol, to a tenth where the repository gives four figures or more, else whole.
QString KilojoulesPerMole(const QString& electronvolts, const QString& what)
{
    if (!Measured(electronvolts, what))
        return {};
    constexpr double KilojoulesPerMolePerElectronvolt = 96.485332;
    const double value = Number(electronvolts, what) * KilojoulesPerMolePerElectronvolt;
    const qsizetype figures = QString(electronvolts).remove(QLatin1Char('.')).remove(QRegularExpression(QStringLiteral("^0+"))).size();
    return figures >= 4 ? QString::number(value, 'f', 1) : QString::number(std::lround(value));
}

} // namespace

// "Xe 4f14 5d10 6s2" as "[Xe] 4f14 5d10 6s2".
QString BracketedCore(const QString& configuration)
{
    QStringList parts = configuration.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const QRegularExpression core(QStringLiteral("^[A-Z][a-z]?$"));
    if (!parts.isEmpty() && core.match(parts[0]).hasMatch())
        parts[0] = QLatin1Char('[') + parts[0] + QLatin1Char(']');
    return parts.join(QLatin1Char(' '));
}

QChar BlockOf(const ShippedElement& element)
{
    if (element.TableRow >= 8)
        return QLatin1Char('f');
    if (element.TableColumn <= 2 || element.AtomicNumber == 2)
        return QLatin1Char('s');
    return element.TableColumn >= 13 ? QLatin1Char('p') : QLatin1Char('d');
}

QByteArray PropertiesFileBytes(const QList<ShippedElement>& elements, const QString& elementsXml,
                               const QString& tablesFolder)
{
    QMap<int, RepositoryElement> repository = ReadRepository(elementsXml);
    QMap<QString, QString> settled;  // "85 density": the value, "" for none
    for (const Correction& c : ReadCorrections(tablesFolder + QStringLiteral("/corrections.tsv")))
        if (IsPropertyField(c.Field))
            settled.insert(QString::number(c.AtomicNumber) + QLatin1Char(' ') + c.Field,
                           c.Value == QLatin1String("none") ? QString() : c.Value);
    const QList<QStringList> rows = ReadTable(tablesFolder + QStringLiteral("/properties.tsv"), 6);
    if (rows.size() != elements.size())
        throw SourceError("properties.tsv must list the elements 1 to 111 in order");
    QByteArray text =
        "# Więcej informacji: symbol, atomic weight, configuration, block, group, period, electronegativity\n"
        "# (Pauling), density, its unit (g/cm3 near 20 C; g/dm3 for a gas at 0 C and 1013 hPa), covalent\n"
        "# radius (pm), first ionisation energy (kJ/mol), oxidation states (the most common first;\n"
        "# \"(przewidywane)\" after states that are calculated or seen in a handful of atoms only).\n"
        "# Made by generate_element_data from tools/elementdata; an empty field: no figure.\n";
    for (int i = 0; i < elements.size(); ++i) {
        const ShippedElement& element = elements[i];
        const QStringList& row = rows[i];
        if (row[0].toInt() != element.AtomicNumber || row[1] != element.Symbol)
            throw SourceError("properties.tsv must list the elements 1 to 111 in order, at " + row[1].toStdString());
        const RepositoryElement& source = repository[element.AtomicNumber];
        const QString what = element.Symbol;
        const auto settledOr = [&](const char* field, const QString& figure) {
            const QString key = QString::number(element.AtomicNumber) + QLatin1Char(' ') + QLatin1String(field);
            return settled.contains(key) ? settled[key] : figure;
        };
        // a settlement of our own table's figure repeats it, so that neither changes alone
        const QString states = row[5].section(QStringLiteral(" #"), 0, 0).trimmed();
        if (!row[4].isEmpty())
            Number(row[4], what + QStringLiteral(" radius"));
        for (const auto& [field, ours] : {std::pair("weight", row[2]), std::pair("density", row[3]), std::pair("oxidation", states)})
            if (settledOr(field, ours) != ours)
                throw SourceError(QStringLiteral("corrections settle %1 %2 as something other than properties.tsv gives").arg(what, QLatin1String(field)).toStdString());
        if (!row[3].isEmpty())
            Number(row[3], what + QStringLiteral(" density"));
        const bool gas = element.BoilingPoint != 0.0 && element.BoilingPoint < 20.0;
        const QStringList fields = {
            element.Symbol,
            row[2],
            BracketedCore(element.Configuration),
            QString(BlockOf(element)),
            element.TableRow <= 7 ? QString::number(element.TableColumn) : QString(),
            QString::number(element.TableRow <= 7 ? element.TableRow : element.TableRow - 2),
            settledOr("electronegativity", Measured(source.Electronegativity, what) ? source.Electronegativity : QString()),
            row[3],
            row[3].isEmpty() ? QString() : QString::fromLatin1(gas ? "g/dm3" : "g/cm3"),
            row[4],
            settledOr("ionisation", KilojoulesPerMole(source.IonisationEnergy, what + QStringLiteral(" ionisation energy"))),
            // from rutherfordium on, the states are calculated or seen in a handful of atoms
            row[5].contains(QLatin1String("# predicted")) ? states + QStringLiteral(" (przewidywane)") : states,
        };
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return text;
}
