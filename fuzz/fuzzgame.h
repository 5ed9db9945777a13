// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

class TForm1;

// The game the answer-file target loads into: one application and one window
// for the whole run, in a scratch play folder whose sample folder holds the
// question "q", with the person at the screen, the speaker and the clock
// replaced (waits pass at once).
namespace Fuzz {

// Makes the play folder (and makes it current), the application and the
// window, which runs its start-up. Call once, before any input.
void startGame();
TForm1 &game();

// The answer file of the selected question, where the window reads it.
QString answerFilePath();

// Every dialog text the game has shown since the last call.
QStringList takeShownDialogs();

} // namespace Fuzz
