// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/groupframe.h"

#include "platform/controls/mnemonic.h"

#include <QPainter>

namespace {
constexpr int captionLeft = 8;
constexpr int captionFlags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignLeft | Qt::AlignTop;
} // namespace

GroupFrame::GroupFrame(QWidget *parent)
    : QWidget(parent)
{
}

void GroupFrame::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void GroupFrame::setColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    update();
}

QColor GroupFrame::color() const
{
    return palette().color(QPalette::Window);
}

void GroupFrame::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

QColor GroupFrame::textColor() const
{
    return m_textColor.isValid() ? m_textColor : palette().color(QPalette::WindowText);
}

int GroupFrame::topLine() const
{
    return fontMetrics().height() / 2;
}

void GroupFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), color());
    // Etched: a dark rectangle with a light one one pixel below and right of it.
    const int top = topLine();
    const QRect dark(0, top, width() - 1, height() - top - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(dark.translated(1, 1).adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(dark.adjusted(0, 0, -1, -1));
    if (m_caption.isEmpty())
        return;
    // The caption's own rectangle, blanks and all, is cleared to the box colour.
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(
        captionLeft, 0, metrics.horizontalAdvance(withoutMnemonics(m_caption)), metrics.height());
    painter.fillRect(caption, color());
    painter.setFont(font());
    painter.setPen(textColor());
    painter.drawText(caption, captionFlags, m_caption);
}
