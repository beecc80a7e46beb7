// BMP pictures: the headers, a colour table for 8-bit pictures, then the pixels as the last
// biSizeImage bytes of the file, rows bottom-up, each exactly width x bytes per pixel long.
#include "gfx/bitmap.h"

#include <bit>
#include <cstdio>
#include <cstring>

#include "app/shell.h"
#include "gfx/dosfile.h"
#include "gfx/palette.h"
#include "platform/platform.h"

// The headers are read and written as they lie in memory.
static_assert(std::endian::native == std::endian::little, "little-endian headers");

namespace {

constexpr uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr int kColourTableBytes = 256 * 4;
constexpr int32_t kPixelsPerMeter = 2835;  // 72 dots per inch

bool ReadExactly(int handle, void* dest, uint32_t count)
{
    return Dos_Read(handle, dest, count) == static_cast<int32_t>(count);
}

bool WriteExactly(int handle, const void* source, uint32_t count)
{
    return Q2SL_WriteAll(handle, source, count) != 0;
}

// What the loader understands: an uncompressed picture of 8, 16 or 24 bits within the
// size limits whose pixels fit between the headers and the end of the file.
bool HeaderUsable(const BITMAPINFOHEADER& info, int64_t fileSize, int64_t headerBytes)
{
    if (info.biSize != sizeof(BITMAPINFOHEADER) || info.biCompression != 0)
        return false;
    if (info.biBitCount != 8 && info.biBitCount != 16 && info.biBitCount != 24)
        return false;
    if (info.biWidth < 1 || info.biWidth > kMaxPictureWidth || info.biHeight < 1 ||
        info.biHeight > kMaxPictureHeight)
        return false;
    const int64_t needed = int64_t(info.biWidth) * info.biHeight * (info.biBitCount / 8);
    return info.biSizeImage >= needed && info.biSizeImage <= fileSize - headerBytes;
}

// 24-bit blue, green, red to 16 bits: red in bits 10-14, green 5-9, blue 0-4.
void ConvertTo16(const uint8_t* bgr, uint8_t* out, int64_t pixels)
{
    for (int64_t i = 0; i < pixels; ++i, bgr += 3) {
        const uint16_t v = uint16_t((bgr[2] >> 3) << 10 | (bgr[1] >> 3) << 5 | bgr[0] >> 3);
        out[2 * i] = uint8_t(v);
        out[2 * i + 1] = uint8_t(v >> 8);
    }
}

int ReadPixels(BitmapFile* bitmap, int handle)
{
    BITMAPINFOHEADER& info = bitmap->infoHeader;
    const int64_t pixels = int64_t(info.biWidth) * info.biHeight;
    if (Dos_Seek(handle, -int64_t(info.biSizeImage), SEEK_END) < 0)
        return 0;
    my_delete(bitmap->buffer, "bitmap");
    if (info.biBitCount != 24) {
        bitmap->buffer = static_cast<uint8_t*>(my_new(info.biSizeImage, "bitmap"));
        return bitmap->buffer && ReadExactly(handle, bitmap->buffer, info.biSizeImage);
    }
    auto* bgr = static_cast<uint8_t*>(my_new(info.biSizeImage, "bitmap 24"));
    int ok = bgr && ReadExactly(handle, bgr, info.biSizeImage);
    if (ok) {
        bitmap->buffer = static_cast<uint8_t*>(my_new(size_t(pixels) * 2, "bitmap"));
        ok = bitmap->buffer != nullptr;
    }
    if (ok) {
        ConvertTo16(bgr, bitmap->buffer, pixels);
        info.biBitCount = 16;
    }
    my_delete(bgr, "bitmap 24");
    return ok;
}

int ReadBitmap(BitmapFile* bitmap, int handle)
{
    const int64_t fileSize = Dos_Size(handle);
    if (!ReadExactly(handle, &bitmap->fileHeader, sizeof bitmap->fileHeader) ||
        bitmap->fileHeader.bfType != kBitmapType)
        return 0;
    BITMAPINFOHEADER& info = bitmap->infoHeader;
    if (!ReadExactly(handle, &info, sizeof info))
        return 0;
    int64_t headerBytes = int64_t(sizeof(BITMAPFILEHEADER)) + sizeof(BITMAPINFOHEADER);
    if (info.biBitCount == 8) {
        uint8_t table[kColourTableBytes];
        if (!ReadExactly(handle, table, sizeof table))
            return 0;
        for (int i = 0; i < 256; ++i)
            bitmap->palette[i] = {table[4 * i + 2], table[4 * i + 1], table[4 * i], PC_NOCOLLAPSE};
        headerBytes += kColourTableBytes;
    }
    if (!HeaderUsable(info, fileSize, headerBytes) || !ReadPixels(bitmap, handle))
        return 0;
    return Flip_Bitmap(bitmap->buffer, info.biBitCount / 8 * info.biWidth, info.biHeight);
}

}  // namespace

int Load_Bitmap_File(BitmapFile* bitmap, const char* gamePath)
{
    return Load_Bitmap_Path(bitmap, I_DataPath(gamePath).c_str());
}

int Load_Bitmap_Path(BitmapFile* bitmap, const char* realPath)
{
    const int handle = Dos_OpenRead(realPath);
    if (handle < 0)
        return 0;
    const int ok = ReadBitmap(bitmap, handle);
    Dos_Close(handle);
    if (!ok)
        Unload_Bitmap_File(bitmap);
    return ok;
}

int Unload_Bitmap_File(BitmapFile* bitmap)
{
    my_delete(bitmap->buffer, "bitmap");
    return 1;
}

int Flip_Bitmap(uint8_t* image, int bytesPerLine, int height)
{
    const size_t bytes = size_t(bytesPerLine) * height;
    auto* copy = static_cast<uint8_t*>(my_new(bytes, "flip"));
    if (!copy)
        return 0;
    std::memcpy(copy, image, bytes);
    for (int row = 0; row < height; ++row)
        std::memcpy(image + size_t(row) * bytesPerLine, copy + size_t(height - 1 - row) * bytesPerLine,
                    size_t(bytesPerLine));
    my_delete(copy, "flip");
    return 1;
}

int Save_Bitmap_File(const char* realPath, const uint8_t* pixels, const Q2SL_palette& colours, int w,
                     int h)
{
    if (!pixels || w < 1 || w > kMaxPictureWidth || h < 1 || h > kMaxPictureHeight)
        return 0;
    const uint32_t imageBytes = uint32_t(w) * uint32_t(h);
    const uint32_t offBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + kColourTableBytes;
    BITMAPFILEHEADER file = {kBitmapType, offBits + imageBytes, 0, 0, offBits};
    BITMAPINFOHEADER info = {sizeof(BITMAPINFOHEADER), w, h, 1, 8, 0, imageBytes, kPixelsPerMeter,
                             kPixelsPerMeter, 256, 0};
    uint8_t table[kColourTableBytes];
    for (int i = 0; i < 256; ++i) {
        const Q2SL_color& c = colours.colors[i];
        const uint8_t entry[4] = {uint8_t(c.blue << 2), uint8_t(c.green << 2), uint8_t(c.red << 2), 0};
        std::memcpy(table + 4 * i, entry, 4);
    }
    const int handle = Dos_OpenWrite(realPath);
    if (handle < 0)
        return 0;
    bool ok = WriteExactly(handle, &file, sizeof file) && WriteExactly(handle, &info, sizeof info) &&
              WriteExactly(handle, table, sizeof table);
    for (int row = h - 1; ok && row >= 0; --row)
        ok = WriteExactly(handle, pixels + size_t(row) * w, uint32_t(w));
    Dos_Close(handle);
    return ok;
}
