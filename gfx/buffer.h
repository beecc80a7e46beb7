// Drawable 8-bit buffers over platform surfaces: plain pictures, shareable full-screen
// buffers with hidden-surface removal, and the display itself; the drawing state of the
// sprite library and the library's error box.
#pragma once

#include <cstdint>

#include "gfx/palette.h"
#include "gfx/runs.h"
#include "platform/platform.h"

// Most buffers that can share one buffer's memory (the owner's group).
constexpr uint16_t kMaxSharers = 10;

// Where and how much of a frame to draw. x, y: the frame's top-left in the destination's
// view. skipRows, skipColumns: rows at the top and columns at the left of the frame that
// are not drawn. rowLimit, columnLimit: view row and column (exclusive) where drawing
// stops; drawing is also always clipped to the destination's view.
struct drawPosition {
    int32_t x = 0;
    int32_t y = 0;
    uint16_t skipRows = 0;
    uint16_t skipColumns = 0;
    uint16_t rowLimit = 0;
    uint16_t columnLimit = 0;
};

class Q2SL_drawBuffer;

// A rectangle of 8-bit pixels backed by a surface, with its run-length and solid
// descriptions. Frames of sprites, glyphs and pictures are buffers.
class Q2SL_buffer {
public:
    Q2SL_buffer() = default;
    virtual ~Q2SL_buffer() = default;
    Q2SL_buffer(const Q2SL_buffer&) = delete;
    Q2SL_buffer& operator=(const Q2SL_buffer&) = delete;

    // Surface of the given size (width, height set); the display's format. Video memory
    // and system memory are one kind here; the flag is kept for the callers' intent.
    int CreateSurface(int bitsPerPixel, int preferVideoMemory);
    // Releases the surface unless it belongs to the buffer this one is attached to.
    void ReleaseSurface();
    // Frees the surface, the pixels, the runs and the solid map.
    virtual void Delete();

    // Locking gives `pixels` and `pitch` (shared with the group when the buffer has one).
    virtual int Lock();
    virtual int Unlock();
    // The surface blits onto this buffer go to.
    virtual I_Surface* TargetSurface() const { return surface; }

    // The compressed form without a surface: opaque where bit 0 of the mask byte is set.
    virtual int InitBuffer(const uint8_t* source, const uint8_t* mask);
    // Surface and runs from width x height pixels.
    virtual int InitBuffer(const uint8_t* source);
    // One run per maximal stretch of non-zero pixels of each row; the pixels are copied.
    int GetDrawRuns(const uint8_t* source, uint16_t w, uint16_t h);
    int GetDrawRuns(const uint8_t* source, const uint8_t* mask, uint16_t w, uint16_t h);
    // The solid map made from the opaque runs (pictures built in code).
    int SolidFromRuns();
    // Pads the width to a multiple of 8 and moves the raw pixels onto a new surface.
    int PromoteTo8x();
    // Width of the picture itself, without the padding columns.
    uint16_t PictureWidth() const { return rawWidth ? rawWidth : width; }

    // Drawing of this frame onto a destination. Hardware blits need the destination
    // unlocked; software drawing uses the locked pixels (or locks for the one draw).
    // With hidden-surface removal (destination's covered spans):
    virtual void Draw(Q2SL_drawBuffer* dest, const drawPosition& pos);
    virtual void DrawSingle(Q2SL_drawBuffer* dest, const drawPosition& pos);
    virtual void DrawTiled(Q2SL_drawBuffer* dest, const drawPosition& pos);
    // Without:
    virtual void DrawNoHSR(Q2SL_buffer* dest, const drawPosition& pos);
    virtual void DrawSingleNoHSR(Q2SL_buffer* dest, const drawPosition& pos);
    virtual void DrawTiledNoHSR(Q2SL_buffer* dest, const drawPosition& pos);
    // One-colour silhouettes:
    virtual void DrawSolid(Q2SL_drawBuffer* dest, const drawPosition& pos, uint8_t colour);
    virtual void DrawSingleSolid(Q2SL_drawBuffer* dest, const drawPosition& pos, uint8_t colour);
    virtual void DrawTiledSolid(Q2SL_drawBuffer* dest, const drawPosition& pos, uint8_t colour);
    virtual void DrawNoHSRSolid(Q2SL_buffer* dest, const drawPosition& pos, uint8_t colour);
    virtual void DrawSingleNoHSRSolid(Q2SL_buffer* dest, const drawPosition& pos, uint8_t colour);
    virtual void DrawTiledNoHSRSolid(Q2SL_buffer* dest, const drawPosition& pos, uint8_t colour);
    // Frames without transparent pixels and shadows (moved by the shadow offset):
    virtual void DrawNoTrans(Q2SL_buffer* dest, const drawPosition& pos);
    virtual void DrawShadow(Q2SL_buffer* dest, const drawPosition& pos);
    virtual void DrawNoTransShadow(Q2SL_buffer* dest, const drawPosition& pos);
    virtual void DrawShadowSolid(Q2SL_buffer* dest, const drawPosition& pos);
    virtual void DrawNoTransShadowSolid(Q2SL_buffer* dest, const drawPosition& pos);

    // A picture item of a sprite file (followed by PromoteTo8x on reading).
    int Read(int handle);
    int Write(int handle) const;

    char name[32] = {};
    int32_t isScreen = 0;
    I_Surface* surface = nullptr;
    int32_t pitch = 0;  // row pitch of `pixels`, filled by Lock
    uint16_t viewWidth = 0, viewHeight = 0;
    uint16_t viewX = 0, viewY = 0;
    uint16_t depth = 8;
    uint16_t width = 0, height = 0;
    uint16_t hotX = 0, hotY = 0;
    Q2SL_bitmap bitmap;
    Q2SL_solidMap solidMap;
    uint16_t tiled = 0;
    uint8_t* pixels = nullptr;     // first pixel while locked
    uint8_t* rawPixels = nullptr;  // pixels as read, until PromoteTo8x
    uint16_t rawWidth = 0;         // width of the picture as read (before padding)
    uint16_t hasSharers = 0;
    Q2SL_buffer** sharers = nullptr;         // the group sharing this buffer's memory
    char (*sharerNames)[16] = nullptr;       // names of the buffers to attach, as read
    uint16_t numSharerNames = 0;
    uint16_t* sharerCount = &ownSharerCount;  // the count of the group this buffer is in
    uint16_t ownSharerCount = 0;
    uint16_t opaque = 0;  // 1 when the picture has no transparent pixel

protected:
    // True while this buffer heads its own group (its memory is its own).
    bool OwnsMemory() const { return sharerCount == &ownSharerCount; }
    // Gives the members of this buffer's group its current surface.
    void ShareSurface();
};

// A buffer other buffers can share (views onto one surface), with per-row lists of
// covered spans for hidden-surface removal. The back buffer and full-screen pictures.
class Q2SL_drawBuffer : public Q2SL_buffer {
public:
    Q2SL_drawBuffer();
    void Delete() override;

    // Joins the owner's group (at most kMaxSharers); copies its memory and view.
    virtual int Attach(Q2SL_drawBuffer* owner);
    // Copies the owner's memory and view again (after the owner's surface changed).
    virtual void Reattach(Q2SL_drawBuffer* owner);
    // Empties every row's list of covered spans.
    virtual void Reset();
    // Allocates the covered-span lists (width / 2 + 1 spans a row), then Reset.
    using Q2SL_buffer::InitBuffer;
    virtual int InitBuffer();
    // Copies the common top-left area onto the destination's view.
    using Q2SL_buffer::Draw;
    virtual void Draw(Q2SL_buffer* dest);

    // Views of a sprite file: position, size and the names of the buffers to attach.
    int ReadView(int handle);
    int WriteView(int handle) const;

    Q2SL_usedRun** usedRuns = nullptr;  // per row: its covered spans, sorted
    uint16_t* currentRuns = nullptr;    // per row: spans in use
    uint16_t* numURuns = nullptr;       // per row: capacity
    uint16_t runRows = 0;               // rows the three arrays have

protected:
    // Takes the owner's memory, run lists, group and view.
    void CopyFrom(const Q2SL_drawBuffer& owner);
    // Leaves its group and joins the owner's, taking its memory; false when the owner's group is full.
    bool JoinGroup(const Q2SL_drawBuffer* owner);
    // Takes this buffer out of the group it joined; it heads its own again.
    void LeaveGroup();

private:
    void FreeRunLists();
    Q2SL_buffer* ownSharers[kMaxSharers] = {};
};

// The display: its pixels are the primary surface.
class Q2SL_screen : public Q2SL_drawBuffer {
public:
    Q2SL_screen();

    int InitDirectX();
    int SetVideoMode(int w, int h, int bitsPerPixel);
    int AttachPalette(const Q2SL_palette& palette);
    int AttachPalette(const Q2SL_floatPalette& palette);
    // Waits for the vertical blank.
    void Vsync();
    void ReleaseDirectX();

    int Lock() override;
    int Unlock() override;
    // Blits onto the screen, and its Draw onto a buffer, use the display's surface.
    I_Surface* TargetSurface() const override { return primary; }
    // A screen joins only another screen's group.
    int Attach(Q2SL_drawBuffer* owner) override;
    virtual int Attach(Q2SL_screen* owner);

    I_Surface* primary = nullptr;
};

// Fills a whole surface with one colour index; returns 1.
int DD_Fill_Surface(I_Surface* s, uint8_t colour);
// The library's own error box: shows the cursor, then the text.
void Q2SL_Error(const char* text);

extern Q2SL_screen screen;      // the display
extern Q2SL_drawBuffer dBuffer;  // the back buffer everything is drawn into

extern int32_t shadowMode;                // 0 normal, 1 solid shadow, 2 translucent shadow
extern int32_t shadowOffsetX;             // added to positions while shadows are drawn
extern int32_t shadowOffsetY;
extern Q2SL_palette* shadowPalette;       // whose tables the translucent shadow uses
