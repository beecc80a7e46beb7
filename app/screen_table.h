// Every screen's three entry points, so the dispatcher reaches each screen through one table
// and a screen plugs in without touching the dispatcher.
#pragma once

struct ScreenEntry {
    void (*start)();  // set-up; null: nothing to set up
    void (*frame)();  // one frame; null: nothing runs
    void (*end)();    // tear-down; null: nothing to tear down
};

enum { MODE_COUNT = 4, OVERLAY_COUNT = 10 };

// Indexed by screen mode (0 intro, 1 menu, 2 game, 3 quit) and by overlay (0 to 9).
// Tests may swap entries to watch the order of set-ups, frames and tear-downs.
extern ScreenEntry modeScreens[MODE_COUNT];
extern ScreenEntry overlayScreens[OVERLAY_COUNT];
