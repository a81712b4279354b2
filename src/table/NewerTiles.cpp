// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: "Pierwiastki 112–118", copernicium to oganesson taken in with their tiles, or left out.
#include "TAGlowne.h"

#include "Cp1250.h"
#include "ErrorReport.h"
#include "Menu.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "SpinEdit.h"
#include "TrackBar.h"
#include "ViewRules.h"

void TAGlowne::ShowNewerElements(bool shown)
{
    if (shown == NewerElementsShown())
        return;
    if (shown) {
        if (!newer_) {
            // read before anything changes: a damaged file leaves the table as it was
            std::optional<std::vector<NewerElement>> read;
            try {
                read = ReadNewerElements(folder_);
            } catch (const PropertiesError& e) {
                Pierwiastki1121181->SetChecked(false);
                ReportError(e.Message());
                return;
            }
            if (!read) {
                Pierwiastki1121181->SetChecked(false);
                Pierwiastki1121181->setEnabled(false);
                return;
            }
            newer_ = std::move(*read);
        }
        std::vector<TElementRecord> records;
        for (const NewerElement& element : *newer_)
            records.push_back(element.Record);
        ElementTable_.TakeInNewer(records);
        for (const TileCell& cell : ShownCells().subspan(ElementTable::FileCount)) {
            BuildTile(cell);
            // in the order of Tab with the other tiles, before the views' controls
            setTabOrder(panels_[std::size_t(cell.Number - 1)], panels_[std::size_t(cell.Number)]);
            panels_[std::size_t(cell.Number)]->show();
        }
        NameTiles(ElementTable::FileCount + 1);
    } else {
        const bool focused = currentTile_ && currentTile_->hasFocus();
        for (int number = ElementTable::FileCount + 1; number <= ElementTable::KnownCount; ++number) {
            TPlainPanel*& tile = panels_[std::size_t(number)];
            if (tile == currentTile_)
                focused ? FocusTile(panels_[1]) : MakeTileCurrent(panels_[1]);
            delete tile;
            tile = nullptr;
        }
        ElementTable_.LeaveOutNewer();
    }
    Pierwiastki1121181->SetChecked(shown);
    FitToElementsShown();
}

const NewerElement* TAGlowne::Newer(const QString& symbol) const
{
    if (!newer_ || !NewerElementsShown())
        return nullptr;
    for (const NewerElement& element : *newer_)
        if (QLatin1String(element.Record.Symbol.Text()) == symbol)
            return &element;
    return nullptr;
}

void TAGlowne::FitToElementsShown()
{
    const int last = ElementTable_.Last();
    suiSpinEdit1->SetMaxValue(last);
    suiTrackBar1->SetMax(last);
    suiTrackBar2->SetMax(DiscoveryLastPositionFor(ElementTable_));
    views_[0].Legend = AtomCountLegendFor(ElementTable_);

    ListNamesShown();

    // the table painted again as what is checked paints it
    for (const View& view : views_)
        if (!view.Panel->isHidden()) {
            FillLegend(view.Legend);
            view.Show(view.Slider->Position());
            return;
        }
    // (no colouring leaves the new tiles plain, as they are made, and the mark where it is)
    for (const auto& [colouring, item] : ColouringItems())
        if (item->Checked() && colouring != Colouring::None) {
            Koloruj_tablice(colouring);
            return;
        }
}
