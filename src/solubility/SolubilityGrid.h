// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Solubility.h"

#include <QSet>
#include <QWidget>

#include <functional>

// The solubility table on the screen: cations down, anions across, each cell's letter in its colour
// (R green, T brown, N red, "—" grey), the cell with the cursor framed, the letters explained in a
// line below. The arrows, Home and End
// move the cursor, a click or the pointer resting on a cell shows it; a filter leaves the rows and
// columns of the ions it names in full colour and greys the rest. A reader hears each cell as the
// cursor reaches it ("AgCl: N — substancja praktycznie nierozpuszczalna"), its details as the
// description.
class SolubilityGrid : public QWidget {
    Q_OBJECT
public:
    explicit SolubilityGrid(QWidget* parent = nullptr);

    static constexpr int HeaderWidth = 50, HeaderHeight = 22, CellWidth = 44, CellHeight = 16, LegendHeight = 20;

    void SetData(const SolubilityData* table);
    void SetFilter(const QString& text);
    // The row and column of the cursor.
    int Row() const { return row_; }
    int Column() const { return column_; }
    void MoveTo(int row, int column);
    const SolubilityCell* Current() const;
    // The cell shown (the cursor's, or the one under the pointer): its details, and when it changes.
    std::function<void(const SolubilityCell* cell)> OnShowCell;

    QSize sizeHint() const override;

    // "AgCl: N — substancja praktycznie nierozpuszczalna"
    static QString CellWords(const SolubilityCell& cell);
    // "chlorek srebra(I), 0,00019 g w 100 g wody (25 °C), osad biały. Źródło: …"
    static QString CellDetails(const SolubilityCell& cell);
    static QColor LetterColour(Solubility letter);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Paint(QPainter& painter);
    QRect CellRect(int row, int column) const;
    bool CellAt(QPoint at, int* row, int* column) const;
    bool Matches(const QString& ion) const;
    bool Shown(const QString& ion) const { return filter_.isEmpty() || matching_.contains(ion); }
    void Tell();

    int ColumnLeft(int column) const;

    const SolubilityData* data_ = nullptr;
    std::vector<int> columnLefts_;  // each column's left edge, and the right edge of the last; wide enough for its ion
    int row_ = 0, column_ = 0;
    QString filter_;
    QSet<QString> matching_;  // the ions the filter names, found when it changes
};
