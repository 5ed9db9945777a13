// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

class QFileSystemModel;
class QSortFilterProxyModel;
class QTreeView;

namespace Platform {

// The folder chooser's window: a tree of the folders at and below the root,
// the prompt above it, OK and Cancel.
class FolderDialog : public QDialog
{
    Q_OBJECT

public:
    // An empty root, or one that is not a folder, shows the whole file system.
    FolderDialog(
        const QString &prompt, const QString &root, const QString &current, QWidget *parent = nullptr);

    QString rootFolder() const { return m_root; }
    // Selects and opens a folder at or below the root; false (and no change)
    // for any other path.
    bool selectFolder(const QString &path);
    // The selected folder's full path without trailing "/" ("/" itself stays).
    QString chosenFolder() const;

private:
    bool isAtOrBelowRoot(const QString &path) const;

    QString m_root;
    QFileSystemModel *m_model;
    QSortFilterProxyModel *m_visible;
    QTreeView *m_tree;
};

} // namespace Platform
