// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivitySeries.h"

#include "Drawing.h"
#include "Fonts.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int SymbolWidth = 30, ReactionWidth = 150, ValueWidth = 70, ScaleLeft = SymbolWidth + ReactionWidth + ValueWidth + 10;
constexpr int ScaleWidth = 300;
constexpr double Lowest = -3.1, Highest = 1.6;

int XOf(double volts)
{
    return ScaleLeft + int(std::lround((volts - Lowest) / (Highest - Lowest) * ScaleWidth));
}

QString ReactionShown(const QString& written)
{
    QString shown = written;
    shown.replace(QStringLiteral("->"), QStringLiteral("→"));
    static const QString high = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out;
    for (qsizetype k = 0; k < shown.size(); ++k) {
        if (shown[k] == QLatin1Char('^')) {
            for (++k; k < shown.size() && shown[k] != QLatin1Char(' '); ++k)
                out += shown[k].isDigit() ? high[shown[k].digitValue()] : shown[k] == QLatin1Char('+') ? QStringLiteral("⁺") : QStringLiteral("⁻");
            --k;
        } else if (shown[k].isDigit() && k > 0 && (shown[k - 1].isLetter() || shown[k - 1] == QLatin1Char(')'))) {
            out += QStringLiteral("₀₁₂₃₄₅₆₇₈₉")[shown[k].digitValue()];
        } else {
            out += shown[k];
        }
    }
    return out;
}

} // namespace

ActivitySeriesView::ActivitySeriesView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Szereg aktywności metali"));
}

void ActivitySeriesView::SetSeries(const std::vector<ActivityEntry>* series)
{
    series_ = series;
    current_ = 0;
    resize(sizeHint());
    MoveTo(0);
    update();
}

QSize ActivitySeriesView::sizeHint() const
{
    return QSize(ScaleLeft + ScaleWidth + 10, LineHeight * (series_ ? int(series_->size()) : 0) + 20);
}

QString ActivitySeriesView::PotentialShown(const QString& written)
{
    QString shown = written;
    shown.replace(QLatin1Char('.'), QLatin1Char(','));
    if (shown.startsWith(QLatin1Char('-')))
        shown.replace(0, 1, QStringLiteral("−"));
    return shown + QStringLiteral(" V");
}

QString ActivitySeriesView::EntryWords(const ActivityEntry& entry)
{
    const QString rule = entry.Symbol == QLatin1String("H") ? QStringLiteral("wodór, punkt odniesienia")
                         : entry.DisplacesHydrogen      ? QStringLiteral("wypiera wodór z kwasów")
                                                        : QStringLiteral("nie wypiera wodoru z kwasów");
    return QStringLiteral("%1: %2, %3").arg(entry.Symbol, PotentialShown(entry.Potential), rule);
}

QString ActivitySeriesView::HydrogenRule(const std::vector<ActivityEntry>& series)
{
    QStringList before, after;
    for (const ActivityEntry& entry : series)
        if (entry.Symbol != QLatin1String("H"))
            (entry.DisplacesHydrogen ? before : after) << entry.Symbol;
    return QStringLiteral("Metale przed wodorem (E° < 0: %1) wypierają wodór z rozcieńczonych kwasów nieutleniających, np. "
                          "Zn + 2 HCl → ZnCl₂ + H₂. Metale za wodorem (E° > 0: %2) wodoru z tych kwasów nie wypierają. "
                          "Metal aktywniejszy wypiera z roztworu soli metal stojący dalej w szeregu, np. Fe + CuSO₄ → FeSO₄ + Cu.")
        .arg(before.join(QStringLiteral(", ")), after.join(QStringLiteral(", ")));
}

void ActivitySeriesView::MoveTo(int index)
{
    if (!series_ || series_->empty())
        return;
    current_ = std::clamp(index, 0, int(series_->size()) - 1);
    setAccessibleName(EntryWords((*series_)[std::size_t(current_)]));
    setAccessibleDescription(QStringLiteral("%1. Źródło: %2").arg(ReactionShown((*series_)[std::size_t(current_)].HalfReaction),
                                                                  (*series_)[std::size_t(current_)].Source));
    update();
}

void ActivitySeriesView::paintEvent(QPaintEvent*)
{
    if (!series_)
        return;
    // in the pixel face, at any scale its 100 % picture magnified
    QPainter window(this);
    PaintAtOneToOne(window, rect(), [this](QPainter& painter) { Paint(painter); });
}

void ActivitySeriesView::Paint(QPainter& painter)
{
    painter.fillRect(rect(), Qt::white);
    const QFont font = SansSerifFont(), bold = SansSerifFont(true);
    painter.setFont(font);
    painter.setPen(QColor(96, 96, 96));
    // each mark's figure over its place on the scale
    for (const auto& [volts, caption] : {std::pair(-3.0, "−3 V"), std::pair(-2.0, "−2 V"), std::pair(-1.0, "−1 V"), std::pair(0.0, "0 V"),
                                         std::pair(1.0, "+1 V")}) {
        painter.drawText(QRect(XOf(volts) - 20, 0, 40, 14), Qt::AlignCenter, QString::fromUtf8(caption));
        painter.drawLine(XOf(volts), 13, XOf(volts), 15);
    }
    for (std::size_t k = 0; k < series_->size(); ++k) {
        const ActivityEntry& entry = (*series_)[k];
        const int top = 16 + int(k) * LineHeight;
        const bool hydrogen = entry.Symbol == QLatin1String("H");
        if (int(k) == current_)
            painter.fillRect(QRect(0, top, width(), LineHeight), hasFocus() ? QColor(204, 220, 255) : QColor(230, 230, 230));
        painter.setPen(Qt::black);
        painter.setFont(bold);
        painter.drawText(QRect(4, top, SymbolWidth - 4, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, entry.Symbol);
        painter.setFont(font);
        painter.drawText(QRect(SymbolWidth, top, ReactionWidth, LineHeight), Qt::AlignLeft | Qt::AlignVCenter, ReactionShown(entry.HalfReaction));
        painter.drawText(QRect(SymbolWidth + ReactionWidth, top, ValueWidth, LineHeight), Qt::AlignRight | Qt::AlignVCenter,
                         PotentialShown(entry.Potential));
        const double volts = entry.Potential.toDouble();
        const QRect bar = QRect(QPoint(std::min(XOf(0), XOf(volts)), top + 3), QPoint(std::max(XOf(0), XOf(volts)), top + LineHeight - 4));
        painter.fillRect(bar, hydrogen ? QColor(0, 0, 0) : entry.DisplacesHydrogen ? QColor(64, 128, 192) : QColor(208, 160, 48));
        if (hydrogen) {
            painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
            painter.drawLine(0, top + LineHeight - 1, width(), top + LineHeight - 1);
            painter.drawLine(0, top, width(), top);
        }
    }
    painter.setPen(Qt::black);
    painter.drawLine(XOf(0), 14, XOf(0), height() - 4);
}

void ActivitySeriesView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up: MoveTo(current_ - 1); break;
    case Qt::Key_Down: MoveTo(current_ + 1); break;
    case Qt::Key_Home: MoveTo(0); break;
    case Qt::Key_End: MoveTo(series_ ? int(series_->size()) - 1 : 0); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void ActivitySeriesView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    MoveTo((int(event->position().y()) - 16) / LineHeight);
}

void ActivitySeriesView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ActivitySeriesView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}
