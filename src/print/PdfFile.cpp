// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfFile.h"

#include "FileAccess.h"
#include "InOutError.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <functional>
#include <memory>

namespace {

// The PDF made in memory, then written whole to a new file that takes the path's place: a PDF is
// small, and the one guarded path refuses what is no regular file in its place.
bool WritePdf(const QString& path, QString* error, const std::function<void(QPdfWriter&)>& paint)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("Układ Okresowy"));
        writer.setResolution(600);
        paint(writer);
    }
    try {
        ReplaceFileAtomically(path, pdf.data());
    } catch (const std::exception& failure) {
        if (error) {
            const QFileInfo file(path);
            *error = QStringLiteral("Nie można zapisać pliku „%1” w folderze „%2”: %3.")
                         .arg(file.fileName(), PathAsShown(file.absolutePath()), ReasonInPolish(failure));
        }
        return false;
    }
    return true;
}

} // namespace

void PaintTableOn(QPagedPaintDevice& device, const TablePicture& table)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter(&device);
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    PaintTablePage(painter, QRectF(QPointF(0, 0), area.size()), table);
}

void PaintCardOn(QPagedPaintDevice& device, const QTextDocument& card)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    // the document lays itself out over the pages with margins of 2 cm and numbers them
    std::unique_ptr<QTextDocument> copy(card.clone());
    copy->print(&device);
}

bool WriteTablePdf(const TablePicture& table, const QString& path, QString* error)
{
    return WritePdf(path, error, [&](QPdfWriter& writer) {
        writer.setTitle(QStringLiteral("Układ okresowy pierwiastków"));
        PaintTableOn(writer, table);
    });
}

bool WriteCardPdf(const QTextDocument& card, const QString& path, QString* error)
{
    return WritePdf(path, error, [&](QPdfWriter& writer) {
        writer.setTitle(card.metaInformation(QTextDocument::DocumentTitle));
        PaintCardOn(writer, card);
    });
}
