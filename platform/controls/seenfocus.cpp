// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/seenfocus.h"

#include "platform/controls/stacking.h"

#include <QEvent>
#include <QHash>
#include <QWidget>

namespace {

bool isPartOfWindow(const QObject *object)
{
    return object && object->isWidgetType() && !static_cast<const QWidget *>(object)->isWindow();
}

bool coveredBySiblingAbove(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    const QRect shown = widget->geometry() & parent->rect();
    if (shown.isEmpty())
        return true;
    // children() lists the widgets bottom to top.
    const QObjectList &siblings = parent->children();
    for (qsizetype i = siblings.indexOf(const_cast<QWidget *>(widget)) + 1; i < siblings.size(); ++i) {
        if (!isPartOfWindow(siblings.at(i)))
            continue;
        const auto *sibling = static_cast<const QWidget *>(siblings.at(i));
        // Labels and image views are drawn on their parent and cover no control.
        if (!sibling->isHidden() && !isWindowless(sibling) && sibling->geometry().contains(shown))
            return true;
    }
    return false;
}

class SeenFocus : public QObject
{
public:
    explicit SeenFocus(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        watch(window);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window && !isPartOfWindow(watched))
            return false;
        switch (event->type()) {
        case QEvent::ChildAdded:
            if (QObject *child = static_cast<QChildEvent *>(event)->child(); isPartOfWindow(child))
                watch(static_cast<QWidget *>(child));
            break;
        case QEvent::Hide:
            // Sent before Qt passes the focus of a hidden control on to the next
            // one: the window takes it first.
            if (watched != m_window)
                leaveUnseenFocus();
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::ParentChange:
        case QEvent::ZOrderChange:
            update();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (watched != m_window && !isWindowless(static_cast<QWidget *>(watched)))
                update();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void watch(QWidget *widget)
    {
        widget->installEventFilter(this);
        connect(widget, &QObject::destroyed, this, [this, widget] { m_ownPolicies.remove(widget); });
        for (QObject *child : widget->children())
            if (isPartOfWindow(child))
                watch(static_cast<QWidget *>(child));
    }

    void update()
    {
        if (m_updating)
            return;
        m_updating = true;
        applyPolicies(m_window);
        leaveUnseenFocus();
        m_updating = false;
    }

    void applyPolicies(QWidget *parent)
    {
        for (QObject *child : parent->children()) {
            if (!isPartOfWindow(child))
                continue;
            auto *widget = static_cast<QWidget *>(child);
            const auto own = m_ownPolicies.constFind(widget);
            if (!isSeenInWindow(widget)) {
                if (own == m_ownPolicies.cend() && widget->focusPolicy() != Qt::NoFocus) {
                    m_ownPolicies.insert(widget, widget->focusPolicy());
                    widget->setFocusPolicy(Qt::NoFocus);
                }
            } else if (own != m_ownPolicies.cend()) {
                const Qt::FocusPolicy policy = *own;
                m_ownPolicies.erase(own);
                widget->setFocusPolicy(policy);
            }
            applyPolicies(widget);
        }
    }

    void leaveUnseenFocus()
    {
        // The window's focus control, also while another window is active.
        QWidget *focus = m_window->focusWidget();
        if (focus && focus != m_window && !isSeenInWindow(focus))
            m_window->setFocus(Qt::OtherFocusReason);
    }

    QWidget *m_window;
    // The focus policy each control was made with, kept while it is not seen.
    QHash<const QWidget *, Qt::FocusPolicy> m_ownPolicies;
    bool m_updating = false;
};

} // namespace

bool isSeenInWindow(const QWidget *control)
{
    for (const QWidget *widget = control; isPartOfWindow(widget); widget = widget->parentWidget())
        if (widget->isHidden() || coveredBySiblingAbove(widget))
            return false;
    return true;
}

void keepFocusOnSeenControls(QWidget *window)
{
    new SeenFocus(window);
}
