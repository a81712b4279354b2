// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

// A text label on its parent's surface: transparent, sizing itself to its text unless told otherwise.
// One line, or, with word wrap, lines broken within its width, which then stays and only the height
// follows the text. A label made a tab stop takes the focus (a reader then reads it) and draws a
// dotted frame round its text while it has it, the frame in a margin of its own round the text, so
// that it never touches a letter: such a label is placed by where its text starts.
class TLabel : public QWidget {
    Q_OBJECT
public:
    explicit TLabel(const QString& caption, QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    // A live label (feedback, a problem, a result): a notification, which a reader announces with each
    // new text as it comes, wherever the focus is; it hides while it has no text, so that showing
    // empty it says nothing.
    bool Live() const { return live_; }
    void SetLive(bool live);
    // Sizes the label to its text.
    void FitToText();
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool tabStop);
    // Places the label so that its text starts at the point (a tab stop's reaches round it by its
    // focus frame's margin).
    void MoveTextTo(QPoint at);
    // A word-wrapped label's text in the rectangle.
    void SetTextGeometry(const QRect& text);
    static constexpr int FocusMargin = 2;
    // Makes the label the field's label for a reader, who reads the field under its caption: the
    // platform knows a field's label only from its own label widgets, so a hidden one of those
    // stands in, following the caption.
    void TieTo(QWidget* field);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Flags() const;
    int Margin() const { return TabStop() ? FocusMargin : 0; }

    QString caption_;
    bool autoSize_ = true;
    bool wordWrap_ = false;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TColor fontColor_ = clWindowText;
    bool live_ = false;
    QPointer<QLabel> tie_;
};
