// SPDX-License-Identifier: GPL-3.0-or-later
#include "Drawing.h"
#include "Fonts.h"
#include "Ink.h"
#include "RichEdit.h"
#include "Text.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QtTest>

namespace {

constexpr QRgb Background = 0xFF102030;
constexpr QRgb Key = 0xFFFF00FF;

QImage Blank(int w, int h, QRgb fill = Background)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

// A pixel colour that names its source column and row.
QRgb At(int x, int y)
{
    return qRgb(20 + x * 30, 20 + y * 30, 200);
}

struct PieceRect {
    int sx0, sx1, sy0, sy1, dx0, dx1, dy0, dy1;
};

// What the nine pieces of a 5 x 5 frame drawn into 9 x 7 must give, following the ranges of the
// nine-part rule written out by hand: k = m = 2, K = 4, M = 3.
QImage ExpectedSpread(const QImage& frame, bool transparent)
{
    QImage expected = Blank(9, 7);
    const PieceRect corners[] = {
        {0, 2, 0, 2, 0, 2, 0, 2},  // top-left
        {0, 2, 4, 5, 0, 2, 6, 7},  // bottom-left: rows H-m+1 to H
        {4, 5, 0, 2, 8, 9, 0, 2},  // top-right: columns W-k+1 to W
        {4, 5, 4, 5, 8, 9, 6, 7},  // bottom-right
    };
    const PieceRect stretched[] = {
        {0, 2, 2, 3, 0, 2, 2, 6},  // left edge: rows m to H-m
        {4, 5, 3, 4, 8, 9, 2, 6},  // right edge: rows H-m to m+2
        {2, 4, 0, 2, 2, 8, 0, 2},  // top edge
        {2, 4, 3, 5, 1, 8, 5, 7},  // bottom edge: one pixel left of and above the bottom-left corner
        {2, 4, 2, 3, 2, 8, 2, 5},  // centre: ends one pixel above the bottom-right corner
    };
    const auto apply = [&](const PieceRect& r, bool keyed) {
        for (int y = r.dy0; y < r.dy1; ++y)
            for (int x = r.dx0; x < r.dx1; ++x) {
                const int sx = r.sx0 + (x - r.dx0) * (r.sx1 - r.sx0) / (r.dx1 - r.dx0);
                const int sy = r.sy0 + (y - r.dy0) * (r.sy1 - r.sy0) / (r.dy1 - r.dy0);
                const QRgb c = frame.pixel(sx, sy);
                if (!(keyed && c == Key))
                    expected.setPixel(x, y, c);
            }
    };
    for (const PieceRect& r : corners)
        apply(r, transparent);
    for (const PieceRect& r : stretched)
        apply(r, true);
    return expected;
}

// Every letter of Windows-1250.
const QString Windows1250Letters = QString::fromUtf8(
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzŠŚŤŽŹšśťžźŁĄŞŻłąşĽľżŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎĐŃŇÓÔŐÖŘŮÚŰÜÝŢß"
    "ŕáâăäĺćçčéęëěíîďđńňóôőöřůúűüýţ");

// The font the windows draw a face in, regular or bold.
QFont Face(const QString& family, bool bold)
{
    QFont font = SansSerifFont(bold);
    font.setFamily(family);
    return font;
}

// Each line drawn black on white, as the windows' own text or as a rich-text box shows it.
QList<QImage> DrawnLines(const QFont& font, const QStringList& lines, bool richText)
{
    QList<QImage> drawn;
    if (!richText) {
        for (const QString& line : lines) {
            QImage image(TextSize(font, line, Qt::TextSingleLine) + QSize(8, 4), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter canvas(&image);
            canvas.setFont(font);
            canvas.setPen(Qt::black);
            DrawText(canvas, QPoint(2, 2 + QFontMetrics(font).ascent()), line);
            drawn.append(image);
        }
        return drawn;
    }
    TRichEdit box;
    box.setReadOnly(true);
    box.setFrameStyle(QFrame::NoFrame);
    box.setLineWrapMode(QTextEdit::NoWrap);
    box.resize(900, 40 + 40 * int(lines.size()));
    QPalette colours = box.palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    box.setPalette(colours);
    QTextCursor cursor(box.document());
    QTextCharFormat format;
    format.setFont(font);
    // an empty line between two: accents over capitals reach above their line
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            cursor.insertBlock();
            cursor.insertBlock();
        }
        cursor.insertText(lines[i], format);
    }
    box.ApplyTextRules();
    const QImage shot = box.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next().next())
        drawn.append(shot.copy(box.document()->documentLayout()->blockBoundingRect(block).toAlignedRect()));
    return drawn;
}

// The image with every ink pixel struck a second time one pixel to the right.
QImage StruckTwice(const QImage& regular)
{
    QImage struck = regular;
    for (int y = 0; y < regular.height(); ++y)
        for (int x = 0; x + 1 < regular.width(); ++x)
            if (IsBlack(regular.pixel(x, y)))
                struck.setPixel(x + 1, y, regular.pixel(x, y));
    return struck;
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private slots:
    // The windows' text rules for every letter of Windows-1250, in the pixel face and in Tahoma, as
    // the windows draw text and as a rich-text box shows it: bold is the regular glyph struck a
    // second time one pixel to the right ("ń", "ć", "ł" of Tahoma's own bold lose their strokes), and
    // no two letters touch: a run of letters shows as many separate columns of ink as the same
    // letters with blanks between them ("św" in Tahoma touched).
    void textRulesForEveryLetter_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("richText");
        for (const QString& family : {SansSerifFamily, TitleFamily})
            for (const bool richText : {false, true})
                QTest::addRow("%s%s", qPrintable(family), richText ? ", rich text" : "") << family << richText;
    }

    void textRulesForEveryLetter()
    {
        QFETCH(QString, family);
        QFETCH(bool, richText);
        RegisterFonts();
        QStringList letters;
        for (const QChar letter : Windows1250Letters)
            letters.append(QString(letter));
        const QList<QImage> regular = DrawnLines(Face(family, false), letters, richText);
        const QList<QImage> bold = DrawnLines(Face(family, true), letters, richText);
        for (int i = 0; i < letters.size(); ++i) {
            QVERIFY2(InkColumnRuns(regular[i], regular[i].rect(), IsBlack) > 0, qPrintable(letters[i]));
            QVERIFY2(bold[i].copy(regular[i].rect()) == StruckTwice(regular[i]), qPrintable(letters[i]));
        }
        for (const bool isBold : {false, true}) {
            QStringList together;
            QList<int> apart;  // the columns of ink of the same letters drawn one by one
            for (int from = 0; from < letters.size(); from += 24) {
                together.append(letters.mid(from, 24).join(QString()));
                apart.append(0);
                for (int i = from; i < std::min(from + 24, int(letters.size())); ++i)
                    apart.last() += InkColumnRuns(isBold ? bold[i] : regular[i], (isBold ? bold[i] : regular[i]).rect(), IsBlack);
            }
            const QList<QImage> joined = DrawnLines(Face(family, isBold), together, richText);
            for (int i = 0; i < together.size(); ++i)
                QVERIFY2(InkColumnRuns(joined[i], joined[i].rect(), IsBlack) == apart[i], qPrintable(together[i]));
        }
    }

    void pixelFaceLettersNeverTouch()
    {
        // regular and bold, a blank column between any two letters, "ł" and "j" included; bold is a
        // pixel wider per letter; the text's size holds all its ink
        RegisterFonts();
        for (const bool bold : {false, true}) {
            const QFont font = SansSerifFont(bold);
            for (const QString text : {"Podział metali", "Półprzewodniki", "Wizualizacja", "Ołów", "Li Cl Cs", "...."}) {
                const QSize size = TextSize(font, text, Qt::TextSingleLine);
                QImage image(size + QSize(4, 0), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter canvas(&image);
                canvas.setFont(font);
                canvas.setPen(Qt::black);
                DrawText(canvas, image.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
                canvas.end();
                QCOMPARE(InkColumnRuns(image, image.rect(), IsBlack), int(QString(text).remove(' ').size()));
                QCOMPARE(InkColumnRuns(image, QRect(size.width(), 0, 4, size.height()), IsBlack), 0);
            }
            QCOMPARE(TextWidth(font, "Li"), TextWidth(SansSerifFont(), "Li") + (bold ? 2 : 0));
        }
    }

    // The lines of a paragraph keep apart as its letters do: in the faces and sizes the descriptions
    // use, regular and bold, a wrapped paragraph whose lines end in descenders ("jąg") and begin with
    // accented capitals ("ŻÓŚ") shows a blank row between every two lines' ink.
    void linesOfAParagraphNeverTouch_data()
    {
        QTest::addColumn<QFont>("font");
        for (const QString& family : {SansSerifFamily, TitleFamily})
            for (const int pixels : {11, 12, 16})
                for (const bool bold : {false, true}) {
                    QFont font = Face(family, bold);
                    font.setPixelSize(pixels);
                    QTest::addRow("%s %d px%s", qPrintable(family), pixels, bold ? " bold" : "") << font;
                }
    }

    void linesOfAParagraphNeverTouch()
    {
        RegisterFonts();
        QFETCH(QFont, font);
        TRichEdit box;
        box.setReadOnly(true);
        box.setFrameStyle(QFrame::NoFrame);
        box.resize(120, 400);
        QPalette colours = box.palette();
        colours.setColor(QPalette::Base, Qt::white);
        box.setPalette(colours);
        // the descenders red, the accented capitals blue
        QTextCursor cursor(box.document());
        QTextCharFormat low, high;
        low.setFont(font);
        low.setForeground(Qt::red);
        high.setFont(font);
        high.setForeground(Qt::blue);
        // lines broken within the paragraph: one of descenders above one of accented capitals
        for (int k = 0; k < 3; ++k) {
            cursor.insertText(QStringLiteral("jąg jąg") + QChar::LineSeparator, low);
            cursor.insertText(QStringLiteral("ŻÓŚ ŻÓŚ") + QChar::LineSeparator, high);
        }
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.ApplyTextRules();
        QCoreApplication::processEvents();
        const QTextBlock block = box.document()->begin();
        const QTextLayout* layout = block.layout();
        QCOMPARE(layout->lineCount(), 7);
        const QImage shot = box.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPointF origin = layout->position();
        const auto rowHas = [&](int y, bool red) {
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (red ? (c.red() > 150 && c.blue() < 100) : (c.blue() > 150 && c.red() < 100))
                    return true;
            }
            return false;
        };
        for (int i = 0; i + 1 < layout->lineCount(); i += 2) {
            const int baseline = int(origin.y() + layout->lineAt(i).y() + layout->lineAt(i).ascent());
            const int next = int(origin.y() + layout->lineAt(i + 1).y() + layout->lineAt(i + 1).ascent());
            int lowest = -1, highest = -1;
            for (int y = baseline; y < next; ++y)
                if (rowHas(y, true))
                    lowest = y;
            for (int y = next; y > baseline; --y)
                if (rowHas(y, false))
                    highest = y;
            QVERIFY2(lowest >= 0 && highest >= 0, qPrintable(QString::number(i)));
            QVERIFY2(highest > lowest + 1, qPrintable(QStringLiteral("line %1: descender ink to row %2, accent ink from row %3").arg(i).arg(lowest).arg(highest)));
        }
    }

    void pixelFaceGlyphsAreTheFacesOwnDrawing()
    {
        // a glyph drawn from its once-shaped copy is what the face draws for the character; one the
        // face lacks is drawn in a face that has it
        RegisterFonts();
        const QFont font = SansSerifFont();
        const QPoint baseline(4, QFontMetrics(font).ascent() + 2);
        for (const QString text : {"A", "g", "ł", "Ż", "§", "→"}) {
            QImage ours(24, 24, QImage::Format_RGB32), faces(24, 24, QImage::Format_RGB32);
            for (QImage* image : {&ours, &faces}) {
                image->fill(Qt::white);
                QPainter canvas(image);
                canvas.setFont(font);
                canvas.setPen(Qt::black);
                if (image == &ours)
                    DrawText(canvas, baseline, text);
                else
                    canvas.drawText(baseline, text);
            }
            QCOMPARE(ours, faces);
            QCOMPARE(InkColumnRuns(ours, ours.rect(), IsBlack) > 0, true);
        }
    }

    void sliceStripCutsWholeFramesAndDropsTheRemainder()
    {
        QImage strip = Blank(10, 2);
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 2; ++y)
                strip.setPixel(x, y, At(x, y));
        QImage frame;
        SliceStrip(strip, frame, 3, 3);
        QCOMPARE(frame.size(), QSize(3, 2));
        for (int x = 0; x < 3; ++x)
            QCOMPARE(frame.pixel(x, 1), At(6 + x, 1));
        SliceStrip(strip, frame, 3, 4);
        QVERIFY(frame.isNull());
        SliceStrip(strip, frame, 0, 1);
        QVERIFY(frame.isNull());
        SliceStrip(QImage(), frame, 3, 1);
        QVERIFY(frame.isNull());
    }

    void spreadDrawPlacesTheNinePieces_data()
    {
        QTest::addColumn<bool>("transparent");
        QTest::newRow("opaque corners") << false;
        QTest::newRow("transparent corners") << true;
    }

    void spreadDrawPlacesTheNinePieces()
    {
        QFETCH(bool, transparent);
        // columns 2 and 3 form the stretched middle and share their colours; every other column
        // and every row has colours of its own, so each piece shows where it came from
        QImage frame = Blank(5, 5);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x)
                frame.setPixel(x, y, At(x == 3 ? 2 : x, y));
        frame.setPixel(0, 0, Key);  // a keyed corner pixel
        frame.setPixel(1, 2, Key);  // a keyed left-edge pixel
        QImage canvas = Blank(9, 7);
        {
            QPainter painter(&canvas);
            SpreadDraw(frame, painter, canvas.size(), transparent);
        }
        const QImage expected = ExpectedSpread(frame, transparent);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x)
                QVERIFY2(canvas.pixel(x, y) == expected.pixel(x, y), qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
    }

    void spreadDrawCropsCornersLargerThanTheirQuarter()
    {
        QImage frame = Blank(9, 9);
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x)
                frame.setPixel(x, y, At(x, y));
        QImage canvas = Blank(4, 4);
        QPainter painter(&canvas);
        SpreadDraw(frame, painter, canvas.size(), false);
        painter.end();
        // quarters of 2 x 2: the top-left corner keeps its outer part, the bottom-right corner its own
        QCOMPARE(canvas.pixel(0, 0), At(0, 0));
        QCOMPARE(canvas.pixel(1, 0), At(1, 0));
        QCOMPARE(canvas.pixel(3, 3), At(8, 8));
        QCOMPARE(canvas.pixel(2, 2), At(7, 7));
    }

    void threePartDrawKeysFramesOneAndThreeOnly_data()
    {
        QTest::addColumn<bool>("fromTop");
        QTest::addColumn<bool>("useKeyPixel");
        QTest::addColumn<QRgb>("key");
        QTest::newRow("top row") << true << true << QRgb(0xFF00FF00);
        QTest::newRow("bottom row") << false << true << QRgb(0xFF0000FF);
        QTest::newRow("magenta") << true << false << Key;
    }

    void threePartDrawKeysFramesOneAndThreeOnly()
    {
        QFETCH(bool, fromTop);
        QFETCH(bool, useKeyPixel);
        QFETCH(QRgb, key);
        QImage strip = Blank(9, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 9; ++x)
                strip.setPixel(x, y, At(x, y));
        strip.setPixel(0, 0, 0xFF00FF00);
        strip.setPixel(0, 2, 0xFF0000FF);
        strip.setPixel(7, 1, key);  // in frame 3: see-through
        strip.setPixel(4, 1, key);  // in frame 2: drawn as it is
        QImage canvas = Blank(16, 8);
        QPainter painter(&canvas);
        ThreePartDraw(strip, painter, QRect(2, 1, 12, 5), fromTop, useKeyPixel);
        painter.end();
        QCOMPARE(canvas.pixel(2 + 1, 1 + 1), strip.pixel(1, 1));           // frame 1 unscaled
        QCOMPARE(canvas.pixel(2 + 0, 1 + 4), Background);                  // frame 1 is only 3 high
        QCOMPARE(canvas.pixel(11 + 1, 1 + 1), Background);                  // keyed pixel of frame 3
        QCOMPARE(canvas.pixel(11 + 2, 1 + 2), strip.pixel(8, 2));
        QCOMPARE(canvas.pixel(2 + 0, 1 + (fromTop ? 0 : 2)), useKeyPixel ? Background : strip.pixel(0, fromTop ? 0 : 2));
        for (int y = 1; y < 6; ++y)                                          // frame 2 fills 5 rows
            QVERIFY(canvas.pixel(8, y) != Background);
        bool keySeenInMiddle = false;
        for (int y = 1; y < 6; ++y)
            for (int x = 5; x < 11; ++x)
                keySeenInMiddle = keySeenInMiddle || canvas.pixel(x, y) == key;
        QVERIFY(keySeenInMiddle);
    }

    void tileDrawCoversTheRectangleAndIgnoresEmptyPictures()
    {
        QImage tile = Blank(3, 2, 0xFFAA0000);
        QImage canvas = Blank(12, 6);
        QPainter painter(&canvas);
        TileDraw(painter, tile, QRect(0, 0, 7, 3));
        painter.end();
        QCOMPARE(canvas.pixel(9, 4), QRgb(0xFFAA0000));   // x = 9 < 7 + 3, y = 4 < 3 + 2
        QCOMPARE(canvas.pixel(11, 5), QRgb(0xFFAA0000));
        QImage untouched = Blank(5, 5);
        QPainter empty(&untouched);
        TileDraw(empty, QImage(), QRect(0, 0, 5, 5));
        TileDraw(empty, QImage(0, 4, QImage::Format_RGB32), QRect(0, 0, 5, 5));
        empty.end();
        QCOMPARE(untouched, Blank(5, 5));
    }

    void rotations()
    {
        QImage source = Blank(3, 2);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                source.setPixel(x, y, At(x, y));
        QImage left = source, right = source, half = source;
        RotateLeft(left);
        RotateRight(right);
        RotateHalf(half);
        QCOMPARE(left.size(), QSize(2, 3));
        QCOMPARE(right.size(), QSize(2, 3));
        QCOMPARE(half.size(), QSize(3, 2));
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x) {
                QCOMPARE(left.pixel(y, 3 - 1 - x), At(x, y));
                QCOMPARE(right.pixel(2 - 1 - y, x), At(x, y));
                QCOMPARE(half.pixel(3 - 1 - x, 2 - 1 - y), At(x, y));
            }
        RotateLeft(right);
        QCOMPARE(right, source);
    }

    void controlBorderAndInnerFrame()
    {
        QImage canvas = Blank(6, 5);
        QPainter painter(&canvas);
        DrawControlBorder(painter, canvas.rect(), clBlack, clWhite, true);
        painter.end();
        QCOMPARE(canvas.pixel(0, 0), QRgb(0xFF000000));
        QCOMPARE(canvas.pixel(5, 4), QRgb(0xFF000000));
        QCOMPARE(canvas.pixel(1, 1), QRgb(0xFFFFFFFF));
        QCOMPARE(canvas.pixel(4, 3), QRgb(0xFFFFFFFF));
        QCOMPARE(canvas.pixel(2, 2), Background);
    }

    void colourValues()
    {
        QCOMPARE(ColorToRGB(0x0000C8), QColor(200, 0, 0));
        QCOMPARE(ColorToRGB(0xE97501), QColor(1, 117, 233));
        QCOMPARE(ColorToRGB(clWindowText), QColor(Qt::black));
        QCOMPARE(ColorToRGB(clBtnFace), QColor(0xD4, 0xD0, 0xC8));
        QCOMPARE(RGBToColor(113, 215, 83), TColor(0x53D771));
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
