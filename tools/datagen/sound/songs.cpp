// The game's songs: one plan per song for our composer, written into midi/.
#include "tools/datagen/sound/songs.h"

#include <cstdio>

#include "tools/datagen/datagen.h"
#include "tools/datagen/sound/composer.h"
#include "tools/datagen/sound/sound_files.h"

namespace {

// General MIDI programs the plans use (numbered from 0).
enum {
    kElectricPiano = 4, kHarpsichord = 6, kClavinet = 7, kCelesta = 8, kGlockenspiel = 9, kVibraphone = 11,
    kTubularBells = 14, kOverdrivenGuitar = 29, kDistortionGuitar = 30, kAcousticBass = 32, kFingeredBass = 33,
    kPickedBass = 34, kFretlessBass = 35, kSlapBass = 36, kSynthBass1 = 38, kSynthBass2 = 39, kHarp = 46,
    kStrings = 48, kSynthStrings = 50, kTrumpet = 56, kTuba = 58, kFrenchHorn = 60, kBrassSection = 61,
    kTenorSax = 66, kFlute = 73, kOcarina = 79, kSquareLead = 80, kSawLead = 81, kCharang = 84, kBassAndLead = 87,
    kWarmPad = 89, kPolySynth = 90, kSweepPad = 95,
};

struct SongFile {
    const char* file;
    SongPlan plan;
};

// Every song of the game and its plan. Chord degrees: 0 is the tonic's chord, 4 the dominant's,
// and so on up the mode's scale.
const SongFile songFiles[] = {
    {menuSong,
        {"Bright Lights", 128, 69, Mode::Major, false, kSquareLead, kPolySynth, kSynthBass1, kGlockenspiel,
            Groove::Disco, BassLine::Octaves, Comping::Stabs, 0.6,
            {{{0, 4, 5, 3, 0, 4, 3, 4}}, {{5, 3, 0, 4, 5, 3, 1, 4}}}, "aABABAB", 0x5eed0001}},
    {scoresSong,
        {"Hall of Fame", 96, 69, Mode::Dorian, true, kVibraphone, kElectricPiano, kFingeredBass, -1, Groove::Funk,
            BassLine::Syncopated, Comping::Strum, 0.45,
            {{{0, 3, 0, 3, 0, 3, 4, 6}}, {{5, 4, 3, 0, 5, 4, 3, 3}}}, "aABABA", 0x5eed0002}},
    {levelSongs[0],
        {"Brick Rush", 140, 64, Mode::Minor, false, kDistortionGuitar, kOverdrivenGuitar, kPickedBass, -1,
            Groove::Rock, BassLine::Eighths, Comping::Strum, 0.55,
            {{{0, 5, 2, 6, 0, 5, 3, 4}}, {{3, 3, 0, 0, 5, 5, 4, 4}}}, "aAABABB", 0x5eed0003}},
    {levelSongs[1],
        {"Neon Grid", 132, 72, Mode::Major, false, kSawLead, kPolySynth, kSynthBass2, kGlockenspiel,
            Groove::Breakbeat, BassLine::Octaves, Comping::Arpeggio, 0.7,
            {{{0, 3, 5, 4, 0, 3, 1, 4}}, {{3, 4, 2, 5, 3, 4, 0, 0}}}, "aABABAB", 0x5eed0004}},
    {levelSongs[2],
        {"Deep Current", 84, 67, Mode::Minor, true, kFlute, kWarmPad, kFretlessBass, kElectricPiano,
            Groove::HalfTime, BassLine::RootFifth, Comping::Pad, 0.35,
            {{{0, 0, 5, 5, 3, 3, 4, 4}}, {{5, 6, 0, 3, 5, 6, 4, 4}}}, "aABAB", 0x5eed0005}},
    {levelSongs[3],
        {"Funk Factory", 108, 67, Mode::Mixolydian, true, kBrassSection, kClavinet, kSlapBass, kTenorSax,
            Groove::Funk, BassLine::Syncopated, Comping::Stabs, 0.6,
            {{{0, 6, 3, 0, 0, 6, 3, 4}}, {{3, 3, 0, 0, 3, 3, 6, 4}}}, "aABABAB", 0x5eed0006}},
    {levelSongs[4],
        {"Pursuit", 156, 69, Mode::HarmonicMinor, false, kBassAndLead, kSynthStrings, kSynthBass1, kHarpsichord,
            Groove::Breakbeat, BassLine::Eighths, Comping::Stabs, 0.8,
            {{{0, 0, 5, 4, 0, 3, 4, 4}}, {{3, 5, 1, 4, 3, 5, 4, 4}}}, "aAABABAB", 0x5eed0007}},
    {levelSongs[5],
        {"Cloud Garden", 100, 65, Mode::Lydian, false, kOcarina, kHarp, kAcousticBass, kCelesta, Groove::HalfTime,
            BassLine::Walking, Comping::Arpeggio, 0.4,
            {{{0, 1, 0, 1, 5, 1, 0, 4}}, {{3, 2, 5, 1, 3, 2, 4, 4}}}, "aABABA", 0x5eed0008}},
    {levelSongs[6],
        {"Heroes' March", 120, 70, Mode::Major, false, kTrumpet, kStrings, kTuba, kFrenchHorn, Groove::March,
            BassLine::RootFifth, Comping::Strum, 0.5,
            {{{0, 3, 4, 0, 5, 1, 4, 4}}, {{3, 0, 4, 5, 3, 0, 1, 4}}}, "aABABA", 0x5eed0009}},
    {levelSongs[7],
        {"Iron Depths", 116, 64, Mode::Phrygian, false, kCharang, kSweepPad, kSynthBass2, kTubularBells,
            Groove::Tribal, BassLine::Syncopated, Comping::Pad, 0.5,
            {{{0, 1, 0, 6, 0, 1, 5, 6}}, {{5, 6, 0, 0, 3, 1, 0, 1}}}, "aABABAB", 0x5eed000a}},
};

// Every song loops in the game; a song under a minute would repeat too soon, one over three
// minutes is more than a level lasts.
constexpr double kShortestSong = 60, kLongestSong = 180;

}  // namespace

bool GenerateSongs(const std::string& dir)
{
    for (const SongFile& song : songFiles) {
        const double seconds = SongSeconds(song.plan);
        if (seconds < kShortestSong || seconds > kLongestSong) {
            std::fprintf(stderr, "taltrix_datagen: song %s lasts %.0f s\n", song.file, seconds);
            return false;
        }
        if (!WriteBytes(dir + "/midi/" + song.file, ComposeSong(song.plan)))
            return false;
    }
    return true;
}
