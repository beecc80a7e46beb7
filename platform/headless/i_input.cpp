// Headless input: the script's events applied at their virtual times to a keyboard, a
// mouse and the controllers the options attach.
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/backend.h"
#include "platform/headless/headless.h"
#include "platform/headless/script.h"
#include "platform/keys.h"
#include "platform/screenshot.h"

namespace headless {

namespace {

// Largest script we read: far more than any run needs.
constexpr size_t maxScriptBytes = 16u << 20;

// Button states (0x80 down) where every press is seen by at least one read: a release
// that comes before the press was read waits until after the next read.
template <int N>
struct Buttons {
    uint8_t state[N] = {};
    bool unread[N] = {};        // pressed since the last read
    bool releaseAfterRead[N] = {};

    void Set(int i, bool down)
    {
        if (down) {
            state[i] = 0x80;
            unread[i] = true;
            releaseAfterRead[i] = false;
        } else if (unread[i]) {
            releaseAfterRead[i] = true;
        } else {
            state[i] = 0;
        }
    }
    void Read(uint8_t* out)
    {
        std::memcpy(out, state, N);
        for (int i = 0; i < N; i++) {
            if (releaseAfterRead[i])
                state[i] = 0;
            unread[i] = releaseAfterRead[i] = false;
        }
    }
};

std::vector<ScriptEvent> script;    // the whole script, in time order
size_t nextEvent;                   // the first event not yet applied
bool charCapture;                   // typed characters become messages
Buttons<256> keyboard;              // by key code
Buttons<4> mouseButtons;            // left, right, middle, fourth
int mouseDx, mouseDy;               // motion since the last read
Buttons<32> joyButtons;             // one stick and button set serves every controller
double joyX, joyY;                  // stick position, -1..1
std::vector<I_ControllerInfo> controllers;  // the attached controllers, in the order found

void TypeChar(int c)
{
    if (charCapture && c)
        I_PostMessage(I_MSG_CHAR, c);
}

void Apply(const ScriptEvent& e)
{
    switch (e.kind) {
    case ScriptEvent::KEY:
        keyboard.Set(e.code, e.down);
        if (e.down && e.code == DIK_F12)
            I_TakeScreenshot();
        if (e.down)
            TypeChar(I_KeyControlChar(uint8_t(e.code)));
        break;
    case ScriptEvent::CHAR:
        TypeChar(e.code);
        break;
    case ScriptEvent::MOUSE_MOVE:
        mouseDx += e.dx;
        mouseDy += e.dy;
        break;
    case ScriptEvent::MOUSE_BUTTON:
        mouseButtons.Set(e.code, e.down);
        break;
    case ScriptEvent::JOY_MOVE:
        joyX = e.x;
        joyY = e.y;
        break;
    case ScriptEvent::JOY_BUTTON:
        joyButtons.Set(e.code, e.down);
        break;
    case ScriptEvent::FOCUS_LOST:
        // Headless runs are never fullscreen.
        I_PostMessage(I_MSG_KILLFOCUS, 0);
        break;
    case ScriptEvent::QUIT:
        I_PostMessage(I_MSG_CLOSE);
        break;
    }
}

int RawAxis(double v)
{
    return int(std::lround(v < 0 ? v * 32768.0 : v * 32767.0));
}

void SetCharCapture(bool on)
{
    charCapture = on;
}

void GetKeyboardState(uint8_t keys[256])
{
    keyboard.Read(keys);
}

void GetMouseState(int* dx, int* dy, uint8_t buttons[4])
{
    *dx = mouseDx;
    *dy = mouseDy;
    mouseDx = mouseDy = 0;
    mouseButtons.Read(buttons);
}

void SetMouseCapture(bool)
{
}

std::vector<I_ControllerInfo> EnumControllers()
{
    return controllers;
}

int OpenController(int index)
{
    return index >= 0 && size_t(index) < controllers.size() ? index : -1;
}

void CloseController(int)
{
}

bool ReadController(int handle, I_ControllerReading& reading)
{
    if (handle < 0 || size_t(handle) >= controllers.size())
        return false;
    reading.x = RawAxis(joyX);
    reading.y = RawAxis(joyY);
    joyButtons.Read(reading.buttons);
    return true;
}

} // namespace

bool LoadScript(const std::string& file, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!I_ReadFile(file, bytes, maxScriptBytes)) {
        error = "script " + file + ": cannot be read";
        return false;
    }
    return ParseScript(std::string(bytes.begin(), bytes.end()), file, script, error);
}

void SetControllers(bool joystick, bool gamepad)
{
    // The gamepad comes first, so that each kind of device finds its own.
    controllers.clear();
    if (gamepad)
        controllers.push_back({"Virtual Gamepad", true});
    if (joystick)
        controllers.push_back({"Virtual Joystick", false});
}

void RunScript(uint64_t now)
{
    while (nextEvent < script.size() && script[nextEvent].ms <= now)
        Apply(script[nextEvent++]);
}

void ResetInput()
{
    script.clear();
    nextEvent = 0;
    charCapture = false;
    keyboard = {};
    mouseButtons = {};
    joyButtons = {};
    mouseDx = mouseDy = 0;
    joyX = joyY = 0;
    controllers.clear();
}

const I_InputModule inputModule = {
    SetCharCapture, GetKeyboardState, GetMouseState, SetMouseCapture, EnumControllers,
    OpenController, CloseController,  ReadController,
};

} // namespace headless
