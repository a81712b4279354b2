#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Text as the windows draw it. A bold font whose family has no bold face of its own (the free
// "MS Sans Serif" has only one) is emboldened the classic way: the text is struck twice, the
// second time one pixel to the right.
void DrawText(QPainter& canvas, const QRect& rect, int flags, const QString& text);
void DrawText(QPainter& canvas, const QPoint& baseline, const QString& text);

// The size the text takes in the font, the extra pixel of an emboldened font included.
QSize TextSize(const QFont& font, const QString& text, int flags = 0);
int TextWidth(const QFont& font, const QString& text);

bool NeedsSyntheticBold(const QFont& font);
