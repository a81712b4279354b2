// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "ScrollBar.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QScrollBar;
class TRichEdit;

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line text box with the skinned one-pixel border. It can be given two skinned scroll bars
// standing on its parent, which it places over its own edges and keeps in step with its scrolling
// both ways.
class TsuiMemo : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiMemo(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme);
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const;
    void SetWordWrap(bool wrap);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle bars);

    TsuiScrollBar* VScrollBar() const { return vBar_; }
    void SetVScrollBar(TsuiScrollBar* bar);
    TsuiScrollBar* HScrollBar() const { return hBar_; }
    void SetHScrollBar(TsuiScrollBar* bar);

    TRichEdit* Editor() const { return edit_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyLook(const SkinLook& look);
    void Attach(QPointer<TsuiScrollBar>& slot, TsuiScrollBar* bar, bool vertical);
    void MatchNativeBars();
    void PlaceBars();
    void Synchronise();
    void SynchroniseBar(TsuiScrollBar* bar, QScrollBar* native, bool vertical);
    void ScrollFromBar(bool vertical);

    SkinBinding skin_;
    TRichEdit* edit_;
    TColor borderColor_ = clBlack;
    TColor color_ = clWindow;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TScrollStyle scrollBars_ = TScrollStyle::ssNone;
    QPointer<TsuiScrollBar> vBar_, hBar_;
    bool synchronising_ = false;
    bool scrollingFromBar_ = false;
};
