// SPDX-License-Identifier: GPL-3.0-or-later
#include "RichEdit.h"

#include "Drawing.h"
#include "Text.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QPointer>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The mark a paragraph carries once the rules are applied to it; a paragraph new or changed has
// none.
constexpr int Ruled = 1;

} // namespace

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { RuleParagraphsInSight(); });
}

void TRichEdit::ApplyTextRules()
{
    RuleParagraphsInSight();
}

void TRichEdit::ShowContent(const std::function<void(QTextDocument&)>& fill)
{
    QTextDocument* old = document();
    auto* fresh = new QTextDocument(this);
    fresh->setDefaultFont(old->defaultFont());
    fresh->setDefaultTextOption(old->defaultTextOption());
    fresh->setDocumentMargin(old->documentMargin());
    fresh->setUndoRedoEnabled(old->isUndoRedoEnabled() && !isReadOnly());
    fill(*fresh);
    const QPointer<QTextDocument> previous(old);
    setDocument(fresh);
    if (previous && previous->parent() == this)
        delete previous;
    ApplyTextRules();
}

void TRichEdit::resizeEvent(QResizeEvent* event)
{
    QTextEdit::resizeEvent(event);
    RuleParagraphsInSight();
}

// From the first paragraph in sight down to a screenful below the last, in one edit; the layout
// that follows moves the scroll bar, which asks again.
void TRichEdit::RuleParagraphsInSight()
{
    if (ruling_)
        return;
    ruling_ = true;
    const QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const int top = verticalScrollBar()->value(), bottom = top + 2 * viewport()->height();
    QTextCursor edit(document());
    bool editing = false;
    // (a document not laid out yet answers the hit test with no position: its start)
    for (QTextBlock block = document()->findBlock(std::max(0, layout->hitTest(QPointF(0, top), Qt::FuzzyHit)));
         block.isValid() && layout->blockBoundingRect(block).top() <= bottom; block = block.next()) {
        if (block.userState() == Ruled)
            continue;
        if (!editing)
            edit.beginEditBlock();
        editing = true;
        ::ApplyTextRules(block);
        block.setUserState(Ruled);
    }
    if (editing)
        edit.endEditBlock();
    ruling_ = false;
}

void TRichEdit::paintEvent(QPaintEvent* event)
{
    if (viewport()->devicePixelRatio() > 1.0) {
        // drawn as at 100 % and magnified, each pixel a block of the device's: the box lays out and
        // hints its text at the size of its points then, so its lines break as at 100 % and its
        // letters keep their shapes
        const QRect area = event->rect();
        QPainter canvas(viewport());
        PaintAtOneToOne(canvas, area, [&](QPainter& atOneToOne) {
            atOneToOne.fillRect(area, viewport()->palette().color(viewport()->backgroundRole()));
            const QPoint scrolled(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
            atOneToOne.translate(scrolled);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(area.translated(-scrolled));
            context.palette = palette();
            if (textCursor().hasSelection()) {
                QAbstractTextDocumentLayout::Selection selection;
                selection.cursor = textCursor();
                selection.format.setBackground(palette().brush(QPalette::Highlight));
                selection.format.setForeground(palette().brush(QPalette::HighlightedText));
                context.selections.append(selection);
            }
            document()->documentLayout()->draw(&atOneToOne, context);
            atOneToOne.translate(-scrolled);
            StrikeBoldAgain(atOneToOne, area);
        });
        return;
    }
    QTextEdit::paintEvent(event);
    QPainter canvas(viewport());
    canvas.setClipRegion(event->region());
    StrikeBoldAgain(canvas, event->rect());
}

// The second strike of the bold text in the area, in the colour the box drew it in: its own, or the
// highlighted text's where it is selected. Only the lines in sight are looked at: a long text has
// many, and a paragraph of many formatting runs many runs to a line.
void TRichEdit::StrikeBoldAgain(QPainter& canvas, const QRect& area)
{
    const QPointF scrolled(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    const QTextCursor selection = textCursor();
    const int selectedFrom = selection.selectionStart(), selectedTo = selection.selectionEnd();
    const QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->findBlock(layout->hitTest(area.topLeft() - scrolled, Qt::FuzzyHit));
         block.isValid() && layout->blockBoundingRect(block).translated(scrolled).top() <= area.bottom(); block = block.next()) {
        const QTextLayout* lines = block.layout();
        const QPointF origin = lines->position() + scrolled;
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const QRectF bounds = line.rect().translated(origin);
            if (bounds.bottom() < area.top())
                continue;
            if (bounds.top() > area.bottom())
                break;
            StrikeLineAgain(canvas, block, line, origin + QPointF(1, 0), selectedFrom, selectedTo);
        }
    }
}

void TRichEdit::StrikeLineAgain(QPainter& canvas, const QTextBlock& block, const QTextLine& line, QPointF origin,
                                int selectedFrom, int selectedTo)
{
    const int lineFrom = block.position() + line.textStart(), lineTo = lineFrom + line.textLength();
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int from = std::max(fragment.position(), lineFrom), to = std::min(fragment.position() + fragment.length(), lineTo);
        if (fragment.position() >= lineTo)
            break;
        if (to <= from || !fragment.charFormat().boolProperty(StruckTwiceProperty))
            continue;
        const QTextCharFormat format = fragment.charFormat();
        const QColor own = format.foreground().style() == Qt::NoBrush ? palette().color(QPalette::Text) : format.foreground().color();
        // the part of the fragment on the line in up to three: before, in and after the selection
        const int cuts[] = {from, std::clamp(selectedFrom, from, to), std::clamp(selectedTo, from, to), to};
        for (int part = 0; part < 3; ++part) {
            if (cuts[part + 1] <= cuts[part])
                continue;
            canvas.setPen(part == 1 ? palette().color(QPalette::HighlightedText) : own);
            for (const QGlyphRun& run : line.glyphRuns(cuts[part] - block.position(), cuts[part + 1] - cuts[part]))
                canvas.drawGlyphRun(origin, run);
        }
    }
}
