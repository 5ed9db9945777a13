// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>
#include <QStringList>

// The item list of a combo box as the game uses it. Changes by the program
// raise no signal; userChanged() tells of the user's changes: a pick in the
// open list, the arrow keys, and (in an editable box) edits of its text. The
// mouse wheel over the closed box changes nothing.
class ItemComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ItemComboBox(QWidget *parent = nullptr);

    int count() const { return QComboBox::count(); }
    void addItem(const QString &text);
    // Throws EStringListError when i is outside 0 .. count() - 1.
    QString item(int i) const;
    QStringList items() const;
    void setItems(const QStringList &items);
    // An editable box keeps the text of its edit field.
    void clearItems();

    // -1: no entry selected. An index outside the list selects none.
    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int i);

    // The text of the edit field, or of the selected entry.
    QString text() const { return currentText(); }

signals:
    void userChanged();

protected:
    void wheelEvent(QWheelEvent *event) override;

    // Runs a change of the program's own without raising userChanged().
    template <typename F> void quietly(F change)
    {
        const bool outer = m_programChange;
        m_programChange = true;
        change();
        m_programChange = outer;
    }
    // Selects entry i (or none) while keeping the text in the edit field.
    void selectKeepingText(int i);

private:
    bool m_programChange = false;
};
