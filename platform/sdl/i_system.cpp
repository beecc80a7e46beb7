// The SDL backend: a real window, the real clock, real input, sound and music.
#include "platform/display_settings.h"
#include "platform/sdl/i_timer.h"
#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

// Everything but sound, which starts on its own when the game asks for it. Starting the
// game controllers loads SDL's mappings of the common pads and the player's own, from
// SDL_GAMECONTROLLERCONFIG or the file SDL_GAMECONTROLLERCONFIG_FILE names.
constexpr Uint32 subsystems = SDL_INIT_VIDEO | SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER;
bool onDisplay;           // the window is on a real display, not an invisible stand-in
int64_t closeAtMs = -1;   // how long after the start the run ends, or -1
uint32_t startTicks;      // the clock at the start

// SDL falls back to an invisible window when there is no display.
bool RealDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0;
}

// Only the input devices, for a run that lists them and ends.
bool InitDevicesOnly(std::string& error)
{
    if (SDL_Init(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) == 0)
        return true;
    error = std::string("cannot start SDL: ") + SDL_GetError();
    return false;
}

bool Init(const I_Options& opts, std::string& error)
{
    if (opts.listDevices)
        return InitDevicesOnly(error);
    if (SDL_Init(subsystems) != 0) {
        error = std::string("cannot start SDL: ") + SDL_GetError();
        return false;
    }
    if (!TimerInit()) {
        error = std::string("cannot start the clock: ") + SDL_GetError();
        SDL_Quit();
        return false;
    }
    if (!VideoInit(opts.fullscreen || displaySettings.fullscreen, displaySettings.scale, error)) {
        SDL_Quit();
        return false;
    }
    InputInit();
    onDisplay = RealDisplay();
    closeAtMs = opts.untilMs;
    startTicks = GetTicks();
    return true;
}

void Shutdown()
{
    soundModule.Shutdown();
    InputShutdown();
    RememberWindow();
    VideoShutdown();
    TimerShutdown();
    SDL_Quit();
}

} // namespace

void PumpEvents()
{
    if (closeAtMs >= 0 && uint32_t(GetTicks() - startTicks) >= uint64_t(closeAtMs)) {
        closeAtMs = -1;
        I_PostMessage(I_MSG_CLOSE);
    }
    ServiceMusic();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (e.type == SDL_QUIT)
            I_PostMessage(I_MSG_CLOSE);
        else if (e.type == SDL_WINDOWEVENT)
            HandleWindowEvent(e.window);
        else
            HandleInputEvent(e);
    }
}

namespace {

void MessageBox(const char* caption, const char* text)
{
    // Without a display there is only stderr, which has the text already.
    if (!Window() || !onDisplay)
        return;
    // The pointer must be free to press OK.
    const SDL_bool captured = SDL_GetRelativeMouseMode();
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, Window());
    // The box took the focus while it was open; the game goes on after most boxes.
    KeepFocus();
    SDL_SetRelativeMouseMode(captured);
}

} // namespace

const I_SystemModule systemModule = {Init, Shutdown, PumpEvents, MessageBox};

} // namespace sdl

const I_Backend sdlBackend = {
    &sdl::systemModule, &sdl::timerModule, &sdl::videoModule,
    &sdl::inputModule,  &sdl::soundModule, &sdl::musicModule,
};
