// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls/mouseuptracker.h"

#include <QColor>
#include <QWidget>

// A one-line text drawn on its parent's surface. An "&" marks the next
// character as the mnemonic (drawn underlined); "&&" draws one "&".
class TextLabel : public QWidget
{
    Q_OBJECT

public:
    explicit TextLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    // On (the default): the label takes the width of its text and the height
    // of one line whenever caption or font change, keeping its left and top.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }
    // The height of one line of its font, as the original faces measure it
    // (Platform::lineMetrics); the text's baseline lies that line's ascent
    // below the top of the text rectangle.
    int lineHeight() const;

    // A transparent label draws only its text; an opaque one fills its
    // rectangle with its colour first (by default its parent's colour).
    void setTransparent(bool on);
    bool transparent() const { return m_transparent; }
    void setColor(const QColor &color);
    QColor color() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;

    // Qt::AlignLeft or Qt::AlignHCenter.
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const { return m_alignment; }

    // The text rectangle is the label's rectangle moved down by (H - h) / 2,
    // truncated toward zero (H the label's height, h the line height); the
    // text is drawn from its top and clipped to it and to the label.
    void setCentredVertically(bool on);
    bool centredVertically() const { return m_centredVertically; }

    // The rectangle the text is laid out in, in the label's coordinates.
    QRect textRect() const;

signals:
    void mouseUp(Qt::MouseButton button, int shift, QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void adjustSize();

    QString m_caption;
    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_centredVertically = false;
    QColor m_color; // invalid: the parent's colour
    QColor m_textColor; // invalid: the font colour inherited
    Qt::Alignment m_alignment = Qt::AlignLeft;
    MouseUpTracker m_mouse;
};
