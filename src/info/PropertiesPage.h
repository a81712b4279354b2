// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementProperties.h"

#include "Label.h"

#include <QString>

#include <vector>

// A bold value whose parts after '^' up to the next blank or '/' are set as superscripts, smaller
// and raised: "[Ne] 3s^1", "g/cm^3". A row of its page: it takes the focus (Tab, or Up and Down
// from the row beside), drawn as a dotted frame, and a reader reads it with its caption and its
// raised digits as plain ones: "Konfiguracja elektronowa: [Ne] 3s1".
class TSuperscriptLabel : public TLabel {
public:
    explicit TSuperscriptLabel(QWidget* parent);
    // The value, and the caption a reader says before it.
    void SetText(const QString& marked, const QString& caption);
    QString Text() const { return marked_; }  // as given, with its marks
    // Places the label so that its line of text starts at the point, as a label's would: the label
    // reaches above it by the room its raised parts need, and around it by its focus frame's.
    void MoveTextTo(QPoint topOfLine);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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

    // The element's figures, with the user's decimal separator; kind in the colourings' words; the
    // half-life of the longest-lived isotope after a bracketed mass number, where one is given.
    void Fill(const ElementProperties& element, const QString& kind, const QString& halfLife = QString());
    // Where the widest value ends on the page, and the room the page keeps after it.
    int Right() const;
    static constexpr int Margin = 8;

    // The value of each row, top to bottom, as shown (superscripts marked with '^').
    QStringList Values() const;
    // The caption of each row, top to bottom.
    static QStringList Captions();

private:
    std::vector<TSuperscriptLabel*> values_;
};
