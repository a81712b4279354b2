// SPDX-License-Identifier: GPL-3.0-or-later
#include "Align.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

#include <utility>
#include <vector>

namespace {
constexpr const char* AlignProperty = "Align";
}

TAlign AlignOf(const QWidget* control)
{
    const QVariant align = control->property(AlignProperty);
    return align.isValid() ? TAlign(align.toInt()) : TAlign::alNone;
}

void SetAlign(QWidget* control, TAlign align)
{
    control->setProperty(AlignProperty, int(align));
    if (QWidget* container = control->parentWidget())
        QCoreApplication::postEvent(container, new QEvent(QEvent::LayoutRequest));
}

void ArrangeAlignedChildren(QWidget* container, QRect area)
{
    // each child's alignment read once: a property read by name searches the class's property table
    std::vector<std::pair<QWidget*, TAlign>> aligned;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden())
            continue;
        if (const TAlign align = AlignOf(child); align != TAlign::alNone)
            aligned.emplace_back(child, align);
    }
    for (TAlign pass : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        for (const auto& [child, align] : aligned) {
            if (align != pass)
                continue;
            switch (pass) {
            case TAlign::alTop:
                child->setGeometry(area.left(), area.top(), area.width(), child->height());
                area.setTop(area.top() + child->height());
                break;
            case TAlign::alBottom:
                child->setGeometry(area.left(), area.bottom() + 1 - child->height(), area.width(), child->height());
                area.setBottom(area.bottom() - child->height());
                break;
            case TAlign::alLeft:
                child->setGeometry(area.left(), area.top(), child->width(), area.height());
                area.setLeft(area.left() + child->width());
                break;
            case TAlign::alRight:
                child->setGeometry(area.right() + 1 - child->width(), area.top(), child->width(), area.height());
                area.setRight(area.right() - child->width());
                break;
            case TAlign::alClient:
                child->setGeometry(area);
                break;
            case TAlign::alNone:
                break;
            }
        }
    }
}
