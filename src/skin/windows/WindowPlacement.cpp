// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include "FirstEvent.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The work area of the screen the window is on, or else of the primary screen.
QRect WorkAreaOf(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void CenterIn(QWidget* window, const QRect& area)
{
    const QSize size = window->frameGeometry().size();
    QPoint at(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    // inside the work area, and where the window is larger than it, its title bar in sight
    const QRect work = WorkAreaOf(window);
    if (work.isValid()) {
        at.setX(std::max(work.left(), std::min(at.x(), work.right() + 1 - size.width())));
        at.setY(std::max(work.top(), std::min(at.y(), work.bottom() + 1 - size.height())));
    }
    window->move(at);
}

} // namespace

void CenterOnScreen(QWidget* window)
{
    if (const QRect work = WorkAreaOf(window); work.isValid())
        CenterIn(window, work);
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

QPoint PlaceClearOf(const QRect& frame, const QRect& area, const QRect& areaWindow, const QRect& screen)
{
    const auto covered = [&](const QPoint& at) {
        const QRect overlap = QRect(at, frame.size()).intersected(area);
        return qint64(overlap.width()) * overlap.height();
    };
    const auto onScreen = [&](QPoint at) {
        at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - frame.width())));
        at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - frame.height())));
        return at;
    };
    QPoint best = frame.topLeft();
    qint64 least = covered(best);
    const int middleX = areaWindow.center().x() - frame.width() / 2;
    const int middleY = areaWindow.center().y() - frame.height() / 2;
    for (const QPoint at : {QPoint(middleX, areaWindow.top() - frame.height()), QPoint(middleX, areaWindow.bottom() + 1),
                            QPoint(areaWindow.right() + 1, middleY), QPoint(areaWindow.left() - frame.width(), middleY)}) {
        const QPoint kept = onScreen(at);
        if (covered(kept) < least) {
            least = covered(kept);
            best = kept;
        }
    }
    return best;
}
