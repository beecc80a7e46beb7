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

std::vector<Image> Animation(int count, int width, int height, const std::function<void(Canvas&, int)>& paint,
                             int hotX, int hotY)
{
    std::vector<Image> frames;
    for (int f = 0; f < count; f++) {
        Canvas c(width, height);
        paint(c, f);
        frames.push_back(Frame(c, hotX, hotY));
    }
    return frames;
}
