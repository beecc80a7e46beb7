#include "tools/datagen/sound/synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kLoudest = 0.28;  // the highest mean level a sound is given

// Deterministic noise: every build makes the same bytes.
struct NoiseSource {
    uint32_t state;
    double Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483647.5 - 1.0;
    }
};

double Wrap(double phase) { return phase - std::floor(phase); }

double Oscillator(Shape shape, double phase)
{
    switch (shape) {
    case Shape::Sine: return std::sin(kTwoPi * phase);
    case Shape::Square: return phase < 0.5 ? 1.0 : -1.0;
    case Shape::Saw: return 2.0 * phase - 1.0;
    case Shape::Triangle: return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    }
    return 0;
}

double Fraction(size_t i, size_t n) { return n > 1 ? double(i) / double(n - 1) : 0.0; }

enum class Band { Low, Mid, High };

// A state-variable filter whose cutoff may glide; it stays stable at any setting.
void Filter(Wave& w, Glide cutoffHz, double q, Band band)
{
    const double k = 1.0 / q;
    double ic1 = 0, ic2 = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double fc = std::clamp(cutoffHz.At(Fraction(i, w.size())), 10.0, 0.45 * kRate);
        const double g = std::tan(M_PI * fc / kRate);
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v0 = w[i];
        const double v3 = v0 - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        switch (band) {
        case Band::Low: w[i] = float(v2); break;
        case Band::Mid: w[i] = float(k * v1); break;
        case Band::High: w[i] = float(v0 - k * v1 - v2); break;
        }
    }
}

}  // namespace

double Glide::At(double fraction) const { return from * std::pow(to / from, fraction); }

int Samples(double seconds) { return std::max(0, int(std::lround(seconds * kRate))); }

double NoteHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

Wave Tone(double seconds, Glide hz, Shape shape, double vibratoHz, double vibratoDepth)
{
    Wave w(Samples(seconds));
    double phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        w[i] = float(Oscillator(shape, phase));
        const double vibrato = 1.0 + vibratoDepth * std::sin(kTwoPi * vibratoHz * i / kRate);
        phase = Wrap(phase + hz.At(Fraction(i, w.size())) * vibrato / kRate);
    }
    return w;
}

Wave Noise(double seconds, uint32_t seed)
{
    NoiseSource noise{seed | 1u};
    Wave w(Samples(seconds));
    for (float& s : w)
        s = float(noise.Next());
    return w;
}

Wave Crackle(double seconds, double clicksPerSecond, uint32_t seed)
{
    NoiseSource noise{seed | 1u};
    Wave w(Samples(seconds));
    const double chance = clicksPerSecond / kRate;
    for (float& s : w)
        if ((noise.Next() + 1.0) * 0.5 < chance)
            s = float(noise.Next() < 0 ? -1.0 : 1.0) * float(0.4 + 0.3 * (noise.Next() + 1.0));
    return w;
}

Wave Struck(double seconds, double hz, std::initializer_list<Partial> partials)
{
    Wave w(Samples(seconds));
    const double attack = 0.0008 * kRate;  // a hard strike, without a click
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = double(i) / kRate;
        double s = 0;
        for (const Partial& p : partials)
            s += p.level * std::sin(kTwoPi * hz * p.ratio * t) * std::exp(-t / p.decay);
        w[i] = float(s * std::min(1.0, i / attack));
    }
    return w;
}

Wave Fm(double seconds, Glide carrierHz, double ratio, Glide index)
{
    Wave w(Samples(seconds));
    double phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        const double f = Fraction(i, w.size());
        const double modulator = std::sin(kTwoPi * phase * ratio);
        w[i] = float(std::sin(kTwoPi * phase + index.At(f) * modulator));
        phase += carrierHz.At(f) / kRate;
    }
    return w;
}

void Decay(Wave& w, double seconds)
{
    for (size_t i = 0; i < w.size(); ++i)
        w[i] *= float(std::exp(-double(i) / kRate / seconds));
}

void Envelope(Wave& w, std::initializer_list<Point> points)
{
    if (points.size() == 0)
        return;
    for (size_t i = 0; i < w.size(); ++i) {
        const double t = double(i) / kRate;
        const Point* before = points.begin();
        const Point* after = points.begin();
        for (const Point& p : points) {
            after = &p;
            if (p.time > t)
                break;
            before = &p;
        }
        double level = before->level;
        if (after->time > before->time && t >= before->time)
            level += (after->level - before->level) * (t - before->time) / (after->time - before->time);
        w[i] *= float(level);
    }
}

void Tremolo(Wave& w, double hz, double depth)
{
    for (size_t i = 0; i < w.size(); ++i)
        w[i] *= float(1.0 - depth * 0.5 * (1.0 - std::cos(kTwoPi * hz * i / kRate)));
}

void Drive(Wave& w, double amount)
{
    for (float& s : w)
        s = float(std::tanh(amount * s) / std::tanh(amount));
}

void LowPass(Wave& w, Glide cutoffHz, double q) { Filter(w, cutoffHz, q, Band::Low); }
void HighPass(Wave& w, Glide cutoffHz, double q) { Filter(w, cutoffHz, q, Band::High); }
void BandPass(Wave& w, Glide centreHz, double q) { Filter(w, centreHz, q, Band::Mid); }

void Echo(Wave& w, double delaySeconds, double feedback, int repeats)
{
    const Wave dry = w;
    double gain = 1;
    for (int r = 1; r <= repeats; ++r) {
        gain *= feedback;
        Add(w, dry, delaySeconds * r, gain);
    }
}

void Add(Wave& into, const Wave& w, double atSeconds, double gain)
{
    const size_t start = Samples(atSeconds);
    if (into.size() < start + w.size())
        into.resize(start + w.size(), 0.0f);
    for (size_t i = 0; i < w.size(); ++i)
        into[start + i] += float(gain * w[i]);
}

Wave Resample(const Wave& w, int fromRate)
{
    // Each output sample averages the source samples it spans, which keeps speech free of aliasing.
    const double step = double(fromRate) / kRate;
    Wave out(size_t(w.size() / step));
    for (size_t i = 0; i < out.size(); ++i) {
        const size_t first = size_t(i * step);
        const size_t last = std::min(w.size(), std::max(first + 1, size_t((i + 1) * step)));
        double sum = 0;
        for (size_t j = first; j < last; ++j)
            sum += w[j];
        out[i] = float(sum / double(last - first));
    }
    return out;
}

void Normalise(Wave& w, double peak)
{
    float top = 0;
    double energy = 0;
    for (float s : w) {
        top = std::max(top, std::fabs(s));
        energy += double(s) * s;
    }
    if (top == 0)
        return;
    // Steady tones (a square wave, a whistle) would sound far louder than a knock of the same peak.
    const double rms = std::sqrt(energy / double(w.size()));
    const float gain = float(std::min(peak / top, kLoudest / rms));
    for (float& s : w)
        s *= gain;
    // Below half a step of the 8-bit samples nothing is heard: the tail goes.
    const float quiet = 0.5f / 127.0f;
    size_t end = w.size();
    while (end > 0 && std::fabs(w[end - 1]) < quiet)
        --end;
    w.resize(end);
    // A sound cut off while still ringing would end in a click.
    const size_t fade = std::min(w.size(), size_t(Samples(0.012)));
    for (size_t i = 0; i < fade; ++i)
        w[w.size() - 1 - i] *= float(i) / float(fade);
}

std::vector<uint8_t> ToUnsigned8(const Wave& w)
{
    std::vector<uint8_t> out(w.size());
    for (size_t i = 0; i < w.size(); ++i)
        out[i] = uint8_t(std::clamp(128L + std::lround(w[i] * 127.0), 0L, 255L));
    return out;
}

}  // namespace synth
