// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/textlabel.h"

#include "platform/controls/mnemonic.h"
#include "platform/controls/stacking.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int textFlags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::AlignTop;
} // namespace

TextLabel::TextLabel(QWidget *parent)
    : QWidget(parent)
{
    markWindowless(this);
    adjustSize();
}

void TextLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    adjustSize();
    update();
}

void TextLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    adjustSize();
}

void TextLabel::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

void TextLabel::setColor(const QColor &color)
{
    m_color = color;
    update();
}

QColor TextLabel::color() const
{
    return m_color.isValid() ? m_color : palette().color(QPalette::Window);
}

void TextLabel::setTextColor(const QColor &color)
{
    m_textColor = color;
    update();
}

QColor TextLabel::textColor() const
{
    return m_textColor.isValid() ? m_textColor : palette().color(QPalette::WindowText);
}

void TextLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment & Qt::AlignHCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    update();
}

void TextLabel::setCentredVertically(bool on)
{
    m_centredVertically = on;
    update();
}

int TextLabel::lineHeight() const
{
    return Platform::lineMetrics(font()).height;
}

QRect TextLabel::textRect() const
{
    QRect r = rect();
    if (m_centredVertically)
        r.translate(0, (height() - lineHeight()) / 2);
    return r;
}

void TextLabel::adjustSize()
{
    if (!m_autoSize)
        return;
    const QFontMetrics metrics = fontMetrics();
    // An empty caption is measured as one blank, so the label keeps a size.
    const QString measured = withoutMnemonics(m_caption).isEmpty() ? QStringLiteral(" ") : m_caption;
    resize(metrics.horizontalAdvance(withoutMnemonics(measured)), lineHeight());
}

void TextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), color());
    const QRect text = textRect();
    painter.setClipRect(text.intersected(rect()));
    painter.setFont(font());
    painter.setPen(textColor());
    // Qt puts the baseline at the face's own ascent below the top; the line's
    // baseline is where the original faces put it.
    const Platform::LineMetrics metrics = Platform::lineMetrics(font());
    const QRect line(text.left(), text.top() + metrics.ascent - fontMetrics().ascent(), text.width(), metrics.height);
    painter.drawText(line, textFlags | int(m_alignment), m_caption);
}

void TextLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        adjustSize();
    QWidget::changeEvent(event);
}

void TextLabel::mousePressEvent(QMouseEvent *event)
{
    m_mouse.press(*event);
    event->accept();
}

void TextLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_mouse.press(*event);
    event->accept();
}

void TextLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    int shift = 0;
    if (m_mouse.release(*this, *event, &shift))
        emit mouseUp(event->button(), shift, event->position().toPoint());
}
