// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: the table from the keyboard. One tile at a time takes the focus (H at first), reached
// by Tab after "Szukaj"; the arrows, Home and End move it over the grid, Enter or Space opens its
// element as a click does, and a symbol or atomic number typed within a second jumps to its tile.
#include "TAGlowne.h"

#include "Cp1250.h"
#include "ErrorReport.h"
#include "PlainPanel.h"
#include "TableLayout.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

constexpr qint64 TypingPause = 1000;  // milliseconds between the letters of one symbol or number

// "na" and "NA" as "Na": a symbol's first letter is a capital, the others small.
QString AsSymbol(const QString& typed)
{
    return typed.left(1).toUpper() + typed.mid(1).toLower();
}

} // namespace

void TAGlowne::MakeTileCurrent(TPlainPanel* tile)
{
    if (tile == currentTile_)
        return;
    if (currentTile_)
        currentTile_->setFocusPolicy(Qt::NoFocus);
    currentTile_ = tile;
    // the tiles stand together after the search in the order of Tab
    tile->setFocusPolicy(Qt::TabFocus);
}

void TAGlowne::FocusTile(TPlainPanel* tile)
{
    MakeTileCurrent(tile);
    tile->setFocus(Qt::OtherFocusReason);
}

TPlainPanel* TAGlowne::TileTypedTo(const QString& text)
{
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    if (digits) {
        const int number = text.toInt();
        for (int index = 1; index <= ElementTable_.Last(); ++index)
            if (ElementTable_[index].AtomicNumber == number && number > 0)
                return TileOf(Cp1250ToString(ElementTable_[index].Symbol.Text()));
        return nullptr;
    }
    return TileOf(AsSymbol(text));
}

bool TAGlowne::TileKey(TPlainPanel* tile, QKeyEvent* key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const std::pair<int, TileStep> steps[] = {{Qt::Key_Left, TileStep::Left},   {Qt::Key_Right, TileStep::Right},
                                              {Qt::Key_Up, TileStep::Up},       {Qt::Key_Down, TileStep::Down},
                                              {Qt::Key_Home, TileStep::RowStart}, {Qt::Key_End, TileStep::RowEnd}};
    const int number = int(std::find(panels_.begin() + 1, panels_.end(), tile) - panels_.begin());
    for (const auto& [code, step] : steps)
        if (key->key() == code) {
            FocusTile(panels_[std::size_t(StepFrom(number, step, ElementTable_.Last()))]);
            return true;
        }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space) {
        RunHandler([this, tile] { PanelClick(tile); });
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || !(text[0].isLetter() || text[0].isDigit()))
        return false;
    // a letter or digit goes on what was typed just before when the two are alike, or starts anew
    const bool goesOn = !typed_.isEmpty() && typedAt_.isValid() && typedAt_.elapsed() < TypingPause &&
                        typed_.back().isDigit() == text[0].isDigit();
    typedAt_.start();
    typed_ = goesOn ? typed_ + text : text;
    TPlainPanel* target = TileTypedTo(typed_);
    if (!target && goesOn) {
        typed_ = text;
        target = TileTypedTo(typed_);
    }
    if (target)
        FocusTile(target);
    return true;
}
