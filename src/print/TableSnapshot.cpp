// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"

#include "Colors.h"
#include "Cp1250.h"
#include "ElementProperties.h"
#include "Label.h"
#include "Menu.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "PropertyScales.h"
#include "SpinEdit.h"
#include "TAGlowne.h"
#include "TableLayout.h"

namespace {

// The setting of the view the legend belongs to: the view checked in the menu, not any panel left
// open beside a colouring chosen after it.
QString ViewSetting(const TAGlowne& window)
{
    if (window.Liczbaatomw2->Checked())
        return QStringLiteral("Liczba atomów: %1").arg(window.suiSpinEdit1->Value());
    if (window.Datyodkry1->Checked())
        return QStringLiteral("Data odkrycia: %1").arg(window.Label30->Caption());
    if (window.Stanyskupienia1->Checked())
        return QStringLiteral("Temperatura: %1").arg(QString(window.Label32->Caption()).replace(QStringLiteral("*C"), QStringLiteral("°C")));
    return {};
}

} // namespace

TablePicture PictureOfTable(const TAGlowne& window, PropertiesStore* properties)
{
    TablePicture picture;
    picture.Edition = QStringLiteral("Układ Okresowy " UKLAD_VERSION);
    picture.Printed = QDate::currentDate();
    const ElementTable& elements = window.Elements();
    const std::optional<Colouring> scale = window.ScaleShown();
    for (const TileCell& cell : window.ShownCells()) {
        PrintedTile tile;
        tile.Column = cell.Column;
        tile.Row = cell.Row;
        tile.Symbol = QLatin1String(cell.Symbol);
        // as the table shows it: plain while a question asks for a tile
        const TPlainPanel* panel = window.Panel(cell.Number);
        const TColor colour = panel->Veiled() ? clBtnFace : panel->Color();
        tile.Background = ColorToRGB(colour);
        tile.Plain = colour == clBtnFace;
        if (const std::optional<int> index = Znajdz_pierwiastek(elements, QByteArray(cell.Symbol))) {
            tile.Number = elements[*index].AtomicNumber;
            tile.Name = Cp1250ToString(elements[*index].PolishName.Text());
            if (scale)
                tile.Figure = FigureNumber(window.FigureOf(*scale, elements[*index], true));
        }
        // quietly: a damaged figures' file is reported where the figures are shown
        if (const ElementProperties* figures = properties ? properties->Find(tile.Symbol, true) : nullptr)
            tile.Weight = ElementProperties::Shown(figures->AtomicWeight);
        picture.Tiles.push_back(tile);
    }
    if (!window.suiPanel1->isHidden()) {
        PrintedLegend& legend = picture.Legend;
        legend.Title = window.suiPanel1->Caption();
        legend.Setting = ViewSetting(window);
        legend.Shades = scale || window.Liczbaatomw1->Checked() || window.Liczbaatomw2->Checked();
        if (scale) {
            const QString caption = QString::fromUtf8(ScaleOf(*scale).Caption);
            legend.FigureName = caption.left(1).toLower() + caption.mid(1);
        }
        for (int entry = 1; entry <= TAGlowne::LegendEntries; ++entry)
            if (!window.PKolor(entry)->isHidden()) {
                const TColor colour = window.PKolor(entry)->Color();
                legend.Entries.push_back({ColorToRGB(colour), window.LKolor(entry)->Caption(), colour == clBtnFace});
            }
    }
    return picture;
}
