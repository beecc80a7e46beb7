// The timed input script of a headless run: one event a line, "<ms> <event>", at virtual
// milliseconds since the start; "#" starts a comment.
//   key NAME down|up      NAME is the key code's name without DIK_: ESCAPE, F10, A, 7...
//   tap NAME              down, and up 60 ms later
//   text STRING           typed characters 30 ms apart (the rest of the line)
//   mouse DX DY           mouse motion
//   button N down|up      mouse button 0..3
//   joy X Y               stick position, each in -1.0..1.0
//   joybutton N down|up   controller button 0..31
//   focus-lost            the window loses the focus
//   quit                  the window's close button
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
