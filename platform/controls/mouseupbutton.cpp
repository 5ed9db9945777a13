// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/mouseupbutton.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QToolTip>

namespace {
constexpr int hintDelayMs = 500;
constexpr int hintShownMs = 2500;

bool clicksButton(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Space || event.key() == Qt::Key_Select || event.key() == Qt::Key_Return
        || event.key() == Qt::Key_Enter;
}
} // namespace

MouseUpButton::MouseUpButton(QWidget *parent)
    : QPushButton(parent)
{
    setAutoDefault(false);
    setMouseTracking(true);
    m_hintDelay.setSingleShot(true);
    m_hintDelay.setInterval(hintDelayMs);
    connect(&m_hintDelay, &QTimer::timeout, this, &MouseUpButton::showHint);
}

void MouseUpButton::setHintText(const QString &text)
{
    m_hint = text;
    if (m_hint.isEmpty()) {
        m_hintDelay.stop();
        hideHint();
    }
}

void MouseUpButton::showHint()
{
    if (m_hint.isEmpty() || !underMouse())
        return;
    QToolTip::showText(QCursor::pos(), m_hint, this, QRect(), hintShownMs);
    m_hintShown = true;
}

void MouseUpButton::hideHint()
{
    if (m_hintShown)
        QToolTip::hideText();
    m_hintShown = false;
}

bool MouseUpButton::event(QEvent *event)
{
    // The hint has its own timing; Qt's tooltip request is not used.
    if (event->type() == QEvent::ToolTip)
        return true;
    return QPushButton::event(event);
}

void MouseUpButton::mousePressEvent(QMouseEvent *event)
{
    m_hintDelay.stop();
    hideHint();
    m_mouse.press(*event);
    if (event->button() == Qt::LeftButton)
        QPushButton::mousePressEvent(event); // looks pressed while held
    event->accept();
}

void MouseUpButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void MouseUpButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        // Lets the button come back up; its clicked() is not this button's event.
        const QSignalBlocker quiet(this);
        QPushButton::mouseReleaseEvent(event);
    }
    event->accept();
    int shift = 0;
    if (m_mouse.release(*this, *event, &shift))
        emit mouseUp(event->button(), shift, event->position().toPoint());
}

void MouseUpButton::mouseMoveEvent(QMouseEvent *event)
{
    // The hint waits for the pointer to rest.
    if (!m_hintShown && event->buttons() == Qt::NoButton && !m_hint.isEmpty())
        m_hintDelay.start();
    QPushButton::mouseMoveEvent(event);
}

void MouseUpButton::keyPressEvent(QKeyEvent *event)
{
    if (clicksButton(*event)) {
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void MouseUpButton::keyReleaseEvent(QKeyEvent *event)
{
    if (clicksButton(*event)) {
        event->accept();
        return;
    }
    QPushButton::keyReleaseEvent(event);
}

void MouseUpButton::enterEvent(QEnterEvent *event)
{
    if (!m_hint.isEmpty())
        m_hintDelay.start();
    QPushButton::enterEvent(event);
}

void MouseUpButton::leaveEvent(QEvent *event)
{
    m_hintDelay.stop();
    hideHint();
    QPushButton::leaveEvent(event);
}
