// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: the search below the table, by Polish name, Latin name or symbol, with "Szukaj" or Enter.
#include "TAGlowne.h"

#include "Button.h"
#include "ComboBox.h"
#include "Cp1250.h"
#include "Fonts.h"
#include "Form.h"
#include "MessageDialog.h"

#include <algorithm>

namespace {

// The names the list offers, in Polish alphabetical order; the two newest elements are found by
// typing.
const char* const ListedNames =
    "Aktyn Ameryk Antymon Argon Arsen Astat Azot Bar Berkel Beryl Bizmut Bohr Bor Brom Cer Cez Chlor "
    "Chrom Cyna Cynk Cyrkon Dubn Dysproz Einstein Erb Europ Ferm Fluor Fosfor Frans Gadolin Gal German "
    "Glin Hafn Has Hel Holm Ind Iryd Iterb Itr Jod Kadm Kaliforn Kiur Kobalt Krypton Krzem Ksenon "
    "Lantan Lit Lorens Lutet Magnez Mangan Meitner Mendelew Miedź Molibden Neodym Neon Neptun Nikiel "
    "Niob Nobel Ołów Osm Pallad Platyna Pluton Polon Potas Prazeodym Promet Protaktyn Rad Radon Ren Rod "
    "Rtęć Rubid Ruten Rutherford Samar Seaborg Selen Siarka Skand Sód Srebro Stront Tal Tantal Technet "
    "Tellur Terb Tlen Tor Tul Tytan Uran Wanad Wapń Węgiel Wodór Wolfram Złoto Żelazo";

// The first letter in upper case when it is a small letter of the Latin or the Polish alphabet.
QString Capitalised(QString text)
{
    static const QString polishSmall = QStringLiteral("ąćęłńóśźż"), polishCapital = QStringLiteral("ĄĆĘŁŃÓŚŹŻ");
    if (text.isEmpty())
        return text;
    const QChar first = text[0];
    if (first >= QLatin1Char('a') && first <= QLatin1Char('z'))
        text[0] = first.toUpper();
    else if (const qsizetype at = polishSmall.indexOf(first); at >= 0)
        text[0] = polishCapital[at];
    return text;
}

// The text as Polish alphabetical order compares it: each letter by its place in the alphabet, small
// and capital alike (ą after a, ł after l, ż last), other characters after the letters.
QList<int> PolishOrderKey(const QString& text)
{
    static const QString alphabet = QStringLiteral("aąbcćdeęfghijklłmnńoópqrsśtuvwxyzźż");
    QList<int> key;
    for (const QChar c : text) {
        const qsizetype at = alphabet.indexOf(c.toLower());
        key.append(at >= 0 ? int(at) : int(alphabet.size()) + c.unicode());
    }
    return key;
}

} // namespace

void TAGlowne::BuildSearch()
{
    suiComboBox1 = new TsuiComboBox(suiForm1);
    suiComboBox1->setObjectName(QStringLiteral("suiComboBox1"));
    suiComboBox1->SetUIStyle(TsuiUIStyle::DeepBlue);
    suiComboBox1->setGeometry(8, 504, 137, 21);
    suiComboBox1->SetBorderColor(clBlack);
    suiComboBox1->SetArrowColor(clBlack);
    suiComboBox1->SetButtonColor(0xE8E8E8);
    suiComboBox1->SetItemHeight(13);
    suiComboBox1->setToolTip(QStringLiteral("Wpisz nazwę polską, łacińską lub symbol"));
    // the names stand in Polish alphabetical order already, whatever the user's locale sorts by
    ListNamesShown();
    suiComboBox1->SetText(QStringLiteral("Aktyn"));
    suiComboBox1->OnKeyPress = [this](QObject* sender, QChar key) { suiComboBox1KeyPress(sender, key); };

    suiButton1 = new TsuiButton(suiForm1);
    suiButton1->setObjectName(QStringLiteral("suiButton1"));
    suiButton1->SetUIStyle(TsuiUIStyle::DeepBlue);
    suiButton1->setGeometry(152, 504, 65, 21);
    suiButton1->SetCaption(QStringLiteral("Szukaj"));
    suiButton1->OnClick = [this](QObject* sender) { suiButton1Click(sender); };

    suiMessageDialog1 = new TsuiMessageDialog(this);
    suiMessageDialog1->SetCaption(QStringLiteral("Informacja"));
    suiMessageDialog1->SetButtonCount(1);
    suiMessageDialog1->SetIconType(TsuiIconType::suiNone);
    suiMessageDialog1->SetPosition(TDialogPosition::poOwnerFormCenter);
    suiMessageDialog1->SetFont(SansSerifFont());
    suiMessageDialog1->SetCaptionFont(TitleFont());
    suiMessageDialog1->SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TAGlowne::suiButton1Click(QObject*)
{
    // blanks round the text are no part of a name; the first letter is written as names begin. What
    // was typed is searched before the completion's proposal, so "fe" finds iron, not fermium; a
    // proposal is searched when the letters typed name nothing ("Fer").
    QString text = Capitalised(suiComboBox1->TypedText().trimmed());
    QList<int> found = Matches(text);
    if (const QString whole = Capitalised(suiComboBox1->Text().trimmed()); found.isEmpty() && whole != text) {
        if (QList<int> completed = Matches(whole); !completed.isEmpty()) {
            text = whole;
            found = completed;
        }
    }
    suiComboBox1->SetText(text);
    for (const int index : found)
        Infoopire(Cp1250ToString(ElementTable_[index].Symbol.Text()));
    if (found.isEmpty()) {
        suiMessageDialog1->SetText(QStringLiteral("Nie znaleziono takiego pierwiastka!"));
        suiMessageDialog1->ShowModal();
        return;
    }
    Zaznacz_pierwiastek(found.last());
}

QList<int> TAGlowne::Matches(const QString& text) const
{
    QList<int> found;
    const std::optional<QByteArray> bytes = StringToCp1250(text);
    if (!bytes || bytes->isEmpty())
        return found;
    for (int i = 1; i <= ElementTable_.Last(); ++i) {
        const TElementRecord& record = ElementTable_[i];
        for (const QByteArray& field : {record.PolishName.Text(), record.Symbol.Text(), record.LatinName.Text()})
            if (field == *bytes)
                found.append(i);
    }
    return found;
}

void TAGlowne::suiComboBox1KeyPress(QObject* sender, QChar key)
{
    if (key == QLatin1Char('\r'))
        suiButton1Click(sender);
}

void TAGlowne::ListNamesShown()
{
    // the names of "dane.dat" as they stand, those of the newer elements shown among them in their
    // Polish places
    if (suiComboBox1->count() == 0)
        suiComboBox1->AddItems(QString::fromUtf8(ListedNames).split(QLatin1Char(' ')));
    for (const TileCell& cell : std::span(TileCells()).subspan(ElementTable::FileCount)) {
        const bool shown = cell.Number <= ElementTable_.Last();
        const QString name = Cp1250ToString(ElementTable_[cell.Number].PolishName.Text());
        const int listed = name.isEmpty() ? -1 : suiComboBox1->findText(name, Qt::MatchExactly);
        if (!shown && listed >= 0)
            suiComboBox1->removeItem(listed);
        if (!shown || name.isEmpty() || listed >= 0)
            continue;
        const QList<int> key = PolishOrderKey(name);
        int at = 0;
        while (at < suiComboBox1->count() && !(key < PolishOrderKey(suiComboBox1->itemText(at))))
            ++at;
        suiComboBox1->insertItem(at, name);
    }
}
