// Shareable buffers (views onto one surface), the display, and the library-wide drawing
// state.
#include <algorithm>
#include <cstring>

#include "app/shell.h"
#include "gfx/buffer.h"

Q2SL_screen screen;                    // the display
Q2SL_drawBuffer dBuffer;               // the back buffer
int32_t shadowMode = 0;                // how frames are drawn: normal or as shadows
int32_t shadowOffsetX = 0;             // where shadows land, right of the sprite
int32_t shadowOffsetY = 0;             // and below it
Q2SL_palette* shadowPalette = nullptr;  // tables of the translucent shadow; none: solid

void Q2SL_Error(const char* text)
{
    I_ShowCursor(true);
    I_MessageBox("WinQ2SL Error", text);
}

int DD_Fill_Surface(I_Surface* s, uint8_t colour)
{
    if (s)
        I_FillSurface(s, colour);
    return 1;
}

Q2SL_drawBuffer::Q2SL_drawBuffer()
{
    hasSharers = 1;
    sharers = ownSharers;
}

void Q2SL_drawBuffer::FreeRunLists()
{
    if (!OwnsMemory()) {
        usedRuns = nullptr;
        currentRuns = numURuns = nullptr;
        runRows = 0;
        return;
    }
    if (usedRuns) {
        for (uint16_t r = 0; r < runRows; ++r)
            my_delete(usedRuns[r], "usedRuns");
    }
    my_delete(usedRuns, "usedRuns");
    my_delete(currentRuns, "currentRuns");
    my_delete(numURuns, "numURuns");
    runRows = 0;
}

void Q2SL_drawBuffer::Delete()
{
    FreeRunLists();
    Q2SL_buffer::Delete();
    LeaveGroup();
}

void Q2SL_drawBuffer::LeaveGroup()
{
    if (OwnsMemory())
        return;
    // The owner must not hand its pixels to a buffer that is gone.
    Q2SL_buffer** end = sharers + *sharerCount;
    Q2SL_buffer** kept = std::remove(sharers, end, static_cast<Q2SL_buffer*>(this));
    *sharerCount = static_cast<uint16_t>(kept - sharers);
    sharers = ownSharers;
    sharerCount = &ownSharerCount;
}

void Q2SL_drawBuffer::CopyFrom(const Q2SL_drawBuffer& owner)
{
    usedRuns = owner.usedRuns;
    currentRuns = owner.currentRuns;
    numURuns = owner.numURuns;
    runRows = owner.runRows;
    pixels = owner.pixels;
    pitch = owner.pitch;
    sharers = owner.sharers;
    sharerCount = owner.sharerCount;
    viewX = owner.viewX;
    viewY = owner.viewY;
    viewWidth = owner.viewWidth;
    viewHeight = owner.viewHeight;
}

bool Q2SL_drawBuffer::JoinGroup(const Q2SL_drawBuffer* owner)
{
    if (!owner || owner == this || *owner->sharerCount >= kMaxSharers)
        return false;
    LeaveGroup();
    CopyFrom(*owner);
    sharers[(*sharerCount)++] = this;
    return true;
}

int Q2SL_drawBuffer::Attach(Q2SL_drawBuffer* owner)
{
    if (!JoinGroup(owner))
        return 0;
    width = owner->width;
    height = owner->height;
    surface = owner->surface;
    return 1;
}

void Q2SL_drawBuffer::Reattach(Q2SL_drawBuffer* owner)
{
    if (!owner || owner == this)
        return;
    CopyFrom(*owner);
    width = owner->width;
    height = owner->height;
    surface = owner->surface;
}

void Q2SL_drawBuffer::Reset()
{
    if (currentRuns)
        std::fill(currentRuns, currentRuns + runRows, uint16_t(0));
}

int Q2SL_drawBuffer::InitBuffer()
{
    if (!OwnsMemory())
        return 0;
    FreeRunLists();
    usedRuns = static_cast<Q2SL_usedRun**>(my_new(sizeof(Q2SL_usedRun*) * height, "usedRuns"));
    currentRuns = static_cast<uint16_t*>(my_new(sizeof(uint16_t) * height, "currentRuns"));
    numURuns = static_cast<uint16_t*>(my_new(sizeof(uint16_t) * height, "numURuns"));
    runRows = height;
    for (uint16_t r = 0; r < height; ++r) {
        numURuns[r] = static_cast<uint16_t>(width / 2 + 1);
        usedRuns[r] = static_cast<Q2SL_usedRun*>(my_new(sizeof(Q2SL_usedRun) * numURuns[r], "usedRuns"));
    }
    Reset();
    return 1;
}

void Q2SL_drawBuffer::Draw(Q2SL_buffer* dest)
{
    I_Surface* from = TargetSurface();
    I_Surface* to = dest ? dest->TargetSurface() : nullptr;
    if (!from || !to)
        return;
    const I_Rect area{0, 0, std::min(viewWidth, dest->viewWidth), std::min(viewHeight, dest->viewHeight)};
    I_Blt(to, dest->viewX, dest->viewY, from, area, false);
}

Q2SL_screen::Q2SL_screen()
{
    isScreen = 1;
}

int Q2SL_screen::InitDirectX()
{
    // The platform brings the display up before the game starts.
    return 1;
}

int Q2SL_screen::SetVideoMode(int w, int h, int bitsPerPixel)
{
    primary = nullptr;
    pixels = nullptr;
    if (!I_SetVideoMode(w, h, bitsPerPixel))
        return 0;
    primary = I_PrimarySurface();
    if (!primary) {
        Q2SL_Error("CreateSurface failed");
        return 0;
    }
    width = viewWidth = static_cast<uint16_t>(w);
    height = viewHeight = static_cast<uint16_t>(h);
    depth = static_cast<uint16_t>(bitsPerPixel);
    return 1;
}

int Q2SL_screen::AttachPalette(const Q2SL_palette& palette)
{
    return palette.Set();
}

int Q2SL_screen::AttachPalette(const Q2SL_floatPalette& palette)
{
    return palette.Set();
}

void Q2SL_screen::Vsync()
{
    I_WaitVBlank();
}

void Q2SL_screen::ReleaseDirectX()
{
    // The platform owns the display's surface: forget it.
    pixels = nullptr;
    primary = nullptr;
}

int Q2SL_screen::Lock()
{
    if (!primary)
        return 0;
    pixels = I_LockSurface(primary, &pitch);
    return pixels != nullptr;
}

int Q2SL_screen::Unlock()
{
    if (!primary)
        return 0;
    I_UnlockSurface(primary);
    pixels = nullptr;
    return 1;
}

int Q2SL_screen::Attach(Q2SL_drawBuffer* /*owner*/)
{
    return 0;
}

int Q2SL_screen::Attach(Q2SL_screen* owner)
{
    if (!JoinGroup(owner))
        return 0;
    primary = owner->primary;
    return 1;
}
