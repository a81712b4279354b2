// SPDX-License-Identifier: GPL-3.0-or-later
#include "ElementContent.h"

#include "Crystals.h"
#include "Descriptions.h"
#include "Isotopes.h"
#include "Pictures.h"

#include <QFile>

namespace {

constexpr int JpegQuality = 90;

QString FileStem(const ShippedElement& element)
{
    return QStringLiteral("%1_%2").arg(element.AtomicNumber, 3, 10, QLatin1Char('0')).arg(element.Symbol);
}

} // namespace

QString DescriptionSource(const ShippedElement& element)
{
    return QStringLiteral("%1-%2.txt").arg(element.AtomicNumber, 3, 10, QLatin1Char('0')).arg(element.Symbol);
}

QMap<QString, QByteArray> SettleContent(QList<ShippedElement>& elements, const QString& repositoryFolder,
                                        const QString& tablesFolder)
{
    const QMap<QString, QList<NaturalIsotope>> isotopes = ReadNaturalIsotopes(tablesFolder + QStringLiteral("/isotopes.tsv"));
    const QMap<QString, Crystal> crystals = SettleCrystals(repositoryFolder + QStringLiteral("/crystalstructures.xml"),
                                                           repositoryFolder + QStringLiteral("/space-groups.xml"),
                                                           tablesFolder + QStringLiteral("/crystals.tsv"));
    QMap<QString, QByteArray> files;
    // what each picture shows, in words, for a screen reader
    QByteArray pictureTexts = "# Co przedstawiają rysunki, słowami dla czytnika ekranu: plik, tabulator, opis (UTF-8).\n";
    for (ShippedElement& element : elements) {
        const QString stem = FileStem(element);
        const QString source = DescriptionSource(element);
        QFile file(tablesFolder + QStringLiteral("/descriptions/") + source);
        if (!file.open(QIODevice::ReadOnly))
            throw SourceError("the description " + source.toStdString() + " is missing");
        element.DescriptionFile = QStringLiteral("opis_%1.rtf").arg(stem);
        files.insert(QStringLiteral("Zbiory/") + element.DescriptionFile,
                     DescriptionRtf(QString::fromUtf8(file.readAll()), element.PolishName, source));

        if (const auto found = isotopes.constFind(element.Symbol); found != isotopes.cend()) {
            element.IsotopeImage = QStringLiteral("izotopy_%1.bmp").arg(stem);
            files.insert(QStringLiteral("Zbiory/Rysunki/") + element.IsotopeImage, Bitmap8File(IsotopePicture(element, *found)));
            pictureTexts += (element.IsotopeImage + QLatin1Char('\t') + IsotopeText(element, *found) + QLatin1Char('\n')).toUtf8();
        }
        if (const auto found = crystals.constFind(element.Symbol); found != crystals.cend()) {
            element.DrawingImage = QStringLiteral("krysztal_%1.jpg").arg(stem);
            const QByteArray comment = QStringLiteral("%1 (%2)").arg(element.PolishName, element.Symbol).toUtf8();
            files.insert(QStringLiteral("Zbiory/Rysunki/") + element.DrawingImage,
                         JpegFile(CrystalPicture(element, *found), JpegQuality, comment));
            pictureTexts += (element.DrawingImage + QLatin1Char('\t') + CrystalText(element, *found) + QLatin1Char('\n')).toUtf8();
        }
    }
    files.insert(QStringLiteral("Zbiory/Rysunki/opisy.txt"), pictureTexts);
    return files;
}
