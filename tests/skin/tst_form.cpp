// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desktop.h"
#include "ErrorRecorder.h"
#include "Fonts.h"
#include "Form.h"
#include "Ink.h"
#include "Menu.h"
#include "MenuBar.h"
#include "Text.h"

#include "WindowInput.h"
#include "WindowPlacement.h"

#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

namespace {

// A frameless test window of the given client size carrying a skinned form.
struct SkinnedWindow {
    explicit SkinnedWindow(QSize client = QSize(400, 300), TsuiUIStyle style = TsuiUIStyle::DeepBlue)
    {
        window.resize(client + QSize(6, 6));
        window.setWindowTitle("Okno");
        form = new TsuiForm(&window);
        form->SetUIStyle(style);
    }
    QWidget window;
    TsuiForm* form;
};

int CaptionWidth(const TsuiForm* form, const QString& text)
{
    return TextWidth(form->TitleBar()->Font(), text);
}

} // namespace

class TestForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();
    }

    void deepBlueTitleBarGeometry()
    {
        SkinnedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(w.window.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.form->geometry(), QRect(3, 3, 400, 300));
        QCOMPARE(w.form->TitleBar()->height(), 29);
        QCOMPARE(w.form->TitleBar()->ButtonTop(), -1);
        for (int i = 0; i < w.form->TitleBar()->Buttons().size(); ++i)
            if (const QRect r = w.form->TitleBar()->ButtonRect(i); !r.isNull())
                QCOMPARE(r.top(), -1);
        // close, maximise, minimise from the right: 19-pixel pictures one pixel apart
        QCOMPARE(w.form->TitleBar()->ButtonRect(1), QRect(400 + 0 + 1 - 20, -1, 19, 19));
        QCOMPARE(w.form->TitleBar()->ButtonRect(2), QRect(400 + 1 - 40, -1, 19, 19));
        QCOMPARE(w.window.minimumWidth(), 130);
        QCOMPARE(w.form->BorderWidth(), 1);
        QCOMPARE(w.form->Color(), TColor(0xE8E8E8));
    }

    void frameIsPaintedRoundTheWindow()
    {
        SkinnedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QImage shot = w.window.grab().toImage();
        const int W = shot.width(), H = shot.height();
        QCOMPARE(shot.pixelColor(0, H / 2), QColor(Qt::black));          // left border
        QCOMPARE(shot.pixelColor(W - 1, H / 2), QColor(Qt::black));      // right border
        QCOMPARE(shot.pixelColor(W / 2, H - 1), QColor(Qt::black));      // bottom border
        QCOMPARE(shot.pixelColor(1, H / 2), QColor(0xE8, 0xE8, 0xE8));   // inner strip in the form's colour
        QCOMPARE(shot.pixelColor(W / 2, H - 2), QColor(0xE8, 0xE8, 0xE8));
        const QColor top = shot.pixelColor(W / 2, 10);                    // the title bar's blue
        QVERIFY(top.blue() > top.red() + 40);
    }

    void titleReadsBold()
    {
        // bold Tahoma keeps stems of two pixels, in pure white: no thin grey smoothing
        SkinnedWindow w(QSize(400, 100));
        w.form->SetCaption("Układ Okresowy Pierwiastków - autor: Morvane");
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TsuiTitleBar* bar = w.form->TitleBar();
        const QImage title = bar->grab().toImage();
        const QRect caption(bar->CaptionLeft(), 0, bar->ButtonRect(3).left() - bar->CaptionLeft(), bar->height());
        const auto white = [](QRgb pixel) { return (pixel & 0xFFFFFF) == 0xFFFFFF; };
        const auto grey = [](QRgb pixel) { return qRed(pixel) > 150 && qGreen(pixel) > 150 && (pixel & 0xFFFFFF) != 0xFFFFFF; };
        QList<int> strokes = InkStrokeWidths(title, caption, white);
        std::sort(strokes.begin(), strokes.end());
        QVERIFY(strokes.size() > 100);
        QVERIFY(strokes[strokes.size() / 4] >= 2);
        QCOMPARE(InkStrokeWidths(title, caption, grey).size(), 0);
    }

    void captionIsShortenedToFit()
    {
        SkinnedWindow w(QSize(200, 100));
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        TsuiTitleBar* bar = w.form->TitleBar();
        bar->SetCaption("Krótki");
        QCOMPARE(bar->ShownCaption(), QString("Krótki"));
        const QString longCaption = "Układ Okresowy Pierwiastków z bardzo długim dopiskiem autora";
        bar->SetCaption(longCaption);
        const QString shown = bar->ShownCaption();
        QVERIFY(shown.endsWith("..."));
        const QString kept = shown.chopped(3);
        QVERIFY(longCaption.startsWith(kept));
        const int room = bar->ButtonRect(3).left() - bar->CaptionLeft();
        QVERIFY(CaptionWidth(w.form, shown) <= room);
        QVERIFY(CaptionWidth(w.form, longCaption.left(kept.size() + 1) + "...") > room);
    }

    void captionStart()
    {
        SkinnedWindow w;
        TsuiTitleBar* bar = w.form->TitleBar();
        QCOMPARE(bar->CaptionLeft(), 0 + 19 + 5);
        bar->SetDrawAppIcon(true);
        QCOMPARE(bar->CaptionLeft(), 0 + 21);
        w.form->SetTitleBarButtons({TsuiTitleBarBtnType::suiClose});
        QCOMPARE(bar->CaptionLeft(), 6);
        w.form->SetUIStyle(TsuiUIStyle::BlueGlass);
        QCOMPARE(bar->LeftBtnXOffset(), 4);
        QCOMPARE(bar->CaptionLeft(), 4);
    }

    void windowMenuFollowsTheButtons()
    {
        SkinnedWindow w;
        w.form->SetTitleBarButtons({TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose, TsuiTitleBarBtnType::suiMin});
        TsuiTitleBarPopupMenu* menu = w.form->TitleBar()->PopupMenu();
        menu->OnPopup();
        QVERIFY(menu->MinimizeItem->isEnabled());
        QVERIFY(!menu->MaximizeItem->isEnabled());
        QVERIFY(menu->CloseItem->isEnabled());
        QCOMPARE(menu->MaximizeItem->Caption(), QString("Ma&ximize/Restore"));
    }

    void doubleClickOnAnEmptyTitleWithoutMaximiseDoesNothing()
    {
        SkinnedWindow w;
        w.form->SetTitleBarButtons({TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose});
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect before = w.window.geometry();
        WindowInput::DoubleClick(w.form->TitleBar(), QPoint(200, 10));
        QCOMPARE(w.window.geometry(), before);
        QVERIFY(w.window.isVisible());
        QVERIFY(!w.form->Maximised());
    }

    void maximiseLeavesTheWorkAreasLastRowAndRestores()
    {
        SkinnedWindow w;
        w.form->SetTitleBarButtons({TsuiTitleBarBtnType::suiClose, TsuiTitleBarBtnType::suiMax});
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect before = w.window.geometry();
        WindowInput::DoubleClick(w.form->TitleBar(), QPoint(150, 10));
        QVERIFY(w.form->Maximised());
        QRect area = GetWorkArea();
        QTRY_COMPARE(w.window.geometry(), QRect(area.topLeft(), QSize(area.width(), area.height() - 1)));
        const QImage restoreGlyph = w.form->TitleBar()->Buttons()[1]->PicNormal;
        w.form->TitleBar()->ButtonAction(w.form->TitleBar()->Buttons()[1]);
        QVERIFY(!w.form->Maximised());
        QTRY_COMPARE(w.window.geometry(), before);
        QVERIFY(w.form->TitleBar()->Buttons()[1]->PicNormal != restoreGlyph);
    }

    // A window moved aside to leave an area in sight: the first place that covers least, on the
    // screen; where it stands when that covers nothing, or when nothing covers less.
    void aWindowStepsAsideFromAnArea_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected");
        // the area: 600 x 400 at (340, 300), inside its window at (320, 250)
        QTest::newRow("clear already") << QRect(0, 0, 300, 200) << QRect(0, 0, 1280, 1024) << QPoint(0, 0);
        QTest::newRow("above, room there") << QRect(500, 400, 400, 240) << QRect(0, 0, 1280, 1024) << QPoint(439, 10);
        QTest::newRow("above, kept on the screen") << QRect(500, 400, 400, 300) << QRect(0, 0, 1280, 1024) << QPoint(439, 0);
        QTest::newRow("a work area below a panel") << QRect(500, 400, 400, 300) << QRect(0, 30, 1280, 994) << QPoint(439, 724);
        QTest::newRow("nowhere clear: where least is covered") << QRect(500, 400, 400, 600) << QRect(0, 0, 1000, 800)
                                                                << QPoint(0, 189);
        QTest::newRow("as large as the screen stays") << QRect(0, 0, 1280, 1024) << QRect(0, 0, 1280, 1024) << QPoint(0, 0);
    }

    void aWindowStepsAsideFromAnArea()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(PlaceClearOf(frame, QRect(340, 300, 600, 400), QRect(320, 250, 640, 480), screen), expected);
    }

    void closeButtonClosesTheWindow()
    {
        SkinnedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QRect close = w.form->TitleBar()->ButtonRect(1);
        WindowInput::Move(w.form->TitleBar(), close.center());
        WindowInput::Click(w.form->TitleBar(), close.center());
        QVERIFY(!w.window.isVisible());
    }

    void validationMessagesKeepTheSetting()
    {
        ErrorRecorder errors;
        SkinnedWindow w;
        TsuiTitleBar* bar = w.form->TitleBar();
        TsuiTitleBarSection* first = bar->Sections()[0];
        first->SetAlign(TsuiTitleBarAlign::suiClient);
        QCOMPARE(first->Align(), TsuiTitleBarAlign::suiLeft);
        QCOMPARE(errors.messages.last(), QString("Sorry, only one section's Align property can be \"suiClient\""));
        TsuiTitleBarButton* close = bar->Buttons()[1];
        close->SetButtonType(TsuiTitleBarBtnType::suiControlBox);
        QCOMPARE(close->ButtonType(), TsuiTitleBarBtnType::suiClose);
        QCOMPARE(errors.messages.last(), QString("Sorry, only one button's ButtonType property can be \"suiControlBox\""));
        w.form->SetFormPanel(w.form);
        QCOMPARE(w.form->FormPanel(), nullptr);
        QCOMPARE(errors.messages.last(), QString("Sorry, you can't select the Form assign to FormPanel property"));
    }

    void altSpaceOpensTheWindowMenu()
    {
        SkinnedWindow w;
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QVERIFY(WindowInput::Activate(&w.window));
        WindowInput::Key(&w.window, Qt::Key_Space, Qt::AltModifier);
        TsuiTitleBarPopupMenu* menu = w.form->TitleBar()->PopupMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), QPoint(w.window.x(), w.window.y() + 29));
        QTest::keyClick(menu->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }

    // A control's tooltip shows when the mouse rests on it while another of the program's windows
    // has the focus, as the search box's does while the information window is active.
    void toolTipsShowOverAnyWindowOfTheActiveProgram()
    {
        SkinnedWindow resting, active;
        auto* control = new QWidget(resting.form);
        control->setGeometry(20, 40, 100, 20);
        control->setToolTip(QStringLiteral("Wpisz nazwę"));
        resting.window.move(0, 0);
        active.window.move(500, 0);
        resting.window.show();
        active.window.show();
        QVERIFY(WindowInput::Activate(&active.window));
        QVERIFY(!resting.window.isActiveWindow());
        WindowInput::Move(control, QPoint(10, 10));
        WindowInput::Move(control, QPoint(12, 10));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("Wpisz nazwę"));
    }

    void aSkinFileGivesTheFormItsLook()
    {
        QTemporaryDir dir;
        const auto int32 = [](std::int32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
        QByteArray file = QByteArray("Tessaly_TB", 10) + QByteArray(2, '\0') + int32(24) + int32(0) + int32(24);
        const QList<QPair<QByteArray, std::int32_t>> entries = {
            {"FormBorderColor", 0x0000FF}, {"FormBorderWidthInt", 2}, {"FormBackgroundColor", 0x00FF00}, {"FormRoundCornerInt", 0}};
        for (const auto& [name, value] : entries) {
            const qsizetype at = file.size();
            file += name.leftJustified(64, '\0') + char(1) + int32(std::int32_t(at + 77)) + int32(4) + int32(std::int32_t(at + 81)) + int32(value);
        }
        file += QByteArray(64, '\0') + char(0) + int32(0) + int32(0) + int32(0);
        QFile skin(dir.filePath("look.skn"));
        QVERIFY(skin.open(QIODevice::WriteOnly));
        skin.write(file);
        skin.close();
        SkinnedWindow w;
        auto* theme = new TsuiFileTheme(&w.window);
        theme->SetThemeFile(dir.filePath("look.skn"));
        w.form->SetFileTheme(theme);
        w.form->SetUIStyle(TsuiUIStyle::FromThemeFile);
        QCOMPARE(w.form->BorderColor(), TColor(0x0000FF));
        QCOMPARE(w.form->BorderWidth(), 2);
        QCOMPARE(w.form->Color(), TColor(0x00FF00));
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QImage shot = w.window.grab().toImage();
        QCOMPARE(shot.pixelColor(1, 100), QColor(Qt::red));
        QCOMPARE(shot.pixelColor(2, 100), QColor(Qt::green));
        delete theme;
        QCOMPARE(w.form->UIStyle(), TsuiUIStyle::DeepBlue);
        QCOMPARE(w.form->BorderColor(), TColor(0));
    }

    void everyStyleAppliesItsLook_data()
    {
        QTest::addColumn<TsuiUIStyle>("style");
        QTest::addColumn<int>("titleHeight");
        QTest::addColumn<int>("borderWidth");
        QTest::addColumn<int>("roundCorner");
        QTest::newRow("MacOS") << TsuiUIStyle::MacOS << 20 << 1 << 0;
        QTest::newRow("WinXP") << TsuiUIStyle::WinXP << 26 << 3 << 13;
        QTest::newRow("Protein") << TsuiUIStyle::Protein << 20 << 1 << 0;
        QTest::newRow("BlueGlass") << TsuiUIStyle::BlueGlass << 30 << 1 << 11;
    }

    void everyStyleAppliesItsLook()
    {
        QFETCH(TsuiUIStyle, style);
        QFETCH(int, titleHeight);
        QFETCH(int, borderWidth);
        QFETCH(int, roundCorner);
        SkinnedWindow w(QSize(400, 300), style);
        w.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        QCOMPARE(w.form->TitleBar()->height(), titleHeight);
        QCOMPARE(w.form->BorderWidth(), borderWidth);
        QCOMPARE(w.form->RoundCorner(), roundCorner);
        QCOMPARE(w.window.mask().isEmpty(), roundCorner == 0);
        QCOMPARE(w.form->TitleBar()->FontColor(), style == TsuiUIStyle::MacOS ? clBlack : clWhite);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
