#include "Isotopes.h"

#include "ElementSources.h"
#include "Pictures.h"

#include <QFile>
#include <QPainter>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>

namespace {

const QColor Grid(0xD0, 0xD0, 0xD0);
const QColor StableBar(0x3A, 0x6E, 0xC8);
const QColor RadioactiveBar(0xE0, 0x8A, 0x1E);

} // namespace

QMap<QString, QList<NaturalIsotope>> ReadNaturalIsotopes(const QString& isotopesXml)
{
    QFile file(isotopesXml);
    if (!file.open(QIODevice::ReadOnly))
        throw SourceError("cannot read " + isotopesXml.toStdString());
    QMap<QString, QList<NaturalIsotope>> bySymbol;
    QXmlStreamReader xml(&file);
    QString symbol;
    NaturalIsotope isotope;
    bool natural = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("isotope")) {
            symbol = xml.attributes().value(QLatin1String("elementType")).toString();
            isotope = NaturalIsotope();
            isotope.MassNumber = xml.attributes().value(QLatin1String("number")).toInt();
            natural = false;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("scalar")) {
            const QString ref = xml.attributes().value(QLatin1String("dictRef")).toString();
            const QString text = xml.readElementText().trimmed();
            if (ref == QLatin1String("bo:relativeAbundance")) {
                isotope.Abundance = text.toDouble(&natural);
            } else if (ref == QLatin1String("bo:halfLife")) {
                isotope.Radioactive = true;
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("isotope") && natural) {
            bySymbol[symbol].append(isotope);
        }
    }
    if (xml.hasError())
        throw SourceError("damaged isotope file: " + xml.errorString().toStdString());
    for (auto it = bySymbol.cbegin(); it != bySymbol.cend(); ++it) {
        double sum = 0.0;
        for (const NaturalIsotope& i : *it)
            sum += i.Abundance;
        if (std::abs(sum - 100.0) > 0.05)
            throw SourceError("the abundances of " + it.key().toStdString() + " do not add up to 100 %");
    }
    return bySymbol;
}

QImage IsotopePicture(const ShippedElement& element, const QList<NaturalIsotope>& isotopes)
{
    QImage picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    picture.fill(PictureBackground);
    QPainter canvas(&picture);
    DrawPictureTitle(canvas, QStringLiteral("%1 (%2) – izotopy w przyrodzie").arg(element.PolishName, element.Symbol));

    const bool anyRadioactive = std::any_of(isotopes.cbegin(), isotopes.cend(), [](const NaturalIsotope& i) { return i.Radioactive; });
    const int left = 56, right = PictureWidth - 24, top = 48, bottom = PictureHeight - (anyRadioactive ? 58 : 42);
    const int plotHeight = bottom - top;
    // the scale: per cent of the element's atoms, gridlines every 25 %
    canvas.setFont(PictureFont(11));
    for (int percent = 0; percent <= 100; percent += 25) {
        const int y = bottom - plotHeight * percent / 100;
        canvas.setPen(percent == 0 ? PictureInk : Grid);
        canvas.drawLine(left, y, right, y);
        canvas.setPen(PictureInk);
        canvas.drawText(QRect(4, y - 7, left - 10, 14), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(percent));
    }
    const int count = int(isotopes.size());
    const int slot = (right - left) / std::max(count, 1);
    const int barWidth = std::min(56, slot * 3 / 5);
    for (int k = 0; k < count; ++k) {
        const NaturalIsotope& isotope = isotopes[k];
        const int centre = left + slot * k + slot / 2;
        const int height = std::max(1, int(std::lround(plotHeight * isotope.Abundance / 100.0)));
        canvas.fillRect(QRect(centre - barWidth / 2, bottom - height, barWidth, height), isotope.Radioactive ? RadioactiveBar : StableBar);
        canvas.setPen(PictureInk);
        canvas.setFont(PictureFont(11, true));
        const QString percent = PolishNumber(isotope.Abundance, 4) + QLatin1Char('%');
        canvas.drawText(QRect(centre - slot / 2, bottom - height - 16, slot, 14), Qt::AlignCenter, percent);
        // the nuclide: its mass number small and raised before the symbol
        const QFont small = PictureFont(11), large = PictureFont(16);
        const int massWidth = QFontMetrics(small).horizontalAdvance(QString::number(isotope.MassNumber));
        const int width = massWidth + QFontMetrics(large).horizontalAdvance(element.Symbol)
            + (isotope.Radioactive ? QFontMetrics(small).horizontalAdvance(QStringLiteral("*")) : 0);
        const int x = centre - width / 2;
        canvas.setFont(small);
        canvas.drawText(QPoint(x, bottom + 15), QString::number(isotope.MassNumber));
        canvas.setFont(large);
        canvas.drawText(QPoint(x + massWidth, bottom + 22), element.Symbol);
        if (isotope.Radioactive) {
            canvas.setFont(small);
            canvas.drawText(QPoint(x + massWidth + QFontMetrics(large).horizontalAdvance(element.Symbol), bottom + 15), QStringLiteral("*"));
        }
    }
    if (anyRadioactive) {
        canvas.setFont(PictureFont(11));
        canvas.setPen(PictureInk);
        canvas.fillRect(QRect(left, PictureHeight - 22, 12, 12), RadioactiveBar);
        canvas.drawText(QRect(left + 18, PictureHeight - 24, right - left - 18, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("* izotop promieniotwórczy o bardzo długim czasie połowicznego rozpadu"));
    }
    canvas.end();
    return picture;
}
