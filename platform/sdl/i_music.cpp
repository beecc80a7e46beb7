// Real music: MIDI songs through SDL2_mixer's FluidSynth support with Debian's General
// MIDI soundfont. The song's end is noticed on the audio thread, which only posts it.
#include <SDL_mixer.h>

#include <atomic>
#include <cstdio>
#include <unistd.h>

#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

// Debian's General MIDI soundfont (package timgm6mb-soundfont).
const char* const soundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

bool available;                    // songs can be played
Mix_Music* song;                   // the open song, or null
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

bool Open(const std::string& realPath, const char*)
{
    if (!available)
        return false;
    song = Mix_LoadMUS(realPath.c_str());
    paused = false;
    return song != nullptr;
}

bool Play()
{
    if (!song)
        return false;
    if (paused) {
        paused = false;
        Mix_ResumeMusic();
        return true;
    }
    return Mix_PlayMusic(song, 1) == 0;
}

void Stop()
{
    if (song && Mix_PlayingMusic() && !Mix_PausedMusic()) {
        Mix_PauseMusic();
        paused = true;
    }
}

void Close()
{
    if (!song)
        return;
    Halt();
    Mix_FreeMusic(song);
    song = nullptr;
    paused = false;
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
