// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TablePage.h"

#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// The table's page, A4 landscape inside margins of 10 mm, on a printer or a PDF.
void PaintTableOn(QPagedPaintDevice& device, const TablePicture& table);
// The element's card, A4 portrait, on as many numbered pages as it needs.
void PaintCardOn(QPagedPaintDevice& device, const QTextDocument& card);

// A PDF written whole to a new file that then takes the path's place, or not at all: a folder that
// cannot be written, a full disk, or something that is no regular file in the path's place (a
// folder, a pipe, a device or a link to one) leave no file and change nothing, and the reason
// comes back in Polish, naming the file and its folder.
bool WriteTablePdf(const TablePicture& table, const QString& path, QString* error);
bool WriteCardPdf(const QTextDocument& card, const QString& path, QString* error);
