// SPDX-License-Identifier: GPL-3.0-or-later
#include "Beep.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Panel.h"
#include "SpinEdit.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QtTest>

#include "WindowInput.h"

namespace {

// Counts the beeps instead of sounding them.
struct BeepCounter {
    BeepCounter() : previous(SetBeepSounder([this] { ++beeps; })) {}
    ~BeepCounter() { SetBeepSounder(previous); }
    int beeps = 0;
    BeepSounder previous;
};

// A spin edit 73 × 19 for 0 to 111 in a shown window, with its text changes counted.
struct SpinWindow {
    SpinWindow()
    {
        spin = new TsuiSpinEdit(&window);
        other = new TsuiEdit(&window);
        other->move(0, 40);
        spin->setGeometry(0, 0, 73, 19);
        spin->SetMinValue(0);
        spin->SetMaxValue(111);
        spin->OnChange = [this](QObject*) { ++changes; };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        spin->setFocus();
    }
    QWidget window;
    TsuiSpinEdit* spin;
    TsuiEdit* other;
    int changes = 0;
};

} // namespace

class TestEdits : public QObject {
    Q_OBJECT

private slots:
    void editBorderFollowsTheStyle()
    {
        QWidget window;
        TsuiEdit edit(&window);
        QCOMPARE(edit.BorderColor(), clBlack);  // DeepBlue's control border
        edit.SetUIStyle(TsuiUIStyle::WinXP);
        QCOMPARE(edit.BorderColor(), TColor(0x686868));
        edit.resize(60, 21);
        edit.SetColor(clWhite);
        const QImage shot = edit.grab().toImage();
        QCOMPARE(shot.pixelColor(0, 10), QColor(0x68, 0x68, 0x68));
        QCOMPARE(shot.pixelColor(1, 10), QColor(Qt::white));
    }

    void spinLayout()
    {
        SpinWindow w;
        TsuiSpinButtons* buttons = w.spin->Buttons();
        QCOMPARE(buttons->geometry(), QRect(54, 0, 15, 15));
        QCOMPARE(buttons->UpButton()->geometry(), QRect(0, 0, 15, 8));
        QCOMPARE(buttons->DownButton()->geometry(), QRect(0, 7, 15, 8));
        buttons->resize(9, 20);
        QCOMPARE(buttons->width(), TsuiSpinButtons::MinimumWidth);
        QCOMPARE(TsuiSpinButtons().size(), QSize(20, 25));
    }

    void typedCharacters_data()
    {
        QTest::addColumn<bool>("editorEnabled");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");
        QTest::newRow("digits and minus") << true << "-5" << "-5" << 0;
        QTest::newRow("a letter") << true << "4x2" << "42" << 1;
        QTest::newRow("a space and a dot") << true << "1 .5" << "15" << 2;
        QTest::newRow("editor disabled") << false << "7a" << "" << 2;
    }

    void typedCharacters()
    {
        QFETCH(bool, editorEnabled);
        QFETCH(QString, keys);
        BeepCounter counter;
        SpinWindow w;
        w.spin->clear();
        w.spin->SetEditorEnabled(editorEnabled);
        WindowInput::Type(w.spin, keys);
        QTEST(w.spin->Text(), "text");
        WindowInput::Key(w.spin, Qt::Key_Return);
        QFETCH(int, beeps);
        QCOMPARE(counter.beeps, beeps + 1);  // Enter is refused too
    }

    // Leaving the edit puts a number outside the range, or no number, right.
    void leavingClampsTheValue_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("minus five") << "-5" << "0";
        QTest::newRow("too large") << "200" << "111";
        QTest::newRow("in range") << "42" << "42";
        QTest::newRow("no number") << "-" << "0";
    }

    void leavingClampsTheValue()
    {
        QFETCH(QString, typed);
        SpinWindow w;
        w.spin->SetText(typed);
        QCOMPARE(w.spin->Text(), typed);  // typing keeps what is typed
        WindowInput::Click(w.other);
        QTRY_VERIFY(w.other->hasFocus());
        QTEST(w.spin->Text(), "left");
    }

    void valueAndButtons()
    {
        BeepCounter counter;
        SpinWindow w;
        w.spin->SetValue(500);
        QCOMPARE(w.spin->Text(), QStringLiteral("111"));
        w.changes = 0;
        WindowInput::Click(w.spin->Buttons()->UpButton());
        QCOMPARE(w.spin->Text(), QStringLiteral("111"));
        QCOMPARE(w.changes, 0);
        WindowInput::Click(w.spin->Buttons()->DownButton());
        QCOMPARE(w.spin->Value(), 110);
        WindowInput::Key(w.spin, Qt::Key_Down);
        QCOMPARE(w.spin->Value(), 109);
        WindowInput::Key(w.spin, Qt::Key_Up);
        QCOMPARE(w.spin->Value(), 110);
        // text that is no number reads as the lowest value
        w.spin->SetText(QStringLiteral("abc"));
        QCOMPARE(w.spin->Value(), 0);
        // without a range any number stays
        w.spin->SetMaxValue(0);
        w.spin->SetValue(-70000);
        QCOMPARE(w.spin->Text(), QStringLiteral("-70000"));
        // read-only: the buttons and the arrow keys only beep
        w.spin->setReadOnly(true);
        WindowInput::Click(w.spin->Buttons()->UpButton());
        WindowInput::Key(w.spin, Qt::Key_Up);
        QCOMPARE(w.spin->Text(), QStringLiteral("-70000"));
        QCOMPARE(counter.beeps, 2);
    }

    // Holding a button steps every 400 ms while held and once more on release.
    void holdingAButtonRepeats()
    {
        SpinWindow w;
        w.spin->SetValue(50);
        TsuiArrowButton* down = w.spin->Buttons()->DownButton();
        QCOMPARE(down->MouseContinuouslyDownInterval(), 400);
        QVERIFY(!down->TabStop());
        WindowInput::Press(down, down->rect().center());
        QCOMPARE(w.spin->Value(), 50);
        QTRY_COMPARE_WITH_TIMEOUT(w.spin->Value(), 48, 3000);
        WindowInput::Release(down, down->rect().center());
        const int held = w.spin->Value();
        QVERIFY(held <= 47);
        QTest::qWait(500);
        QCOMPARE(w.spin->Value(), held);
    }

    void comboBoxLook()
    {
        QWidget window;
        window.resize(200, 60);
        auto* box = new TsuiComboBox(&window);
        box->setGeometry(8, 8, 137, 21);
        box->SetColor(clWhite);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect button = box->ButtonRect();
        QCOMPARE(button, QRect(137 - 2 - 17, 2, 17, 17));
        QImage shot = box->grab().toImage();
        QCOMPARE(shot.pixelColor(0, 10), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(1, 10), QColor(Qt::white));
        QCOMPARE(shot.pixelColor(button.left(), 10), QColor(Qt::black));  // the button's left edge
        QCOMPARE(shot.pixelColor(button.left() + 2, 4), QColor(0xE8, 0xE8, 0xE8));
        // the arrow's top is half the button's height below the box's top edge
        const int a = button.left() + button.width() / 2 - 3, b = 17 / 2;
        QCOMPARE(shot.pixelColor(a + 3, b + 1), QColor(Qt::black));  // the arrow
        box->setEnabled(false);
        shot = box->grab().toImage();
        QCOMPARE(shot.pixelColor(a + 3, b + 1), QColor(0x80, 0x80, 0x80));
        QCOMPARE(shot.pixelColor(a + 5, b + 2), QColor(Qt::white));  // its shadow
    }

    // Typing reaches the key handler and the text; the list opens by mouse and by Alt+Down, is
    // picked from with the keys, and closes on a click outside.
    void comboBoxUse()
    {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QWidget window;
        window.resize(300, 200);
        auto* box = new TsuiComboBox(&window);
        box->setGeometry(8, 8, 137, 21);
        box->SetSorted(true);
        box->AddItems({QStringLiteral("Żelazo"), QStringLiteral("Sód"), QStringLiteral("Srebro"), QStringLiteral("Skand")});
        QCOMPARE(box->Items(), (QStringList{"Skand", "Sód", "Srebro", "Żelazo"}));
        QString keys;
        box->OnKeyPress = [&](QObject*, QChar key) { keys += key; };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box->SetText(QString());
        WindowInput::Click(box->lineEdit());
        WindowInput::Type(box, QStringLiteral("Fe"));
        WindowInput::Key(box, Qt::Key_Return);
        WindowInput::Key(box, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(box->Text(), QStringLiteral("Fe"));
        QCOMPARE(keys, QStringLiteral("Fe\r\r"));
        QCOMPARE(box->count(), 4);  // Enter adds nothing to the list

        WindowInput::Click(box, box->ButtonRect().center());
        QTRY_VERIFY(box->view()->isVisible());
        QWidget* list = box->view()->window();
        QTest::mouseClick(list->windowHandle(), Qt::LeftButton, {}, list->mapFromGlobal(window.mapToGlobal(QPoint(250, 150))));
        QTRY_VERIFY(!box->view()->isVisible());

        WindowInput::Key(box, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(box->view()->isVisible());
        QTest::keyClick(list->windowHandle(), Qt::Key_Down);
        QTest::keyClick(list->windowHandle(), Qt::Key_Return);
        QTRY_VERIFY(!box->view()->isVisible());
        QVERIFY(box->Items().contains(box->Text()));
        QCOMPARE(box->view()->sizeHintForRow(0), 13);
    }
};

QTEST_MAIN(TestEdits)
#include "tst_edits.moc"
