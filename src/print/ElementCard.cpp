// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementCard.h"

#include "Image.h"
#include "Label.h"
#include "PageControl.h"
#include "PropertiesPage.h"
#include "TablePage.h"
#include "TInformacje.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QUrl>

#include <vector>

namespace {

// "[Ar] 3d^6 4s^2" with its raised parts set as superscripts.
QString WithSuperscripts(const QString& marked)
{
    static const QRegularExpression raised(QStringLiteral("\\^([^ /]+)"));
    return marked.toHtmlEscaped().replace(raised, QStringLiteral("<sup>\\1</sup>"));
}

// The description's sizes, in the screen's pixels, as points on paper, a little larger than the
// screen shows them, and without the spacing the screen's pixel face needs between its letters;
// everything else as it was. An empty line's height is its paragraph mark's size: a size in
// pixels would be the printer's, a sliver.
QTextCharFormat OnPaper(QTextCharFormat format)
{
    if (format.hasProperty(QTextFormat::FontPixelSize)) {
        const int pixels = format.intProperty(QTextFormat::FontPixelSize);
        format.clearProperty(QTextFormat::FontPixelSize);
        format.setFontPointSize(pixels * 0.9);
    }
    format.clearProperty(QTextFormat::FontLetterSpacing);
    format.clearProperty(QTextFormat::FontLetterSpacingType);
    return format;
}

bool ScreenOnly(const QTextCharFormat& format)
{
    return format.hasProperty(QTextFormat::FontPixelSize) || format.hasProperty(QTextFormat::FontLetterSpacing);
}

void PixelSizesAsPoints(QTextDocument& document)
{
    struct Span {
        int Position, Length;
        QTextCharFormat Format;
    };
    std::vector<Span> spans;
    std::vector<int> marks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (ScreenOnly(block.charFormat()))
            marks.push_back(block.position());
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (ScreenOnly(it.fragment().charFormat()))
                spans.push_back({it.fragment().position(), it.fragment().length(), it.fragment().charFormat()});
    }
    QTextCursor cursor(&document);
    for (const int position : marks) {
        cursor.setPosition(position);
        cursor.setBlockCharFormat(OnPaper(cursor.blockCharFormat()));
    }
    for (const Span& span : spans) {
        cursor.setPosition(span.Position);
        cursor.setPosition(span.Position + span.Length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(OnPaper(span.Format));
    }
}

QString Row(const QString& caption, const QString& valueHtml)
{
    return QStringLiteral("<tr><td style=\"padding-right: 16px\">%1</td><td><b>%2</b></td></tr>")
        .arg(caption.toHtmlEscaped(), valueHtml);
}

// Whose the description and pictures are and on what terms, and where the figures come from.
QString SourceLine()
{
    return QStringLiteral("Opis i rysunki: © 2026 Morvane, licencja CC BY-SA 4.0 "
                          "(https://creativecommons.org/licenses/by-sa/4.0/deed.pl); rysunki kryształów według komórek "
                          "elementarnych z Blue Obelisk Data Repository. ") +
           FigureSources() + QStringLiteral(" Układ Okresowy " UKLAD_VERSION ".");
}

} // namespace

std::unique_ptr<QTextDocument> ElementCard(const TInformacje& w)
{
    auto card = std::make_unique<QTextDocument>();
    QFont text(QStringLiteral("DejaVu Sans"));
    text.setPointSizeF(10);
    card->setDefaultFont(text);
    QString html = QStringLiteral("<h1>%1 (%2)</h1><table>").arg(w.Label9->Caption().toHtmlEscaped(), w.Label8->Caption().toHtmlEscaped());
    const std::pair<const TLabel*, const TLabel*> basic[] = {{w.Label1, w.Label8}, {w.Label2, w.Label9},   {w.Label3, w.Label10},
                                                             {w.Label4, w.Label11}, {w.Label5, w.Label12}, {w.Label6, w.Label13},
                                                             {w.Label7, w.Label14}, {w.Label15, w.Label16}};
    for (const auto& [caption, value] : basic) {
        QString shown = value->Caption().trimmed();
        // on paper a temperature carries its unit
        if ((value == w.Label13 || value == w.Label14) && shown.contains(QRegularExpression(QStringLiteral("\\d"))))
            shown += QStringLiteral(" °C");
        html += Row(caption->Caption(), shown.toHtmlEscaped());
    }
    html += QStringLiteral("</table>");
    if (w.Properties && w.suiTabSheet2->TabVisible()) {
        html += QStringLiteral("<h2>Więcej informacji</h2><table>");
        const QStringList captions = PropertiesPage::Captions(), values = w.Properties->Values();
        for (qsizetype k = 0; k < std::min(captions.size(), values.size()); ++k)
            html += Row(captions[k], WithSuperscripts(values[k]));
        html += QStringLiteral("</table>");
    }
    // the pictures side by side, each at most half the text's width
    QString pictures;
    std::vector<std::pair<QUrl, QImage>> resources;
    for (const auto& [sheet, image, name] : {std::tuple(w.suiTabSheet3, w.Image1, "izotopy"), std::tuple(w.suiTabSheet5, w.Image2, "rysunek")}) {
        if (!sheet->TabVisible() || image->Picture().isNull())
            continue;
        const QUrl url(QStringLiteral("karta:") + QLatin1String(name));
        resources.emplace_back(url, image->Picture());
        pictures += QStringLiteral("<img src=\"%1\" width=\"%2\"> ").arg(url.toString()).arg(std::min(330, image->Picture().width()));
    }
    if (!pictures.isEmpty())
        html += QStringLiteral("<p>") + pictures + QStringLiteral("</p>");
    card->setHtml(html);
    card->setMetaInformation(QTextDocument::DocumentTitle, QStringLiteral("%1 (%2)").arg(w.Label9->Caption(), w.Label8->Caption()));
    for (const auto& [url, picture] : resources)
        card->addResource(QTextDocument::ImageResource, url, picture);
    // the description as its file has it, whatever the screen has laid out of it so far
    QTextDocument description;
    w.FillDescription(description);
    const bool withDescription = w.suiTabSheet4->TabVisible() && !description.isEmpty();
    if (withDescription) {
        QTextCursor end(card.get());
        end.movePosition(QTextCursor::End);
        end.insertBlock();
        const int start = end.position();
        end.insertFragment(QTextDocumentFragment(&description));
        // its title apart from the figures when no pictures stand between them
        if (resources.empty()) {
            QTextCursor title(card.get());
            title.setPosition(start);
            QTextBlockFormat apart = title.blockFormat();
            apart.setTopMargin(std::max(apart.topMargin(), 12.0));
            title.setBlockFormat(apart);
        }
        PixelSizesAsPoints(*card);
    }
    if (withDescription || !resources.empty()) {
        QTextCursor end(card.get());
        end.movePosition(QTextCursor::End);
        QTextCharFormat small;
        small.setFontPointSize(8);
        QTextBlockFormat spaced;
        spaced.setTopMargin(12);
        end.insertBlock(spaced, small);
        end.insertText(SourceLine(), small);
    }
    // one scalable face throughout, whose glyphs the PDF embeds, its letters never joined into
    // ligatures; bold, sizes and raised or lowered text as they were
    QTextCursor all(card.get());
    all.select(QTextCursor::Document);
    QTextCharFormat face;
    face.setFontFamilies({QStringLiteral("DejaVu Sans")});
    face.setFontStyleStrategy(QFont::PreferNoShaping);
    all.mergeCharFormat(face);
    return card;
}
