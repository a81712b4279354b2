#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QTextDocument;

// Text as the windows draw it. A pixel face, one without a bold face of its own (the free
// "MS Sans Serif" has only its pixel strikes), is laid out glyph by glyph so that letters never
// touch: bold is emboldened the classic way, every glyph struck twice, the second time one pixel to
// the right, with an advance one pixel wider, so a bold text is as many pixels wider as it has
// characters; and a glyph whose ink starts at its origin ("ł", "j") keeps a blank column from the
// letter before it. Every text of the windows is measured and drawn through these functions, so
// sizes and drawing agree.
void DrawText(QPainter& canvas, const QRect& rect, int flags, const QString& text);
void DrawText(QPainter& canvas, const QPoint& baseline, const QString& text);

// The size the text takes in the font, with the emboldening.
QSize TextSize(const QFont& font, const QString& text, int flags = 0);
int TextWidth(const QFont& font, const QString& text);
// The height of a line of text in the font.
int LineHeight(const QFont& font);
// Where the text lands when drawn into the rectangle with the flags.
QRect TextBounds(const QFont& font, const QRect& rect, int flags, const QString& text);

bool IsPixelFace(const QFont& font);

// The same rule for text a rich-text box lays out itself: in the pixel face, the character before a
// glyph whose ink starts at its origin gets one more pixel of advance.
void KeepLettersApart(QTextDocument& document);
