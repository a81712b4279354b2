// SPDX-License-Identifier: GPL-3.0-or-later
#include "RtfReader.h"

#include "CodePages.h"
#include "Cp1250.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Deeper groups than this are still counted, so their braces match, but keep the formatting of
// the group at this depth.
constexpr std::size_t MaxDepth = 1000;
// A numeric parameter keeps at most this many digits; the rest are read and make it no larger.
constexpr int MaxDigits = 10;

enum class Destination { Text, Skip, FontTable, ColourTable };

struct GroupState {
    Destination Where = Destination::Text;
    RtfRun Format;          // the character format (its text unused)
    bool Hidden = false;    // "\v": text not shown
    int CodePage = 0;       // of the "\'hh" bytes, by the current font's charset; 0 the document's
    int SkipAfterUnicode = 1;
};

// The code page of a font's "\fcharset"; 0 where the document's own applies.
int CodePageOfCharset(int charset)
{
    switch (charset) {
    case 0: return 1252;    // ANSI
    case 161: return 1253;  // Greek
    case 186: return 1257;  // Baltic
    case 204: return 1251;  // Cyrillic
    case 238: return 1250;  // central European
    default: return 0;
    }
}

class Parser {
public:
    explicit Parser(const QByteArray& rtf) : rtf_(rtf) { states_.push_back(GroupState()); }

    QList<RtfParagraph> Run()
    {
        while (at_ < rtf_.size()) {
            const char c = rtf_[at_++];
            switch (c) {
            case '{': OpenGroup(); break;
            case '}': CloseGroup(); break;
            case '\\': ControlSymbolOrWord(); break;
            case '\r':
            case '\n': break;
            default: Byte(c); break;
            }
        }
        FinishParagraph(false);
        return paragraphs_;
    }

private:
    GroupState& State() { return states_.back(); }

    void OpenGroup()
    {
        FlushText();
        if (states_.size() < MaxDepth)
            states_.push_back(State());
        else
            ++overflow_;
    }

    void CloseGroup()
    {
        FlushText();
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (states_.size() > 1) {
            if (State().Where == Destination::FontTable)
                EndFontEntry();
            states_.pop_back();
        }
    }

    void ControlSymbolOrWord()
    {
        if (at_ >= rtf_.size())
            return;
        const char c = rtf_[at_];
        if (!IsLetter(c)) {
            ++at_;
            ControlSymbol(c);
            return;
        }
        QByteArray word;
        while (at_ < rtf_.size() && IsLetter(rtf_[at_]) && word.size() < 32)
            word += rtf_[at_++];
        while (at_ < rtf_.size() && IsLetter(rtf_[at_]))
            ++at_;  // an over-long word is read to its end and means nothing
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (at_ < rtf_.size() && rtf_[at_] == '-' && at_ + 1 < rtf_.size() && IsDigit(rtf_[at_ + 1])) {
            negative = true;
            ++at_;
        }
        for (int digits = 0; at_ < rtf_.size() && IsDigit(rtf_[at_]); ++digits, ++at_) {
            if (digits < MaxDigits)
                parameter = parameter * 10 + (rtf_[at_] - '0');
            hasParameter = true;
        }
        if (at_ < rtf_.size() && rtf_[at_] == ' ')
            ++at_;  // the delimiting space belongs to the control word
        const int value = int(std::clamp<long long>(negative ? -parameter : parameter, -2147483647LL, 2147483647LL));
        ControlWord(word, hasParameter, value);
    }

    void ControlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            int value = 0;
            int digits = 0;
            for (; digits < 2 && at_ < rtf_.size() && HexValue(rtf_[at_]) >= 0; ++digits)
                value = value * 16 + HexValue(rtf_[at_++]);
            if (digits == 2)
                Byte(char(value));
            break;
        }
        case '*': State().Where = Destination::Skip; break;
        case '~': Character(QChar(0x00A0)); break;
        case '_': Character(QLatin1Char('-')); break;
        case '-': break;  // an optional hyphen: the box breaks lines itself
        case '\r':
        case '\n': Paragraph(); break;
        default: Byte(c); break;  // "\\", "\{", "\}" and any other symbol stand for themselves
        }
    }

    void ControlWord(const QByteArray& word, bool hasParameter, int value)
    {
        FlushText();
        GroupState& s = State();
        RtfRun& f = s.Format;
        const bool on = !hasParameter || value != 0;
        if (word == "fonttbl") {
            s.Where = Destination::FontTable;
            fontIndex_ = -1;
        } else if (word == "colortbl") {
            s.Where = Destination::ColourTable;
            colour_ = QColor(0, 0, 0);
        } else if (IsSkippedDestination(word)) {
            s.Where = Destination::Skip;
        } else if (word == "f" && hasParameter) {
            FontWord(value);
        } else if (word == "fcharset" && hasParameter) {
            fontCodePage_ = CodePageOfCharset(value);
        } else if (word == "ansicpg" && hasParameter) {
            documentCodePage_ = IsKnownCodePage(value) ? value : documentCodePage_;
        } else if (word == "bin") {
            at_ = std::min(rtf_.size(), at_ + std::max(0, value));  // binary data, never text
        } else if (word == "deff" && hasParameter) {
            defaultFont_ = value;
        } else if (s.Where == Destination::ColourTable) {
            ColourWord(word, value);
        } else if (word == "b") {
            f.Bold = on;
        } else if (word == "i") {
            f.Italic = on;
        } else if (word == "ul") {
            f.Underline = on;
        } else if (word == "ulnone") {
            f.Underline = false;
        } else if (word == "sub" || word == "super" || word == "nosupersub") {
            f.Position = word == "sub" ? RtfRun::Script::Sub : word == "super" ? RtfRun::Script::Super : RtfRun::Script::Normal;
        } else if (word == "fs" && hasParameter) {
            f.HalfPoints = std::clamp(value, 0, 2000);
        } else if (word == "cf" && hasParameter) {
            f.Color = value > 0 && value < colours_.size() ? colours_[value] : QColor();
        } else if (word == "plain") {
            f = RtfRun();
            s.Hidden = false;
        } else if (word == "v") {
            s.Hidden = on;
        } else if (word == "pard" || word == "ql") {
            paragraph_.Alignment = Qt::AlignLeft;
        } else if (word == "qc") {
            paragraph_.Alignment = Qt::AlignHCenter;
        } else if (word == "qr") {
            paragraph_.Alignment = Qt::AlignRight;
        } else if (word == "qj") {
            paragraph_.Alignment = Qt::AlignJustify;
        } else if (word == "par" || word == "sect") {
            Paragraph();
        } else if (word == "cell" || word == "nestcell") {
            Character(QLatin1Char('\t'));  // the cells of a table row, a tab apart
        } else if (word == "row" || word == "nestrow") {
            EndRow();
        } else if (word == "uc" && hasParameter) {
            s.SkipAfterUnicode = std::clamp(value, 0, 16);
        } else if (word == "u" && hasParameter) {
            Unicode(value);
        } else if (const QChar special = SpecialCharacter(word); !special.isNull()) {
            Character(special);
        }
    }

    static QChar SpecialCharacter(const QByteArray& word)
    {
        static const std::pair<const char*, char16_t> specials[] = {
            {"line", QChar::LineSeparator}, {"tab", u'\t'}, {"emdash", 0x2014}, {"endash", 0x2013},
            {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019}, {"ldblquote", 0x201C},
            {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}};
        for (const auto& [name, character] : specials)
            if (word == name)
                return QChar(character);
        return QChar();
    }

    // The characters after "\uN" that stand in for it in readers without Unicode are skipped.
    void Unicode(int value)
    {
        // a signed 16-bit code; anything outside it stands for a character that cannot be shown
        const bool valid = value >= -32768 && value <= 65535;
        const QChar character = valid ? QChar(char16_t(value < 0 ? value + 65536 : value)) : QChar(QChar::ReplacementCharacter);
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r'))
            Character(QChar::LineSeparator);
        else if (character.unicode() >= 0x20 || character == QLatin1Char('\t'))
            Character(character);  // other control characters would show as boxes
        for (int skip = State().SkipAfterUnicode; skip > 0 && at_ < rtf_.size(); --skip) {
            const char c = rtf_[at_];
            if (c == '{' || c == '}')
                break;
            ++at_;
            if (c == '\\' && at_ < rtf_.size()) {
                if (rtf_[at_] == '\'') {
                    at_ = std::min(at_ + 3, rtf_.size());
                } else {
                    while (at_ < rtf_.size() && (IsLetter(rtf_[at_]) || IsDigit(rtf_[at_]) || rtf_[at_] == '-'))
                        ++at_;
                    if (at_ < rtf_.size() && rtf_[at_] == ' ')
                        ++at_;
                }
            }
        }
    }

    void FontWord(int value)
    {
        GroupState& s = State();
        if (s.Where == Destination::FontTable) {
            EndFontEntry();
            fontIndex_ = value;
            fontName_.clear();
            fontCodePage_ = 0;
            return;
        }
        FlushText();  // the bytes so far are in the code page of the font they were written in
        const auto found = std::find_if(fonts_.cbegin(), fonts_.cend(), [&](const Font& font) { return font.Index == value; });
        s.Format.Family = found != fonts_.cend() ? found->Name : QString();
        s.CodePage = found != fonts_.cend() ? found->CodePage : 0;
    }

    // Text without a font of its own is in the document's default font.
    QString DefaultFamily() const
    {
        const auto found = std::find_if(fonts_.cbegin(), fonts_.cend(), [&](const Font& font) { return font.Index == defaultFont_; });
        return found != fonts_.cend() ? found->Name : QString();
    }

    void EndFontEntry()
    {
        if (fontIndex_ < 0)
            return;
        QString name = Cp1250ToString(fontName_).trimmed();
        if (name.endsWith(QLatin1Char(';')))
            name.chop(1);
        if (fonts_.size() < 1000)
            fonts_.append({fontIndex_, name.trimmed(), fontCodePage_});
        fontIndex_ = -1;
        fontName_.clear();
    }

    void ColourWord(const QByteArray& word, int value)
    {
        const int component = std::clamp(value, 0, 255);
        if (word == "red")
            colour_.setRed(component);
        else if (word == "green")
            colour_.setGreen(component);
        else if (word == "blue")
            colour_.setBlue(component);
    }

    static bool IsSkippedDestination(const QByteArray& word)
    {
        static const char* const skipped[] = {"stylesheet", "info", "pict", "header", "footer", "headerl", "headerr",
                                              "headerf", "footerl", "footerr", "footerf", "footnote", "object",
                                              "themedata", "colorschememapping", "datastore", "latentstyles",
                                              "listtable", "listoverridetable", "rsidtbl", "generator", "xmlnstbl",
                                              "mmathPr", "filetbl", "revtbl", "pgdsctbl", "bkmkstart", "bkmkend",
                                              "fldinst", "shp", "nonshppict", "template"};
        for (const char* name : skipped)
            if (word == name)
                return true;
        return false;
    }

    // A byte of text in the current destination: Windows-1250 in the text, part of a name in the
    // font table, the end of an entry in the colour table.
    void Byte(char c)
    {
        switch (State().Where) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (fontName_.size() < 256)
                fontName_ += c;
            if (c == ';')
                EndFontEntry();
            return;
        case Destination::ColourTable:
            if (c == ';' && colours_.size() < 1000) {
                colours_.append(colour_);
                colour_ = QColor(0, 0, 0);
            }
            return;
        case Destination::Text:
            if (!State().Hidden && (std::uint8_t(c) >= 0x20 || c == '\t'))
                pending_ += c;
            return;
        }
    }

    void Character(QChar c)
    {
        if (State().Where != Destination::Text || State().Hidden)
            return;
        FlushText();
        Append(QString(c));
    }

    // The bytes of text so far, in the code page of their font or else of the document.
    void FlushText()
    {
        if (pending_.isEmpty())
            return;
        int codePage = State().CodePage;
        if (codePage == 0) {  // text without a font of its own: the default font's, or the document's
            const auto found = std::find_if(fonts_.cbegin(), fonts_.cend(), [&](const Font& font) { return font.Index == defaultFont_; });
            codePage = found != fonts_.cend() && found->CodePage != 0 ? found->CodePage : documentCodePage_;
        }
        Append(CodePageToString(pending_, codePage));
        pending_.clear();
    }

    void Append(const QString& text)
    {
        if (text.isEmpty())
            return;
        RtfRun format = State().Format;
        if (format.Family.isEmpty())
            format.Family = DefaultFamily();
        if (!paragraph_.Runs.isEmpty()) {
            RtfRun& last = paragraph_.Runs.back();
            if (last.Bold == format.Bold && last.Italic == format.Italic && last.Underline == format.Underline
                && last.Position == format.Position && last.HalfPoints == format.HalfPoints && last.Color == format.Color
                && last.Family == format.Family) {
                last.Text += text;
                return;
            }
        }
        RtfRun run = format;
        run.Text = text;
        paragraph_.Runs.append(run);
    }

    void Paragraph()
    {
        if (State().Where != Destination::Text)
            return;
        FlushText();
        FinishParagraph(true);
    }

    // A table row ends its line, without the tab after its last cell.
    void EndRow()
    {
        if (State().Where != Destination::Text)
            return;
        FlushText();
        if (!paragraph_.Runs.isEmpty() && paragraph_.Runs.back().Text.endsWith(QLatin1Char('\t'))) {
            paragraph_.Runs.back().Text.chop(1);
            if (paragraph_.Runs.back().Text.isEmpty())  // a run that held only that tab goes with it
                paragraph_.Runs.removeLast();
        }
        FinishParagraph(true);
    }

    void FinishParagraph(bool always)
    {
        FlushText();
        if (always || !paragraph_.Runs.isEmpty())
            paragraphs_.append(paragraph_);
        paragraph_.Runs.clear();
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static int HexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    const QByteArray& rtf_;
    qsizetype at_ = 0;
    std::vector<GroupState> states_;
    std::size_t overflow_ = 0;
    QByteArray pending_;
    RtfParagraph paragraph_;
    QList<RtfParagraph> paragraphs_;
    struct Font {
        int Index;
        QString Name;
        int CodePage;
    };
    QList<Font> fonts_;
    int fontIndex_ = -1;
    int fontCodePage_ = 0;
    int documentCodePage_ = 1250;
    int defaultFont_ = -1;
    QByteArray fontName_;
    QList<QColor> colours_;
    QColor colour_ = QColor(0, 0, 0);
};

} // namespace

QList<RtfParagraph> ParseRtf(const QByteArray& rtf)
{
    return Parser(rtf).Run();
}

bool IsRtf(const QByteArray& bytes)
{
    return bytes.startsWith("{\\rtf");
}

namespace {

// A paragraph is laid out as a whole, in a time that grows faster than its length: a file of one
// paragraph of megabytes would hold the window for a minute. The box therefore takes a paragraph in
// pieces of at most this many characters, each a paragraph of its own, cut after a blank where
// one falls in the piece; and of a file larger than a learner reads it takes the first part only,
// saying so.
constexpr qsizetype PieceCharacters = 4096;
constexpr qsizetype MaxShownCharacters = qsizetype(1) << 20;

// The lines of a plain text, each a paragraph of one run: "\r\n", "\n" and "\r" end a line.
QList<RtfParagraph> PlainParagraphs(const QString& text)
{
    QList<RtfParagraph> paragraphs;
    qsizetype start = 0;
    for (qsizetype at = 0; at <= text.size(); ++at) {
        const bool end = at == text.size();
        if (!end && text[at] != QLatin1Char('\n') && text[at] != QLatin1Char('\r'))
            continue;
        RtfParagraph paragraph;
        if (at > start) {
            RtfRun run;
            run.Text = text.mid(start, at - start);
            paragraph.Runs.append(run);
        }
        if (!end || at > start || paragraphs.isEmpty())
            paragraphs.append(paragraph);
        if (!end && text[at] == QLatin1Char('\r') && at + 1 < text.size() && text[at + 1] == QLatin1Char('\n'))
            ++at;
        start = at + 1;
    }
    return paragraphs;
}

QTextCharFormat FormatOf(const RtfRun& run)
{
    QTextCharFormat format;
    format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.Italic);
    format.setFontUnderline(run.Underline);
    if (run.Position != RtfRun::Script::Normal)
        format.setVerticalAlignment(run.Position == RtfRun::Script::Sub ? QTextCharFormat::AlignSubScript
                                                                        : QTextCharFormat::AlignSuperScript);
    if (run.HalfPoints > 0)  // points at 96 dots per inch, as the windows' pixel sizes
        format.setProperty(QTextFormat::FontPixelSize, (run.HalfPoints * 2 + 1) / 3);
    if (run.Color.isValid())
        format.setForeground(run.Color);
    if (!run.Family.isEmpty())
        format.setFontFamilies({run.Family});
    return format;
}

// How many characters of the text go into a piece with room for so many more: up to and with the
// last blank that fits; where none does, none into a piece that holds text already, else as many
// as fit (a word of thousands of letters).
qsizetype TakenIntoPiece(const QString& text, qsizetype room, bool pieceHoldsText)
{
    if (text.size() <= room)
        return text.size();
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), room - 1);
    if (blank >= 0)
        return blank + 1;
    return pieceHoldsText ? 0 : room;
}

} // namespace

void LoadDescription(QTextDocument& document, const QByteArray& bytes)
{
    document.clear();
    const QList<RtfParagraph> paragraphs = IsRtf(bytes) ? ParseRtf(bytes) : PlainParagraphs(Cp1250ToString(bytes));
    // one edit: a box showing the document lays it out again after every insertion otherwise, which
    // grows with the square of a paragraph's runs
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    bool first = true;
    qsizetype shown = 0, inPiece = 0;
    const auto startPiece = [&](const QTextBlockFormat& block) {
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        inPiece = 0;
    };
    bool shortened = false;
    for (const RtfParagraph& paragraph : paragraphs) {
        if (shown >= MaxShownCharacters) {
            shortened = true;
            break;
        }
        QTextBlockFormat block;
        block.setAlignment(paragraph.Alignment);
        startPiece(block);
        for (const RtfRun& run : paragraph.Runs) {
            const QTextCharFormat format = FormatOf(run);
            QString text = run.Text;
            while (!text.isEmpty() && !shortened) {
                const qsizetype room = std::min(PieceCharacters - inPiece, MaxShownCharacters - shown);
                const qsizetype taken = TakenIntoPiece(text, room, inPiece > 0);
                cursor.insertText(text.left(taken), format);
                inPiece += taken;
                shown += taken;
                text.remove(0, taken);
                if (text.isEmpty())
                    break;
                if (shown >= MaxShownCharacters)
                    shortened = true;
                else
                    startPiece(block);
            }
        }
    }
    if (shortened) {
        cursor.movePosition(QTextCursor::Start);
        QTextCharFormat note;
        note.setFontWeight(QFont::Bold);
        cursor.insertText(QString::fromUtf8(ShortenedDescriptionNote), note);
        cursor.insertBlock();
    }
    cursor.endEditBlock();
}
