// Music: one standard MIDI song open at a time, played once with a notice at its end; the
// window procedure starts it again, so songs loop.
#pragma once

enum { SONG_PATH_LENGTH = 256, MIDI_ERROR_OPEN = 1, MIDI_ERROR_PLAY = 2 };

extern char currentSongPath[SONG_PATH_LENGTH];  // the song last asked for, to start it again

// Closes any open song, then opens and plays the one at path. Returns 0, or
// MIDI_ERROR_OPEN when the song cannot be opened (nothing is shown then).
int MIDI_PlayFile(const char* path);
// Plays the open song from where it stands; a failure closes it and shows why.
void MIDI_Play();
void showMIDIError(int code);
// Stops the song when a level is cleared; the next level's song replaces it.
void MIDI_Stop();
// Closes the open song, if any: the music was switched off.
void MIDI_Close();
// The song reached its end: start it again if it had played long enough. Notices that come
// sooner are those of a song just stopped or replaced.
void MusicFinished();
