// Sound buffers: the checks and the bookkeeping both backends share.
#include <algorithm>

#include "platform/backend.h"

namespace {

// Keeps one sample far below anything that could exhaust memory: ten minutes of sound.
constexpr size_t maxSamples = size_t(I_SOUND_RATE) * 600;

} // namespace

bool I_SoundInit()
{
    return backend->sound->Init();
}

void I_SoundShutdown()
{
    backend->sound->Shutdown();
}

I_Sound* I_CreateSound(const uint8_t* samples, size_t count, int group, const char* file)
{
    if ((!samples && count) || count > maxSamples)
        return nullptr;
    auto shared = std::make_shared<const std::vector<uint8_t>>(samples, samples + count);
    I_Sound* s = backend->sound->Create(std::move(shared));
    if (s) {
        s->group = group;
        s->file = file ? file : "";
    }
    return s;
}

I_Sound* I_DuplicateSound(I_Sound* s)
{
    return s ? backend->sound->Duplicate(s) : nullptr;
}

void I_ReleaseSound(I_Sound* s)
{
    if (s)
        backend->sound->Release(s);
}

void I_PlaySound(I_Sound* s)
{
    if (s)
        backend->sound->Play(s);
}

void I_StopSound(I_Sound* s)
{
    if (s)
        backend->sound->Stop(s);
}

void I_RewindSound(I_Sound* s)
{
    if (s)
        backend->sound->Rewind(s);
}

bool I_SoundPlaying(I_Sound* s)
{
    return s && backend->sound->Playing(s);
}

void I_SetSoundPan(I_Sound* s, int pan)
{
    if (!s)
        return;
    s->pan = std::clamp(pan, -10000, 10000);
    backend->sound->Update(s);
}

void I_SetSoundVolume(I_Sound* s, int volume)
{
    if (!s)
        return;
    s->volume = std::clamp(volume, -10000, 0);
    backend->sound->Update(s);
}
