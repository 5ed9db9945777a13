// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdlaudio.h"

#include <QLibrary>

namespace Platform {

namespace {

    struct Loaded
    {
        SdlAudio functions {};
        QString why; // empty when every function was found
    };

    template<class Function>
    bool resolve(QLibrary &library, const char *name, Function &function, QString &why)
    {
        function = reinterpret_cast<Function>(library.resolve(name));
        if (!function && why.isEmpty())
            why = library.errorString();
        return function != nullptr;
    }

    Loaded load()
    {
        Loaded loaded;
        // The library's run-time name, as the linker would have recorded it.
        QLibrary library(QStringLiteral("SDL2-2.0"), 0);
        if (!library.load()) {
            loaded.why = library.errorString();
            return loaded;
        }
        SdlAudio &f = loaded.functions;
        QString &why = loaded.why;
        resolve(library, "SDL_SetHint", f.SetHint, why);
        resolve(library, "SDL_InitSubSystem", f.InitSubSystem, why);
        resolve(library, "SDL_QuitSubSystem", f.QuitSubSystem, why);
        resolve(library, "SDL_GetError", f.GetError, why);
        resolve(library, "SDL_RWFromFile", f.RWFromFile, why);
        resolve(library, "SDL_LoadWAV_RW", f.LoadWAV_RW, why);
        resolve(library, "SDL_FreeWAV", f.FreeWAV, why);
        resolve(library, "SDL_OpenAudioDevice", f.OpenAudioDevice, why);
        resolve(library, "SDL_CloseAudioDevice", f.CloseAudioDevice, why);
        resolve(library, "SDL_QueueAudio", f.QueueAudio, why);
        resolve(library, "SDL_GetQueuedAudioSize", f.GetQueuedAudioSize, why);
        resolve(library, "SDL_PauseAudioDevice", f.PauseAudioDevice, why);
        resolve(library, "SDL_GetTicks64", f.GetTicks64, why);
        resolve(library, "SDL_Delay", f.Delay, why);
        // The library stays loaded: QLibrary unloads only when asked.
        return loaded;
    }

} // namespace

const SdlAudio *sdlAudio(QString *why)
{
    static const Loaded loaded = load();
    if (!loaded.why.isEmpty()) {
        *why = loaded.why;
        return nullptr;
    }
    return &loaded.functions;
}

} // namespace Platform
