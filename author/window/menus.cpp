// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker's actions with their usual shortcuts, its menus and its toolbar.

#include "author/window/mainwindow.h"

#include "author/window/answerview.h"
#include "author/window/draft.h"
#include "author/window/undocommands.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QSpinBox>
#include <QToolBar>
#include <QUndoStack>

namespace Maker {

void MainWindow::makeActions()
{
    const auto add = [this](const QString &name, const QString &text, const QString &icon, auto slot) {
        auto *action = new QAction(QIcon::fromTheme(icon), text, this);
        connect(action, &QAction::triggered, this, slot);
        m_actions.insert(name, action);
        return action;
    };
    add(QStringLiteral("newTwo"), QStringLiteral("新しく: 写真 2 枚から(&N)…"), QStringLiteral("document-new"),
        [this] { newFromPhotos(2); })
        ->setShortcut(QKeySequence::New);
    add(QStringLiteral("newOne"), QStringLiteral("新しく: 写真 1 枚から(&1)…"), QStringLiteral("document-new"),
        [this] { newFromPhotos(1); });
    add(QStringLiteral("otherDifferences"), QStringLiteral("ほかの違いにする(&H)"), QStringLiteral("view-refresh"),
        [this] { plantAgain(); })
        ->setEnabled(false);
    add(QStringLiteral("open"), QStringLiteral("開く(&O)…"), QStringLiteral("document-open"), [this] { openDialog(); })
        ->setShortcut(QKeySequence::Open);
    add(QStringLiteral("save"), QStringLiteral("保存(&S)"), QStringLiteral("document-save"), [this] { save(); })
        ->setShortcut(QKeySequence::Save);
    add(QStringLiteral("saveAs"), QStringLiteral("名前を付けて保存(&A)…"), QStringLiteral("document-save-as"),
        [this] { saveAs(); })
        ->setShortcut(QKeySequence::SaveAs);
    add(QStringLiteral("quit"), QStringLiteral("終了(&Q)"), QStringLiteral("application-exit"), [this] { close(); })
        ->setShortcut(QKeySequence::Quit);

    QAction *undo = m_undo->createUndoAction(this, QStringLiteral("元に戻す"));
    undo->setShortcut(QKeySequence::Undo);
    undo->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo")));
    m_actions.insert(QStringLiteral("undo"), undo);
    QAction *redo = m_undo->createRedoAction(this, QStringLiteral("やり直す"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    redo->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo")));
    m_actions.insert(QStringLiteral("redo"), redo);
    QAction *remove = add(QStringLiteral("delete"), QStringLiteral("円を消す(&D)"), QStringLiteral("edit-delete"), [this] {
        if (const int index = m_viewB->selectedCircle(); index >= 0)
            m_undo->push(new RemoveCircleCommand(m_draft, index));
    });
    remove->setEnabled(false);
    // The view takes Delete itself while it has the focus; the menu shows it.
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetWithChildrenShortcut);

    add(QStringLiteral("zoomIn"), QStringLiteral("拡大(&I)"), QStringLiteral("zoom-in"),
        [this] { setZoom(m_viewB->zoom() * ZoomStep); })
        ->setShortcut(QKeySequence::ZoomIn);
    add(QStringLiteral("zoomOut"), QStringLiteral("縮小(&O)"), QStringLiteral("zoom-out"),
        [this] { setZoom(m_viewB->zoom() / ZoomStep); })
        ->setShortcut(QKeySequence::ZoomOut);
    add(QStringLiteral("zoomGame"), QStringLiteral("ゲームと同じ大きさ(&G)"), QStringLiteral("zoom-original"),
        [this] { setZoom(1.0); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    QAction *compare = add(QStringLiteral("compare"), QStringLiteral("見比べる（A と B を交互に）(&C)"),
        QStringLiteral("view-refresh"), [this](bool on) {
            m_flickerShowsA = false;
            if (on) {
                m_actions.value(QStringLiteral("changes"))->setChecked(false);
                m_flicker->start();
            } else {
                m_flicker->stop();
            }
            showInB();
        });
    compare->setCheckable(true);
    compare->setShortcut(QKeySequence(Qt::Key_Space));
    QAction *changes = add(QStringLiteral("changes"), QStringLiteral("変わったところだけ(&V)"),
        QStringLiteral("view-filter"), [this](bool on) {
            if (on)
                m_actions.value(QStringLiteral("compare"))->setChecked(false);
            m_flicker->stop();
            m_flickerShowsA = false;
            showInB();
        });
    changes->setCheckable(true);
    changes->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction *play = add(QStringLiteral("play"), QStringLiteral("遊んでみる(&P)"), QStringLiteral("media-playback-start"),
        [this](bool on) { togglePlay(on); });
    play->setCheckable(true);
    play->setShortcut(QKeySequence(Qt::Key_F5));
}

void MainWindow::makeMenus()
{
    // Short words on the toolbar; the menus say it in full.
    const std::pair<const char *, QString> shortNames[] = {{"newTwo", QStringLiteral("写真 2 枚")},
        {"open", QStringLiteral("開く")}, {"newOne", QStringLiteral("写真 1 枚")},
        {"otherDifferences", QStringLiteral("ほかの違い")}, {"save", QStringLiteral("保存")}, {"undo", QStringLiteral("元に戻す")},
        {"redo", QStringLiteral("やり直す")}, {"delete", QStringLiteral("円を消す")},
        {"compare", QStringLiteral("見比べる")}, {"changes", QStringLiteral("変化だけ")},
        {"play", QStringLiteral("遊んでみる")}};
    for (const auto &[name, text] : shortNames)
        m_actions.value(QLatin1String(name))->setIconText(text);
    const auto a = [this](const char *name) { return m_actions.value(QLatin1String(name)); };
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->addActions({a("newOne"), a("newTwo"), a("open")});
    file->addSeparator();
    file->addActions({a("save"), a("saveAs")});
    file->addSeparator();
    file->addAction(a("quit"));
    QMenu *edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->addActions({a("undo"), a("redo")});
    edit->addSeparator();
    edit->addAction(a("delete"));
    QMenu *view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->addActions({a("zoomIn"), a("zoomOut"), a("zoomGame")});
    view->addSeparator();
    view->addActions({a("compare"), a("changes")});
    QMenu *question = menuBar()->addMenu(QStringLiteral("もんだい(&Q)"));
    question->addAction(a("otherDifferences"));
    question->addSeparator();
    question->addAction(a("play"));

    QToolBar *tools = addToolBar(QStringLiteral("ツールバー"));
    tools->setObjectName(QStringLiteral("tools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addActions({a("newOne"), a("newTwo"), a("open"), a("save")});
    tools->addSeparator();
    tools->addActions({a("undo"), a("redo"), a("delete")});
    tools->addSeparator();
    tools->addActions({a("compare"), a("changes")});
    tools->addSeparator();
    tools->addWidget(new QLabel(QStringLiteral(" 違いの数: ")));
    tools->addWidget(m_count);
    tools->addAction(a("otherDifferences"));
    tools->addSeparator();
    tools->addWidget(new QLabel(QStringLiteral(" 制限時間: ")));
    tools->addWidget(m_limit);
    tools->addSeparator();
    tools->addAction(a("play"));
}

} // namespace Maker
