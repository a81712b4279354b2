// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printing.h"

#include "CardPages.h"
#include "ElementCard.h"
#include "ErrorReport.h"
#include "InOutError.h"
#include "Label.h"
#include "Menu.h"
#include "PdfFile.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "TableSnapshot.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace {

// A busy cursor while the page is made.
struct Busy {
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
};

void ReportPrinterError(const QPrinter& printer)
{
    ReportError(QStringLiteral("Nie można wydrukować: drukarka „%1” nie przyjęła wydruku.")
                    .arg(printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName()));
}

} // namespace

Printing::Printing(TAGlowne* table, TInformacje* information, PropertiesStore* properties, QString optionsPath)
    : AskPath([this](const QString& title, const QString& path) { return DefaultAskPath(title, path); }),
      AskPrinter([this](QPrinter& printer, const QString& title) {
          QPrintDialog dialog(&printer, table_);
          dialog.setWindowTitle(title);
          return dialog.exec() == QDialog::Accepted;
      }),
      table_(table),
      information_(information),
      properties_(properties),
      optionsPath_(std::move(optionsPath)),
      options_(LoadPrintOptions(optionsPath_))
{
    table_->Drukczarnobiay1->SetChecked(options_.Greyscale);
}

QString Printing::DefaultAskPath(const QString& title, const QString& suggestedPath) const
{
    QFileDialog dialog(table_, title, suggestedPath, QStringLiteral("Dokument PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front() : QString();
}

void Printing::SaveOptions()
{
    // only a convenience: a configuration folder that cannot be written costs the learner nothing
    // they asked for, so it is not worth a message
    try {
        SavePrintOptions(options_, optionsPath_);
    } catch (const EInOutError&) {
    }
}

void Printing::Remember(const QString& savedPath)
{
    options_.Folder = QFileInfo(savedPath).absolutePath();
    SaveOptions();
}

void Printing::SetGreyscale(bool grey)
{
    options_.Greyscale = grey;
    table_->Drukczarnobiay1->SetChecked(grey);
    SaveOptions();
}

void Printing::PrintTable()
{
    const TablePicture picture = PictureOfTable(*table_, properties_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Układ okresowy pierwiastków"));
    printer.setPageLayout(TablePageLayout());
    printer.setColorMode(options_.Greyscale ? QPrinter::GrayScale : QPrinter::Color);
    if (!AskPrinter(printer, QStringLiteral("Drukuj tablicę")))
        return;
    Busy busy;
    if (!PaintTableOn(printer, picture, printer.colorMode() == QPrinter::GrayScale ? Ink::Grey : Ink::Colour))
        ReportPrinterError(printer);
}

void Printing::SaveTablePdf()
{
    const TablePicture picture = PictureOfTable(*table_, properties_);
    const Ink ink = options_.Greyscale ? Ink::Grey : Ink::Colour;
    SavePagePdf(QStringLiteral("Zapisz tablicę jako PDF"), QStringLiteral("uklad-okresowy.pdf"), QStringLiteral("Układ okresowy pierwiastków"),
                TablePageLayout(), [&](QPainter& painter, const QRectF& area) { PaintTablePage(painter, area, picture, ink); });
}

void Printing::PrintPage(const QString& title, const QPageLayout& layout, const PagePainter& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageLayout(layout);
    if (!AskPrinter(printer, title))
        return;
    Busy busy;
    if (!PaintPageOn(printer, paint))
        ReportPrinterError(printer);
}

void Printing::SavePagePdf(const QString& dialogTitle, const QString& fileName, const QString& documentTitle, const QPageLayout& layout,
                           const PagePainter& paint)
{
    const QString path = AskPath(dialogTitle, QDir(StartFolder()).filePath(fileName));
    if (path.isEmpty())
        return;
    QString error;
    bool written = false;
    {
        Busy busy;
        written = WritePagePdf(documentTitle, layout, paint, path, &error);
    }
    if (written)
        Remember(path);
    else
        ReportError(error);
}

void Printing::PrintCard()
{
    const std::unique_ptr<QTextDocument> card = ElementCard(*information_);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(card->metaInformation(QTextDocument::DocumentTitle));
    printer.setPageLayout(CardPageLayout());
    printer.setColorMode(options_.Greyscale ? QPrinter::GrayScale : QPrinter::Color);
    if (!AskPrinter(printer, QStringLiteral("Drukuj kartę pierwiastka")))
        return;
    Busy busy;
    if (!PaintCardOn(printer, *card))
        ReportPrinterError(printer);
}

void Printing::SaveCardPdf()
{
    const QString name = QStringLiteral("karta-%1.pdf").arg(information_->Label8->Caption());
    const QString path = AskPath(QStringLiteral("Zapisz kartę pierwiastka jako PDF"), QDir(StartFolder()).filePath(name));
    if (path.isEmpty())
        return;
    QString error;
    bool written = false;
    {
        Busy busy;
        written = WriteCardPdf(*ElementCard(*information_), path, &error);
    }
    if (written)
        Remember(path);
    else
        ReportError(error);
}
