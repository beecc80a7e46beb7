// Quantising true-colour art to a palette.
#include "tools/datagen/art/image.h"

Image Quantise(const Canvas& c, const Palette& pal, bool dither, const std::vector<float>* sharp)
{
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    Image img(c.w, c.h);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            if (c.AlphaAt(x, y) < 0.5f) continue;
            Rgb col = c.At(x, y);
            if (dither && !(sharp && (*sharp)[size_t(y) * c.w + x] > 0)) {
                float d = (bayer[y & 3][x & 3] - 7.5f) * 1.1f;
                col = col + Rgb{d, d, d};
            }
            img.px[size_t(y) * c.w + x] = pal.Nearest(col);
        }
    return img;
}
