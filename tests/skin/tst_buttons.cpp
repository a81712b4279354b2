// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltInBitmaps.h"
#include "Button.h"
#include "CheckBox.h"
#include "Drawing.h"
#include "Fonts.h"
#include "Text.h"
#include "ThemeCatalog.h"
#include "WindowInput.h"

#include <QLineEdit>
#include <QtTest>

namespace {

QImage Frame(int index)
{
    QImage frame;
    BuiltInBitmap(TsuiUIStyle::DeepBlue, ThemeItems::ButtonImage, &frame, index, 3);
    return frame;
}

// The box round the pixels darker than mid grey: where the caption stands.
QRect DarkPixels(const QImage& image, const QRect& within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(image.pixel(x, y)) < 90)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

struct Window {
    Window()
    {
        window.resize(300, 200);
        button = new TsuiButton(&window);
        button->setGeometry(20, 20, 120, 27);
        button->SetCaption("Szukaj");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    TsuiButton* button;
};

} // namespace

class TestButtons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        RegisterFonts();  // as the program does: the pixel face and Tahoma
    }

    void framePerStateAndPressedCaption()
    {
        Window w;
        TsuiButton* b = w.button;
        const QPoint middle(60, 13);
        const QImage normal = b->grab().toImage();
        QCOMPARE(normal.pixel(middle.x(), 2), Frame(1).pixel(37, 2));
        WindowInput::Move(b, QPoint(5, 5));
        QTRY_VERIFY(b->Hot());
        QCOMPARE(b->grab().toImage().pixel(middle.x(), 2), Frame(2).pixel(37, 2));
        WindowInput::Press(b, QPoint(5, 5));
        QVERIFY(b->Pressed());
        const QImage pressed = b->grab().toImage();
        QCOMPARE(pressed.pixel(middle.x(), 2), Frame(3).pixel(37, 2));
        const QRect text = DarkPixels(normal, QRect(10, 4, 100, 19));
        QVERIFY(!text.isEmpty());
        QCOMPARE(DarkPixels(pressed, QRect(10, 4, 100, 19)), text.translated(1, 1));
        WindowInput::Release(b, QPoint(5, 5));
        QVERIFY(!b->Pressed());
    }

    void disabledButtonIsEmbossed()
    {
        Window w;
        w.button->setEnabled(false);
        const QImage image = w.button->grab().toImage();
        QCOMPARE(image.pixel(60, 2), Frame(1).pixel(37, 2));
        bool grey = false, white = false;
        for (int y = 4; y < 23; ++y)
            for (int x = 10; x < 110; ++x) {
                grey = grey || image.pixel(x, y) == 0xFF808080;
                white = white || (image.pixel(x, y) == 0xFFFFFFFF && image.pixel(x - 1, y - 1) == 0xFF808080);
            }
        QVERIFY(grey && white);
    }

    void repeatsWhileHeldAndStopsWhenTheMouseLeaves()
    {
        Window w;
        int repeats = 0, clicks = 0;
        w.button->OnMouseContinuouslyDown = [&](QObject*) { ++repeats; };
        w.button->OnClick = [&](QObject*) { ++clicks; };
        WindowInput::Press(w.button, QPoint(10, 10));
        QTest::qWait(560);
        QVERIFY2(repeats >= 3 && repeats <= 7, qPrintable(QString::number(repeats)));
        QCOMPARE(clicks, 0);
        WindowInput::Release(w.button, QPoint(10, 10));
        QCOMPARE(clicks, 1);
        const int afterRelease = repeats;
        QTest::qWait(250);
        QCOMPARE(repeats, afterRelease);

        WindowInput::Press(w.button, QPoint(10, 10));
        WindowInput::Move(w.button, QPoint(200, 10));
        QVERIFY(!w.button->Repeating());
        QTest::qWait(250);
        QCOMPARE(repeats, afterRelease);
        WindowInput::Release(w.button, QPoint(200, 10));
        QCOMPARE(clicks, 1);
    }

    // A button that has the focus hands it on from QWidget's destructor, when it is a button no more:
    // the application's report of the change must not call into it (the sanitizer build checks).
    void destroyedWhileItHasTheFocus()
    {
        auto* window = new QWidget;
        new QLineEdit(window);
        auto* button = new TsuiButton(window);
        button->move(0, 40);
        window->show();
        QVERIFY(WindowInput::Activate(window));
        WindowInput::Click(button, QPoint(5, 5));
        QVERIFY(button->hasFocus());
        delete button;
        delete window;
    }

    void enterAndEscapeWithDefaultAndCancelButtons()
    {
        QWidget window;
        window.resize(300, 200);
        auto* ok = new TsuiButton(&window);
        ok->SetCaption("OK");
        ok->SetDefault(true);
        auto* other = new TsuiButton(&window);
        other->SetCaption("Inny");
        other->move(100, 0);
        auto* cancel = new TsuiButton(&window);
        cancel->SetCaption("Anuluj");
        cancel->SetCancel(true);
        cancel->move(200, 0);
        auto* edit = new QLineEdit(&window);
        edit->move(0, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        QStringList clicked;
        for (TsuiButton* b : {ok, other, cancel})
            b->OnClick = [&clicked, b](QObject*) { clicked.append(b->Caption()); };

        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QVERIFY(other->IsDefaultNow() && !ok->IsDefaultNow());
        WindowInput::Key(other, Qt::Key_Return);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QVERIFY(ok->IsDefaultNow() && !other->IsDefaultNow());
        WindowInput::Key(edit, Qt::Key_Return);
        WindowInput::Key(edit, Qt::Key_Escape);
        QCOMPARE(clicked, (QStringList{"Inny", "OK", "Anuluj"}));
    }

    void clickLeavesTheModalResult()
    {
        Window w;
        w.window.setProperty("ModalResult", 7);
        WindowInput::Click(w.button, QPoint(5, 5));
        QCOMPARE(ModalResultOf(&w.window), 0);
        w.button->SetModalResult(2);
        WindowInput::Click(w.button, QPoint(5, 5));
        QCOMPARE(ModalResultOf(&w.window), 2);
    }

    void accelerators()
    {
        Window w;
        QApplication::setActiveWindow(&w.window);
        int clicks = 0;
        w.button->SetCaption("&Zamknij");
        w.button->OnClick = [&](QObject*) { ++clicks; };
        WindowInput::Key(&w.window, Qt::Key_Z, Qt::AltModifier);
        QCOMPARE(clicks, 1);
    }

    void glyphLayouts()
    {
        Window w;
        QImage glyph(16, 16, QImage::Format_RGB32);
        glyph.fill(Qt::red);
        glyph.setPixel(0, 0, 0xFFFFFFFF);  // the see-through colour
        w.button->resize(120, 40);
        w.button->SetGlyph(glyph);
        const int tw = TextWidth(w.button->font(), "Szukaj"), th = QFontMetrics(w.button->font()).height();
        w.button->SetLayout(TButtonLayout::blGlyphLeft);
        QCOMPARE(w.button->GlyphPosition(), QPoint((120 - 16 - tw - 4) / 2, (40 - 16) / 2));
        QCOMPARE(w.button->TextPosition(), QPoint((120 - 16 - tw - 4) / 2 + 16 + 4, (40 - th) / 2));
        w.button->SetLayout(TButtonLayout::blGlyphBottom);
        QCOMPARE(w.button->GlyphPosition(), QPoint((120 - 16) / 2, (40 + th + 4 - 16) / 2));
        QCOMPARE(w.button->TextPosition(), QPoint((120 - tw) / 2, (40 + th + 4 - 16) / 2 - th - 4));
        const QImage shot = w.button->grab().toImage();
        QCOMPARE(shot.pixelColor(w.button->GlyphPosition() + QPoint(8, 8)), QColor(Qt::red));
        QImage twoFrames(32, 16, QImage::Format_RGB32);
        twoFrames.fill(Qt::blue);
        w.button->SetGlyph(twoFrames);
        QCOMPARE(w.button->GlyphPosition().x(), (120 - 16) / 2);
    }

    void autoSizeTakesAThirdOfTheStrip()
    {
        TsuiButton button;
        button.SetAutoSize(true);
        QCOMPARE(button.size(), QSize(74, 21));
        button.SetUIStyle(TsuiUIStyle::MacOS);
        QCOMPARE(button.size(), QSize(84, 23));
        QVERIFY(button.Transparent());
        button.SetUIStyle(TsuiUIStyle::WinXP);
        QVERIFY(!button.Transparent());
    }

    void imageButtonShowsThePictureOfItsState()
    {
        QWidget window;
        window.resize(100, 100);
        auto* button = new TsuiImageButton(&window);
        const auto picture = [](QRgb colour) {
            QImage image(10, 8, QImage::Format_RGB32);
            image.fill(colour);
            image.setPixel(0, 0, 0xFFFF00FF);  // the see-through corner
            return image;
        };
        button->SetAutoSize(true);
        button->SetPictures(picture(0xFF112233), picture(0xFF445566), QImage(), QImage());
        QCOMPARE(button->size(), QSize(10, 8));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button->grab().toImage().pixel(5, 5), QRgb(0xFF112233));
        WindowInput::Move(button, QPoint(5, 5));
        QTRY_VERIFY(button->Hot());
        QCOMPARE(button->grab().toImage().pixel(5, 5), QRgb(0xFF445566));
        WindowInput::Press(button, QPoint(5, 5));
        QCOMPARE(button->grab().toImage().pixel(5, 5), QRgb(0xFF112233));  // no pressed picture: the normal one
        WindowInput::Release(button, QPoint(5, 5));
        button->setEnabled(false);
        QCOMPARE(button->grab().toImage().pixel(5, 5), QRgb(0xFF112233));
        QVERIFY(button->grab().toImage().pixel(0, 0) != 0xFFFF00FF);
    }

    void checkBoxReportsEveryChangeOnce()
    {
        TsuiCheckBox box;
        int clicks = 0;
        box.OnClick = [&](QObject* sender) { QCOMPARE(sender, &box); ++clicks; };
        box.SetChecked(true);
        QCOMPARE(clicks, 1);
        box.SetChecked(true);
        QCOMPARE(clicks, 1);
        box.SetChecked(false);
        QCOMPARE(clicks, 2);
        box.SetState(TCheckBoxState::cbGrayed);
        QVERIFY(!box.Checked());
        QCOMPARE(box.State(), TCheckBoxState::cbUnchecked);
        QCOMPARE(clicks, 2);
        box.SetState(TCheckBoxState::cbChecked);
        QCOMPARE(box.State(), TCheckBoxState::cbChecked);
        QCOMPARE(clicks, 3);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QApplication::setActiveWindow(&box);
        WindowInput::Click(&box, QPoint(5, 5));
        QVERIFY(!box.Checked());
        QCOMPARE(clicks, 4);
        WindowInput::Key(&box, Qt::Key_Space);
        QVERIFY(box.Checked());
        QCOMPARE(clicks, 5);
    }

    void checkBoxAutoSizeAndFrames()
    {
        TsuiCheckBox box;
        QFont font("MS Sans Serif");
        font.setPixelSize(11);
        box.setFont(font);
        box.SetCaption("Animacja modelu");
        const int th = QFontMetrics(font).height();
        QCOMPARE(box.size(), QSize(13 + TextWidth(font, "Animacja modelu") + 8, std::max(th + 2, 13) + 4));
        box.SetChecked(true);
        QImage strip = LoadBitmapResource("DEEPBLUE_CHECKBOX");
        const QImage shot = box.grab().toImage();
        const int top = (box.height() - 13) / 2;
        for (int y = 0; y < 13; ++y)
            for (int x = 0; x < 13; ++x)
                QCOMPARE(shot.pixel(1 + x, top + y), strip.pixel(x, y));
        box.setEnabled(false);
        const QImage disabled = box.grab().toImage();
        QCOMPARE(disabled.pixel(1 + 6, top + 6), strip.pixel(2 * 13 + 6, 6));
    }
};

QTEST_MAIN(TestButtons)
#include "tst_buttons.moc"
