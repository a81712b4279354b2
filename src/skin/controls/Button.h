// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QTimer;

// The modal result a click leaves on its window (a dialog closes with any result but 0).
void SetModalResult(QWidget* window, int result);
int ModalResultOf(const QWidget* window);

// What the skinned push buttons share: three looks (normal, mouse over, pressed), a caption,
// keyboard activation, default and cancel behaviour, a modal result, and a repeat event while the
// left mouse button is held on the button.
class TsuiCustomButton : public QWidget {
    Q_OBJECT
public:
    explicit TsuiCustomButton(QWidget* parent = nullptr);
    ~TsuiCustomButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    int FocusedRectMargin() const { return focusedRectMargin_; }
    void SetFocusedRectMargin(int margin);
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int interval) { repeatInterval_ = interval; }
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    bool IsDefaultNow() const { return isDefaultNow_; }
    bool Repeating() const { return repeatTimer_ != nullptr; }

    // Releases a held button, leaves the modal result on the window and raises OnClick.
    void Click();

    std::function<void(QObject* sender)> OnClick;
    std::function<void(QObject* sender)> OnMouseEnter;
    std::function<void(QObject* sender)> OnMouseExit;
    std::function<void(QObject* sender)> OnMouseContinuouslyDown;
    std::function<void(QObject* sender, Qt::MouseButton button, QPoint point)> OnMouseDown;
    std::function<void(QObject* sender, Qt::MouseButton button, QPoint point)> OnMouseUp;

protected:
    // The state frame for the current state; the base class has none.
    virtual QImage StateFrame() const { return QImage(); }
    // Draws the state picture; the base draws the frame unscaled at the origin.
    virtual void DrawState(QPainter& canvas);
    // Draws the caption (or, for arrow buttons, the arrow).
    virtual void DrawCaption(QPainter& canvas);
    virtual void DrawFocus(QPainter& canvas);

    void DrawCenteredCaption(QPainter& canvas, bool bold);
    bool Focused() const;

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

    bool boldOnce_ = false;

private:
    void StopRepeating();
    void UpdateDefaultState(QWidget* focused);
    void InstallDialogKeys();

    QString caption_;
    bool transparent_ = false;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    int focusedRectMargin_ = 2;
    int repeatInterval_ = 100;
    TColor color_ = clBtnFace;
    bool hot_ = false;
    bool pressed_ = false;
    bool isDefaultNow_ = false;
    QTimer* repeatTimer_ = nullptr;
    QMetaObject::Connection focusWatch_;  // cut as the button goes: its own destruction moves the focus
};

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The ordinary skinned button, its frame spread over the whole button, with an optional glyph.
class TsuiButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiButton(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    const QImage& Glyph() const { return glyph_; }
    void SetGlyph(const QImage& glyph);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

    // Where the glyph and the caption start, by the layout rules.
    QPoint GlyphPosition() const;
    QPoint TextPosition() const;

protected:
    QImage StateFrame() const override;
    void DrawState(QPainter& canvas) override;
    void DrawCaption(QPainter& canvas) override;
    void DrawFocus(QPainter& canvas) override;

private:
    void ApplyLook(const SkinLook& look);
    void FitSize();
    QSize GlyphSize() const;

    SkinBinding skin_;
    QImage strip_;
    bool autoSize_ = false;
    QImage glyph_;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int spacing_ = 4;
};

enum class TsuiArrowButtonType { suiUp, suiDown };

// A small button with a black triangle; the spin edit uses two.
class TsuiArrowButton : public TsuiButton {
    Q_OBJECT
public:
    explicit TsuiArrowButton(QWidget* parent = nullptr);

    TsuiArrowButtonType Arrow() const { return arrow_; }
    void SetArrow(TsuiArrowButtonType arrow);

protected:
    void DrawCaption(QPainter& canvas) override;
    void DrawFocus(QPainter& canvas) override;

private:
    TsuiArrowButtonType arrow_ = TsuiArrowButtonType::suiUp;
};

// A button showing one of four pictures of its own, by its state.
class TsuiImageButton : public TsuiCustomButton {
    Q_OBJECT
public:
    explicit TsuiImageButton(QWidget* parent = nullptr);

    QImage PicNormal, PicMouseOn, PicMouseDown, PicDisabled;
    void SetPictures(const QImage& normal, const QImage& mouseOn, const QImage& mouseDown, const QImage& disabled);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool DrawFocused() const { return drawFocused_; }
    void SetDrawFocused(bool draw);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void DrawState(QPainter& canvas) override;
    void DrawFocus(QPainter& canvas) override;

private:
    bool stretch_ = false;
    bool drawFocused_ = false;
    bool autoSize_ = false;
};
