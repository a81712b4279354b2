// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculatorWindow.h"

#include "Button.h"
#include "ComboBox.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "Memo.h"
#include "ParentColor.h"
#include "RichEdit.h"
#include "WindowParts.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr int ClientWidth = 480;
constexpr int ClientHeight = 350;
constexpr int PageHeight = 326;
constexpr TColor WrongColour = 0x0000C0;

// The answer as a page of the working: the lines, then the table of a formula's elements.
QString WorkingHtml(const CalculatorAnswer& answer)
{
    QString html;
    for (const QString& line : answer.Working)
        html += QStringLiteral("<p>") + line.toHtmlEscaped() + QStringLiteral("</p>");
    if (!answer.Table.empty()) {
        html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"5\" border=\"1\" style=\"border-collapse: collapse\">"
                               "<tr><th>Pierwiastek</th><th>Liczba atomów</th><th>Masa</th><th>Zawartość (% masowy)</th></tr>");
        for (const CalculatorAnswer::Row& row : answer.Table)
            html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td><td align=\"right\">%4</td></tr>")
                        .arg(row.Element.toHtmlEscaped(), row.Atoms, row.Mass.toHtmlEscaped(), row.Percent.toHtmlEscaped());
        html += QStringLiteral("</table>");
    }
    for (const QString& note : answer.Notes)
        html += QStringLiteral("<p><i>") + note.toHtmlEscaped() + QStringLiteral("</i></p>");
    return html;
}

} // namespace

TKalkulator::TKalkulator(const QWidget* mainWindow, std::function<WeightTable()> weights)
    : TSecondaryWindow(mainWindow, QStringLiteral("Kalkulator chemiczny"), QSize(ClientWidth, ClientHeight), Sizing::Fixed,
                       {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose}),
      readWeights_(std::move(weights))
{
}

void TKalkulator::BuildContents()
{
    QWidget* page = new QWidget(suiForm1);
    page->setGeometry(0, suiForm1->ClientTop(), ClientWidth, PageHeight);
    PublishColor(page, ParentsColor(page).value_or(clBtnFace));

    auto* caption = new TLabel(QStringLiteral("Wzór lub równanie:"), page);
    caption->setFont(SansSerifFont());
    caption->move(10, 12);
    EntryBox = new TsuiCustomComboBox(page);
    EntryBox->setObjectName(QStringLiteral("EntryBox"));
    caption->TieTo(EntryBox);
    EntryBox->setGeometry(120, 9, 262, 19);
    // the list holds the last entries; nothing is completed or added but by a calculation
    EntryBox->setCompleter(nullptr);
    EntryBox->setInsertPolicy(QComboBox::NoInsert);
    EntryBox->lineEdit()->setMaxLength(MaxEntryLength + 1);
    EntryBox->setAccessibleDescription(QStringLiteral("np. CuSO4·5H2O, 18 g H2O, Fe + O2 -> Fe2O3"));
    EntryBox->installEventFilter(this);
    EntryBox->lineEdit()->installEventFilter(this);
    CalculateButton = NewButton(page, QStringLiteral("Oblicz"), QRect(390, 8, 80, 21), "CalculateButton");
    CalculateButton->OnClick = [this](QObject*) { CalculateEntry(); };
    auto* hint = new TLabel(QStringLiteral("np. CuSO4·5H2O, 18 g H2O, 0,5 mol NaCl, Fe + O2 -> Fe2O3"), page);
    hint->setFont(SansSerifFont());
    hint->SetFontColor(clGray);
    hint->move(120, 32);

    HeadingLabel = new TLabel(QString(), page);
    HeadingLabel->setObjectName(QStringLiteral("HeadingLabel"));
    HeadingLabel->setFont(SansSerifFont(true));
    HeadingLabel->SetWordWrap(true);
    HeadingLabel->setGeometry(10, 54, 460, 30);
    HeadingLabel->SetLive(true);

    WorkingMemo = new TsuiMemo(page);
    WorkingMemo->setObjectName(QStringLiteral("WorkingMemo"));
    WorkingMemo->setGeometry(10, 88, 460, 196);
    WorkingMemo->SetReadOnly(true);
    WorkingMemo->SetWordWrap(true);
    WorkingMemo->Editor()->setAccessibleName(QStringLiteral("Obliczenia"));

    CopyButton = NewButton(page, QStringLiteral("Kopiuj wynik"), QRect(300, 294, 90, 21), "CopyButton");
    CopyButton->setEnabled(false);
    CopyButton->OnClick = [this](QObject*) {
        if (answer_)
            QApplication::clipboard()->setText(answer_->Text());
    };
    CloseButton = NewButton(page, QStringLiteral("Zamknij"), QRect(398, 294, 72, 21), "CloseButton");
    CloseButton->OnClick = [this](QObject*) { hide(); };
}

void TKalkulator::showEvent(QShowEvent* event)
{
    TSecondaryWindow::showEvent(event);
    EntryBox->setFocus();
    EntryBox->lineEdit()->selectAll();
}

bool TKalkulator::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == EntryBox || watched == EntryBox->lineEdit()) && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CalculateEntry();
            return true;
        }
    }
    return TSecondaryWindow::eventFilter(watched, event);
}

void TKalkulator::CalculateEntry()
{
    const QString entry = EntryBox->lineEdit()->text();
    if (!weights_)
        weights_ = readWeights_();
    Show(Calculate(entry, *weights_));
    if (!entry.trimmed().isEmpty() && !answer_->Failed)
        Remember(entry.trimmed());
}

void TKalkulator::Show(const CalculatorAnswer& answer)
{
    answer_ = answer;
    // never an earlier answer under a new mistake: both are replaced at once
    HeadingLabel->SetFontColor(answer.Failed ? WrongColour : clBlack);
    HeadingLabel->SetCaption(answer.Heading);
    WorkingMemo->Editor()->setHtml(WorkingHtml(answer));
    CopyButton->setEnabled(!answer.Failed || !answer.Working.isEmpty());
    QLineEdit* edit = EntryBox->lineEdit();
    if (answer.ErrorPosition >= 0 && answer.ErrorPosition <= edit->text().size())
        edit->setSelection(answer.ErrorPosition, std::max(answer.ErrorLength, 0));
}

void TKalkulator::Remember(const QString& entry)
{
    const int existing = EntryBox->findText(entry);
    if (existing >= 0)
        EntryBox->removeItem(existing);
    EntryBox->addItem(entry);
    while (EntryBox->count() > HistorySize)
        EntryBox->removeItem(0);
    // the newest one current: Up goes back from it
    EntryBox->setCurrentIndex(EntryBox->count() - 1);
}
