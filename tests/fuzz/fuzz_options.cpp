// The settings file read at start-up from a user directory of its own; whatever it holds,
// the settings that come out are in their ranges.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/settings.h"
#include "input/input.h"
#include "platform/files.h"

// A directory in memory where there is one, as each run writes the file anew.
static std::string UserDir()
{
    char inMemory[] = "/dev/shm/taltrix-fuzz-XXXXXX";
    char onDisk[] = "/tmp/taltrix-fuzz-XXXXXX";
    const char* dir = mkdtemp(inMemory);
    if (!dir && !(dir = mkdtemp(onDisk)))
        std::abort();
    I_Options opts;
    opts.dataDir = opts.userDir = dir;
    std::string error;
    if (!I_InitFiles(opts, error))
        std::abort();
    deviceAvailable[0] = deviceAvailable[1] = 1;  // a machine with a keyboard and a mouse only
    return dir;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string file = UserDir() + "/vexa.cfg";
    std::FILE* out = std::fopen(file.c_str(), "wb");
    if (!out || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0)
        std::abort();
    ResetOptions();
    LoadOptions();
    for (int device : inputDevice)
        if (device != DEVICE_KEYBOARD && device != DEVICE_MOUSE)
            std::abort();
    if (stereoMode < 0 || stereoMode > 2 || soundVolume < 0 || soundVolume > 100)
        std::abort();
    return 0;
}
