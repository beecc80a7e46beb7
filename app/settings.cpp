// The settings file: six signed decimals separated by single spaces, no line end.
#include "app/settings.h"

#include <cstdio>
#include <string>
#include <vector>

#include "input/input.h"
#include "platform/platform.h"

int inputDevice[2] = {DEVICE_KEYBOARD, DEVICE_KEYBOARD};
int shadowSetting = 1;
int stereoMode = 1;
int soundVolume = 100;
int musicSetting = 100;

static const char* const optionsFile = "vexa.cfg";
static const size_t maxOptionsBytes = 4096;  // far more than six numbers need

void ResetOptions()
{
    inputDevice[0] = inputDevice[1] = DEVICE_KEYBOARD;
    shadowSetting = 1;
    stereoMode = 1;
    soundVolume = 100;
    musicSetting = 100;
}

static bool DeviceUsable(int device)
{
    return device >= DEVICE_KEYBOARD && device <= DEVICE_GAMEPAD && deviceAvailable[device - 1];
}

// Reads up to six values in the file's order; a value that fails to read, and every
// value after it, keeps what it had.
static void ParseOptions(const std::string& text)
{
    int* const fields[6] = {&inputDevice[0], &inputDevice[1], &shadowSetting, &stereoMode, &soundVolume, &musicSetting};
    int values[6];
    const int read = std::sscanf(text.c_str(), "%d %d %d %d %d %d", &values[0], &values[1], &values[2], &values[3],
                                 &values[4], &values[5]);
    for (int i = 0; i < read; i++)
        *fields[i] = values[i];
}

void LoadOptions()
{
    std::vector<uint8_t> bytes;
    if (!I_ReadFile(I_UserPath(optionsFile), bytes, maxOptionsBytes)) {
        inputDevice[0] = inputDevice[1] = DEVICE_KEYBOARD;
        return;
    }
    ParseOptions(std::string(bytes.begin(), bytes.end()));
    for (int& device : inputDevice)
        if (!DeviceUsable(device))
            device = DEVICE_KEYBOARD;
    // Only the solid shadow is drawn by this game: the translucent one has no palette.
    if (shadowSetting != 0)
        shadowSetting = 1;
    if (stereoMode < 0 || stereoMode > 2)
        stereoMode = 1;
    if (soundVolume < 0)
        soundVolume = 0;
    if (soundVolume > 100)
        soundVolume = 100;
}

int SaveOptions()
{
    char text[96];
    const int length = std::snprintf(text, sizeof text, "%d %d %d %d %d %d", inputDevice[0], inputDevice[1],
                                     shadowSetting, stereoMode, soundVolume, musicSetting);
    return I_WriteUserFile(optionsFile, text, static_cast<size_t>(length)) ? 1 : 0;
}
