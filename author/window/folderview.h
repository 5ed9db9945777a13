// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/check.h"

#include <QFutureWatcher>
#include <QWidget>

class QComboBox;
class QListWidget;

namespace Maker {

// The questions of one folder of the play folder, each with a small
// picture A and what the folder check finds about it; double-clicking one
// opens it.
class FolderView : public QWidget
{
    Q_OBJECT

public:
    explicit FolderView(QWidget *parent = nullptr);

    // Lists the play folder's question folders again and shows this one.
    void showFolder(const QString &folderName);
    QString folder() const; // the full path, ending in "/"
    QListWidget *list() const { return m_list; }
    bool isChecking() const { return m_check.isRunning(); }

signals:
    void openRequested(const QString &folder, const QString &name);

private:
    void listQuestions();
    void checked();

    QComboBox *m_folders;
    QListWidget *m_list;
    QFutureWatcher<std::vector<Author::Finding>> m_check;
    QString m_checkedFolder;
};

} // namespace Maker
