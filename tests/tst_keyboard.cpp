// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard and the mouse in the game's window, as a child or a parent
// uses them: what the focus may reach on each screen, Enter on buttons, every
// mouse button on the answer list, and the changes of the question list.

#include "support/gamefixture.h"
#include "support/questionfolder.h"

#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/textlabel.h"
#include "platform/gametimer.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

using namespace QuestionFolder;

namespace {
const QByteArray OneAnswer = "100  100  20   \r\n60\r\n";

// What the person at the screen sees of the control that holds the focus: the
// window itself, or a control that is shown and lies on top at its centre.
QString unseenFocus(TForm1 &form)
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus == &form)
        return QString();
    const QString name = focus->objectName().isEmpty() ? QString::fromLatin1(focus->metaObject()->className())
                                                       : focus->objectName();
    if (!focus->isVisible())
        return name + QStringLiteral(" (hidden)");
    QWidget *top = form.childAt(focus->mapTo(&form, focus->rect().center()));
    if (top != focus && !focus->isAncestorOf(top))
        return name + QStringLiteral(" (covered by ") + (top ? top->objectName() : QString())
            + QLatin1Char(')');
    return QString();
}
} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<GameFixture> game;
    QString dir;

    TForm1 &start()
    {
        TForm1 &form = game->start();
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("the window did not become active");
        return form;
    }
    void threeQuestions(
        const QStringList &names = { QStringLiteral("inu"), QStringLiteral("neko"), QStringLiteral("saru") })
    {
        for (const QString &name : names) {
            addPictures(dir, name);
            writeFile(dir + name + QStringLiteral("_Ans.txt"), OneAnswer);
        }
    }
    // A key as the keyboard sends it: to the window, which hands it to
    // whatever holds the focus.
    void key(TForm1 &form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), key, modifiers);
    }
    void key(TForm1 &form, char character) { QTest::keyClick(form.windowHandle(), character); }
    // Tab until the control holds the focus.
    bool tabTo(TForm1 &form, QWidget *control)
    {
        for (int i = 0; i < 40 && QApplication::focusWidget() != control; ++i)
            key(form, Qt::Key_Tab);
        return QApplication::focusWidget() == control;
    }
    // A child at the keyboard: Tab and Shift+Tab, arrows, Home, End, page
    // keys and letters, everything but Space and Enter. Returns the first
    // control that took the focus without being seen, if any.
    QString pressKeysEverywhere(TForm1 &form)
    {
        const QList<Qt::Key> keys { Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_Home, Qt::Key_PageDown,
            Qt::Key_Right, Qt::Key_Left, Qt::Key_PageUp };
        const QString letters = QStringLiteral("xsnai");
        for (int i = 0; i < 30; ++i) {
            for (const Qt::Key k : { i % 5 == 4 ? Qt::Key_Backtab : Qt::Key_Tab, keys[i % keys.size()] }) {
                key(form, k);
                if (const QString unseen = unseenFocus(form); !unseen.isEmpty())
                    return unseen;
            }
            key(form, letters.at(i % letters.size()).toLatin1());
            if (const QString unseen = unseenFocus(form); !unseen.isEmpty())
                return unseen;
        }
        return QString();
    }
    TForm1 &enterAnswerSetting()
    {
        TForm1 &form = start();
        game->click(form.B_GameStart, { 5, 5 }, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
        return form;
    }
    void press(QPushButton *button) { game->click(button); }
    void selectRow(TForm1 &form, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        const QRect line = form.LB_Ans->visualItemRect(form.LB_Ans->QListWidget::item(row));
        game->click(form.LB_Ans->viewport(), line.center(), button);
    }
    void wheel(QWidget *control, int steps)
    {
        const QPointF pos = QRectF(control->rect()).center();
        QWheelEvent event(pos, control->mapToGlobal(pos), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(control, &event);
    }

private slots:
    void init()
    {
        game = std::make_unique<GameFixture>();
        dir = game->folder(QStringLiteral("サンプルもんだい"));
    }
    void cleanup() { game.reset(); }

    // --- Controls that cannot be seen take no focus and no keys ---

    // The question list lies under P_Miss at the title: keys load nothing.
    void keysAtTheTitleReachNothingHidden()
    {
        threeQuestions();
        TForm1 &form = start();
        const QString question = form.QuestionName;
        const QString unseen = pressKeysEverywhere(form);
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen));
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(form.CB_Q->itemIndex(), 0);
        QCOMPARE(form.QuestionName, question);
        QVERIFY(game->user->shown().isEmpty());
    }

    // Keys typed while the question is announced change nothing of it.
    void keysDuringTheAnnouncementReachNothingHidden()
    {
        threeQuestions();
        TForm1 &form = start();
        QString unseen = QStringLiteral("no keys were pressed");
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(form.P_GameMsg->isVisible());
            unseen = pressKeysEverywhere(form);
        });
        game->click(form.B_GameStart);
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen));
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.QuestionName, form.CB_Q->item(form.CurrentQuestion - 1));
        QCOMPARE(form.CB_Q->text(), form.QuestionName);
        QVERIFY(game->user->shown().isEmpty());
    }

    // Keys typed during play leave the question, the misses and the clock alone.
    void keysDuringPlayReachNothingHidden()
    {
        threeQuestions();
        TForm1 &form = start();
        game->click(form.B_GameStart);
        game->clickPicture(300, 300);
        QCOMPARE(form.MissCount, 1);
        const QString question = form.QuestionName;
        const QString unseen = pressKeysEverywhere(form);
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen));
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.MissCount, 1);
        QCOMPARE(form.QuestionName, question);
        QCOMPARE(form.CB_Q->text(), question);
        QVERIFY(form.Timer1->isEnabled());
        QVERIFY(game->user->shown().isEmpty());
    }

    // On the result panel only its own buttons can be reached.
    void keysOnTheResultPanelReachNothingHidden()
    {
        threeQuestions();
        TForm1 &form = start();
        game->click(form.B_GameStart);
        game->clickPicture(100, 100);
        QCOMPARE(form.GameState, qint32(gsRoundOver));
        const QString question = form.QuestionName;
        const QString unseen = pressKeysEverywhere(form);
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen));
        QCOMPARE(form.GameState, qint32(gsRoundOver));
        QCOMPARE(form.QuestionName, question);
        QCOMPARE(form.CB_Q->text(), question);
        QVERIFY(game->user->shown().isEmpty());
    }

    // A letter typed during the memory-mode countdown does not spoil picture B.
    void keysDuringTheCountdownReachNothingHidden()
    {
        threeQuestions();
        writeFile(dir + QStringLiteral("Kioku.txt"), "");
        TForm1 &form = start();
        QString unseen = QStringLiteral("no keys were pressed");
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, &form, [&] {
            if (!form.P_Title->isVisible() && form.P_ImgB->caption().endsWith(QStringLiteral("２５"))) {
                watcher.stop();
                unseen = pressKeysEverywhere(form);
            }
        });
        watcher.start(0);
        game->click(form.B_GameStart);
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen));
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QVERIFY(form.Img_B->hasPicture());
        QCOMPARE(form.CB_Q->text(), form.CB_Q->item(form.CurrentQuestion - 1));
        QVERIFY(game->user->shown().isEmpty());
    }

    // The give-up button goes when it is pressed; its focus goes to the window.
    void keysAfterGivingUpReachNothingHidden()
    {
        threeQuestions();
        TForm1 &form = start();
        game->click(form.B_GameStart);
        game->click(form.B_GiveUp);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(QApplication::focusWidget(), &form);
        const QString question = form.QuestionName;
        const int index = form.CB_Q->itemIndex();
        const QString unseen = pressKeysEverywhere(form);
        QVERIFY2(unseen.isEmpty(), qPrintable(unseen));
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(form.CB_Q->itemIndex(), index);
        QCOMPARE(form.QuestionName, question);
        QVERIFY(game->user->shown().isEmpty());
    }

    // A button pressed with the keyboard that hides itself leaves the focus
    // with the window, not with the next control.
    void aButtonThatHidesItselfLeavesTheFocusWithTheWindow()
    {
        threeQuestions();
        TForm1 &form = start();
        game->click(form.B_GameStart);
        QVERIFY(tabTo(form, form.B_GiveUp));
        key(form, Qt::Key_Space);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(QApplication::focusWidget(), &form);
    }

    // In the answer-setting mode the question list is uncovered and can be reached.
    void theQuestionListIsReachedInTheAnswerSettingMode()
    {
        threeQuestions();
        TForm1 &form = enterAnswerSetting();
        QVERIFY(tabTo(form, form.CB_Q));
        QVERIFY(unseenFocus(form).isEmpty());
        QVERIFY(tabTo(form, form.CB_Time));
        QVERIFY(tabTo(form, form.LB_Ans));
        press(form.B_End);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(unseenFocus(form), QString());
    }

    // --- Enter clicks the focused button ---

    // Return and keypad Enter click the focused button on the title; the start
    // button ignores both.
    void enterClicksButtonsOfTheTitle()
    {
        threeQuestions();
        TForm1 &form = start();
        QVERIFY(tabTo(form, form.B_QChange));
        game->user->cancelFolder();
        key(form, Qt::Key_Return);
        QCOMPARE(game->user->folderRequests().size(), 1);
        game->user->cancelFolder();
        key(form, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(game->user->folderRequests().size(), 2);
        key(form, Qt::Key_Return, Qt::ShiftModifier); // not with Shift, Ctrl or Alt
        key(form, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(game->user->folderRequests().size(), 2);

        QVERIFY(tabTo(form, form.B_GameStart));
        key(form, Qt::Key_Return);
        key(form, Qt::Key_Enter, Qt::KeypadModifier);
        key(form, Qt::Key_Space);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(form.QuestionsLeft, 3);

        QVERIFY(tabTo(form, form.B_GameEnd));
        key(form, Qt::Key_Return);
        QVERIFY(!form.isVisible());
    }

    void enterClicksButtonsOfPlay()
    {
        threeQuestions();
        TForm1 &form = start();
        game->click(form.B_GameStart);
        QVERIFY(tabTo(form, form.B_GiveUp));
        key(form, Qt::Key_Return);
        QCOMPARE(form.GameState, qint32(gsTitle));
        QCOMPARE(game->speaker->played(), QStringList { QStringLiteral("Miss.wav") });

        game->click(form.B_GameStart);
        game->clickPicture(100, 100);
        QVERIFY(tabTo(form, form.B_GameMsgOK));
        key(form, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.GameState, qint32(gsPlaying));
        QCOMPARE(form.L_GMsg1->caption(), QStringLiteral("だい ２ もん"));

        game->clickPicture(100, 100);
        QVERIFY(tabTo(form, form.B_GameMsgNG));
        key(form, Qt::Key_Return);
        QCOMPARE(form.GameState, qint32(gsTitle));
    }

    void enterClicksButtonsOfTheAnswerSettingMode()
    {
        threeQuestions();
        TForm1 &form = enterAnswerSetting();
        const QString name = form.QuestionName;
        game->clickPicture(50, 60);
        const auto enterOn = [&](QPushButton *button) {
            if (!tabTo(form, button))
                return false;
            key(form, Qt::Key_Return);
            return true;
        };
        QVERIFY(enterOn(form.B_D1));
        QVERIFY(enterOn(form.B_D2));
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(52, 58));
        QVERIFY(enterOn(form.B_D3));
        QVERIFY(enterOn(form.B_D3));
        QVERIFY(enterOn(form.B_D4));
        QVERIFY(enterOn(form.B_D5));
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(50, 62));
        QCOMPARE(form.MarkR, 22);
        QVERIFY(enterOn(form.B_D6));
        QVERIFY(enterOn(form.B_D6));
        QCOMPARE(form.MarkR, 18);
        QVERIFY(enterOn(form.B_Add));
        QCOMPARE(form.LB_Ans->items(),
            (QStringList { QStringLiteral("100  100  20   "), QStringLiteral("50   62   18   ") }));
        game->clickPicture(200, 210);
        QVERIFY(enterOn(form.B_Add));
        QCOMPARE(form.LB_Ans->count(), 3);
        QVERIFY(enterOn(form.B_Check));
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(200, 210)); // the last line shown
        selectRow(form, 0);
        QVERIFY(enterOn(form.B_Del));
        QCOMPARE(form.LB_Ans->items(),
            (QStringList { QStringLiteral("50   62   18   "), QStringLiteral("200  210  20   ") }));
        QVERIFY(enterOn(form.B_Save));
        QCOMPARE(readFile(dir + name + QStringLiteral("_Ans.txt")),
            QByteArray("50   62   18   \r\n200  210  20   \r\n60\r\n"));
        QVERIFY(enterOn(form.B_End));
        QCOMPARE(form.GameState, qint32(gsTitle));
        QVERIFY(game->user->questions().isEmpty());
    }

    // --- The answer list: a release of any mouse button on a line clicks it ---

    void everyMouseButtonOnALineShowsIt_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void everyMouseButtonOnALineShowsIt()
    {
        QFETCH(int, button);
        addPictures(dir, QStringLiteral("neko"));
        writeFile(dir + QStringLiteral("neko_Ans.txt"), "100  100  20   \r\n250  260  15   \r\n60\r\n");
        TForm1 &form = enterAnswerSetting();
        game->clickPicture(30, 40);
        selectRow(form, 1, Qt::MouseButton(button));
        QCOMPARE(form.LB_Ans->itemIndex(), 1);
        QCOMPARE(QPoint(form.MarkX, form.MarkY), QPoint(250, 260));
        QCOMPARE(form.MarkR, 15);
        QVERIFY(form.Img_Ans->grab().toImage().pixelColor(250 + 15, 260) == QColor(0xFF, 0, 0));
        // 追加/修正 writes back what the line said, not the candidate placed before.
        press(form.B_Add);
        QCOMPARE(form.LB_Ans->items(),
            (QStringList { QStringLiteral("100  100  20   "), QStringLiteral("250  260  15   ") }));
    }

    // --- The question list changes only when the user changes it ---

    // Leaving the question list after typing in it loads nothing, asks nothing.
    void leavingTheQuestionListChangesNothing()
    {
        threeQuestions({ QStringLiteral("q1"), QStringLiteral("q10") });
        TForm1 &form = enterAnswerSetting();
        QVERIFY(tabTo(form, form.CB_Q));
        key(form, Qt::Key_A, Qt::ControlModifier);
        key(form, 'q');
        key(form, '1');
        key(form, '0');
        QCOMPARE(form.QuestionName, QStringLiteral("q10"));
        game->clickPicture(30, 40);
        press(form.B_Add);
        QVERIFY(form.AnswersDirty);
        QVERIFY(tabTo(form, form.CB_Q));
        key(form, Qt::Key_End);
        key(form, Qt::Key_Backspace); // "q1": no entry selected
        QCOMPARE(form.CB_Q->itemIndex(), -1);
        QCOMPARE(form.CB_Q->text(), QStringLiteral("q1"));
        game->user->answer(Platform::IdNo); // in case the question is asked
        press(form.B_Check); // the focus leaves the list
        QVERIFY(form.B_Check->hasFocus());
        QVERIFY(tabTo(form, form.CB_Q));
        key(form, Qt::Key_Return); // and Return in it does nothing either
        press(form.B_Check);
        QVERIFY(game->user->questions().isEmpty());
        QCOMPARE(form.CB_Q->itemIndex(), -1);
        QCOMPARE(form.CB_Q->text(), QStringLiteral("q1"));
        QCOMPARE(form.QuestionName, QStringLiteral("q10"));
        QCOMPARE(form.LB_Ans->items(),
            (QStringList { QStringLiteral("100  100  20   "), QStringLiteral("30   40   20   ") }));
        QVERIFY(form.AnswersDirty);
    }

    // The mouse wheel over either combo box changes nothing.
    void theWheelChangesNoComboBox()
    {
        threeQuestions();
        TForm1 &form = enterAnswerSetting();
        const QString question = form.QuestionName;
        const int index = form.CB_Q->itemIndex();
        const int time = form.CB_Time->itemIndex();
        for (int i = 0; i < 8; ++i)
            game->user->answer(Platform::IdNo); // in case the question is asked
        for (int steps : { -1, 1, -3, 2 }) {
            wheel(form.CB_Q, steps);
            wheel(form.CB_Time, steps);
        }
        QCOMPARE(form.CB_Q->itemIndex(), index);
        QCOMPARE(form.QuestionName, question);
        QCOMPARE(form.CB_Time->itemIndex(), time);
        QVERIFY(!form.AnswersDirty);
        QVERIFY(game->user->shown().isEmpty());
    }

    // --- Names typed through an input method complete like typed keys ---

    void aJapaneseNameTypedThroughTheInputMethodLoadsItsQuestion()
    {
        threeQuestions({ QStringLiteral("いぬ"), QStringLiteral("いるか"), QStringLiteral("ねこ") });
        TForm1 &form = enterAnswerSetting();
        QVERIFY(tabTo(form, form.CB_Q));
        key(form, Qt::Key_A, Qt::ControlModifier);
        // The input method composes, then commits; it sends to the focus object.
        QObject *target = QGuiApplication::focusObject();
        QVERIFY(target);
        QInputMethodEvent composing(QStringLiteral("い"), {});
        QApplication::sendEvent(target, &composing);
        QInputMethodEvent committed;
        committed.setCommitString(QStringLiteral("い"));
        QApplication::sendEvent(target, &committed);
        QCOMPARE(form.CB_Q->text(), QStringLiteral("いぬ"));
        QCOMPARE(form.QuestionName, QStringLiteral("いぬ"));
        QInputMethodEvent more;
        more.setCommitString(QStringLiteral("る"));
        QApplication::sendEvent(target, &more);
        QCOMPARE(form.CB_Q->text(), QStringLiteral("いるか"));
        QCOMPARE(form.CB_Q->lineEdit()->selectedText(), QStringLiteral("か"));
        QCOMPARE(form.QuestionName, QStringLiteral("いるか"));
        QVERIFY(game->user->shown().isEmpty());
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
