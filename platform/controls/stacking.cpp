// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/stacking.h"

#include <QList>
#include <QVariant>
#include <QWidget>

namespace {
constexpr const char *windowlessProperty = "pimukaroWindowless";

QList<QWidget *> childWidgets(QWidget *parent)
{
    QList<QWidget *> widgets;
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && !widget->isWindow())
            widgets.append(widget);
    }
    return widgets;
}
} // namespace

void markWindowless(QWidget *widget)
{
    widget->setProperty(windowlessProperty, true);
}

bool isWindowless(const QWidget *widget)
{
    return widget->property(windowlessProperty).toBool();
}

void stackLikeWindows(QWidget *parent)
{
    // children() lists widgets bottom to top; raising each in that order,
    // windowless ones first, rebuilds the stack with the windowed on top.
    const QList<QWidget *> widgets = childWidgets(parent);
    for (QWidget *widget : widgets)
        if (isWindowless(widget))
            widget->raise();
    for (QWidget *widget : widgets)
        if (!isWindowless(widget))
            widget->raise();
}

void stackTreeLikeWindows(QWidget *root)
{
    stackLikeWindows(root);
    for (QWidget *child : childWidgets(root))
        stackTreeLikeWindows(child);
}
