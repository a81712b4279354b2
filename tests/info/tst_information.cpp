// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComboBox.h"
#include "TableOptions.h"
#include "ViewRules.h"
#include "Button.h"
#include "Cp1250.h"
#include "ErrorRecorder.h"
#include "Fonts.h"
#include "Image.h"
#include "Label.h"
#include "Memo.h"
#include "Menu.h"
#include "PageControl.h"
#include "PictureSamples.h"
#include "PlainPanel.h"
#include "Panel.h"
#include "PropertyScales.h"
#include "RichEdit.h"
#include "Text.h"
#include "TAGlowne.h"
#include "AboutWindow.h"
#include "TInformacje.h"
#include "Accessibility.h"
#include "AtomWindow.h"
#include "TableLayout.h"
#include "TestFolder.h"
#include "URLLabel.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAccessible>
#include <QDir>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#include <jerror.h>

#include <cstring>
#include <limits>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped table and configurations, with some records changed, in a folder of its own.
class Program {
public:
    Program()
    {
        table_ = ReadFile(QStringLiteral(ASSETS_DIR "/dane.dat"));
        QDir().mkpath(folder_.Path("Zbiory/Rysunki"));
        configurations_ = ReadFile(QStringLiteral(ASSETS_DIR "/Zbiory/!konfielekt.txt"));
        for (int z = 1; z <= 111; ++z)
            Files(z, "", "", "");
    }
    ~Program() { DestroyWindows(); }

    // Names the element's files ("" for none).
    void Files(int z, const QByteArray& description, const QByteArray& isotopes, const QByteArray& drawing)
    {
        SetString(z, 319, description);
        SetString(z, 288, isotopes);
        SetString(z, 350, drawing);
    }
    void Year(int z, std::int32_t year) { std::memcpy(table_.data() + (z - 1) * 384 + 80, &year, 4); }
    void Melting(int z, double celsius) { std::memcpy(table_.data() + (z - 1) * 384 + 168, &celsius, 8); }
    void Configuration(const QByteArray& line) { configurations_ += line + "\r\n"; }
    void Write(const QString& name, const QByteArray& bytes) { folder_.Write(name, bytes); }
    QString Path(const QString& name) const { return folder_.Path(name); }

    void Start()
    {
        folder_.Write("dane.dat", table_);
        folder_.Write("Zbiory/!konfielekt.txt", configurations_);
        CreateWindows(folder_.Data());
        AGlowne->show();
    }

    static TColor TileColour(const char* symbol)
    {
        for (const TileCell& cell : AGlowne->ShownCells())
            if (QByteArray(cell.Symbol) == symbol)
                return AGlowne->Panel(cell.Number)->Color();
        return 0;
    }
    static QStringList VisibleTabs()
    {
        QStringList tabs;
        for (const TsuiTabSheet* page : Informacje->suiPageControl1->Pages())
            if (page->TabVisible())
                tabs.append(page->Caption());
        return tabs;
    }

private:
    void SetString(int z, int offset, const QByteArray& text)
    {
        char* field = table_.data() + (z - 1) * 384 + offset;
        std::memset(field, 0, 31);
        field[0] = char(text.size());
        std::memcpy(field + 1, text.constData(), std::size_t(text.size()));
    }

    TestFolder folder_;
    QByteArray table_, configurations_;
};

const QByteArray Description = "{\\rtf1\\ansi\\ansicpg1250{\\fonttbl{\\f0\\fcharset238 Tahoma;}}\\f0\\fs16{\\b S\\'f3d}\\par "
                               "Metal lekki, mi\\'eakki; \\'b3atwo reaguje z wod\\'b9.\\par}";

} // namespace

class TestInformation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        InstallAccessibility();
        RegisterFonts();
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void anElementWithoutFilesShowsItsFirstPage()
    {
        Program program;
        program.Start();
        ErrorRecorder errors;
        WindowInput::Click(AGlowne->Panel(TileAt(1, 3)), QPoint(10, 10));
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(Informacje->isVisible());
        const QStringList shown = {Informacje->Label8->Caption(), Informacje->Label9->Caption(), Informacje->Label10->Caption(),
                                   Informacje->Label11->Caption(), Informacje->Label12->Caption(), Informacje->Label13->Caption(),
                                   Informacje->Label14->Caption(), Informacje->Label16->Caption()};
        QCOMPARE(shown, (QStringList{"Na", QString::fromUtf8("Sód"), "Natrium", "11", "1807", "97,794", "882,94", "K-2 L-8 M-1 "}));
        QCOMPARE(Program::VisibleTabs(), QStringList{"Podstawowe informacje"});
        QCOMPARE(Informacje->width(), TInformacje::BasicWidth);
        QCOMPARE(Program::TileColour("Na"), TColor(0x0000C8));
        QCOMPARE(Informacje->Label9->font().bold(), true);
        QCOMPARE(Informacje->Label2->font().bold(), false);
    }

    void yearsAndTemperatures_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("melting");
        QTest::addColumn<QString>("yearShown");
        QTest::addColumn<QString>("meltingShown");
        QTest::newRow("antiquity, no figure") << 0 << 0.0 << QString::fromUtf8("Starożytność") << "Brak danych";
        QTest::newRow("Middle Ages, below zero") << 1600 << -0.01 << QString::fromUtf8("Średniowiecze") << "-0,01";
        QTest::newRow("a year, a whole number") << 1766 << 1538.0 << "1766" << "1538";
        QTest::newRow("a long fraction") << 1898 << -38.8344 << "1898" << "-38,8344";
        QTest::newRow("not a number") << 1898 << std::numeric_limits<double>::quiet_NaN() << "1898" << "Brak danych";
        QTest::newRow("infinite") << 1898 << -std::numeric_limits<double>::infinity() << "1898" << "Brak danych";
    }

    void yearsAndTemperatures()
    {
        QFETCH(int, year);
        QFETCH(double, melting);
        Program program;
        program.Year(26, year);
        program.Melting(26, melting);
        program.Start();
        AGlowne->Infoopire("Fe");
        QTEST(Informacje->Label12->Caption(), "yearShown");
        QTEST(Informacje->Label13->Caption(), "meltingShown");
        QCOMPARE(TInformacje::FormatNumber(1e-6), QString("1E-6"));
    }

    void pagesOfAnElementWithFiles()
    {
        Program program;
        program.Files(11, "sod.rtf", "sod_izotopy.bmp", "sod.jpg");
        program.Write("Zbiory/sod.rtf", Description);
        program.Write("Zbiory/Rysunki/sod_izotopy.bmp", SampleBitmap(24, 30, 20));
        program.Write("Zbiory/Rysunki/sod.jpg", SampleJpeg(JpegKind::Baseline420, 40, 24));
        program.Start();
        AGlowne->Infoopire("Na");
        QCOMPARE(Program::VisibleTabs(), (QStringList{"Podstawowe informacje", "Stabilne izotopy", "Opis", "Rysunek"}));
        QCOMPARE(Informacje->Image1->Picture().size(), QSize(30, 20));
        QCOMPARE(Informacje->Image2->Picture().size(), QSize(40, 24));
        // the description laid out once its page shows
        QVERIFY(Informacje->RichEdit1->document()->isEmpty());
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        QTextDocument* text = Informacje->RichEdit1->document();
        QCOMPARE(text->toPlainText(), QString::fromUtf8("Sód\nMetal lekki, miękki; łatwo reaguje z wodą."));
        // the bold title set in the regular weight, which the box strikes twice
        QVERIFY(text->begin().begin().fragment().charFormat().boolProperty(StruckTwiceProperty));
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet1);
        // at the designed size, the sheets fill the page control below its strip
        Informacje->resize(461 + 6, Informacje->height());
        QCOMPARE(Informacje->suiPageControl1->size(), QSize(461, 294));
        QCOMPARE(Informacje->suiTabSheet1->geometry(), QRect(3, 25, 455, 266));
        for (const auto& [page, width] : {std::pair(Informacje->suiTabSheet4, 694), std::pair(Informacje->suiTabSheet1, 370),
                                          std::pair(Informacje->suiTabSheet5, 694), std::pair(Informacje->suiTabSheet3, 694)}) {
            Informacje->suiPageControl1->SetActivePage(page);
            QCOMPARE(Informacje->width(), width);
        }
    }

    // The program as shipped shows every page of an element with all its content.
    void theShippedContent()
    {
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        ErrorRecorder errors;
        for (const char* symbol : {"Fe", "Tc", "Rg"})
            AGlowne->Infoopire(symbol);
        QVERIFY(errors.messages.isEmpty());
        QCOMPARE(Program::VisibleTabs(), (QStringList{"Podstawowe informacje", "Więcej informacji", "Opis"}));
        AGlowne->Infoopire("Fe");
        QCOMPARE(Program::VisibleTabs(),
                 (QStringList{"Podstawowe informacje", "Więcej informacji", "Stabilne izotopy", "Opis", "Rysunek"}));
        QCOMPARE(Informacje->Properties->Values(),
                 (QStringList{"55,845 u", "[Ar] 3d^6 4s^2", "d", "8", "4", "1,83 (skala Paulinga)",
                              "7,874 g/cm^3 (ok. 20 °C)", "132 pm", "762,5 kJ/mol (pierwsza)", "+3, +2",
                              "metal przejściowy"}));
        AGlowne->Infoopire("He");
        QCOMPARE(Informacje->Properties->Values().mid(3, 4),
                 (QStringList{"18", "1", "brak danych", "0,1786 g/dm^3 (0 °C, 1013 hPa)"}));
        // every element's figures on its page, none shown as missing that the file has
        QStringList known, symbols;
        for (const TileCell& cell : TileCells())
            known << QLatin1String(cell.Symbol);
        for (const TileCell& cell : AGlowne->ShownCells())
            symbols << QLatin1String(cell.Symbol);
        const auto figures = ReadProperties(DataFolder(QStringLiteral(ASSETS_DIR "/")), known).value();
        for (const QString& symbol : symbols) {
            AGlowne->Infoopire(symbol);
            QVERIFY2(Program::VisibleTabs().contains(QString::fromUtf8("Więcej informacji")), qPrintable(symbol));
            const QStringList shown = Informacje->Properties->Values();
            const ElementProperties& p = figures[symbol];
            const std::pair<int, QString> rows[] = {{0, p.AtomicWeight}, {5, p.Electronegativity}, {6, p.Density},
                                                    {7, p.CovalentRadius}, {8, p.IonisationEnergy}};
            for (const auto& [row, figure] : rows)
                QVERIFY2(figure.isEmpty() ? shown[row] == QLatin1String("brak danych")
                                          : shown[row].startsWith(QString(figure).replace(QLatin1Char('.'), QLatin1Char(','))),
                         qPrintable(symbol + QLatin1Char(' ') + shown[row]));
        }
        // the pointer resting on a tile, as the window receives it, while the information window
        // has the focus
        AGlowne->show();
        QVERIFY(WindowInput::Activate(Informacje));
        for (const TileCell& cell : AGlowne->ShownCells())
            if (QByteArray(cell.Symbol) == "Na")
                WindowInput::Move(AGlowne, AGlowne->Panel(cell.Number)->geometry().center());
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QString::fromUtf8("Sód (Na) — liczba atomowa 11, masa atomowa 22,990"));
        QToolTip::hideText();
        AGlowne->Infoopire("Fe");
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        QCOMPARE(Informacje->RichEdit1->document()->begin().text(), QString::fromUtf8("Żelazo"));
        QCOMPARE(Informacje->Image1->Picture().size(), QSize(660, 250));
        QCOMPARE(Informacje->Image2->Picture().size(), QSize(660, 250));
        DestroyWindows();
    }

    // Every raised digit and sign keeps all its rows of ink: as many as the same glyph drawn with
    // room to spare, and the line's own text stands where the caption's does.
    void raisedPartsKeepEveryRow()
    {
        QWidget page;
        TSuperscriptLabel label(&page);
        label.MoveTextTo(QPoint(0, 40));
        QFont raised = SansSerifFont(true);
        raised.setPixelSize(8);
        for (const QString glyph : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+", "-"}) {
            label.SetText(QStringLiteral("^") + glyph, QStringLiteral("Konfiguracja:"));
            const QImage shown = label.grab().toImage();
            QImage spare(20, 30, QImage::Format_RGB32);
            spare.fill(Qt::white);
            {
                QPainter painter(&spare);
                painter.setPen(Qt::black);
                painter.setFont(raised);
                DrawText(painter, QPoint(2, 20), glyph);
            }
            const auto inkRows = [](const QImage& image) {
                int rows = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        if (qGray(image.pixel(x, y)) < 128) {
                            ++rows;
                            break;
                        }
                return rows;
            };
            QVERIFY2(inkRows(shown) > 0, qPrintable(glyph));
            QCOMPARE(inkRows(shown), inkRows(spare));
        }
        label.SetText(QStringLiteral("[Ar] 3d^6"), QStringLiteral("Konfiguracja:"));
        QCOMPARE(label.y() + label.height(), 40 + LineHeight(SansSerifFont(true)) + 2);  // the focus frame's room
        QCOMPARE(label.accessibleName(), QStringLiteral("Konfiguracja: [Ar] 3d6"));
    }

    void aLongDescriptionOpensAtItsTitle()
    {
        Program program;
        program.Files(11, "sod.rtf", "", "");
        program.Write("Zbiory/sod.rtf", "{\\rtf1\\ansi {\\b S\\'f3d}\\par " + QByteArray("Akapit.\\par ").repeated(80) + "}");
        program.Start();
        AGlowne->Infoopire("Na");
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        QTest::qWait(50);
        QVERIFY(Informacje->RichEdit1->verticalScrollBar()->maximum() > 0);
        QCOMPARE(Informacje->RichEdit1->verticalScrollBar()->value(), 0);
    }

    // A long description is read, laid out and shown in one go, whatever its length or the number
    // of its formatting runs: the box's text changes a few times, not once per run or letter (a
    // megabyte of text, or a paragraph of many runs, froze the window for minutes); it opens at
    // its start with nothing selected, and paragraphs brought into sight by scrolling follow the
    // text rules too.
    void longDescriptionsAreLaidOutInOneGo_data()
    {
        QTest::addColumn<QByteArray>("description");
        const QByteArray sentence = "Sod jest metalem lekkim, reaguje z woda i barwi plomien na zolto. ";
        QTest::newRow("plain text of 1 MB") << (sentence.repeated(8) + "\r\n").repeated(2000);
        QTest::newRow("10,000 runs in a paragraph") << "{\\rtf1\\ansi " + QByteArray("{\\b S\\'f3d} {\\i wod\\'f3r} ").repeated(5000) + "\\par}";
        QTest::newRow("3,000 paragraphs") << "{\\rtf1\\ansi " + QByteArray("{\\b S\\'f3d} jest metalem.\\par ").repeated(3000) + "}";
    }

    void longDescriptionsAreLaidOutInOneGo()
    {
        QFETCH(QByteArray, description);
        Program program;
        program.Files(11, "sod.rtf", "", "");
        program.Write("Zbiory/sod.rtf", "{\\rtf1\\ansi S\\'f3d\\par}");
        program.Start();
        AGlowne->Infoopire("Na");
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        program.Write("Zbiory/sod.rtf", description);
        TRichEdit* box = Informacje->RichEdit1;
        int changes = 0;
        connect(box, &QTextEdit::textChanged, box, [&] { ++changes; });
        AGlowne->Infoopire("Na");
        QVERIFY2(changes <= 4, qPrintable(QString::number(changes)));
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        // scrolled to the end (the box lays a long text out in steps, the scroll bar growing)
        const auto lastParagraphStruck = [box] {
            box->verticalScrollBar()->setValue(box->verticalScrollBar()->maximum());
            QTextBlock last = box->document()->lastBlock();
            if (last.text().isEmpty() && last.previous().isValid())
                last = last.previous();
            for (QTextBlock::iterator it = last.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().boolProperty(StruckTwiceProperty))
                    return true;
            return false;
        };
        if (description.contains("\\b "))
            QTRY_VERIFY(lastParagraphStruck());
    }

    void leavingAHiddenPage_data()
    {
        QTest::addColumn<bool>("bothHaveIsotopes");
        QTest::addColumn<QString>("endsOn");
        QTest::addColumn<int>("width");
        QTest::newRow("both with isotope pictures") << true << "Stabilne izotopy" << 694;
        QTest::newRow("the new one without") << false << "Podstawowe informacje" << 370;
    }

    void leavingAHiddenPage()
    {
        QFETCH(bool, bothHaveIsotopes);
        Program program;
        program.Files(11, "sod.rtf", "sod_izotopy.bmp", "");
        program.Files(12, "", bothHaveIsotopes ? "mg.bmp" : "", "");
        program.Write("Zbiory/sod.rtf", Description);
        program.Write("Zbiory/Rysunki/sod_izotopy.bmp", SampleBitmap(8, 8, 8));
        program.Write("Zbiory/Rysunki/mg.bmp", SampleBitmap(8, 8, 8));
        program.Start();
        AGlowne->Infoopire("Na");
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        AGlowne->Infoopire("Mg");
        QTEST(Informacje->suiPageControl1->ActivePage()->Caption(), "endsOn");
        QTEST(Informacje->width(), "width");
        QVERIFY(!Informacje->suiTabSheet2->TabVisible());
    }

    void shellsShowKToQ()
    {
        Program program;
        program.Configuration("Na +1+2+3+4+5+6+7+8+9");
        program.Start();
        AGlowne->Infoopire("Na");
        QCOMPARE(Informacje->Label16->Caption(), QString("K-1 L-2 M-3 N-4 O-5 P-6 Q-7 "));
    }

    void theColouringDecidesTheMark()
    {
        Program program;
        program.Start();
        AGlowne->Liczbaatomw1->trigger();
        AGlowne->Infoopire("Mg");
        QCOMPARE(Program::TileColour("Mg"), clBtnFace);
        QCOMPARE(Program::TileColour("Na"), RGBToColor(255 - 11, 0, 0));
        // an interactive view keeps the colours it painted
        for (TMenuItem* item : {AGlowne->Liczbaatomw1, AGlowne->Datyodkry1})
            item->SetChecked(item == AGlowne->Datyodkry1);
        AGlowne->Koloruj(1, 1, 0x123456);
        AGlowne->Infoopire("Cl");
        QCOMPARE(Program::TileColour("H"), TColor(0x123456));
        QCOMPARE(Program::TileColour("Mg"), clBtnFace);
        QCOMPARE(Informacje->Label8->Caption(), QString("Cl"));
    }

    // "Pierwiastki 112–118" from "Widok": the seven tiles with their names for a reader, oganeson's
    // window with its predictions, the search by a new name, the views' ranges to 118; turned off,
    // the table of "dane.dat" as it was. The choice is remembered.
    void theNewerElements()
    {
        QTemporaryDir configuration;
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", before); });
        qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
        SaveTableOptions({false}, TableOptionsPath());
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        ErrorRecorder errors;
        QVERIFY(!AGlowne->Pierwiastki1121181->Checked() && !AGlowne->Panel(112));
        AGlowne->Pierwiastki1121181->trigger();
        QVERIFY(AGlowne->Pierwiastki1121181->Checked());
        QVERIFY(LoadTableOptions(TableOptionsPath()).NewerElements);
        QCOMPARE(AGlowne->Panel(118)->Caption(), QStringLiteral("Og"));
        QCOMPARE(AGlowne->Panel(118)->accessibleName(), QStringLiteral("Oganeson, Og, liczba atomowa 118"));
        QCOMPARE(AGlowne->Panel(112)->geometry().topLeft(), QPoint(384, 360));
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        WindowInput::Click(AGlowne->Panel(118), QPoint(10, 10));
        QCOMPARE(Informacje->Label9->Caption(), QStringLiteral("Oganeson"));
        QCOMPARE(Informacje->Label11->Caption(), QStringLiteral("118"));
        QCOMPARE(Program::VisibleTabs(), (QStringList{"Podstawowe informacje", "Więcej informacji", "Opis"}));
        const QStringList values = Informacje->Properties->Values();
        QCOMPARE(values.value(0), QStringLiteral("[294] (okres półtrwania %1)").arg(ElementProperties::Shown(QStringLiteral("0.7 ms"))));
        QCOMPARE(values.value(1), QStringLiteral("[Rn] 5f^14 6d^10 7s^2 7p^6 (przewidywane)"));
        QCOMPARE(values.value(9), QStringLiteral("+2, +4 (przewidywane)"));
        QCOMPARE(values.value(10), QStringLiteral("gaz szlachetny (właściwości przewidywane)"));
        QCOMPARE(Informacje->Label16->Caption(), QString("K-2 L-8 M-18 N-32 O-32 P-18 Q-8 "));
        // the page as wide as its longest value, back to the first page's width for sodium
        const auto pageHoldsItsValues = [] {
            QCoreApplication::processEvents();
            return Informacje->Properties->Right() + PropertiesPage::Margin <= Informacje->suiTabSheet2->width();
        };
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet2);
        QVERIFY(pageHoldsItsValues() && Informacje->width() > TInformacje::BasicWidth);
        AGlowne->Infoopire(QStringLiteral("Na"));
        QVERIFY(pageHoldsItsValues());
        QCOMPARE(Informacje->width(), TInformacje::BasicWidth);
        AGlowne->suiComboBox1->SetText(QStringLiteral("tenes"));
        AGlowne->suiButton1->OnClick(AGlowne->suiButton1);
        QCOMPARE(Informacje->Label9->Caption(), QStringLiteral("Tenes"));
        // the new names in their Polish places in the search's list
        const QStringList listed = AGlowne->suiComboBox1->Items();
        for (const auto& [before, name] : {std::pair("Kobalt", "Kopernik"), std::pair("Neptun", "Nihon"), std::pair("Flerow", "Fluor"),
                                           std::pair("Nobel", "Oganeson"), std::pair("Oganeson", "Ołów"), std::pair("Tellur", "Tenes")})
            QCOMPARE(listed.indexOf(QString::fromUtf8(name)), listed.indexOf(QString::fromUtf8(before)) + 1);
        QCOMPARE(AGlowne->suiTrackBar1->Max(), 118);
        AGlowne->Liczbaatomw1->trigger();
        QCOMPARE(AGlowne->LKolor(6)->Caption(), QString::fromUtf8("Liczebność atomów = 118"));
        QCOMPARE(AGlowne->suiTrackBar2->Max(), 2011 - 1600);
        QVERIFY(errors.messages.isEmpty());

        AGlowne->Pierwiastki1121181->trigger();
        QVERIFY(!AGlowne->Panel(112) && !AGlowne->Pierwiastki1121181->Checked());
        QVERIFY(!LoadTableOptions(TableOptionsPath()).NewerElements);
        QVERIFY(!AGlowne->suiComboBox1->Items().contains(QStringLiteral("Oganeson")));
        QCOMPARE(AGlowne->suiTrackBar1->Max(), 111);
        QCOMPARE(AGlowne->LKolor(6)->Caption(), QString::fromUtf8("Liczebność atomów = 109"));
        QCOMPARE(AGlowne->suiTrackBar2->Max(), DiscoveryLastPosition);
        QCOMPARE(AGlowne->Elements().ToBytes().size(), ElementTable::FileSize);
    }

    // A colouring by a figure joins the group of check marks, paints its scale with text that reads
    // on it, and hands the tiles back in black text to the next colouring; without the figures'
    // file only the melting points, which the table holds, colour the tiles.
    void colouringsByAFigure()
    {
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        AGlowne->show();
        const auto tile = [](const char* symbol) {
            for (const TileCell& cell : AGlowne->ShownCells())
                if (QByteArray(cell.Symbol) == symbol)
                    return AGlowne->Panel(cell.Number);
            return static_cast<TPlainPanel*>(nullptr);
        };
        AGlowne->Datyodkry1->trigger();
        AGlowne->Gsto1->trigger();
        QVERIFY(AGlowne->Gsto1->Checked());
        QVERIFY(!AGlowne->Datyodkry1->Checked() && !AGlowne->Bezkolorw1->Checked());
        QVERIFY(!AGlowne->Timer2->isActive());
        QCOMPARE(AGlowne->suiPanel1->Caption(), QString::fromUtf8("Gęstość, g/cm³ (skala logarytmiczna)"));
        QCOMPARE(tile("H")->Color(), ViridisAt(0));
        QCOMPARE(tile("H")->FontColor(), clWhite);
        QCOMPARE(tile("Os")->Color(), ViridisAt(1));
        QCOMPARE(tile("Os")->FontColor(), clBlack);
        QCOMPARE(tile("Es")->Color(), clBtnFace);
        AGlowne->Infoopire("Na");
        QCOMPARE(tile("Na")->Color(), clBtnFace);
        QCOMPARE(tile("H")->Color(), ViridisAt(0));
        AGlowne->Grupypierwiastkw1->trigger();
        QCOMPARE(tile("H")->FontColor(), clWindowText);
        QCOMPARE(AGlowne->suiPanel1->Caption(), QString::fromUtf8("Legenda kolorów"));
        DestroyWindows();

        // a melting point that is no finite number counts as none: the scale runs between the
        // others, and "brak danych" explains the plain tiles in a legend grown by a row
        Program program;
        program.Melting(6, std::numeric_limits<double>::quiet_NaN());
        program.Melting(74, std::numeric_limits<double>::infinity());
        program.Start();
        AGlowne->Masaatomowa1->trigger();
        QCOMPARE(tile("Fe")->Color(), clBtnFace);
        QCOMPARE(AGlowne->LKolor(1)->Caption(), QStringLiteral("brak danych"));
        QCOMPARE(AGlowne->suiPanel1->height(), TAGlowne::LegendHeight);
        AGlowne->Temperaturatopnienia1->trigger();
        QCOMPARE(tile("C")->Color(), clBtnFace);
        QCOMPARE(tile("W")->Color(), clBtnFace);
        QCOMPARE(tile("Re")->Color(), ViridisAt(1));  // 3185 °C, the highest left
        QCOMPARE(AGlowne->LKolor(6)->Caption(), QString::fromUtf8("3185 °C (maks.)"));
        QCOMPARE(AGlowne->LKolor(7)->Caption(), QStringLiteral("brak danych"));
        QVERIFY(AGlowne->LKolor(7)->isVisible() && AGlowne->PKolor(7)->isVisible());
        QCOMPARE(AGlowne->suiPanel1->height(), TAGlowne::LegendHeight + 16);
        QVERIFY(AGlowne->suiPanel1->rect().contains(AGlowne->LKolor(7)->geometry()));
        AGlowne->Grupypierwiastkw1->trigger();
        QVERIFY(!AGlowne->LKolor(7)->isVisible());
        QCOMPARE(AGlowne->suiPanel1->height(), TAGlowne::LegendHeight);
    }

    // A damaged figures' file is reported once, naming its line; the page stays hidden and every
    // other page as before.
    void aDamagedFiguresFileIsReportedOnce()
    {
        Program program;
        program.Write("Zbiory/wlasciwosci.txt", "# figures\nNa\t22.990\t[Ne] 3s1\n");
        program.Start();
        ErrorRecorder errors;
        for (const char* symbol : {"Na", "Fe", "Na"})
            AGlowne->Infoopire(symbol);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages[0].contains(QDir::cleanPath(program.Path("Zbiory/wlasciwosci.txt"))), qPrintable(errors.messages[0]));
        QVERIFY2(errors.messages[0].contains(QStringLiteral("(wiersz 2): liczba kolumn: 3 zamiast 12")), qPrintable(errors.messages[0]));
        QCOMPARE(Program::VisibleTabs(), (QStringList{"Podstawowe informacje"}));
        QCOMPARE(Informacje->Label9->Caption(), QString::fromUtf8("Sód"));
    }

    void aFileThatCannotBeReadStopsTheFilling_data()
    {
        QTest::addColumn<QByteArray>("description");
        QTest::addColumn<QByteArray>("isotopes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("opisVisible");
        QTest::newRow("description missing") << QByteArray("brak.rtf") << QByteArray() << "Cannot open file \"{description}\". No such file or directory" << true;
        QTest::newRow("picture missing") << QByteArray() << QByteArray("brak.bmp") << "Cannot open file \"{picture}\". No such file or directory" << false;
        QTest::newRow("unknown picture") << QByteArray() << QByteArray("obraz.png") << "Unknown picture file extension (.png)" << false;
        QTest::newRow("not a bitmap") << QByteArray() << QByteArray("zly.bmp") << "Bitmap image is not valid" << false;
        QTest::newRow("not a JPEG") << QByteArray() << QByteArray("zly.jpg") << QString("JPEG error #%1: Not a JPEG file: starts with 0x42 0x4d").arg(JERR_NO_SOI) << false;
        QTest::newRow("a name leading out") << QByteArray("../dane.dat") << QByteArray() << "Cannot open file \"{description}\". Invalid file name" << true;
    }

    void aFileThatCannotBeReadStopsTheFilling()
    {
        QFETCH(QByteArray, description);
        QFETCH(QByteArray, isotopes);
        QFETCH(QString, error);
        Program program;
        program.Files(11, "sod.rtf", "", "");
        program.Write("Zbiory/sod.rtf", Description);
        program.Files(12, description, isotopes, "");
        program.Write("Zbiory/Rysunki/zly.bmp", "BM to nie jest obraz");
        program.Write("Zbiory/Rysunki/zly.jpg", SampleBitmap(24, 4, 4));
        program.Start();
        AGlowne->Infoopire("Na");
        Informacje->hide();
        ErrorRecorder errors;
        RunHandler([] { AGlowne->Infoopire("Mg"); });
        // the path as the file system takes it, its doubled separator written once
        error.replace("{description}", program.Path("Zbiory/") + description).replace("{picture}", program.Path("Zbiory/Rysunki/") + isotopes);
        QCOMPARE(errors.messages, QStringList{error});
        // the steps after the failing one did not run: not shown, not marked, the shells of sodium
        QVERIFY(!Informacje->isVisible());
        QCOMPARE(Program::TileColour("Mg"), clBtnFace);
        QCOMPARE(Program::TileColour("Na"), TColor(0x0000C8));
        QCOMPARE(Informacje->Label16->Caption(), QString("K-2 L-8 M-1 "));
        QCOMPARE(Informacje->Label8->Caption(), QString("Mg"));
        // a picture's page is visible before the picture is read; a description's only after
        QCOMPARE(Informacje->suiTabSheet3->TabVisible(), !isotopes.isEmpty());
        QTEST(Informacje->suiTabSheet4->TabVisible(), "opisVisible");
    }

    void aMissingConfigurationLeavesThePreviousShells()
    {
        Program program;
        program.Start();
        AGlowne->Infoopire("Na");
        QFile::remove(program.Path("Zbiory/!konfielekt.txt"));
        ErrorRecorder errors;
        RunHandler([] { AGlowne->Infoopire("Mg"); });
        QCOMPARE(errors.messages, QStringList{"File not found"});
        QVERIFY(Informacje->isVisible());
        QCOMPARE(Program::TileColour("Mg"), TColor(0x0000C8));
        QCOMPARE(Informacje->Label16->Caption(), QString("K-2 L-8 M-1 "));
    }

    void aSymbolNoRecordCarriesShowsNothing()
    {
        TestFolder empty;
        QDir().mkpath(empty.Path("Zbiory"));
        ErrorRecorder errors;
        CreateWindows(empty.Data());
        errors.messages.clear();
        RunHandler([] { AGlowne->Infoopire("Na"); });
        QCOMPARE(errors.messages, QStringList{"Brak danych pierwiastka \"Na\" w pliku dane.dat"});
        QVERIFY(!Informacje->isVisible());
        DestroyWindows();
    }

    void theAtomWindowFollowsTheElement()
    {
        Program program;
        program.Start();
        AGlowne->Infoopire("Cl");
        WindowInput::Click(Informacje->suiButton1, QPoint(10, 10));
        QVERIFY(OknoA3D->isVisible());
        QCOMPARE(OknoA3D->Konfiguracja, QByteArray("+2+8+7"));
        // the learner goes back to the table (the window manager activates it) and clicks sodium: the
        // information window, active again, tells the 3D window
        AGlowne->show();
        QVERIFY(WindowInput::Activate(AGlowne));
        WindowInput::Click(AGlowne->Panel(TileAt(1, 3)), QPoint(10, 10));
        QTRY_COMPARE(OknoA3D->Konfiguracja, QByteArray("+2+8+1"));
    }

    // Ctrl+Tab and Ctrl+Page Down through the tabs that show and round, with Shift or Page Up back;
    // the description scrolled by its keys; Esc closing each of the other windows.
    void keysInTheOtherWindows()
    {
        CreateWindows(DataFolder(QStringLiteral(ASSETS_DIR "/")));
        AGlowne->show();
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        AGlowne->Infoopire(QStringLiteral("Fe"));
        QVERIFY(WindowInput::Activate(Informacje));
        const QStringList tabs = Program::VisibleTabs();
        QCOMPARE(tabs.size(), 5);
        const auto active = [] { return Informacje->suiPageControl1->ActivePage()->Caption(); };
        const std::pair<QKeyCombination, int> steps[] = {{Qt::CTRL | Qt::Key_Tab, 1},       {Qt::CTRL | Qt::Key_PageDown, 2},
                                                         {Qt::CTRL | Qt::Key_PageUp, 1},    {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 0},
                                                         {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 4}, {Qt::CTRL | Qt::Key_Tab, 0}};
        // each page switch takes the focus into the page, to its first control
        const auto focusedName = [] {
            QWidget* focus = QApplication::focusWidget();
            QAccessibleInterface* read = focus ? QAccessible::queryAccessibleInterface(focus) : nullptr;
            return read ? read->text(QAccessible::Name) : QString();
        };
        const QString firstControl[] = {"Model przestrzenny atomu", "Masa atomowa: 55,845 u", "Żelazo (Fe) – izotopy w przyrodzie: Fe-54 5,845 %",
                                        "Opis", "Żelazo (Fe) – budowa kryształu: sieć regularna przestrzennie centrowana"};
        for (const auto& [key, page] : steps) {
            WindowInput::Key(Informacje, key.key(), key.keyboardModifiers());
            QCOMPARE(active(), tabs[page]);
            QVERIFY2(focusedName().startsWith(firstControl[page]), qPrintable(focusedName() + QLatin1Char(' ') + (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none")));
        }
        // the rows of "Więcej informacji" one by one, by Tab and by the arrows
        WindowInput::Key(Informacje, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(focusedName(), QStringLiteral("Masa atomowa: 55,845 u"));
        WindowInput::Key(Informacje, Qt::Key_Down);
        QCOMPARE(focusedName(), QStringLiteral("Konfiguracja elektronowa: [Ar] 3d6 4s2"));
        WindowInput::Key(Informacje, Qt::Key_Tab);
        QCOMPARE(focusedName(), QStringLiteral("Blok: d"));
        WindowInput::Key(Informacje, Qt::Key_Up);
        WindowInput::Key(Informacje, Qt::Key_Up);
        QCOMPARE(focusedName(), QStringLiteral("Masa atomowa: 55,845 u"));
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet4);
        Informacje->RichEdit1->setFocus();
        QScrollBar* scroll = Informacje->RichEdit1->verticalScrollBar();
        QVERIFY(scroll->maximum() > 0);
        WindowInput::Key(Informacje, Qt::Key_PageDown);
        WindowInput::Key(Informacje, Qt::Key_Down);
        QVERIFY(scroll->value() > 0);
        WindowInput::Key(Informacje, Qt::Key_Home);
        QCOMPARE(scroll->value(), 0);

        WindowInput::Key(Informacje, Qt::Key_Escape);
        QVERIFY(!Informacje->isVisible());
        for (QWidget* window : {static_cast<QWidget*>(InfooProgz), static_cast<QWidget*>(OknoA3D)}) {
            window->show();
            QVERIFY(WindowInput::Activate(window));
            WindowInput::Key(window, Qt::Key_Escape);
            QVERIFY(!window->isVisible());
        }
        QVERIFY(AGlowne->isVisible());
        DestroyWindows();
    }

    void theAboutWindow()
    {
        Program program;
        program.Start();
        QVERIFY(!InfooProgz->Image1);  // the controls and the emblem wait for the window's first showing
        AGlowne->Informacjeoprogramie1->trigger();
        QCOMPARE(InfooProgz->Image1->Picture().size(), QSize(270, 267));
        const QImage emblem = InfooProgz->Image1->Picture();
        const QColor background = emblem.pixelColor(2, 2), nucleus = emblem.pixelColor(135, 133);
        QVERIFY(background.red() > 190 && std::abs(background.red() - background.blue()) < 8);
        QVERIFY(nucleus.green() > nucleus.red() + 40);
        QCOMPARE(InfooProgz->suiMemo1->Lines().size(), 18);
        QCOMPARE(InfooProgz->suiMemo1->Alignment(), Qt::AlignHCenter);
        QVERIFY(InfooProgz->suiMemo1->ReadOnly());
        QCOMPARE(QUrl(InfooProgz->suiURLLabel1->URL()).toLocalFile(), QCoreApplication::applicationDirPath() + "/o-programie.html");
        // on a desktop without a program to open pages the link says so, in Polish
        {
            QTemporaryDir emptyPath;
            const QByteArray path = qgetenv("PATH");
            qputenv("PATH", emptyPath.path().toLocal8Bit());
            ErrorRecorder errors;
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
            WindowInput::Click(InfooProgz->suiURLLabel1);
            // and from the keyboard: the link is in the Tab order, Enter opens it
            QVERIFY(WindowInput::Activate(InfooProgz));
            for (int k = 0; k < 4 && !InfooProgz->suiURLLabel1->hasFocus(); ++k)
                WindowInput::Key(InfooProgz, Qt::Key_Tab);
            QVERIFY(InfooProgz->suiURLLabel1->hasFocus());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
            WindowInput::Key(InfooProgz, Qt::Key_Return);
            qputenv("PATH", path);
            QCOMPARE(errors.messages.size(), 2);
            QVERIFY2(errors.messages[0].startsWith(QStringLiteral("Nie można otworzyć strony: ") + QCoreApplication::applicationDirPath()
                                                   + QStringLiteral("/o-programie.html")),
                     qPrintable(errors.messages[0]));
        }
        AGlowne->Informacjeoprogramie1->trigger();
        AGlowne->Informacjeoprogramie1->trigger();
        QVERIFY(InfooProgz->isVisible());
        WindowInput::Click(InfooProgz->suiButton1, QPoint(10, 10));
        QVERIFY(!InfooProgz->isVisible());
        QVERIFY(AGlowne->isVisible());
    }
};

QTEST_MAIN(TestInformation)
#include "tst_information.moc"
