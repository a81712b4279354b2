// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: the tiles and the group and period labels, a tile's click, Koloruj and the plain table.
#include "TAGlowne.h"

#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "TableLayout.h"
#include "PlainPanel.h"
#include "Cp1250.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>


// The tiles and the group and period labels, on the form surface.
void TAGlowne::BuildTable()
{
    for (const TileCell& cell : ShownCells())
        BuildTile(cell);
    MakeTileCurrent(panels_[1]);
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

void TAGlowne::BuildTile(const TileCell& cell)
{
    auto* tile = new TPlainPanel(suiForm1, TPlainPanel::Bevel::Lowered, TPlainPanel::Bevel::Raised);
    tile->setObjectName(QStringLiteral("Panel%1").arg(cell.Number));
    tile->setGeometry(QRect(TileOrigin(cell.Column, cell.Row), QSize(TileWidth, TileHeight)));
    tile->setFont(SansSerifFont(true));
    tile->SetCaption(QString::fromLatin1(cell.Symbol));
    tile->OnClick = [this](TPlainPanel* sender) { PanelClick(sender); };
    tile->Describe = [this, tile] { return TileMeaning(tile); };
    tile->installEventFilter(this);
    tile->SetVeiled(plainForQuestion_);
    panels_[std::size_t(cell.Number)] = tile;
}

std::span<const TileCell> TAGlowne::ShownCells() const
{
    return std::span(TileCells()).first(std::size_t(ElementTable_.Last()));
}

// A tile's tooltip is made when asked for, so that start-up reads no more than the table.
bool TAGlowne::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip && event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* tile = qobject_cast<TPlainPanel*>(watched);
    if (!tile)
        return false;
    if (event->type() == QEvent::KeyPress)
        return TileKey(tile, static_cast<QKeyEvent*>(event));
    if (plainForQuestion_)
        return true;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), TileToolTip(tile->Caption()), tile);
    return true;
}

QString TAGlowne::TileToolTip(const QString& symbol)
{
    const std::optional<QByteArray> bytes = StringToCp1250(symbol);
    const std::optional<int> index = bytes ? Znajdz_pierwiastek(ElementTable_, *bytes) : std::nullopt;
    if (!index)
        return symbol;
    const TElementRecord& record = ElementTable_[*index];
    QString text = QStringLiteral("%1 (%2) — liczba atomowa %3")
                       .arg(Cp1250ToString(record.PolishName.Text()), symbol)
                       .arg(record.AtomicNumber);
    // quietly: a damaged file is reported where the figures are shown, not over a tooltip
    if (const ElementProperties* properties = properties_ ? properties_->Find(symbol, true) : nullptr)
        text += QStringLiteral(", masa atomowa ") + ElementProperties::Shown(properties->AtomicWeight);
    if (record.AtomicNumber > ElementTable::FileCount)
        text += QStringLiteral(" (właściwości przewidywane)");
    return text;
}

TPlainPanel* TAGlowne::TileOf(const QString& symbol) const
{
    for (const TileCell& cell : ShownCells())
        if (symbol == QLatin1String(cell.Symbol))
            return panels_[std::size_t(cell.Number)];
    return nullptr;
}

void TAGlowne::PanelClick(TPlainPanel* sender)
{
    // a click moves the keyboard's place in the table, and the focus with it when the table has it
    if (currentTile_ && currentTile_->hasFocus())
        FocusTile(sender);
    else
        MakeTileCurrent(sender);
    if (tileAnswer_) {
        // the answer may end the asking, and with it this function object
        const auto answer = tileAnswer_;
        answer(sender->Caption());
        return;
    }
    Infoopire(sender->Caption());
}

void TAGlowne::Koloruj(int column, int row, TColor color)
{
    if (const int number = TileAt(column, row); number && number <= ElementTable_.Last()) {
        // the black text of every colouring but those by a figure, which set theirs after
        panels_[std::size_t(number)]->SetColor(color);
        panels_[std::size_t(number)]->SetFontColor(clWindowText);
    }
}

void TAGlowne::Wyczysc_tablice()
{
    for (int column = 1; column <= 18; ++column)
        for (int row = 1; row <= 9; ++row)
            Koloruj(column, row, clBtnFace);
}
