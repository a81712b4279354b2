// Screenshots of skinned windows for review: the program's main window in DeepBlue and a test
// window in each of the other styles, each with a drop-down of its menu open.
// Usage (needs an X display, for example under xvfb-run): window_screenshots <output folder>

#include "Form.h"
#include "Menu.h"
#include "MenuBar.h"
#include "Panel.h"
#include "TAGlowne.h"
#include "TOknoA3D.h"
#include "ThemeCatalog.h"
#include "UkladApplication.h"
#include "WindowSet.h"

#include <QDir>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

// Opens the drop-down of the bar's button and saves the window together with it.
bool Shoot(QWidget* window, TsuiForm* form, int button, const QString& file)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    form->MenuBar()->OpenMenu(button);
    QTest::qWait(300);
    QRect area = window->frameGeometry();
    if (const QWidget* dropDown = form->MenuBar()->OpenDropDown())
        area = area.united(dropDown->geometry());
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x() - 8, area.y() - 8, area.width() + 16, area.height() + 16);
    if (QWidget* dropDown = form->MenuBar()->OpenDropDown())
        dropDown->close();
    window->hide();
    return shot.save(file, "PNG");
}

// A window in one style: title bar, frame, menu bar and a skinned panel on its surface.
bool ShootStyle(TsuiUIStyle style, const QString& folder)
{
    QWidget window;
    window.setWindowTitle(StyleName(style) + QStringLiteral(" - okno próbne"));
    window.resize(466, 306);
    auto* form = new TsuiForm(&window);
    form->SetUIStyle(style);
    form->SetTitleBarButtons({TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiHelp, TsuiTitleBarBtnType::suiClose,
                              TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin});
    auto* menu = new TsuiMainMenu(&window);
    menu->SetUIStyle(style);
    TMenuItem* file = menu->Add(new TMenuItem(QStringLiteral("Plik"), QStringLiteral("Plik1")));
    file->Add(new TMenuItem(QStringLiteral("Otwórz"), QStringLiteral("Otworz1")));
    file->Add(new TMenuItem(QStringLiteral("-"), QStringLiteral("N1")));
    file->Add(new TMenuItem(QStringLiteral("Zamknij"), QStringLiteral("Zamknij1")));
    TMenuItem* view = menu->Add(new TMenuItem(QStringLiteral("Widok"), QStringLiteral("Widok1")));
    view->Add(new TMenuItem(QStringLiteral("Podstawowy"), QStringLiteral("Podstawowy1")))->SetChecked(true);
    view->Add(new TMenuItem(QStringLiteral("Rozwiń"), QStringLiteral("Rozwi1")));
    view->Add(new TMenuItem(QStringLiteral("-"), QStringLiteral("N2")));
    TMenuItem* disabled = view->Add(new TMenuItem(QStringLiteral("Wizualizacja 3D"), QStringLiteral("Wizualizacja3D1")));
    disabled->setEnabled(false);
    menu->Add(new TMenuItem(QStringLiteral("Pomoc"), QStringLiteral("Pomoc1")));
    menu->AttachToWindow();
    auto* panel = new TsuiPanel(form);
    panel->SetUIStyle(style);
    panel->SetCaption(QStringLiteral("Legenda kolorów"));
    panel->setGeometry(200, 90, 240, 120);
    return Shoot(&window, form, 1, folder + QLatin1Char('/') + StyleName(style) + QStringLiteral(".png"));
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_screenshots <output folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    CreateWindows(DataFolder(QStringLiteral(PROGRAM_FOLDER "/")));
    bool ok = Shoot(AGlowne, AGlowne->suiForm1, 2, folder + QStringLiteral("/main-window.png"));
    // the table under each colouring scheme, legend included
    AGlowne->show();
    const QList<QPair<TMenuItem*, QString>> schemes = {{AGlowne->Grupypierwiastkw1, QStringLiteral("metale-i-niemetale")},
                                                       {AGlowne->Podziametali1, QStringLiteral("podzial-metali")},
                                                       {AGlowne->Podzianiemetali1, QStringLiteral("podzial-niemetali")},
                                                       {AGlowne->Liczbaatomw1, QStringLiteral("liczba-atomow")}};
    for (const auto& [item, name] : schemes) {
        item->trigger();
        QTest::qWait(100);
        ok = AGlowne->grab().save(folder + QStringLiteral("/scheme-") + name + QStringLiteral(".png"), "PNG") && ok;
    }
    // the 3D window: an atom with its options panel open
    OknoA3D->show();
    OknoA3D->pierwiastek(QStringLiteral("Cl"));
    OknoA3D->Start_spin(20, 30);
    OknoA3D->FormKeyDown(Qt::Key_O, {});
    QTest::qWait(300);
    ok = OknoA3D->grab().save(folder + QStringLiteral("/atom-3d.png"), "PNG") && ok;
    DestroyWindows();
    for (const TsuiUIStyle style : BuiltInStyles)
        if (style != TsuiUIStyle::DeepBlue)
            ok = ShootStyle(style, folder) && ok;
    return ok ? 0 : 1;
}
