// What the platform remembers between runs, in "display.cfg" of the user folder: the
// window's scale and fullscreen state, and how fast the mouse moves the pad.
#pragma once

#include <string>

struct I_DisplaySettings {
    int scale = 0;                 // whole scale of the window, 0: the largest that fits
    bool fullscreen = false;
    double mouseSensitivity = 1;   // pad pixels per mouse count

    bool operator==(const I_DisplaySettings&) const = default;
};

enum { I_MAX_WINDOW_SCALE = 8 };   // the largest window scale kept
// The mouse sensitivities a player may set: from ten counts a pixel to ten pixels a count.
constexpr double I_MIN_MOUSE_SENSITIVITY = 0.1, I_MAX_MOUSE_SENSITIVITY = 10;

extern I_DisplaySettings displaySettings;   // the settings in use

// A mouse sensitivity from its text; false unless a number in the allowed range.
bool I_ParseSensitivity(const std::string& text, double& out);
// The file's text: "scale N", "fullscreen 0|1" and "mouse-sensitivity X" lines, each at
// most once, in any order; a missing line keeps its default. False, with out at the
// defaults, for anything else.
bool I_ParseDisplaySettings(const std::string& text, I_DisplaySettings& out);
std::string I_FormatDisplaySettings(const I_DisplaySettings& settings);
// Reads the file into displaySettings; a missing or bad file gives the defaults.
void I_LoadDisplaySettings();
// Writes displaySettings to the file.
bool I_SaveDisplaySettings();
