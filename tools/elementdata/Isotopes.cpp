// SPDX-License-Identifier: GPL-3.0-or-later
#include "Isotopes.h"

#include "ElementSources.h"
#include "Pictures.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const QColor Grid(0xD0, 0xD0, 0xD0);
const QColor StableBar(0x3A, 0x6E, 0xC8);
const QColor RadioactiveBar(0xE0, 0x8A, 0x1E);

// A piece of a line of text, raised as an exponent or not.
struct TextRun {
    QString Text;
    bool Raised = false;
};

QFont RunFont(const TextRun& run)
{
    return PictureFont(run.Raised ? 8 : 11);
}

// "okres półtrwania 3,76·10¹⁰ lat" from "3.76e10", or the figure alone.
QList<TextRun> HalfLifeRuns(const QString& halfLife, bool named)
{
    const QString mantissa = halfLife.section(QLatin1Char('e'), 0, 0).replace(QLatin1Char('.'), QLatin1Char(','));
    const QString exponent = halfLife.section(QLatin1Char('e'), 1);
    const QString prefix = named ? QStringLiteral("okres półtrwania ") : QString();
    return {{prefix + mantissa + QStringLiteral("·10")}, {exponent, true}, {QStringLiteral(" lat")}};
}

int RunsWidth(const QList<TextRun>& runs)
{
    int width = 0;
    for (const TextRun& run : runs)
        width += QFontMetrics(RunFont(run)).horizontalAdvance(run.Text);
    return width;
}

void DrawRuns(QPainter& canvas, QPoint baseline, const QList<TextRun>& runs)
{
    for (const TextRun& run : runs) {
        canvas.setFont(RunFont(run));
        canvas.drawText(baseline + QPoint(0, run.Raised ? -5 : 0), run.Text);
        baseline.rx() += QFontMetrics(RunFont(run)).horizontalAdvance(run.Text);
    }
}

} // namespace

QMap<QString, QList<NaturalIsotope>> ReadNaturalIsotopes(const QString& isotopesTsv)
{
    static const QRegularExpression abundance(QStringLiteral("^[0-9]+(?:\\.([0-9]+))?$"));
    static const QRegularExpression halfLife(QStringLiteral("^[1-9](?:\\.[0-9]+)?e[0-9]+$"));
    QMap<QString, QList<NaturalIsotope>> bySymbol;
    for (const QStringList& cells : ReadTable(isotopesTsv, 5)) {
        const QString what = cells[0] + QLatin1Char(' ') + cells[1];
        NaturalIsotope isotope;
        bool ok = false;
        isotope.MassNumber = cells[1].toInt(&ok);
        const auto figure = abundance.match(cells[2]);
        if (!ok || isotope.MassNumber <= 0 || !figure.hasMatch())
            throw SourceError("isotope table: unreadable row " + what.toStdString());
        isotope.Abundance = cells[2].toDouble();
        isotope.Decimals = int(figure.capturedLength(1));
        if (cells[3] != QLatin1String("-")) {
            if (!halfLife.match(cells[3]).hasMatch())
                throw SourceError("isotope table: a half-life is years as 3.76e10 or \"-\": " + what.toStdString());
            isotope.HalfLife = cells[3];
        }
        QList<NaturalIsotope>& isotopes = bySymbol[cells[0]];
        if (!isotopes.isEmpty() && isotopes.back().MassNumber >= isotope.MassNumber)
            throw SourceError("isotope table: mass numbers out of order at " + what.toStdString());
        isotopes.append(isotope);
    }
    for (auto it = bySymbol.cbegin(); it != bySymbol.cend(); ++it) {
        double sum = 0.0;
        for (const NaturalIsotope& i : *it)
            sum += i.Abundance;
        if (std::abs(sum - 100.0) > 0.05)
            throw SourceError("the abundances of " + it.key().toStdString() + " do not add up to 100 %");
    }
    return bySymbol;
}

QMap<QString, QList<int>> RepositoryNaturalIsotopes(const QString& isotopesXml)
{
    QFile file(isotopesXml);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError("cannot read " + isotopesXml.toStdString());
    QMap<QString, QList<int>> bySymbol;
    QXmlStreamReader xml(&file);
    QString symbol;
    int massNumber = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("isotope")) {
            symbol = xml.attributes().value(QLatin1String("elementType")).toString();
            massNumber = xml.attributes().value(QLatin1String("number")).toInt();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("scalar")
                   && xml.attributes().value(QLatin1String("dictRef")) == QLatin1String("bo:relativeAbundance")) {
            bySymbol[symbol].append(massNumber);
        }
    }
    if (xml.hasError())
        throw SourceError("damaged isotope file: " + xml.errorString().toStdString());
    return bySymbol;
}

QString IsotopeText(const ShippedElement& element, const QList<NaturalIsotope>& isotopes)
{
    int decimals = 0;
    for (const NaturalIsotope& isotope : isotopes)
        decimals = std::max(decimals, isotope.Decimals);
    QStringList parts;
    for (const NaturalIsotope& isotope : isotopes) {
        QString part = QStringLiteral("%1-%2 %3 %").arg(element.Symbol).arg(isotope.MassNumber)
                           .arg(QString::number(isotope.Abundance, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(',')));
        if (isotope.Radioactive())
            part += QStringLiteral(" (promieniotwórczy, okres półtrwania %1 razy 10 do potęgi %2 lat)")
                        .arg(isotope.HalfLife.section(QLatin1Char('e'), 0, 0).replace(QLatin1Char('.'), QLatin1Char(',')),
                             isotope.HalfLife.section(QLatin1Char('e'), 1));
        parts << part;
    }
    return QStringLiteral("%1 (%2) – izotopy w przyrodzie: %3.").arg(element.PolishName, element.Symbol, parts.join(QStringLiteral(", ")));
}

QImage IsotopePicture(const ShippedElement& element, const QList<NaturalIsotope>& isotopes)
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(PictureBackground);
    QPainter canvas(&picture);
    DrawPictureTitle(canvas, QStringLiteral("%1 (%2) – izotopy w przyrodzie").arg(element.PolishName, element.Symbol));

    const int count = int(isotopes.size());
    const int left = 56, right = PictureWidth - 24, top = 48;
    const int slot = (right - left) / std::max(count, 1);
    const bool anyRadioactive = std::any_of(isotopes.cbegin(), isotopes.cend(), [](const NaturalIsotope& i) { return i.Radioactive(); });
    // one rule for the chart: the half-life is named under each bar when every such line fits its
    // slot, otherwise the legend names it once and the bars carry the figures alone
    const QFont small = PictureFont(11), large = PictureFont(16);
    bool named = true;
    for (const NaturalIsotope& isotope : isotopes)
        if (isotope.Radioactive())
            named = named && RunsWidth(HalfLifeRuns(isotope.HalfLife, true)) <= slot - 4;
    const int legendLines = anyRadioactive ? (named ? 1 : 2) : 0;
    const int bottom = PictureHeight - 42 - (anyRadioactive ? 16 + 16 * legendLines : 0);
    const int plotHeight = bottom - top;

    // the scale: per cent of the element's atoms, gridlines every 25 %
    canvas.setFont(small);
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = bottom - plotHeight * percent / 100;
        canvas.setPen(percent == 0 ? PictureInk : Grid);
        canvas.drawLine(left, y, right, y);
        canvas.setPen(PictureInk);
        canvas.drawText(QRect(4, y - 7, left - 10, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(percent));
    }
    // every label of a chart to the same decimals, the most any of its figures is given to, so that
    // a small abundance is not rounded away
    int decimals = 0;
    for (const NaturalIsotope& isotope : isotopes)
        decimals = std::max(decimals, isotope.Decimals);
    const int barWidth = std::min(56, slot * 3 / 5);
    for (int k = 0; k < count; ++k) {
        const NaturalIsotope& isotope = isotopes[k];
        const int centre = left + slot * k + slot / 2;
        const int height = std::max(1, int(std::lround(plotHeight * isotope.Abundance / 100.0)));
        canvas.fillRect(QRect(centre - barWidth / 2, bottom - height, barWidth, height), isotope.Radioactive() ? RadioactiveBar : StableBar);
        canvas.setPen(PictureInk);
        canvas.setFont(PictureFont(11, true));
        const QString percent = QString::number(isotope.Abundance, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(',')) + QLatin1Char('%');
        canvas.drawText(QRect(centre - slot / 2, bottom - height - 16, slot, 14), Qt::AlignCenter, percent);
        // the nuclide: its mass number small and raised before the symbol
        const int massWidth = QFontMetrics(small).horizontalAdvance(QString::number(isotope.MassNumber));
        const int width = massWidth + QFontMetrics(large).horizontalAdvance(element.Symbol)
            + (isotope.Radioactive() ? QFontMetrics(small).horizontalAdvance(QStringLiteral("*")) : 0);
        const int x = centre - width / 2;
        canvas.setFont(small);
        canvas.drawText(QPoint(x, bottom + 15), QString::number(isotope.MassNumber));
        canvas.setFont(large);
        canvas.drawText(QPoint(x + massWidth, bottom + 22), element.Symbol);
        if (isotope.Radioactive()) {
            canvas.setFont(small);
            canvas.drawText(QPoint(x + massWidth + QFontMetrics(large).horizontalAdvance(element.Symbol), bottom + 15), QStringLiteral("*"));
            const QList<TextRun> runs = HalfLifeRuns(isotope.HalfLife, named);
            const int runsWidth = RunsWidth(runs);
            DrawRuns(canvas, QPoint(std::clamp(centre - runsWidth / 2, 4, PictureWidth - 4 - runsWidth), bottom + 40), runs);
        }
    }
    if (anyRadioactive) {
        canvas.setFont(small);
        canvas.setPen(PictureInk);
        const int first = PictureHeight - 8 - 16 * legendLines;
        canvas.fillRect(QRect(left, first + 2, 12, 12), RadioactiveBar);
        canvas.drawText(QRect(left + 18, first, right - left - 18, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("* izotop promieniotwórczy: jego rozpad zaobserwowano (NUBASE2020), choćby tak powolny jak podwójny rozpad β"));
        if (!named)
            canvas.drawText(QRect(left + 18, first + 16, right - left - 18, 16), Qt::AlignLeft | Qt::AlignVCenter,
                            QStringLiteral("Pod izotopem promieniotwórczym podano jego okres półtrwania."));
    }
    canvas.end();
    return picture;
}
