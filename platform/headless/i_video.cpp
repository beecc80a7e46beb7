// The headless display: every shown frame is hashed into the frame log, and the last one
// is kept for the screenshot.
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/display.h"
#include "platform/headless/headless.h"

namespace headless {

namespace {

FILE* frameLog;                      // the open frame log, or null
std::string screenshotFile;          // where the last frame goes at the end, or ""
std::vector<uint8_t> lastFrame;      // the last shown frame, 640 x 480, when it is kept
uint8_t lastPalette[256 * 3];        // and its palette

// FNV-1a over 64-bit little-endian words: the frame's rows, then its palette.
uint64_t HashFrame(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    uint64_t hash = 0xcbf29ce484222325ull;
    auto mix = [&hash](const uint8_t* p, size_t n) {
        for (size_t i = 0; i < n; i += 8) {
            uint64_t word;
            std::memcpy(&word, p + i, 8);
            hash = (hash ^ word) * 0x100000001b3ull;
        }
    };
    for (int y = 0; y < I_SCREEN_HEIGHT; y++)
        mix(pixels + y * pitch, I_SCREEN_WIDTH);
    mix(rgb, 256 * 3);
    return hash;
}

bool WritePng(const std::string& file)
{
    const std::vector<uint8_t> rgb = I_FrameRgb(lastFrame.data(), I_SCREEN_WIDTH, lastPalette);
    return I_WritePng(file, I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 3, rgb.data());
}

void Present(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    if (frameLog)
        std::fprintf(frameLog, "%llu %016llx\n", static_cast<unsigned long long>(Now()),
                     static_cast<unsigned long long>(HashFrame(pixels, pitch, rgb)));
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

bool OpenFrameLog(const std::string& file, std::string& error)
{
    frameLog = std::fopen(file.c_str(), "w");
    if (!frameLog)
        error = "cannot write the frame log " + file;
    return frameLog != nullptr;
}

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
    if (frameLog)
        std::fclose(frameLog);
    frameLog = nullptr;
    screenshotFile.clear();
    lastFrame.clear();
}

const I_VideoModule videoModule = {Present, ShowCursor};

} // namespace headless
