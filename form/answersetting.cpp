// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hidden answer-setting mode: marking the differences of a question on
// picture B, choosing its time limit and saving its answer file.

#include "form/Pimukaro_Main.h"

#include "rules/answerlines.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/dialogs.h"
#include "platform/seam.h"

#include <algorithm>

namespace {
constexpr int LastPixel = 349;
constexpr int NudgeStep = 2;
constexpr int NewMarkRadius = 20;
} // namespace

void TForm1::PlaceCandidate(int x, int y)
{
    MarkX = x;
    MarkY = y;
    MarkR = NewMarkRadius;
    ClearOverlay();
    DrawMark(MarkX, MarkY, MarkR);
    LB_Ans->setItemIndex(-1);
}

void TForm1::B_AddClick()
{
    if (MarkX == 0)
        return;
    const QString line = FormatAnswerLine(MarkX, MarkY, MarkR);
    const int selected = LB_Ans->itemIndex();
    if (selected < 0) {
        if (LB_Ans->count() < MaxAnswers) {
            LB_Ans->addItem(line);
            LB_Ans->setItemIndex(LB_Ans->count() - 1);
        }
    } else {
        LB_Ans->setItemText(selected, line);
    }
    AnswersDirty = true;
}

void TForm1::LB_AnsClick()
{
    const int selected = LB_Ans->itemIndex();
    if (selected < 0)
        return;
    ParseAnswerLine(LB_Ans->item(selected), MarkX, MarkY, MarkR);
    ClearOverlay();
    DrawMark(MarkX, MarkY, MarkR);
}

void TForm1::B_DelClick()
{
    const int selected = LB_Ans->itemIndex();
    if (selected < 0)
        return;
    LB_Ans->deleteItem(selected);
    MarkX = 0;
    ClearOverlay();
    AnswersDirty = true;
}

void TForm1::B_CheckClick()
{
    if (LB_Ans->count() == 0)
        return;
    ClearOverlay();
    for (int i = 0; i < LB_Ans->count(); ++i) {
        ParseAnswerLine(LB_Ans->item(i), MarkX, MarkY, MarkR);
        DrawMark(MarkX, MarkY, MarkR);
    }
}

void TForm1::B_D1Click(QObject *sender)
{
    if (MarkX == 0)
        return;
    const QString name = sender->objectName();
    if (name == QLatin1String("B_D1"))
        MarkY = std::max(MarkY - NudgeStep, 0);
    else if (name == QLatin1String("B_D3"))
        MarkY = std::min(MarkY + NudgeStep, LastPixel);
    else if (name == QLatin1String("B_D4"))
        MarkX = std::max(MarkX - NudgeStep, 0);
    else if (name == QLatin1String("B_D2"))
        MarkX = std::min(MarkX + NudgeStep, LastPixel);
    else if (name == QLatin1String("B_D6"))
        MarkR = std::max(MarkR - NudgeStep, SmallestRadius);
    else if (name == QLatin1String("B_D5"))
        MarkR = std::min(MarkR + NudgeStep, LargestRadius);
    ClearOverlay();
    DrawMark(MarkX, MarkY, MarkR);
}

void TForm1::CB_TimeChange()
{
    AnswersDirty = true;
}

void TForm1::B_EndClick()
{
    if (AnswersDirty && Platform::askQuestion(QStringLiteral("解答データを保存しますか？")) == Platform::IdYes)
        B_SaveClick();
    AnswersDirty = false;
    ClearOverlay();
    Img_A->clear();
    Img_B->clear();
    ShowTitle();
}
