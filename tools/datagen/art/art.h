// The pictures of the sprite files before they are written: sprite types of animated frames,
// and fonts of glyphs. Each drawing source of the art makes some of them.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tools/datagen/art/image.h"

struct SpriteTypeArt {
    std::string name;                       // the name sprites find their type by
    int boxX = 0, boxY = 0, boxW = 0, boxH = 0;  // collision box, within the first frame
    std::vector<std::vector<Image>> anims;  // anims[a][f] is frame f of animation a

    // Appends an animation; the box defaults to the first frame's size.
    void Add(std::vector<Image> frames);
};

struct FontArt {
    std::string name;
    int lineHeight = 0;
    std::array<std::optional<Image>, 128> glyphs;  // by character code; the advance is the width
};

// Quantises a canvas to a game-palette frame with the given hot spot.
Image Frame(const Canvas& c, int hotX = 0, int hotY = 0);
// An animation of count frames, frame f painted by paint(canvas, f) on a fresh width x height
// canvas, each with the given hot spot.
std::vector<Image> Animation(int count, int width, int height, const std::function<void(Canvas&, int)>& paint,
                             int hotX = 0, int hotY = 0);
