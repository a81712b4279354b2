#include "WindowPlacement.h"

#include "FirstEvent.h"

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
    OnFirstEvent(window, [](const QEvent& event) { return event.type() == QEvent::Show; }, std::move(place));
}
