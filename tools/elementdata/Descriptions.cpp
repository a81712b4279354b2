// SPDX-License-Identifier: GPL-3.0-or-later
#include "Descriptions.h"

#include "Cp1250.h"
#include "ElementSources.h"

#include <QRegularExpression>

#include <iterator>

namespace {

// The sections of a description, in their order; compounds and safety may be left out.
struct Heading {
    const char* Name;
    bool Optional;
};
constexpr Heading Headings[] = {{"Jaki jest i gdzie występuje", false}, {"Odkrycie", false}, {"Zastosowanie", false},
                                {"Związki", true}, {"Bezpieczeństwo", true}, {"Warto zapamiętać", false}};

int HeadingOrder(const QString& name)
{
    for (int i = 0; i < int(std::size(Headings)); ++i)
        if (name == QString::fromUtf8(Headings[i].Name))
            return i;
    return -1;
}

[[noreturn]] void Fault(const QString& fileName, int line, const QString& what)
{
    throw SourceError(QStringLiteral("%1:%2: %3").arg(fileName).arg(line).arg(what).toStdString());
}

// Text as RTF in Windows-1250: the RTF specials escaped, letters beyond ASCII as "\'hh", letters
// the code page lacks ("è" of Segrè) as "\uN" followed by their base letter for readers that do not
// know "\u", and the formula marks turned into lowered and raised runs.
QByteArray RtfText(const QString& text, const QString& fileName, int line)
{
    static const QRegularExpression mark(QStringLiteral("_([0-9]+)|\\^([0-9]*[+-])|\\^([0-9]+)"));
    QByteArray out;
    const auto byte = [&](char c) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (u >= 0x80) {
            out += "\\'" + QByteArray::number(u, 16).rightJustified(2, '0');
        } else if (c == '_' || c == '^') {
            Fault(fileName, line, QStringLiteral("\"_\" and \"^\" only mark the digits and charges of formulas"));
        } else {
            out += c;
        }
    };
    const auto plain = [&](const QString& part) {
        for (const QChar c : part) {
            if (const std::optional<QByteArray> bytes = StringToCp1250(QString(c))) {
                byte(bytes->at(0));
                continue;
            }
            const std::optional<QByteArray> base = StringToCp1250(QString(c).normalized(QString::NormalizationForm_D).left(1));
            if (c.isSurrogate() || !base || static_cast<unsigned char>(base->at(0)) >= 0x80)
                Fault(fileName, line, QStringLiteral("a character neither in Windows-1250 nor a Latin letter with a mark"));
            out += "\\u" + QByteArray::number(static_cast<qint16>(c.unicode())) + ' ';
            byte(base->at(0));
        }
    };
    qsizetype at = 0;
    for (auto it = mark.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        plain(text.mid(at, m.capturedStart() - at));
        if (m.capturedLength(1) > 0)
            out += "{\\sub " + m.captured(1).toLatin1() + "}";
        else
            out += "{\\super " + (m.capturedLength(2) > 0 ? m.captured(2) : m.captured(3)).toLatin1() + "}";
        at = m.capturedEnd();
    }
    plain(text.mid(at));
    return out;
}

} // namespace

QByteArray DescriptionRtf(const QString& source, const QString& polishName, const QString& fileName)
{
    if (!source.endsWith(QLatin1Char('\n')) || source.contains(QLatin1Char('\r')))
        Fault(fileName, 1, QStringLiteral("lines must end in a single line feed"));
    const QStringList lines = source.chopped(1).split(QLatin1Char('\n'));
    if (lines.first() != QStringLiteral("# ") + polishName)
        Fault(fileName, 1, QStringLiteral("the first line must be \"# %1\"").arg(polishName));
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Tahoma;}}\r\n"
                     "\\viewkind4\\uc1\\pard\\f0\\fs16\r\n";
    rtf += "{\\b\\fs18 " + RtfText(polishName, fileName, 1) + "}\\par\r\n";
    int lastHeading = -1;
    bool seen[std::size(Headings)] = {};
    int previousKind = 0;  // 0 title, 1 heading, 2 paragraph, 3 empty line
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const int number = i + 1;
        if (line.startsWith(QLatin1String("## "))) {
            const QString heading = line.mid(3);
            const int order = HeadingOrder(heading);
            if (order < 0)
                Fault(fileName, number, QStringLiteral("unknown heading \"%1\"").arg(heading));
            if (order <= lastHeading)
                Fault(fileName, number, QStringLiteral("heading \"%1\" out of order").arg(heading));
            lastHeading = order;
            seen[order] = true;
            rtf += "\\par\r\n{\\b " + RtfText(heading, fileName, number) + "}\\par\r\n";
            previousKind = 1;
        } else if (line.isEmpty()) {
            if (previousKind == 3 || previousKind == 0)
                Fault(fileName, number, QStringLiteral("a single empty line separates paragraphs"));
            previousKind = 3;
        } else {
            if (line.startsWith(QLatin1Char('#')) || previousKind == 2 || previousKind == 0)
                Fault(fileName, number, QStringLiteral("a paragraph is one line, after a heading or an empty line"));
            if (previousKind == 3)
                rtf += "\\par\r\n";
            rtf += RtfText(line.trimmed(), fileName, number) + "\\par\r\n";
            previousKind = 2;
        }
    }
    for (std::size_t i = 0; i < std::size(Headings); ++i)
        if (!Headings[i].Optional && !seen[i])
            Fault(fileName, int(lines.size()), QStringLiteral("the heading \"%1\" is missing").arg(QString::fromUtf8(Headings[i].Name)));
    if (previousKind != 2)
        Fault(fileName, int(lines.size()), QStringLiteral("the description must end with a paragraph"));
    return rtf + "}\r\n";
}
