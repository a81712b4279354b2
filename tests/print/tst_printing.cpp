// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableOptions.h"
#include "CardPages.h"
#include "Colors.h"
#include "Cp1250.h"
#include "ElementCard.h"
#include "ErrorRecorder.h"
#include "Form.h"
#include "Menu.h"
#include "MenuBar.h"
#include "PageControl.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "Printing.h"
#include "PropertyScales.h"
#include "RichEdit.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "TableLayout.h"
#include "TrackBar.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString TextOf(const QString& pdf, int page = 0)
{
    QStringList arguments;
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return Run(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

QStringList WordsOf(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The page at 150 dots per inch, in colour or in grey: an A4 landscape one is 1755 x 1240.
QImage Rendered(const QString& pdf, const QString& folder, bool grey = false)
{
    QStringList arguments{QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"), QStringLiteral("-singlefile")};
    if (grey)
        arguments << QStringLiteral("-gray");
    Run(QStringLiteral("pdftoppm"), arguments << pdf << folder + QStringLiteral("/strona"));
    return QImage(folder + QStringLiteral("/strona.png"));
}

// A point of the A4 table page, laid out in tenths of a millimetre inside margins of 10 mm, on the
// page rendered at 150 dots per inch.
QPoint OnPage(double x, double y)
{
    const double pixels = 150 / 254.0;
    return QPoint(int((100 + x) * pixels), int((100 + y) * pixels));
}

// Where a tile's plain background shows: left of its symbol, in the line of its name.
QPoint BackgroundOf(const char* symbol)
{
    for (const TileCell& cell : TileCells())
        if (QLatin1String(cell.Symbol) == QLatin1String(symbol)) {
            const double left = 60 + (cell.Column - 1) * (2710.0 / 18);
            const double top = cell.Row >= 8 ? 1462 + (cell.Row - 8) * 176 : 160 + (cell.Row - 1) * 176;
            return OnPage(left + 16, top + 98);
        }
    return {};
}

// The inside of the swatch of the legend's k-th entry, in its first column, below a view's
// setting where there is one.
QRect Swatch(int k, bool setting)
{
    const double top = 230 + (setting ? 42 : 0) + k * 44 + 4;
    return QRect(OnPage(847 + 6, top + 6), OnPage(847 + 54, top + 30));
}

// How far apart two areas of a grey page are: the mean difference of their pixels, 0 to 255.
double Apart(const QImage& page, const QRect& a, const QRect& b)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x, ++count)
            sum += std::abs(qGray(page.pixel(a.x() + x, a.y() + y)) - qGray(page.pixel(b.x() + x, b.y() + y)));
    return count ? sum / count : 0;
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 && std::abs(a.blue() - b.blue()) <= 2;
}

bool HasLigatures(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0xFB00 && c.unicode() <= 0xFB06; });
}

// The items of "Plik", in its order.
enum FileItem { PrintTableItem, SaveTableItem, GreyscaleItem, PrintCardItem, SaveCardItem };

// "Plik" opened with Alt+P; Down from its first item to the one wanted, Enter.
void ChooseFromFile(FileItem item)
{
    bool active = false;
    for (int attempt = 0; attempt < 3 && !active; ++attempt) {
        QTest::qWait(50);
        active = WindowInput::Activate(AGlowne);
    }
    QVERIFY(active);
    WindowInput::Key(AGlowne, Qt::Key_P, Qt::AltModifier);
    QWidget* dropDown = AGlowne->suiForm1->MenuBar()->OpenDropDown();
    QVERIFY(dropDown && dropDown->isVisible());
    for (int k = 0; k < int(item); ++k)
        WindowInput::Key(dropDown, Qt::Key_Down);
    WindowInput::Key(dropDown, Qt::Key_Return);
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // the choices kept between sessions in a configuration folder of this run's own, whose
        // documents folder is one of its own too
        qputenv("XDG_CONFIG_HOME", configuration_.path().toLocal8Bit());
        SaveTableOptions({false}, TableOptionsPath());  // the table of "dane.dat" alone
        QDir(configuration_.path()).mkdir(QStringLiteral("Dokumenty"));
        QFile dirs(configuration_.filePath(QStringLiteral("user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"" + configuration_.filePath(QStringLiteral("Dokumenty")).toUtf8() + "\"\n");
        dirs.close();
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        // a card is of an element shown
        QVERIFY(!AGlowne->Drukujkart1->isEnabled() && !AGlowne->Zapiszkart1->isEnabled());
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        QVERIFY(WindowInput::Activate(AGlowne));
    }

    void cleanupTestCase() { DestroyWindows(); }

    // The table as a PDF, chosen from the keyboard: A4 landscape, every symbol and name as text and
    // no letters joined into ligatures, the title, the key, the places of the f rows, the blocks
    // and the footer; everything inside the margins of 10 mm and across the page's width; the tiles
    // in the colours the table shows, the legend with a view's setting, and never a stale one.
    void theTablePage()
    {
        ErrorRecorder errors;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("uklad-okresowy.pdf"));
        QString suggested;
        Printer()->AskPath = [&](const QString&, const QString& path) {
            suggested = path;
            return pdf;
        };
        const auto tileColour = [](const char* symbol) { return ColorToRGB(AGlowne->TileOf(symbol)->Color()); };

        AGlowne->Grupypierwiastkw1->trigger();
        ChooseFromFile(SaveTableItem);
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("uklad-okresowy.pdf"));
        QVERIFY(QFile::exists(pdf));
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +842 x 595 pts \\(A4\\)"))), qPrintable(info));
        const QString text = TextOf(pdf);
        QVERIFY(!HasLigatures(text));
        for (const char* words : {"Układ okresowy pierwiastków", "Legenda kolorów", "liczba atomowa", "symbol", "nazwa", "masa atomowa",
                                  "57–71", "89–103", "lantanowce", "aktynowce", "blok s", "blok p", "blok d", "blok f", "IUPAC 2021",
                                  "CRC Handbook", "Układ Okresowy 1.3.0"})
            QVERIFY2(text.contains(QString::fromUtf8(words)), words);
        QVERIFY2(text.contains(QStringLiteral("wydrukowano ") + QLocale(QLocale::Polish).toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"))),
                 qPrintable(text.right(300)));
        // every font embedded: the page reads the same on a machine without DejaVu
        const QStringList fonts = Run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.contains(QStringLiteral("DejaVuSans")) && font.section(QRegularExpression(QStringLiteral("\\s+")), -5, -5) == QLatin1String("yes"),
                     qPrintable(font));
        const QStringList words = WordsOf(text);
        for (int index = 1; index <= ElementTable::FileCount; ++index) {
            const TElementRecord& record = AGlowne->Elements()[index];
            QVERIFY2(words.contains(QString::fromLatin1(record.Symbol.Text())), record.Symbol.Text().constData());
            const QString name = Cp1250ToString(record.PolishName.Text());
            QVERIFY2(words.contains(name), qPrintable(name));
        }
        QImage page = Rendered(pdf, folder.path());
        QCOMPARE(page.size(), QSize(1755, 1240));
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixel(x, y) != qRgb(255, 255, 255))
                    ink |= QRect(x, y, 1, 1);
        const int margin = int(10 / 25.4 * 150);  // 59 pixels
        QVERIFY2(ink.left() >= margin && ink.top() >= margin && ink.right() < page.width() - margin && ink.bottom() < page.height() - margin,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())));
        QVERIFY2(ink.width() > (page.width() - 2 * margin) * 0.98, qPrintable(QString::number(ink.width())));
        for (const char* symbol : {"Na", "Fe", "C", "Ne", "La", "U", "Rg"})
            QVERIFY2(Near(page.pixelColor(BackgroundOf(symbol)), tileColour(symbol)), symbol);

        // the states at 20 °C, with the setting in the legend
        AGlowne->Stanyskupienia1->trigger();
        AGlowne->suiTrackBar3->SetPosition(20);
        ChooseFromFile(SaveTableItem);
        QVERIFY(TextOf(pdf).contains(QStringLiteral("Temperatura: 20 °C")));
        page = Rendered(pdf, folder.path());
        for (const char* symbol : {"Na", "Hg", "Br", "Cl", "He", "Fe", "Fm"})
            QVERIFY2(Near(page.pixelColor(BackgroundOf(symbol)), tileColour(symbol)), symbol);
        // a colouring chosen while a view's panel stays open: the legend is the colouring's alone
        for (TMenuItem* view : {AGlowne->Stanyskupienia1, AGlowne->Datyodkry1})
            for (TMenuItem* colouring : {AGlowne->Grupypierwiastkw1, AGlowne->Gsto1, AGlowne->Podziametali1}) {
                if (colouring == AGlowne->Grupypierwiastkw1 && !view->Checked())
                    view->trigger();
                colouring->trigger();
                QVERIFY(AGlowne->suiPanel3->isVisible() || AGlowne->suiPanel4->isVisible());
                ChooseFromFile(SaveTableItem);
                const QString legend = TextOf(pdf);
                QVERIFY2(legend.contains(AGlowne->suiPanel1->Caption().section(QLatin1Char(','), 0, 0)), qPrintable(legend));
                QVERIFY2(!legend.contains(QStringLiteral("Temperatura:")) && !legend.contains(QStringLiteral("Data odkrycia:")),
                         qPrintable(view->Caption() + QLatin1Char(' ') + colouring->Caption()));
                // the plain tiles of elements without a density explained, as on the screen
                QCOMPARE(legend.contains(QStringLiteral("brak danych")), colouring == AGlowne->Gsto1);
            }
        AGlowne->Datyodkry1->trigger();
        AGlowne->Bezkolorw1->trigger();
        QVERIFY(errors.messages.isEmpty());
    }

    // Under a colouring by a figure every tile carries its figure, "—" where there is none, and the
    // key names the figure.
    void figuresOnTheTiles()
    {
        ErrorRecorder errors;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("uklad-okresowy.pdf"));
        Printer()->AskPath = [&](const QString&, const QString&) { return pdf; };
        AGlowne->Elektroujemno1->trigger();
        ChooseFromFile(SaveTableItem);
        QVERIFY2(QFile::exists(pdf), qPrintable(errors.messages.join(QLatin1Char('\n'))));
        const QString text = TextOf(pdf).simplified();
        QVERIFY2(text.contains(QStringLiteral("elektroujemność (skala Paulinga)")), qPrintable(text));
        const QStringList words = WordsOf(text);
        const QString comma = QLocale().decimalPoint();
        for (const QString& figure : {QStringLiteral("3") + comma + QStringLiteral("44"), QStringLiteral("0") + comma + QStringLiteral("93")})
            QVERIFY2(words.contains(figure), qPrintable(figure));  // oxygen's, sodium's
        int without = 0;
        for (int index = 1; index <= ElementTable::FileCount; ++index)
            without += AGlowne->FigureOf(Colouring::Electronegativity, AGlowne->Elements()[index]) ? 0 : 1;
        QVERIFY(without >= 3);  // helium, neon, argon at least
        QCOMPARE(int(words.count(QStringLiteral("—"))), without);  // the key's iron has its figure
        AGlowne->Bezkolorw1->trigger();
    }

    // "Druk czarno-biały", chosen by keys and kept between sessions: the page holds no colour, and
    // every two legend entries differ in grey, kinds and shades alike, each kind with its letter.
    void blackAndWhite()
    {
        ErrorRecorder errors;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("uklad-okresowy.pdf"));
        Printer()->AskPath = [&](const QString&, const QString&) { return pdf; };
        QVERIFY(!AGlowne->Drukczarnobiay1->Checked());
        ChooseFromFile(GreyscaleItem);
        QVERIFY(AGlowne->Drukczarnobiay1->Checked());
        QVERIFY(LoadPrintOptions(PrintOptionsPath()).Greyscale);

        for (TMenuItem* colouring : {AGlowne->Podziametali1, AGlowne->Grupypierwiastkw1, AGlowne->Gsto1, AGlowne->Stanyskupienia1}) {
            colouring->trigger();
            ChooseFromFile(SaveTableItem);
            const QImage colour = Rendered(pdf, folder.path());
            for (int y = 0; y < colour.height(); y += 2)
                for (int x = 0; x < colour.width(); x += 2) {
                    const QRgb pixel = colour.pixel(x, y);
                    QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel), qPrintable(colouring->Caption()));
                }
            const QImage grey = Rendered(pdf, folder.path(), true);
            int entries = 0;
            for (int entry = 1; entry <= TAGlowne::LegendEntries; ++entry)
                entries += AGlowne->PKolor(entry)->isHidden() ? 0 : 1;
            QVERIFY(entries >= 3);
            const bool setting = colouring == AGlowne->Stanyskupienia1;
            for (int a = 0; a < entries; ++a)
                for (int b = a + 1; b < entries; ++b) {
                    const double apart = Apart(grey, Swatch(a, setting), Swatch(b, setting));
                    QVERIFY2(apart >= 12, qPrintable(QStringLiteral("%1: %2 and %3 differ by %4").arg(colouring->Caption()).arg(a).arg(b).arg(apart)));
                }
            if (colouring == AGlowne->Podziametali1) {
                const QString text = TextOf(pdf);
                QVERIFY2(text.contains(QStringLiteral("A – Metale alkaliczne")) && text.contains(QStringLiteral("kod rodzaju")), qPrintable(text));
                QVERIFY(WordsOf(text).count(QStringLiteral("A")) >= 6 + 1);  // lithium to francium, and the legend
            }
            AGlowne->Bezkolorw1->trigger();
        }
        ChooseFromFile(GreyscaleItem);
        QVERIFY(!AGlowne->Drukczarnobiay1->Checked());
        QVERIFY(!LoadPrintOptions(PrintOptionsPath()).Greyscale);
        QVERIFY(errors.messages.isEmpty());
    }

    // The printer dialog opens on A4, landscape for the table and portrait for the card, and in grey
    // while "Druk czarno-biały" is chosen; what is chosen in it (paper, margins, colour mode) is
    // what prints, the table across the paper's width.
    void thePrinterDialogsChoices()
    {
        ErrorRecorder errors;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("druk.pdf"));
        QPageLayout offered;
        QPrinter::ColorMode offeredMode = QPrinter::Color;
        QPageSize chosen(QPageSize::Letter);
        Printer()->AskPrinter = [&](QPrinter& printer, const QString&) {
            offered = printer.pageLayout();
            offeredMode = printer.colorMode();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(chosen);
            printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
            printer.setColorMode(QPrinter::GrayScale);
            return true;
        };
        AGlowne->Grupypierwiastkw1->trigger();
        ChooseFromFile(PrintTableItem);
        QCOMPARE(offered.pageSize().id(), QPageSize::A4);
        QCOMPARE(offered.orientation(), QPageLayout::Landscape);
        QCOMPARE(offered.margins(QPageLayout::Millimeter), QMarginsF(10, 10, 10, 10));
        QCOMPARE(offeredMode, QPrinter::Color);
        QVERIFY2(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("792 x 612 pts (letter)")), qPrintable(Run(QStringLiteral("pdfinfo"), {pdf})));
        const QImage page = Rendered(pdf, folder.path());
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QRgb pixel = page.pixel(x, y);
                QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel));
                if (pixel != qRgb(255, 255, 255))
                    ink |= QRect(x, y, 1, 1);
            }
        const double margin = 15 / 25.4 * 150;
        QVERIFY2(ink.left() >= margin - 1 && ink.right() <= page.width() - margin + 1 && ink.width() > (page.width() - 2 * margin) * 0.98,
                 qPrintable(QStringLiteral("%1 to %2 of %3").arg(ink.left()).arg(ink.right()).arg(page.width())));

        AGlowne->Drukczarnobiay1->trigger();
        AGlowne->Infoopire(QStringLiteral("Fe"));
        chosen = QPageSize(QPageSize::A3);
        ChooseFromFile(PrintCardItem);
        QCOMPARE(offered.pageSize().id(), QPageSize::A4);
        QCOMPARE(offered.orientation(), QPageLayout::Portrait);
        QCOMPARE(offeredMode, QPrinter::GrayScale);
        QVERIFY(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("842 x 1191 pts (A3)")));
        QVERIFY(TextOf(pdf).contains(QStringLiteral("Żelazo (Fe)")));
        AGlowne->Drukczarnobiay1->trigger();
        AGlowne->Bezkolorw1->trigger();
        Informacje->hide();
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join(QLatin1Char('\n'))));
    }

    // The card of the element last shown: its name, temperatures in °C, its description's first
    // sentence, both pictures, the source line; every page after the first headed by the element;
    // no ligatures.
    void theCard()
    {
        ErrorRecorder errors;
        AGlowne->Infoopire(QStringLiteral("Fe"));
        QVERIFY(AGlowne->Drukujkart1->isEnabled() && AGlowne->Zapiszkart1->isEnabled());
        QTemporaryDir folder;
        QString suggested;
        const QString pdf = folder.filePath(QStringLiteral("karta.pdf"));
        Printer()->AskPath = [&](const QString&, const QString& path) {
            suggested = path;
            return pdf;
        };
        ChooseFromFile(SaveCardItem);
        QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("karta-Fe.pdf"));
        const QString raw = TextOf(pdf);
        QVERIFY(!HasLigatures(raw));
        const QString text = raw.simplified();
        for (const char* words : {"Żelazo (Fe)", "Ferrum", "1538 °C", "2861 °C", "CC BY-SA 4.0", "IUPAC 2021", "Układ Okresowy 1.3.0"})
            QVERIFY2(text.contains(QString::fromUtf8(words)), words);
        const std::unique_ptr<QTextDocument> beforeDescription = ElementCard(*Informacje);
        QString firstSentence;
        for (QTextBlock block = beforeDescription->begin(); block.isValid() && firstSentence.isEmpty(); block = block.next())
            if (block.text().size() > 40 && block.text().contains(QStringLiteral(". ")))
                firstSentence = block.text().section(QStringLiteral(". "), 0, 0).simplified();
        QVERIFY2(firstSentence.size() > 20 && text.contains(firstSentence), qPrintable(firstSentence));
        const QStringList images = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(images.size() >= 2 + 2, qPrintable(images.join(QLatin1Char('\n'))));  // a heading of two lines, then one per picture
        QVERIFY(Run(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("DejaVuSans-Bold")));
        const int pages = Run(QStringLiteral("pdfinfo"), {pdf}).section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
        QVERIFY(pages >= 2);
        for (int number = 1; number <= pages; ++number) {
            const QString first = TextOf(pdf, number).trimmed().section(QLatin1Char('\n'), 0, 0);
            QCOMPARE(first == QStringLiteral("Żelazo (Fe) – karta pierwiastka"), number > 1);
            QVERIFY(TextOf(pdf, number).contains(QStringLiteral("Strona %1 z %2").arg(number).arg(pages)));
        }

        // the same card after the description has been shown and scrolled: its title and headings
        // bold, its blank lines kept in the paper's own sizes
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        Informacje->RichEdit1->verticalScrollBar()->setValue(Informacje->RichEdit1->verticalScrollBar()->maximum());
        const std::unique_ptr<QTextDocument> afterDescription = ElementCard(*Informacje);
        QCOMPARE(afterDescription->toHtml(), beforeDescription->toHtml());
        QStringList headings;
        int blankLines = 0;
        for (QTextBlock block = afterDescription->begin(); block.isValid(); block = block.next()) {
            blankLines += block.text().isEmpty() ? 1 : 0;
            QVERIFY2(!block.charFormat().hasProperty(QTextFormat::FontPixelSize), qPrintable(block.text()));
            if (IsHeading(block))
                headings << block.text();
        }
        QCOMPARE(headings.join(QLatin1Char('|')), QStringLiteral("Żelazo (Fe)|Więcej informacji|Żelazo|Jaki jest i gdzie występuje|Odkrycie|Zastosowanie|Związki|Bezpieczeństwo|Warto zapamiętać"));
        QVERIFY2(blankLines >= 5, qPrintable(QString::number(blankLines)));
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet1);
        QVERIFY(errors.messages.isEmpty());
    }

    // On any paper, no heading is the last thing on its page: the text it heads starts on the same
    // page.
    void headingsStayWithTheirText()
    {
        int moved = 0;
        for (const char* symbol : {"H", "C", "O", "Na", "Fe", "Cu", "Ag", "Au", "Hg", "U"})
            for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::A5, QPageSize::Letter}) {
                AGlowne->Infoopire(QString::fromLatin1(symbol));
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                writer.setResolution(600);
                writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
                const std::unique_ptr<QTextDocument> pages = CardOnPages(*ElementCard(*Informacje), writer);
                QVERIFY(pages->pageCount() >= 1);
                const double height = pages->pageSize().height();
                const auto pageOf = [&](double y) { return int(y / height); };
                for (QTextBlock block = pages->begin(); block.isValid(); block = block.next()) {
                    if (!IsHeading(block))
                        continue;
                    moved += block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore ? 1 : 0;
                    QTextBlock next = block.next();
                    while (next.isValid() && next.text().trimmed().isEmpty())
                        next = next.next();
                    if (!next.isValid())
                        continue;
                    const double textTop = pages->documentLayout()->blockBoundingRect(next).top();
                    QVERIFY2(next.layout()->lineCount() > 0, qPrintable(block.text() + QStringLiteral(" / ") + next.text()));
                    const QTextLine line = next.layout()->lineAt(0);
                    const double textBottom = textTop + line.y() + line.height();
                    const double headingTop = pages->documentLayout()->blockBoundingRect(block).top();
                    QVERIFY2(pageOf(headingTop + 0.5) == pageOf(textBottom - 0.5),
                             qPrintable(QStringLiteral("%1 on %2: %3 at %4, its text to %5, pages of %6")
                                            .arg(QLatin1String(symbol), QPageSize(paper).name(), block.text())
                                            .arg(headingTop)
                                            .arg(textBottom)
                                            .arg(height)));
                }
            }
        QVERIFY2(moved > 0, "no heading ever needed moving: the check would pass without the rule");
        Informacje->hide();
    }

    // The file dialog opens in the documents folder, then where the last PDF was saved, in this
    // session and the next; a folder since removed gives way to the documents folder again.
    void theFolderToSaveIn()
    {
        const QString documents = configuration_.filePath(QStringLiteral("Dokumenty"));
        QFile::remove(PrintOptionsPath());
        const Printing fresh(AGlowne, Informacje, nullptr, PrintOptionsPath());
        QCOMPARE(fresh.StartFolder(), documents);
        QTemporaryDir elsewhere;
        QString suggested;
        Printer()->AskPath = [&](const QString&, const QString& path) {
            suggested = path;
            return elsewhere.filePath(QStringLiteral("tablica.pdf"));
        };
        ChooseFromFile(SaveTableItem);
        QVERIFY(QFile::exists(elsewhere.filePath(QStringLiteral("tablica.pdf"))));
        ChooseFromFile(SaveTableItem);
        QCOMPARE(QFileInfo(suggested).path(), elsewhere.path());
        QCOMPARE(Printing(AGlowne, Informacje, nullptr, PrintOptionsPath()).StartFolder(), elsewhere.path());
        elsewhere.remove();
        QCOMPARE(Printing(AGlowne, Informacje, nullptr, PrintOptionsPath()).StartFolder(), documents);
    }

    // A folder that cannot be written, and a full disk: the error in Polish naming the file and its
    // folder, and no file, whole or half.
    void whatCannotBeWritten()
    {
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        // root writes anywhere it is let: a folder of the kernel's stands for it
        const QString target = (::geteuid() == 0 ? QStringLiteral("/sys") : folder.path()) + QStringLiteral("/uklad-okresowy.pdf");
        Printer()->AskPath = [&](const QString&, const QString&) { return target; };
        ErrorRecorder errors;
        ChooseFromFile(SaveTableItem);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.front().startsWith(QStringLiteral("Nie można zapisać pliku „uklad-okresowy.pdf” w folderze „%1”: brak uprawnień")
                                                        .arg(QFileInfo(target).path())),
                 qPrintable(errors.messages.front()));
        QVERIFY(!QFile::exists(target));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

        // a disk that fills up after 4 KB of the PDF
        const QString full = folder.filePath(QStringLiteral("uklad-okresowy.pdf"));
        Printer()->AskPath = [&](const QString&, const QString&) { return full; };
        rlimit limit{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &limit), 0);
        const rlimit small{4096, limit.rlim_max};
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        ChooseFromFile(SaveTableItem);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, previous);
        QCOMPARE(errors.messages.size(), 2);
        QCOMPARE(errors.messages.back(),
                 QStringLiteral("Nie można zapisać pliku „uklad-okresowy.pdf” w folderze „%1”: brak miejsca na dysku.").arg(folder.path()));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
    }

private:
    QTemporaryDir configuration_;
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
