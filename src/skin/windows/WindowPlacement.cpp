// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPlacement.h"

#include "FirstEvent.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

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
