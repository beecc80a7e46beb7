// Stand-ins for screens not built yet: each fills the display with a colour of its own and,
// when Enter is pressed, requests the screen the game would show next, so the program can
// be walked end to end.
#pragma once

void PlaceholderStart(int mode);
void PlaceholderFrame(int mode);
