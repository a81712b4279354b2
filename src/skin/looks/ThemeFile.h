// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

#include "SkinFileReader.h"

// Holds the reader of the file theme's current file.
class TsuiFileThemeMgr {
public:
    // False when the file does not exist (the current reader stays). Otherwise reads the file and
    // replaces the current reader; a damaged file raises ESkinFileError and keeps the current one.
    bool Load(const QString& fileName);

    void GetBitmap(int item, QImage* picture) const;
    bool GetBool(int item) const;
    int GetInt(int item) const;
    TColor GetColor(int item) const;

private:
    std::unique_ptr<TsuiThemeFileReader> reader_;
};

// A component naming a skin file; skinned controls with UIStyle FromThemeFile read their look
// through it.
class TsuiFileTheme : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ThemeFile READ ThemeFile WRITE SetThemeFile)
public:
    explicit TsuiFileTheme(QObject* owner = nullptr);

    static inline const char* const InvalidFileMessage = "Invalid skin file for Tessaly!";

    QString ThemeFile() const { return themeFile_; }
    // Looks for the file as named, then by its name in the program's folder; a file that is found
    // must be a skin file ("Invalid skin file for Tessaly!" otherwise). Setting the current value
    // again does nothing; a file that is not found changes nothing.
    void SetThemeFile(const QString& fileName);

    bool CanUse() const { return canUse_; }
    static bool IsSkinFile(const QString& fileName);

    void GetBitmap(int item, QImage* picture) const;
    void GetBitmap(int item, QImage* picture, int index, int count) const;
    bool GetBool(int item) const;
    int GetInt(int item) const;
    TColor GetColor(int item) const;

private:
    QString themeFile_;
    bool canUse_ = false;
    TsuiFileThemeMgr manager_;
};
