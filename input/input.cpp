// The input devices over the platform layer.
#include "input/input.h"

#include "app/settings.h"
#include "app/shell.h"
#include "platform/platform.h"

int deviceAvailable[4];

namespace {

int joystickInstance = -1;  // the controller found as the joystick, -1 until one is
int gamepadInstance = -1;   // the controller found as the gamepad, -1 until one is

bool keyboardOpen = false;   // the keyboard is read only while a screen has it open
bool mouseOpen = false;      // opened only when a player uses the mouse
bool mouseCaptured = false;  // the pointer is held from the first read of the mouse
int joystickDevice = -1;     // the open joystick's handle
int gamepadDevice = -1;      // the open gamepad's handle

// The next read of each kind, when the autoplay has set one.
struct Synthetic {
    bool keysSet, mouseSet, joySet;
    uint8_t keys[256];
    DIMouseState mouse;
    DIJoyState joy;
} synthetic;

// Calls the rule for each attached controller until it says stop.
void EnumDevices(int (*rule)(const I_ControllerInfo&, int))
{
    const std::vector<I_ControllerInfo> devices = I_EnumControllers();
    for (size_t i = 0; i < devices.size(); i++)
        if (rule(devices[i], static_cast<int>(i)) == DIENUM_STOP)
            return;
}

// A controller by its place in the enumeration; -1 when none was found.
int OpenInstance(int instance)
{
    return instance >= 0 ? I_OpenController(instance) : -1;
}

// Whether the found controller opens at all.
int Probe(int instance)
{
    const int handle = OpenInstance(instance);
    if (handle < 0)
        return 0;
    I_CloseController(handle);
    return 1;
}

struct ControllerKind {
    int (*rule)(const I_ControllerInfo&, int);
    const int* instance;
    int rangeX;  // the x axis reads -rangeX..rangeX
    const char* failure;
};

const ControllerKind joystickKind = {DIEnumJoy, &joystickInstance, 30, "Couldn't Setup Joystick"};
const ControllerKind gamepadKind = {DIEnumPad, &gamepadInstance, 3, "Couldn't Setup Gamepad"};

// Finds and opens a controller with its axis ranges; -1 after the boxes when it fails.
int OpenController(const ControllerKind& kind)
{
    EnumDevices(kind.rule);
    const int handle = OpenInstance(*kind.instance);
    if (handle < 0) {
        ErrorBox(kind.failure);
        ReinstallBox();
        ExitWindowsLoop();
        return -1;
    }
    I_SetControllerRange(handle, 0, -kind.rangeX, kind.rangeX);
    I_SetControllerRange(handle, 1, -3, 3);
    return handle;
}

bool PlayerUses(int device)
{
    return inputDevice[0] == device || inputDevice[1] == device;
}

void CloseController(int& handle)
{
    if (handle >= 0)
        I_CloseController(handle);
    handle = -1;
}

int ReadController(int handle, DIJoyState& state)
{
    if (handle < 0 || !I_ReadController(handle, &state.lX, &state.lY, state.rgbButtons))
        return 0;
    if (synthetic.joySet) {
        state = synthetic.joy;
        synthetic.joySet = false;
    }
    return 1;
}

}  // namespace

int DIEnumJoy(const I_ControllerInfo& device, int index)
{
    if (device.plainGameController)
        return DIENUM_CONTINUE;
    joystickInstance = index;
    return DIENUM_STOP;
}

int DIEnumPad(const I_ControllerInfo&, int index)
{
    gamepadInstance = index;
    return DIENUM_STOP;
}

void CheckInputs()
{
    deviceAvailable[DEVICE_KEYBOARD - 1] = 1;
    deviceAvailable[DEVICE_MOUSE - 1] = 1;
    EnumDevices(DIEnumJoy);
    deviceAvailable[DEVICE_JOYSTICK - 1] = Probe(joystickInstance);
    EnumDevices(DIEnumPad);
    deviceAvailable[DEVICE_GAMEPAD - 1] = Probe(gamepadInstance);
}

std::string DescribeControllers()
{
    EnumDevices(DIEnumJoy);
    EnumDevices(DIEnumPad);
    const std::vector<I_ControllerInfo> devices = I_EnumControllers();
    if (devices.empty())
        return "No joysticks or gamepads found.\n";
    std::string text;
    for (size_t i = 0; i < devices.size(); i++) {
        const bool joystick = joystickInstance == int(i), gamepad = gamepadInstance == int(i);
        const char* role = joystick && gamepad ? "joystick and gamepad"
                           : joystick          ? "joystick"
                           : gamepad           ? "gamepad"
                                               : "not used";
        text += std::to_string(i) + ": " + devices[i].name + " (" + role + ")\n";
    }
    return text;
}

int DirectInputInit()
{
    DirectInputShutdown();
    keyboardOpen = true;
    mouseOpen = PlayerUses(DEVICE_MOUSE);
    if (PlayerUses(DEVICE_JOYSTICK) && (joystickDevice = OpenController(joystickKind)) < 0)
        return 0;
    if (PlayerUses(DEVICE_GAMEPAD) && (gamepadDevice = OpenController(gamepadKind)) < 0)
        return 0;
    return 1;
}

void DirectInputShutdown()
{
    keyboardOpen = false;
    if (mouseCaptured)
        I_SetMouseCapture(false);
    mouseCaptured = false;
    mouseOpen = false;
    CloseController(joystickDevice);
    CloseController(gamepadDevice);
}

int ReadKeyboard(uint8_t keys[256])
{
    if (!keyboardOpen)
        return 0;
    I_GetKeyboardState(keys);
    if (synthetic.keysSet) {
        for (int i = 0; i < 256; i++)
            keys[i] |= synthetic.keys[i];
        synthetic.keysSet = false;
    }
    return 1;
}

int ReadMouse(DIMouseState& state)
{
    if (!mouseOpen)
        return 0;
    // Only the game reads the mouse: the pointer is held from then until the devices close.
    if (!mouseCaptured)
        I_SetMouseCapture(true);
    mouseCaptured = true;
    int dx, dy;
    I_GetMouseState(&dx, &dy, state.rgbButtons);
    state.lX = dx;
    state.lY = dy;
    state.lZ = 0;
    if (synthetic.mouseSet) {
        state = synthetic.mouse;
        synthetic.mouseSet = false;
    }
    return 1;
}

int ReadJoystick(DIJoyState& state)
{
    return ReadController(joystickDevice, state);
}

int ReadGamepad(DIJoyState& state)
{
    return ReadController(gamepadDevice, state);
}

void SetSyntheticInput(const uint8_t keys[256])
{
    for (int i = 0; i < 256; i++)
        synthetic.keys[i] = keys[i];
    synthetic.keysSet = true;
}

void SetSyntheticInput(const DIMouseState& state)
{
    synthetic.mouse = state;
    synthetic.mouseSet = true;
}

void SetSyntheticInput(const DIJoyState& state)
{
    synthetic.joy = state;
    synthetic.joySet = true;
}
