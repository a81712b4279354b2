// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every built-in bitmap of every style onto one sheet, enlarged, with a sample title bar,
// button and panel caption per style, so the five looks can be reviewed at a glance.
// Usage: skin_contact_sheet_tool <png file>

#include "BuiltInBitmaps.h"
#include "Drawing.h"
#include "ThemeCatalog.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int Scale = 2;
constexpr int SheetWidth = 1900;

// Draws the picture enlarged with its name beneath; returns the height used.
int DrawTile(QPainter& p, int x, int y, const QString& name, const QImage& image)
{
    p.drawImage(QRect(x, y, image.width() * Scale, image.height() * Scale), image);
    p.setPen(Qt::black);
    p.drawText(x, y + image.height() * Scale + 12, name);
    return image.height() * Scale + 18;
}

// A title bar as the form composes it: left section, client section stretched, right section,
// the title buttons on the right and the caption.
QImage SampleTitleBar(TsuiUIStyle style, int width)
{
    QImage left, client, right, buttons;
    BuiltInBitmap(style, ThemeItems::TitleBarLeftImage, &left);
    BuiltInBitmap(style, ThemeItems::TitleBarClientImage, &client);
    BuiltInBitmap(style, ThemeItems::TitleBarRightImage, &right);
    BuiltInBitmap(style, ThemeItems::TitleBarButtonImage, &buttons);
    QImage bar(width, left.height(), QImage::Format_RGB32);
    QPainter p(&bar);
    p.drawImage(0, 0, left);
    p.drawImage(QRect(left.width(), 0, width - left.width() - right.width(), client.height()), client);
    p.drawImage(width - right.width(), 0, right);
    const int top = BuiltInInt(style, ThemeItems::TitleBarButtonTopInt);
    const bool keyed = BuiltInBool(style, ThemeItems::TitleBarButtonTransparentBool);
    int x = width + BuiltInInt(style, ThemeItems::TitleBarButtonRightOffsetInt) - 3;
    for (int frame : {16, 7, 13}) {
        QImage glyph;
        SliceStrip(buttons, glyph, 18, frame);
        x -= glyph.width() + 1;
        p.drawImage(x, top, keyed ? KeyedTransparent(glyph, glyph.pixel(0, glyph.height() - 1)) : glyph);
    }
    QImage box;
    SliceStrip(buttons, box, 18, 1);
    const int x0 = BuiltInInt(style, ThemeItems::TitleBarButtonLeftOffsetInt) + 3;
    p.drawImage(x0, top, keyed ? KeyedTransparent(box, box.pixel(0, box.height() - 1)) : box);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(style == TsuiUIStyle::MacOS ? Qt::black : Qt::white);
    p.drawText(QRect(x0 + box.width() + 5, top, width, box.height()), Qt::AlignVCenter, StyleName(style) + QStringLiteral(" - Układ Okresowy"));
    return bar;
}

QImage SampleButton(TsuiUIStyle style, int frame)
{
    const QColor surface = ColorToRGB(BuiltInColor(style, ThemeItems::FormBackgroundColor));
    QImage image(110, 27, QImage::Format_RGB32);
    image.fill(surface);
    QImage strip, face;
    BuiltInBitmap(style, ThemeItems::ButtonImage, &strip);
    SliceStrip(strip, face, 3, frame);
    QPainter p(&image);
    SpreadDraw(face, p, image.size(), BuiltInBool(style, ThemeItems::ButtonTransparentBool));
    p.drawText(image.rect().translated(frame == 3 ? 1 : 0, frame == 3 ? 1 : 0), Qt::AlignCenter, QStringLiteral("Szukaj"));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_contact_sheet_tool <png file>\n");
        return 2;
    }
    const QList<BitmapResource> resources = AllBitmapResources();
    QImage sheet(SheetWidth, 4000, QImage::Format_RGB32);
    sheet.fill(QColor(0xF4F4F4));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    p.setFont(font);
    int y = 10;
    const auto section = [&](const QString& title, const QList<BitmapResource>& list, const QList<QImage>& samples) {
        QFont big = font;
        big.setPixelSize(18);
        big.setBold(true);
        p.setFont(big);
        p.setPen(Qt::black);
        p.drawText(10, y + 20, title);
        p.setFont(font);
        y += 32;
        int x = 10, rowHeight = 0;
        for (const QImage& sample : samples) {
            if (x + sample.width() > SheetWidth - 10) {
                x = 10;
                y += rowHeight + 8;
                rowHeight = 0;
            }
            p.drawImage(x, y, sample);
            x += sample.width() + 16;
            rowHeight = std::max(rowHeight, sample.height());
        }
        if (!samples.isEmpty()) {
            y += rowHeight + 12;
            x = 10;
            rowHeight = 0;
        }
        for (const BitmapResource& resource : list) {
            const QImage image = LoadBitmapResource(resource.Name);
            const int w = std::max(image.width() * Scale, 120);
            if (x + w > SheetWidth - 10) {
                x = 10;
                y += rowHeight + 6;
                rowHeight = 0;
            }
            rowHeight = std::max(rowHeight, DrawTile(p, x, y, resource.Name, image));
            x += w + 14;
        }
        y += rowHeight + 16;
        p.setPen(QColor(0xBBBBBB));
        p.drawLine(0, y - 8, SheetWidth, y - 8);
    };
    for (const TsuiUIStyle style : BuiltInStyles) {
        QList<BitmapResource> own;
        for (const BitmapResource& r : resources)
            if (r.Name.startsWith(StylePrefix(style)))
                own.append(r);
        section(StyleName(style), own,
                {SampleTitleBar(style, 560), SampleButton(style, 1), SampleButton(style, 2), SampleButton(style, 3)});
    }
    QList<BitmapResource> shared;
    for (const BitmapResource& r : resources) {
        bool styled = false;
        for (const TsuiUIStyle style : BuiltInStyles)
            styled = styled || r.Name.startsWith(StylePrefix(style));
        if (!styled)
            shared.append(r);
    }
    section(QStringLiteral("Shared"), shared, {});
    p.end();
    if (!sheet.copy(0, 0, SheetWidth, y).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "skin_contact_sheet_tool: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
