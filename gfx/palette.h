// The 256-colour palettes with 6-bit components (0..63), the palette fade between
// screens and the four constant whole-screen palettes.
#pragma once

#include <cstdint>

enum { Q2SL_PALETTE_SIZE = 256 };

class Q2SL_color {
public:
    virtual ~Q2SL_color() = default;
    // Reads one PCX palette entry: three 8-bit components, kept as 6-bit values.
    virtual int ReadPCX(int handle);
    int Read(int handle);
    int Write(int handle) const;

    char name[32] = {};
    uint8_t red = 0, green = 0, blue = 0;  // 0..63
    uint8_t index = 0;                     // position in its palette
};

class Q2SL_palette {
public:
    Q2SL_palette();
    virtual ~Q2SL_palette();
    Q2SL_palette(const Q2SL_palette&) = delete;
    Q2SL_palette& operator=(const Q2SL_palette&) = delete;

    // Reads the 256 entries of a PCX palette (8-bit components, kept divided by 4).
    virtual int ReadPCX(int handle);
    // Copies the colours of another palette (not its shadow tables).
    void CopyColors(const Q2SL_palette& from);
    // Shows this palette on the display.
    int Set() const;
    // Fills the shadow tables: each pair of pixels darkened (level < 64) or lightened.
    int CreateShadowPal(int level);
    int Read(int handle);
    int Write(int handle) const;

    char name[32] = {};
    Q2SL_color colors[Q2SL_PALETTE_SIZE];
    uint16_t count = Q2SL_PALETTE_SIZE;
    // 65536 entries, built by CreateShadowPal: entry (left pixel | right pixel << 8)
    // gives the shaded pair. Null until built.
    uint16_t* shadowPal = nullptr;
};

// A palette with fractional 6-bit components, for fades.
class Q2SL_floatPalette {
public:
    struct Entry {
        float red = 0, green = 0, blue = 0;
        uint8_t index = 0;
    };
    Q2SL_floatPalette();
    void CopyColors(const Q2SL_palette& from);
    // Shows this palette on the display, each component truncated toward zero.
    int Set() const;

    Entry entries[Q2SL_PALETTE_SIZE];
    uint16_t count = Q2SL_PALETTE_SIZE;
};

// Prepares a fade from one palette to another over the given number of steps.
void FadePalStart(const Q2SL_palette& from, const Q2SL_palette& to, int frames);
// One step of the running fade; 1 on the step that completes it, else 0.
int FadePal();

extern Q2SL_floatPalette fadeStepPal;     // what each fade step adds to every component
extern Q2SL_floatPalette fadeCurrentPal;  // the colours the fade shows now

// Fills the four constant palettes below.
void SetupPalettes();
extern Q2SL_palette whitePalette;   // every entry 63, 63, 63
extern Q2SL_palette blackPalette;   // every entry 0, 0, 0
extern Q2SL_palette bluePalette;    // every entry 0, 0, 63
extern Q2SL_palette yellowPalette;  // every entry 63, 63, 0
