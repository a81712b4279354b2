// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParentColor.h"

#include <QCoreApplication>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* PublishedColor = "uklad_published_color";

} // namespace

QEvent::Type ParentColorChanged()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void PublishColor(QWidget* container, TColor color)
{
    container->setProperty(PublishedColor, QVariant::fromValue(color));
    for (QObject* child : container->children()) {
        QEvent changed(ParentColorChanged());
        QCoreApplication::sendEvent(child, &changed);
    }
}

std::optional<TColor> ParentsColor(const QWidget* control)
{
    const QWidget* parent = control->parentWidget();
    const QVariant color = parent ? parent->property(PublishedColor) : QVariant();
    if (!color.isValid())
        return std::nullopt;
    return color.value<TColor>();
}
