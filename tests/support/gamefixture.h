// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakeclock.h"
#include "installed.h"
#include "recordingspeaker.h"
#include "scripteduser.h"

#include "form/Pimukaro_Main.h"

#include <QTemporaryDir>
#include <memory>

// A game in a scratch play folder, with the clock, the person at the screen
// and the speaker replaced: waits pass in virtual time, dialogs answer from
// the test's script and sounds are recorded.
class GameFixture
{
public:
    GameFixture();
    ~GameFixture();

    // The play folder (the game's current directory), ending in "/".
    QString playFolder() const;
    // A folder inside the play folder, made if missing, ending in "/".
    QString folder(const QString &name) const;

    // Makes the window (running its start-up) and shows it.
    TForm1 &start();
    TForm1 &form() { return *m_form; }

    // A click (press and release) on a control, the way the mouse makes it.
    void click(QWidget *control, QPoint pos, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void click(QWidget *control) { click(control, control->rect().center()); }
    // A click on picture B at overlay coordinates.
    void clickPicture(int x, int y, Qt::MouseButton button = Qt::LeftButton);
    // Lets whole seconds pass on the clock, delivering the timer's ticks.
    void passSeconds(int seconds);

    Installed<FakeClock> clock;
    Installed<ScriptedUser> user;
    Installed<RecordingSpeaker> speaker;

private:
    QTemporaryDir m_play;
    QString m_previousDir;
    std::unique_ptr<TForm1> m_form;
};
