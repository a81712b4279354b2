// SPDX-License-Identifier: GPL-3.0-or-later
#include "Button.h"
#include "ComboBox.h"
#include "Cp1250.h"
#include "Fonts.h"
#include "Form.h"
#include "Label.h"
#include "MainWindowProbe.h"
#include "MessageDialog.h"
#include "WindowInput.h"

#include <QAbstractItemView>
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

    // Searches for the text with "Szukaj".
    void Search(const QString& text)
    {
        window.suiComboBox1->SetText(text);
        Run([this] { window.suiButton1->Click(); });
    }

    // Runs what should search; a "not found" dialog is closed with OK and its message kept.
    void Run(const std::function<void()>& action)
    {
        shown.clear();
        message.clear();
        QTimer::singleShot(0, [this] {
            if (auto* dialog = qobject_cast<TfrmMsg*>(QApplication::activeModalWidget())) {
                message = dialog->suiForm1->Caption() + QStringLiteral(": ") + dialog->lbl->Caption();
                dialog->Buttons.first()->Click();
            }
        });
        action();
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

    // What a learner types into the box with the keyboard, through the window as real keys arrive:
    // the box's completion proposes a listed name, but a text that names an element finds that
    // element; the proposal counts once it is accepted (End, or the name typed on to its end), and a
    // text that names nothing is searched as the proposal completes it.
    void typedAtTheKeyboard_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("finish");
        QTest::addColumn<QStringList>("shown");
        const int ret = Qt::Key_Return, enter = Qt::Key_Enter, end = Qt::Key_End;
        for (const auto& [typed, symbol] : {std::pair{"fe", "Fe"}, {"c", "C"}, {"s", "S"}, {"as", "As"}, {"te", "Te"},
                                            {"b", "B"}, {"k", "K"}, {"f", "F"}, {"ds", "Ds"}})
            QTest::newRow(typed) << QString(typed) << ret << QStringList{symbol};
        QTest::newRow("wodór") << QString::fromUtf8("wodór") << ret << QStringList{"H"};
        QTest::newRow("fe, then Szukaj clicked") << QStringLiteral("fe") << 0 << QStringList{"Fe"};
        QTest::newRow("keypad Enter") << QStringLiteral("fe") << enter << QStringList{"Fe"};
        QTest::newRow("Fer names nothing: its proposal") << QStringLiteral("Fer") << ret << QStringList{"Fm"};
        QTest::newRow("fe, proposal accepted with End") << QStringLiteral("fe") << end << QStringList{"Fm"};
        QTest::newRow("the whole name typed") << QStringLiteral("ferm") << ret << QStringList{"Fm"};
        QTest::newRow("Xyzzy") << QStringLiteral("Xyzzy") << ret << QStringList{};
    }

    void typedAtTheKeyboard()
    {
        QFETCH(QString, typed);
        QFETCH(int, finish);
        QFETCH(QStringList, shown);
        SearchWindow w;
        w.window.show();
        QVERIFY(WindowInput::Activate(&w.window));
        QLineEdit* edit = w.window.suiComboBox1->lineEdit();
        WindowInput::Click(edit);
        WindowInput::Key(edit, Qt::Key_A, Qt::ControlModifier);
        WindowInput::Type(edit, typed);
        w.Run([&] {
            if (finish == 0)
                return WindowInput::Click(w.window.suiButton1);
            if (finish == Qt::Key_End) {
                WindowInput::Key(edit, Qt::Key_End);
                finish = Qt::Key_Return;
            }
            WindowInput::Key(edit, Qt::Key(finish), finish == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        });
        QCOMPARE(w.shown, shown);
        QCOMPARE(w.message, shown.isEmpty() ? NotFound : QString());
    }

    // A name picked from the drop-down list with the mouse, then searched with Enter.
    void pickedFromTheList()
    {
        SearchWindow w;
        w.window.show();
        QVERIFY(WindowInput::Activate(&w.window));
        TsuiComboBox* box = w.window.suiComboBox1;
        WindowInput::Click(box->lineEdit());
        WindowInput::Key(box->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        WindowInput::Type(box->lineEdit(), QStringLiteral("fe"));
        WindowInput::Click(box, box->ButtonRect().center());
        QTRY_VERIFY(box->view()->isVisible());
        const QModelIndex ferm = box->model()->index(box->findText(QStringLiteral("Ferm")), 0);
        box->view()->scrollTo(ferm);
        QWidget* list = box->view()->viewport();
        QTest::mouseClick(list->window()->windowHandle(), Qt::LeftButton, {},
                          list->mapTo(list->window(), box->view()->visualRect(ferm).center()));
        QTRY_VERIFY(!box->view()->isVisible());
        QCOMPARE(box->Text(), QStringLiteral("Ferm"));
        w.Run([&] { WindowInput::Key(box->lineEdit(), Qt::Key_Return); });
        QCOMPARE(w.shown, QStringList{"Fm"});
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
