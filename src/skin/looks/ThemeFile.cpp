// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeFile.h"

#include "BmpImage.h"
#include "Drawing.h"
#include "FileAccess.h"
#include "ThemeCatalog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QWidget>


namespace {

QString ItemKey(int item)
{
    const ThemeItemInfo* info = ThemeItem(item);
    return info ? QString::fromLatin1(info->Key) : QString();
}

} // namespace

bool TsuiFileThemeMgr::Load(const QString& fileName)
{
    if (!QFileInfo::exists(fileName))
        return false;
    reader_ = std::make_unique<TsuiThemeFileReader>(fileName);
    return true;
}

void TsuiFileThemeMgr::GetBitmap(int item, QImage* picture) const
{
    if (!reader_ || !picture)
        return;
    if (const QByteArray* data = reader_->FindImage(ItemKey(item))) {
        const QImage image = ReadBmp(*data);
        if (!image.isNull())
            *picture = image.convertToFormat(QImage::Format_RGB32);
    }
}

bool TsuiFileThemeMgr::GetBool(int item) const
{
    return reader_ && reader_->GetBool(ItemKey(item));
}

int TsuiFileThemeMgr::GetInt(int item) const
{
    return reader_ ? reader_->GetInt(ItemKey(item)) : 0;
}

TColor TsuiFileThemeMgr::GetColor(int item) const
{
    return TColor(GetInt(item));
}

TsuiFileTheme::TsuiFileTheme(QObject* owner)
    : QObject(owner)
{
}

bool TsuiFileTheme::IsSkinFile(const QString& fileName)
{
    const std::optional<QByteArray> head = TryReadFile(fileName, 16);
    return head && HasSkinFileMagic(*head);
}

void TsuiFileTheme::SetThemeFile(const QString& fileName)
{
    if (fileName == themeFile_)
        return;
    QString found = fileName;
    if (!QFileInfo::exists(found)) {
        found = QCoreApplication::applicationDirPath() + QLatin1Char('/') + QFileInfo(fileName).fileName();
        if (!QFileInfo::exists(found))
            return;
    }
    if (!IsSkinFile(found))
        throw ESkinFileError(InvalidFileMessage);
    const bool loaded = manager_.Load(found);
    themeFile_ = found;
    canUse_ = loaded;
    if (!loaded)
        return;
    // controls of the same window that use this file theme read their look again
    const auto* window = qobject_cast<const QWidget*>(parent());
    if (!window)
        return;
    for (QObject* component : window->window()->findChildren<QObject*>()) {
        if (!QByteArray(component->metaObject()->className()).startsWith("Tsui"))
            continue;
        const QVariant theme = component->property("FileTheme");
        if (theme.isValid() && theme.value<TsuiFileTheme*>() == this)
            component->setProperty("FileTheme", QVariant::fromValue(this));
    }
}

void TsuiFileTheme::GetBitmap(int item, QImage* picture) const
{
    manager_.GetBitmap(item, picture);
}

void TsuiFileTheme::GetBitmap(int item, QImage* picture, int index, int count) const
{
    if (!picture)
        return;
    QImage whole;
    manager_.GetBitmap(item, &whole);
    SliceStrip(whole, *picture, count, index);
}

bool TsuiFileTheme::GetBool(int item) const
{
    return manager_.GetBool(item);
}

int TsuiFileTheme::GetInt(int item) const
{
    return manager_.GetInt(item);
}

TColor TsuiFileTheme::GetColor(int item) const
{
    return manager_.GetColor(item);
}
