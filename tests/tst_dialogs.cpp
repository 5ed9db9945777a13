// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialogs.h"
#include "rules/errors.h"

#include "installed.h"
#include "modal.h"
#include "scripteduser.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

// What a person saw in a message box before answering it.
struct SeenBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // left to right
    QString defaultButton;
    QString escapeButton;
    // How far the middle of the row of buttons lies from the middle of the
    // box, and whether they stand side by side on one row.
    int buttonsOffCentre = 0;
    bool oneRow = true;
};

SeenBox look(QMessageBox *box)
{
    SeenBox seen;
    seen.caption = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    QList<QAbstractButton *> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(),
        [](QAbstractButton *a, QAbstractButton *b) { return a->x() < b->x(); });
    for (QAbstractButton *button : buttons)
        seen.buttons.append(button->text());
    if (!buttons.isEmpty()) {
        const QRect first = buttons.first()->geometry().translated(buttons.first()->parentWidget()->mapTo(box, QPoint()));
        const QRect last = buttons.last()->geometry().translated(buttons.last()->parentWidget()->mapTo(box, QPoint()));
        seen.buttonsOffCentre = (first.left() + last.right() + 1) / 2 - box->width() / 2;
        for (QAbstractButton *button : buttons)
            seen.oneRow = seen.oneRow && button->mapTo(box, QPoint()).y() == first.top();
    }
    if (box->defaultButton())
        seen.defaultButton = box->defaultButton()->text();
    if (box->escapeButton())
        seen.escapeButton = box->escapeButton()->text();
    return seen;
}

enum class Answer { Return, Enter, Escape, CloseBox, LetterY, LetterN };

void give(QWidget *dialog, Answer answer)
{
    QWidget *focused = dialog->focusWidget() ? dialog->focusWidget() : dialog;
    switch (answer) {
    case Answer::Return:
        QTest::keyClick(focused, Qt::Key_Return);
        break;
    case Answer::Enter:
        QTest::keyClick(focused, Qt::Key_Enter);
        break;
    case Answer::Escape:
        QTest::keyClick(focused, Qt::Key_Escape);
        break;
    case Answer::CloseBox:
        dialog->close();
        break;
    case Answer::LetterY:
        QTest::keyClick(focused, Qt::Key_Y);
        break;
    case Answer::LetterN:
        QTest::keyClick(focused, Qt::Key_N);
        break;
    }
}

// Opens the next box as a person would meet it: records what it shows, then answers.
void answerNextBox(SeenBox &seen, Answer answer)
{
    onNextModal([&seen, answer](QWidget *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog))
            seen = look(box);
        give(dialog, answer);
    });
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The title is the program file's name up to its first ".", the letters after the first in lower case.
    void titleComesFromTheProgramFileName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("build output") << "build/pimukaro"
                                      << "pimukaro";
        QTest::newRow("capitals") << "/usr/games/PIMUKARO"
                                  << "Pimukaro";
        QTest::newRow("from the first dot") << "/opt/Pimukaro.Ver2.exe"
                                            << "Pimukaro";
        QTest::newRow("dot in the folder") << "/home/a.b/game"
                                           << "game";
        QTest::newRow("Japanese name") << "/x/ぴむかろ.bin"
                                       << "ぴむかろ";
        QTest::newRow("nothing before the dot") << "/x/.hidden"
                                                << "";
    }
    void titleComesFromTheProgramFileName()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(Platform::titleFromProgramPath(path), title);
    }

    void applicationTitleIsThisProgramsName()
    {
        QCOMPARE(Platform::applicationTitle(), QStringLiteral("tst_dialogs"));
    }

    // The game's questions and messages reach the person unchanged; only Yes counts as 6.
    void questionsAndMessagesGoToTheUser()
    {
        Installed<ScriptedUser> user;
        user->answer(Platform::IdNo);
        user->answer(Platform::IdYes);
        QCOMPARE(Platform::askQuestion(QStringLiteral("解答データを保存しますか？")), 7);
        Platform::showMessage(QStringLiteral("ここにはもんだいがありません"));
        QCOMPARE(Platform::askQuestion(QStringLiteral("解答データを保存しますか？")), 6);
        const QList<ScriptedUser::Shown> expected {
            { ScriptedUser::Kind::Question, QStringLiteral("解答データを保存しますか？") },
            { ScriptedUser::Kind::Message, QStringLiteral("ここにはもんだいがありません") },
            { ScriptedUser::Kind::Question, QStringLiteral("解答データを保存しますか？") },
        };
        QCOMPARE(user->shown(), expected);
    }

    // The error box adds its "." where the rule says.
    void errorBoxTextFollowsThePeriodRule_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("open error") << Errors::cannotOpen("/q/inu_A.bmp")
                                    << QStringLiteral("ファイル /q/inu_A.bmp は開けません.");
        QTest::newRow("list index") << Errors::listIndex(0)
                                    << QStringLiteral("リストのインデックスが範囲を超えています (0)");
        QTest::newRow("already a period") << QStringLiteral("done.") << QStringLiteral("done.");
    }
    void errorBoxTextFollowsThePeriodRule()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Installed<ScriptedUser> user;
        Platform::showError(message);
        QCOMPARE(user->errors(), QStringList { shown });
    }

    // The real question: "確認", question icon, はい then いいえ side by side and centred;
    // Enter gives 6, Esc 7, the close box 2.
    void realQuestionAnswersAsTheKeysSay_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter right after opening") << Answer::Return << 6;
        QTest::newRow("keypad Enter") << Answer::Enter << 6;
        QTest::newRow("Esc") << Answer::Escape << 7;
        QTest::newRow("close box") << Answer::CloseBox << 2;
        QTest::newRow("mnemonic Y") << Answer::LetterY << 6;
        QTest::newRow("mnemonic N") << Answer::LetterN << 7;
    }
    void realQuestionAnswersAsTheKeysSay()
    {
        QFETCH(Answer, answer);
        QFETCH(int, result);
        SeenBox seen;
        answerNextBox(seen, answer);
        QCOMPARE(Platform::askQuestion(QStringLiteral("解答データを保存しますか？")), result);
        QCOMPARE(seen.caption, QStringLiteral("確認"));
        QCOMPARE(seen.text, QStringLiteral("解答データを保存しますか？"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, QStringList({ QStringLiteral("はい(&Y)"), QStringLiteral("いいえ(&N)") }));
        QVERIFY(seen.oneRow);
        QVERIFY2(qAbs(seen.buttonsOffCentre) <= 1, qPrintable(QString::number(seen.buttonsOffCentre)));
        QCOMPARE(seen.defaultButton, QStringLiteral("はい(&Y)"));
        QCOMPARE(seen.escapeButton, QStringLiteral("いいえ(&N)"));
    }

    // The real message box: the application title as caption, no icon, one OK that also cancels.
    void realMessageBoxShowsTheTitleAndOneOk_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Enter") << Answer::Return;
        QTest::newRow("Esc") << Answer::Escape;
        QTest::newRow("close box") << Answer::CloseBox;
    }
    void realMessageBoxShowsTheTitleAndOneOk()
    {
        QFETCH(Answer, answer);
        SeenBox seen;
        answerNextBox(seen, answer);
        Platform::showMessage(QStringLiteral("もんだいが えらばれていません！"));
        QCOMPARE(seen.caption, Platform::applicationTitle());
        QCOMPARE(seen.text, QStringLiteral("もんだいが えらばれていません！"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.buttons, QStringList { QStringLiteral("OK") });
        QVERIFY2(qAbs(seen.buttonsOffCentre) <= 1, qPrintable(QString::number(seen.buttonsOffCentre)));
        QCOMPARE(seen.defaultButton, QStringLiteral("OK"));
        QCOMPARE(seen.escapeButton, QStringLiteral("OK"));
    }

    // The real error box: the application title, the stop icon, OK, and the text with its ".".
    void realErrorBoxShowsTheStopIconAndThePeriod()
    {
        SeenBox seen;
        answerNextBox(seen, Answer::Return);
        Platform::showError(Errors::cannotOpen(QStringLiteral("/q/inu_A.bmp")));
        QCOMPARE(seen.caption, Platform::applicationTitle());
        QCOMPARE(seen.text, QStringLiteral("ファイル /q/inu_A.bmp は開けません."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, QStringList { QStringLiteral("OK") });
    }

    // A box sits in the middle of the screen.
    void realBoxIsCentredOnTheScreen()
    {
        QPoint offCentre(-1, -1);
        onNextModal([&offCentre](QWidget *dialog) {
            offCentre = dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
            dialog->close();
        });
        Platform::showMessage(QStringLiteral("ここにはもんだいがありません"));
        QVERIFY2(offCentre.manhattanLength() <= 2,
            qPrintable(QStringLiteral("off by %1,%2").arg(offCentre.x()).arg(offCentre.y())));
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
