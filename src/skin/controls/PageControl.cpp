// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageControl.h"

#include "Align.h"
#include "ErrorReport.h"
#include "ReaderEvents.h"
#include "StyleResolution.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

TsuiTabSheet::TsuiTabSheet(TsuiPageControl* pageControl)
    : QWidget(pageControl), pageControl_(pageControl)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TsuiTabSheet::SetCaption(const QString& caption)
{
    caption_ = caption;
    if (OnTabChanged)
        OnTabChanged();
}

void TsuiTabSheet::SetTabVisible(bool visible)
{
    tabVisible_ = visible;
    if (OnTabChanged)
        OnTabChanged();
}

int TsuiTabSheet::PageIndex() const
{
    return pageControl_ ? int(pageControl_->Pages().indexOf(const_cast<TsuiTabSheet*>(this))) : -1;
}

void TsuiTabSheet::SetPageIndex(int index)
{
    if (OnMoveAsked)
        OnMoveAsked(index);
}

void TsuiTabSheet::SetColor(TColor color)
{
    color_ = color;
    update();
}

void TsuiTabSheet::SetBorderColor(TColor color)
{
    borderColor_ = color;
    update();
}

void TsuiTabSheet::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), ColorToRGB(color_));
}

void TsuiTabSheet::resizeEvent(QResizeEvent*)
{
    ArrangeAlignedChildren(this, rect());
}

bool TsuiTabSheet::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest)
        ArrangeAlignedChildren(this, rect());
    return QWidget::event(event);
}

TsuiPageControl::TsuiPageControl(QWidget* parent)
    : TsuiTab(parent, true)
{
}

TsuiPageControl::~TsuiPageControl()
{
    // the pages go with the control; none of them is to be taken off a control being destroyed
    for (TsuiTabSheet* page : pages_)
        disconnect(page, nullptr, this, nullptr);
}

TsuiTabSheet* TsuiPageControl::AddPage(const QString& caption)
{
    auto* page = new TsuiTabSheet(this);
    page->caption_ = caption;
    page->OnTabChanged = [this, page] { PageTabChanged(page); };
    page->OnMoveAsked = [this, page](int index) { MovePage(page, index); };
    connect(page, &QObject::destroyed, this, [this, page] { RemovePage(page); });
    SetAlign(page, TAlign::alClient);
    pages_.append(page);
    ShareColours();
    Renumber();
    LayOut();
    SetActivePage(page);
    return page;
}

void TsuiPageControl::PassLookOn()
{
    for (TsuiTabSheet* page : pages_)
        ApplyStyleToChildren(page, UIStyle(), FileTheme());
}

void TsuiPageControl::ShareColours()
{
    for (TsuiTabSheet* page : pages_) {
        page->SetColor(Color());
        page->SetBorderColor(BorderColor());
    }
}

void TsuiPageControl::Renumber()
{
    QStringList captions;
    for (int i = 0; i < pages_.size(); ++i) {
        captions.append(pages_[i]->Caption());
        Strip()->SetTabVisible(i, pages_[i]->TabVisible());
    }
    Strip()->SetTabs(captions);
}

void TsuiPageControl::SelectNextPage(bool goForward)
{
    const int count = int(pages_.size());
    const int from = int(pages_.indexOf(active_));
    for (int step = 1; step < count; ++step) {
        TsuiTabSheet* page = pages_[((from < 0 ? (goForward ? -1 : 0) : from) + (goForward ? step : count - step) + count) % count];
        if (page->TabVisible()) {
            SetActivePage(page);
            return;
        }
    }
}

void TsuiPageControl::SetActivePage(TsuiTabSheet* page)
{
    const int index = int(pages_.indexOf(page));
    if (!page || index < 0) {
        if (active_) {
            active_->setEnabled(false);
            active_->hide();
            TsuiTabSheet* previous = active_;
            active_ = nullptr;
            if (previous->OnHide)
                previous->OnHide(previous);
        }
        return;
    }
    if (Strip()->TabIndex() == index)
        Activate(page);
    else
        Strip()->SetTabIndex(index);
}

void TsuiPageControl::TabChanged(int index)
{
    if (index >= 0 && index < pages_.size())
        Activate(pages_[index]);
    TsuiTab::TabChanged(index);
}

void TsuiPageControl::Activate(TsuiTabSheet* page)
{
    // the focus on the page going, or on the tabs: it goes on to the new page
    const QWidget* focus = QApplication::focusWidget();
    const bool focusHere = focus && (focus == this || isAncestorOf(focus));
    if (active_ && active_ != page) {
        TsuiTabSheet* previous = active_;
        previous->setEnabled(false);
        previous->hide();
        if (previous->OnHide)
            previous->OnHide(previous);
    }
    active_ = page;
    page->show();
    page->setEnabled(true);
    page->raise();
    page->update();
    if (page->OnShow)
        page->OnShow(page);
    if (focusHere)
        FocusInto(page);
}

void TsuiPageControl::FocusInto(TsuiTabSheet* page)
{
    // the first control of the page that takes the focus by Tab, in the page's order; or else the
    // page itself, which a reader then reads
    for (QWidget* next = page->nextInFocusChain(); next && next != page; next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(page) && next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    page->setFocusPolicy(Qt::TabFocus);
    page->setFocus(Qt::TabFocusReason);
}

void TsuiPageControl::PageTabChanged(TsuiTabSheet* page)
{
    Renumber();
    if (page != active_ || page->TabVisible())
        return;
    // the active page lost its tab: the nearest page with a visible tab before it, else after it
    const int index = int(pages_.indexOf(page));
    for (int i = index - 1; i >= 0; --i)
        if (pages_[i]->TabVisible())
            return SetActivePage(pages_[i]);
    for (int i = index + 1; i < pages_.size(); ++i)
        if (pages_[i]->TabVisible())
            return SetActivePage(pages_[i]);
}

void TsuiPageControl::MovePage(TsuiTabSheet* page, int index)
{
    if (index < 0 || index >= pages_.size())
        return;
    pages_.move(pages_.indexOf(page), index);
    Renumber();
    SetActivePage(page);
}

void TsuiPageControl::RemovePage(TsuiTabSheet* page)
{
    const int index = int(pages_.indexOf(page));
    if (index < 0)
        return;
    if (active_ == page)
        active_ = nullptr;
    pages_.removeAt(index);
    Renumber();
    SetActivePage(index > 0 ? pages_[index - 1] : nullptr);
}
