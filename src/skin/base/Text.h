#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Text as the windows draw it. A bold font whose family has no bold face of its own (the free
// "MS Sans Serif" has only one) is emboldened the classic way: every glyph is struck twice, the
// second time one pixel to the right, and its advance is one pixel wider, so letters never touch
// and a bold text is as many pixels wider as it has characters. Every text of the windows is
// measured and drawn through these functions, so sizes and drawing agree.
void DrawText(QPainter& canvas, const QRect& rect, int flags, const QString& text);
void DrawText(QPainter& canvas, const QPoint& baseline, const QString& text);

// The size the text takes in the font, with the emboldening.
QSize TextSize(const QFont& font, const QString& text, int flags = 0);
int TextWidth(const QFont& font, const QString& text);
// Where the text lands when drawn into the rectangle with the flags.
QRect TextBounds(const QFont& font, const QRect& rect, int flags, const QString& text);

bool NeedsSyntheticBold(const QFont& font);
