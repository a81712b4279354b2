// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolubilityPage.h"

#include "PrintFonts.h"
#include "SolubilityGrid.h"

#include <QPainter>

#include <algorithm>

namespace {

// Laid out in tenths of a millimetre of an A4 portrait page inside margins of 10 mm.
constexpr double Width = 1900, Height = 2770;
constexpr double TitleHeight = 110, HeaderWidth = 230, HeaderHeight = 100, LegendGap = 40;

} // namespace

void PaintSolubilityPage(QPainter& painter, const QRectF& area, const SolubilityData& data)
{
    if (data.Cations.isEmpty() || data.Anions.isEmpty())
        return;
    painter.save();
    const double scale = std::min(area.width() / Width, area.height() / Height);
    painter.translate(area.left() + (area.width() - Width * scale) / 2, area.top());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(PrintFont(52, true));
    painter.drawText(QRectF(0, 0, Width, TitleHeight - 20), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Rozpuszczalność soli i wodorotlenków w wodzie"));
    const double cellWidth = (Width - HeaderWidth) / double(data.Anions.size());
    const double cellHeight = std::min(90.0, (Height - TitleHeight - HeaderHeight - 560) / double(data.Cations.size()));
    const double top = TitleHeight;
    const double bottom = top + HeaderHeight + cellHeight * double(data.Cations.size());
    painter.fillRect(QRectF(0, top, Width, HeaderHeight), QColor(232, 232, 232));
    painter.fillRect(QRectF(0, top, HeaderWidth, bottom - top), QColor(232, 232, 232));
    painter.setFont(PrintFont(34, true));
    for (int column = 0; column < data.Anions.size(); ++column)
        painter.drawText(QRectF(HeaderWidth + column * cellWidth, top, cellWidth, HeaderHeight), Qt::AlignCenter, ChemicalShown(data.Anions[column]));
    for (int row = 0; row < data.Cations.size(); ++row)
        painter.drawText(QRectF(0, top + HeaderHeight + row * cellHeight, HeaderWidth - 24, cellHeight), Qt::AlignRight | Qt::AlignVCenter,
                         ChemicalShown(data.Cations[row]));
    for (int row = 0; row < data.Cations.size(); ++row)
        for (int column = 0; column < data.Anions.size(); ++column)
            if (const SolubilityCell* cell = data.Cell(data.Cations[row], data.Anions[column])) {
                painter.setPen(SolubilityGrid::LetterColour(cell->Letter));
                painter.setFont(PrintFont(40, cell->Letter != Solubility::None));
                painter.drawText(QRectF(HeaderWidth + column * cellWidth, top + HeaderHeight + row * cellHeight, cellWidth, cellHeight),
                                 Qt::AlignCenter, LetterOf(cell->Letter));
            }
    painter.setPen(QPen(QColor(120, 120, 120), 2));
    for (int row = 0; row <= data.Cations.size(); ++row)
        painter.drawLine(QPointF(0, top + HeaderHeight + row * cellHeight), QPointF(Width, top + HeaderHeight + row * cellHeight));
    for (int column = 0; column <= data.Anions.size(); ++column)
        painter.drawLine(QPointF(HeaderWidth + column * cellWidth, top), QPointF(HeaderWidth + column * cellWidth, bottom));
    painter.drawRect(QRectF(0, top, Width, bottom - top));

    double y = bottom + LegendGap;
    painter.setFont(PrintFont(30));
    for (const Solubility letter : {Solubility::Soluble, Solubility::Sparingly, Solubility::Insoluble, Solubility::None}) {
        static const char* const thresholds[] = {" (powyżej 1 g w 100 g wody)", " (od 0,1 g do 1 g w 100 g wody)", " (poniżej 0,1 g w 100 g wody)", ""};
        painter.setPen(SolubilityGrid::LetterColour(letter));
        painter.setFont(PrintFont(30, true));
        painter.drawText(QRectF(0, y, 60, 44), Qt::AlignCenter, LetterOf(letter));
        painter.setPen(Qt::black);
        painter.setFont(PrintFont(30));
        painter.drawText(QRectF(80, y, Width - 80, 44), Qt::AlignLeft | Qt::AlignVCenter,
                         MeaningOf(letter) + QString::fromUtf8(thresholds[int(letter)]));
        y += 50;
    }
    painter.setFont(PrintFont(22));
    painter.drawText(QRectF(0, y + 20, Width, Height - y - 20), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Liczby: gramy substancji bezwodnej w 100 g wody w roztworze nasyconym, w 20 °C lub 25 °C. Źródła: CRC Handbook of "
                                    "Chemistry and Physics, wyd. 91 (rozpuszczalność) i 87 (iloczyny rozpuszczalności); romek.info [04-26]; "
                                    "litery komórek bez liczby według szkolnych tabel rozpuszczalności (heweliusz.org, pl.wikibooks). "
                                    "Źródło każdej komórki podaje plik Zbiory/rozpuszczalnosc.txt programu Układ Okresowy."));
    painter.restore();
}
