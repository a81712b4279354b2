// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltInBitmaps.h"

#include "BmpImage.h"
#include "Drawing.h"
#include "ThemeCatalog.h"

#include <QFile>
#include <QHash>

static void InitialiseResources()
{
    Q_INIT_RESOURCE(skinbitmaps);
}

QImage LoadBitmapResource(const QString& name)
{
    static const bool initialised = (InitialiseResources(), true);
    Q_UNUSED(initialised);
    if (name.isEmpty())
        return QImage();
    // the resources never change, so each is decoded once; callers get a shared copy that detaches
    // when they change it
    static QHash<QString, QImage> decoded;
    const auto found = decoded.constFind(name);
    if (found != decoded.cend())
        return *found;
    QFile file(QStringLiteral(":/skin/") + name);
    QImage image = file.open(QIODevice::ReadOnly) ? ReadBmp(file) : QImage();
    if (!image.isNull())
        image = image.convertToFormat(QImage::Format_RGB32);
    return *decoded.insert(name, image);
}

void BuiltInBitmap(TsuiUIStyle style, int item, QImage* bitmap, int index, int count)
{
    if (!bitmap)
        return;
    const QImage resource = LoadBitmapResource(BuiltInResourceName(style, item));
    if (count == 0) {
        if (!resource.isNull())
            *bitmap = resource;
        return;
    }
    SliceStrip(resource, *bitmap, count, index);
}
