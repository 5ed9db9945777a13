// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <SDL.h>

namespace Platform {

// The part of SDL2 the speaker uses, loaded from its shared library the first
// time a sound is played. SDL2 brings some thirty libraries of its own (sound
// servers, codecs, display systems); a game that has not played a sound yet
// does without them, so the title screen comes up sooner and holds less.
struct SdlAudio
{
    decltype(&::SDL_SetHint) SetHint;
    decltype(&::SDL_InitSubSystem) InitSubSystem;
    decltype(&::SDL_QuitSubSystem) QuitSubSystem;
    decltype(&::SDL_GetError) GetError;
    decltype(&::SDL_RWFromFile) RWFromFile;
    decltype(&::SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&::SDL_FreeWAV) FreeWAV;
    decltype(&::SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&::SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&::SDL_QueueAudio) QueueAudio;
    decltype(&::SDL_GetQueuedAudioSize) GetQueuedAudioSize;
    decltype(&::SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&::SDL_GetTicks64) GetTicks64;
    decltype(&::SDL_Delay) Delay;
};

// SDL2's audio functions, the library loaded on the first call and kept for
// the rest of the process; nullptr when it cannot be loaded, with the reason
// in *why.
const SdlAudio *sdlAudio(QString *why);

} // namespace Platform
