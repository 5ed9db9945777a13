// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls/itemcombobox.h"

class QInputMethodEvent;

// An editable combo box whose edit field completes what the user types to
// the first entry, in list order and whatever the letter case, that starts
// with it. Text an input method commits is typed text too. Leaving the field,
// or Return in it, changes nothing.
class QuestionComboBox : public ItemComboBox
{
    Q_OBJECT

public:
    explicit QuestionComboBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool typeCharacter(const QString &character);
    void inputMethodText(QInputMethodEvent *event);
    void userEdited();
    // Runs a change of the edit field that typeCharacter() or the input
    // method's composition accounts for: no userEdited() for it.
    template <typename F> void editing(F change)
    {
        const bool outer = m_typing;
        m_typing = true;
        change();
        m_typing = outer;
    }

    bool m_typing = false;
};
