// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colors.h"
#include "Cp1250.h"
#include "ElementCard.h"
#include "ErrorRecorder.h"
#include "Menu.h"
#include "PageControl.h"
#include "MenuBar.h"
#include "Form.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "Printing.h"
#include "RichEdit.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "TableLayout.h"
#include "TrackBar.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include <unistd.h>

namespace {

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page at 150 dots per inch: an A4 landscape one is 1755 x 1240.
QImage Rendered(const QString& pdf, const QString& folder)
{
    Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("150"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
                                     folder + QStringLiteral("/strona")});
    return QImage(folder + QStringLiteral("/strona.png"));
}

// Where a tile's plain background shows on the rendered table page: left of its symbol, between
// its number and its name (page areas in tenths of a millimetre, as the page lays them out).
QPoint BackgroundOf(const char* symbol)
{
    for (const TileCell& cell : TileCells())
        if (QLatin1String(cell.Symbol) == QLatin1String(symbol)) {
            const double left = 60 + (cell.Column - 1) * (2710.0 / 18), top = 130 + (cell.Row - 1) * 180 + (cell.Row >= 8 ? 40 : 0);
            const double mm = 150 / 25.4 / 10;  // pixels per tenth of a millimetre
            return QPoint(int((100 + left + 16) * mm), int((100 + top + 98) * mm));
        }
    return {};
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 && std::abs(a.blue() - b.blue()) <= 2;
}

// "Plik" opened with Alt+P; Down from its first item to the one wanted, Enter.
void ChooseFromFile(int downs)
{
    WindowInput::Key(AGlowne, Qt::Key_P, Qt::AltModifier);
    QWidget* dropDown = AGlowne->suiForm1->MenuBar()->OpenDropDown();
    QVERIFY(dropDown && dropDown->isVisible());
    for (int k = 0; k < downs; ++k)
        WindowInput::Key(dropDown, Qt::Key_Down);
    WindowInput::Key(dropDown, Qt::Key_Return);
}

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        QVERIFY(WindowInput::Activate(AGlowne));
    }

    void cleanupTestCase() { DestroyWindows(); }

    // The table as a PDF, chosen from the keyboard: A4 landscape, every symbol and name as text,
    // everything inside the margins of 10 mm, the tiles in the colours the table shows, the legend
    // with a view's setting.
    void theTablePage()
    {
        ErrorRecorder errors;
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("uklad-okresowy.pdf"));
        QString suggested;
        Printer()->AskPath = [&](const QString&, const QString& name) {
            suggested = name;
            return pdf;
        };
        const auto tileColour = [](const char* symbol) { return ColorToRGB(AGlowne->TileOf(symbol)->Color()); };

        AGlowne->Grupypierwiastkw1->trigger();
        ChooseFromFile(1);
        QCOMPARE(suggested, QStringLiteral("uklad-okresowy.pdf"));
        QVERIFY(QFile::exists(pdf));
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Page size: +842 x 595 pts \\(A4\\)"))), qPrintable(info));
        const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY(text.contains(QStringLiteral("Układ okresowy pierwiastków")));
        // every font embedded: the page reads the same on a machine without DejaVu
        const QStringList fonts = Run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts)
            QVERIFY2(font.contains(QStringLiteral("DejaVuSans")) && font.section(QRegularExpression(QStringLiteral("\\s+")), -5, -5) == QLatin1String("yes"),
                     qPrintable(font));
        QVERIFY(text.contains(QStringLiteral("Legenda kolorów")));
        const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (int index = 1; index <= ElementTable::Count; ++index) {
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
        for (const char* symbol : {"Na", "Fe", "C", "Ne", "La", "U", "Rg"})
            QVERIFY2(Near(page.pixelColor(BackgroundOf(symbol)), tileColour(symbol)), symbol);

        // the states at 20 °C, with the setting in the legend
        AGlowne->Stanyskupienia1->trigger();
        AGlowne->suiTrackBar3->SetPosition(20);
        ChooseFromFile(1);
        QVERIFY(Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("Temperatura: 20 °C")));
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
                ChooseFromFile(1);
                const QString legend = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
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

    // The card of the element last shown: its name, its description's first sentence, both
    // pictures; the card items wait for an element.
    void theCard()
    {
        ErrorRecorder errors;
        QVERIFY(!AGlowne->Drukujkart1->isEnabled() && !AGlowne->Zapiszkart1->isEnabled());
        AGlowne->Infoopire(QStringLiteral("Fe"));
        QVERIFY(AGlowne->Drukujkart1->isEnabled() && AGlowne->Zapiszkart1->isEnabled());
        QTemporaryDir folder;
        QString suggested;
        const QString pdf = folder.filePath(QStringLiteral("karta.pdf"));
        Printer()->AskPath = [&](const QString&, const QString& name) {
            suggested = name;
            return pdf;
        };
        QVERIFY(WindowInput::Activate(AGlowne));
        ChooseFromFile(3);
        QCOMPARE(suggested, QStringLiteral("karta-Fe.pdf"));
        const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        QVERIFY(text.contains(QStringLiteral("Żelazo (Fe)")));
        QVERIFY(text.contains(QStringLiteral("Ferrum")));
        const std::unique_ptr<QTextDocument> beforeDescription = ElementCard(*Informacje);
        QString firstSentence;
        for (QTextBlock block = beforeDescription->begin(); block.isValid() && firstSentence.isEmpty(); block = block.next())
            if (block.text().size() > 40 && block.text().contains(QStringLiteral(". ")))
                firstSentence = block.text().section(QStringLiteral(". "), 0, 0).simplified();
        QVERIFY2(firstSentence.size() > 20 && text.contains(firstSentence), qPrintable(firstSentence));
        const QStringList images = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(images.size() >= 2 + 2, qPrintable(images.join(QLatin1Char('\n'))));  // a heading of two lines, then one per picture
        QVERIFY(Run(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("DejaVuSans-Bold")));

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
            if (block.text() == QStringLiteral("Żelazo") || block.text() == QStringLiteral("Odkrycie")
                || block.text() == QStringLiteral("Jaki jest i gdzie występuje"))
                headings << block.text() + (block.begin().fragment().charFormat().font().bold() ? QString() : QStringLiteral(" (not bold)"));
        }
        headings.removeDuplicates();
        QCOMPARE(headings, (QStringList{"Żelazo", "Jaki jest i gdzie występuje", "Odkrycie"}));
        QVERIFY2(blankLines >= 5, qPrintable(QString::number(blankLines)));
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet1);
        QVERIFY(errors.messages.isEmpty());
    }

    // A folder that cannot be written: the error in Polish, and no file, whole or half.
    void aFolderThatCannotBeWritten()
    {
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        // root writes anywhere it is let: a folder of the kernel's stands for it
        const QString target = (::geteuid() == 0 ? QStringLiteral("/sys") : folder.path()) + QStringLiteral("/uklad-okresowy.pdf");
        Printer()->AskPath = [&](const QString&, const QString&) { return target; };
        ErrorRecorder errors;
        AGlowne->Zapisztablicjako1->trigger();
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages.front().startsWith(QStringLiteral("Nie można zapisać pliku „uklad-okresowy.pdf” w folderze „%1”: brak uprawnień")
                                                        .arg(QFileInfo(target).path())),
                 qPrintable(errors.messages.front()));
        QVERIFY(!QFile::exists(target));
        QVERIFY(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).isEmpty());
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
