// The screen state machine: one screen mode, optionally one overlay, changed only by
// requests that take effect at the next dispatch.
#pragma once

enum ScreenMode { MODE_NONE = -1, MODE_INTRO = 0, MODE_MENU = 1, MODE_GAME = 2, MODE_QUIT = 3 };

enum Overlay {
    OVERLAY_NONE = -1,
    OVERLAY_EXIT = 0,
    OVERLAY_DIFFICULTY = 1,
    OVERLAY_UNUSED = 2,
    OVERLAY_DEVMENU = 3,
    OVERLAY_OPTIONS = 4,
    OVERLAY_PAUSE = 5,
    OVERLAY_SCORE_ENTER = 6,
    OVERLAY_HISCORE = 7,
    OVERLAY_HELP = 8,
    OVERLAY_VICTORY = 9,
};

extern int programState;         // the current screen mode
extern int lastProgramState;     // the mode before the last request; the one torn down
extern int programStateChanged;  // 1 while a mode change waits for the next dispatch
extern int subState;             // the current overlay
extern int lastSubState;         // the overlay before the last request; the one torn down
extern int subStateChanged;      // 1 while an overlay change waits for the next dispatch

void SetProgramState(int mode);
void SetSubState(int overlay);
void GameDispatch();
