// SPDX-License-Identifier: GPL-3.0-or-later
#include "Printing.h"

#include "ElementCard.h"
#include "ErrorReport.h"
#include "Label.h"
#include "PdfFile.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "TableSnapshot.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

namespace {

// A busy cursor while the page is made.
struct Busy {
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
};

void PrintThrough(QWidget* parent, const QString& title, const std::function<void(QPrinter&)>& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Busy busy;
    paint(printer);
}

} // namespace

Printing::Printing(TAGlowne* table, TInformacje* information, PropertiesStore* properties)
    : AskPath([this](const QString& title, const QString& name) { return DefaultAskPath(title, name); }),
      table_(table),
      information_(information),
      properties_(properties)
{
}

QString Printing::DefaultAskPath(const QString& title, const QString& suggestedName) const
{
    QFileDialog dialog(table_, title, QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(suggestedName),
                       QStringLiteral("Dokument PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front() : QString();
}

QString Printing::CardName() const
{
    return QStringLiteral("karta-%1.pdf").arg(information_->Label8->Caption());
}

void Printing::PrintTable()
{
    const TablePicture picture = PictureOfTable(*table_, properties_);
    PrintThrough(table_, QStringLiteral("Drukuj tablicę"), [&](QPrinter& printer) { PaintTableOn(printer, picture); });
}

void Printing::SaveTablePdf()
{
    const TablePicture picture = PictureOfTable(*table_, properties_);
    const QString path = AskPath(QStringLiteral("Zapisz tablicę jako PDF"), QStringLiteral("uklad-okresowy.pdf"));
    if (path.isEmpty())
        return;
    QString error;
    bool written = false;
    {
        Busy busy;
        written = WriteTablePdf(picture, path, &error);
    }
    if (!written)
        ReportError(error);
}

void Printing::PrintCard()
{
    const std::unique_ptr<QTextDocument> card = ElementCard(*information_);
    PrintThrough(table_, QStringLiteral("Drukuj kartę pierwiastka"), [&](QPrinter& printer) { PaintCardOn(printer, *card); });
}

void Printing::SaveCardPdf()
{
    const QString path = AskPath(QStringLiteral("Zapisz kartę pierwiastka jako PDF"), CardName());
    if (path.isEmpty())
        return;
    QString error;
    bool written = false;
    {
        Busy busy;
        written = WriteCardPdf(*ElementCard(*information_), path, &error);
    }
    if (!written)
        ReportError(error);
}
