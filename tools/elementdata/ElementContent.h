// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementSources.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The files of the pages "Opis", "Stabilne izotopy" and "Rysunek" of every element, made from our
// descriptions and the repository's isotopes and crystals: their bytes by path under the data
// folder ("Zbiory/opis_026_Fe.rtf", "Zbiory/Rysunki/izotopy_026_Fe.bmp",
// "Zbiory/Rysunki/krysztal_026_Fe.jpg"), and each file's name set into its element's record.
// An element without isotopes in nature or without a crystal gets no picture of that kind.
// Raises SourceError when a description is missing or does not follow its format.
QMap<QString, QByteArray> SettleContent(QList<ShippedElement>& elements, const QString& repositoryFolder,
                                        const QString& tablesFolder);

// "026-Fe.txt": the description source of an element, in tablesFolder/descriptions.
QString DescriptionSource(const ShippedElement& element);
