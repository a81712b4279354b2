// SPDX-License-Identifier: GPL-3.0-or-later
// A long stream of random but plausible input to the whole program, as a learner clicking
// everything for a lesson: tiles, every menu item, the views' sliders, spin edit and check boxes,
// the information window's pages and button, the search box (names, symbols, junk, Polish letters,
// very long texts), the 3D window's keys and drags, the calculator's entries, the solubility
// table's and the chart's keys and choices, opening, closing, moving and minimising every window,
// with pauses for the timers and animations. From a seed it prints, every run can be
// replayed.
//
// It checks all along that the main window repaints within a second of being asked, that no error
// box appears but those the input asked for (a search that finds nothing, a count that is no
// number), and at the end that the memory held grew by less than 5 MB after the first minute (for
// runs of at least three minutes, the least held in the second minute against the least held in
// the last; the resident set, or with AddressSanitizer the live heap, as its quarantine swells the
// resident set), and that closing the main window ends the program with "dane.dat" byte for byte
// as before. Built with the sanitizers, any fault they see ends the run.
//
// Usage (under an X server, for example xvfb-run): soak_driver <seconds> [seed]
// With SOAK_TRACE set it prints every action as it sends it.

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ErrorReport.h"
#include "FirstFrame.h"
#include "Form.h"
#include "Menu.h"
#include "MessageDialog.h"
#include "PageControl.h"
#include "PlainPanel.h"
#include "SpinEdit.h"
#include "TAGlowne.h"
#include "AboutWindow.h"
#include "QuizWindow.h"
#include "CalculatorWindow.h"
#include "Edit.h"
#include "PlotWindow.h"
#include "SolubilityWindow.h"
#include "TInformacje.h"
#include "AtomWindow.h"
#include "TrackBar.h"
#include "UkladApplication.h"
#include "WindowSet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <random>

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's runtime answers this; GCC does not ship the header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

std::mt19937 Random;
int Faults = 0;
long Events = 0;

int Pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(Random);
}

void Fault(const QString& what)
{
    ++Faults;
    std::fprintf(stderr, "soak: FAULT after %ld events: %s\n", Events, qPrintable(what));
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

long ResidentKilobytes()
{
    static const QRegularExpression line(QStringLiteral("VmRSS:\\s+(\\d+)"));
    return line.match(QString::fromLatin1(ReadFile(QStringLiteral("/proc/self/status")))).captured(1).toLong();
}

// The memory the program holds: the resident set, or, built with AddressSanitizer, whose quarantine
// of freed blocks fills the resident set for minutes, the heap blocks still allocated.
long HeldKilobytes()
{
#if defined(__SANITIZE_ADDRESS__)
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#else
    return ResidentKilobytes();
#endif
}

// Copies the program's data into a folder of its own, so the run never touches the shipped files.
bool CopyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QFileInfo& entry : QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

QString RandomText()
{
    static const char* const samples[] = {"Żelazo", "żelazo", "wodór", "Fe", "fe", "FE", "Ferrum", "Sód ", "  Hel",
                                          "Kaliforn", "Darmsztadt", "Roentgenium", "Ds", "Rg", "xyz", "ąćęłńóśźż",
                                          "Ołów", "", "-", "0", "111", "200", "-5", "99999999999"};
    switch (Pick(4)) {
    case 0: return QString::fromUtf8(samples[Pick(int(std::size(samples)))]);
    case 1: return QString(Pick(300) + 1, QChar(u'a' + Pick(26)));
    case 2: {
        QString junk;
        for (int i = Pick(20); i >= 0; --i)
            junk += QChar(char16_t(0x20 + Pick(0x17E)));
        return junk;
    }
    default: return QString::number(Pick(400) - 100);
    }
}

QPoint RandomPointIn(const QWidget* widget)
{
    return QPoint(Pick(std::max(1, widget->width())), Pick(std::max(1, widget->height())));
}

// Answers a message box the input asked for, the ways a user does. It runs on a timer of its own:
// a box opened by an action holds that action (and the driver's timer, which Qt never runs again
// while its handler is still running) until it is answered.
void AnswerMessageBox()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    ++Events;
    switch (Pick(3)) {
    case 0: QTest::keyClick(modal->windowHandle(), Qt::Key_Escape); break;
    case 1: QTest::keyClick(modal->windowHandle(), Qt::Key_Return); break;
    default: modal->close(); break;
    }
}

// One random action on the program.
void Act()
{
    ++Events;
    const int action = Pick(18);
    if (qEnvironmentVariableIsSet("SOAK_TRACE"))
        std::fprintf(stderr, "soak: event %ld, action %d\n", Events, action);
    const QList<TMenuItem*> items = {AGlowne->Podstawowy1, AGlowne->Rozwi1, AGlowne->Wizualizacja3D1, AGlowne->Bezkolorw1,
                                     AGlowne->Grupypierwiastkw1, AGlowne->Podziametali1, AGlowne->Podzianiemetali1,
                                     AGlowne->Liczbaatomw1, AGlowne->Liczbaatomw2, AGlowne->Datyodkry1,
                                     AGlowne->Stanyskupienia1, AGlowne->Informacjeoprogramie1, AGlowne->Sprawdsi1,
                                     AGlowne->Kalkulatorchemiczny1, AGlowne->Tabelarozpuszczalnoci1, AGlowne->Wykreswaciwoci1,
                                     AGlowne->Drukczarnobiay1};
    switch (action) {
    case 0:
    case 1:
        QTest::mouseClick(AGlowne->Panel(1 + Pick(111)), Qt::LeftButton, {}, QPoint(10, 10));
        break;
    case 2:
    case 3:
        items[Pick(int(items.size()))]->trigger();
        break;
    case 4: {
        TsuiTrackBar* sliders[] = {AGlowne->suiTrackBar1, AGlowne->suiTrackBar2, AGlowne->suiTrackBar3};
        TsuiTrackBar* slider = sliders[Pick(3)];
        if (slider->isVisible())
            QTest::mouseClick(slider, Qt::LeftButton, {}, RandomPointIn(slider));
        else
            slider->SetPosition(slider->Min() + Pick(slider->Max() - slider->Min() + 1));
        break;
    }
    case 5: {
        TsuiCheckBox* boxes[] = {AGlowne->suiCheckBox1, AGlowne->suiCheckBox2, AGlowne->suiCheckBox3};
        boxes[Pick(3)]->Toggle();
        break;
    }
    case 6:
        if (Pick(2))
            AGlowne->suiSpinEdit1->SetText(RandomText().left(12));
        else
            QTest::mouseClick(Pick(2) ? AGlowne->suiSpinEdit1->Buttons()->UpButton() : AGlowne->suiSpinEdit1->Buttons()->DownButton(),
                              Qt::LeftButton);
        break;
    case 7:
        AGlowne->suiComboBox1->SetText(RandomText());
        if (Pick(2) && AGlowne->suiComboBox1->isVisible()) {
            AGlowne->suiComboBox1->setFocus();
            QTest::keyClick(AGlowne->windowHandle(), Qt::Key_Return);
        } else {
            AGlowne->suiButton1->Click();
        }
        break;
    case 8:
        AGlowne->suiComboBox1->SetText(AGlowne->suiComboBox1->Items()[Pick(109)]);
        AGlowne->suiButton1->Click();
        break;
    case 9:
        if (Informacje->isVisible()) {
            QList<TsuiTabSheet*> pages;
            for (TsuiTabSheet* page : Informacje->suiPageControl1->Pages())
                if (page->TabVisible())
                    pages.append(page);
            if (!pages.isEmpty())
                Informacje->suiPageControl1->SetActivePage(pages[Pick(int(pages.size()))]);
            if (Pick(4) == 0)
                QTest::mouseClick(Informacje->suiButton1, Qt::LeftButton, {}, QPoint(5, 5));
        }
        break;
    case 10:
        if (OknoA3D->isVisible()) {
            static const int keys[] = {Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                                       Qt::Key_O, Qt::Key_A, Qt::Key_Space, Qt::Key_Tab};
            QTest::keyClick(OknoA3D, Qt::Key(keys[Pick(int(std::size(keys)))]));
        }
        break;
    case 11:
        if (OknoA3D->isVisible()) {
            QWidget* view = OknoA3D->View();
            QTest::mousePress(view, Qt::LeftButton, {}, RandomPointIn(view));
            for (int i = 0; i < 5; ++i) {
                QMouseEvent drag(QEvent::MouseMove, RandomPointIn(view), view->mapToGlobal(QPointF(RandomPointIn(view))),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(view, &drag);
            }
            QTest::mouseRelease(view, Qt::LeftButton, {}, RandomPointIn(view));
        }
        break;
    case 12: {
        QWidget* windows[] = {Informacje, InfooProgz, OknoA3D};
        QWidget* window = windows[Pick(3)];
        if (window->isVisible())
            window->close();
        else if (window == Informacje)
            AGlowne->Infoopire(QString::fromLatin1(AGlowne->Elements()[1 + Pick(111)].Symbol.Text()));
        else
            window->show();
        break;
    }
    case 13: {
        QWidget* windows[] = {AGlowne, Informacje, InfooProgz, OknoA3D};
        QWidget* window = windows[Pick(4)];
        if (!window->isVisible())
            break;
        if (Pick(3) == 0) {
            window->showMinimized();
            QTest::qWait(20);
            window->showNormal();
        } else {
            window->move(Pick(600), Pick(400));
        }
        break;
    }
    case 14:
        if (InfooProgz->isVisible())
            QTest::mouseClick(InfooProgz->suiButton1, Qt::LeftButton, {}, QPoint(5, 5));
        break;
    case 15:
        // the practice window: its keys, or a click on one of its buttons or the table's tiles
        if (SprawdzSie && SprawdzSie->isVisible()) {
            static const int keys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_Return, Qt::Key_Return,
                                       Qt::Key_Escape, Qt::Key_A, Qt::Key_Tab, Qt::Key_Space};
            QList<TsuiButton*> buttons;
            for (TsuiButton* button : SprawdzSie->findChildren<TsuiButton*>())
                if (button->isVisibleTo(SprawdzSie) && button->isEnabled())
                    buttons << button;
            if (Pick(2) || buttons.isEmpty())
                QTest::keyClick(SprawdzSie->windowHandle(), Qt::Key(keys[Pick(int(std::size(keys)))]));
            else
                QTest::mouseClick(buttons[Pick(int(buttons.size()))], Qt::LeftButton, {}, QPoint(5, 5));
        }
        break;
    case 16:
        // the calculator, the solubility table and the chart: typed entries, keys and choices
        if (Kalkulator && Kalkulator->isVisible()) {
            Kalkulator->EntryBox->lineEdit()->setText(RandomText().left(Pick(80)));
            QTest::keyClick(Kalkulator->windowHandle(), Pick(4) ? Qt::Key_Return : Qt::Key_Up);
        }
        // no Tab to the print buttons: the printer dialog, as the main window's print items, is left out
        if (TabelaRozpuszczalnosci && TabelaRozpuszczalnosci->isVisible()) {
            static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return};
            if (Pick(5) == 0 && TabelaRozpuszczalnosci->IonEdit)
                TabelaRozpuszczalnosci->IonEdit->SetText(RandomText().left(Pick(12)));
            QTest::keyClick(TabelaRozpuszczalnosci->windowHandle(), Qt::Key(keys[Pick(int(std::size(keys)))]));
        }
        if (WykresWlasciwosci && WykresWlasciwosci->isVisible() && WykresWlasciwosci->FigureBox) {
            static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
            if (Pick(3) == 0) {
                WykresWlasciwosci->FigureBox->SetItemIndex(Pick(PlotFigureCount));
                WykresWlasciwosci->RangeBox->SetItemIndex(Pick(WykresWlasciwosci->RangeBox->count()));
            }
            QTest::keyClick(WykresWlasciwosci->windowHandle(), Qt::Key(keys[Pick(int(std::size(keys)))]));
        }
        break;
    default:
        QTest::qWait(Pick(300));  // the timers and animations run
        break;
    }
}

// Whether the main window paints within a second of being asked to.
bool Repaints()
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    AGlowne->suiForm1->installEventFilter(&counter);
    AGlowne->suiForm1->update();
    QElapsedTimer clock;
    clock.start();
    while (counter.paints == 0 && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    AGlowne->suiForm1->removeEventFilter(&counter);
    return counter.paints > 0 || AGlowne->isMinimized() || !AGlowne->isVisible();
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    // the practice window's choices in a folder of this run's own, apart from the user's and from
    // other runs going on beside it
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    const QStringList args = application.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: soak_driver <seconds> [seed]\n");
        return 2;
    }
    const int seconds = args[1].toInt();
    const unsigned seed = args.size() > 2 ? args[2].toUInt() : std::random_device()();
    Random.seed(seed);
    std::printf("soak: seed %u, %d seconds\n", seed, seconds);
    std::fflush(stdout);

    QTemporaryDir data;
    if (!CopyFolder(QStringLiteral(ASSETS_DIR), data.path()))
        return 2;
    const QString table = data.path() + QStringLiteral("/dane.dat");
    const QByteArray tableBefore = ReadFile(table);

    ErrorPresenter previous = SetErrorPresenter([](const QString& message) {
        static const QRegularExpression askedFor(QString::fromUtf8("is not a valid integer value|nie jest poprawną liczbą całkowitą"));
        if (!askedFor.match(message).hasMatch())
            Fault(QStringLiteral("an error box: ") + message);
    });
    CreateWindows(DataFolder(data.path() + QLatin1Char('/')));
    AGlowne->show();
    AfterFirstFrame(*AGlowne, [&application] { application.FinishStart(); });
    if (!QTest::qWaitForWindowExposed(AGlowne))
        return 2;

    QElapsedTimer clock;
    clock.start();
    // The memory held rises and falls with the windows open and the pictures shown; a leak raises
    // the least of it. So the lowest of the second minute is compared with the lowest of the last.
    long secondMinuteLow = 0, lastMinuteLow = 0, lastSample = -1, lastReport = 0;
    const auto lower = [](long low, long held) { return low == 0 ? held : std::min(low, held); };
    bool running = true;
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (!running)
            return;
        RunHandler([] { Act(); });
        const qint64 elapsed = clock.elapsed();
        if (elapsed / 1000 != lastSample) {
            lastSample = elapsed / 1000;
            const long held = HeldKilobytes();
            if (elapsed >= 60000 && elapsed < 120000)
                secondMinuteLow = lower(secondMinuteLow, held);
            if (elapsed >= seconds * 1000LL - 60000)
                lastMinuteLow = lower(lastMinuteLow, held);
        }
        if (elapsed / 10000 != lastReport) {
            lastReport = elapsed / 10000;
            std::printf("soak: %3lld s, %ld events, resident %ld kB, held %ld kB\n", elapsed / 1000, Events, ResidentKilobytes(),
                        HeldKilobytes());
            std::fflush(stdout);
            if (!QApplication::activeModalWidget() && !Repaints())
                Fault(QStringLiteral("the main window did not repaint within a second"));
        }
        if (elapsed >= seconds * 1000LL)
            running = false;
    });
    driver.start(5);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] { RunHandler([] { AnswerMessageBox(); }); });
    answerer.start(150);
    while (running)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    driver.stop();
    answerer.stop();
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();

    if (seconds >= 180) {
        std::printf("soak: least memory held in the second minute %ld kB, in the last %ld kB\n", secondMinuteLow, lastMinuteLow);
        if (lastMinuteLow - secondMinuteLow >= 5 * 1024)
            Fault(QStringLiteral("the memory held grew by %1 kB").arg(lastMinuteLow - secondMinuteLow));
    }

    // the window manager closes the main window: the program ends and the table is as it was
    for (QWidget* window : {static_cast<QWidget*>(Informacje), static_cast<QWidget*>(InfooProgz), static_cast<QWidget*>(OknoA3D),
                            static_cast<QWidget*>(SprawdzSie)})
        if (window)
            window->close();
    if (!AGlowne->close())
        Fault(QStringLiteral("the main window refused to close"));
    if (ReadFile(table) != tableBefore)
        Fault(QStringLiteral("dane.dat changed"));
    DestroyWindows();
    SetErrorPresenter(previous);
    std::printf("soak: %ld events, %d faults, seed %u\n", Events, Faults, seed);
    return Faults == 0 ? 0 : 1;
}
