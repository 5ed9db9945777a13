// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a question's answer file into the answer list and the game record,
// and saving the list back.

#include "form/Pimukaro_Main.h"

#include "rules/answerlines.h"
#include "rules/questionfiles.h"
#include "platform/controls/listbox.h"
#include "platform/controls/pickcombobox.h"
#include "rules/files.h"
#include "rules/linefile.h"
#include "rules/textconv.h"

void TForm1::LoadAnswers()
{
    const QString fileName = AnswerFileOf(QuestionDir, QuestionName);
    if (!Platform::fileExists(fileName))
        return;
    // The record has room for 99 answers: a longer file gives its first 99
    // answer lines and its limit line, and the list never holds the rest.
    LB_Ans->setItems(Platform::loadFirstAndLastLines(fileName, MaxAnswers));
    const int lines = LB_Ans->count();
    // Counted at most 99 also when the limit line below fails and every line
    // is left in the list.
    AnswerCount = qMin(lines, MaxAnswers);
    if (lines == 0)
        return;
    TimeLimit = Platform::strToInt(LB_Ans->item(lines - 1));
    // The clock left over from a question played before never reads more
    // than the new limit allows (compared wide: a limit may be the largest
    // number a file can hold).
    if (qint64(TimeLeft) > qint64(TimeLimit) + 1)
        TimeLeft = TimeLimit + 1;
    CB_Time->setItemIndex(TimeChoiceShown(TimeLimit));
    LB_Ans->deleteItem(lines - 1);
    AnswerCount = lines - 1;
    for (int i = 1; i <= AnswerCount; ++i) {
        Answers[i].Found = 0;
        ParseAnswerLine(LB_Ans->item(i - 1), Answers[i].X, Answers[i].Y, Answers[i].R);
    }
}

void TForm1::B_SaveClick()
{
    // The limit line goes to the file only: whatever becomes of the write and
    // of the reload after it, the answer list keeps answer lines alone.
    if (LB_Ans->count() > 0) {
        const QStringList lines = LB_Ans->items() + QStringList { CB_Time->text() };
        Platform::saveLines(lines, AnswerFileOf(QuestionDir, QuestionName));
    }
    AnswersDirty = false;
    CB_QChange();
}
