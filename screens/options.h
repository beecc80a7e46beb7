// The options screen: each player's input device, shadows, stereo, sound volume and music,
// changed with the arrow keys and saved when the screen closes.
#pragma once

// The overlay: phase 1 set-up, 0 one frame, 2 tear-down.
void OptionsSub(int phase);
