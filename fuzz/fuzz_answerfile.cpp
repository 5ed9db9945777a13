// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Answer files of any bytes, loaded by the question loader into the real
// window: the load either succeeds or stops at a conversion or file error
// with its exact text, and the game record agrees with the answer list as the
// game's load rules say, whichever way it ended. A question that loaded is
// then played for a moment with the values its file held.
#include "answerchecks.h"
#include "fuzzgame.h"
#include "fuzzsupport.h"
#include "playchecks.h"

#include "form/Pimukaro_Main.h"
#include "rules/errors.h"

// Fontconfig, which Qt's font database starts, keeps its configuration until
// the process ends; that is no leak of the game's.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Fuzz::startGame();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TForm1 &form = Fuzz::game();
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    Fuzz::writeFile(Fuzz::answerFilePath(), bytes);
    Fuzz::markRecord(form);

    bool failed = false;
    try {
        form.CB_QChange();
    } catch (const EGameError &e) {
        failed = true;
        Fuzz::checkAnswerLoad(form, bytes, &e);
    }
    if (!failed)
        Fuzz::checkAnswerLoad(form, bytes, nullptr);

    const QStringList shown = Fuzz::takeShownDialogs();
    if (!shown.isEmpty())
        Fuzz::fail("loading a question showed a dialog", shown.join(u'|'));

    if (!failed) {
        Fuzz::playLoadedQuestion(form);
        Fuzz::takeShownDialogs(); // the errors of bad rows in the answer-setting mode
    }
    return 0;
}
