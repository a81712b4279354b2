// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertiesPage.h"

#include "Drawing.h"
#include "Fonts.h"
#include "Label.h"
#include "Text.h"

#include <QKeyEvent>
#include <QPainter>

namespace {

const char* const RowCaptions[] = {
    "Masa atomowa:", "Konfiguracja elektronowa:", "Blok:", "Grupa:", "Okres:", "Elektroujemność:",
    "Gęstość:", "Promień kowalencyjny:", "Energia jonizacji:", "Stopnie utlenienia:", "Rodzaj:",
};
constexpr int Rows = int(std::size(RowCaptions));
constexpr int RaisedBy = 3;

QFont RaisedFont()
{
    QFont font = SansSerifFont(true);
    font.setPixelSize(8);
    return font;
}

QString OrNone(const QString& figure, const QString& unit = {})
{
    if (figure.isEmpty())
        return QStringLiteral("brak danych");
    return unit.isEmpty() ? ElementProperties::Shown(figure) : ElementProperties::Shown(figure) + QLatin1Char(' ') + unit;
}

// "[Ne] 3s1" marked for its superscripts: "[Ne] 3s^1".
QString MarkedConfiguration(const QString& configuration)
{
    QStringList parts = configuration.split(QLatin1Char(' '));
    for (QString& part : parts)
        if (!part.startsWith(QLatin1Char('[')) && part.size() > 2)
            part.insert(2, QLatin1Char('^'));
    return parts.join(QLatin1Char(' '));
}

} // namespace

TSuperscriptLabel::TSuperscriptLabel(QWidget* parent) : TLabel(QString(), parent)
{
    SetAutoSize(false);
    setFont(SansSerifFont(true));
    setFocusPolicy(Qt::TabFocus);  // a tab stop, its frame in its own margin
}

void TSuperscriptLabel::SetText(const QString& marked, const QString& caption)
{
    marked_ = marked;
    runs_.clear();
    QString run;
    bool raised = false;
    for (const QChar c : marked) {
        const bool ends = raised && (c == QLatin1Char(' ') || c == QLatin1Char('/') || c == QLatin1Char(')'));
        if (c == QLatin1Char('^') || ends) {
            if (!run.isEmpty())
                runs_.push_back({run, raised});
            run.clear();
            raised = c == QLatin1Char('^');
            if (c == QLatin1Char('^'))
                continue;
        }
        run += c;
    }
    if (!run.isEmpty())
        runs_.push_back({run, raised});
    int width = 0;
    for (const Run& r : runs_)
        width += TextWidth(r.Raised ? RaisedFont() : font(), r.Text);
    resize(width + 1 + 2 * FocusMargin, Headroom() + LineHeight(font()) + 2 * FocusMargin);
    // named before the caption changes, so a reader is told once
    setAccessibleName(caption + QLatin1Char(' ') + QString(marked).remove(QLatin1Char('^')));
    SetCaption(QString(marked).remove(QLatin1Char('^')));
    update();
}

int TSuperscriptLabel::Headroom()
{
    static const int headroom = [] {
        const int baseline = QFontMetrics(SansSerifFont(true)).ascent();
        const int inkAbove = -QFontMetrics(RaisedFont()).tightBoundingRect(QStringLiteral("0123456789+-")).top();
        return std::max(0, inkAbove + RaisedBy - baseline);
    }();
    return headroom;
}

void TSuperscriptLabel::MoveTextTo(QPoint topOfLine)
{
    move(topOfLine - QPoint(FocusMargin, Headroom() + FocusMargin));
}

void TSuperscriptLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        focusNextPrevChild(event->key() == Qt::Key_Down);
        return;
    }
    TLabel::keyPressEvent(event);
}

void TSuperscriptLabel::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    PaintAtOneToOne(canvas, rect(), [this](QPainter& painter) {
        painter.setPen(Qt::black);
        const int baseline = FocusMargin + Headroom() + QFontMetrics(font()).ascent();
        int x = FocusMargin;
        for (const Run& run : runs_) {
            const QFont face = run.Raised ? RaisedFont() : font();
            painter.setFont(face);
            DrawText(painter, QPoint(x, baseline - (run.Raised ? RaisedBy : 0)), run.Text);
            x += TextWidth(face, run.Text);
        }
        if (hasFocus())
            DrawFocusRect(painter, rect());
    });
}

PropertiesPage::PropertiesPage(QWidget* page)
{
    for (int row = 0; row < Rows; ++row) {
        const int y = 32 + 16 * row + (row >= 2 ? 8 : 0) + (row >= 5 ? 8 : 0) + (row >= 9 ? 8 : 0);
        auto* caption = new TLabel(QString::fromUtf8(RowCaptions[row]), page);
        caption->setFont(SansSerifFont(false));
        caption->FitToText();
        caption->move(8, y);
        auto* value = new TSuperscriptLabel(page);
        value->setObjectName(QStringLiteral("PropertyValue%1").arg(row + 1));
        value->MoveTextTo(QPoint(160, y));
        values_.push_back(value);
    }
}

int PropertiesPage::Right() const
{
    int right = 0;
    for (const TSuperscriptLabel* value : values_)
        right = std::max(right, value->geometry().right() + 1);
    return right;
}

QStringList PropertiesPage::Captions()
{
    QStringList captions;
    for (const char* caption : RowCaptions)
        captions << QString::fromUtf8(caption);
    return captions;
}

void PropertiesPage::Fill(const ElementProperties& element, const QString& kind, const QString& halfLife)
{
    QString weight = ElementProperties::Shown(element.AtomicWeight);
    if (!weight.startsWith(QLatin1Char('[')))
        weight += QStringLiteral(" u");
    else if (!halfLife.isEmpty())
        weight += QStringLiteral(" (okres półtrwania %1)").arg(ElementProperties::Shown(halfLife));
    QString density = QStringLiteral("brak danych");
    if (!element.Density.isEmpty())
        density = ElementProperties::Shown(element.Density) + (element.Basis == DensityBasis::Gas
                                                     ? QStringLiteral(" g/dm^3 (0 °C, 1013 hPa)")
                                                     : QStringLiteral(" g/cm^3 (ok. 20 °C)"));
    const QString values[Rows] = {
        weight,
        MarkedConfiguration(element.Configuration) + (element.ConfigurationPredicted ? QStringLiteral(" (przewidywane)") : QString()),
        QString(element.Block),
        element.Group == 0 ? QStringLiteral("brak (blok f)") : QString::number(element.Group),
        QString::number(element.Period),
        element.Electronegativity.isEmpty() ? QStringLiteral("brak danych")
                                            : ElementProperties::Shown(element.Electronegativity) + QStringLiteral(" (skala Paulinga)"),
        density,
        OrNone(element.CovalentRadius, QStringLiteral("pm")),
        OrNone(element.IonisationEnergy, QStringLiteral("kJ/mol (pierwsza)")),
        element.OxidationStates.isEmpty()
            ? QStringLiteral("brak danych")
            : element.OxidationStates.join(QStringLiteral(", ")) + (element.StatesPredicted ? QStringLiteral(" (przewidywane)") : QString()),
        kind.isEmpty() ? QStringLiteral("brak danych") : kind,
    };
    for (int row = 0; row < Rows; ++row)
        values_[std::size_t(row)]->SetText(values[row], QString::fromUtf8(RowCaptions[row]));
}

QStringList PropertiesPage::Values() const
{
    QStringList values;
    for (const TSuperscriptLabel* value : values_)
        values << value->Text();
    return values;
}
