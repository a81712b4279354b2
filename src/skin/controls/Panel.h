// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>

class TsuiPanel;

// A caption panel as the program's windows place them: named, at its place, with its caption in
// white over the style's bar, the fold button shown, a black border and a white surface.
TsuiPanel* NewCaptionPanel(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption);

// A container with a skinned caption bar whose button folds the panel up to its bar and unfolds it
// again, with a short animation.
class TsuiPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    static inline const char* const CannotPushMessage = "Can't push when Align is alClient, alLeft or alRight.";
    static constexpr int AnimationStep = 15;

    explicit TsuiPanel(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TColor CaptionFontColor() const { return captionFontColor_; }
    void SetCaptionFontColor(TColor color);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ShowButton() const { return showButton_; }
    void SetShowButton(bool show);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    // The unfolded height: the visible height follows it only while the panel is unfolded.
    int Height() const { return expandedHeight_; }
    void SetHeight(int height);

    bool Expanded() const { return expanded_; }
    bool Animating() const { return animating_; }
    bool ButtonHot() const { return buttonHot_; }
    int BarHeight() const { return bar_.height(); }

    // Fold to the caption bar and unfold, stepping 15 pixels and letting other events run between
    // steps. Folding raises an error for a panel aligned left, right or to the whole client area.
    void Push();
    void Pop();

    // The area the aligned children are laid out in.
    QRect ChildArea() const;

    std::function<void(QObject* sender)> OnPush;
    std::function<void(QObject* sender)> OnPop;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void PaintPanel(QPainter& canvas, int width, int barHeight);
    void ApplyLook(const SkinLook& look, LookChange change);
    QRect ButtonRect() const;
    bool ButtonShown() const;
    void UpdateHot(QPoint cursor);
    void StepTo(int height);

    SkinBinding skin_;
    QImage bar_;
    QImage button_;
    TColor borderColor_ = clBlack;
    TColor captionFontColor_ = clWhite;
    TColor color_ = clWhite;
    bool showButton_ = true;
    QString caption_;
    int expandedHeight_ = 100;
    bool expanded_ = true;
    bool animating_ = false;
    bool buttonHot_ = false;
    std::optional<QPoint> mouse_;  // where the mouse was last seen over the panel
};
