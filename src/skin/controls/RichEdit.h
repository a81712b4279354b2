#pragma once

#include <QTextEdit>

// A rich-text box whose text follows the windows' text rules (Text.h): once its document is filled,
// ApplyTextRules keeps its letters apart and sets its bold text in the regular weight, which the
// box then strikes a second time one pixel to the right.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    void ApplyTextRules();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StrikeBoldAgain(QPainter& canvas, const QRect& area);
};
