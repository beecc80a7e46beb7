// The screen state machine. Each dispatch runs exactly one thing: a pending overlay change,
// the current overlay's frame, or a pending mode change followed by the mode's frame, or
// just the mode's frame. Screens only request changes, so no screen ever tears itself down
// while one of its own frames is still running.
#include "app/state.h"

#include "app/screen_table.h"
#include "app/shell.h"

int programState = MODE_NONE;
int lastProgramState = MODE_NONE;
int programStateChanged = 0;
int subState = OVERLAY_NONE;
int lastSubState = OVERLAY_NONE;
int subStateChanged = 0;

void SetProgramState(int mode)
{
    // A second request before the dispatch would name a mode that was never set up as the
    // one to tear down: keep the mode that is really running as the one to tear down.
    if (!programStateChanged)
        lastProgramState = programState;
    programState = mode;
    programStateChanged = 1;
}

void SetSubState(int overlay)
{
    if (!subStateChanged)
        lastSubState = subState;
    subState = overlay;
    subStateChanged = 1;
}

static const ScreenEntry* OverlayEntry(int overlay)
{
    if (overlay < 0 || overlay >= OVERLAY_COUNT || overlay == OVERLAY_UNUSED)
        return nullptr;
    return &overlayScreens[overlay];
}

static void Run(void (*entry)())
{
    if (entry)
        entry();
}

static void ChangeOverlay()
{
    if (const ScreenEntry* old = OverlayEntry(lastSubState))
        Run(old->end);
    if (const ScreenEntry* now = OverlayEntry(subState))
        Run(now->start);
    subStateChanged = 0;
}

static void UnknownState()
{
    ErrorBox("Game is in Unknown State");
    ExitWindowsLoop();
}

void GameDispatch()
{
    if (subStateChanged) {
        ChangeOverlay();
        return;
    }
    if (subState != OVERLAY_NONE) {
        // A mode change waits while an overlay is current, so a quit requested from inside
        // an overlay (a failed device read) first closes the overlay, then ends the program.
        if (programStateChanged && programState == MODE_QUIT) {
            SetSubState(OVERLAY_NONE);
            ChangeOverlay();
            return;
        }
        if (const ScreenEntry* overlay = OverlayEntry(subState))
            Run(overlay->frame);
        return;
    }
    if (programStateChanged) {
        programStateChanged = 0;
        if (lastProgramState >= 0 && lastProgramState < MODE_COUNT)
            Run(modeScreens[lastProgramState].end);
        if (programState >= 0 && programState < MODE_COUNT)
            Run(modeScreens[programState].start);
        // A set-up that failed has requested its own way out: carry it out next pass.
        if (programStateChanged || programState == MODE_NONE)
            return;
    }
    if (programState < 0 || programState >= MODE_COUNT) {
        UnknownState();
        return;
    }
    Run(modeScreens[programState].frame);
}
