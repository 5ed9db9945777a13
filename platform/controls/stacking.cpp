// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/stacking.h"

#include <QList>
#include <QSet>
#include <QWidget>

namespace {
// A set rather than a dynamic property: the focus rules ask about every
// control each time one is shown, hidden or moved, and a dynamic property is
// looked up by name through all of QWidget's own properties first.
QSet<const QWidget *> &windowlessWidgets()
{
    static QSet<const QWidget *> widgets;
    return widgets;
}

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
    if (windowlessWidgets().contains(widget))
        return;
    windowlessWidgets().insert(widget);
    QObject::connect(widget, &QObject::destroyed, [widget] { windowlessWidgets().remove(widget); });
}

bool isWindowless(const QWidget *widget)
{
    return windowlessWidgets().contains(widget);
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
