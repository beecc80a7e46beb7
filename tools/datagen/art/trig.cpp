// The trigonometry table: sine and cosine of every whole degree in 16.16 fixed point.
#include "tools/datagen/art/trig.h"

#include <cmath>
#include <cstdio>

#include "gfx/dosfile.h"

std::vector<int32_t> TrigTable()
{
    std::vector<int32_t> values;
    values.push_back(kTrigEntries);
    for (int pass = 0; pass < 2; pass++)
        for (int deg = 0; deg < kTrigEntries; deg++) {
            double rad = deg * 3.14159265358979323846 / 180;
            values.push_back(int32_t(std::lround((pass == 0 ? std::sin(rad) : std::cos(rad)) * 65536)));
        }
    return values;
}

bool WriteTrigTable(const std::string& path)
{
    int handle = Dos_OpenWrite(path);
    bool ok = handle >= 0;
    for (int32_t v : TrigTable())
        if (ok) ok = Q2SL_WriteI32(handle, v);
    if (handle >= 0) Dos_Close(handle);
    if (!ok) std::fprintf(stderr, "taltrix_datagen: %s: cannot write the trigonometry table\n", path.c_str());
    return ok;
}
