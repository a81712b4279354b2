// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QTextFormat>

class QPainter;
class QTextBlock;

// Text as the windows draw it, laid out glyph by glyph so that letters never touch: bold is
// emboldened the classic way, every regular glyph struck twice, the second time one pixel to the
// right, with an advance one pixel wider, so a bold text is as many pixels wider as it has
// characters (a pixel face, one without a bold face of its own as the free "MS Sans Serif", has no
// other bold; Tahoma's own bold loses strokes of "ń", "ć", "ł" at these sizes); and a glyph whose ink
// would meet the letter before it gets a blank column. Every text of the windows is measured and
// drawn through these functions, so sizes and drawing agree.
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

// The same rules for a paragraph a rich-text box lays out itself, in every face: a character whose
// ink would meet the next one's gets the pixels of advance that keep a blank column between them,
// and the lines of the paragraph the rows between them that keep a blank row between the lowest ink
// of one and the highest of the next;
// bold text is set in the regular weight, a pixel wider per character and marked
// StruckTwiceProperty, for the box to strike it a second time one pixel to the right (TRichEdit
// does). Many paragraphs are best changed in one edit (QTextCursor::beginEditBlock): a box lays its
// document out again after every change otherwise.
void ApplyTextRules(const QTextBlock& block);
inline constexpr int StruckTwiceProperty = QTextFormat::UserProperty + 1;
