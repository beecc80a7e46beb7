// Sprite files: the whole file read into a Q2SL_file, then freed.
#include "fuzz/fuzz_input.h"
#include "gfx/dosfile.h"
#include "gfx/spritefile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Q2SL_file file;
    file.handle = Dos_OpenRead(FuzzInputPath(data, size));
    if (file.handle >= 0)
        file.Read();
    file.Close();
    file.Free();
    return 0;
}
