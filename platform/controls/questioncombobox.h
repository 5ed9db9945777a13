#pragma once

#include "platform/controls/itemcombobox.h"

// An editable combo box whose edit field completes what the user types to
// the first entry, in list order and whatever the letter case, that starts
// with it.
class QuestionComboBox : public ItemComboBox
{
    Q_OBJECT

public:
    explicit QuestionComboBox(QWidget *parent = nullptr);

    void setText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool typeCharacter(const QString &character);
    void userEdited();

    bool m_typing = false;
};
