// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/folderview.h"

#include "author/window/questionfolder.h"
#include "rules/questionfiles.h"

#include <QComboBox>
#include <QImageReader>
#include <QListWidget>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace Maker {

namespace {
constexpr int ThumbnailSide = 96;
const QString NameRole = QStringLiteral("name");

QIcon thumbnail(const QString &file)
{
    QImageReader reader(file);
    reader.setScaledSize({ThumbnailSide, ThumbnailSide});
    const QImage image = reader.read();
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}
} // namespace

FolderView::FolderView(QWidget *parent)
    : QWidget(parent)
    , m_folders(new QComboBox)
    , m_list(new QListWidget)
{
    m_list->setViewMode(QListView::IconMode);
    m_list->setIconSize({ThumbnailSide, ThumbnailSide});
    m_list->setResizeMode(QListView::Adjust);
    m_list->setMovement(QListView::Static);
    m_list->setWordWrap(true);
    m_list->setGridSize({ThumbnailSide + 40, ThumbnailSide + 48});
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_folders);
    column->addWidget(m_list, 1);
    connect(m_folders, &QComboBox::currentIndexChanged, this, &FolderView::listQuestions);
    connect(m_list, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { emit openRequested(folder(), item->data(Qt::UserRole).toString()); });
    connect(&m_check, &QFutureWatcher<std::vector<Author::Finding>>::finished, this, &FolderView::checked);
    showFolder(QString());
}

void FolderView::showFolder(const QString &folderName)
{
    const QString current = folderName.isEmpty() ? m_folders->currentText() : folderName;
    const QSignalBlocker blocker(m_folders);
    m_folders->clear();
    m_folders->addItems(questionFolders());
    if (const int index = m_folders->findText(current); index >= 0)
        m_folders->setCurrentIndex(index);
    listQuestions();
}

QString FolderView::folder() const
{
    return m_folders->currentIndex() < 0 ? QString() : playFolder() + QLatin1Char('/') + m_folders->currentText() + QLatin1Char('/');
}

void FolderView::listQuestions()
{
    m_list->clear();
    const QString dir = folder();
    if (dir.isEmpty())
        return;
    for (const QString &name : questionsIn(dir)) {
        auto *item = new QListWidgetItem(thumbnail(PictureFilesOf(dir, name).a), name, m_list);
        item->setData(Qt::UserRole, name);
        item->setToolTip(QStringLiteral("確かめています…"));
    }
    // The check finds differences in every question: off the window's thread.
    if (!m_check.isRunning()) {
        m_checkedFolder = dir;
        m_check.setFuture(QtConcurrent::run([dir] { return Author::checkFolder(dir); }));
    }
}

void FolderView::checked()
{
    if (m_checkedFolder != folder()) {
        listQuestions();
        return;
    }
    const std::vector<Author::Finding> findings = m_check.result();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        const QString name = item->data(Qt::UserRole).toString();
        QStringList problems;
        for (const Author::Finding &finding : findings)
            if (finding.problem && finding.subject == name)
                problems << finding.text;
        item->setToolTip(problems.isEmpty() ? QStringLiteral("問題は見つかりませんでした。") : problems.join(QLatin1Char('\n')));
        item->setText(problems.isEmpty() ? name : QStringLiteral("⚠ %1（%2）").arg(name).arg(problems.size()));
        if (!problems.isEmpty())
            item->setForeground(QColor(200, 90, 0));
    }
}

} // namespace Maker
