// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls/mouseuptracker.h"

#include <QPushButton>
#include <QTimer>

// A push button operated by the mouse alone: any button released over it
// raises mouseUp; the keyboard does nothing (it never clicks).
class MouseUpButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MouseUpButton(QWidget *parent = nullptr);

    // Shown once the pointer has rested on the button for 500 ms, hidden
    // again after 2500 ms. Empty: no hint.
    void setHintText(const QString &text);
    QString hintText() const { return m_hint; }

signals:
    void mouseUp(Qt::MouseButton button, int shift, QPoint pos);

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void showHint();
    void hideHint();

    MouseUpTracker m_mouse;
    QString m_hint;
    QTimer m_hintDelay;
    bool m_hintShown = false;
};
