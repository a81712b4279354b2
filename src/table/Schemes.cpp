#include "TAGlowne.h"

#include "Cp1250.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "Menu.h"
#include "Schemes.h"
#include "Panel.h"
#include "TableLayout.h"
#include "PlainPanel.h"

#include <QTimer>

namespace {

struct ElementClass {
    TColor Color;
    const char* Legend;  // empty: the class has no legend entry
    const char* Symbols; // space-separated; empty: decided by the cells below
};

const ElementClass NonMetals = {0x53D771, "Niemetale", "H He C N O F Ne P S Cl Ar Se Br Kr I Xe At Rn"};
const ElementClass Semiconductors = {0x45C4FA, "Półprzewodniki", "B Si Ge As Sb Te Po"};
const ElementClass Metals = {0xE97501, "Metale", ""};

const ElementClass MetalKinds[] = {
    {0x82B0FD, "Metale alkaliczne", "Li Na K Rb Cs Fr"},
    {0x82EEFD, "Metale ziem alkalicznych", "Be Mg Ca Sr Ba Ra"},
    {0xD0F18D, "Metale przejściowe", ""},  // columns 3 to 12 of rows 4 to 7
    {0xCCB9B0, "Metale grup głównych", "Al Ga In Sn Tl Pb Bi"},
    {0x6DB6B6, "Metaloidy", "B Si Ge As Sb Te Po"},
};
constexpr TColor LanthanideRow = 0xFD82E8;
constexpr TColor ActinideRow = 0xFC3DDB;

const ElementClass NonMetalKinds[] = {
    {0x99FFCA, "Niemetale", "H C N O P S Se"},
    {0x9AEAFE, "Halogeny", "F Cl Br I At"},
    {0xFEDB9A, "Gazy szlachetne", "He Ne Ar Kr Xe Rn"},
};

// The shades of the legend of "Liczba atomów": the table itself has one per element.
const ElementClass AtomCountLegend[] = {
    {0x0000FE, "Liczebność atomów = 1", ""}, {0x0000E5, ".", ""}, {0x0000CD, "..", ""},
    {0x0000B5, "...", ""}, {0x0000A3, "....", ""}, {0x000092, "Liczebność atomów = 109", ""},
};

bool IsIn(const ElementClass& kind, const char* symbol)
{
    return QString::fromLatin1(kind.Symbols).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(QString::fromLatin1(symbol));
}

} // namespace

TColor AtomCountShade(std::int32_t atomicNumber)
{
    const auto a = std::uint8_t(atomicNumber & 0xFF);
    return RGBToColor(std::uint8_t(255 - a), 0, 0);
}

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

void TAGlowne::FillLegend(int entry, TColor color, const QString& text)
{
    swatches_[std::size_t(entry)]->show();
    swatches_[std::size_t(entry)]->SetColor(color);
    legendLabels_[std::size_t(entry)]->show();
    legendLabels_[std::size_t(entry)]->SetCaption(text);
}

void TAGlowne::ShowLegend()
{
    suiPanel1->show();
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
}

void TAGlowne::CheckOnly(TMenuItem* item)
{
    for (TMenuItem* member : {Bezkolorw1, Grupypierwiastkw1, Podziametali1, Podzianiemetali1, Liczbaatomw1,
                              Liczbaatomw2, Datyodkry1, Stanyskupienia1})
        member->SetChecked(member == item);
}

void TAGlowne::Bezkolorw1Click(QObject*)
{
    CheckOnly(Bezkolorw1);
    Ukryj_legende();
    Wyczysc_tablice();
}

void TAGlowne::Grupypierwiastkw1Click(QObject*)
{
    CheckOnly(Grupypierwiastkw1);
    Zatrzymaj_animacje_tablicy();
    Ukryj_legende();
    for (const TileCell& cell : TileCells()) {
        const ElementClass& kind = IsIn(NonMetals, cell.Symbol) ? NonMetals : IsIn(Semiconductors, cell.Symbol) ? Semiconductors : Metals;
        Koloruj(cell.Column, cell.Row, kind.Color);
    }
    int entry = 0;
    for (const ElementClass* kind : {&Metals, &NonMetals, &Semiconductors})
        FillLegend(++entry, kind->Color, QString::fromUtf8(kind->Legend));
    ShowLegend();
}

void TAGlowne::Podziametali1Click(QObject*)
{
    CheckOnly(Podziametali1);
    Zatrzymaj_animacje_tablicy();
    Ukryj_legende();
    Wyczysc_tablice();
    for (const TileCell& cell : TileCells()) {
        if (cell.Row == 8)
            Koloruj(cell.Column, cell.Row, LanthanideRow);
        else if (cell.Row == 9)
            Koloruj(cell.Column, cell.Row, ActinideRow);
        else if (cell.Column >= 3 && cell.Column <= 12 && cell.Row >= 4)
            Koloruj(cell.Column, cell.Row, MetalKinds[2].Color);
        else
            for (const ElementClass& kind : MetalKinds)
                if (IsIn(kind, cell.Symbol))
                    Koloruj(cell.Column, cell.Row, kind.Color);
    }
    int entry = 0;
    for (const ElementClass& kind : MetalKinds)
        FillLegend(++entry, kind.Color, QString::fromUtf8(kind.Legend));
    ShowLegend();
}

void TAGlowne::Podzianiemetali1Click(QObject*)
{
    CheckOnly(Podzianiemetali1);
    Zatrzymaj_animacje_tablicy();
    Ukryj_legende();
    Wyczysc_tablice();
    for (const TileCell& cell : TileCells())
        for (const ElementClass& kind : NonMetalKinds)
            if (IsIn(kind, cell.Symbol))
                Koloruj(cell.Column, cell.Row, kind.Color);
    int entry = 0;
    for (const ElementClass& kind : NonMetalKinds)
        FillLegend(++entry, kind.Color, QString::fromUtf8(kind.Legend));
    ShowLegend();
}

void TAGlowne::Liczbaatomw1Click(QObject*)
{
    CheckOnly(Liczbaatomw1);
    Zatrzymaj_animacje_tablicy();
    Wyczysc_tablice();
    for (int i = 1; i <= ElementTable::Count; ++i) {
        const TElementRecord& record = ElementTable_[i];
        Koloruj(record.TableColumn, record.TableRow, AtomCountShade(record.AtomicNumber));
    }
    int entry = 0;
    for (const ElementClass& shade : AtomCountLegend)
        FillLegend(++entry, shade.Color, QString::fromUtf8(shade.Legend));
    ShowLegend();
}

void TAGlowne::Zaznacz_pierwiastek(int element)
{
    if (element < 1 || element > ElementTable::Count)
        return;
    const auto mark = [&](TColor color) {
        const TElementRecord& record = ElementTable_[element];
        Koloruj(record.TableColumn, record.TableRow, color);
    };
    if (Bezkolorw1->Checked()) {
        Bezkolorw1Click(this);
        mark(MarkColor);
    } else if (Grupypierwiastkw1->Checked()) {
        Grupypierwiastkw1Click(this);
        mark(MarkColor);
    } else if (Podziametali1->Checked()) {
        Podziametali1Click(this);
        mark(MarkColor);
    } else if (Podzianiemetali1->Checked()) {
        Podzianiemetali1Click(this);
        mark(MarkColor);
    } else if (Liczbaatomw1->Checked()) {
        Liczbaatomw1Click(this);
        mark(clBtnFace);
    }
}

void TAGlowne::Infoopire(const QString& symbol)
{
    const std::optional<QByteArray> bytes = StringToCp1250(symbol);
    const std::optional<int> index = bytes ? Znajdz_pierwiastek(ElementTable_, *bytes) : std::nullopt;
    if (index)
        Zaznacz_pierwiastek(*index);
}

void TAGlowne::Podstawowy1Click(QObject*)
{
    Podstawowy1->SetChecked(true);
    Rozwi1->SetChecked(false);
    setFixedWidth(BasicWidth);
    for (TsuiPanel* panel : {suiPanel2, suiPanel3, suiPanel4})
        if (panel)
            panel->hide();
}

void TAGlowne::Rozwi1Click(QObject*)
{
    Podstawowy1->SetChecked(false);
    Rozwi1->SetChecked(true);
    setFixedWidth(ExpandedWidth);
}
