// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableOptions.h"
#include "Interactions.h"
#include "Button.h"
#include "ComboBox.h"
#include "ErrorRecorder.h"
#include "Form.h"
#include "Label.h"
#include "Menu.h"
#include "MenuBar.h"
#include "PageControl.h"
#include "PlotWindow.h"
#include "Printing.h"
#include "PropertyChart.h"
#include "TAGlowne.h"
#include "TInformacje.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAccessible>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Elements 1 to 20 in their periods and groups, with a figure of their atomic number doubled but
// none for neon and argon.
std::vector<PlotElement> Twenty()
{
    const int periods[] = {1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4};
    const int groups[] = {1, 18, 1, 2, 13, 14, 15, 16, 17, 18, 1, 2, 13, 14, 15, 16, 17, 18, 1, 2};
    std::vector<PlotElement> elements;
    for (int z = 1; z <= 20; ++z) {
        PlotElement element;
        element.Number = z;
        element.Symbol = QStringLiteral("E%1").arg(z);
        element.Period = periods[z - 1];
        element.Group = groups[z - 1];
        for (auto& figure : element.Figures)
            figure = z == 10 || z == 18 ? std::nullopt : std::optional<double>(2.0 * z);
        elements.push_back(element);
    }
    return elements;
}

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestPlot : public QObject {
    Q_OBJECT

private slots:
    // The points of each range, their x, the gaps listed, the lines only within a period.
    void ranges_data()
    {
        QTest::addColumn<int>("range");  // index in PlotRanges()
        QTest::addColumn<QString>("xs");
        QTest::addColumn<QString>("joins");
        QTest::addColumn<QString>("missing");
        QTest::newRow("Z 1–20") << 1 << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20" << "-1011111100111111001" << "E10 E18";
        QTest::newRow("period 2") << 4 << "3 4 5 6 7 8 9 10" << "-1111110" << "E10";
        QTest::newRow("group 1 by period") << 10 << "1 2 3 4" << "-111" << "";
        QTest::newRow("group 18 by period") << 27 << "1 2 3" << "-00" << "E10 E18";
    }
    void ranges()
    {
        QFETCH(int, range);
        QFETCH(QString, xs);
        QFETCH(QString, joins);
        QFETCH(QString, missing);
        const std::vector<PlotElement> elements = Twenty();
        const PlotModel model = ModelOf(elements, PlotFigure::IonisationEnergy, PlotRanges()[std::size_t(range)]);
        QStringList x;
        QString joined;
        for (const PlotPoint& point : model.Points) {
            x << QString::number(point.X);
            joined += &point == &model.Points.front() ? QLatin1Char('-') : point.JoinedToPrevious ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(x.join(QLatin1Char(' ')), xs);
        QCOMPARE(joined, joins);
        QCOMPARE(model.Missing.join(QLatin1Char(' ')), missing);
        QCOMPARE(model.XCaption(), PlotRanges()[std::size_t(range)].Which == PlotRange::Kind::Group ? QStringLiteral("Okres") : QStringLiteral("Liczba atomowa Z"));
    }

    // Scales: linear ones on 1, 2 or 5 times a power of ten from zero, density's on powers of ten,
    // places along them, values as a reader hears them.
    void scales()
    {
        std::vector<PlotElement> elements = Twenty();
        PlotModel model = ModelOf(elements, PlotFigure::IonisationEnergy, PlotRanges()[1]);
        QCOMPARE(model.Scale.Low, 0.0);
        QCOMPARE(model.Scale.High, 40.0);
        QCOMPARE(int(model.Scale.Ticks.size()), 5);  // 0, 10, … 40
        QCOMPARE(model.Scale.Place(20), 0.5);
        elements[0].Figures[std::size_t(PlotFigure::Density)] = 0.0000899;
        elements[1].Figures[std::size_t(PlotFigure::Density)] = 22.59;
        model = ModelOf(elements, PlotFigure::Density, PlotRanges()[1]);
        QVERIFY(model.Scale.Logarithmic);
        QCOMPARE(model.Scale.Low, -5.0);
        QCOMPARE(model.Scale.High, 2.0);
        QCOMPARE(TickShown(model.Scale, 1e-5), QStringLiteral("10⁻⁵"));
        QCOMPARE(TickShown(model.Scale, 100), QStringLiteral("100"));
        QCOMPARE(model.Scale.Place(0.001), 2.0 / 7);
        QCOMPARE(model.AxisCaption(), QStringLiteral("Gęstość, g/cm³ (skala logarytmiczna)"));
        QCOMPARE(ValueShown(PlotFigure::IonisationEnergy, 495.8), QStringLiteral("495,8 kJ/mol"));
        QCOMPARE(ValueShown(PlotFigure::MeltingPoint, -38.83), QStringLiteral("−38,83 °C"));
        QCOMPARE(ValueShown(PlotFigure::Density, 0.0000899), QStringLiteral("0,0000899 g/cm³"));
        QCOMPARE(ValueShown(PlotFigure::DiscoveryYear, 1807), QStringLiteral("1807"));
        QCOMPARE(ValueShown(PlotFigure::AtomicRadius, std::nullopt), QStringLiteral("brak danych"));
        // a figure nobody has: an empty chart, not a broken one
        for (PlotElement& element : elements)
            element.Figures[std::size_t(PlotFigure::BoilingPoint)].reset();
        model = ModelOf(elements, PlotFigure::BoilingPoint, PlotRanges()[0]);
        QCOMPARE(model.Missing.size(), 20);
        QVERIFY(model.Scale.High > model.Scale.Low);
    }

    // The window from the menu by keys: the cursor read point by point and by period, a point's
    // element opened by Enter, the data as a table of every element, the chart on an A4 landscape PDF.
    void theWindow()
    {
        QTemporaryDir configuration;
        qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
        SaveTableOptions({false}, TableOptionsPath());  // the table of "dane.dat" alone
        ErrorRecorder errors;
        ChooseFromInteractions(Qt::Key_W);
        QVERIFY(WykresWlasciwosci && QTest::qWaitForWindowActive(WykresWlasciwosci));
        TWykresWlasciwosci* window = WykresWlasciwosci;
        QVERIFY(window->FigureBox->hasFocus());
        QCOMPARE(window->FigureBox->Text(), QStringLiteral("Energia jonizacji"));
        for (int k = 0; k < 6 && !window->Chart->hasFocus(); ++k)
            WindowInput::Key(window, Qt::Key_Tab);
        QVERIFY(window->Chart->hasFocus());
        const auto heard = [&] { return QAccessible::queryAccessibleInterface(window->Chart)->text(QAccessible::Name); };
        WindowInput::Key(window, Qt::Key_Home);
        QCOMPARE(heard(), QStringLiteral("H, 1: 1312 kJ/mol"));
        for (int k = 0; k < 10; ++k)
            WindowInput::Key(window, Qt::Key_Right);
        QCOMPARE(heard(), QStringLiteral("Na, 11: 495,8 kJ/mol"));
        QCOMPARE(window->PointLabel->Caption(), heard());
        WindowInput::Key(window, Qt::Key_PageDown);
        QVERIFY2(heard().startsWith(QStringLiteral("K, 19: ")), qPrintable(heard()));
        WindowInput::Key(window, Qt::Key_PageUp);
        QVERIFY2(heard().startsWith(QStringLiteral("Na, 11: ")), qPrintable(heard()));
        WindowInput::Key(window, Qt::Key_PageUp);
        QVERIFY2(heard().startsWith(QStringLiteral("Li, 3: ")), qPrintable(heard()));
        WindowInput::Key(window, Qt::Key_End);
        QVERIFY2(heard().startsWith(QStringLiteral("Rg, 111: ")), qPrintable(heard()));
        QVERIFY(window->MissingLabel->Caption().startsWith(QStringLiteral("brak danych: ")));
        // Enter opens the element under the cursor
        WindowInput::Key(window, Qt::Key_Home);
        WindowInput::Key(window, Qt::Key_Return);
        QVERIFY(QTest::qWaitForWindowExposed(Informacje));
        QCOMPARE(Informacje->windowTitle().isEmpty(), false);
        Informacje->hide();

        // another figure and range: density of period 3 on its logarithmic axis
        window->FigureBox->SetItemIndex(int(PlotFigure::Density));
        window->RangeBox->SetItemIndex(5);
        QCOMPARE(window->Chart->Model().Points.size(), std::size_t(8));
        QVERIFY(window->Chart->Model().Scale.Logarithmic);

        // the data as a table a reader reads row by row
        window->RangeBox->SetItemIndex(0);
        window->Pages->SetActivePage(window->DataPage);
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->DataTable);
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->rowCount(), 111);
        QCOMPARE(window->DataTable->item(10, 1)->text(), QStringLiteral("Na"));
        window->Pages->SetActivePage(window->ChartPage);

        // on paper
        window->FigureBox->SetItemIndex(int(PlotFigure::IonisationEnergy));
        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("wykres.pdf"));
        Printer()->AskPath = [&](const QString&, const QString&) { return pdf; };
        window->PdfButton->Click();
        QVERIFY2(Run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(Run(QStringLiteral("pdfinfo"), {pdf})));
        const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
        QVERIFY2(text.contains(QStringLiteral("Energia jonizacji, kJ/mol")) && text.contains(QStringLiteral("okres 4")) &&
                     text.contains(QStringLiteral("gazy szlachetne")) && text.contains(QStringLiteral("Liczba atomowa Z")),
                 qPrintable(text));
        QVERIFY(errors.messages.isEmpty());
        DestroyWindows();
    }
};

QTEST_MAIN(TestPlot)
#include "tst_plot.moc"
