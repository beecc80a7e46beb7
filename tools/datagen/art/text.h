// Text for the art, rendered from the DejaVu fonts with FreeType: the game's bitmap fonts and
// the lettering of the pictures.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tools/datagen/art/canvas.h"

// The anti-aliased coverage of a rendered text, one line.
struct TextMask {
    int w = 0, h = 0;
    int ascent = 0;               // rows above the baseline
    std::vector<float> cover;     // w x h, 0..1
    float At(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? cover[size_t(y) * w + x] : 0; }
};

// One DejaVu face (for example "DejaVuSans-Bold.ttf").
class Typeface {
public:
    explicit Typeface(const std::string& fileName);
    ~Typeface();
    Typeface(const Typeface&) = delete;
    Typeface& operator=(const Typeface&) = delete;

    bool Ok() const { return face_ != nullptr; }
    // The text at the given pixel size; its height is ascent + descent of the face at that size.
    TextMask Render(const std::string& text, int pixelSize) const;
    // The horizontal advance of one character, in whole pixels.
    int Advance(char ch, int pixelSize) const;

private:
    void SetSize(int pixelSize) const;
    void* face_ = nullptr;
};

// The DejaVu face of that file name, loaded once; null (after a message) when it is missing.
const Typeface* Face(const std::string& fileName);

// How a lettering is painted: a vertical gradient fill, an outline of some pixels and a drop shadow.
struct TextStyle {
    Rgb top{255, 255, 255}, bottom{200, 200, 200};
    Rgb outline{0, 0, 0};
    int outlinePx = 0;
    int shadowPx = 0;             // offset of a dark shadow down and right
    Rgb shadow{0, 0, 0};
};

void PaintText(Canvas& c, const TextMask& m, int x, int y, const TextStyle& style);
// Renders and paints in one step; x is the left edge, or the centre when centred.
void DrawText(Canvas& c, const Typeface& face, int pixelSize, const std::string& text, int x, int y,
              const TextStyle& style, bool centred = false);

enum Hue : int;
// The game's lettering: a bright-to-deep ramp of one colour family, a dark rim and a shadow.
TextStyle Lettering(Hue hue, int outlinePx, int shadowPx);
