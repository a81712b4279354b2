// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfFile.h"

#include "CardPages.h"
#include "FileAccess.h"
#include "InOutError.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <functional>

namespace {

// The PDF made in memory, then written whole to a new file that takes the path's place: a PDF is
// small, and the one guarded path refuses what is no regular file in its place.
bool WritePdf(const QString& path, QString* error, const std::function<bool(QPdfWriter&)>& paint)
{
    const QFileInfo file(path);
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku „%1” w folderze „%2”: %3.")
                         .arg(file.fileName(), PathAsShown(file.absolutePath()), reason);
        return false;
    };
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&pdf);
        writer.setCreator(QStringLiteral("Układ Okresowy"));
        writer.setResolution(600);
        painted = paint(writer);
    }
    if (!painted)
        return fail(QStringLiteral("nie udało się utworzyć dokumentu PDF"));
    try {
        ReplaceFileAtomically(path, pdf.data());
    } catch (const std::exception& failure) {
        return fail(ReasonInPolish(failure));
    }
    return true;
}

} // namespace

QPageLayout TablePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QPageLayout CardPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
}

bool PaintPageOn(QPagedPaintDevice& device, const PagePainter& paint)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    paint(painter, QRectF(QPointF(0, 0), area.size()));
    return painter.end();
}

bool PaintTableOn(QPagedPaintDevice& device, const TablePicture& table, Ink ink)
{
    return PaintPageOn(device, [&](QPainter& painter, const QRectF& area) { PaintTablePage(painter, area, table, ink); });
}

bool WriteTablePdf(const TablePicture& table, Ink ink, const QString& path, QString* error)
{
    return WritePagePdf(QStringLiteral("Układ okresowy pierwiastków"), TablePageLayout(),
                        [&](QPainter& painter, const QRectF& area) { PaintTablePage(painter, area, table, ink); }, path, error);
}

bool WritePagePdf(const QString& title, const QPageLayout& layout, const PagePainter& paint, const QString& path, QString* error)
{
    return WritePdf(path, error, [&](QPdfWriter& writer) {
        writer.setTitle(title);
        writer.setPageLayout(layout);
        return PaintPageOn(writer, paint);
    });
}

bool WriteCardPdf(const QTextDocument& card, const QString& path, QString* error)
{
    return WritePdf(path, error, [&](QPdfWriter& writer) {
        writer.setTitle(card.metaInformation(QTextDocument::DocumentTitle));
        writer.setPageLayout(CardPageLayout());
        return PaintCardOn(writer, card);
    });
}
