// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/seam.h"

#include "platform/screenuser.h"
#include "platform/sound.h"
#include "platform/systemclock.h"

namespace Platform {

namespace {
    Clock *s_clock = nullptr;
    User *s_user = nullptr;
    Speaker *s_speaker = nullptr;
} // namespace

Clock &clock()
{
    return s_clock ? *s_clock : systemClock();
}
User &user()
{
    return s_user ? *s_user : screenUser();
}
Speaker &speaker()
{
    return s_speaker ? *s_speaker : systemSpeaker();
}

void setClock(Clock *clock)
{
    s_clock = clock;
}
void setUser(User *user)
{
    s_user = user;
}
void setSpeaker(Speaker *speaker)
{
    s_speaker = speaker;
}

} // namespace Platform
