// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/window/pictureview.h"

#include <QStringList>

class QMenu;

namespace Maker {

class CircleItem;

// Picture B with its numbered answer circles, which the grown-up edits with
// the mouse and the keys. While a question is tried out, it takes a child's
// clicks instead and shows the rings of what was found.
class AnswerView : public PictureView
{
    Q_OBJECT

public:
    explicit AnswerView(QWidget *parent = nullptr);
    ~AnswerView() override;

    void setCircles(const std::vector<Author::Circle> &circles, const QStringList &warnings);
    int selectedCircle() const;
    void selectCircle(int index);
    CircleItem *circleItem(int index) const;

    void setPlaying(bool playing);
    bool isPlaying() const { return m_playing; }
    void setPlayRings(const std::vector<Author::Circle> &rings);

    static constexpr int NewRadius = 20;

signals:
    void addRequested(const Author::Circle &circle);
    void removeRequested(int index);
    void changeRequested(int index, const Author::Circle &after, bool nudge);
    void circleMenuRequested(int index, QMenu *menu);
    void selectionChanged(int index);
    void pictureClicked(const QPoint &pixel);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    CircleItem *circleItemAt(const QPoint &viewportPos) const;

    std::vector<CircleItem *> m_items;
    std::vector<QGraphicsItem *> m_rings;
    bool m_playing = false;
};

} // namespace Maker
