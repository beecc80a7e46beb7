// 8-bit single-plane PCX pictures with their 256-colour palette: the game palette and the
// level backgrounds are read from them, and the data generator writes them.
#pragma once

#include <cstdint>

#include "gfx/palette.h"
#include "gfx/picture.h"

// The 128-byte header at the start of a PCX file, field for field.
struct Q2SL_pcxHeader {
    uint8_t manufacturer;   // 10
    uint8_t version;        // 5: with a 256-colour palette at the end
    uint8_t encoding;       // 1: run-length
    uint8_t bitsPerPixel;   // 8
    uint16_t xMin, yMin;    // taken as 0
    uint16_t xMax, yMax;    // the picture is (xMax + 1) x (yMax + 1)
    uint16_t hRes, vRes;
    uint8_t colorMap[48];   // the 16-colour map, unused by 8-bit pictures
    uint8_t reserved;
    uint8_t planes;         // 1
    uint16_t bytesPerLine;  // length of a row as encoded: even
    uint16_t paletteInfo;
    uint8_t filler[58];
};
static_assert(sizeof(Q2SL_pcxHeader) == 128, "a PCX header is 128 bytes");

class Q2SL_pcx {
public:
    Q2SL_pcx() = default;
    virtual ~Q2SL_pcx();
    Q2SL_pcx(const Q2SL_pcx&) = delete;
    Q2SL_pcx& operator=(const Q2SL_pcx&) = delete;

    // Reads the picture, its pixels and palette from a game path ("Backs\\Stars.pcx").
    // 1, or 0 when the file is missing, truncated, corrupt or larger than the limits.
    int Load(const char* gamePath);
    // The same from a real filesystem path (tools and tests).
    int LoadFile(const char* realPath);
    // Writes the picture to a real path; 1, or 0 when a write fails.
    int Save(const char* realPath);
    // Takes a copy of width x height pixels and the palette's colours, then writes them.
    int Save(const char* realPath, const uint8_t* pixels, const Q2SL_palette& colours, int w, int h);
    // Frees the pixels and the path; the object reads as empty.
    void Delete();

    // Reads the 128-byte header.
    virtual int ReadPCX(int handle);
    // Decodes the run-length pixels that fill the file up to its last 769 bytes.
    int ReadBuffer(int handle, int64_t fileSize);

private:
    void KeepPath(const char* from);
    int WritePicture(int handle) const;

public:

    int Width() const { return pcxHeader.xMax + 1; }
    int Height() const { return pcxHeader.yMax + 1; }

    Q2SL_pcxHeader pcxHeader = {};
    uint8_t* image = nullptr;  // Width() x Height() pixels, top row first
    Q2SL_palette palette;
    char* path = nullptr;      // copy of the path it was loaded from
};
