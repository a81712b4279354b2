// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

enum class TsuiTabPosition { suiTop, suiBottom };

// The strip of a tab control: the tabs drawn from the style's tab pictures along one edge, and two
// scroll buttons while the tabs do not fit. It reports to its tab control through its events.
class TsuiTabControlTopPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    static constexpr int MaxTabs = 64;

    explicit TsuiTabControlTopPanel(QWidget* tabControl);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    const QStringList& Tabs() const { return tabs_; }
    void SetTabs(const QStringList& tabs);
    int TabIndex() const { return tabIndex_; }
    // Selects the tab. A change the user asked for is first offered to OnChanging.
    void SetTabIndex(int index, bool byUser = false);
    int LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(int margin);
    TsuiTabPosition TabPosition() const { return position_; }
    void SetTabPosition(TsuiTabPosition position);
    void SetTabVisible(int index, bool visible);
    bool TabVisible(int index) const;
    // What the tab control lends the strip: the captions' font, its border colour, its colour.
    void SetCaptionFont(const QFont& font);
    void SetBorderColor(TColor color);
    void SetColor(TColor color);

    // The width of each tab as last drawn (0 hidden, -1 no tab), the first tab shown after
    // scrolling, and whether the scroll buttons show.
    int TabWidth(int index) const;
    int FirstShownTab() const { return firstShown_; }
    bool ScrollButtonsShown() const { return buttonsShown_; }
    QRect ScrollButtonRect(bool right) const;

    std::function<void(int index, bool& allowChange)> OnChanging;
    std::function<void(int index)> OnTabChanged;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ApplyLook(const SkinLook& look);
    // Draws the tabs and returns the last tab drawn in full.
    int DrawTabs(QPainter& canvas);
    void DrawScrollButtons(QPainter& canvas);
    void RepaintKeepingActiveShown();
    int VisibleTabCount() const;

    SkinBinding skin_;
    QStringList tabs_{QStringLiteral("Tab1")};
    int tabIndex_ = 0;
    int leftMargin_ = 10;
    TsuiTabPosition position_ = TsuiTabPosition::suiTop;
    QFont captionFont_;
    TColor borderColor_ = clBlack;
    TColor color_ = clBtnFace;
    QImage activeTab_, inactiveTab_, bar_, scrollButtons_;
    QSize buttonSize_;
    int firstShown_ = 0;
    int hoveredButton_ = 0;  // 1 right, -1 left
    bool buttonsShown_ = false;
    bool keepActiveShown_ = false;
    std::array<int, MaxTabs> widths_;
    std::array<bool, MaxTabs> visible_;
};

// The strip of a page control, which starts without tabs: its pages give it theirs.
class TsuiPageControlTopPanel : public TsuiTabControlTopPanel {
    Q_OBJECT
public:
    explicit TsuiPageControlTopPanel(QWidget* pageControl);
};

// A skinned tab control: the strip of tabs along its top or bottom edge above a bordered content
// area in which its children are laid out.
class TsuiTab : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiTab(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    int LeftMargin() const { return strip_->LeftMargin(); }
    void SetLeftMargin(int margin) { strip_->SetLeftMargin(margin); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    QFont Font() const { return captionFont_; }
    void SetFont(const QFont& font);
    TsuiTabPosition TabPosition() const { return strip_->TabPosition(); }
    void SetTabPosition(TsuiTabPosition position);
    int TabIndex() const { return strip_->TabIndex(); }
    void SetTabIndex(int index) { strip_->SetTabIndex(index); }

    TsuiTabControlTopPanel* Strip() const { return strip_; }
    // The area the children are laid out in.
    QRect ContentArea() const;

    std::function<void(QObject* sender, int index)> OnTabActive;
    std::function<void(QObject* sender)> OnChange;
    std::function<void(QObject* sender, bool& allowChange)> OnChanging;
    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender)> OnDblClick;

protected:
    // A page control's strip starts without tabs.
    TsuiTab(QWidget* parent, bool pageControl);
    // The strip selected a tab.
    virtual void TabChanged(int index);
    // The look given to the children, and the colours shared with them.
    virtual void PassLookOn();
    virtual void ShareColours() {}
    void LayOut();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ApplyLook(const SkinLook& look);

    SkinBinding skin_;
    TsuiTabControlTopPanel* strip_;
    TColor borderColor_ = clBlack;
    TColor color_ = clBtnFace;
    QFont captionFont_;
};
