// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Solubility.h"

#include <QWidget>

// The activity series drawn as a scale: one line per metal from the most active, its symbol, its
// half-reaction and its standard potential, with a bar from zero (hydrogen's line) to the potential:
// to the left for the metals that displace hydrogen from acids, to the right for those that do not.
// Up, Down, Home and End move a cursor along it, each step read ("Zn: −0,7618 V, wypiera wodór z
// kwasów").
class ActivitySeriesView : public QWidget {
    Q_OBJECT
public:
    explicit ActivitySeriesView(QWidget* parent = nullptr);

    static constexpr int LineHeight = 15;

    void SetSeries(const std::vector<ActivityEntry>* series);
    int Current() const { return current_; }
    void MoveTo(int index);
    QSize sizeHint() const override;

    static QString EntryWords(const ActivityEntry& entry);
    // The rule in words, with the metals on either side of hydrogen named.
    static QString HydrogenRule(const std::vector<ActivityEntry>& series);
    // "−0,7618 V"
    static QString PotentialShown(const QString& written);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Paint(QPainter& painter);

    const std::vector<ActivityEntry>* series_ = nullptr;
    int current_ = 0;
};
