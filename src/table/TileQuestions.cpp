// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: the practice window's menu item, and the table answering its questions.
#include "TAGlowne.h"

#include "Form.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "TableLayout.h"

void TAGlowne::Sprawdsi1Click(QObject*)
{
    if (openQuiz_)
        openQuiz_();
}

void TAGlowne::AskForTile(std::function<void(const QString& symbol)> answer, bool plain)
{
    tileAnswer_ = std::move(answer);
    plainForQuestion_ = plain;
    for (const TileCell& cell : ShownCells())
        panels_[std::size_t(cell.Number)]->SetVeiled(plain);
    ShowLegend(legendWanted_);
}

void TAGlowne::StopAskingForTile()
{
    AskForTile(nullptr, false);
}

QRect TAGlowne::TilesOnScreen() const
{
    QRect area;
    for (const TileCell& cell : ShownCells()) {
        const TPlainPanel* tile = panels_[std::size_t(cell.Number)];
        area |= QRect(tile->mapToGlobal(QPoint(0, 0)), tile->size());
    }
    return area;
}
