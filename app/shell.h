// The application shell: the flags the window procedure sets, the frame timer, labelled
// allocation, error boxes and the one way out of the program.
#pragma once

#include <cstddef>
#include <cstdint>

extern int focusLost;      // 1 once the window has lost the focus
extern int windowPainted;  // set by every paint message; each screen's set-up clears it
extern int screenStarted;  // 0 until a screen's first frame has seen windowPainted
extern int songPassCount;  // loop passes since the current song started, stops at 525
extern int charCapture;    // while 1, typed characters are kept in lastChar
extern int lastChar;       // the last character typed while charCapture was 1

enum { SONG_RESTART_PASSES = 525 };

// The one way to end the program: posts destroy and stops all dispatching.
void ExitWindowsLoop();

// Frame timer: a mark, a wait until ms have passed since it, the tick count.
uint32_t Start_Clock();
uint32_t Wait_Clock(uint32_t ms);
uint32_t Get_Clock();

// Allocation with a label that names it for diagnostics only.
void* my_new(size_t size, const char* label);
void my_delete_raw(void* block, const char* label);
// Frees the block a pointer variable holds and clears the variable; null is left alone.
template <typename T>
void my_delete(T*& block, const char* label)
{
    if (block) {
        my_delete_raw(static_cast<void*>(block), label);
        block = nullptr;
    }
}

// Shows the cursor, then a box with the text and the caption "Taltrix Error".
void ErrorBox(const char* text);
// The second box after most fatal errors: how to get help.
void ReinstallBox();
