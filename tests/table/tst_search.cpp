#include "Button.h"
#include "ComboBox.h"
#include "Cp1250.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "MainWindowProbe.h"
#include "MessageDialog.h"

#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {

// The main window with the information window's part counted: the symbols shown, in order.
struct SearchWindow : MainWindow {
    SearchWindow()
    {
        window.SetCompanionWindows({[this](const TElementRecord& record) { shown.append(Cp1250ToString(record.Symbol.Text())); },
                                    nullptr},
                                   nullptr, nullptr);
    }

    // Searches for the text; a "not found" dialog is closed with OK and its message kept.
    void Search(const QString& text, const std::function<void()>& start = {})
    {
        shown.clear();
        message.clear();
        window.suiComboBox1->SetText(text);
        QTimer::singleShot(0, [this] {
            if (auto* dialog = qobject_cast<TfrmMsg*>(QApplication::activeModalWidget())) {
                message = dialog->suiForm1->Caption() + QStringLiteral(": ") + dialog->lbl->Caption();
                dialog->Buttons.first()->Click();
            }
        });
        if (start)
            start();
        else
            window.suiButton1->Click();
    }

    QStringList shown;
    QString message;
};

const QString NotFound = QStringLiteral("Informacja: Nie znaleziono takiego pierwiastka!");

} // namespace

class TestSearch : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void controls()
    {
        SearchWindow w;
        TAGlowne& g = w.window;
        QCOMPARE(g.suiComboBox1->geometry(), QRect(8, 504, 137, 21));
        QCOMPARE(g.suiButton1->geometry(), QRect(152, 504, 65, 21));
        QCOMPARE(g.suiButton1->Caption(), QStringLiteral("Szukaj"));
        QCOMPARE(g.suiComboBox1->Text(), QStringLiteral("Aktyn"));
        QCOMPARE(g.suiComboBox1->toolTip(), QString::fromUtf8("Wpisz nazwę polską, łacińską lub symbol"));
        QCOMPARE(g.suiComboBox1->ItemHeight(), 13);
        // the Part's list in Polish order, with californium and hassium as their records name them
        const QStringList listed = QString::fromUtf8(
            "Aktyn Ameryk Antymon Argon Arsen Astat Azot Bar Berkel Beryl Bizmut Bohr Bor Brom Cer Cez Chlor Chrom Cyna "
            "Cynk Cyrkon Dubn Dysproz Einstein Erb Europ Ferm Fluor Fosfor Frans Gadolin Gal German Glin Hafn Has Hel "
            "Holm Ind Iryd Iterb Itr Jod Kadm Kaliforn Kiur Kobalt Krypton Krzem Ksenon Lantan Lit Lorens Lutet Magnez "
            "Mangan Meitner Mendelew Miedź Molibden Neodym Neon Neptun Nikiel Niob Nobel Ołów Osm Pallad Platyna Pluton "
            "Polon Potas Prazeodym Promet Protaktyn Rad Radon Ren Rod Rtęć Rubid Ruten Rutherford Samar Seaborg Selen "
            "Siarka Skand Sód Srebro Stront Tal Tantal Technet Tellur Terb Tlen Tor Tul Tytan Uran Wanad Wapń Węgiel "
            "Wodór Wolfram Złoto Żelazo").split(QLatin1Char(' '));
        QCOMPARE(listed.size(), 109);
        QCOMPARE(g.suiComboBox1->Items(), listed);
    }

    void typed_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("żelazo") << QString::fromUtf8("żelazo") << QString::fromUtf8("Żelazo") << QStringList{"Fe"};
        QTest::newRow("wodór") << QString::fromUtf8("wodór") << QString::fromUtf8("Wodór") << QStringList{"H"};
        QTest::newRow("ołów") << QString::fromUtf8("ołów") << QString::fromUtf8("Ołów") << QStringList{"Pb"};
        QTest::newRow("fe") << "fe" << "Fe" << QStringList{"Fe"};
        QTest::newRow("FE") << "FE" << "FE" << QStringList{};
        QTest::newRow("Co and CO stay apart") << "CO" << "CO" << QStringList{};
        QTest::newRow("a Latin name") << "ferrum" << "Ferrum" << QStringList{"Fe"};
        QTest::newRow("a trailing blank") << QString::fromUtf8("Sód ") << QString::fromUtf8("Sód") << QStringList{"Na"};
        QTest::newRow("darmsztadt, not listed") << "darmsztadt" << "Darmsztadt" << QStringList{"Ds"};
        QTest::newRow("empty") << "" << "" << QStringList{};
        QTest::newRow("blanks only") << "   " << "" << QStringList{};
        QTest::newRow("outside Windows-1250") << QString::fromUtf8("Железо") << QString::fromUtf8("Железо") << QStringList{};
    }

    void typed()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        SearchWindow w;
        w.Search(typed);
        QTEST(w.window.suiComboBox1->Text(), "written");
        QCOMPARE(w.shown, shown);
        QCOMPARE(w.message, shown.isEmpty() ? NotFound : QString());
    }

    // A name that is both the Polish and the Latin name shows the element once for each.
    void aNameInTwoFields()
    {
        SearchWindow w;
        w.Search(QStringLiteral("Krypton"));
        QCOMPARE(w.shown, (QStringList{"Kr", "Kr"}));
    }

    void everyListedNameFindsItsElement()
    {
        SearchWindow w;
        for (const QString& name : w.window.suiComboBox1->Items()) {
            w.Search(name);
            QVERIFY2(!w.shown.isEmpty() && w.message.isEmpty(), qPrintable(name));
        }
    }

    void enterSearchesAsTheButtonDoes()
    {
        SearchWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        w.Search(QStringLiteral("miedź"), [&] { QTest::keyClick(w.window.suiComboBox1->lineEdit(), Qt::Key_Return); });
        QCOMPARE(w.shown, QStringList{"Cu"});
        QCOMPARE(w.window.suiComboBox1->Text(), QString::fromUtf8("Miedź"));
        w.Search(QStringLiteral("xyz"), [&] { QTest::keyClick(w.window.suiComboBox1->lineEdit(), Qt::Key_Return); });
        QCOMPARE(w.message, NotFound);
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
