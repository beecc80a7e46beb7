// The GUI toolkit of the menus and dialogs: labels that flash and keep the background
// under them, choice fields that slide from one choice to the next between two arrows,
// bevelled boxes, the growing-box animation and plain line and rectangle fills. All
// coordinates are in the destination's view.
#pragma once

#include <cstdint>

#include "gfx/buffer.h"
#include "gfx/spritefile.h"

// Arguments a label passes to its text's escapes.
constexpr int kLabelArgs = 10;
// Largest label or field side whose background is kept; text beyond it is not restored.
constexpr int kMaxSaveUnder = 2048;

extern uint8_t boxEdgeColor;   // outer and inner edges of a bevelled box (set by the game)
extern uint8_t boxFaceColor;   // its face
extern uint8_t boxShadeColor;  // its shaded side
extern Q2SL_buffer* guiTarget;  // the buffer the dialogs centre themselves in and draw into

// A line of text (escapes allowed) that can flash and restore what lay under it.
class Q2SL_label {
public:
    Q2SL_label() = default;
    ~Q2SL_label() { Delete(); }
    Q2SL_label(const Q2SL_label&) = delete;
    Q2SL_label& operator=(const Q2SL_label&) = delete;

    void SetString(const char* newText);
    void SetFont(Q2SL_font* newFont);
    void SetBuffer(Q2SL_buffer* dest) { destination = dest; }
    Q2SL_buffer* GetBuffer() const { return destination; }
    const char* GetString() const { return text; }
    Q2SL_font* GetFont() const { return font; }

    // Saves the background, then prints the text with the first argCount args.
    void Draw();
    // Copy the destination under the label into `back` and back again, clipped to the view.
    void GetBack();
    void Erase();
    void SetFlash(int startShown, int hiddenFrames, int shownFrames);
    void NoFlash() { flashing = 0; }
    // One frame: drawn while shown, erased while hidden.
    void Flash();
    void Delete();
    // Recomputes width and height from the text and font and reallocates `back`.
    void Measure();

    char* text = nullptr;
    Q2SL_font* font = nullptr;
    int32_t flashing = 0;
    int32_t offFrames = 0;
    int32_t onFrames = 0;
    int32_t shown = 0;
    int32_t frameCount = 0;
    Q2SL_buffer* destination = nullptr;
    uint16_t argCount = 0;
    int32_t args[kLabelArgs] = {};
    int16_t x = 0, y = 0;
    uint16_t width = 0, height = 0;
    uint8_t* back = nullptr;
    Q2SL_label* rightChoice = nullptr;
    Q2SL_label* leftChoice = nullptr;

private:
    uint16_t backWidth = 0, backHeight = 0;  // the size `back` was allocated for
};

// A choice selector: one label of a chain (linked through leftChoice / rightChoice) shown
// between two arrows, sliding sideways to the next choice.
class Q2SL_field {
public:
    Q2SL_field() = default;
    ~Q2SL_field() { Delete(); }
    Q2SL_field(const Q2SL_field&) = delete;
    Q2SL_field& operator=(const Q2SL_field&) = delete;

    void SetString(Q2SL_label* label);
    Q2SL_label* GetString() const { return current; }
    // The x that centres the label in the field.
    int32_t FindOffset(const Q2SL_label* label) const;
    // Set the value here and in every choice of the chain.
    void SetBuffer(Q2SL_buffer* dest);
    void SetFont(Q2SL_font* newFont);
    void ArrowsOn(int gap);
    void ArrowsOff();
    int IsArrowOn() const { return arrowsOn; }
    // Sizes the field to its widest and tallest choice.
    void Refresh(int newMargin);

    void Draw();
    void DrawArrows();
    // Slides to label: direction -1 brings it in from the right, +1 from the left.
    void StartScroll(Q2SL_label* label, int direction, int steps);
    // One frame of the slide.
    void DrawScroll();
    int IsScrolling() const { return scrolling; }
    void GetBack();
    void Erase();
    void Delete();

    Q2SL_font* font = nullptr;
    Q2SL_buffer* destination = nullptr;
    int32_t scrolling = 0;
    int16_t scrollStep = 0;
    int32_t scrollPhase = 0;
    int32_t offset = 0;
    int32_t nextOffset = 0;
    int32_t previousOffset = 0;
    Q2SL_label* current = nullptr;
    Q2SL_label* incoming = nullptr;
    Q2SL_label* outgoing = nullptr;
    int32_t margin = 0;
    int32_t arrowsOn = 0;
    int32_t arrowSpace = 0;
    int32_t arrowGap = 0;
    char leftArrow[2] = {17, 0};
    char rightArrow[2] = {16, 0};
    int16_t savedCurrentX = 0, savedCurrentY = 0;
    int16_t savedIncomingX = 0, savedIncomingY = 0;
    int16_t x = 0, y = 0;
    uint16_t width = 0, height = 0;
    uint8_t* back = nullptr;

private:
    // Draws a choice at its place in the narrowed view; flash: through Flash, else Draw.
    void DrawChoice(Q2SL_label* label, int32_t choiceOffset, bool flash);
    // Sets the destination's view to a rectangle of the field, clipped to the view it had.
    void ViewField(int fx, int fy, int w, int h);

    uint16_t backWidth = 0, backHeight = 0;  // the size `back` was allocated for
    // While Draw runs: the destination's own view, and how far the clipped view's origin
    // lies from where the field wanted it.
    uint16_t savedView[4] = {};
    int viewShiftX = 0, viewShiftY = 0;
};

// Pixels x1..x2 of row y / y1..y2 of column x; the buffer must be locked.
void DrawHLine(Q2SL_buffer* buffer, int y, int x1, int x2, uint8_t colour);
void DrawVLine(Q2SL_buffer* buffer, int x, int y1, int y2, uint8_t colour);
// Rows y1..y2, columns x1..x2; locks the buffer for the fill.
void DrawFilledRect(Q2SL_buffer* buffer, int x1, int y1, int x2, int y2, uint8_t colour);
// A 7-pixel bevelled frame around the rectangle; the buffer must be locked.
void DrawBox(Q2SL_buffer* buffer, int x1, int y1, int x2, int y2, uint8_t edge, uint8_t face,
             uint8_t shade);
// Grows a black box in the box colours from one rectangle to another in `frames` steps of
// 17 ms, showing each step on the display; background (may be null) is copied under each.
void BoxGrow(Q2SL_drawBuffer* buffer, Q2SL_screen* display, Q2SL_drawBuffer* background, double frames,
             int32_t sx1, int32_t sy1, int32_t sx2, int32_t sy2, int32_t ex1, int32_t ey1, int32_t ex2,
             int32_t ey2);
