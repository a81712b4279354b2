// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorRecorder.h"
#include "FirstFrame.h"
#include "Form.h"
#include "Menu.h"
#include "MenuBar.h"
#include "TAGlowne.h"
#include "AboutWindow.h"
#include "TInformacje.h"
#include "AtomWindow.h"
#include "TestFolder.h"
#include "TitleBar.h"
#include "Translations.h"
#include "UkladApplication.h"
#include "WindowInput.h"
#include "WindowSet.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT

    // Starts the program's windows on a data folder and shows the main one, as start-up does.
    struct Running {
        explicit Running(const DataFolder& folder)
        {
            CreateWindows(folder);
            AGlowne->show();
            AfterFirstFrame(*AGlowne, [] { static_cast<UkladApplication*>(qApp)->FinishStart(); });
        }
        ~Running() { DestroyWindows(); }
    };

private slots:
    void fourWindowsOnlyTheMainOneShown()
    {
        TestFolder folder;
        folder.Write("dane.dat", DistinctRecords(111));
        ErrorRecorder errors;
        Running program(folder.Data());
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        QCOMPARE(QGuiApplication::applicationDisplayName(), QString::fromUtf8("Układ Okresowy"));
        QVERIFY(AGlowne->windowTitle().startsWith(QString::fromUtf8("Układ Okresowy Pierwiastków")));
        QCOMPARE(Informacje->windowTitle(), QStringLiteral("Informacje o pierwiastku"));
        QCOMPARE(InfooProgz->windowTitle(), QStringLiteral("Informacje o programie..."));
        QCOMPARE(OknoA3D->windowTitle(), QStringLiteral("Przestrzenny model atomu (o - opcje)"));
        QCOMPARE(AGlowne->size(), QSize(639, 527 + 6));
        QCOMPARE(Informacje->size(), QSize(370, 323 + 6));
        QCOMPARE(InfooProgz->size(), QSize(544 + 6, 320 + 6));
        QCOMPARE(OknoA3D->size(), QSize(422, 297));
        QCOMPARE(OknoA3D->minimumSize(), QSize(125, 50));
        QCOMPARE(Informacje->minimumSize(), QSize(130, 50));
        QVERIFY(AGlowne->isVisible());
        QVERIFY(!Informacje->isVisible() && !InfooProgz->isVisible() && !OknoA3D->isVisible());
        // the hidden windows stand in their frames; their controls wait until they are first wanted
        QVERIFY(!Informacje->Label8 && !InfooProgz->Image1);
        QVERIFY(Informacje->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(AGlowne->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(AGlowne->Elements().ToBytes(), DistinctRecords(111));
        QVERIFY(errors.messages.isEmpty());
        // the built-in sizes of the icon, each decoded, set once the main window has drawn its first frame
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
        QVERIFY(!icon.pixmap(64).isNull());
    }

    void windowsWithoutAResizableFrameAdvertiseOneSize()
    {
        TestFolder folder;
        ErrorRecorder errors;
        Running program(folder.Data());
        QCOMPARE(AGlowne->minimumSize(), QSize(639, 533));
        QCOMPARE(AGlowne->maximumSize(), QSize(639, 533));
        AGlowne->Rozwi1->trigger();
        QCOMPARE(AGlowne->minimumSize(), QSize(870, 533));
        QCOMPARE(AGlowne->maximumSize(), QSize(870, 533));
        AGlowne->Podstawowy1->trigger();
        QCOMPARE(AGlowne->maximumSize(), QSize(639, 533));
        QCOMPARE(InfooProgz->minimumSize(), InfooProgz->maximumSize());
        QVERIFY(Informacje->maximumSize().height() > 1000);
    }

    void windowsAreCentred()
    {
        TestFolder folder;
        ErrorRecorder errors;
        Running program(folder.Data());
        QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(AGlowne->frameGeometry().center().x() - screen.center().x()) <= 1);
        InfooProgz->show();
        QVERIFY(QTest::qWaitForWindowExposed(InfooProgz));
        QVERIFY(qAbs(InfooProgz->frameGeometry().center().x() - AGlowne->frameGeometry().center().x()) <= 1);
        QVERIFY(qAbs(InfooProgz->frameGeometry().center().y() - AGlowne->frameGeometry().center().y()) <= 1);
    }

    void aTableThatFailedToLoadIsNotWrittenBack()
    {
        // a missing file stays missing, an empty one empty, and the next start reports it again
        TestFolder folder;
        for (const bool present : {false, true}) {
            if (present)
                folder.Write("dane.dat", QByteArray());
            for (int start = 0; start < 2; ++start) {
                ErrorRecorder errors;
                Running program(folder.Data());
                QCOMPARE(errors.messages, QStringList{present ? "Read beyond end of file" : "File not found"});
                QVERIFY(AGlowne->isVisible());
                QVERIFY(AGlowne->close());
                QCOMPARE(QFile::exists(folder.Path("dane.dat")), present);
                QCOMPARE(folder.Read("dane.dat"), QByteArray());
            }
        }
        // a file of fewer records loads, and is written back whole
        folder.Write("dane.dat", DistinctRecords(5));
        ErrorRecorder errors;
        Running program(folder.Data());
        QVERIFY(errors.messages.isEmpty());
        QVERIFY(AGlowne->close());
        QCOMPARE(folder.Read("dane.dat"), DistinctRecords(5) + QByteArray(106 * 384, '\0'));
    }

    // A table that cannot be written back is reported once, and the window closes all the same: the
    // file is left as it was, and refusing would make every close repeat the error.
    void aFailedSaveIsToldOnceAndTheWindowCloses()
    {
        auto folder = std::make_unique<TestFolder>();
        folder->Write("dane.dat", DistinctRecords(100));
        const DataFolder data = folder->Data();
        ErrorRecorder errors;
        Running program(data);
        folder.reset();
        QVERIFY(AGlowne->close());
        QCOMPARE(errors.messages, QStringList{"File not found"});
        QVERIFY(!AGlowne->isVisible());
    }

    void closingTheOtherWindowsKeepsTheProgramRunning()
    {
        TestFolder folder;
        ErrorRecorder errors;
        Running program(folder.Data());
        for (QWidget* window : {static_cast<QWidget*>(Informacje), static_cast<QWidget*>(InfooProgz), static_cast<QWidget*>(OknoA3D)}) {
            window->show();
            QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
            QVERIFY(window->close());
        }
        QVERIFY(AGlowne->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(AGlowne->isVisible());
    }

    void mainMenuAtStart()
    {
        TestFolder folder;
        folder.Write("dane.dat", DistinctRecords(111));
        Running program(folder.Data());
        const QStringList expected = {"Plik", "Widok", "Kolorowanie", "Interakcje", "Pomo&c"};
        QStringList captions;
        for (const TMenuItem* item : AGlowne->MainMenu1->Items())
            captions.append(item->Caption());
        QCOMPARE(captions, expected);
        QStringList checked;
        for (const char* name : {"Zamknij1", "Podstawowy1", "Rozwi1", "Wizualizacja3D1", "Bezkolorw1", "Grupypierwiastkw1",
                                 "Podziametali1", "Podzianiemetali1", "Liczbaatomw1", "Liczbaatomw2", "Datyodkry1",
                                 "Stanyskupienia1", "Informacjeoprogramie1"}) {
            TMenuItem* item = AGlowne->MainMenu1->FindItem(name);
            QVERIFY2(item, name);
            if (item->Checked())
                checked.append(name);
        }
        QCOMPARE(checked, (QStringList{"Podstawowy1", "Bezkolorw1"}));
        QCOMPARE(AGlowne->Rozwi1->Caption(), QString::fromUtf8("Rozwiń"));
        QVERIFY(AGlowne->N1->IsSeparator() && AGlowne->N2->IsSeparator());
        QCOMPARE(AGlowne->suiForm1->MenuBar()->ButtonCount(), 5);
        QCOMPARE(AGlowne->suiForm1->TitleBar()->height(), 29);
    }

    void closingByTheTitleBarSavesAsTheMenuDoes()
    {
        QByteArray viaMenu, viaTitleBar;
        for (QByteArray* result : {&viaMenu, &viaTitleBar}) {
            TestFolder folder;
            folder.Write("dane.dat", DistinctRecords(100));
            Running program(folder.Data());
            QVERIFY(QTest::qWaitForWindowExposed(AGlowne));
            if (result == &viaMenu) {
                AGlowne->Zamknij1->trigger();
            } else {
                TsuiTitleBar* bar = AGlowne->suiForm1->TitleBar();
                const QRect close = bar->ButtonRect(1);
                WindowInput::Move(bar, close.center());
                WindowInput::Click(bar, close.center());
            }
            QVERIFY(!AGlowne->isVisible());
            *result = folder.Read("dane.dat");
        }
        QCOMPARE(viaMenu.size(), 111 * 384);
        QCOMPARE(viaTitleBar, viaMenu);
    }

    void visualisationItemShowsAndHidesThe3DWindow()
    {
        TestFolder folder;
        ErrorRecorder errors;
        Running program(folder.Data());
        AGlowne->Wizualizacja3D1->trigger();
        QVERIFY(OknoA3D->isVisible());
        QVERIFY(AGlowne->Wizualizacja3D1->Checked());
        AGlowne->Wizualizacja3D1->trigger();
        QVERIFY(!OknoA3D->isVisible());
        QVERIFY(!AGlowne->Wizualizacja3D1->Checked());
        QVERIFY(AGlowne->isVisible());
    }

    void aboutItemShowsTheAboutWindowOnce()
    {
        TestFolder folder;
        ErrorRecorder errors;
        Running program(folder.Data());
        AGlowne->Informacjeoprogramie1->trigger();
        QVERIFY(InfooProgz->isVisible());
        AGlowne->Informacjeoprogramie1->trigger();
        QVERIFY(InfooProgz->isVisible());
        QCOMPARE(QApplication::topLevelWidgets().count(InfooProgz), 1);
        QVERIFY(InfooProgz->close());
        QVERIFY(AGlowne->isVisible());
    }

    void workAfterTheFirstFrameRunsOnceTheFrameIsDrawn()
    {
        struct Window : QWidget {
            int paints = 0;
            void paintEvent(QPaintEvent*) override { ++paints; }
        } window;
        window.resize(100, 80);
        window.show();
        int runs = 0, paintsBefore = -1;
        AfterFirstFrame(window, [&] { ++runs, paintsBefore = window.paints; });
        QCOMPARE(runs, 0);
        QTRY_COMPARE(runs, 1);
        QVERIFY(paintsBefore >= 1);
        window.hide();
        window.show();
        window.repaint();
        QTest::qWait(20);
        QCOMPARE(runs, 1);
    }

    void freeFontsAreRegistered()
    {
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("MS Sans Serif")));
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Tahoma")));
        QCOMPARE(QApplication::font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(QApplication::font().pixelSize(), 11);
        QFont bold(QStringLiteral("Tahoma"));
        bold.setBold(true);
        QCOMPARE(QFontInfo(bold).family(), QStringLiteral("Tahoma"));
    }

    // The window menu's texts and Qt's own (an edit's context menu) follow the language: English
    // without a translation, Polish under a Polish locale.
    void textsInTheUsersLanguage()
    {
        QWidget window;
        auto* form = new TsuiForm(&window);
        const auto menuTexts = [&] {
            QStringList texts;
            for (QAction* item : form->TitleBar()->PopupMenu()->actions())
                texts.append(item->text());
            return texts;
        };
        QCOMPARE(menuTexts().mid(0, 2), (QStringList{"Mi&nimize", "Ma&ximize/Restore"}));
        InstallTranslations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
        InstallTranslations(*qApp, QLocale(QLocale::Polish, QLocale::Poland));
        QWidget polishWindow;
        form = new TsuiForm(&polishWindow);
        QCOMPARE(menuTexts(), (QStringList{"Mi&nimalizuj", QString::fromUtf8("Ma&ksymalizuj/Przywróć"), "-", "&Zamknij"}));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Cofnij"));
    }

    void errorBoxTitleIconAndFullStop()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            box->button(QMessageBox::Ok)->click();
        });
        ReportError(QStringLiteral("File not found"));
        QCOMPARE(title, QString::fromUtf8("Układ Okresowy"));
        QCOMPARE(text, QStringLiteral("File not found."));
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    void fullStopRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found" << "File not found.";
        QTest::newRow("exclamation") << "Invalid skin file for Tessaly!" << "Invalid skin file for Tessaly!";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("closing parenthesis") << "Unknown picture file extension (.gif)" << "Unknown picture file extension (.gif)";
        QTest::newRow("digit") << "I/O error 1234" << "I/O error 1234.";
        QTest::newRow("empty") << "" << "";
    }

    void fullStopRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(MessageWithFullStop(message), shown);
    }

    void failingHandlerIsReportedAndTheProgramRunsOn()
    {
        ErrorRecorder errors;
        QTimer timer;
        int ticks = 0;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            RunHandler([] { throw std::runtime_error("'abc' is not a valid integer value"); });
        });
        timer.start(1);
        QTRY_VERIFY(ticks >= 2);
        timer.stop();
        QCOMPARE(errors.messages.first(), QStringLiteral("'abc' is not a valid integer value"));
    }
};

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
