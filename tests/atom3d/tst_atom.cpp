// SPDX-License-Identifier: GPL-3.0-or-later
#include "AtomModel.h"
#include "Button.h"
#include "CheckBox.h"
#include "Panel.h"
#include "PictureDifference.h"
#include "SceneObjects.h"
#include "AtomWindow.h"
#include "TestFolder.h"
#include "WindowInput.h"

#include <QOpenGLFunctions>
#include <QTimer>
#include <QtTest>

#include <cmath>

namespace {

struct Point3 {
    double x, y, z;
};

// A point of shell k's plane turned 60k degrees about the vertical axis, in model coordinates.
Point3 InShell(double x, double y, int shell)
{
    const double angle = 60.0 * shell * M_PI / 180.0;
    return {x * std::cos(angle), y, -x * std::sin(angle)};
}

// The window pixel where a model point lands: moved to the model's distance and projected through
// the fixed frustum, which does not follow the window's shape.
QPoint Projected(Point3 p, QSize view, double distance = -900)
{
    const double z = p.z + distance;
    const double ndcX = (200.0 / 41.6) * p.x / -z, ndcY = (200.0 / 41.6) * p.y / -z;
    return QPoint(int(std::floor((ndcX + 1) / 2 * view.width())), int(std::floor((1 - ndcY) / 2 * view.height())));
}

// Whether the nucleus (radius 20 at the model's centre) hides a model point.
bool BehindNucleus(Point3 p)
{
    return p.z < 0 && p.x * p.x + p.y * p.y < 24.0 * 24.0;
}

// The frame the view shows now, read from its framebuffer without drawing a new one.
QImage ShownFrame(QOpenGLWidget* view)
{
    view->makeCurrent();
    QImage image(view->width(), view->height(), QImage::Format_RGBA8888);
    QOpenGLFunctions* gl = view->context()->functions();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, view->defaultFramebufferObject());
    gl->glReadPixels(0, 0, view->width(), view->height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    view->doneCurrent();
    return image.mirrored();
}

enum class Hue { Background, Grey, Orange, Blue, Green, Other };

Hue HueAt(const QImage& frame, QPoint p)
{
    const QColor c = frame.pixelColor(p);
    if (c.red() < 10 && c.green() < 10 && std::abs(c.blue() - 128) <= 2)
        return Hue::Background;
    if (std::abs(c.red() - 179) <= 2 && std::abs(c.green() - 179) <= 2 && std::abs(c.blue() - 179) <= 2)
        return Hue::Grey;
    if (c.red() > 120 && c.green() > 70 && c.red() > c.green() && c.blue() < 60)
        return Hue::Orange;
    if (c.blue() > 130 && c.red() < 60 && c.green() < 60)
        return Hue::Blue;
    if (c.green() > 120 && c.red() < 60 && c.blue() < 60)
        return Hue::Green;
    return Hue::Other;
}

struct AtomWindow {
    explicit AtomWindow(const QByteArray& configurations)
    {
        QDir().mkpath(folder.Path("Zbiory"));
        folder.Write("Zbiory/!konfielekt.txt", configurations);
        window = std::make_unique<TOknoA3D>(folder.Data());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("the 3D window was not shown");
    }
    QImage Frame() { return window->View()->grabFramebuffer(); }
    TestFolder folder;
    std::unique_ptr<TOknoA3D> window;
};

} // namespace

class TestAtom : public QObject {
    Q_OBJECT

private slots:
    void shellCountsOfMalformedTokens_data()
    {
        QTest::addColumn<QByteArray>("configuration");
        QTest::addColumn<QList<int>>("counts");
        QTest::newRow("sodium") << QByteArray("+2+8+1") << QList<int>{2, 8, 1};
        QTest::newRow("empty token") << QByteArray("+2++1") << QList<int>{2, 0, 1};
        QTest::newRow("zero") << QByteArray("+0+3") << QList<int>{0, 3};
        QTest::newRow("negative") << QByteArray("+-4") << QList<int>{0};
        QTest::newRow("not a number") << QByteArray("+x+2") << QList<int>{0, 2};
        QTest::newRow("blanks") << QByteArray("+2 +8") << QList<int>{0, 8};
        QTest::newRow("huge") << QByteArray("+99999999999999999999") << QList<int>{0};
        QTest::newRow("large") << QByteArray("+5000") << QList<int>{MaxElectronsPerShell};
        QTest::newRow("no plus") << QByteArray("2") << QList<int>{};
        QTest::newRow("many shells") << QByteArray(40, '+') << QList<int>(MaxShells, 0);
        // splitting stops at the cap and never runs over the text again: a million shells are quick
        QTest::newRow("a million shells") << QByteArray(1000000, '+') << QList<int>(MaxShells, 0);
        QTest::newRow("a long last shell") << QByteArray("+3+") + QByteArray(1000000, '7') << QList<int>{3, 0};
    }

    void shellCountsOfMalformedTokens()
    {
        QFETCH(QByteArray, configuration);
        QFETCH(QList<int>, counts);
        QCOMPARE(ShellElectronCounts(configuration), counts);
    }

    void theSurfaceIsMadeWhenTheWindowFirstShowsUnderTheOptions()
    {
        TestFolder folder;
        TOknoA3D window(folder.Data());
        QCOMPARE(window.findChild<QOpenGLWidget*>(), nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* surface = window.findChild<QOpenGLWidget*>();
        QVERIFY(surface && surface->isVisible());
        QCOMPARE(surface->geometry(), window.rect());
        QVERIFY(window.children().indexOf(surface) < window.children().indexOf(window.suiPanel1));
        QCOMPARE(window.View(), surface);
    }

    void withoutAnElementOnlyTheBackground()
    {
        AtomWindow w("H +1\r\n");
        QCOMPARE(w.window->Konfiguracja, QByteArray("nic"));
        QCOMPARE(w.window->Odleglosc, -800);
        w.window->View()->resize(300, 200);  // a new set-up and its first frame, cleared grey
        const QImage first = ShownFrame(w.window->View());
        const QImage later = w.Frame();
        for (const QPoint p : {QPoint(1, 1), QPoint(150, 100), QPoint(299, 199)}) {
            QCOMPARE(HueAt(first, p), Hue::Grey);
            QCOMPARE(HueAt(later, p), Hue::Background);
        }
    }

    void hydrogenHasOneOrangeElectronInATurnedPlane()
    {
        AtomWindow w("H +1\r\n");
        w.window->pierwiastek("H");
        QCOMPARE(w.window->Konfiguracja, QByteArray("+1"));
        const QImage frame = w.Frame();
        const QSize size = frame.size();
        QCOMPARE(size, QSize(422, 297));
        QCOMPARE(HueAt(frame, Projected({0, 0, 0}, size)), Hue::Green);  // the nucleus
        // the electron at angle 0 sits at (30, 0, 0) of its plane, partly behind the nucleus: its
        // outer edge shows
        const Point3 electron = InShell(30, 0, 1);
        QCOMPARE(HueAt(frame, Projected({electron.x + 8, 0, electron.z}, size)), Hue::Orange);
        QCOMPARE(HueAt(frame, Projected({-electron.x - 8, 0, -electron.z}, size)), Hue::Background);  // no second one
        QCOMPARE(HueAt(frame, Projected({0, 45, 0}, size)), Hue::Background);
    }

    void innerShellsBlueOuterShellOrangeAtTheirAngles()
    {
        AtomWindow w("Ne +2+8\r\n");
        w.window->pierwiastek("Ne");
        const QImage frame = w.Frame();
        const QSize size = frame.size();
        // the second inner electron at 3.25 radians (not pi), in front of the nucleus
        const Point3 second = InShell(30 * std::cos(3.25), 30 * std::sin(3.25), 1);
        QVERIFY(!BehindNucleus(second));
        QCOMPARE(HueAt(frame, Projected(second, size)), Hue::Blue);
        int seen = 0;
        for (int j = 0; j < 8; ++j) {
            const double theta = j * 6.5 / 8;
            const Point3 p = InShell(60 * std::cos(theta), 60 * std::sin(theta), 2);
            if (BehindNucleus(p))
                continue;
            ++seen;
            QVERIFY2(HueAt(frame, Projected(p, size)) == Hue::Orange, qPrintable(QString("electron %1").arg(j)));
        }
        QVERIFY(seen >= 6);
    }

    void laterLineWinsAndUnknownSymbolsKeepTheModel()
    {
        AtomWindow w("Na +1\r\nNa +2+8+1\r\nK +2+8+8+1\r\n");
        w.window->pierwiastek("Na");
        QCOMPARE(w.window->Konfiguracja, QByteArray("+2+8+1"));
        w.window->pierwiastek("Xx");
        QCOMPARE(w.window->Konfiguracja, QByteArray("+2+8+1"));
        w.window->pierwiastek("na");
        QCOMPARE(w.window->Konfiguracja, QByteArray("+2+8+1"));
        const QImage frame = w.Frame();
        QCOMPARE(HueAt(frame, Projected(InShell(90, 0, 3), frame.size())), Hue::Orange);
        w.folder.Write("Zbiory/!konfielekt.txt", "");
        QFile::remove(w.folder.Path("Zbiory/!konfielekt.txt"));
        QVERIFY_THROWS_EXCEPTION(std::exception, w.window->pierwiastek("K"));
        QCOMPARE(w.window->Konfiguracja, QByteArray("+2+8+1"));
    }

    void aNonSquareWindowStretchesThePicture()
    {
        AtomWindow w("H +1\r\n");
        w.window->pierwiastek("H");
        w.window->KatY = 0;
        w.window->resize(600, 297);
        QTRY_COMPARE(w.window->View()->size(), QSize(600, 297));
        const QImage frame = w.Frame();
        const Point3 electron = InShell(30, 0, 1);
        const QPoint edge = Projected({electron.x + 8, 0, electron.z}, frame.size());
        QCOMPARE(HueAt(frame, edge), Hue::Orange);
        QVERIFY(edge.x() - 300 > Projected({electron.x + 8, 0, electron.z}, QSize(422, 297)).x() - 211);  // stretched
        QCOMPARE(w.window->Odleglosc, -800);
        QCOMPARE(w.window->Konfiguracja, QByteArray("+1"));
    }

    void malformedConfigurationsDrawWithoutFailing()
    {
        AtomWindow w("Zz +0+x++-3+2 \r\nYy +999999\r\n");
        w.window->pierwiastek("Zz");
        QVERIFY(!w.Frame().isNull());
        w.window->pierwiastek("Yy");
        QVERIFY(!w.Frame().isNull());
    }

    void keyAWithTheOptionsHiddenStartsAndStopsTheAnimation()
    {
        AtomWindow w("H +1\r\n");
        QVERIFY(!w.window->suiPanel1->isVisible());
        WindowInput::Key(w.window.get(), Qt::Key_A);
        QVERIFY(w.window->suiCheckBox1->Checked());
        QVERIFY(w.window->Timer2->isActive());
        WindowInput::Key(w.window.get(), Qt::Key_A);
        QVERIFY(!w.window->Timer2->isActive());
        WindowInput::Key(w.window.get(), Qt::Key_O);
        QVERIFY(w.window->suiPanel1->isVisible());
        WindowInput::Click(w.window->suiButton1);
        QVERIFY(!w.window->suiPanel1->isVisible());
    }

    void keysAControlOfTheOptionsDoesNotUseGoNowhere()
    {
        AtomWindow w("H +1\r\n");
        WindowInput::Key(w.window.get(), Qt::Key_O);
        TsuiCheckBox* box = w.window->suiCheckBox2;
        QApplication::setActiveWindow(w.window.get());
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        for (const Qt::Key key : {Qt::Key_A, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Down, Qt::Key_O, Qt::Key_X})
            WindowInput::Key(box, key);
        QVERIFY(!w.window->suiCheckBox1->Checked() && !box->Checked());
        QCOMPARE(w.window->Odleglosc, -800);
        QCOMPARE(w.window->PrzesuniecieY, 0);
        QVERIFY(w.window->suiPanel1->isVisible());
        WindowInput::Key(box, Qt::Key_Space);  // a key the check box uses
        QVERIFY(box->Checked());
    }

    void bothAxesTurnOneDegreePerTick()
    {
        AtomWindow w("H +1\r\n");
        w.window->suiCheckBox2->SetChecked(true);
        w.window->suiCheckBox3->SetChecked(true);
        w.window->suiCheckBox1->SetChecked(true);
        QTest::qWait(520);
        w.window->suiCheckBox1->SetChecked(false);
        QVERIFY(w.window->KatX >= 4 && w.window->KatX <= 6);
        QCOMPARE(w.window->KatY, w.window->KatX);
        const double frozen = w.window->KatX;
        const int counter = w.window->LicznikObrotu;
        QTest::qWait(250);
        QCOMPARE(w.window->KatX, frozen);
        QCOMPARE(w.window->LicznikObrotu, counter);
    }

    void automaticScheduleFromCounterZero()
    {
        AtomWindow w("H +1\r\n");
        w.window->suiCheckBox4->SetChecked(true);
        QCOMPARE(w.window->LicznikObrotu, 0);
        QStringList phases;
        double x = 0, y = 0;
        for (int tick = 1; tick <= 182; ++tick) {
            w.window->Timer2Timer();
            const QString phase = QString("%1%2").arg(w.window->KatX > x ? "X" : "-").arg(w.window->KatY > y ? "Y" : "-");
            x = w.window->KatX;
            y = w.window->KatY;
            if (phases.isEmpty() || phases.last().section(':', 0, 0) != phase)
                phases.append(phase + ":" + QString::number(tick));
        }
        // the first tick only counts; X alone from the second, Y alone from counter 30, both from 60,
        // and the cycle starts again at 1 (whose tick still turns both: changes take effect next tick)
        QCOMPARE(phases, (QStringList{"--:1", "X-:3", "-Y:32", "XY:62", "X-:93", "-Y:122", "XY:152"}));
    }

    void dragTurnsByTheDistanceFromTheRememberedPosition()
    {
        AtomWindow w("H +1\r\n");
        w.window->FormMouseMove(Qt::NoButton, 100, 50);
        QCOMPARE(w.window->KatY, 0.0);
        w.window->FormMouseMove(Qt::LeftButton, 110, 44);
        QCOMPARE(w.window->KatY, -5.0);
        QCOMPARE(w.window->KatX, 3.0);
        w.window->Start_spin(0, 0);
        w.window->FormMouseMove(Qt::LeftButton, 20, 10);
        QCOMPARE(w.window->KatY, -10.0);
        QCOMPARE(w.window->KatX, -5.0);
    }

    void keysMoveAndScaleAndShowingResetsOnlyTheAngles()
    {
        AtomWindow w("H +1\r\n");
        WindowInput::Key(w.window.get(), Qt::Key_Plus);
        WindowInput::Key(w.window.get(), Qt::Key_Down);
        WindowInput::Key(w.window.get(), Qt::Key_Down);
        WindowInput::Key(w.window.get(), Qt::Key_Up);
        QCOMPARE(w.window->Odleglosc, -790);
        QCOMPARE(w.window->PrzesuniecieY, 1);
        w.window->KatX = 40;
        w.window->KatY = 50;
        w.window->close();
        w.window->show();
        QCOMPARE(w.window->KatX, 0.0);
        QCOMPARE(w.window->KatY, 0.0);
        QCOMPARE(w.window->Odleglosc, -790);
        QCOMPARE(w.window->PrzesuniecieY, 1);
    }

    // The spheres drawn with fewer facets give the picture of GLU's 30 × 30 spheres: at most 2 % of
    // the pixels differ by more than 16 levels, for the smallest, a middle and the largest atom.
    void fastSpheresKeepThePicture_data()
    {
        QTest::addColumn<QString>("symbol");
        for (const char* symbol : {"H", "Na", "Rg"})
            QTest::newRow(symbol) << QString::fromLatin1(symbol);
    }

    void fastSpheresKeepThePicture()
    {
        QFETCH(QString, symbol);
        AtomWindow w("H +1\r\nNa +2+8+1\r\nRg +2+8+18+32+32+17+2\r\n");
        w.window->pierwiastek(symbol);
        w.window->Start_spin(20, 30);
        UzyjPelnychSfer(true);
        const QImage full = w.Frame();
        UzyjPelnychSfer(false);
        const QImage fast = w.Frame();
        QVERIFY(full != fast);  // the two ways really differ in their facets
        const double share = ShareOfDifferingPixels(full, fast, 16);
        QVERIFY2(share <= 0.02, qPrintable(QString::number(share * 100, 'f', 2) + " %"));
    }

    // A frame is drawn when the picture changes, at most one per refresh of the screen, and none while
    // the picture stands still or the window is hidden.
    void framesOnlyForChangesWhileShown()
    {
        AtomWindow w("H +1\r\n");
        QVERIFY(w.window->Timer1->interval() >= 10);
        int frames = 0;
        connect(w.window->View(), &QOpenGLWidget::frameSwapped, [&] { ++frames; });
        QTest::qWait(200);
        QCOMPARE(frames, 0);
        w.window->pierwiastek(QStringLiteral("H"));
        QTRY_COMPARE(frames, 1);
        for (int i = 0; i < 20; ++i)
            w.window->Start_spin(i, i);  // twenty changes within one refresh
        QTest::qWait(200);
        QVERIFY(frames >= 2 && frames <= 3);
        w.window->close();
        frames = 0;
        w.window->Start_spin(45, 45);
        QTest::qWait(200);
        QCOMPARE(frames, 0);
        QVERIFY(w.window->Timer1->isActive());
    }
};

QTEST_MAIN(TestAtom)
#include "tst_atom.moc"
