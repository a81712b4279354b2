// SPDX-License-Identifier: GPL-3.0-or-later
#include "DataFolder.h"

#include <QCoreApplication>

DataFolder::DataFolder(QString folderWithSeparator)
    : folder_(std::move(folderWithSeparator))
{
}

DataFolder DataFolder::OfExecutable()
{
    return DataFolder(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
}
