// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Tabs.h"

#include <QList>
#include <QPointer>

class TsuiPageControl;

// One page of a page control: a panel filling the content area, whose tab shows its caption.
class TsuiTabSheet : public QWidget {
    Q_OBJECT
public:
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool visible);
    int PageIndex() const;
    // Moves the page to the index (from 0 to the page count less one; other values do nothing).
    void SetPageIndex(int index);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TsuiPageControl* PageControl() const { return pageControl_; }

    std::function<void(QObject* sender)> OnShow;
    std::function<void(QObject* sender)> OnHide;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    friend class TsuiPageControl;
    explicit TsuiTabSheet(TsuiPageControl* pageControl);

    // What the page reports to its page control.
    std::function<void()> OnTabChanged;
    std::function<void(int index)> OnMoveAsked;

    QPointer<TsuiPageControl> pageControl_;
    QString caption_;
    bool tabVisible_ = true;
    TColor color_ = clBtnFace;
    TColor borderColor_ = clBlack;
};

// A tab control whose tabs are its pages: selecting a tab shows its page.
class TsuiPageControl : public TsuiTab {
    Q_OBJECT
public:
    explicit TsuiPageControl(QWidget* parent = nullptr);
    ~TsuiPageControl() override;

    // A new page at the end, with its tab; it becomes the active page.
    TsuiTabSheet* AddPage(const QString& caption);
    const QList<TsuiTabSheet*>& Pages() const { return pages_; }
    int PageCount() const { return int(pages_.size()); }
    TsuiTabSheet* ActivePage() const { return active_; }
    void SetActivePage(TsuiTabSheet* page);
    // The next page whose tab shows, after the active one or before it, round from the last to the
    // first; nothing when no other tab shows.
    void SelectNextPage(bool goForward);

protected:
    void TabChanged(int index) override;
    void PassLookOn() override;
    void ShareColours() override;

private:
    void Renumber();
    void PageTabChanged(TsuiTabSheet* page);
    void MovePage(TsuiTabSheet* page, int index);
    void RemovePage(TsuiTabSheet* page);
    void Activate(TsuiTabSheet* page);
    void FocusInto(TsuiTabSheet* page);

    QList<TsuiTabSheet*> pages_;
    TsuiTabSheet* active_ = nullptr;  // one of the pages, or none
};
