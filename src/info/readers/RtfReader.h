// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>

class QTextDocument;

// A run of text in one character format.
struct RtfRun {
    QString Text;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    enum class Script { Normal, Sub, Super } Position = Script::Normal;  // "\sub", "\super"
    int HalfPoints = 0;   // the size in half points; 0 keeps the box's own size
    QColor Color;         // invalid keeps the box's own colour
    QString Family;       // empty keeps the box's own face
};

struct RtfParagraph {
    Qt::Alignment Alignment = Qt::AlignLeft;
    QList<RtfRun> Runs;
};

// Reads the text of an RTF file: groups and control words, "\'hh" escapes in the code page of their
// font's charset or else of the document ("\ansicpg"; Windows-1250 when it names none or one not
// known, CodePages.h), "\u" with its fallback characters skipped (control characters dropped but
// for tabs and line breaks), bold, italic, underline, subscript and superscript (the digits of
// chemical formulas), font sizes, the faces and colours of the font and colour tables, paragraphs,
// line breaks, alignment and tabs, table cells a tab apart and rows on lines of their own, the
// results of fields (a link's text). Hidden text ("\v"), binary data ("\binN") and destinations
// that hold no text of their own (fonts, colours, styles, document information, pictures, headers,
// field instructions, anything marked "\*") are skipped. Any input is read to its end without failing: a brace or an
// escape that does not close, or groups nested deeper than the reader keeps, lose only their own
// formatting.
QList<RtfParagraph> ParseRtf(const QByteArray& rtf);

// Whether the file is RTF: it begins with "{\rtf".
bool IsRtf(const QByteArray& bytes);

// Puts a description file into the rich-text box's document: RTF as formatted text, any other file
// as plain Windows-1250 text. A paragraph of thousands of characters is taken in pieces, each a
// paragraph of its own; of a text of more than a million characters the first million is taken,
// below the note that says so.
void LoadDescription(QTextDocument& document, const QByteArray& bytes);
inline constexpr char ShortenedDescriptionNote[] = "Opis skrócony: plik jest zbyt duży.";
