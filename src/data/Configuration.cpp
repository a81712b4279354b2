// SPDX-License-Identifier: GPL-3.0-or-later
#include "Configuration.h"

#include "FileAccess.h"

std::optional<QByteArray> ConfigurationInText(const QByteArray& text, const QByteArray& symbol)
{
    std::optional<QByteArray> result;
    qsizetype start = 0;
    do {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        const QByteArray line = text.mid(start, end - start);
        const qsizetype space = line.indexOf(' ');
        const QByteArray lineSymbol = space >= 0 ? line.left(space) : QByteArray();
        if (lineSymbol == symbol)
            result = space >= 0 ? line.mid(space + 1) : QByteArray();
        start = end;
        if (start < text.size() && text[start] == '\r')
            ++start;
        if (start < text.size() && text[start] == '\n' && (start == end || text[end] == '\r'))
            ++start;
    } while (start < text.size());
    return result;
}

std::optional<QByteArray> FindConfiguration(const DataFolder& folder, const QByteArray& symbol)
{
    return ConfigurationInText(ReadOnlyFile(folder.ConfigurationPath()).ReadAll(MaxConfigurationBytes), symbol);
}

QByteArray Znajdz_konfiguracje(const DataFolder& folder, const QByteArray& symbol)
{
    return FindConfiguration(folder, symbol).value_or(QByteArray());
}

QList<QByteArray> Podziel_powloki(const QByteArray& text, qsizetype limit)
{
    // each shell drops the first character of what is left and takes the rest up to the next "+"
    QList<QByteArray> counts;
    qsizetype rest = 0;
    for (qsizetype shells = text.count('+'); shells > 0 && counts.size() < limit; --shells) {
        rest = std::min(rest + 1, text.size());
        const qsizetype plus = text.indexOf('+', rest);
        counts.append(text.mid(rest, plus >= 0 ? plus - rest : -1));
        if (plus >= 0)
            rest = plus;
    }
    return counts;
}
