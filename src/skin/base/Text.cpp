#include "Text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

bool NeedsSyntheticBold(const QFont& font)
{
    if (!font.bold())
        return false;
    static QHash<QString, bool> lacksBold;
    const QString family = QFontInfo(font).family();
    const auto found = lacksBold.constFind(family);
    if (found != lacksBold.cend())
        return *found;
    bool bold = false;
    for (const QString& style : QFontDatabase::styles(family))
        bold = bold || QFontDatabase::weight(family, style) >= QFont::DemiBold;
    return *lacksBold.insert(family, !bold);
}

void DrawText(QPainter& canvas, const QRect& rect, int flags, const QString& text)
{
    canvas.drawText(rect, flags, text);
    if (NeedsSyntheticBold(canvas.font()))
        canvas.drawText(rect.translated(1, 0), flags, text);
}

void DrawText(QPainter& canvas, const QPoint& baseline, const QString& text)
{
    canvas.drawText(baseline, text);
    if (NeedsSyntheticBold(canvas.font()))
        canvas.drawText(baseline + QPoint(1, 0), text);
}

QSize TextSize(const QFont& font, const QString& text, int flags)
{
    const QSize size = QFontMetrics(font).size(flags, text);
    return NeedsSyntheticBold(font) ? size + QSize(1, 0) : size;
}

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text) + (NeedsSyntheticBold(font) ? 1 : 0);
}
