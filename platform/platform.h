// The platform services the game stands on: a window with its message queue, the clock,
// the 8-bit display and its surfaces, input devices, sound buffers, MIDI music, message
// boxes and files. Two backends implement it (a real one and a headless one); the game
// never asks which one runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------------------
// Start-up and shut-down

struct I_Options {
    bool headless = false;
    bool fullscreen = false;
    std::string dataDir;        // empty: beside the executable, else the installed share dir
    std::string userDir;        // empty: $XDG_DATA_HOME/taltrix
    double mouseSensitivity = 0; // pad pixels per mouse count to remember; 0: as remembered
    bool listDevices = false;   // start only the input devices, for listing them
    int64_t untilMs = -1;       // end the run this long after the start, virtual time when headless (-1: never)
    std::string frameLogFile;   // one line per displayed frame: ms and hash
    // Headless only.
    std::string scriptFile;     // timed input script
    std::string screenshotFile; // PNG of the last displayed frame, written at shut-down
    std::string eventLogFile;   // JSON lines: boxes, sounds, music
    bool joystickPresent = false;
    bool gamepadPresent = false;
};

// Parses the platform's own options out of argv (they are removed from it). Returns false
// and sets error on a bad option value. Unknown options are left for the game.
bool I_ParseOptions(std::vector<std::string>& args, I_Options& opts, std::string& error);
// One paragraph of help for the options above.
const char* I_OptionsHelp();

// Brings up the chosen backend. Returns false with a reason when it cannot.
bool I_Init(const I_Options& opts, std::string& error);
void I_Shutdown();

// ---------------------------------------------------------------------------------------
// Window and messages

enum I_MessageKind {
    I_MSG_PAINT,       // the window needs painting (first show, expose, mode set)
    I_MSG_KILLFOCUS,   // the window lost the focus; param is 1 when the display was fullscreen
    I_MSG_CHAR,        // a typed character (only while character capture is on)
    I_MSG_MUSICDONE,   // the playing song reached its end
    I_MSG_CLOSE,       // the window's close button or the desktop's quit request
    I_MSG_DESTROY,     // posted by the game itself when it wants to end
    I_MSG_QUIT,        // posted by the game after destroy: leave the message loop
};

struct I_Message {
    I_MessageKind kind;
    int param;
};

// Takes one message if one is waiting. Never blocks.
bool I_PeekMessage(I_Message& msg);
void I_PostMessage(I_MessageKind kind, int param = 0);
// While on, typed characters arrive as I_MSG_CHAR (Backspace 8, Enter 13, Escape 27,
// printable ASCII).
void I_SetCharCapture(bool on);
void I_ShowCursor(bool show);
// A modal box with one OK button; also written to stderr.
void I_MessageBox(const char* caption, const char* text);

// ---------------------------------------------------------------------------------------
// Clock: milliseconds, unsigned 32-bit, wrapping.

uint32_t I_GetTicks();
// Waits until the unsigned difference between the tick count and mark is at least ms;
// shows a due frame first. Returns the tick count after the wait.
uint32_t I_WaitTicks(uint32_t mark, uint32_t ms);
// Waits for the next vertical blank of a fixed 60 Hz refresh; shows a due frame first.
void I_WaitVBlank();

// ---------------------------------------------------------------------------------------
// Surfaces: 8-bit pixel rectangles. Index 0 is the source colour key of keyed blits.

struct I_Surface;

struct I_Rect {
    int x, y, w, h;
};

I_Surface* I_CreateSurface(int width, int height);
void I_ReleaseSurface(I_Surface* s);
int I_SurfaceWidth(const I_Surface* s);
int I_SurfaceHeight(const I_Surface* s);
// Returns the first pixel and the row pitch in bytes.
uint8_t* I_LockSurface(I_Surface* s, int* pitch);
void I_UnlockSurface(I_Surface* s);
// Copies src area to dst at (dx, dy), clipped to both surfaces. keyed: index 0 is skipped.
void I_Blt(I_Surface* dst, int dx, int dy, I_Surface* src, const I_Rect& srcArea, bool keyed);
// Fills the whole surface with one colour index.
void I_FillSurface(I_Surface* s, uint8_t colour);

// ---------------------------------------------------------------------------------------
// Display: one 640 x 480 8-bit primary surface shown through a 256-entry palette.
// Whatever changes the picture or the palette makes a frame due; it is shown at the next
// wait (vertical blank, frame timer, message pump).

enum { I_SCREEN_WIDTH = 640, I_SCREEN_HEIGHT = 480 };

// Sets the display mode and posts a paint message. Only 640 x 480 x 8 is offered.
bool I_SetVideoMode(int width, int height, int bpp);
// The primary surface (null before the mode is set). Blits onto it and unlocks of it make
// a frame due.
I_Surface* I_PrimarySurface();
// 256 entries of red, green, blue in 0..255 (the game's 6-bit components times 4).
void I_SetPalette(const uint8_t rgb[256 * 3]);
void I_GetPalette(uint8_t rgb[256 * 3]);

// ---------------------------------------------------------------------------------------
// Input. Keyboard state is indexed by DIK code (0x80 = down).

void I_GetKeyboardState(uint8_t keys[256]);
// Relative motion since the last read and four buttons (0x80 = down).
void I_GetMouseState(int* dx, int* dy, uint8_t buttons[4]);
// Captures the pointer (relative mode) while the game reads the mouse.
void I_SetMouseCapture(bool on);

struct I_ControllerInfo {
    std::string name;
    bool plainGameController;   // a device with no subtype: found as a gamepad, never a joystick
};

// The attached joystick-class devices, in the order they were found.
std::vector<I_ControllerInfo> I_EnumControllers();
// Opens controller i; returns a handle >= 0 or -1.
int I_OpenController(int index);
void I_CloseController(int handle);
// Axis 0 is x, 1 is y: readings are scaled into [min, max].
void I_SetControllerRange(int handle, int axis, int min, int max);
// Reads the scaled x and y axes and 32 buttons (0x80 = down). False when the device is gone.
bool I_ReadController(int handle, int* x, int* y, uint8_t buttons[32]);

// ---------------------------------------------------------------------------------------
// Sound: buffers of 8-bit unsigned mono 11025 Hz samples.

struct I_Sound;

bool I_SoundInit();
void I_SoundShutdown();
// label names the sound for the event log, e.g. group 9 and "wavs\\Pop2.wav".
I_Sound* I_CreateSound(const uint8_t* samples, size_t count, int group, const char* file);
// A second buffer sharing the samples of the first.
I_Sound* I_DuplicateSound(I_Sound* s);
void I_ReleaseSound(I_Sound* s);
void I_PlaySound(I_Sound* s);           // from the current position, once
void I_StopSound(I_Sound* s);
void I_RewindSound(I_Sound* s);
bool I_SoundPlaying(I_Sound* s);
// Hundredths of a decibel: pan -10000..10000 attenuates the other side; volume -10000..0.
void I_SetSoundPan(I_Sound* s, int pan);
void I_SetSoundVolume(I_Sound* s, int volume);

// ---------------------------------------------------------------------------------------
// Music: standard MIDI files.

bool I_MusicOpen(const char* gamePath);
// Plays the open song from its current position; I_MSG_MUSICDONE is posted when it ends.
bool I_MusicPlay();
void I_MusicStop();
void I_MusicClose();

// ---------------------------------------------------------------------------------------
// Files. Game paths are Windows-style ("Levels\\1.lvl"): backslashes separate components,
// each matched case-insensitively. Data files are read-only; the game's own files
// ("vexa.cfg", "scores.cfg", "1.sav", "2.sav") live in the user directory.

// The real path of a data file, or "" when it does not exist or the name leaves its folder.
std::string I_DataPath(const char* gamePath);
// The real path of a user file (it may not exist yet), or "" for a bad name.
std::string I_UserPath(const char* name);
// Reads a whole file, at most maxBytes. False when missing, unreadable or too large.
bool I_ReadFile(const std::string& path, std::vector<uint8_t>& out, size_t maxBytes);
// Writes a user file whole through a temporary file renamed over the old one.
bool I_WriteUserFile(const char* name, const void* data, size_t size);
// Writes rows of 8-bit RGB (channels 3) or RGBA (channels 4) pixels as a PNG file.
bool I_WritePng(const std::string& path, int width, int height, int channels, const uint8_t* pixels);
