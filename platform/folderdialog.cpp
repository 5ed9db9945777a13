// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/folderdialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace Platform {

namespace {

    QString cleanFolder(const QString &path)
    {
        return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }

    bool isAtOrBelow(const QString &path, const QString &folder)
    {
        if (folder == u'/')
            return path.startsWith(u'/');
        return path == folder || path.startsWith(folder + u'/');
    }

    // Keeps the root, the folders below it, and the folders on the way down to
    // it; everything beside the root is left out, so nothing else can be chosen.
    class RootFilter : public QSortFilterProxyModel
    {
    public:
        RootFilter(QFileSystemModel *source, const QString &root, QObject *parent)
            : QSortFilterProxyModel(parent)
            , m_source(source)
            , m_root(root)
        {
            setSourceModel(source);
        }

    protected:
        bool filterAcceptsRow(int row, const QModelIndex &parent) const override
        {
            const QString path = m_source->filePath(m_source->index(row, 0, parent));
            return isAtOrBelow(path, m_root) || isAtOrBelow(m_root, path);
        }

    private:
        QFileSystemModel *m_source;
        QString m_root;
    };

} // namespace

FolderDialog::FolderDialog(
    const QString &prompt, const QString &root, const QString &current, QWidget *parent)
    : QDialog(parent)
    , m_root(!root.isEmpty() && QFileInfo(root).isDir() ? cleanFolder(root) : QStringLiteral("/"))
    , m_model(new QFileSystemModel(this))
    , m_visible(nullptr)
    , m_tree(new QTreeView(this))
{
    setWindowTitle(QStringLiteral("フォルダの参照"));
    setModal(true);

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    m_model->setRootPath(m_root);
    m_visible = new RootFilter(m_model, m_root, this);

    m_tree->setModel(m_visible);
    m_tree->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    // The root itself is the one top entry of the tree: its parent is the tree's top.
    const QModelIndex rootIndex = m_visible->mapFromSource(m_model->index(m_root));
    m_tree->setRootIndex(rootIndex.parent());

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *label = new QLabel(prompt, this);
    label->setWordWrap(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_tree);
    layout->addWidget(buttons);
    resize(340, 380);

    if (current.isEmpty() || !selectFolder(current))
        selectFolder(m_root);
}

bool FolderDialog::isAtOrBelowRoot(const QString &path) const
{
    return isAtOrBelow(path, m_root);
}

bool FolderDialog::selectFolder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isDir())
        return false;
    const QString folder = cleanFolder(path);
    if (!isAtOrBelowRoot(folder))
        return false;
    const QModelIndex index = m_visible->mapFromSource(m_model->index(folder));
    if (!index.isValid())
        return false;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        m_tree->expand(up);
    m_tree->expand(index);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
    return true;
}

QString FolderDialog::chosenFolder() const
{
    const QModelIndex index = m_tree->currentIndex();
    if (!index.isValid())
        return m_root;
    const QString path = m_model->filePath(m_visible->mapToSource(index));
    return isAtOrBelowRoot(path) ? path : m_root;
}

} // namespace Platform
