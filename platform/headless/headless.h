// What the files of the headless backend share: the virtual clock and the hooks that run
// whenever it moves.
#pragma once

#include <cstdint>
#include <string>

#include "platform/backend.h"

namespace headless {

// The service tables of the backend, one per file.
extern const I_SystemModule systemModule;
extern const I_TimerModule timerModule;
extern const I_VideoModule videoModule;
extern const I_InputModule inputModule;
extern const I_SoundModule soundModule;
extern const I_MusicModule musicModule;

// Virtual milliseconds since the run started.
uint64_t Now();
// Moves the virtual clock forward.
void Advance(uint64_t ms);
// Starts the clock again at 0 with the given tick count (tests start it near the wrap).
void ResetClock(uint32_t ticksAtStart);
// One message pump or clock read: a program that pumps or reads on and on without
// waiting gets a millisecond a pass once it has done so this many times in a row.
void CountPump();
enum { PUMPS_BEFORE_TIME_MOVES = 1000 };

// Runs what is due at the current virtual time: script input, song ends, the end of the run.
void TimePassed();

// Input (i_input.cpp).
bool LoadScript(const std::string& file, std::string& error);
void SetControllers(bool joystick, bool gamepad);
void RunScript(uint64_t now);
void ResetInput();

// Sound and music (i_sound.cpp, i_music.cpp).
void CheckSongEnd(uint64_t now);

// Video (i_video.cpp).
void KeepFramesFor(const std::string& screenshotFile);
// Writes the screenshot.
void FinishVideo();

} // namespace headless
