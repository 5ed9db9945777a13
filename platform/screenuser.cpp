// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/screenuser.h"

#include "platform/dialogs.h"
#include "platform/folderdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace Platform {

namespace {

    // A message box that sits in the middle of the screen, with its buttons
    // side by side in the order they were added, centred under the text, and
    // tells a button's click apart from the close box, which QMessageBox
    // reports as its escape button.
    class CentredBox : public QMessageBox
    {
    public:
        explicit CentredBox(const QString &caption, const QString &text, Icon icon)
            : QMessageBox(icon, caption, text, NoButton, QApplication::activeWindow())
        {
            setTextFormat(Qt::PlainText);
            if (auto *row = findChild<QDialogButtonBox *>())
                row->setCenterButtons(true);
            connect(this, &QMessageBox::buttonClicked, this,
                [this](QAbstractButton *button) { m_clicked = button; });
        }

        // A button in the next place from the left, on every desktop. The
        // desktop's theme orders buttons by role (GNOME puts No before Yes),
        // but keeps buttons of the action role as they were added; which
        // button answers what is told by the button itself, not its role.
        QPushButton *addButtonInOrder(const QString &text)
        {
            return addButton(text, QMessageBox::ActionRole);
        }

        // The button the user chose, or nullptr when the box was closed.
        QAbstractButton *run()
        {
            exec();
            return m_clicked;
        }

    protected:
        void showEvent(QShowEvent *event) override
        {
            QMessageBox::showEvent(event);
            QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
            if (screen) {
                QRect frame = frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                move(frame.topLeft());
            }
        }

    private:
        QAbstractButton *m_clicked = nullptr;
    };

    void showOkBox(const QString &text, QMessageBox::Icon icon)
    {
        CentredBox box(applicationTitle(), text, icon);
        QPushButton *ok = box.addButtonInOrder(QStringLiteral("OK"));
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.run();
    }

} // namespace

int ScreenUser::ask(const QString &message)
{
    CentredBox box(QStringLiteral("確認"), message, QMessageBox::Question);
    QPushButton *yes = box.addButtonInOrder(QStringLiteral("はい(&Y)"));
    QPushButton *no = box.addButtonInOrder(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    const QAbstractButton *chosen = box.run();
    if (chosen == yes)
        return IdYes;
    if (chosen == no)
        return IdNo;
    return IdCancel;
}

void ScreenUser::message(const QString &message)
{
    showOkBox(message, QMessageBox::NoIcon);
}

void ScreenUser::error(const QString &boxText)
{
    showOkBox(boxText, QMessageBox::Critical);
}

std::optional<QString> ScreenUser::chooseFolder(
    const QString &prompt, const QString &root, const QString &current)
{
    FolderDialog dialog(prompt, root, current, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFolder();
}

ScreenUser &screenUser()
{
    static ScreenUser user;
    return user;
}

} // namespace Platform
