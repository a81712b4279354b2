// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QtMath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <climits>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// The font's regular weight, not underlined: what a pixel face's glyphs are drawn from.
QFont RegularOf(const QFont& font)
{
    QFont regular(font);
    regular.setBold(false);
    regular.setUnderline(false);
    return regular;
}

// The smallest rectangles holding every pixel of the image that is touched at all, and every one
// that is at least half covered.
std::pair<QRect, QRect> InkBounds(const QImage& image)
{
    struct Bounds {
        int Left = INT_MAX, Right = -1, Top = INT_MAX, Bottom = -1;
        void Add(int x, int y)
        {
            Left = std::min(Left, x);
            Right = std::max(Right, x);
            Top = std::min(Top, y);
            Bottom = std::max(Bottom, y);
        }
        QRect Rect() const { return Right < 0 ? QRect() : QRect(QPoint(Left, Top), QPoint(Right, Bottom)); }
    } touched, covered;
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha == 0)
                continue;
            touched.Add(x, y);
            if (alpha >= 128)
                covered.Add(x, y);
        }
    }
    return {touched.Rect(), covered.Rect()};
}

// What text laid out glyph by glyph is measured and drawn from, kept for each font asked for: a font
// made anew (the regular copy of a bold one) looks its face up again on every use, and a character's
// metrics, glyph and ink are asked for each time a text holding it is laid out.
struct GlyphFace {
    struct Character {
        int Advance = 0;
        int LeftBearing = 0;
        bool Shaped = false;            // whether Glyph has been looked for
        std::optional<QGlyphRun> Glyph; // none: the face lacks the character
        bool Inked = false;  // whether the two boxes below have been measured
        QRect InkBox;        // every pixel it touches, from its origin; empty for a blank
        QRect InkColumns;    // the pixels at least half covered, from its origin
    };

    explicit GlyphFace(const QFont& font) : Regular(RegularOf(font)), Metrics(Regular), Pixel(IsPixelFace(font)) {}

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

    // Draws the face's glyph, or the character as text in a face that has it. A pixel face has no
    // glyphs larger than its own: on a device of more pixels than points its glyph is drawn as at
    // 100 %, each pixel a block of the device's, so that letters and their advances grow alike.
    void Draw(QPainter& canvas, QPoint origin, QChar character)
    {
        const qreal ratio = canvas.device() ? canvas.device()->devicePixelRatio() : 1.0;
        if (Pixel && ratio > 1.0) {
            const Magnified& glyph = MagnifiedGlyph(character, canvas.pen().color().rgba(), qCeil(ratio));
            if (!glyph.Image.isNull())
                canvas.drawImage(origin + glyph.Offset, glyph.Image);
            return;
        }
        DrawAtOneToOne(canvas, origin, character);
    }

    void DrawAtOneToOne(QPainter& canvas, QPoint origin, QChar character)
    {
        if (const std::optional<QGlyphRun>& glyph = Glyph(character))
            canvas.drawGlyphRun(origin, *glyph);
        else
            canvas.drawText(origin, QString(character));
    }

    Character& Inked(QChar character)
    {
        Character& known = Measured(character);
        if (!known.Inked) {
            const int margin = Metrics.height();
            const QPoint origin(margin, Metrics.ascent() + margin / 2);
            QImage drawn(known.Advance + 2 * margin, 2 * margin, QImage::Format_ARGB32_Premultiplied);
            drawn.fill(Qt::transparent);
            QPainter canvas(&drawn);
            canvas.setFont(Regular);
            canvas.setPen(Qt::black);
            DrawAtOneToOne(canvas, origin, character);
            canvas.end();
            known.Inked = true;
            const auto [touched, covered] = InkBounds(drawn);
            known.InkBox = touched.translated(-origin);
            known.InkColumns = covered.translated(-origin);
        }
        return known;
    }

    // A glyph in a colour as drawn on a device of one pixel per point, cut to its ink and each pixel
    // made a block of scale × scale, marked as an image for a device of that ratio: drawn on such a
    // device it is copied as it stands. Offset runs from the glyph's origin to the ink's corner.
    struct Magnified {
        QImage Image;  // null for a glyph without ink
        QPoint Offset;
    };

    const Magnified& MagnifiedGlyph(QChar character, QRgb colour, int scale)
    {
        const MagnifiedKey key{character.unicode(), colour, scale};
        auto found = magnified_.find(key);
        if (found == magnified_.end()) {
            Magnified glyph;
            const QRect ink = InkBox(character);
            if (!ink.isEmpty()) {
                QImage drawn(ink.size(), QImage::Format_ARGB32_Premultiplied);
                drawn.fill(Qt::transparent);
                QPainter canvas(&drawn);
                canvas.setFont(Regular);
                canvas.setPen(QColor::fromRgba(colour));
                DrawAtOneToOne(canvas, -ink.topLeft(), character);
                canvas.end();
                glyph.Image = drawn.scaled(ink.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
                glyph.Image.setDevicePixelRatio(scale);
                glyph.Offset = ink.topLeft();
            }
            found = magnified_.insert(key, glyph);
        }
        return *found;
    }

    // The pixels the character touches as drawn on a device of one pixel per point, from its origin.
    QRect InkBox(QChar character) { return Inked(character).InkBox; }

    // The columns the character inks, from its origin, as it is drawn: a face's bearings are those
    // of its outlines, which its hinted or pixel glyphs need not keep to. A blank has none.
    std::pair<int, int> Ink(QChar character)
    {
        const QRect& inked = Inked(character).InkColumns;
        return inked.isEmpty() ? std::pair(0, 0) : std::pair(inked.left(), inked.right() + 1);
    }

    const QFont Regular;
    const QFontMetrics Metrics;
    const bool Pixel;  // a pixel face, whose glyphs keep their blank column on the left

private:
    struct MagnifiedKey {
        char16_t Character;
        QRgb Colour;
        int Scale;
        bool operator==(const MagnifiedKey&) const = default;
        friend size_t qHash(const MagnifiedKey& key, size_t seed = 0) { return qHashMulti(seed, key.Character, key.Colour, key.Scale); }
    };

    QHash<char16_t, Character> characters_;
    QHash<MagnifiedKey, Magnified> magnified_;
};

GlyphFace& GlyphFaceOf(const QFont& font)
{
    struct FontHash {
        std::size_t operator()(const QFont& font) const { return qHash(font); }
    };
    static std::unordered_map<QFont, GlyphFace, FontHash> faces;  // its elements stay where they are
    auto found = faces.find(font);
    if (found == faces.end())
        found = faces.try_emplace(font, font).first;
    return found->second;
}

// The pixels to add after a character so that the next one's ink keeps a blank column from its own:
// in a pixel face, whose glyphs keep their blank column on the left, one before a glyph whose ink
// starts at its origin ("ł", "j", "A", … would read "ał" as "at"); in any face, as many as open a
// blank column where the first glyph's ink runs to its advance and the next one's starts at its
// origin (Tahoma's "św").
int GapBetween(GlyphFace& face, QChar before, QChar after, GlyphFace& afterFace)
{
    if (after.isSpace())
        return 0;
    const int atOrigin = afterFace.Pixel && afterFace.Measured(after).LeftBearing <= 0 ? 1 : 0;
    if (before.isSpace())
        return atOrigin;
    const int blank = face.Measured(before).Advance - face.Ink(before).second + afterFace.Ink(after).first;
    return std::max(atOrigin, 1 - blank);
}

// Text laid out glyph by glyph in its face's regular glyphs. Bold is struck twice, one pixel apart,
// and every glyph advances one pixel more than its own width: a pixel face (one without a bold face
// of its own, as "MS Sans Serif") has no bold glyphs, and the bold glyphs of a face that has them
// lose strokes at these sizes (Tahoma's bold "ń", "ć", "ł"). No two letters touch (GapBetween).
class GlyphLayout {
public:
    struct Line {
        QString Text;
        int Width = 0;
        int Underlined = -1;  // the access key's character, or -1
    };

    GlyphLayout(const QFont& font, const QString& text, int flags, int wrapWidth)
        : face_(GlyphFaceOf(font)), bold_(font.bold()), underline_(font.underline())
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
            x += Gap(line.Text, i);
            face_.Draw(canvas, QPoint(x, origin.y()), line.Text[i]);
            if (bold_)
                face_.Draw(canvas, QPoint(x + 1, origin.y()), line.Text[i]);
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

    // The extra room before the character at the index that keeps it apart from the one before.
    int Gap(const QString& text, int index) const
    {
        return index > 0 ? GapBetween(face_, text[index - 1], text[index], face_) : 0;
    }

    int Advance(QChar glyph) const
    {
        return face_.Measured(glyph).Advance + (bold_ ? 1 : 0);
    }

    int Width(const QString& text) const
    {
        int width = 0;
        for (int i = 0; i < text.size(); ++i)
            width += Gap(text, i) + Advance(text[i]);
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

    GlyphFace& face_;
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
    GlyphLayout(canvas.font(), text, flags, rect.width()).Draw(canvas, rect, flags);
}

void DrawText(QPainter& canvas, const QPoint& baseline, const QString& text)
{
    const GlyphLayout layout(canvas.font(), text, Qt::TextSingleLine, 0);
    layout.DrawLine(canvas, baseline, layout.Lines().front());
}

QSize TextSize(const QFont& font, const QString& text, int flags)
{
    return GlyphLayout(font, text, flags, 0).Size();
}

int LineHeight(const QFont& font)
{
    // bold is its regular glyphs struck twice: the regular face's line
    return GlyphFaceOf(font).Metrics.height();
}

int TextWidth(const QFont& font, const QString& text)
{
    return GlyphLayout(font, text, Qt::TextSingleLine, 0).Size().width();
}

QRect TextBounds(const QFont& font, const QRect& rect, int flags, const QString& text)
{
    return GlyphLayout(font, text, flags, rect.width()).Bounds(rect, flags);
}

void ApplyTextRules(const QTextBlock& block)
{
    // each run's face and weight first, then the changes
    struct Run {
        int Start, End;
        bool Bold;
        GlyphFace* Face;
    };
    const QFont base = block.document()->defaultFont();
    std::vector<Run> runs;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QFont font = fragment.charFormat().font().resolve(base);
        runs.push_back({fragment.position(), fragment.position() + fragment.length(), font.bold(), &GlyphFaceOf(font)});
    }
    QTextCursor cursor(block);
    for (const Run& run : runs) {
        QTextCharFormat rules;
        rules.setFontKerning(false);  // the gaps below are measured between unkerned glyphs
        if (run.Bold) {
            rules.setFontWeight(QFont::Normal);
            rules.setFontLetterSpacingType(QFont::AbsoluteSpacing);
            rules.setFontLetterSpacing(1);
            rules.setProperty(StruckTwiceProperty, true);
        }
        cursor.setPosition(run.Start);
        cursor.setPosition(run.End, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(rules);
    }
    // and lines apart as letters are: the lowest ink of a line (a "j", a "ą") a blank row above the
    // highest of the next (a "Ż", an "Ó"), whatever the face gives its lines (a box lays a line out
    // with the face's leading, which may be less than none)
    int extra = 0;
    for (const Run& run : runs) {
        QTextCursor at(block);
        at.setPosition(run.Start + (run.End > run.Start ? 1 : 0));
        const QFontMetrics metrics(at.charFormat().font().resolve(base));
        const int top = metrics.tightBoundingRect(QStringLiteral("ŻŚĆŃŹÓŁĄĘ")).top();
        const int bottom = metrics.tightBoundingRect(QStringLiteral("jypgąęłQ")).bottom();
        extra = std::max(extra, bottom - top + 2 - metrics.lineSpacing());
    }
    if (extra > 0) {
        QTextBlockFormat apart;
        apart.setLineHeight(extra, QTextBlockFormat::LineDistanceHeight);
        cursor.mergeBlockFormat(apart);
    }
    const QString text = block.text();
    std::size_t at = 0;
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i].isSpace())
            continue;  // a blank's advance is the box's to keep: its line may break there
        const int position = block.position() + i;
        while (at + 1 < runs.size() && runs[at].End <= position)
            ++at;
        const std::size_t next = at + 1 < runs.size() && runs[at].End <= position + 1 ? at + 1 : at;
        const int gap = GapBetween(*runs[at].Face, text[i], text[i + 1], *runs[next].Face);
        if (gap == 0)
            continue;
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        QTextCharFormat wider;
        wider.setFontLetterSpacingType(QFont::AbsoluteSpacing);
        wider.setFontLetterSpacing((runs[at].Bold ? 1 : 0) + gap);
        cursor.mergeCharFormat(wider);
    }
}
