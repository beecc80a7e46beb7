// What the files of the SDL backend share: the service tables and the event handlers
// the message pump calls.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/backend.h"

namespace sdl {

// The service tables of the backend, one per file.
extern const I_SystemModule systemModule;
extern const I_TimerModule timerModule;
extern const I_VideoModule videoModule;
extern const I_InputModule inputModule;
extern const I_SoundModule soundModule;
extern const I_MusicModule musicModule;

// System (i_system.cpp): turns SDL's events into messages and input state.
void PumpEvents();

// Video (i_video.cpp).
// scale: the window's whole scale, 0 for the largest that fits.
bool VideoInit(bool fullscreen, int scale, std::string& error);
// Keeps the window's scale and fullscreen state for the next run.
void RememberWindow();
void VideoShutdown();
SDL_Window* Window();
bool IsFullscreen();
void ToggleFullscreen();
// The focus the window is about to lose, or has just lost, comes back by itself.
void KeepFocus();
void HandleWindowEvent(const SDL_WindowEvent& e);

// Input (i_input.cpp).
void InputInit();
void InputShutdown();
void HandleInputEvent(const SDL_Event& e);
void ForgetHeldInput();

// Music (i_music.cpp): started and stopped with the mixer.
void MusicInit();
void MusicShutdown();
// Starts a song asked for once its loading has finished.
void ServiceMusic();

} // namespace sdl
