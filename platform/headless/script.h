// The timed input script of a headless run: one event a line, "<ms> <event>".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

struct ScriptEvent {
    enum Kind {
        KEY,           // code: key code; down
        CHAR,          // code: the typed character
        MOUSE_MOVE,    // dx, dy
        MOUSE_BUTTON,  // code: button 0..3; down
        JOY_MOVE,      // x, y in -1..1
        JOY_BUTTON,    // code: button 0..31; down
        FOCUS_LOST,
        QUIT,
    };
    uint64_t ms;       // virtual milliseconds since the start
    Kind kind;
    int code = 0;
    bool down = false;
    int dx = 0, dy = 0;
    double x = 0, y = 0;
};

// Parses a whole script into events ordered by time (same-time events keep their order).
// False on the first bad line, with the error "script FILE:LINE: what is wrong".
bool ParseScript(const std::string& text, const std::string& fileName,
                 std::vector<ScriptEvent>& events, std::string& error);

} // namespace headless
