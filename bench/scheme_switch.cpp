// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of switching the colouring of the main window: the 162 tile colourings, the legend and
// the repaint they cause, against a repaint of the whole window with every tile in it, measured in
// the same run. Each is timed until the display has shown it: the display copies a frame from the
// program's memory after the program has handed it over, and that copy is part of either cost (left
// out, the next one measured would wait for it instead).
// Measured twice, with the pointer where each way of switching leaves it. Chosen in the menu's
// drop-down with the mouse, the drop-down had the mouse last: the legend's entries shown by the switch
// then ask nothing of the display. Chosen from the keyboard with the pointer resting on the table,
// Qt asks the display where the pointer is for every entry shown, to tell whether it came under it.
// Usage (needs an X display): scheme_switch [switches]

#include "Menu.h"
#include "PlainPanel.h"
#include "TAGlowne.h"
#include "UkladApplication.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Returns when the display has carried out every request sent to it so far.
void WaitForDisplay()
{
    xcb_connection_t* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    std::free(xcb_get_input_focus_reply(display, xcb_get_input_focus(display), nullptr));
}

// Switches and full repaints taken in turn, so both meet the same state of the machine; prints the
// average of each and their ratio.
void Measure(TAGlowne& window, int switches, const char* pointer)
{
    QElapsedTimer clock;
    qint64 inSwitches = 0, inHandlers = 0, inRepaints = 0;
    for (int i = 0; i < switches; ++i) {
        clock.start();
        (i % 2 ? window.Podziametali1 : window.Grupypierwiastkw1)->trigger();
        inHandlers += clock.nsecsElapsed();
        QCoreApplication::processEvents();
        WaitForDisplay();
        inSwitches += clock.nsecsElapsed();

        clock.start();
        for (int k = 1; k <= 111; ++k)
            window.Panel(k)->update();
        window.update();
        QCoreApplication::processEvents();
        WaitForDisplay();
        inRepaints += clock.nsecsElapsed();
    }
    const double perSwitch = double(inSwitches) / switches / 1e6;
    const double perHandler = double(inHandlers) / switches / 1e6;
    const double perRepaint = double(inRepaints) / switches / 1e6;
    std::printf("pointer %s: scheme switch %.3f ms (the handler %.3f ms, the rest its repaint); full window repaint %.3f ms; ratio %.2f\n",
                pointer, perSwitch, perHandler, perRepaint, perSwitch / perRepaint);
}

// Moves the pointer and waits until Qt has heard of it.
void MovePointer(QPoint global)
{
    QCursor::setPos(global);
    QTest::qWait(200);
}

} // namespace

int main(int argc, char** argv)
{
    UkladApplication application(argc, argv);
    const int switches = argc > 1 ? std::atoi(argv[1]) : 400;
    TAGlowne window(DataFolder(QStringLiteral(ASSETS_DIR "/")));
    window.FormCreate();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    const QRect screen = window.screen()->geometry();
    MovePointer(screen.bottomRight());
    Measure(window, switches, "away from the window (a click in the drop-down)");
    MovePointer(window.Panel(56)->mapToGlobal(QPoint(10, 10)));
    Measure(window, switches, "on the table (the keyboard)");
    return 0;
}
