// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindow.h"

#include "Button.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "Memo.h"
#include "PictureFile.h"
#include "URLLabel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

static void InitialiseEmblem()
{
    Q_INIT_RESOURCE(emblem);
}

namespace {

QImage Emblem()
{
    InitialiseEmblem();
    QFile file(QStringLiteral(":/about/emblem.jpg"));
    return file.open(QIODevice::ReadOnly) ? DecodeJpeg(file.readAll()) : QImage();
}

// The author's words, eighteen centred lines.
const char* const MemoLines[] = {
    "Układ Okresowy Pierwiastków.",
    "",
    "Autor: Morvane",
    "Polska, 2006",
    "",
    "Układ okresowy to podstawowe",
    "narzędzie każdego, kto ma do",
    "czynienia z chemią. Od niego",
    "zaczyna się cała zabawa, więc",
    "przekazuję go w Wasze ręce.",
    "",
    "Wiedza ludzkości należy do ludzi.",
    "",
    "Pamiętajcie o tym!",
    "Morvane",
    "",
    "Program jest bezpłatny.",
    "© 2005–2007 Morvane",
};

} // namespace

TInfooProgz::TInfooProgz(const QWidget* mainWindow)
    : TSecondaryWindow(mainWindow, QStringLiteral("Informacje o programie..."), QSize(544, 320), Sizing::Fixed,
                       {TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose})
{
}

void TInfooProgz::BuildContents()
{
    Image1 = new TImage(suiForm1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 40, 305, 281);
    Image1->SetCenter(true);

    QFont title = SansSerifFont(true);
    title.setPixelSize(13);
    Label1 = new TLabel(QStringLiteral("Kalvora - Wersja 1.3.0"), suiForm1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(title);
    Label1->move(8, 32);
    Label2 = new TLabel(QStringLiteral("autor: Morvane"), suiForm1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(SansSerifFont(true));
    Label2->move(192, 304);

    suiURLLabel1 = new TsuiURLLabel(suiForm1);
    suiURLLabel1->setObjectName(QStringLiteral("suiURLLabel1"));
    suiURLLabel1->SetCaption(QStringLiteral("Nowe wersje na stronie \"Morvane\""));
    suiURLLabel1->MoveTextTo(QPoint(0, 304));
    suiURLLabel1->SetURL(ProgramPage());
    suiURLLabel1->OnOpenFailed = [](const QString& url) {
        const QUrl page(url);
        ReportError(QStringLiteral("Nie można otworzyć strony: %1 (nie znaleziono programu, który otwiera strony, "
                                   "na przykład xdg-open z pakietu xdg-utils)")
                        .arg(page.isLocalFile() ? QDir::toNativeSeparators(page.toLocalFile()) : url));
    };

    suiButton1 = new TsuiButton(suiForm1);
    suiButton1->setObjectName(QStringLiteral("suiButton1"));
    suiButton1->setGeometry(464, 296, 72, 19);
    suiButton1->SetCaption(QStringLiteral("OK"));
    suiButton1->OnClick = [this](QObject* sender) { suiButton1Click(sender); };

    suiMemo1 = new TsuiMemo(suiForm1);
    suiMemo1->setObjectName(QStringLiteral("suiMemo1"));
    suiMemo1->setGeometry(312, 40, 225, 249);
    suiMemo1->SetReadOnly(true);
    suiMemo1->SetBorderColor(clBlack);
    suiMemo1->SetAlignment(Qt::AlignHCenter);
    QStringList lines;
    for (const char* line : MemoLines)
        lines.append(QString::fromUtf8(line));
    suiMemo1->SetLines(lines);
}

QString TInfooProgz::ProgramPage()
{
    return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + QStringLiteral("/o-programie.html")).toString();
}

void TInfooProgz::showEvent(QShowEvent* event)
{
    if (Image1->Picture().isNull())
        Image1->SetPicture(Emblem());
    TSecondaryWindow::showEvent(event);
}

void TInfooProgz::suiButton1Click(QObject*)
{
    close();
}
