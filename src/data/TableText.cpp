// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableText.h"

#include "FileAccess.h"
#include "InOutError.h"

std::vector<TableLine> TableRows(const QByteArray& text, const QString& path)
{
    std::vector<TableLine> rows;
    const QList<QByteArray> lines = (text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const int number = int(i + 1);
        if (bytes.size() > MaxTableLineLength)
            throw PropertiesError(path, number, QStringLiteral("wiersz dłuższy niż %1 znaków").arg(MaxTableLineLength));
        const QString line = QString::fromUtf8(bytes);
        if (line.toUtf8() != bytes)
            throw PropertiesError(path, number, QStringLiteral("tekst nie jest zapisany w UTF-8"));
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        rows.push_back({number, line});
    }
    return rows;
}

QByteArray ReadTableText(const QString& path)
{
    QByteArray text;
    try {
        ReadOnlyFile file(path);
        text.resize(MaxPropertiesBytes + 1);
        text.resize(qsizetype(file.Read(text.data(), std::size_t(text.size()))));
    } catch (const std::exception& e) {
        throw PropertiesError::Unreadable(path, ReasonInPolish(e));
    }
    if (text.size() > MaxPropertiesBytes) {
        // the line the limit falls in, named when it is the one that is too long
        const qsizetype lineStart = text.lastIndexOf('\n', MaxPropertiesBytes - 1) + 1;
        if (MaxPropertiesBytes - lineStart > MaxTableLineLength)
            throw PropertiesError(path, int(text.left(lineStart).count('\n')) + 1,
                                  QStringLiteral("wiersz dłuższy niż %1 znaków").arg(MaxTableLineLength));
        throw PropertiesError(path, 0, QStringLiteral("jest większy niż %1 KB").arg(MaxPropertiesBytes / 1024));
    }
    return text;
}
