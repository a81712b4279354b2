// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementProperties.h"

#include <QString>
#include <QWidget>

#include <vector>

class TLabel;

// A bold value whose parts after '^' up to the next blank or '/' are set as superscripts, smaller
// and raised: "[Ne] 3s^1", "g/cm^3".
class TSuperscriptLabel : public QWidget {
public:
    explicit TSuperscriptLabel(QWidget* parent);
    void SetText(const QString& marked);
    QString Text() const { return marked_; }  // as given, with its marks
    // Places the label so that its line of text starts at the point, as a label's would: the label
    // reaches above it by the room its raised parts need.
    void MoveTextTo(QPoint topOfLine);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The pixels the raised parts' ink reaches above the top of the line.
    static int Headroom();

    struct Run {
        QString Text;
        bool Raised;
    };
    std::vector<Run> runs_;
    QString marked_;
};

// The page "Więcej informacji": a column of captions and one of values, laid out as the page of
// basic data.
class PropertiesPage {
public:
    explicit PropertiesPage(QWidget* page);

    // The element's figures, with the user's decimal separator; kind in the colourings' words.
    void Fill(const ElementProperties& element, const QString& kind);

    // The value of each row, top to bottom, as shown (superscripts marked with '^').
    QStringList Values() const;
    // The caption of each row, top to bottom.
    static QStringList Captions();

private:
    std::vector<TSuperscriptLabel*> values_;
};
