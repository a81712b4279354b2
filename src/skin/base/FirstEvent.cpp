// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstEvent.h"

#include <QEvent>
#include <QObject>

namespace {

class FirstEventFilter : public QObject {
public:
    FirstEventFilter(QObject* watched, std::function<bool(const QEvent&)> accepts, std::function<void()> work)
        : QObject(watched), accepts_(std::move(accepts)), work_(std::move(work))
    {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (accepts_(*event)) {
            watched->removeEventFilter(this);
            deleteLater();
            work_();
        }
        return false;
    }

private:
    std::function<bool(const QEvent&)> accepts_;
    std::function<void()> work_;
};

} // namespace

void OnFirstEvent(QObject* watched, std::function<bool(const QEvent&)> accepts, std::function<void()> work)
{
    new FirstEventFilter(watched, std::move(accepts), std::move(work));
}
