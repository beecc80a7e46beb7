// What a backend supplies to the common platform code: one table of routines per service.
// Both backends are built into every binary; I_Init picks one. The common code does the
// checking, clamping and bookkeeping, so the backends only talk to their world.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

// A sound buffer; each backend extends it with its own playing state.
struct I_Sound {
    virtual ~I_Sound() = default;
    std::shared_ptr<const std::vector<uint8_t>> samples; // shared by a sound and its duplicates
    int group = 0;
    std::string file;
    int pan = 0;     // hundredths of a dB, -10000..10000
    int volume = 0;  // hundredths of a dB, -10000..0
};

struct I_SystemModule {
    bool (*Init)(const I_Options& opts, std::string& error);
    void (*Shutdown)();
    // Turns whatever happened outside since the last call into messages and input state.
    void (*PumpEvents)();
    void (*MessageBox)(const char* caption, const char* text);
};

struct I_TimerModule {
    uint32_t (*GetTicks)();
    // Returns once the unsigned difference between the tick count and mark is at least ms.
    void (*WaitTicks)(uint32_t mark, uint32_t ms);
};

struct I_VideoModule {
    // Shows a 640 x 480 picture through a palette of 256 red, green, blue entries.
    void (*Present)(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3]);
    void (*ShowCursor)(bool show);
};

// Raw controller readings: axes in -32768..32767, buttons 0x80 when down.
struct I_ControllerReading {
    int x, y;
    uint8_t buttons[32];
};

struct I_InputModule {
    void (*SetCharCapture)(bool on);
    void (*GetKeyboardState)(uint8_t keys[256]);
    void (*GetMouseState)(int* dx, int* dy, uint8_t buttons[4]);
    void (*SetMouseCapture)(bool on);
    std::vector<I_ControllerInfo> (*EnumControllers)();
    int (*OpenController)(int index);
    void (*CloseController)(int handle);
    bool (*ReadController)(int handle, I_ControllerReading& reading);
};

struct I_SoundModule {
    bool (*Init)();
    void (*Shutdown)();
    // A new buffer playing the given samples (8-bit unsigned mono 11025 Hz).
    I_Sound* (*Create)(std::shared_ptr<const std::vector<uint8_t>> samples);
    I_Sound* (*Duplicate)(const I_Sound* s);
    void (*Release)(I_Sound* s);
    void (*Play)(I_Sound* s);
    void (*Stop)(I_Sound* s);
    void (*Rewind)(I_Sound* s);
    bool (*Playing)(I_Sound* s);
    // Pan or volume changed; the new values are in the sound.
    void (*Update)(I_Sound* s);
};

struct I_MusicModule {
    // realPath is the resolved file; gamePath the name the game gave.
    bool (*Open)(const std::string& realPath, const char* gamePath);
    bool (*Play)();
    void (*Stop)();
    void (*Close)();
};

struct I_Backend {
    const I_SystemModule* system;
    const I_TimerModule* timer;
    const I_VideoModule* video;
    const I_InputModule* input;
    const I_SoundModule* sound;
    const I_MusicModule* music;
};

extern const I_Backend sdlBackend;
extern const I_Backend headlessBackend;

// The backend in use: the headless one until I_Init picks.
extern const I_Backend* backend;

// Sample rate of every sound buffer.
enum { I_SOUND_RATE = 11025 };

// Empties the message queue (shut-down).
void I_ClearMessages();
// The tick count at which the fixed 60 Hz refresh next begins a vertical blank after now.
uint32_t I_NextVBlank(uint32_t now);
// Closes every controller the game left open and drops the mouse's unspent part-pixels
// (shut-down).
void I_ResetInput();
