// The program's entry point and its single thread of control.
#pragma once

#include "platform/platform.h"

// Start-up, the message loop until the quit message, shut-down. Returns the exit code.
int WinMain();
// Turns the few window messages the game cares about into flags.
void WindowProc(const I_Message& msg);
// Releases the surfaces of the loaded sprite files, the back buffer and the display.
void DirectDrawShutdown();
// Deletes every sound and releases the sound device.
void DirectSoundShutdown();
