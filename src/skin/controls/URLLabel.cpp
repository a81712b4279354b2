// SPDX-License-Identifier: GPL-3.0-or-later
#include "URLLabel.h"

#include "ErrorReport.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

TsuiURLLabel::TsuiURLLabel(QWidget* parent)
    : TLabel(QStringLiteral("suiURLLabel"), parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    SetFontColor(linkColor_);
    setCursor(Qt::PointingHandCursor);
    SetTabStop(true);
}

void TsuiURLLabel::SetFontLinkColor(TColor color)
{
    linkColor_ = color;
    SetFontColor(color);
}

void TsuiURLLabel::Click()
{
    if (!url_.trimmed().isEmpty() && !QDesktopServices::openUrl(QUrl(url_)) && OnOpenFailed)
        OnOpenFailed(url_);
    if (OnClick)
        OnClick(this);
}

void TsuiURLLabel::enterEvent(QEnterEvent*)
{
    SetFontColor(hoverColor_);
}

void TsuiURLLabel::leaveEvent(QEvent*)
{
    SetFontColor(linkColor_);
}

void TsuiURLLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        RunHandler([this] { Click(); });
        return;
    }
    TLabel::keyPressEvent(event);
}

void TsuiURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        RunHandler([this] { Click(); });
}
