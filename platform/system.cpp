// Start-up and shut-down of the platform: the files, then the chosen backend.
#include <cstdio>

#include "platform/backend.h"
#include "platform/display_settings.h"
#include "platform/display.h"
#include "platform/files.h"
#include "platform/replay.h"

const I_Backend* backend = &headlessBackend;   // until I_Init picks

bool I_Init(const I_Options& opts, std::string& error)
{
    if (!I_InitFiles(opts, error))
        return false;
    I_LoadDisplaySettings();
    if (opts.mouseSensitivity > 0) {
        displaySettings.mouseSensitivity = opts.mouseSensitivity;
        if (!I_SaveDisplaySettings())
            std::fprintf(stderr, "taltrix: cannot keep the mouse sensitivity for later runs\n");
    }
    backend = opts.headless ? &headlessBackend : &sdlBackend;
    if (backend->system->Init(opts, error)) {
        if ((opts.frameLogFile.empty() || I_OpenFrameLog(opts.frameLogFile, error)) && I_StartReplay(opts, error))
            return true;
        I_CloseFrameLog();
        backend->system->Shutdown();
    }
    backend = &headlessBackend;
    return false;
}

void I_Shutdown()
{
    I_StopReplay();
    I_MusicClose();
    I_ResetInput();
    backend->system->Shutdown();
    I_CloseFrameLog();
    I_ResetDisplay();
    I_ClearMessages();
    backend = &headlessBackend;
}
