// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace Maker {

// Where a question goes: a question folder in the play folder (or a new
// one) and its name. What the game could not use, or what is there already,
// is said before the dialog lets the save go on; replacing asks first.
class SaveDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SaveDialog(QWidget *parent = nullptr);

    void setChoice(const QString &folderName, const QString &name);
    QString folder() const; // the full path, ending in "/"
    QString name() const;
    // Why saving cannot go on as the dialog stands, or empty.
    QString problem() const;

    QComboBox *folderBox() const { return m_folder; }
    QLineEdit *nameEdit() const { return m_name; }
    QLabel *messageLabel() const { return m_message; }

public slots:
    void accept() override;

private:
    void makeFolder();
    void refresh();

    QComboBox *m_folder;
    QLineEdit *m_name;
    QLabel *m_message;
    QDialogButtonBox *m_buttons;
};

} // namespace Maker
