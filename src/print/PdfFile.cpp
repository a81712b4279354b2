// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfFile.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include <functional>
#include <memory>

namespace {

QString Reason(const QSaveFile& file)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
    case QFileDevice::OpenError:
        return QStringLiteral("nie można utworzyć pliku w tym folderze (brak uprawnień do zapisu albo folder nie istnieje)");
    case QFileDevice::ResourceError:
        return QStringLiteral("brak miejsca na dysku");
    case QFileDevice::WriteError:
        return QStringLiteral("błąd zapisu na dysk");
    default:
        return QStringLiteral("błąd zapisu (%1)").arg(file.errorString());
    }
}

bool WritePdf(const QString& path, QString* error, const std::function<void(QPdfWriter&)>& paint)
{
    QSaveFile file(path);
    const auto failed = [&] {
        if (error)
            *error = QStringLiteral("Nie można zapisać pliku „%1”: %2.").arg(QFileInfo(path).fileName(), Reason(file));
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Układ Okresowy"));
        writer.setResolution(600);
        paint(writer);
    }
    if (file.error() != QFileDevice::NoError || !file.commit())
        return failed();
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
