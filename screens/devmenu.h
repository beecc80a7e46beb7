// The hidden development menu: six switches of the game's developer options, opened from
// the main menu by a secret word.
#pragma once

// The overlay: phase 1 set-up, 0 one frame, 2 tear-down.
void DevMenuSub(int phase);
