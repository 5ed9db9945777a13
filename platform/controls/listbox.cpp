// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/listbox.h"

#include "rules/errors.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

// Every line the same height, the list's item height.
class FixedHeightDelegate : public QStyledItemDelegate
{
public:
    FixedHeightDelegate(const int &height, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_height(height)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), m_height);
    }

private:
    const int &m_height;
};

} // namespace

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
    , m_itemHeight(fontMetrics().height())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setItemDelegate(new FixedHeightDelegate(m_itemHeight, this));
}

void ListBox::checkIndex(int i) const
{
    if (i < 0 || i >= count())
        throw EStringListError(Errors::listIndex(i));
}

void ListBox::addItem(const QString &text)
{
    QListWidget::addItem(text);
}

QString ListBox::item(int i) const
{
    checkIndex(i);
    return QListWidget::item(i)->text();
}

void ListBox::setItemText(int i, const QString &text)
{
    checkIndex(i);
    QListWidget::item(i)->setText(text);
}

void ListBox::deleteItem(int i)
{
    checkIndex(i);
    const int selected = itemIndex();
    delete takeItem(i);
    if (selected == i)
        setItemIndex(-1);
    else if (selected > i)
        setItemIndex(selected - 1);
    else
        setItemIndex(selected);
}

void ListBox::clearItems()
{
    clear();
}

QStringList ListBox::items() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(QListWidget::item(i)->text());
    return result;
}

void ListBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
}

int ListBox::itemIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::setItemIndex(int i)
{
    if (i < 0 || i >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
}

void ListBox::setItemHeight(int height)
{
    m_itemHeight = qMax(1, height);
    doItemsLayout();
}

// Clicking a line always selects it: the selected line stays selected.
QItemSelectionModel::SelectionFlags ListBox::selectionCommand(
    const QModelIndex &index, const QEvent *event) const
{
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    return QListWidget::selectionCommand(index, event) == QItemSelectionModel::NoUpdate
        ? QItemSelectionModel::NoUpdate
        : QItemSelectionModel::ClearAndSelect;
}

// Every mouse button selects the line it is pressed on (below the last line,
// the last line) and clicks when it is released: the list does not tell the
// left button from the right or the middle one.
void ListBox::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    if (count() > 0 && !indexAt(event->position().toPoint()).isValid())
        setItemIndex(count() - 1);
}

void ListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (count() > 0)
        emit userClicked();
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = itemIndex();
    QListWidget::keyPressEvent(event);
    if (itemIndex() != before)
        emit userClicked();
}
