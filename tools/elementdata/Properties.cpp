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

// Ångström to picometres, whole.
QString Picometres(const QString& angstrom, const QString& what)
{
    return angstrom.isEmpty() ? QString() : QString::number(std::lround(Number(angstrom, what) * 100));
}

// Electronvolts to kJ/mol, to a tenth where the repository gives four figures or more, else whole.
QString KilojoulesPerMole(const QString& electronvolts, const QString& what)
{
    if (electronvolts.isEmpty())
        return {};
    constexpr double KilojoulesPerMolePerElectronvolt = 96.485332;
    const double value = Number(electronvolts, what) * KilojoulesPerMolePerElectronvolt;
    const qsizetype figures = QString(electronvolts).remove(QLatin1Char('.')).remove(QRegularExpression(QStringLiteral("^0+"))).size();
    return figures >= 4 ? QString::number(value, 'f', 1) : QString::number(std::lround(value));
}

} // namespace

QByteArray PropertiesFileBytes(const QList<ShippedElement>& elements, const QString& elementsXml,
                               const QString& tablesFolder)
{
    const QMap<int, RepositoryElement> repository = ReadRepository(elementsXml);
    const QList<QStringList> rows = ReadTable(tablesFolder + QStringLiteral("/properties.tsv"), 5);
    if (rows.size() != elements.size())
        throw SourceError("properties.tsv must list the elements 1 to 111 in order");
    QByteArray text =
        "# Więcej informacji: symbol, atomic weight, configuration, block, group, period, electronegativity\n"
        "# (Pauling), density, its unit (g/cm3 near 20 C; g/dm3 for a gas at 0 C and 1013 hPa), covalent\n"
        "# radius (pm), first ionisation energy (kJ/mol), oxidation states (the most common first).\n"
        "# Made by generate_element_data from tools/elementdata; an empty field: no figure.\n";
    for (int i = 0; i < elements.size(); ++i) {
        const ShippedElement& element = elements[i];
        const QStringList& row = rows[i];
        if (row[0].toInt() != element.AtomicNumber || row[1] != element.Symbol)
            throw SourceError("properties.tsv must list the elements 1 to 111 in order, at " + row[1].toStdString());
        const RepositoryElement& source = repository[element.AtomicNumber];
        const QString what = element.Symbol;
        if (!row[3].isEmpty())
            Number(row[3], what + QStringLiteral(" density"));
        const QString states = row[4].section(QStringLiteral(" #"), 0, 0).trimmed();
        const bool gas = element.BoilingPoint != 0.0 && element.BoilingPoint < 20.0;
        const QStringList fields = {
            element.Symbol,
            row[2],
            BracketedCore(element.Configuration),
            QString(BlockOf(element)),
            element.TableRow <= 7 ? QString::number(element.TableColumn) : QString(),
            QString::number(element.TableRow <= 7 ? element.TableRow : element.TableRow - 2),
            source.Electronegativity,
            row[3],
            row[3].isEmpty() ? QString() : QString::fromLatin1(gas ? "g/dm3" : "g/cm3"),
            Picometres(source.CovalentRadius, what + QStringLiteral(" radius")),
            KilojoulesPerMole(source.IonisationEnergy, what + QStringLiteral(" ionisation energy")),
            states,
        };
        text += fields.join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return text;
}
