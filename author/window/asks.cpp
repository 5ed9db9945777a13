// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/asks.h"

#include <QMessageBox>
#include <QPushButton>

namespace Maker {

bool askToReplace(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    QPushButton *replace = box.addButton(QStringLiteral("置き換える"), QMessageBox::AcceptRole);
    QPushButton *keep = box.addButton(QStringLiteral("やめる"), QMessageBox::RejectRole);
    box.setDefaultButton(keep);
    box.exec();
    return box.clickedButton() == replace;
}

Unsaved askAboutUnsaved(QWidget *parent, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, QStringLiteral("今のもんだいは保存していません。保存しますか？"),
        QMessageBox::NoButton, parent);
    QPushButton *save = box.addButton(QStringLiteral("保存する"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("やめる"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Unsaved::Save;
    if (box.clickedButton() == discard)
        return Unsaved::Discard;
    return Unsaved::Cancel;
}

} // namespace Maker
