// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/savedialog.h"

#include "author/window/asks.h"
#include "author/window/questionfolder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace Maker {

SaveDialog::SaveDialog(QWidget *parent)
    : QDialog(parent)
    , m_folder(new QComboBox)
    , m_name(new QLineEdit)
    , m_message(new QLabel)
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel))
{
    setWindowTitle(QStringLiteral("もんだいを保存"));
    m_folder->addItems(questionFolders());
    auto *newFolder = new QPushButton(QStringLiteral("新しいフォルダ…"));
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_folder, 1);
    folderRow->addWidget(newFolder);
    m_buttons->button(QDialogButtonBox::Save)->setText(QStringLiteral("保存する"));
    m_buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("やめる"));
    m_message->setWordWrap(true);
    m_message->setMinimumWidth(380);
    auto *form = new QFormLayout(this);
    form->addRow(new QLabel(QStringLiteral("%1 の中のフォルダに保存します。").arg(playFolder())));
    auto *folderLabel = new QLabel(QStringLiteral("フォルダ(&F):"));
    folderLabel->setBuddy(m_folder);
    form->addRow(folderLabel, folderRow);
    form->addRow(QStringLiteral("名前(&N):"), m_name);
    form->addRow(m_message);
    form->addRow(m_buttons);
    connect(newFolder, &QPushButton::clicked, this, &SaveDialog::makeFolder);
    connect(m_folder, &QComboBox::currentIndexChanged, this, &SaveDialog::refresh);
    connect(m_name, &QLineEdit::textChanged, this, &SaveDialog::refresh);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &SaveDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &SaveDialog::reject);
    refresh();
    m_name->setFocus();
}

void SaveDialog::setChoice(const QString &folderName, const QString &name)
{
    if (const int index = m_folder->findText(folderName); index >= 0)
        m_folder->setCurrentIndex(index);
    m_name->setText(name);
    refresh();
}

QString SaveDialog::folder() const
{
    return m_folder->currentIndex() < 0 ? QString() : playFolder() + QLatin1Char('/') + m_folder->currentText() + QLatin1Char('/');
}

QString SaveDialog::name() const
{
    return m_name->text();
}

QString SaveDialog::problem() const
{
    if (m_folder->currentIndex() < 0)
        return QStringLiteral("フォルダを選ぶか、新しいフォルダを作ってください。");
    if (const QString why = nameProblem(name()); !why.isEmpty())
        return why;
    const QStringList existing = existingFiles(folder(), name());
    return folderProblem(folder(), existing.isEmpty());
}

void SaveDialog::refresh()
{
    QString text = problem();
    if (text.isEmpty()) {
        const QStringList existing = existingFiles(folder(), name());
        if (!existing.isEmpty())
            text = QStringLiteral("この名前のもんだいはもうあります（%1）。保存すると置き換えます。").arg(existing.join(QStringLiteral("、")));
    }
    m_message->setText(text);
    m_buttons->button(QDialogButtonBox::Save)->setEnabled(problem().isEmpty());
}

void SaveDialog::makeFolder()
{
    QInputDialog ask(this);
    ask.setWindowTitle(QStringLiteral("新しいフォルダ"));
    ask.setLabelText(QStringLiteral("%1 の中に作るフォルダの名前:").arg(playFolder()));
    ask.setOkButtonText(QStringLiteral("作る"));
    ask.setCancelButtonText(QStringLiteral("やめる"));
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString name = ask.textValue();
    QString why = nameProblem(name);
    if (why.isEmpty() && (name == QLatin1String(".") || name == QLatin1String("..")))
        why = QStringLiteral("その名前のフォルダは作れません。");
    if (why.isEmpty() && !QDir().mkpath(playFolder() + QLatin1Char('/') + name))
        why = QStringLiteral("フォルダ %1 を作れませんでした。").arg(name);
    if (!why.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), why);
        return;
    }
    m_folder->clear();
    m_folder->addItems(questionFolders());
    m_folder->setCurrentIndex(m_folder->findText(name));
}

void SaveDialog::accept()
{
    if (const QString why = problem(); !why.isEmpty()) {
        m_message->setText(why);
        return;
    }
    const QStringList existing = existingFiles(folder(), name());
    if (!existing.isEmpty()) {
        if (!askToReplace(this, windowTitle(), QStringLiteral("もんだい %1 はもうあります。置き換えますか？").arg(name())))
            return;
    }
    QDialog::accept();
}

} // namespace Maker
