// Replay tapes parsed from text.
#include <string>

#include "platform/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    I_ReplayTape tape;
    std::string error;
    I_ParseReplay(std::string(reinterpret_cast<const char*>(data), size), "fuzz", tape, error);
    return 0;
}
