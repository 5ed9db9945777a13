// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzzgame.h"

#include "fuzzsupport.h"

#include "form/Pimukaro_Main.h"
#include "platform/seam.h"
#include "recordingspeaker.h"
#include "recordinguser.h"
#include "rules/constants.h"
#include "rules/questionfiles.h"
#include "rushingclock.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <optional>
#include <utility>

namespace {

// Keeps whatever the game would show (the loads under test must show
// nothing), plays no sound, and lets every wait pass at once.
RecordingUser user;
RecordingSpeaker speaker;
RushingClock rushingClock;
TForm1 *window = nullptr;

// Small pictures keep every load quick; the game does not mind their size.
void writePicture(const QString &path)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::yellow);
    if (!image.save(path, "BMP"))
        Fuzz::fail("cannot write a question picture", path);
}

} // namespace

namespace Fuzz {

void startGame()
{
    if (window)
        fail("the game is started twice");
    const QString play = QFileInfo(tempPath(QStringLiteral("play"))).absoluteFilePath();
    const QString questions = play + u'/' + SampleFolderName;
    const QString previous = QDir::currentPath();
    if (!QDir().mkpath(questions) || !QDir::setCurrent(play))
        fail("cannot make the play folder", play);
    writePicture(questions + QStringLiteral("/q_A.bmp"));
    writePicture(questions + QStringLiteral("/q_B.bmp"));

    Platform::setUser(&user);
    Platform::setSpeaker(&speaker);
    Platform::setClock(&rushingClock);
    // Qt keeps a reference to the argument count for the application's lifetime.
    static int argc = 1;
    static char name[] = "fuzz_answerfile";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
    window = new TForm1;
    // The window keeps its folders as full paths; libFuzzer's own paths are
    // relative to where it was started.
    if (!QDir::setCurrent(previous))
        fail("cannot return to the starting folder", previous);

    const QStringList shown = user.take();
    if (!shown.isEmpty())
        fail("the start-up showed a dialog", shown.join(u'|'));
    if (window->QuestionName != QStringLiteral("q"))
        fail("the start-up did not load the question", window->QuestionName);
}

TForm1 &game()
{
    if (!window)
        fail("the game is not started");
    return *window;
}

QString answerFilePath()
{
    const TForm1 &form = game();
    return AnswerFileOf(form.QuestionDir, form.QuestionName);
}

QStringList takeShownDialogs()
{
    speaker.clear();
    return user.take();
}

} // namespace Fuzz
