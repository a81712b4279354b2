// SPDX-License-Identifier: GPL-3.0-or-later
#include "Align.h"
#include "ImagePanel.h"
#include "Panel.h"
#include "PlainPanel.h"
#include "WindowInput.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QtTest>

namespace {

// Records every height a widget takes.
class HeightRecorder : public QObject {
public:
    explicit HeightRecorder(QWidget* widget) { widget->installEventFilter(this); }
    QList<int> heights;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            heights.append(static_cast<QResizeEvent*>(event)->size().height());
        return false;
    }
};

QList<int> Steps(int from, int to, int step)
{
    QList<int> steps;
    for (int h = from; step < 0 ? h >= to : h <= to; h += step)
        steps.append(h);
    return steps;
}

} // namespace

class TestPanels : public QObject {
    Q_OBJECT

private slots:
    void foldAndUnfoldInStepsOfFifteen()
    {
        QWidget window;
        window.resize(400, 400);
        TsuiPanel panel(&window);
        panel.SetHeight(185);
        window.show();
        QCOMPARE(panel.BarHeight(), 20);
        int pushed = 0, popped = 0;
        panel.OnPush = [&](QObject* sender) { QCOMPARE(sender, &panel); ++pushed; };
        panel.OnPop = [&](QObject*) { ++popped; };
        HeightRecorder recorder(&panel);
        panel.Push();
        QCOMPARE(recorder.heights, Steps(170, 35, -15) << 20);
        QCOMPARE(panel.height(), 20);
        QVERIFY(!panel.Expanded());
        QCOMPARE(pushed, 1);
        QCOMPARE(popped, 0);
        recorder.heights.clear();
        panel.Pop();
        QCOMPARE(recorder.heights, Steps(35, 170, 15) << 185);
        QVERIFY(panel.Expanded());
        QCOMPARE(popped, 1);
        QCOMPARE(panel.Height(), 185);
    }

    void heightSetWhileFoldedWaitsForTheUnfold()
    {
        QWidget window;
        TsuiPanel panel(&window);
        panel.SetHeight(100);
        window.show();
        panel.Push();
        panel.SetHeight(300);
        QCOMPARE(panel.height(), 20);
        panel.Pop();
        QCOMPARE(panel.height(), 300);
    }

    void theFoldButtonFoldsAndUnfolds()
    {
        QWidget window;
        window.resize(300, 300);
        TsuiPanel panel(&window);
        panel.setGeometry(10, 10, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint button(200 - 1 - 13 / 2 - 4, 10);
        WindowInput::Move(&panel, button);
        QTRY_VERIFY(panel.ButtonHot());
        WindowInput::Click(&panel, button);
        QCOMPARE(panel.height(), 20);
        WindowInput::Click(&panel, button);
        QCOMPARE(panel.height(), 100);
        WindowInput::Click(&panel, QPoint(50, 60));
        QCOMPARE(panel.height(), 100);
    }

    void aStyleChangeResetsTheColours()
    {
        TsuiPanel panel;
        panel.SetColor(clRed);
        panel.SetBorderColor(clRed);
        panel.SetCaptionFontColor(clRed);
        panel.SetUIStyle(TsuiUIStyle::WinXP);
        QCOMPARE(panel.Color(), clWhite);
        QCOMPARE(panel.BorderColor(), TColor(0x686868));
        QCOMPARE(panel.CaptionFontColor(), TColor(0x000000));
        panel.SetUIStyle(TsuiUIStyle::MacOS);
        QCOMPARE(panel.CaptionFontColor(), clBlack);
        QCOMPARE(panel.BarHeight(), 21);
        panel.SetUIStyle(TsuiUIStyle::DeepBlue);
        QCOMPARE(panel.CaptionFontColor(), clWhite);
        QCOMPARE(panel.BorderColor(), clBlack);
    }

    void clientAlignedPanelsHaveNoButtonAndCannotFold()
    {
        QWidget window;
        window.resize(300, 200);
        TsuiPanel panel(&window);
        SetAlign(&panel, TAlign::alClient);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int height = panel.height();
        try {
            panel.Push();
            QFAIL("a client-aligned panel folded");
        } catch (const std::exception& e) {
            QCOMPARE(QString(e.what()), QString("Can't push when Align is alClient, alLeft or alRight."));
        }
        QCOMPARE(panel.height(), height);
        WindowInput::Move(&panel, QPoint(panel.width() - 11, 10));
        WindowInput::Click(&panel, QPoint(panel.width() - 11, 10));
        QVERIFY(!panel.ButtonHot());
        QVERIFY(panel.Expanded());
    }

    void childrenAreLaidOutBelowTheBar()
    {
        TsuiPanel panel;
        panel.resize(200, 120);
        QWidget child(&panel);
        SetAlign(&child, TAlign::alClient);
        panel.show();
        QTRY_COMPARE(child.geometry(), QRect(3, 23, 194, 94));
    }

    void imagePanelAutoSizeFollowsTheAlignment()
    {
        QWidget window;
        window.resize(300, 300);
        QImage picture(30, 12, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        TsuiImagePanel free(&window), top(&window);
        free.resize(5, 5);
        top.resize(5, 5);
        SetAlign(&top, TAlign::alTop);
        for (TsuiImagePanel* panel : {&free, &top}) {
            panel->SetAutoSize(true);
            panel->SetPicture(picture);
        }
        QCOMPARE(free.size(), QSize(30, 12));
        QCOMPARE(top.size(), QSize(5, 12));
    }

    void transparentImagePanelWithoutPictureShowsItsParent()
    {
        // a parent whose every pixel tells where it is
        struct Patterned : QWidget {
            void paintEvent(QPaintEvent*) override
            {
                QPainter p(this);
                for (int y = 0; y < height(); ++y)
                    for (int x = 0; x < width(); ++x)
                        p.fillRect(x, y, 1, 1, QColor(x * 2, y * 3, 0x56));
            }
        } window;
        window.resize(100, 60);
        TsuiImagePanel panel(&window);
        panel.setGeometry(10, 10, 60, 30);
        panel.SetTransparent(true);
        panel.SetCaption("Abc");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot = panel.grab().toImage();
        QCOMPARE(shot.pixelColor(1, 1), QColor(11 * 2, 11 * 3, 0x56));
        QCOMPARE(shot.pixelColor(50, 25), QColor(60 * 2, 35 * 3, 0x56));
        bool caption = false;
        for (int x = 0; x < shot.width(); ++x)
            caption = caption || qGray(shot.pixel(x, 15)) < 20;
        QVERIFY(caption);
    }

    void recolouredPanelsReachTheScreen()
    {
        // tiles as the table has them: each overlaps its right and lower neighbours by a pixel
        QWidget window;
        window.resize(140, 120);
        std::vector<TPlainPanel*> tiles;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column) {
                auto* tile = new TPlainPanel(&window, TPlainPanel::Bevel::Lowered, TPlainPanel::Bevel::Raised);
                tile->setGeometry(10 + 32 * column, 10 + 40 * row, 33, 41);
                tiles.push_back(tile);
            }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto screen = [&window] {
            QCoreApplication::processEvents();
            return window.screen()->grabWindow(window.winId()).toImage();
        };
        const QColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow);
        QTRY_COMPARE(screen().pixelColor(26, 30), face);

        // all at once, as a colouring does, then one alone, as a view's step does
        const TColor colours[] = {clRed, 0x00FF00, clBlue, 0x00FFFF, 0xFFFF00, clFuchsia};
        for (std::size_t i = 0; i < tiles.size(); ++i)
            tiles[i]->SetColor(colours[i]);
        QTRY_COMPARE(screen().pixelColor(tiles[5]->geometry().center()), ColorToRGB(clFuchsia));
        tiles[4]->SetColor(clBlack);
        QTRY_COMPARE(screen().pixelColor(tiles[4]->geometry().center()), ColorToRGB(clBlack));
        const QImage shot = screen();
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            const QRect tile = tiles[i]->geometry();
            const QColor expected = ColorToRGB(i == 4 ? clBlack : colours[i]);
            QCOMPARE(shot.pixelColor(tile.center()), expected);
            // the background's last pixels, just inside the two bevels
            QCOMPARE(shot.pixelColor(tile.right() - 2, tile.bottom() - 2), expected);
            QCOMPARE(shot.pixelColor(tile.left() + 2, tile.top() + 2), expected);
        }
        // the shared column and row belong to the later tile, whose lowered outer bevel starts there
        QCOMPARE(shot.pixelColor(42, 30), shadow);
        QCOMPARE(shot.pixelColor(60, 50), shadow);
        // hidden, a panel's new colour waits for its showing
        tiles[0]->hide();
        tiles[0]->SetColor(clGray);
        QTRY_COMPARE(screen().pixelColor(26, 30), window.palette().color(QPalette::Window));
        tiles[0]->show();
        QTRY_COMPARE(screen().pixelColor(26, 30), ColorToRGB(clGray));
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
