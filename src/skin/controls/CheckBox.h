// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "ParentColor.h"
#include "SkinBinding.h"
#include "ThemeFile.h"
#include "UIStyle.h"

#include <QWidget>

#include <array>
#include <functional>

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// A two-state check box drawn from the style's check-box strip. OnClick fires on every change of
// Checked, made by the user or by the program, and never when the state stays.
class TsuiCheckBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
public:
    explicit TsuiCheckBox(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return skin_.Style(); }
    void SetUIStyle(TsuiUIStyle style) { skin_.SetStyle(style); }
    TsuiFileTheme* FileTheme() const { return skin_.FileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { skin_.SetFileTheme(theme); }

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TCheckBoxState State() const { return checked_ ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked; }
    // Only cbChecked checks; cbGrayed is not kept and unchecks.
    void SetState(TCheckBoxState state) { SetChecked(state == TCheckBoxState::cbChecked); }
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);
    TColor Color() const { return color_.Of(this); }
    // A colour of its own: the box no longer takes its parent's.
    void SetColor(TColor color);
    bool ParentColor() const { return color_.ParentColor(); }
    void SetParentColor(bool parentColor);

    // A click: the state turns over.
    void Toggle() { SetChecked(!checked_); }

    std::function<void(QObject* sender)> OnClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    // The frame of the current state: checked or not, enabled or not.
    const QImage& Frame() const;
    void LoadFrames(const SkinLook& look);
    void FitSize();

    SkinBinding skin_;
    std::array<QImage, 4> frames_;  // checked, unchecked, checked disabled, unchecked disabled
    bool checked_ = false;
    QString caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    ControlColor color_{clBtnFace};
    bool pressed_ = false;
};
