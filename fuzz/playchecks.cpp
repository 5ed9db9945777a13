// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playchecks.h"

#include "fuzzsupport.h"

#include "form/Pimukaro_Main.h"
#include "platform/guard.h"

#include <QObject>
#include <QPushButton>

namespace {

void checkRecord(const TForm1 &form, const char *when)
{
    const bool kept = 0 <= form.FoundCount && form.FoundCount <= form.AnswerCount && form.AnswerCount <= MaxAnswers
        && 0 <= form.MissCount && form.MissCount <= 3 && 0 <= form.QuestionsLeft
        && form.QuestionsLeft <= form.QuestionTotal && qint64(form.TimeLeft) <= qint64(form.TimeLimit) + 1;
    if (!kept)
        Fuzz::fail("the game record left its limits", QString::fromLatin1(when));
}

} // namespace

namespace Fuzz {

void playLoadedQuestion(TForm1 &form)
{
    // The round: its start, the clock's first ticks, clicks everywhere the
    // file's circles and the picture's corners are.
    Platform::guarded([&] { form.StartRound(); });
    checkRecord(form, "after the announcement");
    if (form.GameState == gsPlaying) {
        form.Timer1Timer();
        form.Timer1Timer();
        checkRecord(form, "after two ticks");
        const int answers = form.AnswerCount;
        for (int b = 1; b <= answers && form.GameState == gsPlaying; ++b)
            form.Img_AnsMouseUp(Qt::LeftButton, 0, QPoint(form.Answers[b].X, form.Answers[b].Y));
        for (const QPoint corner : {QPoint(0, 0), QPoint(349, 349), QPoint(0, 349), QPoint(349, 0)}) {
            if (form.GameState == gsPlaying)
                form.Img_AnsMouseUp(Qt::LeftButton, 0, corner);
        }
        checkRecord(form, "after the clicks");
    }

    // The answer-setting mode: every line drawn, the last one nudged. Errors
    // (a bad line) go to the error box, which the harness takes and drops.
    form.GameState = gsAnswerSetting;
    Platform::guarded([&] { form.B_CheckClick(); });
    for (QPushButton *nudge : {form.B_D1, form.B_D2, form.B_D3, form.B_D4, form.B_D5, form.B_D6})
        form.B_D1Click(nudge);
    form.ShowTitle();
    checkRecord(form, "back at the title");
}

} // namespace Fuzz
