// SPDX-License-Identifier: GPL-3.0-or-later
// TAGlowne: creation, closing, the companion windows, the menus "Plik", "Widok" and "Pomoc", and showing an element.
#include "TAGlowne.h"

#include "Cp1250.h"
#include "ErrorReport.h"
#include "Form.h"
#include "Menu.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "TableFile.h"
#include "WindowPlacement.h"

#include <QCloseEvent>

#include <stdexcept>

TAGlowne::TAGlowne(DataFolder folder)
    : folder_(std::move(folder))
{
    setWindowTitle(QStringLiteral("Układ Okresowy Pierwiastków - autor: Morvane"));
    setFixedSize(863 + 2 * TsuiForm::FrameWidth, 527 + 2 * TsuiForm::FrameWidth);
    PlaceOnFirstShow(this, [this] { CenterOnScreen(this); });
    BuildFrameAndMenu();
    // the search first: Tab goes from it into the table, then to the views' controls
    BuildSearch();
    BuildTable();
    BuildLegend();
    BuildViews();
}

QSize TAGlowne::LargestSize()
{
    return QSize(ExpandedWidth, 527 + 2 * TsuiForm::FrameWidth);
}

void TAGlowne::SetCompanionWindows(InformationWindow information, QWidget* about, QWidget* atom3d)
{
    information_ = std::move(information);
    about_ = about;
    atom3d_ = atom3d;
}

void TAGlowne::FormCreate()
{
    setFixedWidth(BasicWidth);
    Wczytaj_tablice(ElementTable_, folder_);
    loaded_ = true;
    Ukryj_legende();
    NameTiles(1);
}

void TAGlowne::NameTiles(int first)
{
    for (int index = first; index <= ElementTable_.Last(); ++index) {
        const TElementRecord& record = ElementTable_[index];
        const QString symbol = Cp1250ToString(record.Symbol.Text());
        if (TPlainPanel* tile = TileOf(symbol))
            tile->setAccessibleName(QStringLiteral("%1, %2, liczba atomowa %3")
                                        .arg(Cp1250ToString(record.PolishName.Text()), symbol)
                                        .arg(record.AtomicNumber));
    }
}

void TAGlowne::FormClose()
{
    if (loaded_)
        Zapisz_tablice(ElementTable_, folder_);
}

// A table that cannot be written back leaves its file as it was, whole: the learner is told why, and
// the window closes all the same, where refusing would make every close repeat the error.
void TAGlowne::closeEvent(QCloseEvent* event)
{
    RunHandler([this] { FormClose(); });
    event->accept();
}

void TAGlowne::Zamknij1Click(QObject*)
{
    close();
}

void TAGlowne::Wizualizacja3D1Click(QObject*)
{
    if (!atom3d_)
        return;
    if (atom3d_->isVisible())
        atom3d_->close();
    else
        atom3d_->show();
}

void TAGlowne::Podstawowy1Click(QObject*)
{
    Podstawowy1->SetChecked(true);
    Rozwi1->SetChecked(false);
    setFixedWidth(BasicWidth);
    // the views' panels go, but a running animation goes on painting the table
    for (TsuiPanel* panel : {suiPanel2, suiPanel3, suiPanel4})
        panel->hide();
}

void TAGlowne::Rozwi1Click(QObject*)
{
    Podstawowy1->SetChecked(false);
    Rozwi1->SetChecked(true);
    setFixedWidth(ExpandedWidth);
}

void TAGlowne::Infoopire(const QString& symbol)
{
    const std::optional<QByteArray> bytes = StringToCp1250(symbol);
    const std::optional<int> index = bytes ? Znajdz_pierwiastek(ElementTable_, *bytes) : std::nullopt;
    if (!index)
        throw std::runtime_error(QStringLiteral("Brak danych pierwiastka \"%1\" w pliku dane.dat").arg(symbol).toStdString());
    if (information_.Wypelnij) {
        information_.Wypelnij(ElementTable_[*index]);
        Drukujkart1->setEnabled(true);
        Zapiszkart1->setEnabled(true);
    }
    Zaznacz_pierwiastek(*index);
    if (information_.Wpisz_powloki)
        information_.Wpisz_powloki(symbol);
}

void TAGlowne::Informacjeoprogramie1Click(QObject*)
{
    if (!about_)
        return;
    about_->show();
    about_->raise();
    about_->activateWindow();
}
