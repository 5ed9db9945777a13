// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The maker's window driven as the grown-up drives it: photos dropped on it,
// the frame moved, circles dragged, resized, added and deleted with the
// mouse and the keys, every step undone and redone, the question saved into
// the play folder (or refused before anything is written), opened again and
// tried out as a child plays it.

#include "author/window/answerview.h"
#include "author/window/circleitem.h"
#include "author/window/draft.h"
#include "author/window/folderview.h"
#include "author/window/mainwindow.h"
#include "author/window/pictureview.h"
#include "author/window/playpanel.h"
#include "author/window/questionfolder.h"
#include "author/window/savedialog.h"
#include "author/window/squareframe.h"
#include "author/photo.h"
#include "author/twophotos.h"
#include "authorpairs.h"
#include "modal.h"
#include "support/handheldpairs.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QContextMenuEvent>
#include <QTimer>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <algorithm>

#include <unistd.h>

using Author::Circle;
using Maker::PictureView;

namespace Author {
char *toString(const Circle &c)
{
    return qstrdup(QStringLiteral("(%1, %2, r %3)").arg(c.x).arg(c.y).arg(c.r).toUtf8().constData());
}
} // namespace Author

namespace {

constexpr int WaitForWork = 30000; // ms: photos are read on another thread

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A press, a move in steps and a release, as a hand drags.
void drag(QWidget *viewport, QPoint from, QPoint to)
{
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
}

// Typed as a Japanese input method delivers text: one committed string.
void typeText(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(widget, &commit);
}

// A double click as a hand makes it: a click, then the second press.
void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void dropFiles(QWidget *window, const QStringList &files)
{
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    mime->setUrls(urls);
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    delete mime;
}

} // namespace

class TestMakerWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QVERIFY(QDir().mkpath(Maker::playFolder() + QStringLiteral("/おうちもんだい")));
        m_play = Maker::playFolder() + QStringLiteral("/おうちもんだい/");
        // Two photos of one place, 4:3, the second with a red ball added.
        const QImage scene = AuthorPairs::scene().scaled(800, 600, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_photoA = m_home.filePath(QStringLiteral("before.png"));
        m_photoB = m_home.filePath(QStringLiteral("after.png"));
        QVERIFY(scene.save(m_photoA));
        QVERIFY(AuthorPairs::withDisc(scene, {400, 300}, 30, Qt::red).save(m_photoB));
    }

    void init()
    {
        m_window = std::make_unique<Maker::MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window->undoStack()->setClean();
        m_window.reset();
        QDir(m_play).removeRecursively();
        QDir().mkpath(m_play);
    }

    // Two photos dropped on the window make a question: the middle square of
    // each, one circle over the ball, a limit suggested from the count.
    void droppedPhotosMakeAQuestion()
    {
        dropFiles(m_window.get(), {m_photoA, m_photoB});
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->draft()->isEmpty() && !m_window->isBusy(), WaitForWork);
        QCOMPARE(m_window->draft()->a().size(), QSize(350, 350));
        QCOMPARE(m_window->draft()->circles().size(), std::size_t(1));
        const Circle found = m_window->draft()->circles().front();
        // The ball's middle, 400 x 300 in the photo, is the square's middle.
        QVERIFY2(qAbs(found.x - 175) <= 3 && qAbs(found.y - 175) <= 3, qPrintable(QStringLiteral("%1 %2").arg(found.x).arg(found.y)));
        QCOMPARE(m_window->limitBox()->currentText(), QStringLiteral("40"));
        QVERIFY(m_window->viewB()->circleItem(0));
        QVERIFY(m_window->squareFrame()->isVisible());
    }

    // Two photos taken by hand (turned, shifted, scaled, lit a little
    // differently, the second one also smaller) dropped on the window: B is
    // laid over A and each change gets its circle, as the library makes them.
    void aHandHeldPairDroppedGetsCircles()
    {
        const HandHeldPairs::Pair pair = HandHeldPairs::make(QSize(1200, 900), 104, HandHeldPairs::randomShot(104), 3);
        const QString fileA = m_home.filePath(QStringLiteral("handheld-a.png"));
        const QString fileB = m_home.filePath(QStringLiteral("handheld-b.png"));
        QVERIFY(pair.a.save(fileA));
        QVERIFY(pair.b.copy(0, 0, 1170, 880).save(fileB));
        dropFiles(m_window.get(), {fileA, fileB});
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->draft()->isEmpty() && !m_window->isBusy(), WaitForWork);

        QString why;
        const std::optional<QImage> a = Author::readPhoto(fileA, why);
        const std::optional<QImage> b = Author::readPhoto(fileB, why);
        QVERIFY(a && b);
        const Author::TwoPhotoQuestion expected = Author::questionFromTwoPhotos(*a, *b, std::nullopt);
        QVERIFY2(expected.problem.isEmpty(), qPrintable(expected.problem));
        QCOMPARE(expected.circles.size(), std::size_t(3));
        QCOMPARE(m_window->draft()->circles(), expected.circles);
        QVERIFY(m_window->draft()->a() == expected.a);
        QVERIFY(m_window->draft()->b() == expected.b);
        QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("違いが 3 か所見つかりました。"));
        QVERIFY(m_window->viewB()->circleItem(2));
        QVERIFY(m_window->squareFrame()->isVisible());
        QCOMPARE(m_window->undoStack()->count(), 0);
    }

    // Photos of two different places: the reason is said, in a box and in
    // the status line, and the question on the table stays as it was.
    void twoPlacesAreRefusedAndNothingChanges()
    {
        setQuestion({{100, 100, 20}});
        const QImage beforeA = m_window->draft()->a();
        const QImage beforeB = m_window->draft()->b();
        const QString fileA = m_home.filePath(QStringLiteral("place-one.png"));
        const QString fileB = m_home.filePath(QStringLiteral("place-two.png"));
        QVERIFY(HandHeldPairs::make(QSize(1200, 900), 130, {}, 3).a.save(fileA));
        QVERIFY(HandHeldPairs::make(QSize(1200, 900), 131, {}, 3).a.save(fileB));
        QString told;
        onNextModal([&told](QWidget *box) {
            told = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        dropFiles(m_window.get(), {fileA, fileB});
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy() && !told.isEmpty(), WaitForWork);
        const QString refusal
            = QStringLiteral("2 枚の写真は同じ場所を写していないようです（重ね合わせられません）。同じ場所から撮った 2 枚にしてください。");
        QCOMPARE(told, refusal);
        QCOMPARE(m_window->statusBar()->currentMessage(), refusal);
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{100, 100, 20}}));
        QVERIFY(m_window->draft()->a() == beforeA);
        QVERIFY(m_window->draft()->b() == beforeB);
        QCOMPARE(m_window->undoStack()->count(), 0);
        QVERIFY(m_window->undoStack()->isClean());
        QVERIFY(!m_window->squareFrame()->isVisible());
        QVERIFY(!m_window->action(QStringLiteral("otherDifferences"))->isEnabled());
    }

    // One photo dropped: its middle becomes A, differences are planted into B
    // (five asked, as many as the photo has things for), each inside its
    // circle; other differences, and one put back.
    void oneDroppedPhotoGetsPlantedDifferences()
    {
        dropFiles(m_window.get(), {m_photoB});
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->draft()->isEmpty() && !m_window->isBusy(), WaitForWork);
        const Maker::Draft *draft = m_window->draft();
        const std::size_t planted = draft->circles().size();
        QVERIFY(planted >= 1 && planted <= 5);
        for (int y = 0; y < 350; ++y)
            for (int x = 0; x < 350; ++x)
                if (draft->a().pixel(x, y) != draft->b().pixel(x, y)) {
                    const bool inside = std::any_of(draft->circles().begin(), draft->circles().end(),
                        [&](const Circle &c) { return Author::hits(c, x, y); });
                    QVERIFY2(inside, qPrintable(QStringLiteral("(%1, %2) changed outside every circle").arg(x).arg(y)));
                }
        const QImage firstB = draft->b();
        m_window->action(QStringLiteral("otherDifferences"))->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), WaitForWork);
        QVERIFY(draft->b() != firstB);
        QCOMPARE(m_window->undoStack()->count(), 1);

        // 元に戻す from the circle's menu: its change and its circle are gone.
        const Circle first = draft->circles().front();
        const std::size_t beforeBack = draft->circles().size();
        QTimer::singleShot(0, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction *action : menu->actions())
                if (action->text() == QStringLiteral("元に戻す（A と同じにする）"))
                    menu->setActiveAction(action);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QWidget *viewport = m_window->viewB()->viewport();
        const QPoint at = m_window->viewB()->viewportPointOf(first.x, first.y);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        QCOMPARE(draft->circles().size(), beforeBack - 1);
        QCOMPARE(draft->b().pixel(first.x, first.y), draft->a().pixel(first.x, first.y));
        QCOMPARE(m_window->undoStack()->count(), 2);
    }

    void aDropOfThreeFilesIsNotTaken()
    {
        auto *mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(m_photoA), QUrl::fromLocalFile(m_photoB), QUrl::fromLocalFile(m_photoA)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QVERIFY(!enter.isAccepted());
        delete mime;
    }

    // Moving the frame to the left cuts another square: the ball moves right in it.
    void theFrameChoosesThePart()
    {
        dropFiles(m_window.get(), {m_photoA, m_photoB});
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->draft()->isEmpty() && !m_window->isBusy(), WaitForWork);
        Maker::SquareFrame *frame = m_window->squareFrame();
        QGraphicsView *view = frame->scene()->views().first();
        const QRectF before = frame->square();
        // The square is as high as the photo: it can only move sideways.
        const QPoint middle = view->mapFromScene(before.center());
        drag(view->viewport(), middle, middle - QPoint(200, 0));
        QVERIFY(frame->square().left() < before.left());
        // It stops at the photo's left edge.
        QCOMPARE(frame->square().left(), 0.0);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy() && m_window->draft()->circles().size() == 1
                && m_window->draft()->circles().front().x > 200,
            WaitForWork);
        // The part chosen is one step: undone, the middle comes back.
        QCOMPARE(m_window->undoStack()->count(), 1);
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(qAbs(m_window->draft()->circles().front().x - 175) <= 3);
        // A turn of the wheel makes it smaller about its middle.
        const double side = frame->square().width();
        const QPoint at = view->mapFromScene(frame->square().center());
        QWheelEvent wheel(QPointF(at), QPointF(view->viewport()->mapToGlobal(at)), QPoint(), QPoint(0, -120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view->viewport(), &wheel);
        QVERIFY(frame->square().width() < side);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), WaitForWork);
    }

    void dragACircleToMoveIt()
    {
        setQuestion({{100, 100, 20}});
        QWidget *viewport = m_window->viewB()->viewport();
        const QPoint centre = m_window->viewB()->viewportPointOf(100, 100);
        drag(viewport, centre, centre + QPoint(30, 10));
        QCOMPARE(m_window->draft()->circles().front(), (Circle {130, 110, 20}));
        QCOMPARE(m_window->undoStack()->count(), 1);
    }

    void dragTheRimToResize()
    {
        setQuestion({{100, 100, 20}});
        QWidget *viewport = m_window->viewB()->viewport();
        const QPoint rim = m_window->viewB()->viewportPointOf(120, 100);
        drag(viewport, rim, rim + QPoint(15, 0));
        QCOMPARE(m_window->draft()->circles().front(), (Circle {100, 100, 35}));
        // Never larger than the game allows.
        drag(viewport, m_window->viewB()->viewportPointOf(135, 100), m_window->viewB()->viewportPointOf(300, 100));
        QCOMPARE(m_window->draft()->circles().front().r, 99);
    }

    void doubleClickAddsACircle()
    {
        setQuestion({{100, 100, 20}});
        doubleClick(m_window->viewB()->viewport(), m_window->viewB()->viewportPointOf(250, 60));
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{100, 100, 20}, {250, 60, 20}}));
        QVERIFY(m_window->viewB()->circleItem(1));
    }

    void deleteKeyRemovesTheSelectedCircle()
    {
        setQuestion({{100, 100, 20}, {250, 250, 20}});
        QWidget *viewport = m_window->viewB()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, m_window->viewB()->viewportPointOf(250, 250));
        QCOMPARE(m_window->viewB()->selectedCircle(), 1);
        QTest::keyClick(m_window->viewB(), Qt::Key_Delete);
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{100, 100, 20}}));
    }

    void theContextMenuDeletes()
    {
        setQuestion({{100, 100, 20}, {250, 250, 20}});
        QTimer::singleShot(0, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            QVERIFY(menu);
            QCOMPARE(menu->actions().first()->text(), QStringLiteral("この円を消す"));
            menu->setActiveAction(menu->actions().first());
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QWidget *viewport = m_window->viewB()->viewport();
        const QPoint at = m_window->viewB()->viewportPointOf(100, 100);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &event);
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{250, 250, 20}}));
        QTRY_VERIFY(!QApplication::activePopupWidget());
        // The window manager would give the window back its focus.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_window->draft()->circles().size(), std::size_t(2));
    }

    void arrowKeysNudgeAsOneStep()
    {
        setQuestion({{100, 100, 20}});
        QTest::mouseClick(m_window->viewB()->viewport(), Qt::LeftButton, Qt::NoModifier,
            m_window->viewB()->viewportPointOf(100, 100));
        QTest::keyClick(m_window->viewB(), Qt::Key_Right);
        QTest::keyClick(m_window->viewB(), Qt::Key_Right);
        QTest::keyClick(m_window->viewB(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(m_window->draft()->circles().front(), (Circle {102, 110, 20}));
        QCOMPARE(m_window->undoStack()->count(), 1);
    }

    // Ctrl+Z undoes each step, Ctrl+Shift+Z redoes it.
    void undoAndRedoEveryStep()
    {
        setQuestion({{100, 100, 20}});
        QWidget *viewport = m_window->viewB()->viewport();
        drag(viewport, m_window->viewB()->viewportPointOf(100, 100), m_window->viewB()->viewportPointOf(150, 100));
        doubleClick(viewport, m_window->viewB()->viewportPointOf(300, 300));
        // Five steps down the list from 60.
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(m_window->limitBox(), Qt::Key_Down);
        QCOMPARE(m_window->draft()->limit(), 110);
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_window->draft()->limit(), 60);
        QCOMPARE(m_window->limitBox()->currentText(), QStringLiteral("60"));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{150, 100, 20}}));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{100, 100, 20}}));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{150, 100, 20}, {300, 300, 20}}));
    }

    // A circle over no change is said on the circle and in the list.
    void warningsFollowTheEdits()
    {
        const QImage a = AuthorPairs::scene();
        const QImage b = AuthorPairs::withDisc(a, {100, 100}, 15, Qt::red);
        m_window->draft()->setQuestion(a, b, {{100, 100, 20}}, 60);
        QCOMPARE(m_window->warningList()->item(0)->text(), QStringLiteral("気になるところはありません。"));
        drag(m_window->viewB()->viewport(), m_window->viewB()->viewportPointOf(100, 100),
            m_window->viewB()->viewportPointOf(250, 250));
        QCOMPARE(m_window->warningList()->count(), 2);
        QCOMPARE(m_window->warningList()->item(0)->text(), QStringLiteral("円 1: この円の中で絵 A と絵 B に違いが見えません。"));
        QCOMPARE(m_window->viewB()->circleItem(0)->toolTip(), m_window->warningList()->item(0)->text());
    }

    // Saved into the play folder: the bytes the command line would write.
    void saveWritesTheAnswerFile()
    {
        setQuestion({{120, 85, 20}, {301, 240, 14}});
        QCOMPARE(m_window->saveTo(m_play, QStringLiteral("こっぷ")), QString());
        QCOMPARE(readAll(m_play + QStringLiteral("こっぷ_Ans.txt")), QByteArray("120  85   20   \r\n301  240  14   \r\n60\r\n"));
        QVERIFY(m_window->undoStack()->isClean());
        QVERIFY(Maker::questionsIn(m_play).contains(QStringLiteral("こっぷ")));
    }

    // The dialog says what is wrong with a name before anything is written.
    void saveDialogRefusesBeforeWriting_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("saveEnabled");
        QTest::newRow("a name with a slash") << QStringLiteral("a/b") << QStringLiteral("名前に「/」は使えません。") << false;
        QTest::newRow("no name") << QString() << QStringLiteral("名前を入れてください。") << false;
        QTest::newRow("a question there already")
            << QStringLiteral("いぬ") << QStringLiteral("この名前のもんだいはもうあります（いぬ_A.jpg、いぬ_B.jpg、いぬ_Ans.txt）。保存すると置き換えます。") << true;
        QTest::newRow("a new name") << QStringLiteral("ねこ") << QString() << true;
    }

    void saveDialogRefusesBeforeWriting()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, saveEnabled);
        setQuestion({{120, 85, 20}});
        QCOMPARE(m_window->saveTo(m_play, QStringLiteral("いぬ")), QString());
        const auto before = AuthorPairs::snapshot(m_play);
        Maker::SaveDialog dialog(m_window.get());
        dialog.show();
        dialog.folderBox()->setCurrentIndex(dialog.folderBox()->findText(QStringLiteral("おうちもんだい")));
        typeText(dialog.nameEdit(), name);
        QCOMPARE(dialog.messageLabel()->text(), message);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->isEnabled(), saveEnabled);
        QCOMPARE(AuthorPairs::snapshot(m_play), before);
    }

    // A new question folder made from the dialog is chosen at once.
    void aNewFolderFromTheDialog()
    {
        setQuestion({{120, 85, 20}});
        Maker::SaveDialog dialog(m_window.get());
        dialog.show();
        onNextModal([](QWidget *ask) {
            auto *edit = ask->findChild<QLineEdit *>();
            typeText(edit, QStringLiteral("ほいくえん"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QPushButton *make = nullptr;
        for (QPushButton *button : dialog.findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("新しいフォルダ…"))
                make = button;
        QVERIFY(make);
        QTest::mouseClick(make, Qt::LeftButton);
        QVERIFY(QFileInfo(Maker::playFolder() + QStringLiteral("/ほいくえん")).isDir());
        QCOMPARE(dialog.folderBox()->currentText(), QStringLiteral("ほいくえん"));
        QCOMPARE(dialog.folder(), Maker::playFolder() + QStringLiteral("/ほいくえん/"));
        QDir(Maker::playFolder() + QStringLiteral("/ほいくえん")).removeRecursively();
    }

    void aFolderThatCannotBeWrittenIsSaidFirst()
    {
        const QString locked = Maker::playFolder() + QStringLiteral("/かけない");
        if (geteuid() == 0) {
            // Root writes past permission bits; /proc takes no new file from anyone.
            QVERIFY(QFile::link(QStringLiteral("/proc"), locked));
        } else {
            QVERIFY(QDir().mkpath(locked));
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        }
        setQuestion({{120, 85, 20}});
        Maker::SaveDialog dialog(m_window.get());
        dialog.folderBox()->setCurrentIndex(dialog.folderBox()->findText(QStringLiteral("かけない")));
        typeText(dialog.nameEdit(), QStringLiteral("ねこ"));
        QVERIFY2(dialog.messageLabel()->text().startsWith(QStringLiteral("フォルダ かけない には書き込めません")),
            qPrintable(dialog.messageLabel()->text()));
        QVERIFY(!dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->isEnabled());
        QVERIFY(m_window->saveTo(locked + QLatin1Char('/'), QStringLiteral("ねこ")).startsWith(QStringLiteral("フォルダ かけない には書き込めません")));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(locked);
        QDir(locked).removeRecursively();
    }

    // A question without circles is not written: the game would have nothing to find.
    void noCirclesNothingWritten()
    {
        setQuestion({});
        QCOMPARE(m_window->saveTo(m_play, QStringLiteral("empty")),
            QStringLiteral("円が 1 つもありません。見つける違いのないもんだいは、ゲームで遊べません。"));
        QVERIFY(QDir(m_play).entryList(QDir::Files).isEmpty());
    }

    // Stopped while the photos are read: the work's result is dropped.
    void cancelledPhotosLeaveNothing()
    {
        m_window->startFromPhotos({m_photoA, m_photoB});
        QVERIFY(m_window->isBusy());
        QPushButton *stop = nullptr;
        for (QPushButton *button : m_window->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("やめる") && button->isVisible())
                stop = button;
        QVERIFY(stop);
        QTest::mouseClick(stop, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!m_window->isBusy(), WaitForWork);
        QVERIFY(m_window->draft()->isEmpty());
        QVERIFY(!stop->isVisible());
    }

    // Comparing flickers A and B in the right view until it is turned off.
    void compareFlickers()
    {
        const QImage a = AuthorPairs::scene();
        m_window->draft()->setQuestion(a, AuthorPairs::withRect(a, QRect(200, 200, 40, 40), Qt::white), {{220, 220, 25}}, 60);
        PictureView *view = m_window->viewB();
        const auto shownAt = [view](int x, int y) { return QColor(view->viewport()->grab().toImage().pixel(view->viewportPointOf(x, y))); };
        QVERIFY(QColor(a.pixel(205, 205)) != QColor(Qt::white));
        QCOMPARE(shownAt(205, 205), QColor(Qt::white));
        m_window->action(QStringLiteral("compare"))->trigger();
        QTRY_COMPARE(shownAt(205, 205), QColor(a.pixel(205, 205)));
        QTRY_COMPARE(shownAt(205, 205), QColor(Qt::white));
        m_window->action(QStringLiteral("compare"))->trigger();
        QCOMPARE(shownAt(205, 205), QColor(Qt::white));
    }

    // Only what changed: black where A and B agree.
    void theChangesView()
    {
        const QImage a = AuthorPairs::scene();
        m_window->draft()->setQuestion(a, AuthorPairs::withRect(a, QRect(200, 200, 40, 40), Qt::white), {{220, 220, 25}}, 60);
        m_window->action(QStringLiteral("changes"))->trigger();
        PictureView *view = m_window->viewB();
        const QImage shown = view->viewport()->grab().toImage();
        QCOMPARE(QColor(shown.pixel(view->viewportPointOf(50, 50))), QColor(Qt::black));
        QVERIFY(QColor(shown.pixel(view->viewportPointOf(210, 230))) != QColor(Qt::black));
        m_window->action(QStringLiteral("changes"))->trigger();
        const QImage back = view->viewport()->grab().toImage();
        QCOMPARE(QColor(back.pixel(view->viewportPointOf(50, 50))), QColor(a.pixel(50, 50)));
    }

    // A question of the folder opens with its pictures, circles and limit,
    // and saved unchanged gives the same answer file back.
    void openAnExistingQuestion()
    {
        const QImage a = AuthorPairs::scene();
        const QImage b = AuthorPairs::withDisc(a, {200, 150}, 20, Qt::blue);
        AuthorPairs::writePair(m_play, QStringLiteral("q1"), a, b, AuthorPairs::Kind::Bitmap);
        const QByteArray answers("200  150  25   \r\n90\r\n");
        AuthorPairs::writeFile(m_play + QStringLiteral("q1_Ans.txt"), answers);
        QVERIFY(m_window->openQuestion(m_play, QStringLiteral("q1")));
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{200, 150, 25}}));
        QCOMPARE(m_window->limitBox()->currentText(), QStringLiteral("90"));
        QCOMPARE(m_window->draft()->b().pixel(200, 150), b.pixel(200, 150));
        QCOMPARE(m_window->saveTo(m_play, QStringLiteral("q1")), QString());
        QCOMPARE(readAll(m_play + QStringLiteral("q1_Ans.txt")), answers);
    }

    void theFolderViewOpensAQuestionByDoubleClick()
    {
        const QImage a = AuthorPairs::scene();
        AuthorPairs::writePair(m_play, QStringLiteral("q2"), a, AuthorPairs::withDisc(a, {60, 60}, 20, Qt::blue),
            AuthorPairs::Kind::Jpeg);
        AuthorPairs::writeFile(m_play + QStringLiteral("q2_Ans.txt"), "60   60   25\r\n60\r\n");
        Maker::FolderView *folders = m_window->folderView();
        folders->showFolder(QStringLiteral("おうちもんだい"));
        QCOMPARE(folders->list()->count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!folders->isChecking(), WaitForWork);
        QListWidget *list = folders->list();
        const QRect place = list->visualItemRect(list->item(0));
        doubleClick(list->viewport(), place.center());
        QCOMPARE(m_window->draft()->circles(), (std::vector<Circle> {{60, 60, 25}}));
    }

    // Closing with changes not saved asks first; やめる keeps the window and the work.
    void closingAsksAboutUnsavedWork()
    {
        setQuestion({{100, 100, 20}});
        QTest::mouseClick(m_window->viewB()->viewport(), Qt::LeftButton, Qt::NoModifier,
            m_window->viewB()->viewportPointOf(100, 100));
        QTest::keyClick(m_window->viewB(), Qt::Key_Right);
        QVERIFY(m_window->isWindowModified());
        QString asked;
        onNextModal([&asked](QWidget *box) {
            asked = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            for (QPushButton *button : box->findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("やめる"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        QVERIFY(!m_window->close());
        QCOMPARE(asked, QStringLiteral("今のもんだいは保存していません。保存しますか？"));
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_window->draft()->circles().front(), (Circle {101, 100, 20}));
        onNextModal([](QWidget *box) {
            for (QPushButton *button : box->findChildren<QPushButton *>())
                if (button->text() == QStringLiteral("保存しない"))
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        QVERIFY(m_window->close());
    }

    // Tried out: a hit draws the ring, a miss adds a cross, three end it.
    void tryItOut()
    {
        setQuestion({{100, 100, 20}, {250, 250, 20}});
        m_window->action(QStringLiteral("play"))->trigger();
        Maker::PlayPanel *play = m_window->playPanel();
        QVERIFY(play->isVisible());
        QWidget *viewport = m_window->viewB()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, m_window->viewB()->viewportPointOf(110, 100));
        QCOMPARE(play->round()->remaining(), 1);
        QCOMPARE(play->message(), QStringLiteral("あたり！ のこり 1 か所"));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, m_window->viewB()->viewportPointOf(10, 300));
        QCOMPARE(play->round()->misses(), 1);
        QCOMPARE(play->message(), QStringLiteral("はずれ"));
        // Editing is off meanwhile: a double click adds no circle.
        doubleClick(viewport, m_window->viewB()->viewportPointOf(10, 10));
        // Both clicks of it count, as two clicks of a child do.
        QCOMPARE(m_window->draft()->circles().size(), std::size_t(2));
        QCOMPARE(play->round()->misses(), 3);
        QCOMPARE(play->message(), QStringLiteral("3 回まちがえたので終わりです。"));
        m_window->action(QStringLiteral("play"))->trigger();
        QVERIFY(!play->isVisible());
        QVERIFY(m_window->viewB()->circleItem(0)->isVisible());
    }

    void tryItOutToTheEnd()
    {
        setQuestion({{100, 100, 20}, {250, 250, 20}});
        m_window->action(QStringLiteral("play"))->trigger();
        QWidget *viewport = m_window->viewB()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, m_window->viewB()->viewportPointOf(100, 100));
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, m_window->viewB()->viewportPointOf(250, 250));
        QCOMPARE(m_window->playPanel()->message(), QStringLiteral("ぜんぶ見つけました。"));
        for (int second = 0; second < 60; ++second)
            m_window->playPanel()->tick();
        QCOMPARE(m_window->playPanel()->message(), QStringLiteral("ぜんぶ見つけました。"));
    }

private:
    void setQuestion(const std::vector<Circle> &circles)
    {
        const QImage a = AuthorPairs::scene();
        m_window->draft()->setQuestion(a, a, circles, 60);
        m_window->undoStack()->clear();
        m_window->undoStack()->setClean();
    }

    QTemporaryDir m_home;
    QString m_play;
    QString m_photoA;
    QString m_photoB;
    std::unique_ptr<Maker::MainWindow> m_window;
};

QTEST_MAIN(TestMakerWindow)
#include "tst_maker_window.moc"
