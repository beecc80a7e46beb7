// The display's bookkeeping shared by both backends: when a frame is due, and how an
// 8-bit frame becomes 32-bit colour.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

// Converts a 640 x 480 8-bit picture through the palette into 0xAARRGGBB pixels (alpha
// 0xFF), outPitch counted in pixels, each pixel made a scale x scale square.
void I_ConvertFrame(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3], uint32_t* out,
                    int outPitch, int scale = 1);

// A 640 x 480 8-bit picture through the palette as rows of 8-bit red, green, blue.
std::vector<uint8_t> I_FrameRgb(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3]);
// The display as the player sees it, as I_FrameRgb gives it; false before the mode is set.
bool I_DisplayedFrame(std::vector<uint8_t>& rgb);

// Where the 640 x 480 picture goes in an output of the given size: scaled by the largest
// whole factor that fits, centred, 4:3 kept; an output smaller than the picture gets it
// shrunk to fit.
I_Rect I_FitDisplay(int outWidth, int outHeight);

// Notes that a surface's pixels changed: a change to the primary surface makes a frame due.
void I_NoteSurfaceChanged(const I_Surface* s);
// Makes a frame due (a window that needs repainting).
void I_MarkFrameDue();
// Shows the primary surface through the palette if a frame is due.
void I_PresentIfDue();
// Drops the primary surface (shut-down).
void I_ResetDisplay();

// The frame log (frame_log.cpp): opened once the backend's clock runs, a line for every
// frame shown, closed at shut-down.
bool I_OpenFrameLog(const std::string& file, std::string& error);
void I_LogFrame(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3]);
void I_CloseFrameLog();
