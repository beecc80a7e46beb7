// The headless display: the last frame shown is kept for the screenshot.
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/display.h"
#include "platform/headless/headless.h"

namespace headless {

namespace {

std::string screenshotFile;          // where the last frame goes at the end, or ""
std::vector<uint8_t> lastFrame;      // the last shown frame, 640 x 480, when it is kept
uint8_t lastPalette[256 * 3];        // and its palette

bool WritePng(const std::string& file)
{
    const std::vector<uint8_t> rgb = I_FrameRgb(lastFrame.data(), I_SCREEN_WIDTH, lastPalette);
    return I_WritePng(file, I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 3, rgb.data());
}

void Present(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    if (screenshotFile.empty())
        return;
    lastFrame.resize(I_SCREEN_WIDTH * I_SCREEN_HEIGHT);
    for (int y = 0; y < I_SCREEN_HEIGHT; y++)
        std::memcpy(&lastFrame[y * I_SCREEN_WIDTH], pixels + y * pitch, I_SCREEN_WIDTH);
    std::memcpy(lastPalette, rgb, sizeof lastPalette);
}

void ShowCursor(bool)
{
}

} // namespace

void KeepFramesFor(const std::string& file)
{
    screenshotFile = file;
    lastFrame.clear();
}

void FinishVideo()
{
    if (!screenshotFile.empty()) {
        if (lastFrame.empty())
            std::fprintf(stderr, "taltrix: no frame was shown, so no screenshot was written\n");
        else if (!WritePng(screenshotFile))
            std::fprintf(stderr, "taltrix: cannot write the screenshot %s\n", screenshotFile.c_str());
    }
    screenshotFile.clear();
    lastFrame.clear();
}

const I_VideoModule videoModule = {Present, ShowCursor};

} // namespace headless
