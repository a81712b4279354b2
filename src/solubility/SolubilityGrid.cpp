// SPDX-License-Identifier: GPL-3.0-or-later
#include "SolubilityGrid.h"

#include "Drawing.h"
#include "Fonts.h"

#include <QKeyEvent>
#include <QLocale>
#include <QPainter>

SolubilityGrid::SolubilityGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Tabela rozpuszczalności"));
}

void SolubilityGrid::SetData(const SolubilityData* table)
{
    data_ = table;
    row_ = column_ = 0;
    columnLefts_ = {HeaderWidth};
    const QFontMetrics metrics(SansSerifFont(true));
    for (int column = 0; table && column < table->Anions.size(); ++column)
        columnLefts_.push_back(columnLefts_.back() + std::max(CellWidth, metrics.horizontalAdvance(ChemicalShown(table->Anions[column])) + 10));
    resize(sizeHint());
    update();
    Tell();
}

QSize SolubilityGrid::sizeHint() const
{
    const int rows = data_ ? int(data_->Cations.size()) : 0, columns = data_ ? int(data_->Anions.size()) : 0;
    return QSize(ColumnLeft(columns) + 1, HeaderHeight + rows * CellHeight + 1 + LegendHeight);
}

QString SolubilityGrid::CellWords(const SolubilityCell& cell)
{
    return QStringLiteral("%1: %2 — %3").arg(ChemicalShown(cell.Formula), LetterOf(cell.Letter), MeaningOf(cell.Letter));
}

QString SolubilityGrid::CellDetails(const SolubilityCell& cell)
{
    QString details = cell.Name;
    if (!cell.Figure.isEmpty())
        details += QStringLiteral(", %1 g w 100 g wody (%2 °C)").arg(QString(cell.Figure).replace(QLatin1Char('.'), QLatin1Char(',')), cell.Temperature);
    if (!cell.Reason.isEmpty())
        details += QStringLiteral(": ") + cell.Reason;
    if (!cell.Colour.isEmpty())
        details += QStringLiteral(", osad ") + cell.Colour;
    return details + QStringLiteral(". Źródło: ") + cell.Source;
}

QColor SolubilityGrid::LetterColour(Solubility letter)
{
    switch (letter) {
    case Solubility::Soluble: return QColor(0, 128, 0);
    case Solubility::Sparingly: return QColor(176, 96, 0);
    case Solubility::Insoluble: return QColor(192, 0, 0);
    case Solubility::None: break;
    }
    return QColor(112, 112, 112);
}

int SolubilityGrid::ColumnLeft(int column) const
{
    return column < int(columnLefts_.size()) ? columnLefts_[std::size_t(column)] : HeaderWidth + column * CellWidth;
}

QRect SolubilityGrid::CellRect(int row, int column) const
{
    return QRect(ColumnLeft(column), HeaderHeight + row * CellHeight, ColumnLeft(column + 1) - ColumnLeft(column), CellHeight);
}

bool SolubilityGrid::CellAt(QPoint at, int* row, int* column) const
{
    if (!data_ || at.x() < HeaderWidth || at.y() < HeaderHeight)
        return false;
    *row = (at.y() - HeaderHeight) / CellHeight;
    *column = 0;
    while (*column < data_->Anions.size() && at.x() >= ColumnLeft(*column + 1))
        ++*column;
    return *row < data_->Cations.size() && *column < data_->Anions.size();
}

const SolubilityCell* SolubilityGrid::Current() const
{
    return data_ && !data_->Cations.isEmpty() ? data_->Cell(data_->Cations[row_], data_->Anions[column_]) : nullptr;
}

bool SolubilityGrid::Matches(const QString& ion) const
{
    // the ion as written without its charge, or any word of the compounds' names it stands in
    QString bare = ion.section(QLatin1Char('^'), 0, 0);
    while (bare.endsWith(QLatin1Char('+')) || bare.endsWith(QLatin1Char('-')))
        bare.chop(1);
    if (bare.startsWith(filter_, Qt::CaseInsensitive) || ChemicalShown(ion).startsWith(filter_, Qt::CaseInsensitive))
        return true;
    for (const SolubilityCell& cell : data_->Cells) {
        if (cell.Cation != ion && cell.Anion != ion)
            continue;
        // "chlorek srebra(I)": the anion's word first, the cation's after it
        const QStringList words = cell.Name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QStringList own = cell.Anion == ion ? words.mid(0, 1) : words.mid(1);
        for (const QString& word : own)
            if (word.startsWith(filter_, Qt::CaseInsensitive))
                return true;
        break;
    }
    return false;
}

void SolubilityGrid::SetFilter(const QString& text)
{
    filter_ = text.trimmed();
    matching_.clear();
    update();
    if (!data_ || filter_.isEmpty())
        return;
    for (const QStringList& ions : {data_->Cations, data_->Anions})
        for (const QString& ion : ions)
            if (Matches(ion))
                matching_.insert(ion);
    // the cursor goes to the first row or column the filter names
    for (int row = 0; row < data_->Cations.size(); ++row)
        if (matching_.contains(data_->Cations[row])) {
            MoveTo(row, column_);
            return;
        }
    for (int column = 0; column < data_->Anions.size(); ++column)
        if (matching_.contains(data_->Anions[column])) {
            MoveTo(row_, column);
            return;
        }
}

void SolubilityGrid::MoveTo(int row, int column)
{
    if (!data_ || data_->Cations.isEmpty())
        return;
    row = std::clamp(row, 0, int(data_->Cations.size()) - 1);
    column = std::clamp(column, 0, int(data_->Anions.size()) - 1);
    if (row == row_ && column == column_)
        return;
    row_ = row;
    column_ = column;
    update();
    Tell();
}

void SolubilityGrid::Tell()
{
    const SolubilityCell* cell = Current();
    setAccessibleName(cell ? CellWords(*cell) : QStringLiteral("Tabela rozpuszczalności"));
    setAccessibleDescription(cell ? CellDetails(*cell) : QString());
    if (OnShowCell)
        OnShowCell(cell);
}

void SolubilityGrid::paintEvent(QPaintEvent*)
{
    if (!data_)
        return;
    // in the pixel face, at any scale its 100 % picture magnified
    QPainter window(this);
    PaintAtOneToOne(window, rect(), [this](QPainter& painter) { Paint(painter); });
}

void SolubilityGrid::Paint(QPainter& painter)
{
    painter.fillRect(rect(), Qt::white);
    const QColor line(160, 160, 160), header(232, 232, 232), faded(200, 200, 200);
    QFont font = SansSerifFont();
    QFont bold = SansSerifFont(true);
    painter.fillRect(QRect(0, 0, width(), HeaderHeight), header);
    painter.fillRect(QRect(0, 0, HeaderWidth, height()), header);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (int column = 0; column < data_->Anions.size(); ++column) {
        painter.setPen(Shown(data_->Anions[column]) ? Qt::black : faded);
        painter.drawText(QRect(ColumnLeft(column), 0, ColumnLeft(column + 1) - ColumnLeft(column), HeaderHeight), Qt::AlignCenter,
                         ChemicalShown(data_->Anions[column]));
    }
    for (int row = 0; row < data_->Cations.size(); ++row) {
        painter.setPen(Shown(data_->Cations[row]) ? Qt::black : faded);
        painter.drawText(QRect(0, HeaderHeight + row * CellHeight, HeaderWidth - 6, CellHeight), Qt::AlignRight | Qt::AlignVCenter,
                         ChemicalShown(data_->Cations[row]));
    }
    for (int row = 0; row < data_->Cations.size(); ++row)
        for (int column = 0; column < data_->Anions.size(); ++column) {
            const SolubilityCell* cell = data_->Cell(data_->Cations[row], data_->Anions[column]);
            if (!cell)
                continue;
            const bool shown = Shown(data_->Cations[row]) || Shown(data_->Anions[column]);
            painter.setPen(shown ? LetterColour(cell->Letter) : faded);
            painter.setFont(cell->Letter == Solubility::None ? font : bold);
            painter.drawText(CellRect(row, column), Qt::AlignCenter, LetterOf(cell->Letter));
        }
    const int bottom = HeaderHeight + int(data_->Cations.size()) * CellHeight;
    painter.setPen(line);
    for (int row = 0; row <= data_->Cations.size(); ++row)
        painter.drawLine(0, HeaderHeight + row * CellHeight, width() - 1, HeaderHeight + row * CellHeight);
    for (int column = 0; column <= data_->Anions.size(); ++column)
        painter.drawLine(ColumnLeft(column), 0, ColumnLeft(column), bottom);
    painter.drawRect(QRect(0, 0, width(), bottom + 1).adjusted(0, 0, -1, -1));
    // the legend: each letter in its colour, then what it means
    painter.fillRect(QRect(0, bottom + 1, width(), LegendHeight), palette().window());
    int x = 0;
    for (const auto& [letter, words] : {std::pair(Solubility::Soluble, "rozpuszczalna (> 1 g)"), std::pair(Solubility::Sparingly, "trudno rozpuszczalna (0,1–1 g)"),
                                        std::pair(Solubility::Insoluble, "praktycznie nierozpuszczalna (< 0,1 g)"),
                                        std::pair(Solubility::None, "nie istnieje lub rozkłada się")}) {
        const QRect area(x, bottom + 4, width() - x, LegendHeight - 4);
        painter.setFont(bold);
        painter.setPen(LetterColour(letter));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, LetterOf(letter));
        x += painter.fontMetrics().horizontalAdvance(LetterOf(letter)) + 4;
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QString text = QString::fromUtf8(words);
        painter.drawText(QRect(x, bottom + 4, width() - x, LegendHeight - 4), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += painter.fontMetrics().horizontalAdvance(text) + 14;
    }
    // the cursor, a double frame that reads without colour too
    const QRect cursor = CellRect(row_, column_);
    painter.setPen(hasFocus() ? QColor(0, 0, 128) : QColor(96, 96, 96));
    painter.drawRect(cursor.adjusted(0, 0, 0, 0));
    painter.drawRect(cursor.adjusted(1, 1, -1, -1));
}

void SolubilityGrid::keyPressEvent(QKeyEvent* event)
{
    if (!data_) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left: MoveTo(row_, column_ - 1); break;
    case Qt::Key_Right: MoveTo(row_, column_ + 1); break;
    case Qt::Key_Up: MoveTo(row_ - 1, column_); break;
    case Qt::Key_Down: MoveTo(row_ + 1, column_); break;
    case Qt::Key_Home: MoveTo(event->modifiers() & Qt::ControlModifier ? 0 : row_, 0); break;
    case Qt::Key_End: MoveTo(event->modifiers() & Qt::ControlModifier ? int(data_->Cations.size()) - 1 : row_, int(data_->Anions.size()) - 1); break;
    case Qt::Key_PageUp: MoveTo(0, column_); break;
    case Qt::Key_PageDown: MoveTo(int(data_->Cations.size()) - 1, column_); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: Tell(); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void SolubilityGrid::mousePressEvent(QMouseEvent* event)
{
    int row = 0, column = 0;
    if (CellAt(event->position().toPoint(), &row, &column)) {
        setFocus(Qt::MouseFocusReason);
        MoveTo(row, column);
        Tell();
    }
}

void SolubilityGrid::mouseMoveEvent(QMouseEvent* event)
{
    int row = 0, column = 0;
    if (OnShowCell && CellAt(event->position().toPoint(), &row, &column))
        OnShowCell(data_->Cell(data_->Cations[row], data_->Anions[column]));
}

void SolubilityGrid::leaveEvent(QEvent*)
{
    if (OnShowCell)
        OnShowCell(Current());
}

void SolubilityGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void SolubilityGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
