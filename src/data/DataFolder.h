// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program's data lie: the folder of the running executable. Every path is that folder
// with its trailing separator followed by the file's own part; the parts under "Zbiory" begin with
// a separator of their own, which the file system takes as one.
class DataFolder {
public:
    // The folder, given with its trailing separator.
    explicit DataFolder(QString folderWithSeparator);

    static DataFolder OfExecutable();

    QString Folder() const { return folder_; }
    QString TablePath() const { return folder_ + QStringLiteral("dane.dat"); }
    QString ConfigurationPath() const { return folder_ + QStringLiteral("/Zbiory/!konfielekt.txt"); }
    QString PropertiesPath() const { return folder_ + QStringLiteral("/Zbiory/wlasciwosci.txt"); }
    QString NewerElementsPath() const { return folder_ + QStringLiteral("/Zbiory/pierwiastki-112-118.txt"); }
    QString DescriptionPath(const QString& fileName) const { return folder_ + QStringLiteral("/Zbiory/") + fileName; }
    QString PicturePath(const QString& fileName) const { return folder_ + QStringLiteral("/Zbiory/Rysunki/") + fileName; }

private:
    QString folder_;
};
