// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

#include <functional>

class QTextBlock;
class QTextLine;

// A rich-text box whose text follows the windows' text rules (Text.h): once its document is filled,
// ApplyTextRules keeps its letters apart and sets its bold text in the regular weight, which the
// box then strikes a second time one pixel to the right. The rules are applied to the paragraphs in
// sight and a screenful around them, and to others as they come into sight: a long text is shown at
// once instead of after a pass over all of it.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    void ApplyTextRules();
    // Shows a new text, filled into a document of its own and shown from its start with the text
    // rules: filled in place, the box would lay the text out as it goes in and, moving its cursor
    // back to the start, lay all of it out to repaint where the cursor stood in it.
    void ShowContent(const std::function<void(QTextDocument&)>& fill);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RuleParagraphsInSight();
    void StrikeBoldAgain(QPainter& canvas, const QRect& area);
    void StrikeLineAgain(QPainter& canvas, const QTextBlock& block, const QTextLine& line, QPointF origin,
                         int selectedFrom, int selectedTo);

    bool ruling_ = false;
};
