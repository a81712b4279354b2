// TAGlowne: the legend, the colourings of "Kolorowanie", the group of check marks and the mark of the chosen element.
#include "TAGlowne.h"

#include "CheckBox.h"
#include "ColouringRules.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "Menu.h"
#include "Panel.h"
#include "PlainPanel.h"

#include <QTimer>

void TAGlowne::BuildLegend()
{
    suiPanel1 = NewCaptionPanel(suiForm1, QStringLiteral("suiPanel1"), QRect(120, 64, 281, 137), QStringLiteral("Legenda kolorów"));
    for (int entry = 1; entry <= 6; ++entry) {
        auto* swatch = new TPlainPanel(suiPanel1, TPlainPanel::Bevel::Raised, TPlainPanel::Bevel::None);
        swatch->setObjectName(QStringLiteral("PKolor%1").arg(entry));
        swatch->setGeometry(8, 16 + 16 * entry, 17, 17);
        swatch->hide();
        swatches_[std::size_t(entry)] = swatch;
        auto* label = new TLabel(QStringLiteral("LKolor%1").arg(entry), suiPanel1);
        label->setObjectName(QStringLiteral("LKolor%1").arg(entry));
        label->setFont(SansSerifFont(true));
        label->move(32, 16 + 16 * entry);
        label->hide();
        legendLabels_[std::size_t(entry)] = label;
    }
}

void TAGlowne::Ukryj_legende()
{
    for (int entry = 1; entry <= 6; ++entry)
        legendLabels_[std::size_t(entry)]->hide();
    for (int entry = 1; entry <= 6; ++entry)
        swatches_[std::size_t(entry)]->hide();
    suiPanel1->hide();
}

void TAGlowne::Zatrzymaj_animacje_tablicy()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    // unchecking raises each box's click handler, which leaves its timer off
    for (TsuiCheckBox* box : {suiCheckBox1, suiCheckBox2, suiCheckBox3})
        box->SetChecked(false);
}

void TAGlowne::CheckInGroup(TMenuItem* own)
{
    for (TMenuItem* member : {Bezkolorw1, Grupypierwiastkw1, Podziametali1, Podzianiemetali1, Liczbaatomw1,
                              Liczbaatomw2, Datyodkry1, Stanyskupienia1})
        member->SetChecked(member == own);
}

void TAGlowne::FillLegend(const std::vector<LegendEntry>& legend)
{
    for (std::size_t entry = 1; entry <= legend.size(); ++entry) {
        swatches_[entry]->show();
        swatches_[entry]->SetColor(legend[entry - 1].Color);
        legendLabels_[entry]->show();
        legendLabels_[entry]->SetCaption(legend[entry - 1].Text);
    }
    suiPanel1->show();
}

void TAGlowne::ReplaceLegend(const std::vector<LegendEntry>& legend)
{
    // what hiding the legend and filling it again leaves, without hiding what shows again at once
    for (std::size_t entry = legend.size() + 1; entry <= 6; ++entry) {
        legendLabels_[entry]->hide();
        swatches_[entry]->hide();
    }
    FillLegend(legend);
}

std::array<std::pair<Colouring, TMenuItem*>, 5> TAGlowne::ColouringItems() const
{
    return {{{Colouring::None, Bezkolorw1},
             {Colouring::MetalsAndNonMetals, Grupypierwiastkw1},
             {Colouring::MetalKinds, Podziametali1},
             {Colouring::NonMetalKinds, Podzianiemetali1},
             {Colouring::AtomCount, Liczbaatomw1}}};
}

void TAGlowne::Koloruj_tablice(Colouring colouring)
{
    TMenuItem* own = nullptr;
    for (const auto& [each, item] : ColouringItems())
        if (each == colouring)
            own = item;
    CheckInGroup(own);
    const ColouringRules& rules = RulesOf(colouring);
    if (rules.StopsAnimations)
        Zatrzymaj_animacje_tablicy();
    if (rules.HidesLegend && rules.Legend.empty())
        Ukryj_legende();
    if (rules.ClearsTable)
        Wyczysc_tablice();
    for (const TilePaint& paint : PaintsOf(colouring, ElementTable_))
        Koloruj(paint.Column, paint.Row, paint.Color);
    if (rules.HidesLegend && !rules.Legend.empty())
        ReplaceLegend(rules.Legend);
    else if (!rules.Legend.empty())
        FillLegend(rules.Legend);
}

void TAGlowne::Bezkolorw1Click(QObject*)
{
    Koloruj_tablice(Colouring::None);
}

void TAGlowne::Grupypierwiastkw1Click(QObject*)
{
    Koloruj_tablice(Colouring::MetalsAndNonMetals);
}

void TAGlowne::Podziametali1Click(QObject*)
{
    Koloruj_tablice(Colouring::MetalKinds);
}

void TAGlowne::Podzianiemetali1Click(QObject*)
{
    Koloruj_tablice(Colouring::NonMetalKinds);
}

void TAGlowne::Liczbaatomw1Click(QObject*)
{
    Koloruj_tablice(Colouring::AtomCount);
}

void TAGlowne::Zaznacz_pierwiastek(int element)
{
    if (element < 1 || element > ElementTable::Count)
        return;
    // the first colouring whose item is checked; none while an interactive view is on
    for (const auto& [colouring, item] : ColouringItems()) {
        if (!item->Checked())
            continue;
        Koloruj_tablice(colouring);
        const TElementRecord& record = ElementTable_[element];
        Koloruj(record.TableColumn, record.TableRow, RulesOf(colouring).Mark);
        return;
    }
}
