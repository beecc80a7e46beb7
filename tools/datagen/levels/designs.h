// The thirty levels as pictures of their fields, one character per cell.
#pragma once

#include <array>

enum { DESIGN_LEVELS = 30, DESIGN_MAX_ROWS = 17 };

struct LevelDesign {
    const char* name;                           // for the generator's own messages
    std::array<const char*, DESIGN_MAX_ROWS> rows;  // 12 characters each; missing rows are empty
};

// Levels 1 to 30 in play order.
extern const LevelDesign levelDesigns[DESIGN_LEVELS];

// The block kind a design character stands for, or -1 for a character no level may use.
int DesignCharKind(char c);
