// Real music: MIDI songs through SDL2_mixer's FluidSynth support with Debian's General
// MIDI soundfont. The song's end is noticed on the audio thread, which only posts it.
// Loading a song loads the soundfont with it, a good part of a tenth of a second, so it
// happens on a thread of its own: the screen that asked for the song goes on drawing, and
// the song starts at the first message pump after it is ready.
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <future>
#include <unistd.h>
#include <vector>

#include "platform/files.h"
#include "platform/midi_length.h"
#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

// Debian's General MIDI soundfont (package timgm6mb-soundfont).
const char* const soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

bool available;                    // songs can be played
std::future<Mix_Music*> loading;   // the song being loaded, when one is
Mix_Music* song;                   // the loaded song, or null
bool wanted;                       // the song is to start as soon as it is loaded
bool paused;                       // the song was stopped part-way and resumes from there
std::atomic<bool> halting;         // the program itself ends the song: no notice for that

void SongFinished()
{
    // Runs on the audio thread.
    if (!halting)
        I_PostMessage(I_MSG_MUSICDONE);
}

void Halt()
{
    halting = true;
    Mix_HaltMusic();
    halting = false;
}

// A file that is no MIDI song fails at once, as it would on loading.
bool Open(const std::string& realPath, const char*)
{
    std::vector<uint8_t> bytes;
    uint64_t lengthMs = 0;
    if (!available || !I_ReadFile(realPath, bytes, I_MAX_SONG_BYTES) ||
        !I_MidiLengthMs(bytes.data(), bytes.size(), lengthMs))
        return false;
    loading = std::async(std::launch::async, [realPath] { return Mix_LoadMUS(realPath.c_str()); });
    wanted = paused = false;
    return true;
}

// Takes the loaded song, waiting for it when asked to.
void TakeLoaded(bool wait)
{
    if (!loading.valid() || (!wait && loading.wait_for(std::chrono::seconds(0)) != std::future_status::ready))
        return;
    song = loading.get();
}

void StartWhenLoaded()
{
    TakeLoaded(false);
    if (song && wanted) {
        wanted = false;
        Mix_PlayMusic(song, 1);
    }
}

bool Play()
{
    if (!song && !loading.valid())
        return false;
    if (paused) {
        paused = false;
        Mix_ResumeMusic();
        return true;
    }
    wanted = true;
    StartWhenLoaded();
    return true;
}

void Stop()
{
    wanted = false;
    if (song && Mix_PlayingMusic() && !Mix_PausedMusic()) {
        Mix_PauseMusic();
        paused = true;
    }
}

void Close()
{
    TakeLoaded(true);
    wanted = paused = false;
    if (!song)
        return;
    Halt();
    Mix_FreeMusic(song);
    song = nullptr;
}

} // namespace

void MusicInit()
{
    available = access(soundFont, R_OK) == 0 && (Mix_Init(MIX_INIT_MID) & MIX_INIT_MID) &&
                Mix_SetSoundFonts(soundFont);
    if (!available) {
        std::fprintf(stderr, "taltrix: no MIDI playback with %s: running without music\n", soundFont);
        return;
    }
    Mix_HookMusicFinished(SongFinished);
}

void ServiceMusic()
{
    if (loading.valid())
        StartWhenLoaded();
}

void MusicShutdown()
{
    Close();
    Mix_HookMusicFinished(nullptr);
    if (available)
        Mix_Quit();
    available = false;
}

const I_MusicModule musicModule = {Open, Play, Stop, Close};

} // namespace sdl
