// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound.h"

#include "platform/sdlaudio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSpeaker::start()
{
    if (m_state == State::NotStarted) {
        QString why;
        m_sdl = sdlAudio(&why);
        if (!m_sdl) {
            qWarning("No sound: cannot load SDL2: %s", qPrintable(why));
            m_state = State::NoAudio;
            return false;
        }
        m_sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (m_sdl->InitSubSystem(SDL_INIT_AUDIO) == 0)
            m_state = State::Started;
        else
            giveUp("cannot start the audio system");
    }
    return m_state == State::Started;
}

void SdlSpeaker::giveUp(const char *what)
{
    qWarning("No sound: %s: %s", what, m_sdl->GetError());
    if (m_state == State::Started)
        m_sdl->QuitSubSystem(SDL_INIT_AUDIO);
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
    if (!m_sdl->LoadWAV_RW(m_sdl->RWFromFile(QFile::encodeName(path).constData(), "rb"), 1, &wave, &samples, &length))
        return;

    SDL_AudioSpec wanted = wave;
    wanted.samples = bufferSamples;
    wanted.callback = nullptr; // queued, not pulled
    SDL_AudioSpec obtained;
    const SDL_AudioDeviceID device = m_sdl->OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        m_sdl->FreeWAV(samples);
        giveUp("cannot open the audio device");
        return;
    }
    if (m_sdl->QueueAudio(device, samples, length) == 0) {
        m_sdl->PauseAudioDevice(device, 0);
        // A device that stops taking data must not hang the game: give up a
        // second after the sound should have ended.
        const Uint64 deadline = m_sdl->GetTicks64() + durationMs(wave, length) + 1000;
        while (m_sdl->GetQueuedAudioSize(device) > 0 && m_sdl->GetTicks64() < deadline)
            m_sdl->Delay(5);
        // An empty queue still has the device's last buffer to play.
        m_sdl->Delay(durationMs(obtained, obtained.size) + 10);
    }
    m_sdl->CloseAudioDevice(device);
    m_sdl->FreeWAV(samples);
}

SdlSpeaker &systemSpeaker()
{
    static SdlSpeaker speaker;
    return speaker;
}

} // namespace Platform
