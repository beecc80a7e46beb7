// Our small composer: a song is planned as a key, a mode, chord progressions per section, a form
// and a style for each part; the composer writes the lead melody, the chords, the bass line and
// the drums (channel 10) from that plan, the same notes every time.
#pragma once

#include <cstdint>
#include <vector>

enum class Mode { Major, Minor, Dorian, Mixolydian, Phrygian, Lydian, HarmonicMinor };
enum class Groove { Rock, Disco, Funk, HalfTime, March, Breakbeat, Tribal };
enum class BassLine { Eighths, RootFifth, Octaves, Syncopated, Walking };
enum class Comping { Pad, Stabs, Arpeggio, Strum };

// One section of the form: the scale degree (0 = tonic) of each bar's chord.
struct Section {
    std::vector<int> chords;
};

struct SongPlan {
    const char* title;
    int bpm;
    int tonic;  // MIDI key of the tonic in the lead's home octave
    Mode mode;
    bool sevenths;  // chords with their sevenths
    int lead, comp, bass, counter;  // General MIDI programs (0-based); counter -1: none
    Groove groove;
    BassLine bassLine;
    Comping comping;
    double busy;  // 0 (long notes) .. 1 (running notes): how many notes the melody plays
    std::vector<Section> sections;
    // Section letters in playing order; a lower-case letter plays the section without the melody
    // (an intro or an interlude). The counter-melody joins from a section's second playing on.
    const char* form;
    uint32_t seed;
};

std::vector<uint8_t> ComposeSong(const SongPlan& plan);

// How long the song plays, to the end of its last chord.
double SongSeconds(const SongPlan& plan);
