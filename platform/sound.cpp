// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <algorithm>

namespace Platform {

namespace {

    // A small device buffer keeps the wait for its last part short.
    constexpr Uint16 bufferSamples = 512;

    // The length of `bytes` of audio in the given format, in milliseconds.
    Uint32 durationMs(const SDL_AudioSpec &spec, Uint32 bytes)
    {
        const Uint32 frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * std::max<Uint32>(spec.channels, 1);
        if (frameBytes == 0 || spec.freq <= 0)
            return 0;
        return static_cast<Uint32>(quint64(bytes) / frameBytes * 1000 / Uint32(spec.freq));
    }

} // namespace

void playSound(const QString &fileName)
{
    speaker().play(fileName);
}

QString soundFilePath(const QString &fileName, const QString &dataDir)
{
    if (QFileInfo(fileName).isFile())
        return fileName;
    if (!dataDir.isEmpty()) {
        const QString installed = QDir(dataDir).filePath(fileName);
        if (QFileInfo(installed).isFile())
            return installed;
    }
    return QString();
}

QString dataDirFor(const QString &programDir)
{
    const QDir dir(programDir);
    const QString installed = QDir::cleanPath(dir.filePath(QStringLiteral(PIMUKARO_DATA_FROM_PROGRAM)));
    if (QFileInfo(installed).isDir())
        return installed;
    return QDir::cleanPath(dir.filePath(QStringLiteral("play")));
}

QString soundDataDir()
{
    return dataDirFor(QCoreApplication::applicationDirPath());
}

SdlSpeaker::~SdlSpeaker()
{
    if (m_state == State::Started)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSpeaker::start()
{
    if (m_state == State::NotStarted) {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0)
            m_state = State::Started;
        else
            giveUp("cannot start the audio system");
    }
    return m_state == State::Started;
}

void SdlSpeaker::giveUp(const char *what)
{
    qWarning("No sound: %s: %s", what, SDL_GetError());
    if (m_state == State::Started)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_state = State::NoAudio;
}

void SdlSpeaker::play(const QString &fileName)
{
    if (m_state == State::NoAudio)
        return;
    const QString path = soundFilePath(fileName, soundDataDir());
    if (path.isEmpty() || !start())
        return;

    SDL_AudioSpec wave;
    Uint8 *samples = nullptr;
    Uint32 length = 0;
    // A file that is not a wave plays nothing, like a missing one.
    if (!SDL_LoadWAV(QFile::encodeName(path).constData(), &wave, &samples, &length))
        return;

    SDL_AudioSpec wanted = wave;
    wanted.samples = bufferSamples;
    wanted.callback = nullptr; // queued, not pulled
    SDL_AudioSpec obtained;
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        SDL_FreeWAV(samples);
        giveUp("cannot open the audio device");
        return;
    }
    if (SDL_QueueAudio(device, samples, length) == 0) {
        SDL_PauseAudioDevice(device, 0);
        // A device that stops taking data must not hang the game: give up a
        // second after the sound should have ended.
        const Uint64 deadline = SDL_GetTicks64() + durationMs(wave, length) + 1000;
        while (SDL_GetQueuedAudioSize(device) > 0 && SDL_GetTicks64() < deadline)
            SDL_Delay(5);
        // An empty queue still has the device's last buffer to play.
        SDL_Delay(durationMs(obtained, obtained.size) + 10);
    }
    SDL_CloseAudioDevice(device);
    SDL_FreeWAV(samples);
}

SdlSpeaker &systemSpeaker()
{
    static SdlSpeaker speaker;
    return speaker;
}

} // namespace Platform
