// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/constants.h"

#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>

class BevelPanel;
class GroupFrame;
class ImageView;
class ListBox;
class MouseUpButton;
class PickComboBox;
class QPushButton;
class QStatusBar;
class QuestionComboBox;
class TextLabel;
class TimeBar;
namespace Platform {
class GameTimer;
}

// One answer of a question: a circle on picture B.
struct Answer
{
    qint32 Found = 0;
    qint32 X = 0;
    qint32 Y = 0;
    qint32 R = 0;
};

enum GameStates : qint32 {
    gsTitle = 0,
    gsPlaying = 1,
    gsAnswerSetting = 2,
    gsRoundOver = 3,
};

// The game's one window. It owns every control and the game record; its
// methods are the game's operations and event handlers.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    TForm1();
    ~TForm1() override;

    // --- The game record, in declaration order ---
    QString BaseDir;      // start-up directory, ending in "/"
    QString QuestionDir;  // current question folder ending in "/", or empty
    QString QuestionName; // catalogue name of the question last loaded

    // Slot 0 the catalogue size, 1..99 the used flags, 100 the picked
    // question, 101 the questions still to play, 102 the game state.
    qint32 QuestionTable[103] = {};
    qint32 &QuestionTotal = QuestionTable[0];
    qint32 *const QuestionUsed = QuestionTable; // QuestionUsed[1..99]
    qint32 &CurrentQuestion = QuestionTable[100];
    qint32 &QuestionsLeft = QuestionTable[101];
    qint32 &GameState = QuestionTable[102];

    bool ClockFrozen = false;
    qint32 MemoryMode = 0;
    bool AbortWait = false;
    qint32 MarkX = 0; // 0: no candidate mark
    qint32 MarkY = 0;
    qint32 MarkR = 0;
    Answer Answers[MaxAnswers + 1] = {}; // Answers[1..99]
    qint32 TimeLimit = 0;
    qint32 AnswerCount = 0;
    bool AnswersDirty = false;
    qint32 FoundCount = 0;
    qint32 MissCount = 0;
    qint32 TimeLeft = 0;

    // --- The controls, in creation order ---
    TextLabel *L_Msg = nullptr;
    TextLabel *Label9 = nullptr;
    BevelPanel *P_ImgA = nullptr;
    ImageView *Img_A = nullptr;
    BevelPanel *P_ImgB = nullptr;
    ImageView *Img_B = nullptr;
    ImageView *Img_Ans = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    BevelPanel *P_Title = nullptr;
    TextLabel *L_TitleMsg = nullptr;
    MouseUpButton *B_GameStart = nullptr;
    QPushButton *B_GameEnd = nullptr;
    GroupFrame *GroupBox1 = nullptr;
    TextLabel *L_QName = nullptr;
    QPushButton *B_QChange = nullptr;
    BevelPanel *P_GameMsg = nullptr;
    TextLabel *L_GMsg1 = nullptr;
    TextLabel *L_GMsg2 = nullptr;
    QPushButton *B_GameMsgOK = nullptr;
    QPushButton *B_GameMsgNG = nullptr;
    BevelPanel *Panel3 = nullptr;
    TextLabel *Label4 = nullptr;
    TextLabel *L_Title = nullptr;
    TextLabel *Label6 = nullptr;
    QuestionComboBox *CB_Q = nullptr;
    BevelPanel *P_Miss = nullptr;
    TextLabel *Label2 = nullptr;
    TextLabel *L_Miss2 = nullptr;
    TextLabel *L_SeigenJikan = nullptr;
    TextLabel *L_Miss = nullptr;
    TimeBar *PB_Time = nullptr;
    QPushButton *B_GiveUp = nullptr;
    BevelPanel *P_Ans = nullptr;
    TextLabel *Label3 = nullptr;
    ListBox *LB_Ans = nullptr;
    QPushButton *B_Add = nullptr;
    QPushButton *B_Del = nullptr;
    QPushButton *B_End = nullptr;
    QPushButton *B_Check = nullptr;
    QPushButton *B_D1 = nullptr;
    QPushButton *B_D3 = nullptr;
    QPushButton *B_D4 = nullptr;
    QPushButton *B_D2 = nullptr;
    QPushButton *B_D6 = nullptr;
    QPushButton *B_D5 = nullptr;
    PickComboBox *CB_Time = nullptr;
    QPushButton *B_Save = nullptr;
    ListBox *LB_Set = nullptr;
    Platform::GameTimer *Timer1 = nullptr;

    // --- Start, title and play (question flow) ---
    void FormCreate();
    void FormCloseQuery();
    void ShowTitle();
    void B_GameStartMouseUp(Qt::MouseButton button, int shift, QPoint pos);
    void StartRound();
    void Timer1Timer();
    void Img_AnsMouseUp(Qt::MouseButton button, int shift, QPoint pos);
    void B_GiveUpClick();
    void B_GameMsgOKClick();
    void B_GameMsgNGClick();
    void B_GameEndClick();
    void L_TitleMouseUp(Qt::MouseButton button, int shift, QPoint pos);

    // --- Question folder and catalogue ---
    void FindStartupFolder();
    void ScanQuestions();
    void RestartPlayThrough();
    void PickQuestion();
    void CB_QChange();
    void B_QChangeClick();

    // --- Answer file ---
    void LoadAnswers();
    void B_SaveClick();

    // --- Answer-setting mode ---
    void PlaceCandidate(int x, int y);
    void LB_AnsClick();
    void B_AddClick();
    void B_DelClick();
    void B_EndClick();
    void B_CheckClick();
    void B_D1Click(QObject *sender);
    void CB_TimeChange();

    // --- View operations ---
    void ClearOverlay();
    void DrawMark(int x, int y, int r);
    void RepaintNow();
    void Pause(int ms);
    void PlaySound(const QString &fileName);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectHandlers();
    // Every event enters the game through here: errors shown in the error
    // box, and a close that came in during a wait carried out once the
    // outermost handler is done. Handlers nest: a handler that waits (Pause)
    // runs the event loop, and the events it lets in run their handlers.
    void run(const std::function<void()> &handler);

    // Counts the rounds started, so that a round can tell that another one
    // began while it waited.
    quint64 m_roundSerial = 0;
    int m_handlerDepth = 0;
    bool m_closeRequested = false;
    bool m_closing = false;
};
