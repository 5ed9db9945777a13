// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QString>

namespace Platform {

// Plays a wave file to its end; nothing else happens meanwhile. A missing
// file, or a machine without audio, plays nothing and costs no time.
void playSound(const QString &fileName);

// Where a sound is found: the current directory first, then dataDir. Empty
// when it is in neither.
QString soundFilePath(const QString &fileName, const QString &dataDir);
// The game's data folder, found from the folder its program is in, so an
// installed tree can be moved: the installed data folder (../share/pimukaro
// from the program's games/ folder) when there is one, else the play folder
// beside a program that runs from the build tree.
QString dataDirFor(const QString &programDir);
// dataDirFor() of this program.
QString soundDataDir();

struct SdlAudio;

// The real speaker, on SDL2's audio. The library is loaded and the audio
// system started at the first sound that is found; if that fails, or no
// device opens, there is no audio for the rest of this speaker's life and the
// reason is printed once.
class SdlSpeaker : public Speaker
{
public:
    SdlSpeaker() = default;
    SdlSpeaker(const SdlSpeaker &) = delete;
    SdlSpeaker &operator=(const SdlSpeaker &) = delete;
    ~SdlSpeaker() override;

    void play(const QString &fileName) override;

private:
    enum class State { NotStarted, Started, NoAudio };
    bool start();
    void giveUp(const char *what);

    State m_state = State::NotStarted;
    const SdlAudio *m_sdl = nullptr;
};

SdlSpeaker &systemSpeaker();

} // namespace Platform
