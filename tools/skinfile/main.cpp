// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a built-in style as a skin file, the start of a skin of one's own.
// Usage: make_skin_file <MacOS|WinXP|DeepBlue|Protein|BlueGlass> <file>

#include "SkinFileWriter.h"
#include "ThemeCatalog.h"

#include <QFile>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_skin_file <MacOS|WinXP|DeepBlue|Protein|BlueGlass> <file>\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    for (const TsuiUIStyle style : BuiltInStyles) {
        if (StyleName(style).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        const QByteArray bytes = SkinFileFromStyle(style);
        QFile file(QString::fromLocal8Bit(argv[2]));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
            std::fprintf(stderr, "make_skin_file: cannot write %s\n", argv[2]);
            return 1;
        }
        return 0;
    }
    std::fprintf(stderr, "make_skin_file: unknown style %s\n", argv[1]);
    return 2;
}
