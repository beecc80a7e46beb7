// Input devices: the keyboard state, the mouse's motion, and controllers scaled to the
// axis ranges the game sets.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

#include "platform/backend.h"
#include "platform/display_settings.h"
#include "platform/replay.h"

namespace {

struct AxisRange {
    int min = -32768, max = 32767;
};

struct ControllerRanges {
    AxisRange axes[2];            // x, y
};

std::map<int, ControllerRanges> openControllers;   // the ranges of each open controller
double mouseLeftX, mouseLeftY;   // the parts of a pixel the mouse has moved but not yet given

// Motion in mouse counts as pad pixels; fractions carry over so slow motion is not lost.
int SensitiveMotion(int counts, double& left)
{
    const double pixels = counts * displaySettings.mouseSensitivity + left;
    const double whole = std::trunc(pixels);
    left = pixels - whole;
    return int(whole);
}

int ScaleAxis(int raw, const AxisRange& range)
{
    // Linear from the full reading span onto the range, rounded to nearest, so that a
    // centred stick reads 0 on a symmetric range.
    const int64_t span = int64_t(range.max) - range.min;
    const int64_t offset = int64_t(std::clamp(raw, -32768, 32767)) + 32768;
    return int(range.min + (offset * span + 32767) / 65535);
}

} // namespace

void I_GetKeyboardState(uint8_t keys[256])
{
    backend->input->GetKeyboardState(keys);
    I_ReplayKeyboard(keys);
}

void I_GetMouseState(int* dx, int* dy, uint8_t buttons[4])
{
    int x = 0, y = 0;
    uint8_t b[4] = {};
    backend->input->GetMouseState(&x, &y, b);
    int mx = SensitiveMotion(x, mouseLeftX), my = SensitiveMotion(y, mouseLeftY);
    I_ReplayMouse(mx, my, b);
    if (dx)
        *dx = mx;
    if (dy)
        *dy = my;
    if (buttons)
        std::memcpy(buttons, b, sizeof b);
}

void I_SetMouseCapture(bool on)
{
    mouseLeftX = mouseLeftY = 0;
    backend->input->SetMouseCapture(on);
}

std::vector<I_ControllerInfo> I_EnumControllers()
{
    return backend->input->EnumControllers();
}

int I_OpenController(int index)
{
    const int handle = backend->input->OpenController(index);
    if (handle >= 0)
        openControllers[handle] = ControllerRanges{};
    return handle;
}

void I_CloseController(int handle)
{
    if (openControllers.erase(handle))
        backend->input->CloseController(handle);
}

void I_SetControllerRange(int handle, int axis, int min, int max)
{
    auto found = openControllers.find(handle);
    if (found == openControllers.end() || axis < 0 || axis > 1 || min > max)
        return;
    found->second.axes[axis] = AxisRange{min, max};
}

bool I_ReadController(int handle, int* x, int* y, uint8_t buttons[32])
{
    auto found = openControllers.find(handle);
    I_ControllerReading reading{};
    bool ok = found != openControllers.end() && backend->input->ReadController(handle, reading);
    int sx = ok ? ScaleAxis(reading.x, found->second.axes[0]) : 0;
    int sy = ok ? ScaleAxis(reading.y, found->second.axes[1]) : 0;
    if (!I_ReplayController(ok, sx, sy, reading.buttons))
        return false;
    if (x)
        *x = sx;
    if (y)
        *y = sy;
    if (buttons)
        std::memcpy(buttons, reading.buttons, sizeof reading.buttons);
    return true;
}

void I_ResetInput()
{
    mouseLeftX = mouseLeftY = 0;
    for (const auto& open : openControllers)
        backend->input->CloseController(open.first);
    openControllers.clear();
}
