// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1250.h"
#include "FileAccess.h"
#include "PictureFile.h"
#include "PictureSamples.h"
#include "RtfReader.h"
#include "TestFolder.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <sys/stat.h>

#include <jerror.h>

namespace {

QString Text(const QList<RtfParagraph>& paragraphs)
{
    QStringList lines;
    for (const RtfParagraph& paragraph : paragraphs) {
        QString line;
        for (const RtfRun& run : paragraph.Runs)
            line += run.Text;
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString ErrorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

QRgb ExpectedBitmapColour(int bits, int x, int y)
{
    return bits == 1 ? ((x + y) % 2 ? 0xFFFFFFFF : 0xFF000000) : SampleColour(x, y);
}

} // namespace

class TestReaders : public QObject {
    Q_OBJECT

private slots:
    void rtfPolishLettersFormatsAndTables()
    {
        const QByteArray rtf =
            "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Tahoma;}{\\f1\\froman Times New Roman;}}"
            "{\\colortbl;\\red0\\green0\\blue0;\\red200\\green0\\blue0;}"
            "{\\stylesheet{\\s1 Heading;}}{\\info{\\title Sekret}{\\author Nikt}}"
            "\\pard\\qc\\b\\fs28 S\\'f3d\\b0\\par"
            "\\pard\\f1\\fs20\\cf2 Ma\\'b3e: \\'b9\\'e6\\'ea\\'b3\\'f1\\'f3\\'9c\\'9f\\'bf \\'a5\\'c6\\'ca\\'a3\\'d1\\'d3\\'8c\\'8f\\'af\\line"
            "{\\i kursywa} {\\ul podkre\\'9clenie}\\tab\\uc1\\u8211?\\u-3913?x H{\\sub 2}O Fe{\\super 3+}"
            "{\\*\\unknowndest tego nie ma}{\\pict\\pngblip 89504e47}\\par}";
        const QList<RtfParagraph> paragraphs = ParseRtf(rtf);
        QCOMPARE(Text(paragraphs), QString::fromUtf8("Sód\nMałe: ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ\u2028kursywa podkreślenie\t–\uF0B7x H2O Fe3+"));
        const RtfRun& title = paragraphs[0].Runs[0];
        QVERIFY(title.Bold);
        QCOMPARE(title.HalfPoints, 28);
        QCOMPARE(title.Family, QString("Tahoma"));
        QCOMPARE(paragraphs[0].Alignment, Qt::AlignHCenter);
        const RtfRun& body = paragraphs[1].Runs[0];
        QVERIFY(!body.Bold);
        QCOMPARE(body.Family, QString("Times New Roman"));
        QCOMPARE(body.Color, QColor(200, 0, 0));
        QCOMPARE(paragraphs[1].Alignment, Qt::AlignLeft);
        bool italic = false, underline = false;
        for (const RtfRun& run : paragraphs[1].Runs) {
            italic = italic || (run.Italic && run.Text == "kursywa");
            underline = underline || (run.Underline && run.Text == QString::fromUtf8("podkreślenie"));
        }
        QVERIFY(italic && underline);
        const QList<RtfRun>& runs = paragraphs[1].Runs;
        const auto positionOf = [&](const QString& text) {
            for (const RtfRun& run : runs)
                if (run.Text == text)
                    return run.Position;
            return RtfRun::Script::Normal;
        };
        QCOMPARE(positionOf("2"), RtfRun::Script::Sub);
        QCOMPARE(positionOf("3+"), RtfRun::Script::Super);
    }

    // What RTF from elsewhere carries: the document's code page and each font's charset, binary
    // data, fields, hidden text, tables, and control characters written as "\\u".
    void rtfFromOtherWriters_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        const QByteArray fonts = "{\\fonttbl{\\f0\\fcharset238 Tahoma;}{\\f1\\fcharset0 Arial;}{\\f2\\fcharset204 Arial;}"
                                 "{\\f3\\fcharset161 Arial;}{\\f4\\fcharset186 Arial;}}";
        QTest::newRow("a Windows-1252 document") << QByteArray("{\\rtf1\\ansi\\ansicpg1252 na\\'efve caf\\'e9}")
                                                 << QString::fromUtf8("naïve café");
        QTest::newRow("fonts of five charsets") << "{\\rtf1\\ansi\\ansicpg1250\\deff0" + fonts +
                                                       "\\f0 \\'b3\\'b9 \\f1 \\'ef \\f2 \\'e6\\'e8 \\f3 \\'e1\\'e2 \\f4 \\'e0\\'e8 \\f0 \\'9c}"
                                                << QString::fromUtf8("łą ï жи αβ ąč ś");
        QTest::newRow("an unknown code page reads as Windows-1250") << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'b3\\u12354?}")
                                                                     << QString::fromUtf8("ł\u3042");
        QTest::newRow("binary data with braces and backslashes") << QByteArray("{\\rtf1 a{\\*\\blipuid x}\\bin5 \\}{x\\b}") << QString("ab");
        QTest::newRow("a field shows its result") << QByteArray("{\\rtf1 zob. {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt IUPAC}}.}")
                                                  << QString("zob. IUPAC.");
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 jawny{\\v ukryty} {\\v\\b ukryty\\v0 widoczny}\\plain\\v x\\plain  koniec}")
                                     << QString("jawny widoczny koniec");
        QTest::newRow("a table") << QByteArray("{\\rtf1\\trowd\\cellx1000\\cellx2000 H\\cell 1\\cell\\row\\trowd He\\cell 2\\cell\\row}")
                                 << QString("H\t1\nHe\t2");
        QTest::newRow("control characters from \\u") << QByteArray("{\\rtf1 a\\u26?b\\u9?c\\u10?d\\u0?e\\'1af}")
                                                    << QString::fromUtf8("ab\tc\u2028def");
    }

    void rtfFromOtherWriters()
    {
        QFETCH(QByteArray, rtf);
        QTEST(Text(ParseRtf(rtf)), "text");
    }

    void rtfDamagedInputKeepsWhatItCan_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("unclosed group") << QByteArray("{\\rtf1 ab{\\b cd") << QString("abcd");
        QTest::newRow("surplus braces") << QByteArray("{\\rtf1 ab}}}cd}") << QString("abcd");
        QTest::newRow("truncated escape") << QByteArray("{\\rtf1 a\\'b") << QString("a");
        QTest::newRow("escape at the end") << QByteArray("{\\rtf1 a\\") << QString("a");
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << QString("azzb");
        QTest::newRow("huge parameter") << QByteArray("{\\rtf1\\fs99999999999999999 a\\u99999999999 b}") << QString("a");
        QTest::newRow("unicode skip over a group end") << QByteArray("{\\rtf1\\uc5 {\\u321}b}") << QString::fromUtf8("Łb");
        QTest::newRow("deep nesting") << QByteArray(100000, '{') + "\\rtf1 x" + QByteArray(100000, '}') << QString("x");
        QTest::newRow("unclosed deep nesting") << "{\\rtf1 " + QByteArray(100000, '{') + "\\b y" << QString("y");
    }

    void rtfDamagedInputKeepsWhatItCan()
    {
        QFETCH(QByteArray, rtf);
        QTEST(Text(ParseRtf(rtf)).remove(QChar(QChar::ReplacementCharacter)).remove('\n'), "text");
    }

    // A row's end takes the tab after its last cell; where that tab was a run of its own (in a
    // format of its own), no empty run is left behind.
    void aRowEndLeavesNoEmptyRun()
    {
        const QList<RtfParagraph> paragraphs = ParseRtf("{\\rtf1 x{\\b\\tab}\\row y\\par}");
        QCOMPARE(Text(paragraphs), QString("x\ny"));
        for (const RtfParagraph& paragraph : paragraphs)
            for (const RtfRun& run : paragraph.Runs)
                QVERIFY(!run.Text.isEmpty());
    }

    void descriptionsThatAreNotRtfArePlainWindows1250Text()
    {
        QTextDocument document;
        LoadDescription(document, "Tlen (\xB3\xB9\x63znie)\r\nrtf{\\b nie}");
        QCOMPARE(document.toPlainText(), QString::fromUtf8("Tlen (łącznie)\nrtf{\\b nie}"));
        LoadDescription(document, "{\\rtf1 {\\b Tlen}\\par zwyk\\'b3y\\par}");
        QCOMPARE(document.blockCount(), 2);
        QCOMPARE(document.begin().text(), QString("Tlen"));
        QVERIFY(document.begin().begin().fragment().charFormat().font().bold());
        QCOMPARE(document.begin().next().text(), QString::fromUtf8("zwykły"));
    }

    // A paragraph of thousands of characters is taken in pieces cut after a blank, none longer than
    // a piece, the text itself unchanged; of a text over a million characters the first million is
    // taken, below the note saying so.
    void longParagraphsInPieces_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shortened");
        const QByteArray words = "Sod jest metalem lekkim i reaguje z woda. ";
        QTest::newRow("plain, one paragraph of 1 MB") << words.repeated(1024 * 1024 / words.size())
                                                      << QString::fromLatin1(words.repeated(1024 * 1024 / words.size())) << false;
        QTest::newRow("plain, one paragraph of 8 MB") << words.repeated(8 * 1024 * 1024 / words.size())
                                                      << QString::fromLatin1(words.repeated(8 * 1024 * 1024 / words.size()).left(1 << 20)) << true;
        QTest::newRow("plain, a word of 10,000 letters") << QByteArray(10000, 'a') << QString(10000, QLatin1Char('a')) << false;
        QTest::newRow("RTF, 40,000 runs in a paragraph") << "{\\rtf1\\ansi " + QByteArray("{\\b S\\'f3d} {\\i wod\\'f3r} ").repeated(20000) + "\\par}"
                                                         << QString::fromUtf8("Sód wodór ").repeated(20000) << false;
    }

    void longParagraphsInPieces()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, text);
        QFETCH(bool, shortened);
        QTextDocument document;
        LoadDescription(document, file);
        QTextBlock block = document.begin();
        QCOMPARE(block.text() == QString::fromUtf8(ShortenedDescriptionNote), shortened);
        if (shortened)
            block = block.next();
        QString joined;
        for (; block.isValid(); block = block.next()) {
            QVERIFY2(block.text().size() <= 4096, qPrintable(QString::number(block.text().size())));
            QVERIFY(block.text().endsWith(QLatin1Char(' ')) || !block.next().isValid() || !block.text().contains(QLatin1Char(' ')));
            joined += block.text();
        }
        QCOMPARE(joined.size(), text.size());
        QVERIFY(joined == text);
        QVERIFY(document.blockCount() > text.size() / 4096);
    }

    void bitmapsOfEveryDepth_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("bits");
        for (const int bits : {1, 4, 8, 24, 32}) {
            QTest::addRow("%d bits", bits) << SampleBitmap(bits, 7, 5) << bits;
            QTest::addRow("%d bits top-down", bits) << SampleBitmap(bits, 7, 5, true) << bits;
        }
        QTest::newRow("RLE8") << SampleBitmap(8, 7, 5, false, BmpCompression::Rle8) << 8;
        QTest::newRow("RLE4") << SampleBitmap(4, 7, 5, false, BmpCompression::Rle4) << 4;
    }

    void bitmapsOfEveryDepth()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, bits);
        const QImage image = DecodeBitmap(file);
        QCOMPARE(image.size(), QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(image.pixel(x, y), ExpectedBitmapColour(bits, x, y));
    }

    void jpegsOfEveryKind_data()
    {
        QTest::addColumn<JpegKind>("kind");
        QTest::newRow("baseline 4:2:0") << JpegKind::Baseline420;
        QTest::newRow("baseline 4:4:4") << JpegKind::Baseline444;
        QTest::newRow("progressive") << JpegKind::Progressive;
        QTest::newRow("greyscale") << JpegKind::Grey;
        QTest::newRow("a print shop's CMYK") << JpegKind::AdobeCmyk;
    }

    void jpegsOfEveryKind()
    {
        QFETCH(JpegKind, kind);
        const QImage image = DecodeJpeg(SampleJpeg(kind));
        QCOMPARE(image.size(), QSize(48, 32));
        const QColor c = image.pixelColor(10, 20);
        if (kind == JpegKind::Grey)
            QVERIFY(c.red() == c.green() && c.green() == c.blue());
        else
            QVERIFY(std::abs(c.red() - 80) < 12 && std::abs(c.green() - 160) < 12 && std::abs(c.blue() - 180) < 12);
    }

    void picturesThatCannotBeShownSayWhy_data()
    {
        QByteArray huge = SampleBitmap(24, 2, 2);
        const auto put = [&](int at, std::uint32_t value) {
            for (int i = 0; i < 4; ++i)
                huge[at + i] = char(value >> (8 * i));
        };
        put(18, 100000);
        put(22, 100000);
        QByteArray hugeJpeg = SampleJpeg(JpegKind::Baseline420);
        const qsizetype frame = hugeJpeg.indexOf("\xFF\xC0");
        hugeJpeg[frame + 5] = char(0x86);  // 100,000 = 0x186A0 does not fit: 34464 × 34464 is enough
        hugeJpeg[frame + 6] = char(0xA0);
        hugeJpeg[frame + 7] = char(0x86);
        hugeJpeg[frame + 8] = char(0xA0);
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QString notValid = "Bitmap image is not valid";
        const QString notJpeg = QString("JPEG error #%1").arg(JERR_NO_SOI);
        QTest::newRow("bitmap named .jpg") << "a.jpg" << SampleBitmap(24, 4, 4) << notJpeg;
        QTest::newRow("JPEG named .bmp") << "a.bmp" << SampleJpeg(JpegKind::Baseline420) << notValid;
        QTest::newRow("truncated bitmap") << "a.bmp" << SampleBitmap(24, 40, 40).left(200) << notValid;
        QTest::newRow("truncated JPEG") << "a.JPEG" << SampleJpeg(JpegKind::Progressive).left(300)
                                        << QString("JPEG error #%1").arg(JWRN_JPEG_EOF);
        QTest::newRow("a bitmap of 100,000 × 100,000") << "a.bmp" << huge << notValid;
        QTest::newRow("a JPEG of 34,464 × 34,464") << "a.jpg" << hugeJpeg << QString("JPEG error #%1").arg(JERR_IMAGE_TOO_BIG);
        QTest::newRow("empty file") << "a.jpeg" << QByteArray() << QString("JPEG error #%1").arg(JERR_INPUT_EMPTY);
        // no bitmaps, whose bytes where a header would stand made an overflowing row count (the
        // sanitizer build stopped on them)
        QTest::newRow("text named .bmp") << "a.bmp" << QByteArray("Sód jest metalem lekkim, miękkim i srebrzystobiałym; reaguje z wodą.") << notValid;
        QTest::newRow("GIF named .bmp") << "a.bmp" << QByteArray("GIF89a\x10\x00\x10\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00\x00\x00,").append(40, '\xff') << notValid;
        QTest::newRow("empty .bmp") << "a.bmp" << QByteArray() << notValid;
        QByteArray wide = SampleBitmap(24, 2, 2);
        wide[18] = wide[19] = wide[20] = char(0xff), wide[21] = char(0x7f);  // 2^31 - 1 wide
        wide[22] = wide[23] = wide[24] = char(0xff), wide[25] = char(0x7f);  // as high
        wide[28] = wide[29] = char(0xff);                                    // 65,535 bits a pixel
        QTest::newRow("a header of extremes") << "a.bmp" << wide << notValid;
        QTest::newRow("unknown extension") << "a.gif" << QByteArray("GIF89a") << "Unknown picture file extension (.gif)";
        QTest::newRow("no extension") << "obraz" << SampleBitmap(24, 4, 4) << "Unknown picture file extension (.)";
    }

    // Each says why: a JPEG in libjpeg's words after its number ("JPEG error #53: Not a JPEG file:
    // starts with 0x42 0x4d").
    void picturesThatCannotBeShownSayWhy()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        TestFolder folder;
        folder.Write(name, bytes);
        const QString said = ErrorOf([&] { LoadPictureFile(folder.Path(name)); });
        if (error.startsWith(QStringLiteral("JPEG error")))
            QVERIFY2(said.startsWith(error + QStringLiteral(": ")) && said.size() > error.size() + 8, qPrintable(said));
        else
            QCOMPARE(said, error);
    }

    void filesThatCannotBeReadSayWhereAndWhy()
    {
        TestFolder folder;
        QCOMPARE(ErrorOf([&] { LoadPictureFile(folder.Path("brak.bmp")); }),
                 QString("Cannot open file \"%1\". No such file or directory").arg(folder.Path("brak.bmp")));
        QDir(folder.Path("")).mkdir("katalog.jpg");
        QCOMPARE(ErrorOf([&] { LoadPictureFile(folder.Path("katalog.jpg")); }),
                 QString("Cannot open file \"%1\". Is a directory").arg(folder.Path("katalog.jpg")));
        folder.Write("opis.rtf", QByteArray(101, 'x'));
        QCOMPARE(ErrorOf([&] { ReadFileToShow(folder.Path("opis.rtf"), 100); }),
                 QString("Cannot open file \"%1\". File too large").arg(folder.Path("opis.rtf")));
        QCOMPARE(ReadFileToShow(folder.Path("opis.rtf"), 101).size(), 101);
        // a named pipe or a device is refused at once: opening a pipe waited for a writer for ever
        QCOMPARE(::mkfifo(QFile::encodeName(folder.Path("rura.rtf")).constData(), 0600), 0);
        QCOMPARE(ErrorOf([&] { ReadFileToShow(folder.Path("rura.rtf"), 100); }),
                 QString("Cannot open file \"%1\". Not a regular file").arg(folder.Path("rura.rtf")));
        QVERIFY(QFile::link("/dev/zero", folder.Path("zera.jpg")));
        QCOMPARE(ErrorOf([&] { LoadPictureFile(folder.Path("zera.jpg")); }),
                 QString("Cannot open file \"%1\". Not a regular file").arg(folder.Path("zera.jpg")));
        // the extension in any letter case, and the doubled separator of the program's paths
        folder.Write("x.BMP", SampleBitmap(24, 4, 4));
        QCOMPARE(LoadPictureFile(folder.Path("/x.BMP")).size(), QSize(4, 4));
    }
};

QTEST_MAIN(TestReaders)
#include "tst_readers.moc"
