// Writes the shipped element data: dane.dat and Zbiory/!konfielekt.txt.
// Usage: generate_element_data <bodr elements.xml> <folder of our tables> <output folder>

#include "ElementSources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size() || !file.flush())
        throw SourceError("cannot write " + path.toStdString());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: generate_element_data <elements.xml> <tables folder> <output folder>\n");
        return 2;
    }
    try {
        const QList<ShippedElement> elements = SettleElements(args[1], args[2]);
        const QString out = args[3];
        if (!QDir().mkpath(out + QStringLiteral("/Zbiory")))
            throw SourceError("cannot make the output folder");
        WriteFile(out + QStringLiteral("/dane.dat"), TableFileBytes(elements));
        WriteFile(out + QStringLiteral("/Zbiory/!konfielekt.txt"), ConfigurationFileBytes(elements));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generate_element_data: %s\n", e.what());
        return 1;
    }
    return 0;
}
