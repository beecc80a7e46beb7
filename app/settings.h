// The player's options, kept between runs in "vexa.cfg".
#pragma once

enum InputDevice { DEVICE_KEYBOARD = 1, DEVICE_MOUSE = 2, DEVICE_JOYSTICK = 3, DEVICE_GAMEPAD = 4 };

extern int inputDevice[2];  // per player: 1 keyboard, 2 mouse, 3 joystick, 4 gamepad
extern int shadowSetting;   // 0 no shadows, 1 solid, 2 translucent
extern int stereoMode;      // 0 no panning, 1 stereo, 2 reversed stereo
extern int soundVolume;     // 0 to 100; 0 silences every effect
extern int musicSetting;    // 0 no music, otherwise music on

// Reads "vexa.cfg" at start-up; devices that this machine lacks become the keyboard.
void LoadOptions();
// Writes "vexa.cfg"; returns 0 when the file cannot be written.
int SaveOptions();
// Puts the settings back to their built-in defaults.
void ResetOptions();
