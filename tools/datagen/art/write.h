// Writing the art through the graphics library's own writers.
#pragma once

#include <string>
#include <vector>

#include "tools/datagen/art/art.h"
#include "tools/datagen/art/palette.h"

// Each returns false after a message on stderr naming the file.
bool WriteSpriteFile(const std::string& path, const std::vector<SpriteTypeArt>& types,
                     const std::vector<FontArt>& fonts);
bool WritePcx(const std::string& path, const Image& img, const Palette& pal);
bool WriteBmp(const std::string& path, const Image& img, const Palette& pal);
