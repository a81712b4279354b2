// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of every element on one sheet, read back from a data folder with the program's
// own readers and table, for reviewing the content at a glance: a row per element, its isotopes
// and its crystal side by side at half size.
// Usage: element_contact_sheet_tool <data folder> <png file>

#include "Cp1250.h"
#include "DataFolder.h"
#include "FileAccess.h"
#include "PictureFile.h"
#include "TableFile.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int TileWidth = 330, TileHeight = 125, LabelWidth = 70, Gap = 4;

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: element_contact_sheet_tool <data folder> <png file>\n");
        return 2;
    }
    try {
        const DataFolder folder(args[1] + QLatin1Char('/'));
        ElementTable table;
        Wczytaj_tablice(table, folder);
        QImage sheet(LabelWidth + 2 * (TileWidth + Gap), ElementTable::FileCount * (TileHeight + Gap), QImage::Format_RGB32);
        sheet.fill(QColor(0xC0, 0xC0, 0xC0));
        QPainter p(&sheet);
        for (int z = 1; z <= ElementTable::FileCount; ++z) {
            const TElementRecord& record = table[z];
            const int top = (z - 1) * (TileHeight + Gap);
            p.setPen(Qt::black);
            p.drawText(QRect(4, top, LabelWidth - 8, TileHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("%1 %2").arg(z).arg(Cp1250ToString(record.Symbol.Text())));
            int x = LabelWidth;
            for (const auto* name : {&record.IsotopeImage, &record.DrawingImage}) {
                const QString file = Cp1250ToString(name->Text());
                if (!file.isEmpty())
                    p.drawImage(QRect(x, top, TileWidth, TileHeight),
                                LoadPictureFile(folder.PicturePath(file)).scaled(TileWidth, TileHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                x += TileWidth + Gap;
            }
        }
        p.end();
        if (!sheet.save(args[2]))
            throw std::runtime_error("cannot write " + args[2].toStdString());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "element_contact_sheet_tool: %s\n", e.what());
        return 1;
    }
    return 0;
}
