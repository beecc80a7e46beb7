// Run-length descriptions of a picture: the opaque stretches of each row that software
// drawing copies, and the solid stretches the pixel-exact overlap test compares.
// Columns are relative to the picture's left edge; end is exclusive.
#pragma once

#include <cstdint>

struct Q2SL_run {
    uint16_t start = 0;
    uint16_t end = 0;
};

// An opaque run and where its pixels are (inside the owning bitmap's pixel block).
struct Q2SL_drawRun : Q2SL_run {
    const uint8_t* pixels = nullptr;
};

// A span of a destination row already covered this frame (hidden-surface removal).
struct Q2SL_usedRun : Q2SL_run {};

// A stretch of pixels that count for collisions.
struct Q2SL_solidRun : Q2SL_run {};

struct Q2SL_bitmapRow {
    const uint8_t* pixels = nullptr;  // first pixel of the row
    uint16_t numRuns = 0;
    Q2SL_drawRun* runs = nullptr;
};

// The opaque runs of a picture, one row each. Colour index 0 is transparent.
struct Q2SL_bitmap {
    uint16_t depth = 8;
    uint32_t opaqueBytes = 0;        // number of non-transparent pixels
    uint8_t* pixelBlock = nullptr;   // the pixels the runs point into
    Q2SL_bitmapRow* rows = nullptr;  // height rows
    uint16_t height = 0;
    uint16_t width = 0;

    // Frees the rows, their runs and the pixel block.
    void Delete();
    // Reads the runs of a picture of width x height whose pixels are given (kept by the
    // caller); 0 when a run leaves the picture, runs overlap or the count disagrees.
    int Read(int handle, const uint8_t* picture);
    int Write(int handle) const;
};

struct Q2SL_solidRow {
    uint16_t numRuns = 0;
    Q2SL_solidRun* runs = nullptr;
};

// Which pixels of a picture are solid for the overlap tests.
struct Q2SL_solidMap {
    uint16_t tag = 0;  // kept as read and written back; the library gives it no meaning
    uint16_t numRows = 0;
    Q2SL_solidRow* rows = nullptr;

    void Delete();
    int Read(int handle, uint16_t width, uint16_t height);
    int Write(int handle) const;
};
