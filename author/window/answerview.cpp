// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/answerview.h"

#include "author/window/circleitem.h"

#include <QContextMenuEvent>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMenu>
#include <QPen>

namespace Maker {

AnswerView::AnswerView(QWidget *parent)
    : PictureView(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(scene(), &QGraphicsScene::selectionChanged, this, [this] { emit selectionChanged(selectedCircle()); });
}

AnswerView::~AnswerView()
{
    // The scene outlives this part of the view and tells of its items' end.
    scene()->disconnect(this);
}

void AnswerView::setCircles(const std::vector<Author::Circle> &circles, const QStringList &warnings)
{
    const int selected = selectedCircle();
    while (m_items.size() > circles.size()) {
        // Out of the list first: a selected item's end tells the scene, which
        // asks this view for the selection while the item is half gone.
        CircleItem *last = m_items.back();
        m_items.pop_back();
        delete last;
    }
    for (std::size_t i = 0; i < circles.size(); ++i) {
        if (i == m_items.size()) {
            auto *item = new CircleItem(int(i), circles[i]);
            connect(item, &CircleItem::edited, this,
                [this](int index, const Author::Circle &after) { emit changeRequested(index, after, false); });
            item->setEditable(!m_playing);
            item->setVisible(!m_playing);
            scene()->addItem(item);
            m_items.push_back(item);
        }
        m_items[i]->setCircle(circles[i]);
        m_items[i]->setWarning(warnings.value(int(i)));
    }
    if (selected >= int(m_items.size()))
        selectCircle(int(m_items.size()) - 1);
}

int AnswerView::selectedCircle() const
{
    for (CircleItem *item : m_items)
        if (item->isSelected())
            return item->index();
    return -1;
}

void AnswerView::selectCircle(int index)
{
    scene()->clearSelection();
    if (index >= 0 && index < int(m_items.size()))
        m_items[std::size_t(index)]->setSelected(true);
}

CircleItem *AnswerView::circleItem(int index) const
{
    return index >= 0 && index < int(m_items.size()) ? m_items[std::size_t(index)] : nullptr;
}

void AnswerView::setPlaying(bool playing)
{
    m_playing = playing;
    scene()->clearSelection();
    for (CircleItem *item : m_items) {
        item->setEditable(!playing);
        item->setVisible(!playing);
    }
    if (!playing)
        setPlayRings({});
}

void AnswerView::setPlayRings(const std::vector<Author::Circle> &rings)
{
    for (QGraphicsItem *ring : m_rings)
        delete ring;
    m_rings.clear();
    // The game's ring: red, two pixels wide, the circle's own size.
    QPen pen(Qt::red, 2.0);
    for (const Author::Circle &c : rings) {
        const QPointF centre = pixelCentre(c.x, c.y);
        m_rings.push_back(scene()->addEllipse(centre.x() - c.r, centre.y() - c.r, 2.0 * c.r, 2.0 * c.r, pen));
    }
}

CircleItem *AnswerView::circleItemAt(const QPoint &viewportPos) const
{
    for (QGraphicsItem *item : items(viewportPos))
        if (auto *circle = dynamic_cast<CircleItem *>(item); circle && circle->isVisible())
            return circle;
    return nullptr;
}

void AnswerView::mousePressEvent(QMouseEvent *event)
{
    if (m_playing) {
        if (event->button() == Qt::LeftButton) {
            const QPoint pixel = pixelAt(event->position().toPoint());
            if (pixel.x() >= 0 && pixel.y() >= 0 && pixel.x() < 350 && pixel.y() < 350)
                emit pictureClicked(pixel);
        }
        return;
    }
    PictureView::mousePressEvent(event);
}

void AnswerView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A child's quick second click is a click like any other.
    if (m_playing) {
        mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (circleItemAt(event->position().toPoint())) {
        PictureView::mouseDoubleClickEvent(event);
        return;
    }
    const QPoint pixel = pixelAt(event->position().toPoint());
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= 350 || pixel.y() >= 350)
        return;
    emit addRequested({pixel.x(), pixel.y(), NewRadius});
}

void AnswerView::keyPressEvent(QKeyEvent *event)
{
    const int index = selectedCircle();
    if (m_playing || index < 0) {
        PictureView::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        emit removeRequested(index);
        return;
    }
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    Author::Circle moved = m_items[std::size_t(index)]->circle();
    switch (event->key()) {
    case Qt::Key_Left: moved.x -= step; break;
    case Qt::Key_Right: moved.x += step; break;
    case Qt::Key_Up: moved.y -= step; break;
    case Qt::Key_Down: moved.y += step; break;
    default: PictureView::keyPressEvent(event); return;
    }
    emit changeRequested(index, moved, true);
}

void AnswerView::contextMenuEvent(QContextMenuEvent *event)
{
    if (m_playing)
        return;
    CircleItem *item = circleItemAt(event->pos());
    if (!item)
        return;
    const int index = item->index();
    selectCircle(index);
    QMenu menu(this);
    QAction *remove = menu.addAction(QStringLiteral("この円を消す"));
    emit circleMenuRequested(index, &menu);
    if (menu.exec(event->globalPos()) == remove)
        emit removeRequested(index);
}

} // namespace Maker
