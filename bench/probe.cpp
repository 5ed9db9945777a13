// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game with the start-up app/main.cpp calls, in a process of its own, and
// tells the bench on standard output what it measured:
//   pimukaro-bench-probe startup      "painted <main> <shown> <painted> <resident kB>":
//                                     monotonic ns at the start of main, when the
//                                     window was shown and after its first paint,
//                                     and the resident memory once settled
//   pimukaro-bench-probe playthrough  "played <questions> <answers> <peak kB>": every
//                                     question of the folder loaded and every answer
//                                     clicked, then the peak resident memory
// It runs in whatever folder it is started in, as the game does.

#include "bench/benchclock.h"
#include "bench/firstscreen.h"
#include "recordinguser.h"
#include "bench/mouse.h"
#include "form/Pimukaro_Main.h"
#include "form/startup.h"
#include "platform/controls/imageview.h"
#include "platform/controls/questioncombobox.h"
#include "platform/dispatch.h"
#include "platform/guard.h"
#include "installed.h"
#include "recordingspeaker.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Loads every question of the folder and finds all its differences with real
// clicks on picture B, as a child playing the whole folder would.
QString playThrough(TForm1 &form, RecordingUser &user, int &answers)
{
    answers = 0;
    for (int n = 0; n < form.QuestionTotal; ++n) {
        form.CB_Q->setItemIndex(n);
        Platform::guarded([&form] { form.CB_QChange(); });
        form.repaint();
        form.GameState = gsPlaying;
        for (int b = 1; b <= form.AnswerCount; ++b) {
            const Answer answer = form.Answers[b];
            BenchMouse::click(form.Img_Ans, QPoint(answer.X, answer.Y));
        }
        Platform::dispatchPending();
        if (!user.shown().isEmpty())
            return user.shown().join(QLatin1Char('\n'));
        if (form.AnswerCount == 0 || form.FoundCount != form.AnswerCount)
            return QStringLiteral("question %1: %2 of %3 answers found")
                .arg(n + 1)
                .arg(form.FoundCount)
                .arg(form.AnswerCount);
        answers += form.AnswerCount;
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    const std::int64_t mainStarted = BenchClock::monotonicNs();
    prepareGameProcess();
    QApplication app(argc, argv);
    prepareGameApplication(app);

    const QString mode = app.arguments().value(1);
    if (mode != QLatin1String("startup") && mode != QLatin1String("playthrough")) {
        std::fprintf(stderr, "usage: pimukaro-bench-probe startup|playthrough\n");
        return 2;
    }
    // The start-up is timed with the real machine in place; the play-through
    // must not play sounds nor wait for anyone to close a dialog.
    std::optional<Installed<RecordingSpeaker>> speaker;
    std::optional<Installed<RecordingUser>> user;
    if (mode == QLatin1String("playthrough")) {
        speaker.emplace();
        user.emplace();
    }

    TForm1 Form1;
    centreOnScreen(Form1);

    int exitCode = 0;
    // A window that is never painted must not hang the bench.
    QTimer neverPainted;
    neverPainted.setSingleShot(true);
    QObject::connect(&neverPainted, &QTimer::timeout, &app, [&] {
        std::fprintf(stderr, "pimukaro-bench-probe: the window was not painted within 30 s\n");
        exitCode = 3;
        app.quit();
    });
    FirstScreen firstScreen(&Form1, [&](const FirstScreen::Times &times) {
        neverPainted.stop();
        if (mode == QLatin1String("startup")) {
            QTimer::singleShot(SettleMs, &app, [&, times] {
                printStartUp(mainStarted, times, residentKb());
                app.quit();
            });
            return;
        }
        int answers = 0;
        const QString problem = playThrough(Form1, **user, answers);
        if (problem.isEmpty()) {
            std::printf("played %d %d %ld\n", int(Form1.QuestionTotal), answers, peakResidentKb());
        } else {
            std::fprintf(stderr, "pimukaro-bench-probe: %s\n", qPrintable(problem));
            exitCode = 1;
        }
        std::fflush(stdout);
        app.quit();
    });
    neverPainted.start(30000);
    Form1.show();
    app.exec();
    return exitCode;
}
