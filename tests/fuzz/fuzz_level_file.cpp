// Level files: a level decoded from its bytes.
#include "gamemode/level_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LevelFile level;
    ParseLevelFile(data, size, level);
    return 0;
}
