// A sprite: a position, a sprite type and the current animation and frame in it.
#pragma once

#include <cstdint>

#include "gfx/buffer.h"
#include "gfx/spritefile.h"

enum {
    Q2SL_DRAW_NORMAL = 256,  // drawMode: the frame as it is
    Q2SL_DRAW_NOTHING = 257, // drawMode: nothing; 0..255 draw the shape in that colour
};

class Q2SL_sprite {
public:
    // Takes a type: its name and animation count.
    void SetType(Q2SL_spriteType* t);
    // Animation a (when the type has it), from its frame 0.
    void SetAnim(int a);
    // Frame f of the current animation, when it has one.
    void SetFrame(int f);
    // Moves frameStep frames on; 0 when the animation wrapped round, else 1.
    int32_t StepFrame();
    // The frame shown now, or null.
    Q2SL_buffer* CurrentFrame() const;

    // Draws the current frame at (x - dx, y - dy), at most widthLimit columns (-1: all).
    void DrawNoHSR(Q2SL_buffer* dest, int32_t dx = 0, int32_t dy = 0, int32_t widthLimit = -1);
    // The same, skipping what was already covered this frame (front-to-back drawing).
    void Draw(Q2SL_drawBuffer* dest, int32_t dx = 0, int32_t dy = 0, int32_t widthLimit = -1);

    int Read(int handle);
    int Write(int handle) const;

    char name[32] = {};
    int32_t drawMode = Q2SL_DRAW_NORMAL;
    uint16_t anim = 0;
    int32_t prevX = 0, prevY = 0;
    int32_t x = 0, y = 0;
    Q2SL_spriteType* type = nullptr;
    char typeName[16] = {};
    uint16_t numFrames = 0;
    uint16_t numAnims = 0;
    int32_t state = 0;  // the game's own
    uint16_t width = 0, height = 0;
    int32_t lastX = 0, lastY = 0;  // the game's own
    uint16_t frame = 0;
    int16_t frameStep = 1;

private:
    // The current frame and its request, or null when nothing of it is to be drawn.
    Q2SL_buffer* Placed(const Q2SL_buffer* dest, int32_t dx, int32_t dy, int32_t widthLimit, drawPosition& pos) const;
    // The request for frame f, or false when nothing of it shows.
    bool Placement(const Q2SL_buffer& f, const Q2SL_buffer& dest, int32_t dx, int32_t dy,
                   int32_t widthLimit, drawPosition& pos) const;
};
