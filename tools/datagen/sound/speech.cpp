#include "tools/datagen/sound/speech.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t kMaxSpeechBytes = 4u << 20;  // far more than a few spoken words take

uint32_t ReadLE(const std::vector<uint8_t>& bytes, size_t at, int count)
{
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= uint32_t(bytes[at + i]) << (8 * i);
    return value;
}

// espeak-ng streams 16-bit mono PCM with placeholder chunk sizes, so the data runs to the end of
// what arrived; every chunk length is bounded by it.
bool DecodePcm16(const std::vector<uint8_t>& file, synth::Wave& out, int& rate)
{
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(&file[8], "WAVE", 4) != 0)
        return false;
    rate = 0;
    size_t at = 12;
    while (at + 8 <= file.size()) {
        const uint32_t size = ReadLE(file, at + 4, 4);
        const size_t body = at + 8;
        const size_t available = file.size() - body;
        if (std::memcmp(&file[at], "fmt ", 4) == 0) {
            if (size < 16 || available < 16 || ReadLE(file, body, 2) != 1 || ReadLE(file, body + 2, 2) != 1
                || ReadLE(file, body + 14, 2) != 16)
                return false;
            rate = int(ReadLE(file, body + 4, 4));
        } else if (std::memcmp(&file[at], "data", 4) == 0) {
            if (rate <= 0)
                return false;
            const size_t count = std::min<size_t>(size, available) / 2;
            out.resize(count);
            for (size_t i = 0; i < count; ++i)
                out[i] = float(int16_t(ReadLE(file, body + 2 * i, 2)) / 32768.0);
            return true;
        }
        if (size > available)
            return false;
        at = body + size + (size & 1);
    }
    return false;
}

bool RunEspeak(const char* text, Voice voice, std::vector<uint8_t>& file)
{
    const std::string command = "espeak-ng --stdout -v " + std::string(voice.name) + " -p " + std::to_string(voice.pitch)
        + " -s " + std::to_string(voice.speed) + " \"" + text + "\" 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return false;
    uint8_t chunk[8192];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0 && file.size() + got <= kMaxSpeechBytes)
        file.insert(file.end(), chunk, chunk + got);
    return pclose(pipe) == 0 && got == 0;
}

// A voiced hum: pulses at the voice's pitch through two vowel formants.
synth::Wave Hum(Voice voice)
{
    synth::Wave w = synth::Tone(0.4, {110.0 + voice.pitch, 90.0 + voice.pitch}, synth::Shape::Saw);
    synth::Wave second = w;
    synth::BandPass(w, {700, 650}, 4);
    synth::BandPass(second, {1200, 1100}, 4);
    synth::Add(w, second, 0, 0.6);
    synth::Envelope(w, {{0, 0}, {0.03, 1}, {0.3, 0.8}, {0.4, 0}});
    return w;
}

}  // namespace

synth::Wave Speak(const char* text, Voice voice)
{
    std::vector<uint8_t> file;
    synth::Wave speech;
    int rate = 0;
    if (!RunEspeak(text, voice, file) || !DecodePcm16(file, speech, rate) || speech.empty()) {
        std::fprintf(stderr, "taltrix_datagen: espeak-ng could not say \"%s\"; a hum stands in\n", text);
        return Hum(voice);
    }
    return synth::Resample(speech, rate);
}
