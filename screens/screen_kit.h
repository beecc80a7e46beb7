// Pieces the menu and its overlays share: full-screen keep buffers, key tests and the
// way a failed device read ends the program.
#pragma once

#include <cstdint>

#include "gfx/buffer.h"
#include "gfx/palette.h"

// Sizes the buffer to the whole screen (its view the same, at (0, 0)) and gives it a
// surface of its own in system memory; 0 when the surface cannot be made.
int MakeScreenBuffer(Q2SL_drawBuffer& buffer);

// Keeps a copy of the back buffer's picture in a screen buffer of its own.
void KeepBackBuffer(Q2SL_drawBuffer& kept);

// The keep buffer as a background for the growing box: null when it got no surface.
inline Q2SL_drawBuffer* KeptScreen(Q2SL_drawBuffer& kept)
{
    return kept.surface ? &kept : nullptr;
}

// Puts the kept picture back on the display and into the back buffer at the vertical
// blank, then frees its surface.
void RestoreKeptScreen(Q2SL_drawBuffer& kept);

// Waits for the vertical blank and shows the back buffer.
void PresentBackBuffer();

// True while the key is held in a keyboard state.
inline bool KeyDown(const uint8_t keys[256], int code)
{
    return (keys[code] & 0x80) != 0;
}

// A device that cannot be read ends the program: its box, the re-install box, then the
// quit mode (which also closes the overlay that asked).
void DeviceReadFailed(const char* text);

// Fades the display between two palettes, each step paced only by the vertical blank.
void VsyncFade(const Q2SL_palette& from, const Q2SL_palette& to, int steps);

// Runs one phase of an overlay: 1 its set-up, 0 one frame, 2 its tear-down.
void RunOverlayPhase(int phase, void (*setUp)(), void (*frame)(), void (*tearDown)());

// Moves every sliding choice field of a screen's rows one step on and notes which rows are
// at rest (each row has a `field` and an `idle` flag).
template <typename Rows>
void StepSlidingFields(Rows& rows)
{
    for (auto& r : rows) {
        r.idle = !r.field.IsScrolling();
        if (!r.idle) {
            r.field.Erase();
            r.field.Draw();
        }
    }
}
