// The sprite-type and frame helpers shared by every drawing source.
#include "tools/datagen/art/art.h"

void SpriteTypeArt::Add(std::vector<Image> frames)
{
    if (anims.empty() && !frames.empty() && boxW == 0 && boxH == 0) {
        boxW = frames[0].w;
        boxH = frames[0].h;
    }
    anims.push_back(std::move(frames));
}

Image Frame(const Canvas& c, int hotX, int hotY)
{
    Image img = Quantise(c, GamePalette());
    img.hotX = hotX;
    img.hotY = hotY;
    return img;
}
