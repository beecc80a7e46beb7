// The game's sound effects and jingles, each made from oscillators, noise and filters or spoken,
// written into wavs/ as 8-bit mono samples.
#include <functional>

#include "tools/datagen/datagen.h"
#include "tools/datagen/sound/sound_files.h"
#include "tools/datagen/sound/speech.h"
#include "tools/datagen/sound/synth.h"

using namespace synth;

namespace {

// ---- Instruments of the jingles: each plays one note of a frequency for a time. ----

using Instrument = std::function<Wave(double hz, double seconds)>;

Wave Bell(double hz, double seconds)
{
    Wave w = Fm(seconds + 0.6, {hz, hz}, 3.5, {4.0, 0.2});
    Decay(w, 0.35);
    return w;
}

Wave Glock(double hz, double seconds)
{
    return Struck(seconds + 0.4, hz, {{1, 1, 0.3}, {2.76, 0.35, 0.1}, {5.4, 0.15, 0.05}});
}

Wave Brass(double hz, double seconds)
{
    Wave w = Tone(seconds, {hz, hz}, Shape::Saw, 5.5, 0.004);
    Add(w, Tone(seconds, {hz * 1.004, hz * 1.004}, Shape::Saw), 0, 0.7);
    LowPass(w, {hz * 2.5, hz * 5}, 0.9);
    Envelope(w, {{0, 0}, {0.03, 1}, {0.1, 0.8}, {seconds - 0.06, 0.7}, {seconds, 0}});
    return w;
}

Wave Pluck(double hz, double seconds)
{
    Wave w = Tone(seconds + 0.2, {hz, hz}, Shape::Square);
    LowPass(w, {hz * 8, hz * 1.5}, 1.2);
    Decay(w, 0.18);
    return w;
}

Wave Pad(double hz, double seconds)
{
    Wave w;
    for (double detune : {0.996, 1.0, 1.005})
        Add(w, Tone(seconds, {hz * detune, hz * detune}, Shape::Saw), 0, 0.4);
    LowPass(w, {hz * 1.5, hz * 6}, 0.8);
    Envelope(w, {{0, 0}, {seconds * 0.4, 1}, {seconds * 0.7, 0.9}, {seconds, 0}});
    return w;
}

// One note of a jingle: start and length in beats, MIDI key, level.
struct Note {
    double beat;
    int key;
    double beats;
    double level;
};

Wave Melody(std::initializer_list<Note> notes, double bpm, const Instrument& instrument)
{
    const double beat = 60.0 / bpm;
    Wave w;
    for (const Note& n : notes)
        Add(w, instrument(NoteHz(n.key), n.beats * beat), n.beat * beat, n.level);
    return w;
}

// ---- The ball ----

Wave SoftPop()
{
    Wave w = Tone(0.07, {900, 260}, Shape::Sine);
    Decay(w, 0.018);
    Wave click = Noise(0.01, 7);
    LowPass(click, {2500, 2500});
    Decay(click, 0.002);
    Add(w, click, 0, 0.5);
    return w;
}

Wave Ricochet()
{
    Wave w = Tone(0.3, {3400, 1700}, Shape::Sine, 35, 0.015);
    Add(w, Struck(0.3, 2300, {{1, 0.6, 0.08}, {1.51, 0.4, 0.06}, {2.26, 0.3, 0.04}}));
    Decay(w, 0.09);
    return w;
}

Wave FallingWhistle()
{
    Wave w = Tone(0.9, {2400, 260}, Shape::Sine, 6, 0.02);
    Wave wind = Noise(0.9, 11);
    BandPass(wind, {2400, 300}, 6);
    Add(w, wind, 0, 0.5);
    Envelope(w, {{0, 0}, {0.03, 1}, {0.6, 0.8}, {0.9, 0}});
    return w;
}

Wave Twang()
{
    Wave w = Tone(0.32, {440, 330}, Shape::Saw, 14, 0.03);
    LowPass(w, {4000, 500}, 1.5);
    Decay(w, 0.1);
    return w;
}

Wave Squish()
{
    Wave w = Noise(0.25, 23);
    LowPass(w, {1400, 250}, 4);
    Tremolo(w, 28, 0.7);
    Add(w, Tone(0.25, {220, 80}, Shape::Sine), 0, 0.6);
    Envelope(w, {{0, 0}, {0.02, 1}, {0.12, 0.6}, {0.25, 0}});
    return w;
}

// ---- Blocks ----

Wave PingPong()
{
    Wave w = Struck(0.12, 1050, {{1, 1, 0.03}, {2.3, 0.4, 0.018}, {3.9, 0.15, 0.01}});
    Wave knock = Noise(0.012, 31);
    BandPass(knock, {2200, 2200}, 2);
    Decay(knock, 0.003);
    Add(w, knock, 0, 0.7);
    return w;
}

Wave WoodKnock(double gain)
{
    Wave w = Struck(0.1, 420, {{1, 1, 0.035}, {2.72, 0.5, 0.02}, {4.1, 0.3, 0.012}});
    Wave knock = Noise(0.01, 37);
    BandPass(knock, {900, 900}, 1.5);
    Decay(knock, 0.003);
    Add(w, knock, 0, 0.9);
    for (float& s : w)
        s *= float(gain);
    return w;
}

Wave WoodDrop()
{
    // It falls, and bounces once.
    Wave w = WoodKnock(1.0);
    Add(w, WoodKnock(0.45), 0.085);
    return w;
}

Wave GlassCrack()
{
    Wave w = Struck(0.25, 2600, {{1, 0.6, 0.07}, {1.47, 0.5, 0.06}, {2.09, 0.4, 0.05}, {2.83, 0.3, 0.04}});
    Wave crack = Noise(0.08, 41);
    HighPass(crack, {3000, 3000});
    Decay(crack, 0.015);
    Add(w, crack, 0, 1.2);
    Wave splinters = Crackle(0.07, 300, 43);
    HighPass(splinters, {2500, 2500});
    Add(w, splinters, 0.01, 0.5);
    return w;
}

Wave SoftMetal()
{
    Wave w = Struck(0.28, 1500, {{1, 1, 0.12}, {2.76, 0.5, 0.07}, {5.4, 0.25, 0.04}});
    LowPass(w, {4000, 4000});
    return w;
}

Wave DeepClang()
{
    Wave w = Struck(0.8, 180, {{1, 1, 0.22}, {1.58, 0.8, 0.18}, {2.33, 0.6, 0.15}, {3.1, 0.5, 0.12}, {4.4, 0.4, 0.08}});
    Wave ring = Fm(0.8, {180, 180}, 1.41, {3, 0.3});
    Decay(ring, 0.15);
    Add(w, ring, 0, 0.5);
    Wave hit = Noise(0.03, 53);
    LowPass(hit, {1500, 1500});
    Decay(hit, 0.008);
    Add(w, hit, 0, 0.8);
    Drive(w, 1.5);
    return w;
}

Wave DullKnock()
{
    Wave w = Struck(0.22, 260, {{1, 1, 0.08}, {1.99, 0.4, 0.05}, {3.01, 0.2, 0.03}});
    Add(w, Tone(0.12, {200, 140}, Shape::Sine), 0, 0.5);
    Wave hit = Noise(0.015, 59);
    LowPass(hit, {1800, 1800});
    Decay(hit, 0.004);
    Add(w, hit, 0, 0.8);
    return w;
}

Wave CrystalChime()
{
    Wave w = Fm(0.3, {1320, 1320}, 3.5, {2.5, 0.1});
    Decay(w, 0.09);
    Add(w, SoftPop(), 0, 0.4);
    return w;
}

Wave ReleaseChime()
{
    return Melody({{0, 88, 0.25, 0.8}, {0.25, 95, 0.5, 1}}, 220, Glock);
}

// ---- Shots, creatures, explosions ----

Wave Laser()
{
    Wave w = Tone(0.22, {1800, 240}, Shape::Square);
    Add(w, Tone(0.22, {1830, 250}, Shape::Saw), 0, 0.6);
    LowPass(w, {5000, 1200});
    Envelope(w, {{0, 1}, {0.05, 0.8}, {0.22, 0}});
    return w;
}

Wave Click()
{
    Wave w = Noise(0.004, 61);
    HighPass(w, {2000, 2000});
    Add(w, Tone(0.03, {3000, 2500}, Shape::Sine), 0, 0.6);
    Decay(w, 0.006);
    return w;
}

Wave Chirp(Glide hz, double seconds)
{
    Wave w = Tone(seconds, hz, Shape::Sine, 32, 0.08);
    Add(w, Tone(seconds, {hz.from * 2, hz.to * 2}, Shape::Triangle, 32, 0.08), 0, 0.25);
    Envelope(w, {{0, 0}, {0.01, 1}, {seconds * 0.7, 0.8}, {seconds, 0}});
    return w;
}

Wave CreatureIn()
{
    Wave w = Chirp({600, 1500}, 0.13);
    Add(w, Chirp({800, 1900}, 0.16), 0.15);
    return w;
}

Wave CreatureOut()
{
    Wave w = Chirp({1900, 700}, 0.16);
    Add(w, Chirp({1500, 380}, 0.2), 0.17);
    Add(w, SoftPop(), 0.36, 0.7);
    return w;
}

Wave Explosion(uint32_t seed)
{
    Wave w = Noise(0.6, seed);
    LowPass(w, {3000, 120}, 0.9);
    Decay(w, 0.17);
    Wave thump = Tone(0.15, {90, 40}, Shape::Sine);
    Decay(thump, 0.05);
    Add(w, thump, 0, 1.2);
    Drive(w, 2.5);
    return w;
}

Wave Static()
{
    Wave w = Crackle(0.3, 900, 67);
    Add(w, Noise(0.3, 71), 0, 0.15);
    BandPass(w, {3000, 1500}, 0.8);
    Envelope(w, {{0, 1}, {0.2, 0.7}, {0.3, 0}});
    return w;
}

Wave Flash()
{
    Wave w = Fm(0.45, {2000, 1400}, 1.5, {6, 0.3});
    Decay(w, 0.13);
    Wave sparkle = Noise(0.45, 73);
    HighPass(sparkle, {3500, 3500});
    Decay(sparkle, 0.08);
    Add(w, sparkle, 0, 0.6);
    Add(w, Tone(0.2, {500, 4000}, Shape::Square), 0, 0.15);
    return w;
}

// A whoosh of air along a sweep, with a tone riding it, swelling until peak and fading out by
// the end.
Wave Whoosh(Glide band, Glide tone, double seconds, double peak, uint32_t seed)
{
    Wave w = Noise(seconds, seed);
    BandPass(w, band, 2.5);
    Wave ride = Tone(seconds, tone, Shape::Saw);
    LowPass(ride, {tone.from * 3, tone.to * 3});
    Add(w, ride, 0, 0.35);
    Envelope(w, {{0, 0}, {peak, 1}, {seconds, 0}});
    return w;
}

Wave BoxOpen()
{
    return Whoosh({400, 3500}, {300, 900}, 0.32, 0.22, 79);
}

Wave BoxClose()
{
    return Whoosh({3500, 400}, {900, 300}, 0.32, 0.04, 83);
}

Wave NukeStart()
{
    return Whoosh({300, 5000}, {150, 1200}, 0.6, 0.45, 89);
}

Wave NukeLeave()
{
    return Whoosh({3000, 300}, {1200, 450}, 0.6, 0.05, 97);
}

// ---- Menus and screens ----

Wave OptionTick()
{
    Wave w = Tone(0.05, {880, 880}, Shape::Square);
    Add(w, Tone(0.06, {1320, 1320}, Shape::Square), 0.05);
    LowPass(w, {3000, 3000});
    Envelope(w, {{0, 1}, {0.09, 0.7}, {0.11, 0}});
    return w;
}

Wave MenuSelect()
{
    Wave w = Whoosh({600, 4000}, {500, 1600}, 0.3, 0.03, 101);
    Add(w, Glock(NoteHz(84), 0.1), 0.05, 0.6);
    return w;
}

Wave Spiral(bool up)
{
    // Fast arpeggios through two octaves, climbing or sinking.
    const int steps[] = {0, 4, 7, 12, 16, 19, 24, 28};
    Wave w;
    for (int i = 0; i < 14; ++i) {
        const int step = steps[i % 8] + 12 * (i / 8);
        const int key = up ? 64 + step : 96 - step;
        Wave n = Tone(0.05, {NoteHz(key), NoteHz(key)}, Shape::Square);
        Envelope(n, {{0, 1}, {0.05, 0.2}});
        Add(w, n, 0.04 * i, 1.0 - 0.03 * i);
    }
    LowPass(w, up ? Glide{1500, 6000} : Glide{6000, 900});
    Tremolo(w, 12, 0.3);
    return w;
}

Wave Teleport()
{
    Wave w = Tone(0.8, {200, 2000}, Shape::Sine, 18, 0.1);
    Add(w, Tone(0.8, {300, 3000}, Shape::Triangle, 18, 0.1), 0, 0.3);
    Envelope(w, {{0, 0}, {0.1, 1}, {0.6, 0.8}, {0.8, 0}});
    Echo(w, 0.09, 0.4, 2);
    return w;
}

Wave Shutdown()
{
    Wave w = Tone(1.0, {440, 35}, Shape::Saw);
    Add(w, Tone(1.0, {222, 18}, Shape::Square), 0, 0.4);
    LowPass(w, {3000, 150}, 1.2);
    Envelope(w, {{0, 1}, {0.7, 0.8}, {1.0, 0}});
    return w;
}

Wave LevelCleared()
{
    Wave w = Melody({{0, 72, 0.5, 0.7}, {0.5, 76, 0.5, 0.7}, {1, 79, 0.5, 0.7}, {1.5, 84, 1.5, 1}}, 240, Bell);
    Add(w, Melody({{1.5, 60, 1.5, 0.5}, {1.5, 67, 1.5, 0.5}, {1.5, 76, 1.5, 0.5}}, 240, Pad));
    return w;
}

Wave ExtraBallFanfare()
{
    return Melody({{0, 67, 0.33, 0.8}, {0.33, 67, 0.33, 0.8}, {0.67, 67, 0.33, 0.8}, {1, 72, 0.5, 1}, {1.5, 76, 0.5, 1},
                      {2, 79, 1.2, 1}, {2, 72, 1.2, 0.6}},
        200, Brass);
}

Wave HighScoreJingle()
{
    Wave w = Melody({{0, 79, 0.5, 0.8}, {0.5, 84, 0.5, 0.8}, {1, 88, 0.5, 0.8}, {1.5, 86, 0.5, 0.7},
                        {2, 91, 1.5, 1}},
        200, Glock);
    Add(w, Melody({{0, 60, 2, 0.5}, {2, 55, 1.5, 0.5}}, 200, Pluck));
    return w;
}

// The publisher's splash: a chord swelling in while bells ring out a call, about four seconds.
Wave PublisherSplash()
{
    Wave w = Melody({{0, 50, 4, 0.5}, {0, 57, 4, 0.4}, {0, 62, 4, 0.4}, {0, 66, 4, 0.35}, {4, 55, 3.6, 0.5},
                        {4, 62, 3.6, 0.4}, {4, 67, 3.6, 0.4}, {4, 71, 3.6, 0.35}},
        120, Pad);
    Add(w, Melody({{1, 74, 1, 0.7}, {2, 78, 1, 0.7}, {3, 81, 1, 0.7}, {4, 83, 2, 1}, {5, 86, 2.4, 0.8}}, 120, Bell));
    Echo(w, 0.25, 0.3, 2);
    return w;
}

// The developer's splash: a driving arpeggio over drums that lands on a bright chord.
Wave DeveloperSplash()
{
    const double bpm = 150;
    const double beat = 60.0 / bpm;
    const int arpeggio[] = {57, 60, 64, 69, 57, 60, 64, 69, 53, 57, 60, 65, 55, 59, 62, 67};
    Wave w;
    for (int i = 0; i < 16; ++i)
        Add(w, Pluck(NoteHz(arpeggio[i]), beat / 2), i * beat / 2, 0.5);
    for (int b = 0; b < 8; ++b) {
        Add(w, Explosion(103 + b), b * beat, b % 2 ? 0.15 : 0.3);
        Add(w, Click(), b * beat + beat / 2, 0.4);
    }
    Add(w, Flash(), 8 * beat, 0.6);
    Add(w, Melody({{8, 57, 1.5, 0.5}, {8, 64, 1.5, 0.5}, {8, 69, 1.5, 0.5}, {8, 73, 1.5, 0.5}}, bpm, Brass));
    Add(w, Melody({{8, 81, 1.5, 0.8}}, bpm, Bell));
    return w;
}

// ---- Spoken words ----

Wave Ready()
{
    Wave w = Speak("Ready?", {"en-us+m3", 45, 140});
    Echo(w, 0.07, 0.25, 2);
    return w;
}

Wave Go()
{
    Wave w = Speak("Go!", {"en-us+m3", 70, 160});
    Echo(w, 0.07, 0.3, 2);
    return w;
}

Wave Cheer()
{
    // A small crowd: several voices, each a little late, over clapping.
    const Voice crowd[] = {{"en-us+f3", 85, 150}, {"en-us+m1", 65, 140}, {"en-gb+f4", 95, 160}, {"en-us+m7", 55, 150}};
    Wave w;
    double at = 0;
    for (const Voice& voice : crowd) {
        Add(w, Speak("Yay!", voice), at, 0.5);
        at += 0.035;
    }
    const double seconds = double(w.size()) / kRate;
    Wave claps = Crackle(seconds, 120, 107);
    BandPass(claps, {1800, 1800}, 1);
    Envelope(claps, {{0, 1}, {seconds * 0.6, 0.8}, {seconds, 0}});
    Add(w, claps, 0, 0.8);
    return w;
}

struct SoundRecipe {
    const char* file;
    std::function<Wave()> make;
};

// Every file the 43 sound groups load, each once (the game matches names in any letter case).
const SoundRecipe soundRecipes[] = {
    {"skarvo.wav", PublisherSplash},
    {"mrvn3.wav", DeveloperSplash},
    {"33_1.wav", OptionTick},
    {"Future_s.wav", Laser},
    {"fsw2.wav", MenuSelect},
    {"Pass2.wav", BoxOpen},
    {"Pass.wav", BoxClose},
    {"Pop2.wav", SoftPop},
    {"21_1.wav", ReleaseChime},
    {"Soft_met.wav", SoftMetal},
    {"Ricochet.wav", Ricochet},
    {"23_5.wav", GlassCrack},
    {"Ping_pon.wav", PingPong},
    {"Wood_dro.wav", WoodDrop},
    {"Metalwor.wav", DeepClang},
    {"Impendin.wav", DullKnock},
    {"Undrfall.wav", FallingWhistle},
    {"click.wav", Click},
    {"Twingy.wav", Twang},
    {"Spiralin.wav", [] { return Spiral(true); }},
    {"Going_do.wav", [] { return Spiral(false); }},
    {"Squish.wav", Squish},
    {"CrCome.wav", CreatureIn},
    {"CrLeave.wav", CreatureOut},
    {"flash.wav", Flash},
    {"static.wav", Static},
    {"teleport.wav", Teleport},
    {"Fexpl3a.wav", [] { return Explosion(109); }},
    {"64_3.wav", NukeLeave},
    {"Sleek_up.wav", NukeStart},
    {"ready.wav", Ready},
    {"Go!!.wav", Go},
    {"Shutdown.wav", Shutdown},
    {"Entrance.wav", LevelCleared},
    {"yay.wav", Cheer},
    {"yea8.wav", ExtraBallFanfare},
    {"65_2f.wav", CrystalChime},
    {"hiScore.wav", HighScoreJingle},
};

}  // namespace

bool GenerateSounds(const std::string& dir)
{
    for (const SoundRecipe& recipe : soundRecipes) {
        Wave w = recipe.make();
        Normalise(w);
        if (!WriteBytes(dir + "/wavs/" + recipe.file, EncodeWav(ToUnsigned8(w))))
            return false;
    }
    return true;
}
