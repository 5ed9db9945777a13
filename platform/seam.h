// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/dialogs.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <optional>

// Where tests stand in for the person at the screen and for the machine; the
// disk's seam is rules/diskseam.h, below the window. Game code never calls
// these directly: it goes through the free functions of dialogs.h,
// folderchooser.h, sound.h, dispatch.h and gametimer.h.
namespace Platform {

class GameTimer;

// The machine's time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual quint32 tickCount() = 0; // ms, wraps at 2^32
    virtual void sleep(int ms) = 0; // blocks the thread
    virtual QDateTime localNow() = 0;
    virtual QDateTime utcNow() = 0;
    // A timer's periods: after arming, every interval that passes gives the
    // timer a tick (GameTimer::postTick), until it is disarmed.
    virtual void armTimer(GameTimer *timer, int intervalMs) = 0;
    virtual void disarmTimer(GameTimer *timer) = 0;
};

// The person at the screen, answering dialogs.
class User
{
public:
    virtual ~User() = default;
    virtual int ask(const QString &message) = 0; // "確認" Yes/No: IdYes, IdNo, IdCancel (close box)
    virtual void message(const QString &message) = 0; // OK box, caption = application title
    virtual void error(const QString &boxText) = 0; // stop icon, caption = application title
    // nullopt on cancel, else the chosen full path without trailing "/".
    virtual std::optional<QString> chooseFolder(
        const QString &prompt, const QString &root, const QString &current)
        = 0;
};

class Speaker
{
public:
    virtual ~Speaker() = default;
    virtual void play(const QString &fileName) = 0; // synchronous, bare name like "Atari.wav"
};

Clock &clock();
User &user();
Speaker &speaker();
// nullptr restores the real one.
void setClock(Clock *clock);
void setUser(User *user);
void setSpeaker(Speaker *speaker);

} // namespace Platform
