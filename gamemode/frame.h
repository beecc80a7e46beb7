// One frame of the game: the current player's controls, every gameplay system in its fixed
// order, both drawing passes, the display and the pacing, then the frame's requests.
#pragma once

#include <cstdint>

#include "gfx/palette.h"
#include "input/input.h"

extern DIMouseState mouseState;      // read while the current player uses the mouse
extern DIJoyState joyState;          // read while the current player uses a joystick or gamepad
extern int32_t keyDirection;         // this frame's digital direction: 0 none, 1 left, 2 right
extern int32_t lastKeyDirection;     // the previous frame's
extern int32_t keyHoldFrames;        // frames the direction has been held since the last ramp step
extern int32_t showFrameRate;        // debugging displays, toggled by F10, F9 and F8
extern int32_t showMomentum;
extern int32_t showBlocksLeft;
extern int32_t frameRate;            // frames per second of the frame-rate display
extern int32_t quitRequested;        // the exit confirmation confirmed leaving the game

void LevelLoop();
// The next frame restarts the frame-rate measurement.
void RestartFrameRate();
// Fades the display between two palettes, 17 ms a step; nothing else runs meanwhile.
void StandardFade(const Q2SL_palette& from, const Q2SL_palette& to, int steps = 10);
