#include "WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

void CenterIn(QWidget* window, const QRect& area)
{
    const QSize size = window->frameGeometry().size();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

class FirstShowFilter : public QObject {
public:
    FirstShowFilter(QWidget* window, std::function<void()> place)
        : QObject(window), place_(std::move(place))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            place_();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> place_;
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        CenterIn(window, screen->availableGeometry());
}

void CenterOnWindow(QWidget* window, const QWidget* other)
{
    CenterIn(window, other->frameGeometry());
}

void SetMinimumUnlessFixed(QWidget* window, QSize minimum)
{
    if (window->minimumSize() != window->maximumSize())
        window->setMinimumSize(minimum);
}

void PlaceOnFirstShow(QWidget* window, std::function<void()> place)
{
    new FirstShowFilter(window, std::move(place));
}
