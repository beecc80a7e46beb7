// Sprite files (.qsl): sections of colours, palettes, pictures, views, sprite types,
// sprites and fonts, read into a Q2SL_file and written from one.
#pragma once

#include <cstdint>

#include "gfx/buffer.h"
#include "gfx/dosfile.h"

class Q2SL_sprite;

// Limits of what a sprite file may hold; anything beyond is a corrupt file.
constexpr uint16_t kMaxFrameWidth = 1024;
constexpr uint16_t kMaxFrameHeight = 1024;
constexpr uint32_t kMaxItems = 16384;       // items in one section
constexpr uint16_t kMaxSectionCounts = 64;  // section counts in the header
constexpr uint16_t kMaxAnims = 256;         // animations of a sprite type
constexpr uint16_t kMaxFrames = 256;        // frames of one animation
constexpr int kFontChars = 128;

enum {
    Q2SL_SECTION_COLORS,
    Q2SL_SECTION_PALETTES,
    Q2SL_SECTION_BUFFERS,
    Q2SL_SECTION_DRAWBUFFERS,
    Q2SL_SECTION_SCREENS,
    Q2SL_SECTION_SPRITETYPES,
    Q2SL_SECTION_SPRITES,
    Q2SL_SECTION_FONTS,
    Q2SL_NUM_SECTIONS,
};

// One animated image set: frames[a][f] is frame f of animation a.
class Q2SL_spriteType {
public:
    // Sets the number of animations (their frame lists empty); frees earlier frames.
    int SetAnimCount(uint16_t anims);
    // Appends a frame (taking it over) to animation a.
    int AddFrame(uint16_t a, Q2SL_buffer* frame);
    // The frame, or null when a or f is out of range.
    Q2SL_buffer* Frame(int a, int f) const;
    // The solid rows of the collision box, laid over the first frame.
    int SetupBound();
    void Delete();
    int Read(int handle);  // followed by SetupBound
    int Write(int handle) const;

    char name[32] = {};
    Q2SL_buffer*** frames = nullptr;
    uint16_t* numFrames = nullptr;
    uint16_t numAnims = 0;
    uint16_t boxWidth = 0, boxHeight = 0, boxX = 0, boxY = 0;
    uint16_t boundWidth = 0, boundHeight = 0;
    Q2SL_solidRow* boundRows = nullptr;
    uint16_t numBoundRows = 0;
};

// A font: characters 0..127.
class Q2SL_font {
public:
    // Moves the baseline between characters: new y from (x, y, next character, count).
    using CharHook = uint16_t (*)(int32_t x, int32_t y, int next, int count);

    // Sets the glyph of a character (taking it over); its advance is its width.
    int SetGlyph(int c, Q2SL_buffer* glyph);
    void Delete();
    int Read(int handle);
    int Write(int handle) const;

    char name[32] = {};
    Q2SL_buffer* glyphs[kFontChars] = {};
    uint16_t lineHeight = 0;
    uint16_t widths[kFontChars] = {};  // advance: the glyph's width before padding
    CharHook charHook = nullptr;
};

// One section of a file: its objects in file order.
template <typename T>
struct Q2SL_section {
    T** items = nullptr;
    uint32_t count = 0;
};

// An open sprite file and the objects read from it (they live until the next Read).
class Q2SL_file {
public:
    Q2SL_file();
    Q2SL_file(const Q2SL_file&) = delete;
    Q2SL_file& operator=(const Q2SL_file&) = delete;

    // A game path ("ZQGame.qsl"), or fileName when null.
    int OpenRead(const char* gamePath = nullptr);
    // A real filesystem path; the file is created or truncated.
    int OpenWrite(const char* path);
    // Reads the whole file from `handle`; 1, or 0 on any fault.
    int Read();
    // Writes every object to `handle`; 1, or 0 when a write fails.
    int Write();
    // Closes the handle and releases its reader slot.
    void Close();
    // Frees every object and the sections.
    void Free();

    // Appending objects built in code (taken over; written in section order).
    int Add(Q2SL_color* c);
    int Add(Q2SL_palette* p);
    int Add(Q2SL_buffer* b);
    int Add(Q2SL_drawBuffer* b);
    int Add(Q2SL_screen* s);
    int Add(Q2SL_spriteType* t);
    int Add(Q2SL_sprite* s);
    int Add(Q2SL_font* f);

    // The first object of that name in file order, or null.
    Q2SL_color* SearchColor(const char* n) const;
    Q2SL_palette* SearchPalette(const char* n) const;
    Q2SL_buffer* SearchBuffer(const char* n) const;
    Q2SL_drawBuffer* SearchDrawBuffer(const char* n) const;
    Q2SL_screen* SearchScreen(const char* n) const;
    Q2SL_spriteType* SearchSpriteType(const char* n) const;
    Q2SL_sprite* SearchSprite(const char* n) const;

    char fileName[256] = {};
    int handle = -1;
    uint8_t header[34] = {};
    Q2SL_section<Q2SL_color> colors;
    Q2SL_section<Q2SL_palette> palettes;
    Q2SL_section<Q2SL_buffer> buffers;
    Q2SL_section<Q2SL_drawBuffer> drawBuffers;
    Q2SL_section<Q2SL_screen> screens;
    Q2SL_section<Q2SL_spriteType> spriteTypes;
    Q2SL_section<Q2SL_sprite> sprites;
    Q2SL_section<Q2SL_font> fonts;

private:
    int ReadSections(const uint32_t* counts);
    int WriteSections();
};

// A picture built in code: surface, opaque runs and solid map from its pixels.
Q2SL_buffer* Q2SL_NewFrame(uint16_t w, uint16_t h, const uint8_t* pixels, uint16_t hotX = 0,
                           uint16_t hotY = 0);
