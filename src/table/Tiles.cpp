// TAGlowne: the tiles and the group and period labels, a tile's click, Koloruj and the plain table.
#include "TAGlowne.h"

#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "TableLayout.h"
#include "PlainPanel.h"


// The tiles and the group and period labels, on the form surface.
void TAGlowne::BuildTable()
{
    for (const TileCell& cell : TileCells()) {
        auto* tile = new TPlainPanel(suiForm1, TPlainPanel::Bevel::Lowered, TPlainPanel::Bevel::Raised);
        tile->setObjectName(QStringLiteral("Panel%1").arg(cell.Number));
        tile->setGeometry(QRect(TileOrigin(cell.Column, cell.Row), QSize(TileWidth, TileHeight)));
        tile->setFont(SansSerifFont(true));
        tile->SetCaption(QString::fromLatin1(cell.Symbol));
        tile->OnClick = [this](TPlainPanel* sender) { PanelClick(sender); };
        panels_[std::size_t(cell.Number)] = tile;
    }
    for (const LabelPlace& place : LabelPlaces()) {
        auto* label = new TLabel(QString::fromUtf8(place.Caption), suiForm1);
        label->setObjectName(QString::fromLatin1(place.Name));
        label->SetAutoSize(false);
        label->setGeometry(place.Geometry);
        label->setFont(SansSerifFont(true));
        label->SetAlignment(place.RightAligned ? Qt::AlignRight : Qt::AlignHCenter);
        labels_[std::size_t(QString::fromLatin1(place.Name).mid(5).toInt())] = label;
    }
}

void TAGlowne::PanelClick(TPlainPanel* sender)
{
    Infoopire(sender->Caption());
}

void TAGlowne::Koloruj(int column, int row, TColor color)
{
    if (const int number = TileAt(column, row))
        panels_[std::size_t(number)]->SetColor(color);
}

void TAGlowne::Wyczysc_tablice()
{
    for (int column = 1; column <= 18; ++column)
        for (int row = 1; row <= 9; ++row)
            Koloruj(column, row, clBtnFace);
}
