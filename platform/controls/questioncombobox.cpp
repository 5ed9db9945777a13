#include "platform/controls/questioncombobox.h"

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
    lineEdit()->installEventFilter(this);
    connect(lineEdit(), &QLineEdit::textEdited, this, &QuestionComboBox::userEdited);
}

void QuestionComboBox::setText(const QString &text)
{
    quietly([&] {
        const int match = findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        setCurrentIndex(match);
        lineEdit()->setText(text);
    });
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

bool QuestionComboBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
        const QString text = typedText(*static_cast<QKeyEvent *>(event));
        if (!text.isEmpty() && typeCharacter(text))
            return true;
    }
    return ItemComboBox::eventFilter(watched, event);
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
    m_typing = true;
    edit->insert(character);
    m_typing = false;
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
