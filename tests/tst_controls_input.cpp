#include "platform/controls/listbox.h"
#include "platform/controls/mouseupbutton.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/shiftstate.h"
#include "platform/errors.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

struct MouseUp
{
    int button = 0;
    int shift = -1;
    QPoint pos;
};

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
        box.setText(QStringLiteral("free"));
        QCOMPARE(box.text(), QStringLiteral("free"));
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
