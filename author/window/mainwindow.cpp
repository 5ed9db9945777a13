// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/mainwindow.h"

#include "author/window/answerview.h"
#include "author/window/asks.h"
#include "author/window/busybar.h"
#include "author/window/differenceimage.h"
#include "author/window/draft.h"
#include "author/window/folderview.h"
#include "author/window/pictureview.h"
#include "author/window/photowork.h"
#include "author/window/playpanel.h"
#include "author/window/questionfolder.h"
#include "author/window/savedialog.h"
#include "author/window/squareframe.h"
#include "author/window/undocommands.h"
#include "author/window/warnings.h"
#include "author/check.h"
#include "author/make.h"
#include "rules/constants.h"
#include "rules/answerlines.h"
#include "rules/circles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace Maker {

namespace {
constexpr double SmallestZoom = 0.5;
constexpr double LargestZoom = 6.0;
const QString PhotoFilter = QStringLiteral("写真 (*.jpg *.jpeg *.png *.bmp *.webp *.tif *.tiff *.gif);;すべてのファイル (*)");

QLabel *caption(const QString &text)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_draft(new Draft(this))
    , m_undo(new QUndoStack(this))
    , m_viewA(new PictureView)
    , m_viewB(new AnswerView)
    , m_frame(new SquareFrame)
    , m_limit(new QComboBox)
    , m_warnings(new QListWidget)
    , m_play(new PlayPanel(m_viewB))
    , m_folders(new FolderView)
    , m_busy(new BusyBar)
    , m_flicker(new QTimer(this))
    , m_work(new PhotoWork(this))
    , m_count(new QSpinBox)
{
    m_count->setRange(Author::FewestPlanted, Author::MostPlanted);
    m_count->setValue(Author::DefaultPlanted);
    m_count->setToolTip(QStringLiteral("写真 1 枚から作るときの違いの数"));
    m_count->setEnabled(false);
    setWindowTitle(QStringLiteral("ぴむかろ もんだいづくり"));
    setAcceptDrops(true);

    auto *pictures = new QWidget;
    auto *grid = new QHBoxLayout;
    auto *columnA = new QVBoxLayout;
    columnA->addWidget(caption(QStringLiteral("絵 A（もと）")));
    columnA->addWidget(m_viewA, 1);
    auto *columnB = new QVBoxLayout;
    columnB->addWidget(caption(QStringLiteral("絵 B（違いのある方）")));
    columnB->addWidget(m_viewB, 1);
    grid->addLayout(columnA);
    grid->addLayout(columnB);
    auto *central = new QVBoxLayout(pictures);
    central->addLayout(grid, 1);
    central->addWidget(m_play);
    setCentralWidget(pictures);
    m_viewA->setFocusPolicy(Qt::NoFocus);

    // The time limit: the game's 13 choices.
    m_limit->addItems(TimeChoices());
    m_limit->setToolTip(QStringLiteral("制限時間（秒）"));
    m_limit->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto *warningsDock = new QDockWidget(QStringLiteral("気をつけること"), this);
    warningsDock->setObjectName(QStringLiteral("warnings"));
    warningsDock->setWidget(m_warnings);
    m_warnings->setWordWrap(true);
    m_warnings->setMinimumHeight(60);
    m_warnings->setMaximumHeight(160);
    addDockWidget(Qt::BottomDockWidgetArea, warningsDock);

    auto *folderDock = new QDockWidget(QStringLiteral("フォルダのもんだい"), this);
    folderDock->setObjectName(QStringLiteral("folder"));
    folderDock->setWidget(m_folders);
    addDockWidget(Qt::RightDockWidgetArea, folderDock);

    auto *photoView = new PictureView;
    photoView->setFitsWhole(true);
    photoView->scene()->addItem(m_frame);
    m_frame->setVisible(false);
    auto *photoDock = new QDockWidget(QStringLiteral("写真と枠"), this);
    photoDock->setObjectName(QStringLiteral("photo"));
    photoDock->setWidget(photoView);
    addDockWidget(Qt::RightDockWidgetArea, photoDock);
    tabifyDockWidget(folderDock, photoDock);
    folderDock->setMinimumWidth(200);
    folderDock->raise();

    statusBar()->addPermanentWidget(m_busy);
    m_flicker->setInterval(500);

    makeActions();
    makeMenus();

    connect(m_draft, &Draft::picturesChanged, this, &MainWindow::picturesChanged);
    connect(m_draft, &Draft::circlesChanged, this, &MainWindow::circlesChanged);
    connect(m_draft, &Draft::limitChanged, this, &MainWindow::limitChanged);
    connect(m_undo, &QUndoStack::cleanChanged, this, &MainWindow::updateTitle);
    connect(m_limit, &QComboBox::activated, this, [this](int index) {
        const int seconds = TimeChoices().value(index).toInt();
        if (!m_draft->isEmpty() && seconds != m_draft->limit())
            m_undo->push(new SetLimitCommand(m_draft, seconds));
    });
    connect(m_viewB, &AnswerView::addRequested, this,
        [this](const Author::Circle &circle) { m_undo->push(new AddCircleCommand(m_draft, circle)); });
    connect(m_viewB, &AnswerView::removeRequested, this,
        [this](int index) { m_undo->push(new RemoveCircleCommand(m_draft, index)); });
    connect(m_viewB, &AnswerView::changeRequested, this, [this](int index, const Author::Circle &after, bool nudge) {
        m_undo->push(new ChangeCircleCommand(m_draft, index, after, nudge));
    });
    connect(m_viewB, &AnswerView::circleMenuRequested, this, &MainWindow::offerPlantedChanges);
    connect(m_count, &QSpinBox::editingFinished, this, [this] {
        if (m_work->photos() && m_work->photos()->count != m_count->value())
            plantAgain();
    });
    connect(m_viewB, &AnswerView::selectionChanged, this, [this](int index) {
        m_actions.value(QStringLiteral("delete"))->setEnabled(index >= 0);
    });
    connect(m_viewA, &PictureView::zoomRequested, this,
        [this](int steps) { setZoom(m_viewB->zoom() * (steps > 0 ? ZoomStep : 1 / ZoomStep)); });
    connect(m_viewB, &PictureView::zoomRequested, this,
        [this](int steps) { setZoom(m_viewB->zoom() * (steps > 0 ? ZoomStep : 1 / ZoomStep)); });
    connect(m_flicker, &QTimer::timeout, this, [this] {
        m_flickerShowsA = !m_flickerShowsA;
        showInB();
    });
    connect(m_warnings, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        m_viewB->selectCircle(item->data(Qt::UserRole).toInt());
        m_viewB->setFocus();
    });
    connect(m_folders, &FolderView::openRequested, this, [this](const QString &folder, const QString &name) {
        if (maySetAside())
            openQuestion(folder, name);
    });
    connect(m_busy, &BusyBar::cancelRequested, this, [this] {
        m_work->cancel();
        m_busy->cancelButton()->setEnabled(false);
    });
    connect(m_work, &PhotoWork::finished, this, &MainWindow::photosMade);
    connect(m_work, &PhotoWork::cancelled, this, [this] {
        m_busy->stop();
        say(QStringLiteral("やめました。"));
    });
    connect(m_frame, &SquareFrame::chosen, this, [this, photoView](const QRectF &square) {
        if (!m_work->photos() || m_work->isBusy())
            return;
        const QPointF origin = photoView->pictureOrigin();
        const QRect chosen = QRectF((square.left() - origin.x()) / m_photoScale, (square.top() - origin.y()) / m_photoScale,
            square.width() / m_photoScale, square.width() / m_photoScale)
                                 .toRect();
        m_busy->start(QStringLiteral("枠の中で違いを探しています…"));
        m_work->cutAgain(chosen);
    });
    m_photoView = photoView;
    m_photoDock = photoDock;

    circlesChanged();
    updateTitle();
    resize(sizeHint());
}

MainWindow::~MainWindow() = default;

QAction *MainWindow::action(const QString &name) const
{
    return m_actions.value(name);
}

void MainWindow::say(const QString &text)
{
    statusBar()->showMessage(text);
}

bool MainWindow::isBusy() const
{
    return m_work->isBusy();
}

void MainWindow::newFromPhotos(int count)
{
    if (!maySetAside())
        return;
    const QStringList files = QFileDialog::getOpenFileNames(this,
        count == 2 ? QStringLiteral("写真を 2 枚選んでください（前と後）") : QStringLiteral("写真を選んでください"),
        QString(), PhotoFilter);
    if (files.isEmpty())
        return;
    startFromPhotos(files);
}

void MainWindow::startFromPhotos(const QStringList &files)
{
    if (isBusy())
        return;
    if (files.size() != 1 && files.size() != 2) {
        QMessageBox::information(this, windowTitle(),
            QStringLiteral("写真を 1 枚（違いをこちらで作ります）か、同じ場所から撮った 2 枚（変える前と後）を選んでください。"));
        return;
    }
    togglePlay(false);
    m_busy->start(files.size() == 1 ? QStringLiteral("写真を読んで違いを作っています…")
                                    : QStringLiteral("写真を読んで違いを探しています…"));
    m_work->start(files, m_count->value(), newSeed());
}

quint64 MainWindow::newSeed()
{
    return QRandomGenerator::global()->generate64();
}

void MainWindow::plantAgain()
{
    if (!m_work->onePhoto() || isBusy())
        return;
    m_busy->start(QStringLiteral("違いを作っています…"));
    m_work->plantAgain(m_count->value(), newSeed());
}

// The kinds of the circles on the table, as they were planted.
std::vector<Author::ChangeKind> MainWindow::kindsOfCircles() const
{
    std::vector<Author::ChangeKind> kinds;
    for (const Author::Circle &circle : m_draft->circles()) {
        const auto planted = std::find(m_planted.begin(), m_planted.end(), circle);
        kinds.push_back(planted == m_planted.end() ? Author::ChangeKind::Added
                                                   : m_plantedKinds[std::size_t(planted - m_planted.begin())]);
    }
    return kinds;
}

void MainWindow::remember(const Jobs::MadeQuestion &made)
{
    for (std::size_t i = 0; i < made.kinds.size(); ++i) {
        m_planted.push_back(made.circles[i]);
        m_plantedKinds.push_back(made.kinds[i]);
    }
}

void MainWindow::offerPlantedChanges(int index, QMenu *menu)
{
    if (!m_work->onePhoto() || m_photoFiles != m_work->photos()->files)
        return;
    menu->addAction(QStringLiteral("この違いを作り直す"), this, [this, index] {
        const Jobs::MadeQuestion made = Jobs::replantOne(m_draft->a(), m_draft->b(), m_draft->circles(), kindsOfCircles(), index, newSeed());
        remember(made);
        m_undo->push(new ReplaceQuestionCommand(m_draft, made.a, made.b, made.circles, m_draft->limit(),
            QStringLiteral("違い %1 を作り直す").arg(index + 1)));
        if (!made.problem.isEmpty())
            say(made.problem);
    });
    menu->addAction(QStringLiteral("元に戻す（A と同じにする）"), this, [this, index] {
        const Jobs::MadeQuestion made = Jobs::putBack(m_draft->a(), m_draft->b(), m_draft->circles(), kindsOfCircles(), index);
        m_undo->push(new ReplaceQuestionCommand(m_draft, made.a, made.b, made.circles, m_draft->limit(),
            QStringLiteral("違い %1 を元に戻す").arg(index + 1)));
    });
}

void MainWindow::photosMade(const PhotoWork::Result &result)
{
    m_busy->stop();
    if (!result.problem.isEmpty() || result.made.a.isNull()) {
        // Refused (a photo unreadable, two places, a frame the library would
        // not cut): the question on the table stays as it was.
        const QString why = result.problem.isEmpty() ? result.made.problem : result.problem;
        say(why);
        QMessageBox::warning(this, windowTitle(), why);
        return;
    }
    const bool newPhotos = result.files != m_photoFiles;
    if (newPhotos) {
        m_photoFiles = result.files;
        m_photoScale = m_photoView->setFittedPhoto(result.photoA);
        const QPointF origin = m_photoView->pictureOrigin();
        // Only what both photos show, and never a part so small that the
        // question would be enlarged from it.
        const QRect common = result.made.common;
        m_frame->setBounds(QRectF(origin + QPointF(common.topLeft()) * m_photoScale, QSizeF(common.size()) * m_photoScale),
            PictureSide * m_photoScale);
        m_frame->setVisible(true);
        m_photoDock->raise();
        m_savedFolder.clear();
        m_savedName.clear();
    }
    m_frame->setSquare(QRectF(m_photoView->pictureOrigin() + QPointF(result.square.topLeft()) * m_photoScale,
        QSizeF(result.square.size()) * m_photoScale));
    remember(result.made);
    m_actions.value(QStringLiteral("otherDifferences"))->setEnabled(result.files.size() == 1);
    m_count->setEnabled(result.files.size() == 1);
    if (newPhotos) {
        showQuestion(result.made);
        return;
    }
    // Another part of the same photos, or other differences: one step, undone like any other.
    const Jobs::MadeQuestion &made = result.made;
    m_undo->push(new ReplaceQuestionCommand(m_draft, made.a, made.b, made.circles, Jobs::suggestedLimit(made.circles),
        result.files.size() == 1 ? QStringLiteral("違いを作り直す") : QStringLiteral("写真の別の部分にする")));
    say(made.problem.isEmpty() ? QStringLiteral("違いが %1 か所見つかりました。").arg(made.circles.size()) : made.problem);
}

void MainWindow::showQuestion(const Jobs::MadeQuestion &made)
{
    m_undo->clear();
    m_draft->setQuestion(made.a, made.b, made.circles, Jobs::suggestedLimit(made.circles));
    m_undo->setClean();
    // Worth saying, but the question is there to correct by hand.
    say(made.problem.isEmpty() ? QStringLiteral("違いが %1 か所見つかりました。").arg(made.circles.size()) : made.problem);
    updateTitle();
}

bool MainWindow::openQuestion(const QString &folder, const QString &name)
{
    const OpenedQuestion opened = Maker::openQuestion(folder, name);
    if (!opened.problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), opened.problem);
        return false;
    }
    togglePlay(false);
    m_photoFiles.clear();
    m_actions.value(QStringLiteral("otherDifferences"))->setEnabled(false);
    m_count->setEnabled(false);
    m_frame->setVisible(false);
    m_photoView->setPicture(QImage());
    m_undo->clear();
    m_draft->setQuestion(opened.a, opened.b, opened.circles, opened.limit);
    if (opened.circles.empty() && !opened.note.isEmpty())
        m_draft->setQuestion(opened.a, opened.b, m_draft->changes(), opened.limit);
    m_undo->setClean();
    m_savedFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    m_savedName = name;
    say(opened.note.isEmpty() ? QStringLiteral("もんだい %1 を開きました。").arg(name) : opened.note);
    updateTitle();
    return true;
}

void MainWindow::openDialog()
{
    if (!maySetAside())
        return;
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("もんだいを開く（絵 A か答えファイル）"),
        playFolder(), QStringLiteral("もんだい (*_A.jpg *_A.bmp *_Ans.txt)"));
    if (file.isEmpty())
        return;
    const QFileInfo info(file);
    QString name = info.completeBaseName();
    for (const QString &ending : {QStringLiteral("_Ans"), QStringLiteral("_A")})
        if (name.endsWith(ending))
            name.chop(ending.size());
    openQuestion(info.absolutePath(), name);
}

QString MainWindow::saveTo(const QString &folder, const QString &name)
{
    if (m_draft->isEmpty())
        return QStringLiteral("保存するもんだいがありません。");
    if (m_draft->circles().empty())
        return QStringLiteral("円が 1 つもありません。見つける違いのないもんだいは、ゲームで遊べません。");
    if (m_draft->circles().size() > std::size_t(MaxAnswers))
        return QStringLiteral("円が %1 個あります。ゲームが使えるのは %2 個までです。").arg(m_draft->circles().size()).arg(MaxAnswers);
    if (const QString why = nameProblem(name); !why.isEmpty())
        return why;
    if (const QString why = folderProblem(folder, existingFiles(folder, name).isEmpty()); !why.isEmpty())
        return why;
    const QString why = writeQuestion(folder, name, m_draft->a(), m_draft->b(), m_draft->circles(), m_draft->limit());
    if (!why.isEmpty())
        return why;
    m_savedFolder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    m_savedName = name;
    m_undo->setClean();
    updateTitle();
    QStringList problems;
    for (const Author::Finding &finding : Author::checkFolder(m_savedFolder))
        if (finding.problem && (finding.subject == name || finding.subject == m_savedFolder))
            problems << finding.text;
    say(problems.isEmpty() ? QStringLiteral("%1 に保存しました。確かめて、問題は見つかりませんでした。").arg(name)
                           : QStringLiteral("%1 に保存しました。確かめると %2 件見つかりました。").arg(name).arg(problems.size()));
    m_folders->showFolder(QDir(m_savedFolder).dirName());
    m_lastCheck = problems;
    return QString();
}

void MainWindow::save()
{
    if (m_savedName.isEmpty()) {
        saveAs();
        return;
    }
    const QString why = saveTo(m_savedFolder, m_savedName);
    if (!why.isEmpty())
        QMessageBox::warning(this, windowTitle(), why);
    else if (!m_lastCheck.isEmpty())
        QMessageBox::information(this, windowTitle(),
            QStringLiteral("保存しました。確かめると、次のことが見つかりました。\n\n") + m_lastCheck.join(QLatin1Char('\n')));
}

void MainWindow::saveAs()
{
    if (m_draft->isEmpty()) {
        say(QStringLiteral("保存するもんだいがありません。"));
        return;
    }
    SaveDialog dialog(this);
    dialog.setChoice(QDir(m_savedFolder).dirName(), m_savedName);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_savedName.clear();
    m_savedFolder = dialog.folder();
    m_savedName = dialog.name();
    save();
}

bool MainWindow::maySetAside()
{
    if (m_undo->isClean() || m_draft->isEmpty())
        return true;
    const Unsaved answer = askAboutUnsaved(this, windowTitle());
    if (answer == Unsaved::Cancel)
        return false;
    if (answer == Unsaved::Save) {
        save();
        return m_undo->isClean();
    }
    return true;
}

void MainWindow::picturesChanged()
{
    m_viewA->setPicture(m_draft->a());
    showInB();
}

void MainWindow::showInB()
{
    if (m_actions.value(QStringLiteral("changes"))->isChecked())
        m_viewB->setPicture(differenceImage(m_draft->a(), m_draft->b()));
    else
        m_viewB->setPicture(m_flickerShowsA ? m_draft->a() : m_draft->b());
}

void MainWindow::circlesChanged()
{
    const std::vector<Warning> warnings = warningsFor(m_draft->circles(), m_draft->changes());
    m_viewB->setCircles(m_draft->circles(), warningsPerCircle(warnings, m_draft->circles().size()));
    m_viewA->setFaintCircles(m_draft->circles());
    m_warnings->clear();
    for (const Warning &warning : warnings) {
        auto *item = new QListWidgetItem(warning.text, m_warnings);
        item->setData(Qt::UserRole, warning.circle);
    }
    if (!m_draft->isEmpty() && warnings.empty())
        new QListWidgetItem(QStringLiteral("気になるところはありません。"), m_warnings);
    const bool has = !m_draft->isEmpty();
    for (const char *name : {"save", "saveAs", "play", "compare", "changes"})
        m_actions.value(QLatin1String(name))->setEnabled(has);
    m_limit->setEnabled(has);
}

void MainWindow::limitChanged()
{
    m_limit->setCurrentIndex(TimeChoiceShown(m_draft->limit()));
}

void MainWindow::setZoom(double zoom)
{
    zoom = qBound(SmallestZoom, zoom, LargestZoom);
    m_viewA->setZoom(zoom);
    m_viewB->setZoom(zoom);
}

void MainWindow::togglePlay(bool on)
{
    m_actions.value(QStringLiteral("play"))->setChecked(on);
    if (on == m_play->isPlaying())
        return;
    if (on) {
        m_actions.value(QStringLiteral("compare"))->setChecked(false);
        m_actions.value(QStringLiteral("changes"))->setChecked(false);
        m_flicker->stop();
        m_flickerShowsA = false;
        showInB();
        m_play->start(m_draft->circles(), m_draft->limit());
    } else {
        m_play->stop();
    }
    for (const char *name : {"newTwo", "open", "compare", "changes", "delete"})
        m_actions.value(QLatin1String(name))->setEnabled(!on);
    m_limit->setEnabled(!on);
    m_undo->setActive(!on);
    m_actions.value(QStringLiteral("undo"))->setEnabled(!on && m_undo->canUndo());
    m_actions.value(QStringLiteral("redo"))->setEnabled(!on && m_undo->canRedo());
}

void MainWindow::updateTitle()
{
    const QString title = m_savedName.isEmpty() ? QStringLiteral("ぴむかろ もんだいづくり")
                                                : QStringLiteral("%1 — ぴむかろ もんだいづくり").arg(m_savedName);
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(!m_undo->isClean());
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maySetAside()) {
        event->ignore();
        return;
    }
    m_work->cancel();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    const bool files = !urls.isEmpty() && urls.size() <= 2
        && std::all_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); });
    if (files && !isBusy())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls())
        files << url.toLocalFile();
    event->acceptProposedAction();
    // The drop finishes before anything is asked or read.
    QTimer::singleShot(0, this, [this, files] {
        if (maySetAside())
            startFromPhotos(files);
    });
}

} // namespace Maker
