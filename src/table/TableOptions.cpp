// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableOptions.h"

#include "FileAccess.h"

namespace {

const QString NewerElementsKey = QStringLiteral("pierwiastki-112-118");

} // namespace

QString TableOptionsPath()
{
    return SettingsFilePath(QStringLiteral("widok.conf"));
}

TableOptions LoadTableOptions(const QString& path)
{
    TableOptions options;
    const std::optional<QByteArray> bytes = ReadSettingsFile(path);
    if (!bytes)
        return options;
    for (const auto& [key, value] : SettingsEntries(*bytes))
        if (key == NewerElementsKey && (value.trimmed() == QLatin1String("0") || value.trimmed() == QLatin1String("1")))
            options.NewerElements = value.trimmed() == QLatin1String("1");
    return options;
}

void SaveTableOptions(const TableOptions& options, const QString& path)
{
    const QString text = QStringLiteral("# Widok: ostatnie ustawienia\n") + NewerElementsKey + QLatin1Char('=') +
                         (options.NewerElements ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char('\n');
    WriteSettingsFile(path, text.toUtf8());
}
