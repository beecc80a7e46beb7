// BMP pictures read from a file.
#include "fuzz/fuzz_input.h"
#include "gfx/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BitmapFile bitmap;
    Load_Bitmap_Path(&bitmap, FuzzInputPath(data, size).c_str());
    Unload_Bitmap_File(&bitmap);
    return 0;
}
