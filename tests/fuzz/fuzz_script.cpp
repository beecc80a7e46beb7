// The headless input script parsed from text.
#include <string>
#include <vector>

#include "platform/headless/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<headless::ScriptEvent> events;
    std::string error;
    headless::ParseScript(std::string(reinterpret_cast<const char*>(data), size), "fuzz", events, error);
    return 0;
}
