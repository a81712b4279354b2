// SPDX-License-Identifier: GPL-3.0-or-later
// Screenshots of every window for review, and for checking that a change left the look alone: the
// program's windows (each drop-down of the main menu, the window menu, the table under every
// colouring and each interactive view, the search's tooltip, list and message, the windows Qt draws
// for us (the file and print dialogs, an edit's menu), the printed pages of the table in colour and
// in grey and of a card, the information,
// about and 3D windows, the practice window's choices, a question of each kind and a result, the
// chemical calculator, the solubility table and the activity series, the property chart) and a sample window of the toolkit in each built-in style and from skin
// files of every colour family.
// Usage (needs an X display, for example under xvfb-run):
//   window_screenshots <output folder> [data folder, by default the program's own]

#include "TableOptions.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "PlainPanel.h"
#include "Form.h"
#include "Menu.h"
#include "MenuBar.h"
#include "PageControl.h"
#include "Printing.h"
#include "StyleSamples.h"
#include "TAGlowne.h"
#include "AboutWindow.h"
#include "TInformacje.h"
#include "AtomWindow.h"
#include "ActivitySeries.h"
#include "CalculatorWindow.h"
#include "PlotWindow.h"
#include "PropertyChart.h"
#include "SolubilityGrid.h"
#include "SolubilityWindow.h"
#include "QuizWindow.h"
#include "TrackBar.h"
#include "TitleBar.h"
#include "UkladApplication.h"
#include "WindowSet.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <cstdio>

namespace {

QString Folder;
bool AllSaved = true;

void Save(const QPixmap& shot, const QString& name)
{
    AllSaved = shot.save(Folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG") && AllSaved;
}

// The screen round the window and the menu open over it.
QPixmap GrabWithMenu(const QWidget* window, const QWidget* menu)
{
    QRect area = window->frameGeometry();
    if (menu)
        area = area.united(menu->geometry());
    return QGuiApplication::primaryScreen()->grabWindow(0, area.x() - 8, area.y() - 8, area.width() + 16, area.height() + 16);
}

void ShowAndWait(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        AllSaved = false;
    QTest::qWait(100);
}

void ShootMainWindow()
{
    ShowAndWait(AGlowne);
    TsuiMenuBar* bar = AGlowne->suiForm1->MenuBar();
    for (int button = 0; button < bar->ButtonCount(); ++button) {
        bar->OpenMenu(button);
        QTest::qWait(200);
        Save(GrabWithMenu(AGlowne, bar->OpenDropDown()), QStringLiteral("main-menu-%1").arg(button + 1));
        if (QWidget* dropDown = bar->OpenDropDown())
            dropDown->close();
        QTest::qWait(50);
    }
    TsuiTitleBar* title = AGlowne->suiForm1->TitleBar();
    title->OpenWindowMenu();
    QTest::qWait(200);
    Save(GrabWithMenu(AGlowne, title->PopupMenu()), QStringLiteral("main-window-menu"));
    title->PopupMenu()->close();

    const QList<QPair<TMenuItem*, QString>> schemes = {{AGlowne->Grupypierwiastkw1, QStringLiteral("metale-i-niemetale")},
                                                       {AGlowne->Podziametali1, QStringLiteral("podzial-metali")},
                                                       {AGlowne->Podzianiemetali1, QStringLiteral("podzial-niemetali")},
                                                       {AGlowne->Liczbaatomw1, QStringLiteral("liczba-atomow")},
                                                       {AGlowne->Masaatomowa1, QStringLiteral("masa-atomowa")},
                                                       {AGlowne->Elektroujemno1, QStringLiteral("elektroujemnosc")},
                                                       {AGlowne->Gsto1, QStringLiteral("gestosc")},
                                                       {AGlowne->Promieatomowy1, QStringLiteral("promien-atomowy")},
                                                       {AGlowne->Energiajonizacji1, QStringLiteral("energia-jonizacji")},
                                                       {AGlowne->Temperaturatopnienia1, QStringLiteral("temperatura-topnienia")},
                                                       {AGlowne->Bezkolorw1, QStringLiteral("bez-kolorow")}};
    for (const auto& [item, name] : schemes) {
        item->trigger();
        AGlowne->Zaznacz_pierwiastek(11);
        QTest::qWait(100);
        Save(AGlowne->grab(), QStringLiteral("scheme-") + name);
    }
    // each view of the menu "Interakcje" at a value beside the table
    const QList<std::tuple<TMenuItem*, TsuiTrackBar*, int, QString>> views = {
        {AGlowne->Liczbaatomw2, AGlowne->suiTrackBar1, 50, QStringLiteral("view-liczba-atomow")},
        {AGlowne->Datyodkry1, AGlowne->suiTrackBar2, 250, QStringLiteral("view-daty-odkryc")},
        {AGlowne->Stanyskupienia1, AGlowne->suiTrackBar3, 20, QStringLiteral("view-stany-skupienia")}};
    for (const auto& [item, slider, position, name] : views) {
        item->trigger();
        slider->SetPosition(position);
        QTest::qWait(100);
        Save(AGlowne->grab(), name);
    }
    AGlowne->Stanyskupienia1->trigger();
    AGlowne->Bezkolorw1->trigger();
    // the search's tooltip, its list dropped down, and its message when nothing is found
    QTest::qWait(300);
    QToolTip::showText(AGlowne->suiComboBox1->mapToGlobal(QPoint(20, 30)), AGlowne->suiComboBox1->toolTip(), AGlowne->suiComboBox1);
    QTest::qWait(200);
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    const auto tip = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->objectName() == QLatin1String("qtooltip_label") && window->isVisible();
    });
    if (tip != windows.end()) {
        // the tooltip alone: Qt places it below the pointer, which keeps its size at any scale
        const QRect area = (*tip)->geometry();
        Save(QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()),
             QStringLiteral("search-tooltip"));
    }
    else
        AllSaved = false;
    QToolTip::hideText();
    AGlowne->suiComboBox1->showPopup();
    QTest::qWait(200);
    Save(GrabWithMenu(AGlowne, AGlowne->suiComboBox1->view()->window()), QStringLiteral("search-list"));
    AGlowne->suiComboBox1->hidePopup();
    AGlowne->suiComboBox1->SetText(QStringLiteral("Kryptonit"));
    QTimer::singleShot(300, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            Save(GrabWithMenu(AGlowne, dialog), QStringLiteral("search-not-found"));
            dialog->close();
        }
    });
    AGlowne->suiButton1->Click();
    AGlowne->suiComboBox1->SetText(QStringLiteral("Aktyn"));
    AGlowne->Rozwi1->trigger();
    QTest::qWait(100);
    Save(AGlowne->grab(), QStringLiteral("main-window-expanded"));
    AGlowne->Podstawowy1->trigger();
}

// The windows Qt draws for us, each grabbed once it shows and then closed: saving the table as a
// PDF, printing it, and the search edit's own menu.
void ShootQtWindows()
{
    const auto grabModal = [](const QString& name) {
        QTimer::singleShot(700, [name] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                Save(QGuiApplication::primaryScreen()->grabWindow(0, dialog->frameGeometry().x(), dialog->frameGeometry().y(),
                                                                   dialog->frameGeometry().width(), dialog->frameGeometry().height()),
                     name);
                dialog->close();
            } else {
                AllSaved = false;
            }
        });
    };
    grabModal(QStringLiteral("qt-file-dialog"));
    Printer()->SaveTablePdf();
    grabModal(QStringLiteral("qt-print-dialog"));
    Printer()->PrintTable();
    QLineEdit* edit = AGlowne->suiComboBox1->lineEdit();
    QTimer::singleShot(500, [] {
        const QList<QWidget*> windows = QApplication::topLevelWidgets();
        const auto menu = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
            return qobject_cast<const QMenu*>(window) && window->isVisible();
        });
        if (menu == windows.end()) {
            AllSaved = false;
            return;
        }
        Save(GrabWithMenu(AGlowne, *menu), QStringLiteral("qt-edit-menu"));
        (*menu)->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 8), edit->mapToGlobal(QPoint(20, 8)));
    QApplication::sendEvent(edit, &event);
    QTest::qWait(800);
}

// The printed pages as a printer shows them, each PDF made through its menu item and rendered
// at 100 dots per inch: the table under "Elektroujemność" in colour, under "Podział metali" for a
// black-and-white printer, and iron's card, its first two pages.
// The PDF the item saves, its pages given to pdftoppm drawn as PNG files under the name.
void RenderPdf(TMenuItem* item, const QString& name, const QStringList& pages)
{
    static QTemporaryDir output;
    const QString pdf = output.filePath(name + QStringLiteral(".pdf"));
    Printer()->AskPath = [pdf](const QString&, const QString&) { return pdf; };
    item->trigger();
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), QStringList{QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png")}
                                                   + pages + QStringList{pdf, Folder + QLatin1Char('/') + name});
    AllSaved = pdftoppm.waitForFinished(60000) && pdftoppm.exitCode() == 0 && AllSaved;
}

void ShootPrintedPages()
{
    const auto render = RenderPdf;
    AGlowne->Elektroujemno1->trigger();
    render(AGlowne->Zapisztablicjako1, QStringLiteral("printed-table"), {QStringLiteral("-singlefile")});
    AGlowne->Podziametali1->trigger();
    Printer()->SetGreyscale(true);
    render(AGlowne->Zapisztablicjako1, QStringLiteral("printed-table-grey"), {QStringLiteral("-singlefile"), QStringLiteral("-gray")});
    Printer()->SetGreyscale(false);
    AGlowne->Bezkolorw1->trigger();
    AGlowne->Infoopire(QStringLiteral("Fe"));
    render(AGlowne->Zapiszkart1, QStringLiteral("printed-card-Fe"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("2")});
    Informacje->hide();
}

void ShootOtherWindows()
{
    // the information window of an element on each of its pages, beside the main window
    AGlowne->Infoopire(QStringLiteral("Na"));
    QTest::qWait(100);
    for (TsuiTabSheet* page : Informacje->suiPageControl1->Pages()) {
        if (!page->TabVisible())
            continue;
        Informacje->suiPageControl1->SetActivePage(page);
        QTest::qWait(100);
        Save(Informacje->grab(), QStringLiteral("information-") + page->objectName());
    }
    Save(GrabWithMenu(AGlowne, Informacje), QStringLiteral("information-beside-main"));
    // the page "Więcej informacji" of a metal, a made element, a noble gas and the last element
    for (const char* symbol : {"Fe", "Tc", "He", "Rg"}) {
        AGlowne->Infoopire(QString::fromLatin1(symbol));
        Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet2);
        QTest::qWait(100);
        Save(Informacje->grab(), QStringLiteral("properties-") + QLatin1String(symbol));
    }
    Informacje->hide();
    ShowAndWait(InfooProgz);
    Save(InfooProgz->grab(), QStringLiteral("about"));
    InfooProgz->hide();
    // an atom with its options panel open
    OknoA3D->show();
    OknoA3D->pierwiastek(QStringLiteral("Cl"));
    OknoA3D->Start_spin(20, 30);
    OknoA3D->FormKeyDown(Qt::Key_O, {});
    QTest::qWait(300);
    Save(OknoA3D->grab(), QStringLiteral("atom-3d"));
    OknoA3D->hide();
}

// The table with "Pierwiastki 112–118" on: the main window, a colouring by kind, "Liczba atomów" at
// 118, and oganeson's information window on its first two pages; then off again.
void ShootNewerElements()
{
    AGlowne->Pierwiastki1121181->trigger();
    QTest::qWait(100);
    Save(AGlowne->grab(), QStringLiteral("newer-main-window"));
    AGlowne->Grupypierwiastkw1->trigger();
    QTest::qWait(100);
    Save(AGlowne->grab(), QStringLiteral("newer-scheme-metale-i-niemetale"));
    RenderPdf(AGlowne->Zapisztablicjako1, QStringLiteral("printed-table-newer"), {QStringLiteral("-singlefile")});
    AGlowne->Liczbaatomw2->trigger();
    AGlowne->suiTrackBar1->SetPosition(118);
    QTest::qWait(100);
    Save(AGlowne->grab(), QStringLiteral("newer-view-liczba-atomow"));
    AGlowne->Liczbaatomw2->trigger();
    AGlowne->Bezkolorw1->trigger();
    AGlowne->Podstawowy1->trigger();
    Informacje->suiPageControl1->SetActivePage(Informacje->suiTabSheet1);
    AGlowne->Infoopire(QStringLiteral("Og"));
    for (TsuiTabSheet* page : {Informacje->suiTabSheet1, Informacje->suiTabSheet2}) {
        Informacje->suiPageControl1->SetActivePage(page);
        QTest::qWait(100);
        Save(Informacje->grab(), QStringLiteral("newer-information-Og-") + page->objectName());
    }
    RenderPdf(AGlowne->Zapiszkart1, QStringLiteral("printed-card-Og"), {QStringLiteral("-singlefile")});
    Informacje->hide();
    AGlowne->Pierwiastki1121181->trigger();
}

// The practice window on a fixed seed: its choices, the first question of each kind (the table
// question beside the main window, then answered wrongly), and the result with its mistakes.
// The chemical calculator with a formula's molar mass, a balanced equation and a mistake.
void ShootCalculator()
{
    AGlowne->Kalkulatorchemiczny1->trigger();
    QTest::qWait(100);
    for (const auto& [entry, name] : {std::pair("CuSO4·5H2O", "calculator-formula"),
                                      std::pair("KMnO4 + HCl -> KCl + MnCl2 + Cl2 + H2O", "calculator-equation"),
                                      std::pair("co2", "calculator-mistake")}) {
        Kalkulator->EntryBox->lineEdit()->setText(QString::fromUtf8(entry));
        Kalkulator->CalculateEntry();
        QTest::qWait(50);
        Save(Kalkulator->grab(), QString::fromLatin1(name));
    }
    Kalkulator->hide();
}

// The solubility table, silver chloride chosen, and the activity series, zinc chosen.
void ShootSolubility()
{
    AGlowne->Tabelarozpuszczalnoci1->trigger();
    QTest::qWait(100);
    TTabelaRozpuszczalnosci* window = TabelaRozpuszczalnosci;
    if (!window->Data()) {
        AllSaved = false;
        return;
    }
    window->Grid->MoveTo(int(window->Data()->Cations.indexOf(QStringLiteral("Ag+"))), int(window->Data()->Anions.indexOf(QStringLiteral("Cl-"))));
    QTest::qWait(50);
    Save(window->grab(), QStringLiteral("solubility-table"));
    window->Pages->SetActivePage(window->SeriesPage);
    window->Series->setFocus();
    for (std::size_t k = 0; k < window->Data()->Series.size(); ++k)
        if (window->Data()->Series[k].Symbol == QLatin1String("Zn"))
            window->Series->MoveTo(int(k));
    QTest::qWait(50);
    Save(window->grab(), QStringLiteral("solubility-series"));
    window->hide();
}

// The property chart: ionisation energy of all elements, the cursor on sodium; the covalent radius
// of period 3.
void ShootPlot()
{
    AGlowne->Wykreswaciwoci1->trigger();
    QTest::qWait(100);
    TWykresWlasciwosci* window = WykresWlasciwosci;
    window->Chart->setFocus();
    window->Chart->MoveTo(10);
    QTest::qWait(50);
    Save(window->grab(), QStringLiteral("plot-ionisation-energy"));
    window->FigureBox->SetItemIndex(int(PlotFigure::AtomicRadius));
    window->RangeBox->SetItemIndex(5);
    window->Chart->MoveTo(0);
    QTest::qWait(50);
    Save(window->grab(), QStringLiteral("plot-radius-period-3"));
    window->hide();
}

void ShootQuiz()
{
    AGlowne->Sprawdsi1->trigger();
    SprawdzSie->FixSeed(2026);
    QTest::qWait(100);
    Save(SprawdzSie->grab(), QStringLiteral("quiz-settings"));
    SprawdzSie->StartButton->Click();
    std::array<bool, QuestionKindCount> shot{};
    while (SprawdzSie->Running() && !SprawdzSie->Running()->Finished()) {
        const Quiz& quiz = *SprawdzSie->Running();
        const Question question = quiz.Current();
        const QuizElement& answer = quiz.Facts()[std::size_t(question.Answer)];
        const std::size_t kind = std::size_t(question.Kind);
        const bool first = !shot[kind];
        shot[kind] = true;
        QTest::qWait(50);
        if (first)
            Save(question.Kind == QuestionKind::PointOnTable ? GrabWithMenu(AGlowne, SprawdzSie) : SprawdzSie->grab(),
                 QStringLiteral("quiz-kind-%1").arg(kind + 1));
        // each kind's first question answered wrongly, the rest rightly
        if (!question.Choices.empty()) {
            const auto right = std::find(question.Choices.begin(), question.Choices.end(), question.Answer) - question.Choices.begin();
            SprawdzSie->ChoiceButtons[std::size_t(first ? (right + 1) % 4 : right)]->Click();
        } else if (question.Kind == QuestionKind::PointOnTable) {
            AGlowne->PanelClick(AGlowne->TileOf(first ? quiz.Facts()[std::size_t(question.Answer + 1) % quiz.Facts().size()].Symbol : answer.Symbol));
        } else {
            SprawdzSie->AnswerEdit->SetText(first ? answer.Symbol.toLower() : answer.Symbol);
            SprawdzSie->CheckButton->Click();
        }
        if (first) {
            QTest::qWait(50);
            Save(SprawdzSie->grab(), QStringLiteral("quiz-kind-%1-answered").arg(kind + 1));
        }
        SprawdzSie->NextButton->Click();
    }
    QTest::qWait(100);
    Save(SprawdzSie->grab(), QStringLiteral("quiz-result"));
    SprawdzSie->hide();
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    // the practice window's choices in a folder of this run's own, apart from the user's and from
    // other runs going on beside it
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    // the table of "dane.dat" alone, as the windows were first drawn
    SaveTableOptions({false}, TableOptionsPath());
    // and a home of the same name on every machine and every run, so that the file dialog shows the
    // same folder
    const QString home = QStringLiteral("/tmp/uklad-okresowy-zrzuty");
    QDir().mkpath(home + QStringLiteral("/Documents"));
    qputenv("HOME", home.toLocal8Bit());
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: window_screenshots <output folder> [data folder]\n");
        return 2;
    }
    Folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(Folder);
    CreateWindows(DataFolder(argc == 3 ? QString::fromLocal8Bit(argv[2]) + QLatin1Char('/') : QStringLiteral(PROGRAM_FOLDER "/")));
    application.FinishStart();
    ShootMainWindow();
    ShootQtWindows();
    ShootPrintedPages();
    ShootOtherWindows();
    ShootQuiz();
    ShootCalculator();
    ShootSolubility();
    ShootPlot();
    ShootNewerElements();
    AGlowne->hide();
    DestroyWindows();
    for (const StyleSample& sample : StyleSamples()) {
        QWidget* window = sample.Build();
        ShowAndWait(window);
        TsuiMenuBar* bar = window->findChild<TsuiMenuBar*>();
        bar->OpenMenu(1);
        QTest::qWait(200);
        Save(GrabWithMenu(window, bar->OpenDropDown()), sample.Name);
        if (QWidget* dropDown = bar->OpenDropDown())
            dropDown->close();
        delete window;
    }
    return AllSaved ? 0 : 1;
}
