#include "RichEdit.h"

#include "Text.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent) {}

void TRichEdit::ApplyTextRules()
{
    ::ApplyTextRules(*document());
}

void TRichEdit::paintEvent(QPaintEvent* event)
{
    QTextEdit::paintEvent(event);
    QPainter canvas(viewport());
    canvas.setClipRegion(event->region());
    StrikeBoldAgain(canvas, event->rect());
}

// The second strike of the bold text in the area, in the colour the box drew it in: its own, or the
// highlighted text's where it is selected.
void TRichEdit::StrikeBoldAgain(QPainter& canvas, const QRect& area)
{
    const QPointF scrolled(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QTextCursor selection = textCursor();
    const int selectedFrom = selection.selectionStart(), selectedTo = selection.selectionEnd();
    const QAbstractTextDocumentLayout* layout = document()->documentLayout();
    // only the blocks in sight: a long text has many
    QTextBlock block = document()->findBlock(layout->hitTest(area.topLeft() - scrolled, Qt::FuzzyHit));
    for (; block.isValid(); block = block.next()) {
        const QRectF bounds = layout->blockBoundingRect(block).translated(scrolled);
        if (bounds.top() > area.bottom())
            break;
        const QPointF origin = block.layout()->position() + scrolled + QPointF(1, 0);
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.boolProperty(StruckTwiceProperty))
                continue;
            const QColor own = format.foreground().style() == Qt::NoBrush ? palette().color(QPalette::Text)
                                                                            : format.foreground().color();
            // the fragment in up to three parts: before, in and after the selection
            const int from = fragment.position(), to = from + fragment.length();
            const int cuts[] = {from, std::clamp(selectedFrom, from, to), std::clamp(selectedTo, from, to), to};
            for (int part = 0; part < 3; ++part) {
                if (cuts[part + 1] <= cuts[part])
                    continue;
                canvas.setPen(part == 1 ? palette().color(QPalette::HighlightedText) : own);
                for (const QGlyphRun& run : block.layout()->glyphRuns(cuts[part] - block.position(), cuts[part + 1] - cuts[part]))
                    canvas.drawGlyphRun(origin, run);
            }
        }
    }
}
