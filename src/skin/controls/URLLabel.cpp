// SPDX-License-Identifier: GPL-3.0-or-later
#include "URLLabel.h"

#include "ErrorReport.h"

#include <QDesktopServices>
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

void TsuiURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        RunHandler([this] { Click(); });
}
