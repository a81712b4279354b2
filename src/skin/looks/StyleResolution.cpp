// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleResolution.h"

#include "ThemeFile.h"

#include <QMetaClassInfo>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>

bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& effective)
{
    effective = style;
    if (style != TsuiUIStyle::FromThemeFile)
        return false;
    if (fileTheme && fileTheme->CanUse())
        return true;
    effective = TsuiUIStyle::DeepBlue;
    return false;
}

bool IsSkinnedForm(const QObject* object)
{
    const QMetaObject* meta = object->metaObject();
    const int info = meta->indexOfClassInfo("SkinRole");
    return info >= 0 && qstrcmp(meta->classInfo(info).value(), "Form") == 0;
}

TsuiUIStyle GetFormStyle(const QWidget* owner)
{
    if (!owner)
        return TsuiUIStyle::DeepBlue;
    const QWidget* form = owner->window();
    for (const QObject* child : form->children()) {
        if (IsSkinnedForm(child)) {
            const QVariant style = child->property("UIStyle");
            return style.isValid() ? style.value<TsuiUIStyle>() : TsuiUIStyle::DeepBlue;
        }
    }
    return TsuiUIStyle::DeepBlue;
}

bool HasProperty(const QObject* component, const char* name)
{
    return component && component->metaObject()->indexOfProperty(name) >= 0;
}

void ApplyStyleToChildren(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    if (!container)
        return;
    for (QObject* child : container->children()) {
        if (!child->isWidgetType() || !HasProperty(child, "FileTheme") || !HasProperty(child, "UIStyle"))
            continue;
        child->setProperty("FileTheme", QVariant::fromValue(fileTheme));
        child->setProperty("UIStyle", QVariant::fromValue(style));
    }
}
