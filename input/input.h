// The input devices: which kinds this machine has, opening the ones the two players need
// for a screen, and the per-frame reads of their state.
#pragma once

#include <cstdint>
#include <string>

struct I_ControllerInfo;

extern int deviceAvailable[4];  // keyboard, mouse, joystick, gamepad: 1 when usable here

// The mouse's motion since the last read and its four buttons (0x80 = down).
struct DIMouseState {
    int32_t lX, lY, lZ;
    uint8_t rgbButtons[4];
};

// A joystick's or gamepad's axes in the ranges the game sets and its buttons (0x80 = down).
// One record serves both kinds.
struct DIJoyState {
    int32_t lX, lY;
    uint8_t rgbButtons[32];
};

enum { DIENUM_STOP = 0, DIENUM_CONTINUE = 1 };

// Finds which device kinds exist; the keyboard and the mouse always do.
void CheckInputs();
// Opens the keyboard and each device a player has chosen. On failure it shows its boxes,
// ends the program and returns 0.
int DirectInputInit();
// Closes every open device.
void DirectInputShutdown();

// Enumeration rules, called for each attached controller in turn until one says stop. The
// joystick is the first controller that is not a plain game controller; the gamepad is the
// first of any kind.
int DIEnumJoy(const I_ControllerInfo& device, int index);
int DIEnumPad(const I_ControllerInfo& device, int index);

// One line per attached controller, "0: NAME (gamepad)": its place, its name and what the
// game takes it as (joystick, gamepad, both or not used); a line saying so when none.
std::string DescribeControllers();

// The per-frame reads; each returns 1, or 0 when the device is not open or cannot be read.
int ReadKeyboard(uint8_t keys[256]);
int ReadMouse(DIMouseState& state);
int ReadJoystick(DIJoyState& state);
int ReadGamepad(DIJoyState& state);

// The autoplay's hand on the controls: the next read of that kind of device returns this
// instead of what the device gives. Keys are added to the keys really held, so the control
// keys still work; a joystick state serves whichever of joystick or gamepad is read.
void SetSyntheticInput(const uint8_t keys[256]);
void SetSyntheticInput(const DIMouseState& state);
void SetSyntheticInput(const DIJoyState& state);
