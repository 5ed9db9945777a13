// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/itemcombobox.h"

#include "rules/errors.h"

#include <QLineEdit>
#include <QWheelEvent>

ItemComboBox::ItemComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setMaxVisibleItems(8);
    // Every change of the selection that the program did not make is the user's
    // (a pick in the open list, the arrow keys).
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_programChange)
            emit userChanged();
    });
}

// A stray turn of the wheel over a closed box (a child's or a parent's on the
// way elsewhere) must not load another question or change the time limit:
// the wheel is neither a pick nor an edit. The open list still scrolls.
void ItemComboBox::wheelEvent(QWheelEvent *event)
{
    event->ignore();
}

void ItemComboBox::addItem(const QString &text)
{
    quietly([&] { QComboBox::addItem(text); });
}

QString ItemComboBox::item(int i) const
{
    if (i < 0 || i >= count())
        throw EStringListError(Errors::listIndex(i));
    return itemText(i);
}

QStringList ItemComboBox::items() const
{
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result.append(itemText(i));
    return result;
}

void ItemComboBox::setItems(const QStringList &items)
{
    quietly([&] {
        const QString shown = currentText();
        clear();
        addItems(items);
        selectKeepingText(-1);
        if (isEditable())
            lineEdit()->setText(shown);
    });
}

void ItemComboBox::clearItems()
{
    quietly([&] {
        const QString shown = currentText();
        clear();
        if (isEditable())
            lineEdit()->setText(shown);
    });
}

void ItemComboBox::setItemIndex(int i)
{
    quietly([&] { setCurrentIndex(i >= 0 && i < count() ? i : -1); });
}

void ItemComboBox::selectKeepingText(int i)
{
    quietly([&] {
        if (!isEditable()) {
            setCurrentIndex(i);
            return;
        }
        const QString shown = lineEdit()->text();
        const int cursor = lineEdit()->cursorPosition();
        setCurrentIndex(i);
        if (lineEdit()->text() != shown) {
            lineEdit()->setText(shown);
            lineEdit()->setCursorPosition(cursor);
        }
    });
}
