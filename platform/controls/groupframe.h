// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// An etched frame with its caption interrupting the top line. By default it
// takes its parent's colour.
class GroupFrame : public QWidget
{
    Q_OBJECT

public:
    explicit GroupFrame(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    void setColor(const QColor &color);
    QColor color() const;
    void setTextColor(const QColor &color);
    QColor textColor() const;

    // The row of the top line's dark half: half the caption's line height.
    int topLine() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_textColor;
};
