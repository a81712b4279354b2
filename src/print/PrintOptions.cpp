// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintOptions.h"

#include "FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

const QString FolderKey = QStringLiteral("folder");
const QString GreyscaleKey = QStringLiteral("czarno-bialy");

} // namespace

QString PrintOptionsPath()
{
    return SettingsFilePath(QStringLiteral("drukowanie.conf"));
}

PrintOptions LoadPrintOptions(const QString& path)
{
    PrintOptions options;
    const std::optional<QByteArray> bytes = ReadSettingsFile(path);
    if (!bytes)
        return options;
    for (const auto& [key, value] : SettingsEntries(*bytes)) {
        if (key == FolderKey && QDir::isAbsolutePath(value))
            options.Folder = value;
        else if (key == GreyscaleKey)
            options.Greyscale = value.trimmed() == QLatin1String("1");
    }
    return options;
}

void SavePrintOptions(const PrintOptions& options, const QString& path)
{
    QString text = QStringLiteral("# Drukowanie: ostatnie ustawienia\n");
    // a name with a line break could not be read back: such a folder is not remembered
    if (!options.Folder.contains(QLatin1Char('\n')))
        text += FolderKey + QLatin1Char('=') + options.Folder + QLatin1Char('\n');
    text += GreyscaleKey + QLatin1Char('=') + (options.Greyscale ? QLatin1Char('1') : QLatin1Char('0')) + QLatin1Char('\n');
    WriteSettingsFile(path, text.toUtf8());
}

QString StartFolder(const PrintOptions& options)
{
    if (!options.Folder.isEmpty() && QFileInfo(options.Folder).isDir())
        return options.Folder;
    for (const QString& documents : {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                     QDir::home().filePath(QStringLiteral("Dokumenty"))})
        if (!documents.isEmpty() && QFileInfo(documents).isDir())
            return documents;
    return QDir::homePath();
}
