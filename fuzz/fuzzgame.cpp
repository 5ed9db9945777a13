// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzzgame.h"

#include "fuzzsupport.h"

#include "game/Pimukaro_Main.h"
#include "platform/files.h"
#include "platform/seam.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <optional>
#include <utility>

namespace {
const QString SampleFolder = QStringLiteral("サンプルもんだい");

// Keeps whatever the game would show; the loads under test must show nothing.
class RecordingUser : public Platform::User
{
public:
    int ask(const QString &message) override
    {
        m_shown << message;
        return Platform::IdNo;
    }
    void message(const QString &message) override { m_shown << message; }
    void error(const QString &boxText) override { m_shown << boxText; }
    std::optional<QString> chooseFolder(const QString &prompt, const QString &, const QString &) override
    {
        m_shown << prompt;
        return std::nullopt;
    }
    QStringList take() { return std::exchange(m_shown, {}); }

private:
    QStringList m_shown;
};

// A fuzz run must not open the sound device.
class SilentSpeaker : public Platform::Speaker
{
public:
    void play(const QString &) override {}
};

// Waits pass at once: every reading of the clock is a second later, and the
// game's timer never ticks by itself.
class RushingClock : public Platform::Clock
{
public:
    quint32 tickCount() override { return m_now += 1000; }
    void sleep(int) override {}
    QDateTime localNow() override { return QDateTime(QDate(2026, 4, 1), QTime(9, 30)); }
    QDateTime utcNow() override { return QDateTime(QDate(2026, 4, 1), QTime(0, 30), Qt::UTC); }
    void armTimer(Platform::GameTimer *, int) override {}
    void disarmTimer(Platform::GameTimer *) override {}

private:
    quint32 m_now = 0;
};

RecordingUser user;
SilentSpeaker speaker;
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
    const QString questions = play + u'/' + SampleFolder;
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
    return Platform::resolvePath(form.QuestionDir + form.QuestionName + QStringLiteral("_Ans.txt"));
}

QStringList takeShownDialogs()
{
    return user.take();
}

} // namespace Fuzz
