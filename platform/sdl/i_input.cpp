// Real input: the keyboard state by key code from SDL's scancodes, the mouse's relative
// motion, and joysticks and game controllers.
#include <cstring>
#include <vector>

#include "platform/keys.h"
#include "platform/screenshot.h"
#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

struct KeyMapping {
    SDL_Scancode scancode;
    uint8_t key;
};

// The one table that knows both SDL's scancodes and the game's key codes.
const KeyMapping keyTable[] = {
    {SDL_SCANCODE_ESCAPE, DIK_ESCAPE},
    {SDL_SCANCODE_1, DIK_1}, {SDL_SCANCODE_2, DIK_2}, {SDL_SCANCODE_3, DIK_3},
    {SDL_SCANCODE_4, DIK_4}, {SDL_SCANCODE_5, DIK_5}, {SDL_SCANCODE_6, DIK_6},
    {SDL_SCANCODE_7, DIK_7}, {SDL_SCANCODE_8, DIK_8}, {SDL_SCANCODE_9, DIK_9},
    {SDL_SCANCODE_0, DIK_0},
    {SDL_SCANCODE_MINUS, DIK_MINUS}, {SDL_SCANCODE_EQUALS, DIK_EQUALS},
    {SDL_SCANCODE_BACKSPACE, DIK_BACK}, {SDL_SCANCODE_TAB, DIK_TAB},
    {SDL_SCANCODE_Q, DIK_Q}, {SDL_SCANCODE_W, DIK_W}, {SDL_SCANCODE_E, DIK_E},
    {SDL_SCANCODE_R, DIK_R}, {SDL_SCANCODE_T, DIK_T}, {SDL_SCANCODE_Y, DIK_Y},
    {SDL_SCANCODE_U, DIK_U}, {SDL_SCANCODE_I, DIK_I}, {SDL_SCANCODE_O, DIK_O},
    {SDL_SCANCODE_P, DIK_P},
    {SDL_SCANCODE_LEFTBRACKET, DIK_LBRACKET}, {SDL_SCANCODE_RIGHTBRACKET, DIK_RBRACKET},
    {SDL_SCANCODE_RETURN, DIK_RETURN}, {SDL_SCANCODE_LCTRL, DIK_LCONTROL},
    {SDL_SCANCODE_A, DIK_A}, {SDL_SCANCODE_S, DIK_S}, {SDL_SCANCODE_D, DIK_D},
    {SDL_SCANCODE_F, DIK_F}, {SDL_SCANCODE_G, DIK_G}, {SDL_SCANCODE_H, DIK_H},
    {SDL_SCANCODE_J, DIK_J}, {SDL_SCANCODE_K, DIK_K}, {SDL_SCANCODE_L, DIK_L},
    {SDL_SCANCODE_SEMICOLON, DIK_SEMICOLON}, {SDL_SCANCODE_APOSTROPHE, DIK_APOSTROPHE},
    {SDL_SCANCODE_GRAVE, DIK_GRAVE}, {SDL_SCANCODE_LSHIFT, DIK_LSHIFT},
    {SDL_SCANCODE_BACKSLASH, DIK_BACKSLASH},
    {SDL_SCANCODE_Z, DIK_Z}, {SDL_SCANCODE_X, DIK_X}, {SDL_SCANCODE_C, DIK_C},
    {SDL_SCANCODE_V, DIK_V}, {SDL_SCANCODE_B, DIK_B}, {SDL_SCANCODE_N, DIK_N},
    {SDL_SCANCODE_M, DIK_M},
    {SDL_SCANCODE_COMMA, DIK_COMMA}, {SDL_SCANCODE_PERIOD, DIK_PERIOD},
    {SDL_SCANCODE_SLASH, DIK_SLASH}, {SDL_SCANCODE_RSHIFT, DIK_RSHIFT},
    {SDL_SCANCODE_KP_MULTIPLY, DIK_MULTIPLY}, {SDL_SCANCODE_LALT, DIK_LMENU},
    {SDL_SCANCODE_SPACE, DIK_SPACE}, {SDL_SCANCODE_CAPSLOCK, DIK_CAPITAL},
    {SDL_SCANCODE_F1, DIK_F1}, {SDL_SCANCODE_F2, DIK_F2}, {SDL_SCANCODE_F3, DIK_F3},
    {SDL_SCANCODE_F4, DIK_F4}, {SDL_SCANCODE_F5, DIK_F5}, {SDL_SCANCODE_F6, DIK_F6},
    {SDL_SCANCODE_F7, DIK_F7}, {SDL_SCANCODE_F8, DIK_F8}, {SDL_SCANCODE_F9, DIK_F9},
    {SDL_SCANCODE_F10, DIK_F10},
    {SDL_SCANCODE_NUMLOCKCLEAR, DIK_NUMLOCK}, {SDL_SCANCODE_SCROLLLOCK, DIK_SCROLL},
    {SDL_SCANCODE_KP_7, DIK_NUMPAD7}, {SDL_SCANCODE_KP_8, DIK_NUMPAD8},
    {SDL_SCANCODE_KP_9, DIK_NUMPAD9}, {SDL_SCANCODE_KP_MINUS, DIK_SUBTRACT},
    {SDL_SCANCODE_KP_4, DIK_NUMPAD4}, {SDL_SCANCODE_KP_5, DIK_NUMPAD5},
    {SDL_SCANCODE_KP_6, DIK_NUMPAD6}, {SDL_SCANCODE_KP_PLUS, DIK_ADD},
    {SDL_SCANCODE_KP_1, DIK_NUMPAD1}, {SDL_SCANCODE_KP_2, DIK_NUMPAD2},
    {SDL_SCANCODE_KP_3, DIK_NUMPAD3}, {SDL_SCANCODE_KP_0, DIK_NUMPAD0},
    {SDL_SCANCODE_KP_PERIOD, DIK_DECIMAL}, {SDL_SCANCODE_NONUSBACKSLASH, DIK_OEM_102},
    {SDL_SCANCODE_F11, DIK_F11}, {SDL_SCANCODE_F12, DIK_F12},
    {SDL_SCANCODE_KP_ENTER, DIK_NUMPADENTER}, {SDL_SCANCODE_RCTRL, DIK_RCONTROL},
    {SDL_SCANCODE_KP_DIVIDE, DIK_DIVIDE}, {SDL_SCANCODE_PRINTSCREEN, DIK_SYSRQ},
    {SDL_SCANCODE_RALT, DIK_RMENU}, {SDL_SCANCODE_PAUSE, DIK_PAUSE},
    {SDL_SCANCODE_HOME, DIK_HOME}, {SDL_SCANCODE_UP, DIK_UP},
    {SDL_SCANCODE_PAGEUP, DIK_PRIOR}, {SDL_SCANCODE_LEFT, DIK_LEFT},
    {SDL_SCANCODE_RIGHT, DIK_RIGHT}, {SDL_SCANCODE_END, DIK_END},
    {SDL_SCANCODE_DOWN, DIK_DOWN}, {SDL_SCANCODE_PAGEDOWN, DIK_NEXT},
    {SDL_SCANCODE_INSERT, DIK_INSERT}, {SDL_SCANCODE_DELETE, DIK_DELETE},
    {SDL_SCANCODE_LGUI, DIK_LWIN}, {SDL_SCANCODE_RGUI, DIK_RWIN},
    {SDL_SCANCODE_APPLICATION, DIK_APPS},
};

struct Controller {
    SDL_GameController* pad = nullptr;   // set for a device SDL knows as a game controller
    SDL_Joystick* joystick = nullptr;    // set for any other joystick
};

uint8_t scancodeToKey[SDL_NUM_SCANCODES];   // keyTable turned into a lookup
uint8_t keys[256];                          // the keyboard state by key code
int mouseDx, mouseDy;                       // mouse motion since the last read
bool charCapture;                           // typed characters become messages
std::vector<Controller> controllers;        // open controllers by handle; closed ones empty

void HandleKey(const SDL_KeyboardEvent& e)
{
    const SDL_Scancode scancode = e.keysym.scancode;
    const bool down = e.state == SDL_PRESSED;
    const bool enter = scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER;
    if (down && !e.repeat && (scancode == SDL_SCANCODE_F11 || (enter && (e.keysym.mod & KMOD_ALT)))) {
        // Alt+Enter belongs to the window, not to the game.
        ToggleFullscreen();
        if (enter)
            return;
    }
    const uint8_t key = scancodeToKey[scancode];
    if (down && !e.repeat && key == DIK_F12)
        I_TakeScreenshot();
    if (down && charCapture && I_KeyControlChar(key))
        I_PostMessage(I_MSG_CHAR, I_KeyControlChar(key));
    if (key)
        keys[key] = down ? 0x80 : 0;
}

void HandleText(const char* text)
{
    if (!charCapture)
        return;
    for (const char* p = text; *p; p++)
        if (*p >= 32 && *p <= 126)
            I_PostMessage(I_MSG_CHAR, *p);
}

void SetCharCapture(bool on)
{
    charCapture = on;
    if (on)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

void GetKeyboardState(uint8_t out[256])
{
    std::memcpy(out, keys, sizeof keys);
}

void GetMouseState(int* dx, int* dy, uint8_t buttons[4])
{
    *dx = mouseDx;
    *dy = mouseDy;
    mouseDx = mouseDy = 0;
    const Uint32 held = SDL_GetMouseState(nullptr, nullptr);
    const Uint32 masks[4] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK, SDL_BUTTON_X1MASK};
    for (int i = 0; i < 4; i++)
        buttons[i] = (held & masks[i]) ? 0x80 : 0;
}

void SetMouseCapture(bool on)
{
    SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE);
}

std::vector<I_ControllerInfo> EnumControllers()
{
    std::vector<I_ControllerInfo> found;
    for (int i = 0; i < SDL_NumJoysticks(); i++) {
        const bool pad = SDL_IsGameController(i);
        const char* name = pad ? SDL_GameControllerNameForIndex(i) : SDL_JoystickNameForIndex(i);
        found.push_back({name ? name : "Controller", pad});
    }
    return found;
}

int OpenController(int index)
{
    if (index < 0 || index >= SDL_NumJoysticks())
        return -1;
    Controller c;
    if (SDL_IsGameController(index))
        c.pad = SDL_GameControllerOpen(index);
    else
        c.joystick = SDL_JoystickOpen(index);
    if (!c.pad && !c.joystick)
        return -1;
    for (size_t handle = 0; handle < controllers.size(); handle++) {
        if (!controllers[handle].pad && !controllers[handle].joystick) {
            controllers[handle] = c;
            return int(handle);
        }
    }
    controllers.push_back(c);
    return int(controllers.size() - 1);
}

void CloseController(int handle)
{
    if (handle < 0 || size_t(handle) >= controllers.size())
        return;
    Controller& c = controllers[handle];
    if (c.pad)
        SDL_GameControllerClose(c.pad);
    if (c.joystick)
        SDL_JoystickClose(c.joystick);
    c = Controller{};
}

bool ReadPad(SDL_GameController* pad, I_ControllerReading& reading)
{
    if (!SDL_GameControllerGetAttached(pad))
        return false;
    reading.x = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    reading.y = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    // The d-pad steers as well as the stick: held, it is the stick pushed all the way.
    const bool left = SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    const bool right = SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    if (left != right)
        reading.x = left ? -32768 : 32767;
    // Button 0 is the south face button: SDL's order starts with it.
    for (int i = 0; i < SDL_CONTROLLER_BUTTON_MAX && i < 32; i++)
        reading.buttons[i] = SDL_GameControllerGetButton(pad, SDL_GameControllerButton(i)) ? 0x80 : 0;
    return true;
}

bool ReadJoystick(SDL_Joystick* joystick, I_ControllerReading& reading)
{
    if (!SDL_JoystickGetAttached(joystick))
        return false;
    const int axes = SDL_JoystickNumAxes(joystick);
    reading.x = axes > 0 ? SDL_JoystickGetAxis(joystick, 0) : 0;
    reading.y = axes > 1 ? SDL_JoystickGetAxis(joystick, 1) : 0;
    const int buttons = SDL_JoystickNumButtons(joystick);
    for (int i = 0; i < buttons && i < 32; i++)
        reading.buttons[i] = SDL_JoystickGetButton(joystick, i) ? 0x80 : 0;
    return true;
}

bool ReadController(int handle, I_ControllerReading& reading)
{
    if (handle < 0 || size_t(handle) >= controllers.size())
        return false;
    const Controller& c = controllers[handle];
    if (c.pad)
        return ReadPad(c.pad, reading);
    return c.joystick && ReadJoystick(c.joystick, reading);
}

} // namespace

void InputInit()
{
    std::memset(scancodeToKey, 0, sizeof scancodeToKey);
    for (const KeyMapping& m : keyTable)
        scancodeToKey[m.scancode] = m.key;
    ForgetHeldInput();
    charCapture = false;
    // SDL starts with text input on; characters are only wanted while captured.
    SDL_StopTextInput();
}

void InputShutdown()
{
    for (size_t handle = 0; handle < controllers.size(); handle++)
        CloseController(int(handle));
    controllers.clear();
}

void ForgetHeldInput()
{
    std::memset(keys, 0, sizeof keys);
    mouseDx = mouseDy = 0;
}

void HandleInputEvent(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        HandleKey(e.key);
        break;
    case SDL_TEXTINPUT:
        HandleText(e.text.text);
        break;
    case SDL_MOUSEMOTION:
        mouseDx += e.motion.xrel;
        mouseDy += e.motion.yrel;
        break;
    default:
        break;
    }
}

const I_InputModule inputModule = {
    SetCharCapture, GetKeyboardState, GetMouseState, SetMouseCapture, EnumControllers,
    OpenController, CloseController,  ReadController,
};

} // namespace sdl
