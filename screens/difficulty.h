// The difficulty question before a new game: a small box grown out of the menu item that
// asked, with a sliding choice of five levels.
#pragma once

#include <cstdint>

extern int32_t askPlayer;         // whose difficulty is asked: 0 or 1
extern int32_t difficultyChosen;  // 1 when the player confirmed a level, 0 after Escape
extern const char* const difficultyNames[5];  // how difficulties 1 to 5 are called

// The overlay: phase 1 set-up, 0 one frame, 2 tear-down.
void DifficultySub(int phase);
