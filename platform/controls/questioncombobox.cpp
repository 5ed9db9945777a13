// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/questioncombobox.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// A key that types text into the edit field (not a shortcut or a control key).
QString typedText(const QKeyEvent &event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return {};
    return text;
}

} // namespace

QuestionComboBox::QuestionComboBox(QWidget *parent)
    : ItemComboBox(parent)
{
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // Qt selects the entry that matches the field exactly when editing
    // finishes (the focus leaves, or Return): a change nobody made here.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &QuestionComboBox::userEdited);
}

void QuestionComboBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = typedText(*event);
    if (!text.isEmpty() && typeCharacter(text)) {
        event->accept();
        return;
    }
    ItemComboBox::keyPressEvent(event);
}

// Input-method events reach the box (it holds the focus) and pass to the
// edit field from there, or reach the edit field itself.
void QuestionComboBox::inputMethodEvent(QInputMethodEvent *event)
{
    inputMethodText(event);
}

bool QuestionComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const QString text = typedText(*static_cast<QKeyEvent *>(event));
        if (!text.isEmpty() && typeCharacter(text))
            return true;
    }
    if (watched == lineEdit() && event->type() == QEvent::InputMethod) {
        inputMethodText(static_cast<QInputMethodEvent *>(event));
        return true;
    }
    return ItemComboBox::eventFilter(watched, event);
}

// What an input method commits (いぬ, typed in kana) is typed like keys and
// completes by the same rule. While it only composes, the field shows the
// composition and nothing is selected or raised.
void QuestionComboBox::inputMethodText(QInputMethodEvent *event)
{
    QLineEdit *edit = lineEdit();
    if (event->replacementLength() != 0) {
        // Replacing text around the cursor is an edit like any other.
        edit->event(event);
        return;
    }
    if (event->commitString().isEmpty()) {
        editing([&] { edit->event(event); });
        return;
    }
    QInputMethodEvent endComposition;
    editing([&] { edit->event(&endComposition); });
    typeCharacter(event->commitString());
    if (!event->preeditString().isEmpty()) {
        QInputMethodEvent composing(event->preeditString(), event->attributes());
        editing([&] { edit->event(&composing); });
    }
}

// The text typed so far is what stands before the selection (the completed
// part is selected) plus the new character.
bool QuestionComboBox::typeCharacter(const QString &character)
{
    QLineEdit *edit = lineEdit();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QString typed = edit->text().left(start) + character;
    int match = -1;
    for (int i = 0; i < count() && match < 0; ++i)
        if (itemText(i).startsWith(typed, Qt::CaseInsensitive))
            match = i;
    const int before = currentIndex();
    if (match >= 0) {
        const QString entry = itemText(match);
        quietly([&] {
            setCurrentIndex(match);
            edit->setText(entry);
            edit->setSelection(entry.size(), typed.size() - entry.size());
        });
        if (match != before)
            emit userChanged();
        return true;
    }
    // No entry fits: the character goes into the field and nothing is selected.
    editing([&] { edit->insert(character); });
    selectKeepingText(-1);
    emit userChanged();
    return true;
}

// Other edits (deleting, pasting) leave the text as the user made it and
// select no entry.
void QuestionComboBox::userEdited()
{
    if (m_typing)
        return;
    selectKeepingText(-1);
    emit userChanged();
}
