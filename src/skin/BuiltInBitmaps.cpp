#include "BuiltInBitmaps.h"

#include "Drawing.h"
#include "ThemeCatalog.h"

#include <QFile>

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
    QImage image(QStringLiteral(":/skin/") + name, "BMP");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
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
