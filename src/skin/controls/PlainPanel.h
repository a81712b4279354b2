// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"

#include <QWidget>

#include <functional>

// A plain panel: a background colour, a bevel and an optional centred caption. The element tiles
// (double bevel, bold symbol) and the legend's colour swatches are such panels.
class TPlainPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    TPlainPanel(QWidget* parent, Bevel outer, Bevel inner);

    TColor Color() const { return color_; }
    // Changes only the background: caption, font and bevels stay.
    void SetColor(TColor color);
    // The caption's colour, the window text's unless set.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    // While veiled the panel is drawn in the button face's colour with the window text, whatever its
    // colours; they are kept, and show again once the veil is lifted.
    bool Veiled() const { return veiled_; }
    void SetVeiled(bool veiled);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    std::function<void(TPlainPanel* sender)> OnClick;
    // What a reader is told of the panel beside its name, asked each time it reads the panel (an
    // element's tile: what its colour says now).
    std::function<QString()> Describe;

protected:
    void paintEvent(QPaintEvent* event) override;
    // with the focus, a dotted rectangle inside the bevels
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Bevel outer_, inner_;
    TColor color_ = clBtnFace;
    TColor fontColor_ = clWindowText;
    QString caption_;
    bool pressed_ = false;
    bool veiled_ = false;
};
