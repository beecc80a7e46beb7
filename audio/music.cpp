// The song player over the platform's sequencer.
#include "audio/music.h"

#include <cstring>

#include "app/settings.h"
#include "app/shell.h"
#include "platform/platform.h"

char currentSongPath[SONG_PATH_LENGTH];

static int songOpen = 0;  // 1 while a song is open

int MIDI_PlayFile(const char* path)
{
    if (musicSetting == 0)
        return 0;
    if (songOpen) {
        I_MusicClose();
        songOpen = 0;
    }
    // The restart passes the stored path itself.
    if (path != currentSongPath) {
        std::strncpy(currentSongPath, path, SONG_PATH_LENGTH - 1);
        currentSongPath[SONG_PATH_LENGTH - 1] = '\0';
    }
    if (!I_MusicOpen(currentSongPath))
        return MIDI_ERROR_OPEN;
    songOpen = 1;
    MIDI_Play();
    return 0;
}

void MIDI_Play()
{
    if (musicSetting == 0 || !songOpen)
        return;
    if (!I_MusicPlay()) {
        I_MusicClose();
        songOpen = 0;
        showMIDIError(MIDI_ERROR_PLAY);
        return;
    }
    songPassCount = 0;
}

void showMIDIError(int code)
{
    static const char* const texts[] = {
        nullptr,
        "The song cannot be opened.",
        "The song cannot be played.",
    };
    const bool known = code > 0 && code < static_cast<int>(sizeof texts / sizeof texts[0]);
    I_MessageBox("MCI Error", known ? texts[code] : "Unknown Error");
}

void MIDI_Stop()
{
    songPassCount = 0;
    I_MusicStop();
}

void MIDI_Close()
{
    if (!songOpen)
        return;
    I_MusicClose();
    songOpen = 0;
}

void MusicFinished()
{
    if (songPassCount == SONG_RESTART_PASSES)
        MIDI_PlayFile(currentSongPath);
}
