// Real sound through SDL2_mixer: each sound buffer has a mixer channel of its own, and a
// sample loaded once is converted once, when it is first played, into one chunk that its
// duplicates share. Converting at the first play keeps the game's forty sounds (some
// megabytes at the mixer's rate) out of the start-up.
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

constexpr int outputRate = 44100;   // the mixer's output rate
constexpr int channelStep = 256;   // channels are added in steps of this many

// The samples in the mixer's format, shared by a sound and its duplicates.
struct Conversion {
    std::shared_ptr<Mix_Chunk> chunk;   // null until first played, or if converting failed
    bool tried = false;
};

struct MixerSound : I_Sound {
    std::shared_ptr<Conversion> conversion;
    Mix_Chunk tail{};                   // the rest of the chunk, when playing from within it
    int channel = -1;                   // -1 when the mixer is not running
    size_t pos = 0;                     // the byte it stands at while stopped
    size_t startPos = 0;                // the byte it started from
    Uint32 startedAt = 0;               // SDL ticks when it started
};

bool mixerOpen;                     // the audio device is open
int bytesPerMs;                     // of mixer output, for the position of a stopped sound
int frameBytes;                     // one sample frame of mixer output
std::vector<int> freeChannels;      // channels no sound owns
int channelCount;                   // channels allocated in the mixer

MixerSound* Mixer(I_Sound* s)
{
    return static_cast<MixerSound*>(s);
}

int TakeChannel()
{
    if (freeChannels.empty()) {
        const int more = Mix_AllocateChannels(channelCount + channelStep);
        for (int c = more - 1; c >= channelCount; c--)
            freeChannels.push_back(c);
        channelCount = more;
        if (freeChannels.empty())
            return -1;
    }
    const int c = freeChannels.back();
    freeChannels.pop_back();
    return c;
}

// 8-bit mono samples as 16-bit stereo at a whole multiple of their rate, drawn straight
// from each sample to the next: SDL's general resampler would take a good part of the
// start-up for the game's forty sounds.
Uint8* Upsample(const std::vector<uint8_t>& samples, int factor, Uint32& bytes)
{
    bytes = Uint32(samples.size() * size_t(factor) * 4);
    auto* out = static_cast<Sint16*>(SDL_malloc(bytes));
    if (!out)
        return nullptr;
    Sint16* at = out;
    for (size_t i = 0; i < samples.size(); i++) {
        const int from = (samples[i] - 128) * 256;
        const int to = i + 1 < samples.size() ? (samples[i + 1] - 128) * 256 : from;
        for (int step = 0; step < factor; step++, at += 2)
            at[0] = at[1] = Sint16(from + (to - from) * step / factor);
    }
    return reinterpret_cast<Uint8*>(out);
}

// Any other mixer format, through SDL's converter.
Uint8* ConvertWithSdl(const std::vector<uint8_t>& samples, int rate, Uint16 format, int channels, Uint32& bytes)
{
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_U8, 1, I_SOUND_RATE, format, Uint8(channels), rate) < 0)
        return nullptr;
    cvt.len = int(samples.size());
    cvt.buf = static_cast<Uint8*>(SDL_malloc(size_t(cvt.len) * cvt.len_mult));
    if (!cvt.buf)
        return nullptr;
    std::memcpy(cvt.buf, samples.data(), samples.size());
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
        SDL_free(cvt.buf);
        return nullptr;
    }
    bytes = Uint32(cvt.needed ? cvt.len_cvt : cvt.len);
    return cvt.buf;
}

// The samples in the mixer's format, as a chunk that frees its buffer with itself.
std::shared_ptr<Mix_Chunk> Convert(const std::vector<uint8_t>& samples)
{
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (samples.empty() || !Mix_QuerySpec(&rate, &format, &channels))
        return nullptr;
    Uint32 bytes = 0;
    Uint8* buffer = format == AUDIO_S16SYS && channels == 2 && rate % I_SOUND_RATE == 0
                        ? Upsample(samples, rate / I_SOUND_RATE, bytes)
                        : ConvertWithSdl(samples, rate, format, channels, bytes);
    if (!buffer)
        return nullptr;
    auto* chunk = static_cast<Mix_Chunk*>(SDL_malloc(sizeof(Mix_Chunk)));
    if (!chunk) {
        SDL_free(buffer);
        return nullptr;
    }
    chunk->allocated = 1;
    chunk->abuf = buffer;
    chunk->alen = bytes;
    chunk->volume = MIX_MAX_VOLUME;
    return std::shared_ptr<Mix_Chunk>(chunk, Mix_FreeChunk);
}

// Hundredths of a decibel of attenuation as a gain of 0..1.
double Gain(int hundredthsDb)
{
    return std::pow(10.0, hundredthsDb / 2000.0);
}

// Sets the channel's level from the sound's volume and pan: a positive pan attenuates the
// left side, a negative one the right.
void ApplyLevels(const MixerSound* m)
{
    const double level = Gain(m->volume) * 255.0;
    const double left = level * (m->pan > 0 ? Gain(-m->pan) : 1.0);
    const double right = level * (m->pan < 0 ? Gain(m->pan) : 1.0);
    Mix_SetPanning(m->channel, Uint8(std::lround(left)), Uint8(std::lround(right)));
}

Mix_Chunk* Chunk(MixerSound* m)
{
    Conversion& c = *m->conversion;
    if (!c.tried) {
        c.tried = true;
        c.chunk = Convert(*m->samples);
    }
    return c.chunk.get();
}

bool OnChannel(MixerSound* m)
{
    if (!mixerOpen || m->channel < 0 || !Mix_Playing(m->channel))
        return false;
    const Mix_Chunk* playing = Mix_GetChunk(m->channel);
    return playing == m->conversion->chunk.get() || playing == &m->tail;
}

bool Init()
{
    if (mixerOpen)
        return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 ||
        Mix_OpenAudio(outputRate, AUDIO_S16SYS, 2, 1024) != 0) {
        std::fprintf(stderr, "taltrix: no audio device (%s): running without sound and music\n",
                     SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    int rate = 0, channels = 0;
    Uint16 format = 0;
    Mix_QuerySpec(&rate, &format, &channels);
    frameBytes = channels * SDL_AUDIO_BITSIZE(format) / 8;
    bytesPerMs = rate * frameBytes / 1000;
    channelCount = 0;
    freeChannels.clear();
    mixerOpen = true;
    MusicInit();
    return true;
}

void Shutdown()
{
    if (!mixerOpen)
        return;
    MusicShutdown();
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerOpen = false;
}

MixerSound* NewSound(const I_Sound& from, std::shared_ptr<Conversion> conversion)
{
    auto* m = new MixerSound;
    static_cast<I_Sound&>(*m) = from;
    m->conversion = std::move(conversion);
    // Without a device a buffer still exists; it just never sounds.
    if (mixerOpen && !m->samples->empty())
        m->channel = TakeChannel();
    return m;
}

I_Sound* Create(std::shared_ptr<const std::vector<uint8_t>> samples)
{
    I_Sound from;
    from.samples = std::move(samples);
    return NewSound(from, std::make_shared<Conversion>());
}

I_Sound* Duplicate(const I_Sound* s)
{
    return NewSound(*s, static_cast<const MixerSound*>(s)->conversion);
}

void Release(I_Sound* s)
{
    MixerSound* m = Mixer(s);
    if (m->channel >= 0 && mixerOpen) {
        Mix_HaltChannel(m->channel);
        freeChannels.push_back(m->channel);
    }
    delete m;
}

void Play(I_Sound* s)
{
    MixerSound* m = Mixer(s);
    if (!mixerOpen || m->channel < 0 || OnChannel(m))
        return;
    Mix_Chunk* chunk = Chunk(m);
    if (!chunk)
        return;
    if (m->pos > 0 && m->pos < chunk->alen) {
        m->tail = *chunk;
        m->tail.allocated = 0;
        m->tail.abuf = chunk->abuf + m->pos;
        m->tail.alen = Uint32(chunk->alen - m->pos);
        chunk = &m->tail;
    }
    // Levels set on an idle channel stay until its play ends; setting them on a playing
    // channel before restarting it would be undone by the restart.
    Mix_HaltChannel(m->channel);
    ApplyLevels(m);
    Mix_PlayChannel(m->channel, chunk, 0);
    m->startPos = chunk == &m->tail ? m->pos : 0;
    m->startedAt = SDL_GetTicks();
    m->pos = 0;
}

void Stop(I_Sound* s)
{
    MixerSound* m = Mixer(s);
    if (!OnChannel(m))
        return;
    const size_t played = size_t(SDL_GetTicks() - m->startedAt) * size_t(bytesPerMs);
    m->pos = std::min<size_t>(m->startPos + played / frameBytes * frameBytes, m->conversion->chunk->alen);
    Mix_HaltChannel(m->channel);
}

void Rewind(I_Sound* s)
{
    MixerSound* m = Mixer(s);
    m->pos = 0;
    if (OnChannel(m)) {
        Mix_HaltChannel(m->channel);
        Play(m);
    }
}

bool Playing(I_Sound* s)
{
    return OnChannel(Mixer(s));
}

void Update(I_Sound* s)
{
    MixerSound* m = Mixer(s);
    if (OnChannel(m))
        ApplyLevels(m);
}

} // namespace

const I_SoundModule soundModule = {Init,   Shutdown, Create,  Duplicate, Release,
                                   Play,   Stop,     Rewind,  Playing,   Update};

} // namespace sdl
