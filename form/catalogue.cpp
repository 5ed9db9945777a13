// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The question folder: where it is found at start-up, what questions it
// holds, drawing the next question, and loading a question's pictures.

#include "form/Pimukaro_Main.h"

#include "rules/answerlines.h"
#include "rules/questionfiles.h"
#include "rules/texts.h"
#include "platform/controls/imageview.h"
#include "platform/controls/listbox.h"
#include "platform/controls/pickcombobox.h"
#include "platform/controls/questioncombobox.h"
#include "platform/controls/textlabel.h"
#include "platform/dialogs.h"
#include "platform/seam.h"
#include "rules/files.h"
#include "platform/folderchooser.h"
#include "rules/linefile.h"
#include "rules/picture.h"
#include "platform/random.h"

namespace {
// The label's name for a folder: its path below the start-up directory, or
// its own name when it lies elsewhere.
QString shortFolderName(const QString &baseDir, const QString &questionDir)
{
    const QString folder = questionDir.chopped(1);
    if (questionDir.startsWith(baseDir))
        return folder.mid(baseDir.size());
    return Platform::fileNameOf(folder);
}
} // namespace

void TForm1::FindStartupFolder()
{
    if (Platform::fileExists(RememberedFolderFile)) {
        LB_Set->setItems(Platform::loadLines(RememberedFolderFile));
        if (LB_Set->count() > 0 && Platform::folderExists(LB_Set->item(0)))
            QuestionDir = LB_Set->item(0);
    }
    if (QuestionDir.isEmpty() && Platform::folderExists(SampleFolderName))
        QuestionDir = BaseDir + SampleFolderName + QLatin1Char('/');
}

void TForm1::ScanQuestions()
{
    if (QuestionDir.isEmpty())
        return;
    MemoryMode = Platform::fileExists(Platform::resolvePath(QuestionDir + MemoryMarkerFile)) ? 1 : 0;
    CB_Q->clearItems();
    QStringList names = QuestionNamesAmong(Platform::listFolder(QuestionDir, QStringLiteral("bmp")))
        + QuestionNamesAmong(Platform::listFolder(QuestionDir, QStringLiteral("jpg")));
    // The record has room for 99 questions; a larger folder offers its first 99.
    if (names.size() > MaxQuestions)
        names.resize(MaxQuestions);
    CB_Q->setItems(names);
    CB_Q->setItemIndex(names.isEmpty() ? -1 : 0);
    QuestionTotal = qint32(names.size());
    RestartPlayThrough();
    L_QName->setCaption(shortFolderName(BaseDir, QuestionDir) + QStringLiteral("（") + FullWidthNumber(QuestionTotal)
                        + QStringLiteral("もん）"));
}

void TForm1::RestartPlayThrough()
{
    QuestionsLeft = QuestionTotal;
    // Every slot, not only those of this catalogue: a flag left by a larger
    // folder must never count for a later draw.
    for (int n = 1; n <= MaxQuestions; ++n)
        QuestionUsed[n] = 0;
}

void TForm1::PickQuestion()
{
    if (QuestionTotal <= 0)
        return;
    // A question that failed to load stays marked used without being played;
    // once every question is marked, the draw starts over instead of looping
    // for ever.
    bool anyUnused = false;
    for (int n = 1; n <= QuestionTotal && !anyUnused; ++n)
        anyUnused = QuestionUsed[n] == 0;
    if (!anyUnused) {
        for (int n = 1; n <= QuestionTotal; ++n)
            QuestionUsed[n] = 0;
    }
    int n;
    do {
        n = Platform::randomBelow(QuestionTotal) + 1;
    } while (QuestionUsed[n] != 0);
    CurrentQuestion = n;
    QuestionUsed[n] = 1;
    CB_Q->setItemIndex(n - 1);
}

void TForm1::CB_QChange()
{
    if (CB_Q->itemIndex() < 0)
        return;
    if (AnswersDirty && GameState == gsAnswerSetting
        && Platform::askQuestion(QStringLiteral("解答データを保存しますか？")) == Platform::IdYes)
        B_SaveClick();

    Img_A->clear();
    Img_B->clear();
    const bool loadB = MemoryMode == 0 || GameState == gsAnswerSetting;
    const QuestionPictureFiles files = PictureFilesOf(QuestionDir, CB_Q->text());
    Img_A->setPicture(loadPicture(files.a));
    if (loadB)
        Img_B->setPicture(loadPicture(files.b));
    ClearOverlay();
    QuestionName = CB_Q->text();
    FoundCount = 0;
    MissCount = 0;
    AnswerCount = 0;
    LB_Ans->clearItems();
    CB_Time->setItemIndex(DefaultTimeChoice);
    AnswersDirty = false;
    LoadAnswers();
}

void TForm1::B_QChangeClick()
{
    const QString previous = QuestionDir;
    // The root folder keeps its only "/": without it there would be no folder at all.
    QString folder = QuestionDir.size() > 1 ? QuestionDir.chopped(1) : QuestionDir;
    const bool chosen = Platform::chooseFolder(QStringLiteral("もんだいをえらんでください"), BaseDir, folder);
    if (folder.isEmpty())
        QuestionDir.clear(); // it has vanished since it was chosen; so it stays even on cancel
    if (!chosen)
        return;

    QuestionDir = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    LB_Set->clearItems();
    LB_Set->addItem(QuestionDir);
    ScanQuestions();
    if (QuestionTotal == 0) {
        Platform::showMessage(QStringLiteral("ここにはもんだいがありません"));
        QuestionDir = previous;
        ScanQuestions();
    }
    Img_A->clear();
    Img_B->clear();
    ClearOverlay();
}
