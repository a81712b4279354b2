// SPDX-License-Identifier: GPL-3.0-or-later
#include "Solubility.h"

#include "FileAccess.h"
#include "InOutError.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <functional>

namespace {

constexpr int MaxLineLength = 4096;
constexpr int CellColumns = 11, SeriesColumns = 6;

const QString Dash = QStringLiteral("—");

bool IsFigure(const QString& text)
{
    static const QRegularExpression figure(QStringLiteral("^[0-9]{1,6}(\\.[0-9]{1,8})?$"));
    return figure.match(text).hasMatch();
}

bool IsIon(const QString& text)
{
    static const QRegularExpression ion(QStringLiteral("^[A-Z][A-Za-z0-9()]{0,15}(\\^[1-4][+-]|[+-])$"));
    return ion.match(text).hasMatch();
}

// The lines of a table that are neither comments nor blank, with their numbers, the first one (the
// column names) left out; each line's fields, checked for their count.
void ForEachLine(const QByteArray& text, const QString& path, int columns, const std::function<void(int, const QStringList&)>& take)
{
    const QString whole = QString::fromUtf8(text);
    if (whole.toUtf8() != text)
        throw SolubilityError(path, 0, QStringLiteral("nie jest zapisany w UTF-8"));
    const QStringList lines = whole.split(QLatin1Char('\n'));
    bool header = true;
    for (int k = 0; k < lines.size(); ++k) {
        QString line = lines[k];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.size() > MaxLineLength)
            throw SolubilityError(path, k + 1, QStringLiteral("wiersz dłuższy niż %1 znaków").arg(MaxLineLength));
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != columns)
            throw SolubilityError(path, k + 1, QStringLiteral("liczba kolumn: %1 zamiast %2").arg(fields.size()).arg(columns));
        if (header) {
            header = false;
            continue;
        }
        take(k + 1, fields);
    }
}

QByteArray ReadWhole(const QString& path)
{
    QByteArray text;
    try {
        ReadOnlyFile file(path);
        text.resize(MaxSolubilityBytes + 1);
        text.resize(qsizetype(file.Read(text.data(), std::size_t(text.size()))));
    } catch (const std::exception& e) {
        throw SolubilityError(path, -1, ReasonInPolish(e));
    }
    if (text.size() > MaxSolubilityBytes)
        throw SolubilityError(path, 0, QStringLiteral("jest większy niż %1 KB").arg(MaxSolubilityBytes / 1024));
    return text;
}

} // namespace

QString LetterOf(Solubility solubility)
{
    switch (solubility) {
    case Solubility::Soluble: return QStringLiteral("R");
    case Solubility::Sparingly: return QStringLiteral("T");
    case Solubility::Insoluble: return QStringLiteral("N");
    case Solubility::None: break;
    }
    return Dash;
}

QString MeaningOf(Solubility solubility)
{
    switch (solubility) {
    case Solubility::Soluble: return QStringLiteral("substancja rozpuszczalna");
    case Solubility::Sparingly: return QStringLiteral("substancja trudno rozpuszczalna");
    case Solubility::Insoluble: return QStringLiteral("substancja praktycznie nierozpuszczalna");
    case Solubility::None: break;
    }
    return QStringLiteral("nie istnieje lub rozkłada się w wodzie");
}

QString ChemicalShown(const QString& written)
{
    static const QString low = QStringLiteral("₀₁₂₃₄₅₆₇₈₉"), high = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString body = written, charge;
    static const QRegularExpression single(QStringLiteral("^[A-Z][a-z]?([0-9])([+-])$"));
    const qsizetype caret = written.indexOf(QLatin1Char('^'));
    if (caret >= 0) {
        body = written.left(caret);
        charge = written.mid(caret + 1);
    } else if (const QRegularExpressionMatch m = single.match(written); m.hasMatch()) {
        body = written.left(m.capturedStart(1));
        charge = m.captured(1) + m.captured(2);
    } else if (written.endsWith(QLatin1Char('+')) || written.endsWith(QLatin1Char('-'))) {
        body = written.chopped(1);
        charge = written.right(1);
    }
    QString shown;
    for (const QChar c : body)
        shown += c.isDigit() ? low[c.digitValue()] : c;
    for (const QChar c : charge)
        shown += c.isDigit() ? high[c.digitValue()] : c == QLatin1Char('+') ? QStringLiteral("⁺") : QStringLiteral("⁻");
    return shown;
}

Solubility FromFigure(double gramsPer100g)
{
    return gramsPer100g > 1 ? Solubility::Soluble : gramsPer100g >= 0.1 ? Solubility::Sparingly : Solubility::Insoluble;
}

const SolubilityCell* SolubilityData::Cell(const QString& cation, const QString& anion) const
{
    for (const SolubilityCell& cell : Cells)
        if (cell.Cation == cation && cell.Anion == anion)
            return &cell;
    return nullptr;
}

SolubilityError::SolubilityError(const QString& path, int line, const QString& reason)
    : std::runtime_error("solubility file refused"),
      message_(line < 0   ? QStringLiteral("Nie można odczytać pliku „%1”: %2.").arg(PathAsShown(path), reason)
               : line > 0 ? QStringLiteral("Plik „%1” jest uszkodzony (wiersz %2): %3.").arg(PathAsShown(path)).arg(line).arg(reason)
                          : QStringLiteral("Plik „%1” jest uszkodzony: %2.").arg(PathAsShown(path), reason))
{
}

std::vector<SolubilityCell> ParseSolubility(const QByteArray& text, const QString& path)
{
    std::vector<SolubilityCell> cells;
    QSet<QString> seen;
    QStringList cations, anions;
    ForEachLine(text, path, CellColumns, [&](int number, const QStringList& f) {
        const auto fail = [&](const QString& reason) { throw SolubilityError(path, number, reason); };
        SolubilityCell cell{f[0], f[1], f[2], f[3], f[4], f[5], Solubility::None, f[7], f[8], f[9], f[10]};
        if (!IsIon(cell.Cation) || !cell.Cation.endsWith(QLatin1Char('+')))
            fail(QStringLiteral("zły kation „%1”").arg(cell.Cation.left(16)));
        if (!IsIon(cell.Anion) || !cell.Anion.endsWith(QLatin1Char('-')))
            fail(QStringLiteral("zły anion „%1”").arg(cell.Anion.left(16)));
        if (seen.contains(cell.Cation + QLatin1Char('|') + cell.Anion))
            fail(QStringLiteral("para %1 i %2 po raz drugi").arg(cell.Cation, cell.Anion));
        seen.insert(cell.Cation + QLatin1Char('|') + cell.Anion);
        if (!cations.contains(cell.Cation))
            cations << cell.Cation;
        if (!anions.contains(cell.Anion))
            anions << cell.Anion;
        if (cell.Formula.isEmpty() || cell.Name.isEmpty())
            fail(QStringLiteral("brak wzoru albo nazwy"));
        const QString letter = f[6];
        if (letter == QLatin1String("R"))
            cell.Letter = Solubility::Soluble;
        else if (letter == QLatin1String("T"))
            cell.Letter = Solubility::Sparingly;
        else if (letter == QLatin1String("N"))
            cell.Letter = Solubility::Insoluble;
        else if (letter != Dash)
            fail(QStringLiteral("zła litera „%1” (R, T, N albo —)").arg(letter.left(8)));
        if (!cell.Figure.isEmpty()) {
            if (!IsFigure(cell.Figure))
                fail(QStringLiteral("rozpuszczalność „%1” nie jest liczbą").arg(cell.Figure.left(16)));
            static const QRegularExpression temperature(QStringLiteral("^-?[0-9]{1,3}$"));
            if (!temperature.match(cell.Temperature).hasMatch())
                fail(QStringLiteral("rozpuszczalność bez temperatury"));
        }
        if (cell.Source.isEmpty())
            fail(QStringLiteral("brak źródła"));
        if (cell.Letter == Solubility::None && cell.Reason.isEmpty())
            fail(QStringLiteral("kreska bez przyczyny"));
        cells.push_back(std::move(cell));
    });
    if (cells.empty())
        throw SolubilityError(path, 0, QStringLiteral("nie ma w nim żadnej komórki"));
    if (qsizetype(cells.size()) != cations.size() * anions.size())
        throw SolubilityError(path, 0, QStringLiteral("nie każdy kation ma komórkę z każdym anionem"));
    return cells;
}

std::vector<ActivityEntry> ParseActivitySeries(const QByteArray& text, const QString& path)
{
    std::vector<ActivityEntry> series;
    ForEachLine(text, path, SeriesColumns, [&](int number, const QStringList& f) {
        const auto fail = [&](const QString& reason) { throw SolubilityError(path, number, reason); };
        static const QRegularExpression symbol(QStringLiteral("^[A-Z][a-z]?$"));
        static const QRegularExpression potential(QStringLiteral("^[+-]?[0-9]{1,2}\\.[0-9]{1,5}$"));
        ActivityEntry entry{f[0], f[1], f[2], f[3], f[4] == QLatin1String("tak"), f[5]};
        if (!symbol.match(entry.Symbol).hasMatch())
            fail(QStringLiteral("zły symbol „%1”").arg(entry.Symbol.left(8)));
        if (!potential.match(entry.Potential).hasMatch())
            fail(QStringLiteral("potencjał „%1” nie jest liczbą").arg(entry.Potential.left(16)));
        if (f[4] != QLatin1String("tak") && f[4] != QLatin1String("nie") && f[4] != QStringLiteral("wodór"))
            fail(QStringLiteral("„%1” zamiast „tak”, „nie” albo „wodór”").arg(f[4].left(8)));
        if (entry.Source.isEmpty())
            fail(QStringLiteral("brak źródła"));
        if (!series.empty() && series.back().Potential.toDouble() > entry.Potential.toDouble())
            fail(QStringLiteral("metale nie są ułożone od najbardziej aktywnego"));
        series.push_back(std::move(entry));
    });
    if (series.empty())
        throw SolubilityError(path, 0, QStringLiteral("nie ma w nim żadnego metalu"));
    return series;
}

std::optional<SolubilityData> ReadSolubility(const DataFolder& folder)
{
    const QString cells = folder.DescriptionPath(QStringLiteral("rozpuszczalnosc.txt"));
    const QString series = folder.DescriptionPath(QStringLiteral("szereg-aktywnosci.txt"));
    if (!QFileInfo::exists(cells) || !QFileInfo::exists(series))
        return std::nullopt;
    SolubilityData data;
    data.Cells = ParseSolubility(ReadWhole(cells), cells);
    for (const SolubilityCell& cell : data.Cells) {
        if (!data.Cations.contains(cell.Cation))
            data.Cations << cell.Cation;
        if (!data.Anions.contains(cell.Anion))
            data.Anions << cell.Anion;
    }
    data.Series = ParseActivitySeries(ReadWhole(series), series);
    return data;
}
