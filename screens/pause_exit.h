// The two small dialogs over a screen: the exit confirmation and the pause.
#pragma once

// The overlays: phase 1 set-up, 0 one frame, 2 tear-down.
void ExitSub(int phase);
void PauseSub(int phase);

// A window that loses the focus during a game pauses it (when nothing else is open).
void PauseOnFocusLoss();
