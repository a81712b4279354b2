// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TablePage.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QTextDocument;

// The pages a teacher gets unless they choose otherwise in the printer dialog: the table on A4
// landscape inside margins of 10 mm, the card on A4 portrait inside margins of 20 mm.
QPageLayout TablePageLayout();
QPageLayout CardPageLayout();

// A page drawn into the area of the device's paper inside its margins, whatever they are; false when
// the device would not take it.
using PagePainter = std::function<void(QPainter& painter, const QRectF& area)>;
bool PaintPageOn(QPagedPaintDevice& device, const PagePainter& paint);
bool PaintTableOn(QPagedPaintDevice& device, const TablePicture& table, Ink ink);

// A PDF written whole to a new file that then takes the path's place, or not at all: a folder that
// cannot be written, a full disk, or something that is no regular file in the path's place (a
// folder, a pipe, a device or a link to one) leave no file and change nothing, and the reason
// comes back in Polish, naming the file and its folder.
bool WriteTablePdf(const TablePicture& table, Ink ink, const QString& path, QString* error);
bool WriteCardPdf(const QTextDocument& card, const QString& path, QString* error);
bool WritePagePdf(const QString& title, const QPageLayout& layout, const PagePainter& paint, const QString& path, QString* error);
