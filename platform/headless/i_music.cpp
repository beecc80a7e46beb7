// Headless music: a song plays for its real length in virtual time and its end is
// posted like a sequencer's notice.
#include <algorithm>
#include <vector>

#include "platform/headless/event_log.h"
#include "platform/headless/headless.h"
#include "platform/midi_length.h"

namespace headless {

namespace {

struct Song {
    bool open = false;
    std::string path;         // as the game named it
    uint64_t lengthMs = 0;
    uint64_t posMs = 0;       // where it stands while stopped
    bool playing = false;
    uint64_t startedAt = 0;   // virtual ms when it started from posMs
};

Song song;    // the one open song

bool Open(const std::string& realPath, const char* gamePath)
{
    std::vector<uint8_t> bytes;
    uint64_t lengthMs = 0;
    if (!I_ReadFile(realPath, bytes, I_MAX_SONG_BYTES) ||
        !I_MidiLengthMs(bytes.data(), bytes.size(), lengthMs))
        return false;
    song = Song{true, gamePath, lengthMs};
    LogMusic("open", song.path);
    return true;
}

bool Play()
{
    if (!song.open)
        return false;
    if (!song.playing) {
        song.playing = true;
        song.startedAt = Now();
        LogMusic("play", song.path);
    }
    return true;
}

void Stop()
{
    if (!song.playing)
        return;
    song.posMs += Now() - song.startedAt;
    song.playing = false;
    LogMusic("stop", song.path);
}

void Close()
{
    if (!song.open)
        return;
    LogMusic("close", song.path);
    song = Song{};
}

} // namespace

void CheckSongEnd(uint64_t now)
{
    if (!song.playing || now - song.startedAt < song.lengthMs - std::min(song.posMs, song.lengthMs))
        return;
    song.playing = false;
    song.posMs = song.lengthMs;
    LogMusic("finish", song.path);
    I_PostMessage(I_MSG_MUSICDONE);
}

const I_MusicModule musicModule = {Open, Play, Stop, Close};

} // namespace headless
