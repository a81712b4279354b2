// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstFrame.h"

#include "FirstEvent.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <malloc.h>

void AfterFirstFrame(QWidget& window, std::function<void()> work)
{
    // Qt draws an exposed window while it handles the exposure, so work posted from there runs
    // after the frame has gone to the display
    QWindow* surface = window.windowHandle();
    OnFirstEvent(
        surface, [surface](const QEvent& event) { return event.type() == QEvent::Expose && surface->isExposed(); },
        [surface, work = std::move(work)] { QTimer::singleShot(0, surface, work); });
}

void ReturnFreedMemory()
{
    malloc_trim(0);
}
