// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/bevelpanel.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/pushbutton.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/seenfocus.h"
#include "platform/controls/shiftstate.h"
#include "rules/errors.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

namespace {

struct MouseUp
{
    int button = 0;
    int shift = -1;
    QPoint pos;
};

// A turn of the mouse wheel over the middle of a control.
void turnWheel(QWidget *control, int steps)
{
    const QPointF pos = QRectF(control->rect()).center();
    QWheelEvent event(pos, control->mapToGlobal(pos), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &event);
}

// What an input method sends when it commits text.
void commit(QObject *target, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestControlsInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Shift 1, Alt 2, Ctrl 4, left 8, right 16, middle 32, double 64.
    void shiftStateFlags_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<int>("state");
        QTest::newRow("nothing") << 0 << 0 << false << 0;
        QTest::newRow("shift") << int(Qt::ShiftModifier) << 0 << false << 1;
        QTest::newRow("alt") << int(Qt::AltModifier) << 0 << false << 2;
        QTest::newRow("ctrl") << int(Qt::ControlModifier) << 0 << false << 4;
        QTest::newRow("left held") << 0 << int(Qt::LeftButton) << false << 8;
        QTest::newRow("right held") << 0 << int(Qt::RightButton) << false << 16;
        QTest::newRow("middle held") << 0 << int(Qt::MiddleButton) << false << 32;
        QTest::newRow("double") << 0 << 0 << true << 64;
        QTest::newRow("shift+ctrl") << int(Qt::ShiftModifier | Qt::ControlModifier) << 0 << false << 5;
        QTest::newRow("everything") << int(Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier)
                                    << int(Qt::LeftButton | Qt::RightButton | Qt::MiddleButton) << true
                                    << 127;
        QTest::newRow("keypad and meta ignored")
            << int(Qt::KeypadModifier | Qt::MetaModifier) << 0 << false << 0;
    }
    void shiftStateFlags()
    {
        QFETCH(int, modifiers);
        QFETCH(int, buttons);
        QFETCH(bool, doubleClick);
        QFETCH(int, state);
        QCOMPARE(shiftState(Qt::KeyboardModifiers(modifiers), Qt::MouseButtons(buttons), doubleClick), state);
    }

    // Any mouse button released over the button raises mouseUp; the keyboard
    // does nothing.
    void mouseUpButtonReportsEveryButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void mouseUpButtonReportsEveryButton()
    {
        QFETCH(int, button);
        MouseUpButton start;
        start.resize(337, 49);
        QSignalSpy up(&start, &MouseUpButton::mouseUp);
        QTest::mouseClick(&start, Qt::MouseButton(button), Qt::NoModifier, QPoint(30, 20));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).value<Qt::MouseButton>(), Qt::MouseButton(button));
        QCOMPARE(up.at(0).at(1).toInt(), 0);
        QCOMPARE(up.at(0).at(2).toPoint(), QPoint(30, 20));
        QVERIFY(!start.isDown());
    }

    // Space or Enter on the focused button does nothing.
    void mouseUpButtonIgnoresTheKeyboard()
    {
        MouseUpButton start;
        start.resize(337, 49);
        QSignalSpy up(&start, &MouseUpButton::mouseUp);
        QSignalSpy clicked(&start, &QPushButton::clicked);
        for (const Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter })
            QTest::keyClick(&start, key);
        QCOMPARE(up.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseClick(&start, Qt::LeftButton);
        QCOMPARE(clicked.count(), 0);
    }

    // The gesture: Shift and Ctrl held, the left button just released.
    void shiftCtrlLeftReleaseGivesFive()
    {
        MouseUpButton start;
        start.resize(337, 49);
        MouseUp got;
        connect(&start, &MouseUpButton::mouseUp, this, [&](Qt::MouseButton b, int s, QPoint p) {
            got = { int(b), s, p };
        });
        QTest::mouseClick(&start, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(5, 5));
        QCOMPARE(got.button, int(Qt::LeftButton));
        QCOMPARE(got.shift, 5);
    }

    // The left button pressed on the button holds the mouse: the release is
    // reported outside it too. A right release outside is not.
    void leftPressHoldsTheMouseUntilRelease()
    {
        MouseUpButton start;
        start.resize(100, 40);
        QSignalSpy up(&start, &MouseUpButton::mouseUp);
        QTest::mousePress(&start, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(start.isDown());
        QTest::mouseRelease(&start, Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(2).toPoint(), QPoint(150, 60));

        QTest::mousePress(&start, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(&start, Qt::RightButton, Qt::NoModifier, QPoint(150, 60));
        QCOMPARE(up.count(), 1);
    }

    // A button still held is in the shift state of another's release.
    void otherHeldButtonIsInTheShiftState()
    {
        MouseUpButton start;
        start.resize(100, 40);
        QSignalSpy up(&start, &MouseUpButton::mouseUp);
        QTest::mousePress(&start, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mousePress(&start, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(&start, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mouseRelease(&start, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(up.count(), 2);
        QCOMPARE(up.at(0).at(1).toInt(), 8);
        QCOMPARE(up.at(1).at(1).toInt(), 0);
    }

    // Return and Enter (the keypad's) click a focused push button, as Space
    // does; not with Shift, Ctrl or Alt held.
    void pushButtonClicksOnEnter()
    {
        PushButton button;
        button.resize(80, 30);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        QTest::keyClick(&button, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
        QTest::keyClick(&button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicked.count(), 2);
        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(clicked.count(), 3);
        for (const Qt::KeyboardModifier held : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier})
            QTest::keyClick(&button, Qt::Key_Return, held);
        QTest::keyClick(&button, Qt::Key_A);
        QCOMPARE(clicked.count(), 3);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 4);
    }

    // Hiding the control that holds the focus, or a panel around it, leaves
    // the focus with the window, not with the next control; hiding another
    // one leaves the focus where it is.
    void hidingTheFocusedControlLeavesTheFocusWithTheWindow()
    {
        QWidget window;
        window.resize(300, 200);
        BevelPanel panel(&window);
        panel.setGeometry(0, 0, 300, 100);
        QPushButton button(QStringLiteral("OK"), &panel);
        QPushButton other(QStringLiteral("NG"), &panel);
        other.move(100, 0);
        QLineEdit edit(&window);
        edit.setGeometry(0, 120, 300, 20);
        keepFocusOnSeenControls(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button.setFocus();
        QCOMPARE(QApplication::focusWidget(), &button);

        panel.hide();
        QCOMPARE(QApplication::focusWidget(), &window);
        panel.show();
        QCOMPARE(QApplication::focusWidget(), &window);

        other.setFocus();
        other.hide();
        QCOMPARE(QApplication::focusWidget(), &window);
        other.show();

        edit.setFocus();
        panel.hide(); // the focus is not in the panel: it stays where it is
        QCOMPARE(QApplication::focusWidget(), &edit);
    }

    // A control that a windowed sibling covers whole takes no focus: Tab
    // passes it by, and it loses the focus when it is covered. Uncovered, it
    // takes the focus as before; the focus starts on a control that is seen.
    void coveredControlsTakeNoFocus()
    {
        QWidget window;
        window.resize(300, 200);
        QLineEdit covered(&window);
        covered.setGeometry(10, 10, 100, 20);
        QPushButton first(QStringLiteral("1"), &window);
        first.setGeometry(10, 100, 50, 30);
        QPushButton second(QStringLiteral("2"), &window);
        second.setGeometry(100, 100, 50, 30);
        BevelPanel cover(&window);
        cover.setGeometry(5, 5, 200, 50);
        keepFocusOnSeenControls(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), &first); // the first control that can be seen
        QCOMPARE(covered.focusPolicy(), Qt::NoFocus);
        QVERIFY(!isSeenInWindow(&covered));
        QVERIFY(isSeenInWindow(&first));

        first.setFocus();
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget() == &first || QApplication::focusWidget() == &second);
        }
        QTest::keyClick(window.windowHandle(), Qt::Key_X);
        QCOMPARE(covered.text(), QString());

        cover.hide();
        QCOMPARE(covered.focusPolicy(), Qt::StrongFocus);
        QVERIFY(isSeenInWindow(&covered));
        int reached = 0;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(window.windowHandle(), Qt::Key_Tab);
            reached += QApplication::focusWidget() == &covered ? 1 : 0;
        }
        QCOMPARE(reached, 2);
        covered.setFocus();
        cover.show(); // covered again while it holds the focus
        QCOMPARE(QApplication::focusWidget(), &window);
        QTest::keyClick(window.windowHandle(), Qt::Key_X);
        QCOMPARE(covered.text(), QString());

        // Moved from under the cover, it is seen; a panel that covers it only
        // in part leaves it seen.
        covered.move(10, 60);
        QVERIFY(isSeenInWindow(&covered));
        cover.resize(200, 70);
        QVERIFY(isSeenInWindow(&covered));
        QCOMPARE(covered.focusPolicy(), Qt::StrongFocus);
    }

    // Reading past the end of a list box is an error with the index.
    void listBoxItemOutOfRangeThrows_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty, 0") << 0 << 0 << QStringLiteral("リストのインデックスが範囲を超えています (0)");
        QTest::newRow("two, 2") << 2 << 2 << QStringLiteral("リストのインデックスが範囲を超えています (2)");
        QTest::newRow("two, -1") << 2 << -1
                                 << QStringLiteral("リストのインデックスが範囲を超えています (-1)");
    }
    void listBoxItemOutOfRangeThrows()
    {
        QFETCH(int, lines);
        QFETCH(int, index);
        QFETCH(QString, message);
        ListBox list;
        for (int i = 0; i < lines; ++i)
            list.addItem(QString::number(i));
        for (int op = 0; op < 3; ++op) {
            try {
                if (op == 0)
                    list.item(index);
                else if (op == 1)
                    list.setItemText(index, QStringLiteral("x"));
                else
                    list.deleteItem(index);
                QFAIL("no error");
            } catch (const EStringListError &error) {
                QCOMPARE(error.message(), message);
            }
        }
        QCOMPARE(list.count(), lines);
    }

    // The item list: add at the end, replace keeping the selection, delete,
    // clear; nothing of it raises userClicked.
    void listBoxItemsChangeQuietly()
    {
        ListBox list;
        QSignalSpy clicked(&list, &ListBox::userClicked);
        list.setItems({ QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") });
        list.addItem(QStringLiteral("d"));
        QCOMPARE(list.items(), (QStringList { "a", "b", "c", "d" }));
        QCOMPARE(list.itemIndex(), -1);
        list.setItemIndex(2);
        QCOMPARE(list.itemIndex(), 2);
        list.setItemText(2, QStringLiteral("C"));
        QCOMPARE(list.itemIndex(), 2);
        QCOMPARE(list.item(2), QStringLiteral("C"));
        list.deleteItem(0);
        QCOMPARE(list.itemIndex(), 1); // the same line
        QCOMPARE(list.item(1), QStringLiteral("C"));
        list.deleteItem(1);
        QCOMPARE(list.itemIndex(), -1); // the selected line went
        QCOMPARE(list.items(), (QStringList { "b", "d" }));
        list.setItemIndex(1);
        list.setItemIndex(-1);
        QCOMPARE(list.itemIndex(), -1);
        list.setItemIndex(7);
        QCOMPARE(list.itemIndex(), -1);
        list.clearItems();
        QCOMPARE(list.count(), 0);
        QCOMPARE(clicked.count(), 0);
    }

    // A release over a line selects it and clicks, also on the line already
    // selected, which stays selected; arrow keys that move the selection click.
    void listBoxClicksOnReleaseAndArrowKeys()
    {
        ListBox list;
        list.resize(100, 66);
        list.setItems({ QStringLiteral("100  100  20"), QStringLiteral("200  150  10"),
            QStringLiteral("50   60   8") });
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicked(&list, &ListBox::userClicked);
        const QPoint second = list.visualItemRect(list.QListWidget::item(1)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second);
        QCOMPARE(list.itemIndex(), 1);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second);
        QCOMPARE(list.itemIndex(), 1);
        QCOMPARE(clicked.count(), 2);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, second);
        QCOMPARE(list.itemIndex(), 1);
        QCOMPARE(clicked.count(), 3);
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.itemIndex(), 2);
        QCOMPARE(clicked.count(), 4);
        QTest::keyClick(&list, Qt::Key_Down); // already at the end: nothing moves
        QCOMPARE(clicked.count(), 4);
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(list.itemIndex(), 1);
        QCOMPARE(clicked.count(), 5);
    }

    // The right and the middle button select the line and click, as the left
    // one does; below the last line they take the last line.
    void listBoxClicksOnEveryButton_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right") << int(Qt::RightButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }
    void listBoxClicksOnEveryButton()
    {
        QFETCH(int, button);
        ListBox list;
        list.resize(100, 66);
        list.setItems({ QStringLiteral("100  100  20"), QStringLiteral("200  150  10") });
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicked(&list, &ListBox::userClicked);
        QList<int> seen;
        connect(&list, &ListBox::userClicked, this, [&] { seen.append(list.itemIndex()); });
        const QPoint first = list.visualItemRect(list.QListWidget::item(0)).center();
        QTest::mouseClick(list.viewport(), Qt::MouseButton(button), Qt::NoModifier, first);
        QTest::mouseClick(list.viewport(), Qt::MouseButton(button), Qt::NoModifier, QPoint(50, 60));
        QCOMPARE(seen, (QList<int> { 0, 1 }));
    }

    // An empty list does not click.
    void emptyListBoxDoesNotClick()
    {
        ListBox list;
        list.resize(100, 66);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicked(&list, &ListBox::userClicked);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(clicked.count(), 0);
    }

    // Typing completes to the first entry, in list order and whatever the
    // case, that starts with the text typed; no match selects nothing.
    void typingCompletesToTheFirstEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("changes");
        QTest::newRow("b") << "b"
                           << "Banana" << 1 << "anana" << 1;
        QTest::newRow("bl") << "bl"
                            << "blue" << 2 << "ue" << 2;
        QTest::newRow("a") << "a"
                           << "apple" << 0 << "pple" << 1;
        QTest::newRow("A") << "A"
                           << "apple" << 0 << "pple" << 1;
        QTest::newRow("z") << "z"
                           << "z" << -1 << "" << 1;
        QTest::newRow("bx") << "bx"
                            << "Bx" << -1 << "" << 2;
        QTest::newRow("ban, one change") << "ban"
                                         << "Banana" << 1 << "ana" << 1;
    }
    void typingCompletesToTheFirstEntry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, index);
        QFETCH(QString, selected);
        QFETCH(int, changes);
        QuestionComboBox box;
        box.setItems({ QStringLiteral("apple"), QStringLiteral("Banana"), QStringLiteral("blue") });
        QSignalSpy changed(&box, &ItemComboBox::userChanged);
        QTest::keyClicks(&box, typed);
        QCOMPARE(box.text(), text);
        QCOMPARE(box.itemIndex(), index);
        QCOMPARE(box.lineEdit()->selectedText(), selected);
        QCOMPARE(changed.count(), changes);
    }

    // A changed index is seen by the change handler.
    void changeHandlerSeesTheNewIndex()
    {
        QuestionComboBox box;
        box.setItems({ QStringLiteral("apple"), QStringLiteral("Banana") });
        QList<int> seen;
        connect(&box, &ItemComboBox::userChanged, this, [&] { seen.append(box.itemIndex()); });
        QTest::keyClick(&box, 'b');
        QTest::keyClick(&box, 'q');
        QCOMPARE(seen, (QList<int> { 1, -1 }));
        QCOMPARE(box.text(), QStringLiteral("Bq"));
    }

    // Program changes of items, selection and text raise nothing; clearing
    // the items keeps the edit text.
    void comboBoxProgramChangesAreQuiet()
    {
        QuestionComboBox box;
        QSignalSpy changed(&box, &ItemComboBox::userChanged);
        box.setItems({ QStringLiteral("q1"), QStringLiteral("q2") });
        box.addItem(QStringLiteral("q3"));
        box.setItemIndex(1);
        QCOMPARE(box.text(), QStringLiteral("q2"));
        box.clearItems();
        QCOMPARE(box.count(), 0);
        QCOMPARE(box.text(), QStringLiteral("q2"));
        QCOMPARE(box.itemIndex(), -1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(box.maxVisibleItems(), 8);
        QVERIFY(box.completer() == nullptr);
        QCOMPARE(box.insertPolicy(), QComboBox::NoInsert);
        try {
            box.item(0);
            QFAIL("no error");
        } catch (const EStringListError &error) {
            QCOMPARE(error.message(), QStringLiteral("リストのインデックスが範囲を超えています (0)"));
        }
    }

    // Leaving the edit field, or Return in it, selects nothing, even when the
    // field holds an entry's exact text; nothing is raised.
    void leavingTheFieldChangesNothing()
    {
        QWidget window;
        QuestionComboBox box(&window);
        box.setItems({ QStringLiteral("q1"), QStringLiteral("q10") });
        QPushButton elsewhere(QStringLiteral("x"), &window);
        elsewhere.move(0, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        box.setFocus();
        QSignalSpy changed(&box, &ItemComboBox::userChanged);
        QTest::keyClicks(&box, QStringLiteral("q10"));
        QCOMPARE(box.itemIndex(), 1);
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), QStringLiteral("q1"));
        QCOMPARE(box.itemIndex(), -1);
        const int changes = changed.count();
        QTest::keyClick(&box, Qt::Key_Return);
        elsewhere.setFocus();
        QVERIFY(!box.hasFocus());
        QCOMPARE(box.itemIndex(), -1);
        QCOMPARE(box.text(), QStringLiteral("q1"));
        QCOMPARE(changed.count(), changes);
    }

    // The wheel over either closed combo box changes nothing and raises nothing.
    void wheelChangesNoComboBox()
    {
        PickComboBox pick;
        pick.setItems({ QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50") });
        pick.setItemIndex(1);
        QuestionComboBox question;
        question.setItems({ QStringLiteral("inu"), QStringLiteral("neko"), QStringLiteral("saru") });
        question.setItemIndex(1);
        QSignalSpy pickChanged(&pick, &ItemComboBox::userChanged);
        QSignalSpy questionChanged(&question, &ItemComboBox::userChanged);
        for (int steps : { 1, -1, -2, 3 }) {
            turnWheel(&pick, steps);
            turnWheel(&question, steps);
        }
        QCOMPARE(pick.itemIndex(), 1);
        QCOMPARE(question.itemIndex(), 1);
        QCOMPARE(question.text(), QStringLiteral("neko"));
        QCOMPARE(pickChanged.count(), 0);
        QCOMPARE(questionChanged.count(), 0);
    }

    // Text an input method commits completes like typed keys, whether it
    // comes to the edit field or to the box; composing raises nothing.
    void inputMethodTextCompletes_data()
    {
        QTest::addColumn<bool>("toTheField");
        QTest::newRow("to the edit field") << true;
        QTest::newRow("to the box") << false;
    }
    void inputMethodTextCompletes()
    {
        QFETCH(bool, toTheField);
        QuestionComboBox box;
        box.setItems({ QStringLiteral("ねこ"), QStringLiteral("いぬ"), QStringLiteral("いるか") });
        QObject *target = toTheField ? static_cast<QObject *>(box.lineEdit()) : &box;
        QList<int> seen;
        connect(&box, &ItemComboBox::userChanged, this, [&] { seen.append(box.itemIndex()); });

        QInputMethodEvent composing(QStringLiteral("い"), {});
        QApplication::sendEvent(target, &composing);
        QVERIFY(seen.isEmpty());
        commit(target, QStringLiteral("い"));
        QCOMPARE(box.text(), QStringLiteral("いぬ"));
        QCOMPARE(box.lineEdit()->selectedText(), QStringLiteral("ぬ"));
        QCOMPARE(seen, QList<int> { 1 });

        commit(target, QStringLiteral("る"));
        QCOMPARE(box.text(), QStringLiteral("いるか"));
        QCOMPARE(box.lineEdit()->selectedText(), QStringLiteral("か"));
        QCOMPARE(seen, (QList<int> { 1, 2 }));

        // Composing over the completed part, then committing: the same rule.
        QInputMethodEvent again(QStringLiteral("か"), {});
        QApplication::sendEvent(target, &again);
        QCOMPARE(seen, (QList<int> { 1, 2 }));
        commit(target, QStringLiteral("か"));
        QCOMPARE(box.text(), QStringLiteral("いるか"));
        QCOMPARE(seen, (QList<int> { 1, 2 }));

        // Nothing fits: the text goes into the field and nothing is selected.
        commit(target, QStringLiteral("ご"));
        QCOMPARE(box.text(), QStringLiteral("いるかご"));
        QCOMPARE(box.itemIndex(), -1);
        QCOMPARE(seen, (QList<int> { 1, 2, -1 }));

        // A whole name committed at once, over a selected field.
        box.lineEdit()->selectAll();
        commit(target, QStringLiteral("ねこ"));
        QCOMPARE(box.text(), QStringLiteral("ねこ"));
        QCOMPARE(box.itemIndex(), 0);
        QCOMPARE(seen, (QList<int> { 1, 2, -1, 0 }));
    }

    // The pick-only box tells of the user's keyboard changes only.
    void pickComboBoxReportsUserChanges()
    {
        PickComboBox box;
        QSignalSpy changed(&box, &ItemComboBox::userChanged);
        box.setItems(
            { QStringLiteral("30"), QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("60") });
        box.setItemIndex(3);
        QCOMPARE(box.text(), QStringLiteral("60"));
        QCOMPARE(changed.count(), 0);
        QTest::keyClick(&box, Qt::Key_Up);
        QCOMPARE(box.itemIndex(), 2);
        QCOMPARE(box.text(), QStringLiteral("50"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(!box.isEditable());
    }
};

QTEST_MAIN(TestControlsInput)
#include "tst_controls_input.moc"
