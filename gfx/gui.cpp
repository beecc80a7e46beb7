// Labels, choice fields, boxes and the growing box.
#include "gfx/gui.h"

#include <algorithm>
#include <cstring>

#include "app/shell.h"
#include "gfx/text.h"

uint8_t boxEdgeColor;
uint8_t boxFaceColor;
uint8_t boxShadeColor;
Q2SL_buffer* guiTarget = &dBuffer;

namespace {

// Choices a chain may hold; a longer (or circular) chain is cut there.
constexpr int kMaxChoices = 64;
// Rings of a bevelled box, outwards from the rectangle.
constexpr int kBoxRings = 7;
// Milliseconds per step of the growing box.
constexpr uint32_t kBoxGrowPeriod = 17;
// Fraction bits of the growing box's coordinates.
constexpr int kFixedShift = 8;

// The part of a rectangle (view coordinates, right and bottom exclusive) that lies inside
// the buffer's view and on its surface.
struct Area {
    int left, top, right, bottom;
    bool Empty() const { return left >= right || top >= bottom; }
};

Area VisiblePart(const Q2SL_buffer& b, int x, int y, int w, int h)
{
    Area a{std::max(x, 0), std::max(y, 0), std::min(x + w, int(b.viewWidth)),
           std::min(y + h, int(b.viewHeight))};
    if (const I_Surface* s = b.TargetSurface()) {
        a.right = std::min(a.right, I_SurfaceWidth(s) - b.viewX);
        a.bottom = std::min(a.bottom, I_SurfaceHeight(s) - b.viewY);
    } else {
        a.right = a.left;
    }
    return a;
}

uint8_t* PixelAt(const Q2SL_buffer& b, int vx, int vy)
{
    return b.pixels + (b.viewY + vy) * b.pitch + b.viewX + vx;
}

// Locks a buffer for the scope unless it is locked already.
class ScopedLock {
public:
    explicit ScopedLock(Q2SL_buffer* b) : buffer(b), lockedHere(b && !b->pixels && b->Lock()) {}
    ~ScopedLock()
    {
        if (lockedHere)
            buffer->Unlock();
    }
    ScopedLock(const ScopedLock&) = delete;
    ScopedLock& operator=(const ScopedLock&) = delete;
    bool Ready() const { return buffer && buffer->pixels; }

private:
    Q2SL_buffer* buffer;
    bool lockedHere;
};

// Copies between the destination under a w x h rectangle at (x, y) and a w x h block:
// only the part inside the destination's view.
void CopyUnder(Q2SL_buffer* dest, int x, int y, int w, int h, uint8_t* block, bool restore)
{
    if (!dest || !block)
        return;
    const Area a = VisiblePart(*dest, x, y, w, h);
    if (a.Empty())
        return;
    ScopedLock lock(dest);
    if (!lock.Ready())
        return;
    const size_t length = size_t(a.right - a.left);
    for (int row = a.top; row < a.bottom; ++row) {
        uint8_t* under = PixelAt(*dest, a.left, row);
        uint8_t* saved = block + size_t(row - y) * w + (a.left - x);
        if (restore)
            std::memcpy(under, saved, length);
        else
            std::memcpy(saved, under, length);
    }
}

uint16_t Bounded(int32_t size)
{
    return static_cast<uint16_t>(std::clamp<int32_t>(size, 0, kMaxSaveUnder));
}

// A save-under block of w x h bytes in place of the old one.
uint8_t* NewBack(uint8_t*& back, uint16_t w, uint16_t h)
{
    my_delete(back, "back");
    back = static_cast<uint8_t*>(my_new(size_t(w) * h, "back"));
    return back;
}

// Calls fn for each label of the chain the label is in, left to right.
template <typename Fn>
void ForEachChoice(Q2SL_label* from, Fn fn)
{
    if (!from)
        return;
    Q2SL_label* first = from;
    for (int n = 1; first->leftChoice && first->leftChoice != from && n < kMaxChoices; ++n)
        first = first->leftChoice;
    Q2SL_label* label = first;
    for (int n = 0; label && n < kMaxChoices; ++n) {
        fn(*label);
        label = label->rightChoice;
        if (label == first)
            break;
    }
}

int GlyphWidth(const Q2SL_font* font, int c)
{
    return font && font->glyphs[c] ? font->glyphs[c]->width : 0;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Label

void Q2SL_label::Measure()
{
    if (!text || !font)
        return;
    width = Bounded(FindWidth(text, font));
    height = Bounded(FindHeight(text, font));
    backWidth = NewBack(back, width, height) ? width : 0;
    backHeight = back ? height : 0;
}

void Q2SL_label::SetString(const char* newText)
{
    my_delete(text, "label text");
    const size_t length = newText ? std::strlen(newText) : 0;
    text = static_cast<char*>(my_new(length + 1, "label text"));
    if (text && newText)
        std::memcpy(text, newText, length + 1);
    Measure();
}

void Q2SL_label::SetFont(Q2SL_font* newFont)
{
    font = newFont;
    Measure();
}

void Q2SL_label::Draw()
{
    GetBack();
    if (!text || !font || !destination)
        return;
    PrintValue values[kLabelArgs] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const int count = std::min<int>(argCount, kLabelArgs);
    for (int i = 0; i < count; ++i)
        values[i] = PrintValue(args[i]);
    PrintStrValues(font, destination, x, y, text, std::span(values, size_t(count)));
}

void Q2SL_label::GetBack()
{
    CopyUnder(destination, x, y, backWidth, backHeight, back, false);
}

void Q2SL_label::Erase()
{
    CopyUnder(destination, x, y, backWidth, backHeight, back, true);
}

void Q2SL_label::SetFlash(int startShown, int hiddenFrames, int shownFrames)
{
    frameCount = 0;
    flashing = 1;
    shown = startShown;
    offFrames = hiddenFrames;
    onFrames = shownFrames;
    GetBack();
}

void Q2SL_label::Flash()
{
    if (!flashing) {
        Draw();
        return;
    }
    ++frameCount;
    if (shown) {
        Draw();
        if (frameCount >= onFrames) {
            shown = 0;
            frameCount = 0;
        }
    } else {
        Erase();
        if (frameCount >= offFrames) {
            shown = 1;
            frameCount = 0;
        }
    }
}

void Q2SL_label::Delete()
{
    my_delete(back, "back");
    my_delete(text, "label text");
    backWidth = backHeight = 0;
}

// ---------------------------------------------------------------------------------------
// Field

int32_t Q2SL_field::FindOffset(const Q2SL_label* label) const
{
    return label ? width / 2 - label->width / 2 : 0;
}

void Q2SL_field::SetString(Q2SL_label* label)
{
    current = label;
    offset = FindOffset(label);
}

void Q2SL_field::SetBuffer(Q2SL_buffer* dest)
{
    destination = dest;
    ForEachChoice(current, [dest](Q2SL_label& l) { l.SetBuffer(dest); });
}

void Q2SL_field::SetFont(Q2SL_font* newFont)
{
    font = newFont;
    ForEachChoice(current, [newFont](Q2SL_label& l) { l.SetFont(newFont); });
}

void Q2SL_field::ArrowsOn(int gap)
{
    arrowsOn = 1;
    arrowGap = 2 * gap;
    arrowSpace = GlyphWidth(font, leftArrow[0]) + GlyphWidth(font, rightArrow[0]) + 2 * gap;
    Refresh(margin);
}

void Q2SL_field::ArrowsOff()
{
    arrowsOn = arrowSpace = arrowGap = 0;
    Refresh(margin);
}

void Q2SL_field::Refresh(int newMargin)
{
    margin = newMargin;
    int32_t widest = 0;
    int32_t tallest = 0;
    ForEachChoice(current, [&](Q2SL_label& l) {
        l.Measure();
        widest = std::max<int32_t>(widest, l.width);
        tallest = std::max<int32_t>(tallest, l.height);
    });
    width = Bounded(widest + 2 * margin + arrowSpace);
    height = Bounded(tallest);
    backWidth = NewBack(back, width, height) ? width : 0;
    backHeight = back ? height : 0;
    offset = FindOffset(current);
}

void Q2SL_field::ViewField(int fx, int fy, int w, int h)
{
    const int oldX = savedView[0], oldY = savedView[1];
    const int left = std::max(oldX + fx, oldX);
    const int top = std::max(oldY + fy, oldY);
    const int right = std::max(left, std::min(oldX + fx + w, oldX + int(savedView[2])));
    const int bottom = std::max(top, std::min(oldY + fy + h, oldY + int(savedView[3])));
    destination->viewX = uint16_t(left);
    destination->viewY = uint16_t(top);
    destination->viewWidth = uint16_t(right - left);
    destination->viewHeight = uint16_t(bottom - top);
    viewShiftX = oldX + fx - left;
    viewShiftY = oldY + fy - top;
}

void Q2SL_field::Draw()
{
    if (!destination || !current)
        return;
    GetBack();
    Q2SL_buffer& d = *destination;
    const uint16_t view[4] = {d.viewX, d.viewY, d.viewWidth, d.viewHeight};
    std::memcpy(savedView, view, sizeof view);

    // Choices are clipped to the space between the arrows.
    ViewField(x + arrowSpace / 2, y, width - arrowSpace, height);
    if (scrolling)
        DrawScroll();
    else
        DrawChoice(current, offset, true);

    ViewField(x, y, width, height);
    DrawArrows();

    d.viewX = view[0];
    d.viewY = view[1];
    d.viewWidth = view[2];
    d.viewHeight = view[3];
    viewShiftX = viewShiftY = 0;
}

void Q2SL_field::DrawArrows()
{
    if (!arrowsOn || !current || !font || !destination)
        return;
    const int32_t arrowY = height / 2 - current->height / 2 + viewShiftY;
    if (current->leftChoice)
        PrintStr(font, destination, viewShiftX, arrowY, leftArrow);
    if (current->rightChoice)
        PrintStr(font, destination, width - (arrowSpace / 2 - arrowGap / 2) + viewShiftX, arrowY,
                 rightArrow);
}

void Q2SL_field::DrawChoice(Q2SL_label* label, int32_t choiceOffset, bool flash)
{
    const int16_t oldX = label->x;
    const int16_t oldY = label->y;
    label->x = int16_t(oldX + choiceOffset - arrowSpace / 2 + viewShiftX);
    label->y = int16_t(oldY + viewShiftY);
    if (flash)
        label->Flash();
    else
        label->Draw();
    label->x = oldX;
    label->y = oldY;
}

void Q2SL_field::StartScroll(Q2SL_label* label, int direction, int steps)
{
    if (!label || !current)
        return;
    const int sign = direction < 0 ? -1 : 1;
    incoming = label;
    savedCurrentX = current->x;
    savedCurrentY = current->y;
    savedIncomingX = incoming->x;
    savedIncomingY = incoming->y;
    incoming->x = int16_t(sign < 0 ? width : -width);
    current->x = 0;
    offset = FindOffset(current);
    nextOffset = FindOffset(incoming);
    // At least a pixel a frame, so that every slide ends.
    const int step = width / std::max(steps, 1);
    scrollStep = int16_t(std::max(step, 1) * sign);
    scrollPhase = 1;
    scrolling = 1;
}

void Q2SL_field::DrawScroll()
{
    const bool leftwards = scrollStep < 0;
    switch (scrollPhase) {
    case 1: {
        current->x = int16_t(current->x + scrollStep);
        incoming->x = int16_t(incoming->x + scrollStep);
        DrawChoice(current, offset, true);
        DrawChoice(incoming, nextOffset, false);
        // Once the incoming choice is past the middle it becomes the current one.
        const int next = incoming->x + scrollStep;
        if (leftwards ? next <= width / 2 : next >= -(width / 2)) {
            scrollPhase = 2;
            outgoing = current;
            current = incoming;
            previousOffset = offset;
            offset = nextOffset;
        }
        break;
    }
    case 2:
        current->x = int16_t(current->x + scrollStep);
        outgoing->x = int16_t(outgoing->x + scrollStep);
        DrawChoice(current, offset, true);
        DrawChoice(outgoing, previousOffset, false);
        if (leftwards ? current->x <= savedIncomingX : current->x >= savedIncomingX) {
            current->x = savedIncomingX;
            current->y = savedIncomingY;
            outgoing->x = savedCurrentX;
            outgoing->y = savedCurrentY;
            scrollPhase = 3;
        }
        break;
    default:
        DrawChoice(current, offset, true);
        scrolling = 0;
        break;
    }
}

void Q2SL_field::GetBack()
{
    CopyUnder(destination, x, y, backWidth, backHeight, back, false);
}

void Q2SL_field::Erase()
{
    CopyUnder(destination, x, y, backWidth, backHeight, back, true);
}

void Q2SL_field::Delete()
{
    my_delete(back, "back");
    backWidth = backHeight = 0;
}

// ---------------------------------------------------------------------------------------
// Lines, rectangles and boxes

void DrawHLine(Q2SL_buffer* buffer, int y, int x1, int x2, uint8_t colour)
{
    if (!buffer || !buffer->pixels)
        return;
    const Area a = VisiblePart(*buffer, x1, y, x2 - x1 + 1, 1);
    if (!a.Empty())
        std::memset(PixelAt(*buffer, a.left, a.top), colour, size_t(a.right - a.left));
}

void DrawVLine(Q2SL_buffer* buffer, int x, int y1, int y2, uint8_t colour)
{
    if (!buffer || !buffer->pixels)
        return;
    const Area a = VisiblePart(*buffer, x, y1, 1, y2 - y1 + 1);
    for (int row = a.top; !a.Empty() && row < a.bottom; ++row)
        *PixelAt(*buffer, a.left, row) = colour;
}

void DrawFilledRect(Q2SL_buffer* buffer, int x1, int y1, int x2, int y2, uint8_t colour)
{
    if (!buffer)
        return;
    const Area a = VisiblePart(*buffer, x1, y1, x2 - x1 + 1, y2 - y1 + 1);
    if (a.Empty())
        return;
    ScopedLock lock(buffer);
    if (!lock.Ready())
        return;
    for (int row = a.top; row < a.bottom; ++row)
        std::memset(PixelAt(*buffer, a.left, row), colour, size_t(a.right - a.left));
}

void DrawBox(Q2SL_buffer* buffer, int x1, int y1, int x2, int y2, uint8_t edge, uint8_t face,
             uint8_t shade)
{
    // Lit from the top left: the outer rings are edge over shade, the inner ones shade
    // over edge, with the face between.
    for (int k = 1; k <= kBoxRings; ++k) {
        const uint8_t topLeft = k <= 2 ? shade : k <= 5 ? face : edge;
        const uint8_t bottomRight = k <= 2 ? edge : k <= 5 ? face : shade;
        DrawHLine(buffer, y1 - k, x1 - k, x2 + k, topLeft);
        DrawVLine(buffer, x1 - k, y1 - k, y2 + k, topLeft);
        DrawHLine(buffer, y2 + k, x1 - k, x2 + k, bottomRight);
        DrawVLine(buffer, x2 + k, y1 - k, y2 + k, bottomRight);
    }
}

namespace {

// One picture of the growing box: background, box, black inside, shown after the period.
void BoxGrowStep(Q2SL_drawBuffer* buffer, Q2SL_screen* display, Q2SL_drawBuffer* background,
                 const int32_t box[4])
{
    const int x1 = box[0] >> kFixedShift, y1 = box[1] >> kFixedShift;
    const int x2 = box[2] >> kFixedShift, y2 = box[3] >> kFixedShift;
    if (background)
        background->Draw(buffer);
    buffer->Lock();
    DrawBox(buffer, x1, y1, x2, y2, boxEdgeColor, boxFaceColor, boxShadeColor);
    buffer->Unlock();
    DrawFilledRect(buffer, x1, y1, x2, y2, 0);
    Wait_Clock(kBoxGrowPeriod);
    Start_Clock();
    display->Vsync();
    buffer->Draw(display);
}

}  // namespace

void BoxGrow(Q2SL_drawBuffer* buffer, Q2SL_screen* display, Q2SL_drawBuffer* background, double frames,
             int32_t sx1, int32_t sy1, int32_t sx2, int32_t sy2, int32_t ex1, int32_t ey1, int32_t ex2,
             int32_t ey2)
{
    if (!buffer || !display)
        return;
    const int32_t start[4] = {sx1, sy1, sx2, sy2};
    const int32_t end[4] = {ex1, ey1, ex2, ey2};
    int32_t box[4];
    int32_t step[4] = {};
    for (int i = 0; i < 4; ++i) {
        box[i] = start[i] << kFixedShift;
        if (frames > 0)
            step[i] = static_cast<int32_t>(double(end[i] - start[i]) * (1 << kFixedShift) / frames);
    }
    Start_Clock();
    for (int n = 0; n < frames; ++n) {
        BoxGrowStep(buffer, display, background, box);
        for (int i = 0; i < 4; ++i)
            box[i] += step[i];
    }
    for (int i = 0; i < 4; ++i)
        box[i] = end[i] << kFixedShift;
    BoxGrowStep(buffer, display, background, box);
}
