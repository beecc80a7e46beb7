// The three fonts of GFonts.qsl.
#pragma once

#include <vector>

#include "tools/datagen/art/art.h"

std::vector<FontArt> DrawFonts();
// False when a face could not be loaded and the fonts came out empty.
bool FontsComplete(const std::vector<FontArt>& fonts);
