// The trigonometry tables decoded from a file's bytes.
#include "gamemode/trig_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int32_t sine[TRIG_ENTRIES], cosine[TRIG_ENTRIES];
    ParseTrigTables(data, size, sine, cosine);
    return 0;
}
