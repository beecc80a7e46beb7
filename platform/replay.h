// Recorded input: --record FILE writes every input the game reads (keyboard, mouse and
// controller reads, typed characters and window messages) in the order it reads them, frame
// after frame; --replay FILE gives the game exactly that input again, headless or in a
// window, so the same game is played to the same end.
//
// The file is text, one read a line after a header:
//   taltrix-replay 1          the format version
//   arg OPTION                each option of the recorded run that changes play
//   k CODE...                 a keyboard read: the codes of the keys down
//   m DX DY BUTTONS           a mouse read: motion and a mask of the buttons down
//   j OK X Y BUTTONS          a controller read: 1 when it succeeded, the axes, button mask
//   c SKIP KIND PARAM         a message, taken SKIP empty peeks after the previous line
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

// One read of the tape.
struct I_ReplayEntry {
    enum Kind : uint8_t { KEYBOARD, MOUSE, CONTROLLER, MESSAGE };
    Kind kind;
    uint8_t keys[32];    // KEYBOARD: one bit a key code
    bool ok;             // CONTROLLER: the read succeeded
    int32_t x, y;        // MOUSE: motion; CONTROLLER: axes
    uint32_t buttons;    // MOUSE, CONTROLLER: one bit a button
    uint32_t skip;       // MESSAGE: empty peeks before it
    I_Message message;   // MESSAGE
};

struct I_ReplayTape {
    std::vector<std::string> args;      // the recorded run's options that change play
    std::vector<I_ReplayEntry> entries;
};

enum { I_REPLAY_VERSION = 1 };

// Parses a whole tape. False on the first bad line, with "replay FILE:LINE: what is wrong".
bool I_ParseReplay(const std::string& text, const std::string& fileName, I_ReplayTape& tape,
                   std::string& error);

// Takes --record FILE and --replay FILE out of args. A replay's tape is read now and its
// recorded options are added to args; a recording keeps the options that change play.
bool I_TakeReplayOptions(std::vector<std::string>& args, I_Options& opts, std::string& error);
// Opens the recording, or starts the tape taken by I_TakeReplayOptions.
bool I_StartReplay(const I_Options& opts, std::string& error);
// Closes the recording (complete up to the last read) and forgets the tape.
void I_StopReplay();

// The hooks of the input reads: each records what was read, or replaces it with the tape's.
void I_ReplayKeyboard(uint8_t keys[256]);
void I_ReplayMouse(int& dx, int& dy, uint8_t buttons[4]);
// Returns whether the read succeeded.
bool I_ReplayController(bool ok, int& x, int& y, uint8_t buttons[32]);
// Replaces one peek of the message queue: `peek` takes a live message. While replaying, the
// tape's messages come at their places and the live input messages are dropped.
bool I_ReplayPeek(I_Message& msg, bool (*peek)(I_Message& msg));
