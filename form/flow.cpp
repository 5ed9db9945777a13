// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// From start-up to the end of a play-through: the title screen, the
// announcement of each question, the clock, the player's clicks and the four
// ways a question ends.

#include "form/Pimukaro_Main.h"

#include "rules/answerlines.h"
#include "rules/texts.h"
#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/shiftstate.h"
#include "platform/controls/textlabel.h"
#include "platform/controls/timebar.h"
#include "platform/dialogs.h"
#include "rules/files.h"
#include "platform/gametimer.h"
#include "rules/linefile.h"
#include "rules/picture.h"
#include "platform/random.h"
#include "platform/now.h"

#include <QPushButton>

#include <limits>

namespace {
constexpr int ShiftCtrl = ShiftFlag::Shift | ShiftFlag::Ctrl;
const QColor TitleBlue(0x00, 0x00, 0xFF);
const QColor TitleRed(0xFF, 0x00, 0x00);

QString remainingText(qint32 count)
{
    return QStringLiteral("のこり ") + FullWidthNumber(count) + QStringLiteral(" かしょ だよ");
}
} // namespace

void TForm1::FormCreate()
{
    Platform::setRandSeed(Platform::seedFromTime(Platform::utcNow().time()));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    BaseDir = Platform::currentDirectory();
    if (!BaseDir.endsWith(QLatin1Char('/')))
        BaseDir += QLatin1Char('/');
    QuestionDir.clear();
    ClockFrozen = false;
    FindStartupFolder();
    // Every Qt widget paints through a back buffer, so the announcement's
    // growing text cannot flicker; nothing to switch on for P_GameMsg.
    ScanQuestions();
    CB_QChange();
    ShowTitle();
}

void TForm1::ShowTitle()
{
    GameState = gsTitle;
    AnswersDirty = false;
    Timer1->setEnabled(false);
    PB_Time->setPosition(100);
    L_Miss->setCaption(QString());
    B_GiveUp->hide();
    P_Miss->show();
    P_Ans->hide();
    L_SeigenJikan->setCaption(QStringLiteral("せいげんじかん："));
    L_TitleMsg->setCaption(Greeting(Platform::localNow().time().hour()));
    P_GameMsg->hide();
    P_Title->show();
    ScanQuestions();
}

void TForm1::B_GameStartMouseUp(Qt::MouseButton, int shift, QPoint)
{
    if (QuestionDir.isEmpty()) {
        Platform::showMessage(QStringLiteral("もんだいが えらばれていません！"));
        return;
    }
    if (QuestionTotal == 0) {
        // A remembered folder that has lost its questions: nothing to draw from.
        Platform::showMessage(QStringLiteral("ここにはもんだいがありません"));
        return;
    }
    // The start button always begins afresh, also after a question that
    // failed to load left the last play-through unfinished.
    RestartPlayThrough();
    PickQuestion();
    if (shift == ShiftCtrl) {
        GameState = gsAnswerSetting;
        P_Miss->hide();
        P_Ans->show();
        P_Title->hide();
        CB_QChange();
        return;
    }
    StartRound();
}

void TForm1::StartRound()
{
    // Giving up during the countdown brings back the title, where another
    // round can start inside this one's wait; this one must then end unseen.
    const quint64 round = ++m_roundSerial;
    const auto superseded = [this, round] { return round != m_roundSerial; };

    CB_QChange();
    L_Msg->setCaption(remainingText(AnswerCount));
    L_Miss->setCaption(QString());
    TimeLeft = TimeLimit < std::numeric_limits<qint32>::max() ? TimeLimit + 1 : TimeLimit;
    L_SeigenJikan->setCaption(QStringLiteral("せいげんじかん：") + FullWidthNumber(TimeLimit) + QStringLiteral(" びょう"));
    B_GameMsgOK->hide();
    B_GameMsgNG->hide();
    L_GMsg1->setCaption(QStringLiteral("だい ") + FullWidthNumber(QuestionTotal - QuestionsLeft + 1) + QStringLiteral(" もん"));
    L_GMsg2->setCaption(QStringLiteral("せいげんじかん ") + FullWidthNumber(TimeLimit) + QStringLiteral(" びょう"));
    P_GameMsg->show();
    L_GMsg1->resize(L_GMsg1->width(), 1);
    P_Title->show();
    PB_Time->setPosition(100);
    Timer1Timer();

    for (int i = 1; i <= 50; ++i) {
        L_GMsg1->resize(L_GMsg1->width(), 2 * i);
        Pause(30);
        if (superseded())
            return;
    }
    Pause(2000);
    if (superseded())
        return;

    P_Title->hide();
    B_GiveUp->show();

    if (MemoryMode == 1) {
        // A close asked for during the announcement still cuts the countdown short.
        AbortWait = m_closeRequested;
        for (int i = 1; i <= 30; ++i) {
            if (superseded())
                return;
            P_ImgB->setCaption(QStringLiteral("←　おぼえて！ ") + FullWidthNumber(30 - i));
            if (AbortWait)
                break;
            Pause(1000);
        }
        if (AbortWait)
            return;
        Img_A->clear();
        const QString stem = QuestionDir + CB_Q->text();
        const QString bitmap = Platform::resolvePath(stem + QStringLiteral("_B.bmp"));
        Img_B->setPicture(loadPicture(Platform::fileExists(bitmap) ? bitmap : Platform::resolvePath(stem + QStringLiteral("_B.jpg"))));
        P_ImgA->setCaption(QStringLiteral("ちがうところをクリック！→"));
    }

    GameState = gsPlaying;
    Timer1->setEnabled(true);
}

void TForm1::Timer1Timer()
{
    // An untimed question counts on below zero; it stops at the smallest value.
    if (!ClockFrozen && TimeLeft > std::numeric_limits<qint32>::min())
        --TimeLeft;
    PB_Time->setBackground(Qt::white);
    // A question without a limit plays untimed: the bar stays full.
    PB_Time->setPosition(TimeLimit > 0 ? qint32(qint64(TimeLeft) * 100 / TimeLimit) : 100);
    if (TimeLeft != 0 || TimeLimit <= 0)
        return;

    Timer1->setEnabled(false);
    GameState = gsRoundOver;
    QuestionsLeft = 0;
    PlaySound(QStringLiteral("Miss.wav"));
    L_GMsg1->setCaption(QStringLiteral("じかんぎれ！"));
    L_GMsg2->setCaption(QStringLiteral("またがんばってね！"));
    B_GameMsgOK->show();
    B_GiveUp->hide();
    P_GameMsg->show();
    P_Title->show();
}

void TForm1::Img_AnsMouseUp(Qt::MouseButton, int, QPoint pos)
{
    if (GameState == gsAnswerSetting) {
        PlaceCandidate(pos.x(), pos.y());
        return;
    }
    if (GameState != gsPlaying)
        return;

    bool missed = true;
    for (int b = 1; b <= AnswerCount; ++b) {
        Answer &answer = Answers[b];
        if (answer.Found != 0 || !HitsAnswerCircle(answer.X, answer.Y, answer.R, pos.x(), pos.y()))
            continue;

        ++FoundCount;
        L_Msg->setCaption(remainingText(AnswerCount - FoundCount));
        DrawMark(answer.X, answer.Y, answer.R);
        answer.Found = 1;
        RepaintNow();
        PlaySound(QStringLiteral("Atari.wav"));
        missed = false;

        if (FoundCount == AnswerCount) {
            Timer1->setEnabled(false);
            GameState = gsRoundOver;
            --QuestionsLeft;
            PlaySound(QStringLiteral("Clear.wav"));
            L_GMsg1->setCaption(QStringLiteral("やったね！"));
            if (QuestionsLeft != 0) {
                L_GMsg2->setCaption(QStringLiteral("つぎにどうぞ！（のこり") + FullWidthNumber(QuestionsLeft) + QStringLiteral("もん）"));
                B_GameMsgOK->show();
                B_GameMsgNG->show();
            } else {
                L_GMsg2->setCaption(QStringLiteral("もんだいはぜんぶおわったよ！"));
                B_GameMsgOK->show();
            }
            B_GiveUp->hide();
            P_GameMsg->show();
            P_Title->show();
        }
    }
    if (!missed)
        return;

    ++MissCount;
    L_Miss->setCaption(QStringLiteral("×××").left(MissCount));
    RepaintNow();
    PlaySound(QStringLiteral("Hazure.wav"));
    if (MissCount == 3) {
        Timer1->setEnabled(false);
        GameState = gsRoundOver;
        QuestionsLeft = 0;
        PlaySound(QStringLiteral("Miss.wav"));
        L_GMsg1->setCaption(QStringLiteral("ざんねん！"));
        L_GMsg2->setCaption(QStringLiteral("またがんばってね！"));
        B_GameMsgOK->show();
        P_GameMsg->show();
        B_GiveUp->hide();
        P_Title->show();
    }
}

void TForm1::B_GiveUpClick()
{
    AbortWait = true;
    Timer1->setEnabled(false);
    PlaySound(QStringLiteral("Miss.wav"));
    ShowTitle();
}

void TForm1::B_GameMsgOKClick()
{
    if (QuestionsLeft == 0) {
        ShowTitle();
        return;
    }
    PickQuestion();
    StartRound();
}

void TForm1::B_GameMsgNGClick()
{
    ShowTitle();
}

void TForm1::B_GameEndClick()
{
    close();
}

void TForm1::L_TitleMouseUp(Qt::MouseButton, int shift, QPoint)
{
    if (shift != ShiftCtrl)
        return;
    if (L_Title->textColor() == TitleBlue) {
        L_Title->setTextColor(TitleRed);
        ClockFrozen = true;
    } else {
        L_Title->setTextColor(TitleBlue);
        ClockFrozen = false;
    }
}

void TForm1::FormCloseQuery()
{
    AbortWait = true;
    if (LB_Set->count() > 0)
        Platform::saveLines(LB_Set->items(), RememberedFolderFile);
}
