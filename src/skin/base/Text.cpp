#include "Text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>
#include <unordered_map>

namespace {

// The font's regular weight, not underlined: what a pixel face's glyphs are drawn from.
QFont RegularOf(const QFont& font)
{
    QFont regular(font);
    regular.setBold(false);
    regular.setUnderline(false);
    return regular;
}

// What text in a pixel face is measured and drawn from, kept for each font asked for: a font made
// anew (the regular copy of a bold one) looks its face up again on every use, and a character's
// metrics and glyph are asked for each time a text holding it is laid out.
struct PixelFace {
    struct Character {
        int Advance = 0;
        int LeftBearing = 0;
        bool Shaped = false;            // whether Glyph has been looked for
        std::optional<QGlyphRun> Glyph; // none: the face lacks the character
    };

    explicit PixelFace(const QFont& font) : Regular(RegularOf(font)), Metrics(Regular) {}

    Character& Measured(QChar character)
    {
        auto found = characters_.find(character.unicode());
        if (found == characters_.end()) {
            Character measured;
            measured.Advance = Metrics.horizontalAdvance(character);
            measured.LeftBearing = Metrics.leftBearing(character);
            found = characters_.insert(character.unicode(), measured);
        }
        return *found;
    }

    // The face's own glyph, shaped once and drawn from then on as it is.
    const std::optional<QGlyphRun>& Glyph(QChar character)
    {
        Character& known = Measured(character);
        if (!known.Shaped) {
            known.Shaped = true;
            const QRawFont face = QRawFont::fromFont(Regular);
            if (face.supportsCharacter(character)) {
                known.Glyph.emplace();
                known.Glyph->setRawFont(face);
                known.Glyph->setGlyphIndexes(face.glyphIndexesForString(QString(character)));
                known.Glyph->setPositions({QPointF(0, 0)});
            }
        }
        return known.Glyph;
    }

    const QFont Regular;
    const QFontMetrics Metrics;

private:
    QHash<char16_t, Character> characters_;
};

PixelFace& PixelFaceOf(const QFont& font)
{
    struct FontHash {
        std::size_t operator()(const QFont& font) const { return qHash(font); }
    };
    static std::unordered_map<QFont, PixelFace, FontHash> faces;  // its elements stay where they are
    auto found = faces.find(font);
    if (found == faces.end())
        found = faces.try_emplace(font, font).first;
    return found->second;
}

// Text of a pixel face (one without a bold face of its own, as "MS Sans Serif"), laid out glyph by
// glyph in its regular glyphs. Bold is struck twice, one pixel apart, and every glyph advances one
// pixel more than its own width. A glyph whose ink starts at its origin (the face's "ł", "j", "A",
// …) takes one pixel more, bold or not, so it keeps a blank column from the letter before it as all
// the others do ("ał" would otherwise read "at").
class PixelFaceLayout {
public:
    struct Line {
        QString Text;
        int Width = 0;
        int Underlined = -1;  // the access key's character, or -1
    };

    PixelFaceLayout(const QFont& font, const QString& text, int flags, int wrapWidth)
        : face_(PixelFaceOf(font)), bold_(font.bold()), underline_(font.underline())
    {
        int underlined = -1;
        QString shown = (flags & Qt::TextShowMnemonic) ? WithoutMnemonic(text, underlined) : text;
        if (flags & Qt::TextSingleLine)
            shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
        const bool wrap = (flags & Qt::TextWordWrap) && !(flags & Qt::TextSingleLine) && wrapWidth > 0;
        int start = 0;
        for (const QString& paragraph : shown.split(QLatin1Char('\n'))) {
            for (const QString& part : wrap ? Wrapped(paragraph, wrapWidth) : QStringList{paragraph}) {
                const int at = int(shown.indexOf(part, start));
                lines_.append({part, Width(part), underlined >= at && underlined < at + part.size() ? underlined - at : -1});
                start = at + int(part.size());
            }
        }
    }

    QSize Size() const
    {
        int width = 0;
        for (const Line& line : lines_)
            width = std::max(width, line.Width);
        return QSize(width, int(lines_.size()) * face_.Metrics.height());
    }

    QRect Bounds(const QRect& rect, int flags) const
    {
        const QSize size = Size();
        int y = rect.top();
        if (flags & Qt::AlignBottom)
            y = rect.bottom() + 1 - size.height();
        else if (flags & Qt::AlignVCenter)
            y = rect.top() + (rect.height() - size.height()) / 2;
        int x = rect.left();
        if (flags & Qt::AlignRight)
            x = rect.right() + 1 - size.width();
        else if (flags & Qt::AlignHCenter)
            x = rect.left() + (rect.width() - size.width()) / 2;
        return QRect(QPoint(x, y), size);
    }

    void Draw(QPainter& canvas, const QRect& rect, int flags) const
    {
        const QRect bounds = Bounds(rect, flags);
        int baseline = bounds.top() + face_.Metrics.ascent();
        for (const Line& line : lines_) {
            int x = rect.left();
            if (flags & Qt::AlignRight)
                x = rect.right() + 1 - line.Width;
            else if (flags & Qt::AlignHCenter)
                x = rect.left() + (rect.width() - line.Width) / 2;
            DrawLine(canvas, QPoint(x, baseline), line);
            baseline += face_.Metrics.height();
        }
    }

    void DrawLine(QPainter& canvas, QPoint origin, const Line& line) const
    {
        canvas.save();
        canvas.setFont(face_.Regular);
        int x = origin.x();
        for (int i = 0; i < line.Text.size(); ++i) {
            x += Gap(i, line.Text[i]);
            DrawGlyph(canvas, QPoint(x, origin.y()), line.Text[i]);
            if (bold_)
                DrawGlyph(canvas, QPoint(x + 1, origin.y()), line.Text[i]);
            const int advance = Advance(line.Text[i]);
            if (i == line.Underlined)
                canvas.fillRect(QRect(x, origin.y() + face_.Metrics.underlinePos(), advance, face_.Metrics.lineWidth()), canvas.pen().color());
            x += advance;
        }
        // one line under the whole text, across the extra pixels between the glyphs too
        if (underline_)
            canvas.fillRect(QRect(origin.x(), origin.y() + face_.Metrics.underlinePos(), line.Width, face_.Metrics.lineWidth()), canvas.pen().color());
        canvas.restore();
    }

    const QList<Line>& Lines() const { return lines_; }
    int Ascent() const { return face_.Metrics.ascent(); }

private:
    // A character the face lacks is drawn as text, in a face that has it.
    void DrawGlyph(QPainter& canvas, QPoint origin, QChar character) const
    {
        if (const std::optional<QGlyphRun>& glyph = face_.Glyph(character))
            canvas.drawGlyphRun(origin, *glyph);
        else
            canvas.drawText(origin, QString(character));
    }

    static QString WithoutMnemonic(const QString& text, int& underlined)
    {
        QString shown;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == QLatin1Char('&') && i + 1 < text.size()) {
                ++i;
                if (text[i] != QLatin1Char('&') && underlined < 0)
                    underlined = int(shown.size());
            }
            shown += text[i];
        }
        return shown;
    }

    // The extra room before a glyph whose ink starts at its origin, after the first.
    int Gap(int index, QChar glyph) const
    {
        return index > 0 && !glyph.isSpace() && face_.Measured(glyph).LeftBearing <= 0 ? 1 : 0;
    }

    int Advance(QChar glyph) const
    {
        return face_.Measured(glyph).Advance + (bold_ ? 1 : 0);
    }

    int Width(const QString& text) const
    {
        int width = 0;
        for (int i = 0; i < text.size(); ++i)
            width += Gap(i, text[i]) + Advance(text[i]);
        return width;
    }

    // Words onto lines no wider than the width where they can be; a word wider than it stands alone.
    QStringList Wrapped(const QString& paragraph, int width) const
    {
        QStringList lines;
        QString current;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString joined = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (!current.isEmpty() && Width(joined) > width) {
                lines.append(current);
                current = word;
            } else {
                current = joined;
            }
        }
        lines.append(current);
        return lines;
    }

    PixelFace& face_;
    bool bold_;
    bool underline_;
    QList<Line> lines_;
};

bool HasBoldFace(const QString& family)
{
    for (const QString& style : QFontDatabase::styles(family))
        if (QFontDatabase::weight(family, style) >= QFont::DemiBold)
            return true;
    return false;
}

} // namespace

bool IsPixelFace(const QFont& font)
{
    // A family the font database lists with a bold face is no pixel face, which it knows without
    // loading a face. Otherwise the family asked for may be a name for another one ("Sans Serif"):
    // the face that stands for it is found in the regular weight, as a pixel face draws from that one
    // only, and a bold face that does not exist is not loaded just to learn its name.
    static QHash<QString, bool> pixelFaces;
    const auto found = pixelFaces.constFind(font.family());
    if (found != pixelFaces.cend())
        return *found;
    const bool pixel = !HasBoldFace(font.family()) && !HasBoldFace(QFontInfo(RegularOf(font)).family());
    return *pixelFaces.insert(font.family(), pixel);
}

void DrawText(QPainter& canvas, const QRect& rect, int flags, const QString& text)
{
    if (IsPixelFace(canvas.font()))
        PixelFaceLayout(canvas.font(), text, flags, rect.width()).Draw(canvas, rect, flags);
    else
        canvas.drawText(rect, flags, text);
}

void DrawText(QPainter& canvas, const QPoint& baseline, const QString& text)
{
    if (IsPixelFace(canvas.font())) {
        const PixelFaceLayout layout(canvas.font(), text, Qt::TextSingleLine, 0);
        layout.DrawLine(canvas, baseline, layout.Lines().front());
    } else {
        canvas.drawText(baseline, text);
    }
}

QSize TextSize(const QFont& font, const QString& text, int flags)
{
    if (IsPixelFace(font))
        return PixelFaceLayout(font, text, flags, 0).Size();
    return QFontMetrics(font).size(flags, text);
}

int LineHeight(const QFont& font)
{
    // a pixel face's bold is its regular glyphs struck twice: the regular face's line
    return IsPixelFace(font) ? PixelFaceOf(font).Metrics.height() : QFontMetrics(font).height();
}

int TextWidth(const QFont& font, const QString& text)
{
    if (IsPixelFace(font))
        return PixelFaceLayout(font, text, Qt::TextSingleLine, 0).Size().width();
    return QFontMetrics(font).horizontalAdvance(text);
}

QRect TextBounds(const QFont& font, const QRect& rect, int flags, const QString& text)
{
    if (IsPixelFace(font))
        return PixelFaceLayout(font, text, flags, rect.width()).Bounds(rect, flags);
    return QFontMetrics(font).boundingRect(rect, flags, text);
}

void KeepLettersApart(QTextDocument& document)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (int i = 0; i + 1 < text.size(); ++i) {
            if (text[i].isSpace() || text[i + 1].isSpace())
                continue;
            cursor.setPosition(block.position() + i + 2);
            const QFont next = cursor.charFormat().font().resolve(document.defaultFont());
            if (!IsPixelFace(next) || QFontMetrics(next).leftBearing(text[i + 1]) > 0)
                continue;
            cursor.setPosition(block.position() + i);
            cursor.setPosition(block.position() + i + 1, QTextCursor::KeepAnchor);
            QTextCharFormat wider;
            wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
            wider.setFontLetterSpacing(cursor.charFormat().fontLetterSpacing() + 1);
            cursor.mergeCharFormat(wider);
        }
    }
}
