// Windows BMP pictures: the splash, menu and help pictures are read into a plain record
// whose pixels the caller copies into its own buffer; the data generator writes them.
#pragma once

#include <cstdint>

#include "gfx/picture.h"

class Q2SL_palette;

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    uint16_t bfType;  // "BM"
    uint32_t bfSize;
    uint16_t bfReserved1;
    uint16_t bfReserved2;
    uint32_t bfOffBits;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14, "a BMP file header is 14 bytes");

struct BITMAPINFOHEADER {
    uint32_t biSize;  // 40
    int32_t biWidth;
    int32_t biHeight;  // positive: the rows are stored bottom-up
    uint16_t biPlanes;
    uint16_t biBitCount;  // 8, 16 or 24 (24 becomes 16 when loaded)
    uint32_t biCompression;
    uint32_t biSizeImage;  // the pixels are the last biSizeImage bytes of the file
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};
static_assert(sizeof(BITMAPINFOHEADER) == 40, "a BMP info header is 40 bytes");

// One colour of a picture's table, 8-bit components.
struct PALETTEENTRY {
    uint8_t peRed;
    uint8_t peGreen;
    uint8_t peBlue;
    uint8_t peFlags;
};

enum { PC_NOCOLLAPSE = 0x04 };

struct BitmapFile {
    BITMAPFILEHEADER fileHeader = {};
    BITMAPINFOHEADER infoHeader = {};
    PALETTEENTRY palette[256] = {};
    uint8_t* buffer = nullptr;  // the pixels, top row first; null when not loaded
};

// Reads a picture from a game path ("MainMenu.bmp"): 8, 16 or 24 bits per pixel, 24-bit
// pixels converted to 5-5-5 16-bit ones. 1, or 0 for a missing, truncated or corrupt file.
int Load_Bitmap_File(BitmapFile* bitmap, const char* gamePath);
// The same from a real filesystem path (tools and tests).
int Load_Bitmap_Path(BitmapFile* bitmap, const char* realPath);
// Frees the pixels; returns 1.
int Unload_Bitmap_File(BitmapFile* bitmap);
// Reverses the order of the lines so that the first line in memory is the top row.
// 0 only when the scratch copy cannot be allocated.
int Flip_Bitmap(uint8_t* image, int bytesPerLine, int height);
// Writes an 8-bit picture to a real path: the palette's colours as its table, the rows
// bottom-up, exactly width bytes each. 1, or 0 when the size is out of range or a write fails.
int Save_Bitmap_File(const char* realPath, const uint8_t* pixels, const Q2SL_palette& colours, int w,
                     int h);
