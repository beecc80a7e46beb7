// A small synthesiser for the game's sound effects: oscillators, noise, envelopes, filters,
// mixing, all on floating-point waves at the game's one sample rate.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace synth {

constexpr int kRate = 11025;  // every sound of the game plays at this rate

using Wave = std::vector<float>;  // mono samples, nominally within -1..1

// A value moving exponentially from `from` to `to` over a wave's length (both above 0).
struct Glide {
    double from, to;
    double At(double fraction) const;
};

enum class Shape { Sine, Square, Saw, Triangle };

// One inharmonic partial of a struck object: frequency ratio, level, decay time in seconds.
struct Partial {
    double ratio, level, decay;
};

// One point of a piecewise-linear envelope: time in seconds, level.
struct Point {
    double time, level;
};

int Samples(double seconds);
double NoteHz(int midiNote);

// Sources.
Wave Tone(double seconds, Glide hz, Shape shape, double vibratoHz = 0, double vibratoDepth = 0);
Wave Noise(double seconds, uint32_t seed);
Wave Crackle(double seconds, double clicksPerSecond, uint32_t seed);
Wave Struck(double seconds, double hz, std::initializer_list<Partial> partials);
Wave Fm(double seconds, Glide carrierHz, double ratio, Glide index);

// Shaping, in place.
void Decay(Wave& w, double seconds);
void Envelope(Wave& w, std::initializer_list<Point> points);
void Tremolo(Wave& w, double hz, double depth);
void Drive(Wave& w, double amount);
void LowPass(Wave& w, Glide cutoffHz, double q = 0.7);
void HighPass(Wave& w, Glide cutoffHz, double q = 0.7);
void BandPass(Wave& w, Glide centreHz, double q = 1.5);
void Echo(Wave& w, double delaySeconds, double feedback, int repeats);

// Mixing.
void Add(Wave& into, const Wave& w, double atSeconds = 0, double gain = 1);
Wave Resample(const Wave& w, int fromRate);

// Scales to the given peak (or a steady tone to a fair mean level), cuts the inaudible tail and
// fades the very end, so every sound is about as loud as the others, small, and ends cleanly.
void Normalise(Wave& w, double peak = 0.89);
std::vector<uint8_t> ToUnsigned8(const Wave& w);

}  // namespace synth
