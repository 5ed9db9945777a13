// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>
#include <QStringList>

// A single-selection list of lines in a sunken frame. Changes made by the
// program raise no signal; userClicked() tells of the user's clicks and of
// selection moves by keyboard.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    int count() const { return QListWidget::count(); }
    void addItem(const QString &text);
    // Throw EStringListError when i is outside 0 .. count() - 1.
    QString item(int i) const;
    void setItemText(int i, const QString &text); // keeps the selection
    void deleteItem(int i); // deleting the selected line selects none
    void clearItems();
    QStringList items() const;
    void setItems(const QStringList &items);

    // -1: no line selected. An index outside the list selects none.
    int itemIndex() const;
    void setItemIndex(int i);

    void setItemHeight(int height);
    int itemHeight() const { return m_itemHeight; }

signals:
    void userClicked();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex &index, const QEvent *event = nullptr) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void checkIndex(int i) const;

    int m_itemHeight;
};
