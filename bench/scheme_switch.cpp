// The cost of switching the colouring of the main window: the 162 tile colourings, the legend and
// the repaint they cause, against a repaint of the whole window with every tile in it, measured in
// the same run. Each is timed until the display has shown it: the display copies a frame from the
// program's memory after the program has handed it over, and that copy is part of either cost (left
// out, the next one measured would wait for it instead).
// Usage (needs an X display): scheme_switch [switches]

#include "Menu.h"
#include "PlainPanel.h"
#include "TAGlowne.h"
#include "UkladApplication.h"

#include <QElapsedTimer>
#include <QGuiApplication>
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

    // switches and full repaints taken in turn, so both meet the same state of the machine
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

    std::printf("scheme switch: %.3f ms (the handler %.3f ms, the rest its repaint); full window repaint: %.3f ms; ratio %.2f\n",
                perSwitch, perHandler, perRepaint, perSwitch / perRepaint);
    return 0;
}
