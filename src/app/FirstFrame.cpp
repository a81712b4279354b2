#include "FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <malloc.h>

namespace {

// Waits for the window's first exposure. Qt draws an exposed window while it handles the exposure,
// so work posted from there runs after the frame has gone to the display.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow* window, std::function<void()> work)
        : QObject(window), work_(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, parent(), std::move(work_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void AfterFirstFrame(QWidget& window, std::function<void()> work)
{
    new FirstExposure(window.windowHandle(), std::move(work));
}

void ReturnFreedMemory()
{
    malloc_trim(0);
}
