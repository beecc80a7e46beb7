// A one-line note the platform puts over the shown picture for a moment ("Screenshot
// saved"), drawn into the copy that is presented and never into the game's surfaces.
#pragma once

#include <cstdint>

// Shows the text at the bottom of the picture for two seconds from now.
void I_ShowNote(const char* text);
// Whether a note is up; reads the clock only while one is.
bool I_NoteShowing();
// Draws the note into a 640 x 480 8-bit picture, in the palette's darkest and brightest
// colours.
void I_DrawNote(uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3]);
// Takes the note down (shut-down).
void I_ClearNote();
