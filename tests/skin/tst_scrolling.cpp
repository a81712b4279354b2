// SPDX-License-Identifier: GPL-3.0-or-later
#include "Button.h"
#include "ImagePanel.h"
#include "Memo.h"
#include "Panel.h"
#include "RichEdit.h"
#include "ScrollBar.h"
#include "TrackBar.h"
#include "URLLabel.h"
#include "WindowInput.h"

#include <QDesktopServices>
#include <QScrollBar>
#include <QtTest>

// Takes the addresses the desktop would open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened.append(url.toString()); }
};

class TestScrolling : public QObject {
    Q_OBJECT

private slots:
    void trackBarPositionsAndTicks()
    {
        QWidget window;
        auto* bar = new TsuiTrackBar(&window);
        bar->resize(233, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bar->height(), 20);  // as thick as the slider
        QCOMPARE(bar->Slider()->size(), QSize(11, 20));
        int changes = 0;
        bar->OnChange = [&](QObject*) { ++changes; };
        bar->SetMax(111);
        const QList<int> every = bar->TickPositions();
        QCOMPARE(every.size(), 112);
        bar->SetMin(-273);
        bar->SetMax(5700);
        bar->SetFrequency(50);
        const QList<int> ticks = bar->TickPositions();
        QCOMPARE(ticks.first(), -273);
        QCOMPARE(ticks[1], -223);
        QCOMPARE(ticks[ticks.size() - 2], 5677);
        QCOMPARE(ticks.last(), 5700);
        bar->SetPosition(6000);
        QCOMPARE(bar->Position(), 5700);
        QCOMPARE(bar->SliderOrigin(), QPoint(233 - 11, 0));
        bar->SetPosition(-300);
        QCOMPARE(bar->SliderOrigin(), QPoint(0, 0));
        QCOMPARE(changes, 2);
        // the slider's centre follows the point, halves to even
        bar->SetMin(0);
        bar->SetMax(10);
        QCOMPARE(bar->ValueAtPoint(QPoint(5, 0)), 0);
        QCOMPARE(bar->ValueAtPoint(QPoint(233 - 6, 0)), 10);
        QCOMPARE(bar->ValueAtPoint(QPoint(5 + 111, 0)), 5);
        bar->SetOrientation(TsuiProgressBarOrientation::suiVertical);
        QCOMPARE(bar->Slider()->size(), QSize(18, 11));
        QCOMPARE(bar->width(), 18);
    }

    void trackBarKeysAndPaging()
    {
        QWidget window;
        auto* bar = new TsuiTrackBar(&window);
        bar->resize(233, 20);
        bar->SetMax(100);
        window.show();
        QVERIFY(WindowInput::Activate(&window));
        bar->setFocus();  // as the Tab key gives it
        WindowInput::Key(bar, Qt::Key_End);
        QCOMPARE(bar->Position(), 100);
        WindowInput::Key(bar, Qt::Key_PageUp);
        WindowInput::Key(bar, Qt::Key_Left);
        QCOMPARE(bar->Position(), 97);
        WindowInput::Key(bar, Qt::Key_Home);
        QCOMPARE(bar->Position(), 0);
        // a press beyond the slider pages once at once, stopping at the point
        WindowInput::Press(bar, QPoint(200, 10));
        QCOMPARE(bar->Position(), 2);
        QVERIFY(bar->Repeating());
        WindowInput::Release(bar, QPoint(200, 10));
        QVERIFY(!bar->Repeating());
        // dragging the slider
        WindowInput::Press(bar->Slider(), QPoint(5, 5));
        QVERIFY(bar->Dragging());
        QMouseEvent move(QEvent::MouseMove, QPointF(5 + 111 - bar->Slider()->x(), 5), bar->Slider()->mapToGlobal(QPointF(5 + 111 - bar->Slider()->x(), 5)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar->Slider(), &move);
        QCOMPARE(bar->Position(), 50);
    }

    // Ticks under the slider's centre at every value, two pixels apart; the bar takes its panel's
    // colour until it is given one.
    void trackBarTicksAndColour()
    {
        QWidget window;
        auto* panel = new TsuiPanel(&window);
        panel->resize(249, 105);
        auto* bar = new TsuiTrackBar(panel);
        bar->setGeometry(8, 48, 233, 20);
        bar->SetMax(111);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bar->Color(), clWhite);
        const QImage shot = bar->grab().toImage();
        QList<int> ticks;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, shot.height() - 1) == Qt::black)
                ticks.append(x);
        QCOMPARE(ticks.size(), 112);
        QCOMPARE(ticks.first(), 5);
        QCOMPARE(ticks.last(), 227);
        QCOMPARE(ticks[1] - ticks[0], 2);
        panel->SetColor(0x00FFFF);
        QCOMPARE(bar->Color(), TColor(0x00FFFF));
        QCOMPARE(bar->grab().toImage().pixelColor(120, 1), QColor(Qt::yellow));
        bar->SetColor(clRed);
        panel->SetColor(clWhite);
        QVERIFY(!bar->ParentColor());
        QCOMPARE(bar->Color(), clRed);
    }

    // Held on the bar, the slider pages at once, then three pages every 100 ms up to the cursor;
    // the cursor leaving the bar stops it.
    void trackBarPagesTowardTheCursor()
    {
        QWidget window;
        auto* bar = new TsuiTrackBar(&window);
        bar->setGeometry(0, 0, 233, 20);
        bar->SetMax(100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint at(200, 10);
        QCursor::setPos(bar->mapToGlobal(at));
        WindowInput::Press(bar, at);
        QCOMPARE(bar->Position(), 2);
        const int target = bar->ValueAtPoint(at);
        QTRY_COMPARE_WITH_TIMEOUT(bar->Position(), target, 5000);
        QTest::qWait(250);
        QCOMPARE(bar->Position(), target);
        WindowInput::Move(bar, QPoint(300, 10));
        QMouseEvent away(QEvent::MouseMove, QPointF(300, 10), bar->mapToGlobal(QPointF(300, 10)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &away);
        QVERIFY(!bar->Repeating());
    }

    void scrollBarThumbAndTrack()
    {
        QWidget window;
        auto* horizontal = new TsuiScrollBar(&window);
        horizontal->resize(200, 50);
        auto* vertical = new TsuiScrollBar(&window);
        vertical->SetOrientation(TsuiProgressBarOrientation::suiVertical);
        vertical->resize(40, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(horizontal->height(), 16);
        QCOMPARE(horizontal->Track()->width(), 200 - 16 - 16);
        QCOMPARE(horizontal->Track()->SliderImage().width(), 16);  // page 2 counts as 10: 10% of 168
        horizontal->SetPageSize(50);
        QCOMPARE(horizontal->Track()->SliderImage().width(), 84);
        QCOMPARE(vertical->width(), 16);
        QCOMPARE(vertical->Track()->height(), 200 - 16 - 16 - 1);
        vertical->SetLineButton(5);
        QCOMPARE(vertical->LineButton(), 18);
        QCOMPARE(vertical->Track()->SliderImage().height(), 18);
        vertical->SetLineButton(200);
        QCOMPARE(vertical->LineButton(), 18);  // longer than the room between the buttons: refused
        QCOMPARE(vertical->Color(), TColor(0xF5F5F5));
    }

    void onlyHoldingAnArrowButtonScrolls()
    {
        QWidget window;
        auto* bar = new TsuiScrollBar(&window);
        bar->resize(200, 16);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bar->SetSmallChange(3);
        WindowInput::Click(bar->DownButton(), QPoint(5, 5));
        QCOMPARE(bar->Position(), 0);
        WindowInput::Press(bar->DownButton(), QPoint(5, 5));
        QTRY_VERIFY_WITH_TIMEOUT(bar->Position() >= 6, 2000);
        WindowInput::Release(bar->DownButton(), QPoint(5, 5));
        const int held = bar->Position();
        QTest::qWait(250);
        QCOMPARE(bar->Position(), held);
        QCOMPARE(held % 3, 0);
    }

    void theMemosBarFollowsItsText()
    {
        QWidget window;
        window.resize(300, 300);
        auto* memo = new TsuiMemo(&window);
        memo->setGeometry(10, 10, 200, 120);
        auto* bar = new TsuiScrollBar(&window);
        memo->SetVScrollBar(bar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(bar->Orientation(), TsuiProgressBarOrientation::suiVertical);
        QCOMPARE(bar->geometry(), QRect(10 + 200 - 16 - 2, 11, 16, 118));
        QVERIFY(!bar->isEnabled());  // nothing to scroll yet
        QStringList lines;
        for (int i = 1; i <= 40; ++i)
            lines.append(QString("Wiersz %1").arg(i));
        memo->SetLines(lines);
        QTRY_VERIFY(bar->isEnabled());
        QScrollBar* native = memo->Editor()->verticalScrollBar();
        QCOMPARE(bar->Max(), native->maximum());
        QVERIFY(bar->LineButton() >= 18);
        memo->Editor()->moveCursor(QTextCursor::End);
        QTRY_VERIFY(native->value() > 0);
        QCOMPARE(bar->Position(), native->value());
        bar->SetPosition(0);  // and the other way: the bar scrolls the text
        QCOMPARE(native->value(), 0);
        delete bar;
        QCOMPARE(memo->VScrollBar(), nullptr);
        QCOMPARE(memo->ScrollBars(), TScrollStyle::ssNone);
    }

    void linkLabel()
    {
        QWidget window;
        auto* link = new TsuiURLLabel(&window);
        UrlRecorder desktop;
        QStringList& opened = desktop.opened;
        QDesktopServices::setUrlHandler("test", &desktop, "open");
        int clicks = 0;
        link->OnClick = [&](QObject*) { ++clicks; };
        link->SetURL("   ");
        link->Click();
        QCOMPARE(opened, QStringList());
        link->SetURL("test:strona");
        link->Click();
        QCOMPARE(opened, QStringList{"test:strona"});
        QCOMPARE(clicks, 2);
        QVERIFY(link->font().underline());
        QCOMPARE(link->FontColor(), clBlue);
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->FontColor(), clRed);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        QCOMPARE(link->FontColor(), clBlue);
        QDesktopServices::unsetUrlHandler("test");
    }
};

QTEST_MAIN(TestScrolling)
#include "tst_scrolling.moc"
