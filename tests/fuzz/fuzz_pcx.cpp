// PCX pictures read from a file.
#include "fuzz/fuzz_input.h"
#include "gfx/pcx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Q2SL_pcx picture;
    picture.LoadFile(FuzzInputPath(data, size).c_str());
    picture.Delete();
    return 0;
}
