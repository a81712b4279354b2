// SPDX-License-Identifier: GPL-3.0-or-later
#include "CardPages.h"

#include "PrintFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

namespace {

// The bands above and below each page's text, in millimetres: the running header and the number.
constexpr double HeaderBand = 10, FooterBand = 9;

double Pixels(double millimetres, const QPaintDevice& device)
{
    return millimetres / 25.4 * device.logicalDpiY();
}

QTextBlock NextWithText(QTextBlock block)
{
    for (block = block.next(); block.isValid(); block = block.next())
        if (!block.text().trimmed().isEmpty())
            return block;
    return {};
}

// Moves the first heading found alone at the foot of its page over to the next; false when there
// is none.
bool MoveOneHeading(QTextDocument& document)
{
    const double height = document.pageSize().height();
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    // laid out whole: a change lays out again lazily, block by block
    document.pageCount();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!IsHeading(block) || block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            continue;
        const QTextBlock text = NextWithText(block);
        if (!text.isValid())
            continue;
        const double headingTop = layout->blockBoundingRect(block).top();
        const double textTop = layout->blockBoundingRect(text).top();
        if (text.layout()->lineCount() == 0)
            continue;
        const QTextLine first = text.layout()->lineAt(0);
        const double textBottom = textTop + first.y() + first.height();
        if (int((headingTop + 0.5) / height) == int((textBottom - 0.5) / height))
            continue;
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
        return true;
    }
    return false;
}

} // namespace

bool IsHeading(const QTextBlock& block)
{
    if (block.blockFormat().headingLevel() > 0)
        return true;
    const QString text = block.text().trimmed();
    if (text.isEmpty() || text.size() > 80 || QTextCursor(block).currentTable())
        return false;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
        if (!it.fragment().text().trimmed().isEmpty() && !it.fragment().charFormat().font().bold())
            return false;
    return true;
}

std::unique_ptr<QTextDocument> CardOnPages(const QTextDocument& card, QPagedPaintDevice& device)
{
    std::unique_ptr<QTextDocument> pages(card.clone());
    // sizes in points and pictures in pixels measured for the device
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    const QRect body = device.pageLayout().paintRectPixels(device.logicalDpiX());
    pages->setPageSize(QSizeF(body.width(), body.height() - Pixels(HeaderBand + FooterBand, device)));
    for (int block = 0; block < pages->blockCount() && MoveOneHeading(*pages); ++block) {
    }
    return pages;
}

bool PaintCardOn(QPagedPaintDevice& device, const QTextDocument& card)
{
    const std::unique_ptr<QTextDocument> pages = CardOnPages(card, device);
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const QSizeF page = pages->pageSize();
    const double header = Pixels(HeaderBand, device), width = page.width();
    const int count = pages->pageCount();
    QFont small = PrintFont(10);
    small.setPointSizeF(8);
    const QString name = card.metaInformation(QTextDocument::DocumentTitle);
    for (int number = 0; number < count; ++number) {
        if (number > 0)
            device.newPage();
        painter.save();
        painter.translate(0, header - number * page.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, number * page.height(), width, page.height());
        painter.setClipRect(context.clip);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(small);
        painter.setPen(QColor(60, 60, 60));
        if (number > 0) {
            painter.drawText(QRectF(0, 0, width, header * 0.6), Qt::AlignLeft | Qt::AlignTop, name + QStringLiteral(" – karta pierwiastka"));
            painter.drawLine(QPointF(0, header * 0.7), QPointF(width, header * 0.7));
        }
        painter.drawText(QRectF(0, header + page.height(), width, Pixels(FooterBand, device)), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Strona %1 z %2").arg(number + 1).arg(count));
    }
    return painter.end();
}
