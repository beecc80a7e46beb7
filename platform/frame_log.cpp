// The frame log: one line for every frame shown, the milliseconds since the run began
// and a hash of the picture. Each line is written as its frame is shown, so a watcher
// sees the first frame arrive.
#include <cstdio>
#include <cstring>

#include "platform/backend.h"
#include "platform/display.h"

namespace {

FILE* frameLog;         // the open frame log, or null
uint32_t startTicks;    // the clock when the log was opened

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

} // namespace

bool I_OpenFrameLog(const std::string& file, std::string& error)
{
    frameLog = std::fopen(file.c_str(), "w");
    if (!frameLog) {
        error = "cannot write the frame log " + file;
        return false;
    }
    setvbuf(frameLog, nullptr, _IOLBF, 0);
    startTicks = backend->timer->GetTicks();
    return true;
}

void I_LogFrame(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    if (frameLog)
        std::fprintf(frameLog, "%lu %016llx\n", static_cast<unsigned long>(backend->timer->GetTicks() - startTicks),
                     static_cast<unsigned long long>(HashFrame(pixels, pitch, rgb)));
}

void I_CloseFrameLog()
{
    if (frameLog)
        std::fclose(frameLog);
    frameLog = nullptr;
}
