// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltInBitmaps.h"
#include "Fonts.h"
#include "Form.h"
#include "Menu.h"
#include "MenuBar.h"
#include "Text.h"
#include "WindowInput.h"

#include <QPainter>
#include <QtTest>

namespace {

MenuLook DeepBlueLook()
{
    MenuLook look;
    look.ApplyStyle(TsuiUIStyle::DeepBlue, nullptr);
    look.FontColor = clBlack;
    return look;
}

QImage Drawn(const MenuLook& look, TMenuItem& item, QSize size, bool selected)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    DrawMenuItem(look, painter, image.rect(), item, selected);
    return image;
}

struct MenuWindow {
    MenuWindow()
    {
        window.resize(406, 306);
        form = new TsuiForm(&window);
        menu = new TsuiMainMenu(&window);
        file = menu->Add(new TMenuItem("Plik", "Plik1"));
        close = file->Add(new TMenuItem("Zamknij", "Zamknij1"));
        view = menu->Add(new TMenuItem("Widok", "Widok1"));
        basic = view->Add(new TMenuItem("Podstawowy", "Podstawowy1"));
        wide = view->Add(new TMenuItem("Rozwiń", "Rozwi1"));
        menu->AttachToWindow();
    }
    QWidget window;
    TsuiForm* form;
    TsuiMainMenu* menu;
    TMenuItem *file, *close, *view, *basic, *wide;
};

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();  // as the program does: the pixel face and Tahoma
    }

    void styleValues()
    {
        MenuLook look;
        look.ApplyStyle(TsuiUIStyle::DeepBlue, nullptr);
        QCOMPARE(look.MenuItemHeight, 21);
        QCOMPARE(look.SeparatorHeight, 5);
        QCOMPARE(look.BarWidth, 26);
        QCOMPARE(look.BarColor, TColor(0xCED3D6));
        QCOMPARE(look.SelectedColor, TColor(0xA04A44));
        QCOMPARE(look.SeparatorColor, TColor(0x848284));
        look.ApplyStyle(TsuiUIStyle::MacOS, nullptr);
        QCOMPARE(look.MenuItemHeight, 20);
        QCOMPARE(look.SeparatorHeight, 12);
        QCOMPARE(look.SeparatorColor, TColor(0));
    }

    void macOSMenusKeepTheirItemHeight()
    {
        QWidget owner;
        TsuiMainMenu menu(&owner);
        menu.SetUIStyle(TsuiUIStyle::MacOS);
        menu.SetMenuItemHeight(30);
        menu.SetSeparatorHeight(30);
        QCOMPARE(menu.Look().MenuItemHeight, 20);
        QCOMPARE(menu.Look().SeparatorHeight, 12);
        menu.SetUIStyle(TsuiUIStyle::DeepBlue);
        menu.SetMenuItemHeight(30);
        QCOMPARE(menu.Look().MenuItemHeight, 30);
    }

    void measuring()
    {
        const MenuLook look = DeepBlueLook();
        TMenuItem close("Zamknij", "Zamknij1");
        const auto width = [font = look.ItemFont()](const QString& text) { return TextWidth(font, text); };
        QCOMPARE(MeasureMenuItem(look, close), QSize(width("Zamknij") + 26 + 40, 21));
        TMenuItem separator("-", "N1");
        QCOMPARE(MeasureMenuItem(look, separator).height(), 5);
        TMenuItem marked("&Close", "Close");
        QCOMPARE(MeasureMenuItem(look, marked).width(), width("Close") + 66);
        close.setShortcut(QKeySequence("Ctrl+Q"));
        QCOMPARE(MeasureMenuItem(look, close).width(),
                 width("Zamknij") + width(close.ShortCutText()) + 66);
    }

    void separatorLine()
    {
        const MenuLook look = DeepBlueLook();
        TMenuItem separator("-", "N1");
        const QImage image = Drawn(look, separator, QSize(100, 5), false);
        const QColor line = ColorToRGB(0x848284), bar = ColorToRGB(0xCED3D6);
        QCOMPARE(image.pixelColor(0, 0), bar);
        QCOMPARE(image.pixelColor(25, 4), bar);
        QCOMPARE(image.pixelColor(26, 0), QColor(Qt::white));
        QCOMPARE(image.pixelColor(29, 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(30, 2), line);
        QCOMPARE(image.pixelColor(97, 2), line);
        QCOMPARE(image.pixelColor(98, 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(50, 1), QColor(Qt::white));
        QCOMPARE(image.pixelColor(50, 3), QColor(Qt::white));
    }

    void selectedAndCheckedItems()
    {
        const MenuLook look = DeepBlueLook();
        TMenuItem item("Podstawowy", "Podstawowy1");
        item.SetChecked(true);
        const QImage plain = Drawn(look, item, QSize(120, 21), false);
        // the check picture stands at (L + 4, T + 3): its black pixels, nowhere else in that area
        const QImage check = LoadBitmapResource("MENU_CHECKED");
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (check.pixel(x, y) == 0xFF000000)
                    QCOMPARE(plain.pixelColor(4 + x, 3 + y), QColor(Qt::black));
                else
                    QCOMPARE(plain.pixelColor(4 + x, 3 + y), ColorToRGB(0xCED3D6));
        const QImage selected = Drawn(look, item, QSize(120, 21), true);
        QCOMPARE(selected.pixelColor(0, 0), ColorToRGB(0xA04A44));
        QCOMPARE(selected.pixelColor(60, 1), ColorToRGB(0xA04A44));
        bool white = false;
        for (int x = 30; x < 100; ++x)
            for (int y = 4; y < 18; ++y)
                white = white || selected.pixelColor(x, y) == QColor(Qt::white);
        QVERIFY(white);  // the caption in the selected font colour
        item.setEnabled(false);
        const QImage disabled = Drawn(look, item, QSize(120, 21), true);
        QCOMPARE(disabled.pixelColor(60, 1), QColor(Qt::white));  // a disabled item is never highlighted
    }

    void choosingAnItemNeverChangesItsCheckMark()
    {
        TMenuItem item("Podstawowy", "Podstawowy1");
        int clicks = 0;
        item.OnClick = [&](QObject* sender) { QCOMPARE(sender, &item); ++clicks; };
        item.trigger();
        QCOMPARE(clicks, 1);
        QVERIFY(!item.Checked());
        item.SetChecked(true);
        item.trigger();
        QVERIFY(item.Checked());
    }

    void barButtonsFollowTheTopLevelItems()
    {
        MenuWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TsuiMenuBar* bar = w.form->MenuBar();
        QVERIFY(bar);
        QCOMPARE(bar->geometry(), QRect(0, 29, 400, 22));
        QCOMPARE(bar->ButtonCount(), 2);
        QCOMPARE(bar->ButtonCaption(0), QString("Plik"));
        QVERIFY(bar->ButtonRect(0).right() < bar->ButtonRect(1).left());
        w.menu->Add(new TMenuItem("Pomoc", "Pomoc1"));
        QCOMPARE(bar->ButtonCount(), 2);
        w.form->RebuildMenuBar();
        QCOMPARE(bar->ButtonCount(), 3);
        w.view->SetCaption("Ogląd");
        w.form->RefreshMenuBar();
        QCOMPARE(bar->ButtonCaption(1), QString("Ogląd"));
        QCOMPARE(w.form->ClientTop(), 29 + 22);
        // the menu reports a change of its look, and the bar shows it; a menu that goes away takes
        // the bar with it
        w.menu->SetUIStyle(TsuiUIStyle::MacOS);
        QCOMPARE(w.form->MenuBar()->grab().toImage().pixel(200, 11), LoadBitmapResource("MACOS_MENU_BAR").pixel(0, 11));
        delete w.menu;
        QCOMPARE(w.form->MenuBar(), nullptr);
        QCOMPARE(w.form->ClientTop(), 29);
        w.form->RefreshMenuBar();
    }

    void clickingABarButtonOpensItsDropDown()
    {
        MenuWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TsuiMenuBar* bar = w.form->MenuBar();
        int closes = 0;
        w.close->OnClick = [&](QObject*) { ++closes; };
        WindowInput::Click(bar, bar->ButtonRect(0).center());
        QTRY_VERIFY(bar->OpenDropDown() && bar->OpenDropDown()->isVisible());
        QCOMPARE(bar->OpenButton(), 0);
        SkinnedMenuPopup* dropDown = bar->OpenDropDown();
        QCOMPARE(dropDown->actions().size(), 1);
        QCOMPARE(dropDown->actionGeometry(w.close).height(), 21);
        QCOMPARE(dropDown->activeAction(), nullptr);  // opened by the mouse: nothing highlighted yet
        // moving over another bar button switches to its drop-down (the open drop-down has the mouse)
        QTest::mouseMove(dropDown->windowHandle(), dropDown->mapFromGlobal(bar->mapToGlobal(bar->ButtonRect(1).center())));
        QTRY_COMPARE(bar->OpenButton(), 1);
        dropDown = bar->OpenDropDown();
        QTest::mouseMove(dropDown->windowHandle(), dropDown->mapFromGlobal(bar->mapToGlobal(bar->ButtonRect(0).center())));
        QTRY_COMPARE(bar->OpenButton(), 0);
        dropDown = bar->OpenDropDown();
        WindowInput::Key(dropDown, Qt::Key_Down);
        WindowInput::Key(dropDown, Qt::Key_Return);
        QTRY_COMPARE(closes, 1);
        QTRY_COMPARE(bar->OpenButton(), -1);
    }

    void keyboardReachesTheMenus()
    {
        MenuWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QApplication::setActiveWindow(&w.window);
        TsuiMenuBar* bar = w.form->MenuBar();
        int wides = 0;
        w.wide->OnClick = [&](QObject*) { ++wides; };
        WindowInput::Key(&w.window, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(bar->OpenDropDown() && bar->OpenDropDown()->isVisible());
        QCOMPARE(bar->OpenButton(), 1);
        SkinnedMenuPopup* dropDown = bar->OpenDropDown();
        WindowInput::Key(dropDown, Qt::Key_Down);
        QCOMPARE(dropDown->activeAction(), w.wide);
        WindowInput::Key(dropDown, Qt::Key_Left);
        QTRY_COMPARE(bar->OpenButton(), 0);
        SkinnedMenuPopup* fileMenu = bar->OpenDropDown();
        WindowInput::Key(fileMenu, Qt::Key_Escape);
        QTRY_COMPARE(bar->OpenButton(), -1);
        WindowInput::Key(&w.window, Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(bar->OpenDropDown() && bar->OpenDropDown()->isVisible());
        WindowInput::Key(bar->OpenDropDown(), Qt::Key_R);  // first letter of "Rozwiń"
        QTRY_COMPARE(wides, 1);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
