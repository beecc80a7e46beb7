#include "tools/datagen/sound/composer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

#include "tools/datagen/sound/midi_file.h"

namespace {

constexpr int kTicksPerBeat = 96;  // the songs' time resolution
constexpr int kStep = kTicksPerBeat / 4;  // a sixteenth note
constexpr int kBar = 16 * kStep;          // every song is in 4/4

// The channel of each part; General MIDI keeps channel 10 for the drums.
enum { kLeadChannel = 0, kCompChannel = 1, kBassChannel = 2, kCounterChannel = 3, kDrumChannel = 9 };

// General MIDI drum keys.
enum { kKick = 36, kSnare = 38, kClap = 39, kClosedHat = 42, kLowTom = 45, kOpenHat = 46, kMidTom = 48, kCrash = 49,
    kHighTom = 50, kRide = 51, kTambourine = 54 };

// Every choice the composer makes comes from this, seeded by the plan: the same song every build.
struct Dice {
    uint32_t state;
    int Below(int n)
    {
        state = state * 1103515245u + 12345u;
        return int((state >> 16) & 0x7FFF) % n;
    }
    int Around(int value, int spread) { return value - spread + Below(2 * spread + 1); }
};

int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int Mod(int a, int b) { return a - b * FloorDiv(a, b); }

const std::array<int, 7>& ScaleOf(Mode mode)
{
    static const std::array<int, 7> scales[] = {
        {0, 2, 4, 5, 7, 9, 11},  // major
        {0, 2, 3, 5, 7, 8, 10},  // minor
        {0, 2, 3, 5, 7, 9, 10},  // dorian
        {0, 2, 4, 5, 7, 9, 10},  // mixolydian
        {0, 1, 3, 5, 7, 8, 10},  // phrygian
        {0, 2, 4, 6, 7, 9, 11},  // lydian
        {0, 2, 3, 5, 7, 8, 11},  // harmonic minor
    };
    return scales[int(mode)];
}

// The key of a scale degree counted from the tonic (degree 7 is the tonic an octave up).
int Pitch(const SongPlan& plan, int degree)
{
    return plan.tonic + 12 * FloorDiv(degree, 7) + ScaleOf(plan.mode)[Mod(degree, 7)];
}

// The same pitch class moved into the octave that starts at `low`.
int IntoOctave(int key, int low) { return low + Mod(key - low, 12); }

bool IsChordTone(const SongPlan& plan, int degree, int root)
{
    const int above = Mod(degree - root, 7);
    return above == 0 || above == 2 || above == 4 || (plan.sevenths && above == 6);
}

int NearestChordTone(const SongPlan& plan, int degree, int root)
{
    for (int distance = 0;; ++distance) {
        if (IsChordTone(plan, degree - distance, root))
            return degree - distance;
        if (IsChordTone(plan, degree + distance, root))
            return degree + distance;
    }
}

int NearestRoot(int degree, int root)
{
    const int below = degree - Mod(degree - root, 7);
    return degree - below <= 3 ? below : below + 7;
}

// ---- Melody ----

struct Hit {
    int step, length;  // in sixteenths within a bar
};

// Rhythms of one bar of melody, from the calmest to the busiest.
const std::vector<std::vector<Hit>> melodyRhythms = {
    {{0, 12}, {12, 4}},
    {{0, 8}, {8, 8}},
    {{0, 6}, {6, 2}, {8, 8}},
    {{0, 4}, {4, 4}, {8, 6}, {14, 2}},
    {{2, 2}, {4, 4}, {8, 2}, {10, 6}},
    {{0, 3}, {3, 3}, {6, 2}, {8, 8}},
    {{0, 4}, {4, 2}, {6, 2}, {8, 4}, {12, 4}},
    {{0, 6}, {6, 2}, {8, 2}, {10, 2}, {12, 4}},
    {{0, 3}, {3, 3}, {6, 2}, {8, 3}, {11, 3}, {14, 2}},
    {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 4}, {12, 2}, {14, 2}},
    {{0, 2}, {2, 2}, {4, 2}, {6, 2}, {8, 2}, {10, 2}, {12, 2}, {14, 2}},
};

// A two-bar idea: its rhythm and the scale steps from each note to the next.
struct MotifNote {
    int step, length, move;
};
using Motif = std::vector<MotifNote>;

Motif MakeMotif(const SongPlan& plan, Dice& dice)
{
    static const int moves[] = {-3, -2, -1, -1, -1, 0, 1, 1, 1, 2, 2, 3, 4};
    const int last = int(melodyRhythms.size()) - 1;
    const int centre = int(plan.busy * last + 0.5);
    Motif motif;
    for (int bar = 0; bar < 2; ++bar) {
        const int pick = std::clamp(dice.Around(centre, 2), 0, last);
        for (const Hit& hit : melodyRhythms[pick])
            motif.push_back({16 * bar + hit.step, hit.length, moves[dice.Below(13)]});
    }
    return motif;
}

// The melody's range in scale degrees around the tonic.
constexpr int kLowestDegree = -2, kHighestDegree = 10;

struct SongNote {
    int tick, key, length, velocity;  // tick within the section
};

// The melody of a section, in phrases of two bars: A A B A, each fitted to its chords; the
// section's last note comes to rest on the root of its chord.
std::vector<SongNote> MakeMelody(const SongPlan& plan, const Section& section, Dice& dice)
{
    const Motif motifs[2] = {MakeMotif(plan, dice), MakeMotif(plan, dice)};
    std::vector<SongNote> melody;
    int degree = 2 + 2 * dice.Below(2);
    const int bars = int(section.chords.size());
    for (int phrase = 0; 2 * phrase < bars; ++phrase) {
        const Motif& motif = motifs[phrase % 4 == 2 ? 1 : 0];
        for (size_t i = 0; i < motif.size(); ++i) {
            const MotifNote& n = motif[i];
            const int bar = 2 * phrase + n.step / 16;
            if (bar >= bars)
                break;
            const int root = section.chords[bar];
            // The line turns back at the edges of the lead's range rather than leaping an octave.
            degree += n.move;
            if (degree > kHighestDegree)
                degree = 2 * kHighestDegree - degree;
            if (degree < kLowestDegree)
                degree = 2 * kLowestDegree - degree;
            if (n.step % 8 == 0 || n.length >= 4)
                degree = NearestChordTone(plan, degree, root);
            const bool ending = bar == bars - 1 && (i + 1 == motif.size() || motif[i + 1].step / 16 + 2 * phrase >= bars);
            if (ending)
                degree = NearestRoot(degree, root);
            const int accent = n.step % 4 == 0 ? 96 : 84;
            melody.push_back({bar * kBar + (n.step % 16) * kStep, Pitch(plan, degree),
                std::max(kStep / 2, n.length * kStep - kStep / 4), dice.Around(accent, 5)});
        }
    }
    return melody;
}

// ---- Chords and bass ----

std::vector<int> Voicing(const SongPlan& plan, int root)
{
    const int low = plan.tonic - 18;  // the chords sit about an octave under the melody
    std::vector<int> keys;
    for (int up : {0, 2, 4})
        keys.push_back(IntoOctave(Pitch(plan, root + up), low));
    if (plan.sevenths)
        keys.push_back(IntoOctave(Pitch(plan, root + 6), low));
    std::sort(keys.begin(), keys.end());
    return keys;
}

void PlayChord(MidiTrack& track, const SongPlan& plan, int root, int tick, Dice& dice)
{
    const std::vector<int> keys = Voicing(plan, root);
    auto chord = [&](int step, int length, int velocity, int spread) {
        for (size_t i = 0; i < keys.size(); ++i)
            track.Note(tick + step * kStep + int(i) * spread, kCompChannel, keys[i], dice.Around(velocity, 4),
                length * kStep - kStep / 4 - int(i) * spread);
    };
    switch (plan.comping) {
    case Comping::Pad: chord(0, 16, 70, 0); break;
    case Comping::Stabs:
        for (Hit h : {Hit{0, 2}, Hit{3, 2}, Hit{6, 2}, Hit{10, 2}, Hit{12, 2}})
            chord(h.step, h.length, h.step == 0 ? 88 : 76, 0);
        break;
    case Comping::Strum:
        for (int beat = 0; beat < 4; ++beat)
            chord(4 * beat, 4, beat % 2 ? 70 : 82, 3);
        break;
    case Comping::Arpeggio:
        for (int i = 0; i < 8; ++i) {
            const int n = int(keys.size());
            const int at = i % (2 * n - 2);
            const int key = keys[at < n ? at : 2 * n - 2 - at];
            track.Note(tick + 2 * i * kStep, kCompChannel, key + 12, dice.Around(i % 2 ? 64 : 76, 4), 2 * kStep - 4);
        }
        break;
    }
}

void PlayBass(MidiTrack& track, const SongPlan& plan, int root, int nextRoot, int tick, Dice& dice)
{
    const int key = IntoOctave(Pitch(plan, root), plan.tonic - 30);
    const int fifth = key + Pitch(plan, root + 4) - Pitch(plan, root);
    const int third = key + Pitch(plan, root + 2) - Pitch(plan, root);
    const int approach = IntoOctave(Pitch(plan, nextRoot), plan.tonic - 30) - 1;
    struct BassNote {
        int step, length, key;
    };
    std::vector<BassNote> line;
    switch (plan.bassLine) {
    case BassLine::Eighths:
        for (int i = 0; i < 8; ++i)
            line.push_back({2 * i, 2, i == 7 ? fifth : key});
        break;
    case BassLine::RootFifth: line = {{0, 4, key}, {4, 4, fifth}, {8, 4, key}, {12, 2, fifth}, {14, 2, key + 12}}; break;
    case BassLine::Octaves:
        for (int i = 0; i < 8; ++i)
            line.push_back({2 * i, 2, i % 2 ? key + 12 : key});
        break;
    case BassLine::Syncopated:
        line = {{0, 3, key}, {3, 3, key}, {6, 2, fifth}, {8, 3, key}, {11, 3, key + 12}, {14, 2, fifth}};
        break;
    case BassLine::Walking: line = {{0, 4, key}, {4, 4, third}, {8, 4, fifth}, {12, 4, approach}}; break;
    }
    for (const BassNote& n : line)
        track.Note(tick + n.step * kStep, kBassChannel, n.key, dice.Around(n.step % 4 ? 84 : 100, 5),
            n.length * kStep - kStep / 3);
}

void PlayCounter(MidiTrack& track, const SongPlan& plan, int root, int tick, Dice& dice)
{
    // Chord tones rising in eighths above the chords, a lift for the later choruses.
    const std::vector<int> keys = Voicing(plan, root);
    const int n = int(keys.size());
    for (int i = 0; i < 8; ++i)
        track.Note(tick + 2 * i * kStep, kCounterChannel, keys[i % n] + 12 * (1 + (i / n) % 2), dice.Around(60, 4),
            2 * kStep - 6);
}

// ---- Drums ----

struct DrumVoice {
    int key;
    const char* hits;  // one character per sixteenth: '.' rest, 'o' soft, 'x' normal, 'X' accent
};

std::vector<DrumVoice> GrooveOf(Groove groove)
{
    switch (groove) {
    case Groove::Rock:
        return {{kKick, "X.....x.X.x....."}, {kSnare, "....X.......X..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}};
    case Groove::Disco:
        return {{kKick, "X...X...X...X..."}, {kClap, "....x.......x..."}, {kClosedHat, "o...o...o...o..."},
            {kOpenHat, "..x...x...x...x."}};
    case Groove::Funk:
        return {{kKick, "X..x..x...x..x.."}, {kSnare, "....X..o.o..X..o"}, {kClosedHat, "xoxoxoxoxoxoxoxo"}};
    case Groove::HalfTime:
        return {{kKick, "X.........x....."}, {kSnare, "........X......."}, {kRide, "x.x.x.x.x.x.x.x."}};
    case Groove::March:
        return {{kKick, "X.......X......."}, {kSnare, "x.oxx.o.x.oxX.oo"}};
    case Groove::Breakbeat:
        return {{kKick, "X.x.......X....."}, {kSnare, "....X.......X.o."}, {kClosedHat, "xoxoxoxoxoxoxoxo"},
            {kTambourine, "....x.......x..."}};
    case Groove::Tribal:
        return {{kKick, "X..x..X...x.x..."}, {kSnare, "....X.......X..."}, {kLowTom, "..o...o...o..xo."},
            {kClosedHat, "x.x.x.x.x.x.x.x."}};
    }
    return {};
}

int DrumVelocity(char c) { return c == 'X' ? 112 : c == 'x' ? 86 : c == 'o' ? 56 : 0; }

void PlayDrums(MidiTrack& track, Groove groove, int tick, bool crash, bool fill, Dice& dice)
{
    // A fill gives the last beat of a section to the toms.
    const int steps = fill ? 12 : 16;
    for (const DrumVoice& voice : GrooveOf(groove))
        for (int s = 0; s < steps; ++s)
            if (const int velocity = DrumVelocity(voice.hits[s]))
                track.Note(tick + s * kStep, kDrumChannel, voice.key, dice.Around(velocity, 6), kStep);
    if (fill)
        for (int s = 12; s < 16; ++s)
            track.Note(tick + s * kStep, kDrumChannel, s < 14 ? kHighTom : s == 14 ? kMidTom : kLowTom,
                dice.Around(90 + 4 * (s - 12), 4), kStep);
    if (crash)
        track.Note(tick, kDrumChannel, kCrash, 100, 4 * kStep);
}

// ---- The whole song ----

struct BarPlan {
    int section, barInSection, chord;
    bool lead, counter, crash, fill;
};

std::vector<BarPlan> LayOut(const SongPlan& plan)
{
    std::vector<BarPlan> bars;
    std::vector<int> playings(plan.sections.size(), 0);
    for (const char* letter = plan.form; *letter; ++letter) {
        const int s = std::tolower(*letter) - 'a';
        if (s < 0 || s >= int(plan.sections.size()))
            continue;
        const bool lead = std::isupper(static_cast<unsigned char>(*letter));
        if (lead)
            ++playings[s];
        const std::vector<int>& chords = plan.sections[s].chords;
        for (size_t b = 0; b < chords.size(); ++b)
            bars.push_back({s, int(b), chords[b], lead, lead && playings[s] >= 2 && plan.counter >= 0,
                b == 0 && !bars.empty(), b + 1 == chords.size()});
    }
    return bars;
}

MidiTrack PartTrack(const char* name, int channel, int program, int volume, int pan)
{
    MidiTrack track;
    track.Name(name);
    if (channel != kDrumChannel)
        track.Program(channel, program);
    track.Control(channel, 7, volume);
    track.Control(channel, 10, pan);
    track.Control(channel, 91, 40);  // a little reverb
    return track;
}

}  // namespace

double SongSeconds(const SongPlan& plan) { return (LayOut(plan).size() + 1) * 4 * 60.0 / plan.bpm; }

std::vector<uint8_t> ComposeSong(const SongPlan& plan)
{
    Dice dice{plan.seed};
    std::vector<std::vector<SongNote>> melodies;
    for (const Section& section : plan.sections)
        melodies.push_back(MakeMelody(plan, section, dice));

    MidiTrack conductor;
    conductor.Name(plan.title);
    conductor.Tempo(plan.bpm);
    conductor.TimeSignature(4, 4);
    MidiTrack lead = PartTrack("Melody", kLeadChannel, plan.lead, 100, 64);
    MidiTrack comp = PartTrack("Chords", kCompChannel, plan.comp, 72, 44);
    MidiTrack bass = PartTrack("Bass", kBassChannel, plan.bass, 96, 64);
    MidiTrack counter = PartTrack("Counter", kCounterChannel, std::max(plan.counter, 0), 62, 86);
    MidiTrack drums = PartTrack("Drums", kDrumChannel, 0, 100, 64);

    const std::vector<BarPlan> bars = LayOut(plan);
    for (size_t i = 0; i < bars.size(); ++i) {
        const BarPlan& bar = bars[i];
        const int tick = int(i) * kBar;
        const int nextChord = i + 1 < bars.size() ? bars[i + 1].chord : 0;
        PlayChord(comp, plan, bar.chord, tick, dice);
        PlayBass(bass, plan, bar.chord, nextChord, tick, dice);
        PlayDrums(drums, plan.groove, tick, bar.crash, bar.fill, dice);
        if (bar.counter)
            PlayCounter(counter, plan, bar.chord, tick, dice);
        if (bar.lead)
            for (const SongNote& n : melodies[bar.section])
                if (n.tick / kBar == bar.barInSection)
                    lead.Note(tick + n.tick % kBar, kLeadChannel, n.key, n.velocity, n.length);
    }

    // The last bar: the tonic chord held under a crash.
    const int end = int(bars.size()) * kBar;
    for (int key : Voicing(plan, 0))
        comp.Note(end, kCompChannel, key, 80, kBar - kStep);
    bass.Note(end, kBassChannel, IntoOctave(plan.tonic, plan.tonic - 30), 100, kBar - kStep);
    lead.Note(end, kLeadChannel, plan.tonic, 90, kBar - kStep);
    drums.Note(end, kDrumChannel, kKick, 110, kStep);
    drums.Note(end, kDrumChannel, kCrash, 110, kBar - kStep);

    std::vector<MidiTrack> tracks = {conductor, lead, comp, bass};
    if (plan.counter >= 0)
        tracks.push_back(counter);
    tracks.push_back(drums);
    return EncodeMidi(tracks, kTicksPerBeat);
}
