// Writing pictures as PNG files: screenshots, icons and contact sheets.
#include <png.h>

#include <cstdio>

#include "platform/platform.h"

bool I_WritePng(const std::string& path, int width, int height, int channels, const uint8_t* pixels)
{
    if (width <= 0 || height <= 0 || (channels != 3 && channels != 4))
        return false;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = info != nullptr;
    if (ok && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, out);
        png_set_IHDR(png, info, width, height, 8, channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; y++)
            png_write_row(png, pixels + static_cast<size_t>(y) * width * channels);
        png_write_end(png, nullptr);
    } else {
        ok = false;
    }
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0 && ok;
}
