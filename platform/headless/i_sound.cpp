// Headless sound: a buffer counts as playing for the length of its samples in virtual
// time, and every start and stop is written to the event log.
#include <algorithm>

#include "platform/headless/event_log.h"
#include "platform/headless/headless.h"

namespace headless {

namespace {

struct VirtualSound : I_Sound {
    bool playing = false;
    uint64_t startedAt = 0;   // virtual ms when it started from startPos
    uint64_t startPos = 0;    // sample it started from
    uint64_t pos = 0;         // sample it stands at while stopped
};

VirtualSound* Virtual(I_Sound* s)
{
    return static_cast<VirtualSound*>(s);
}

// The sample the sound has reached by now, at most its end.
uint64_t Position(const VirtualSound* v)
{
    const uint64_t played = (Now() - v->startedAt) * I_SOUND_RATE / 1000;
    return std::min<uint64_t>(v->startPos + played, v->samples->size());
}

// Ends a play that has reached its end; true while still playing.
bool StillPlaying(VirtualSound* v)
{
    if (v->playing && Position(v) >= v->samples->size()) {
        // A buffer played to its end stands at its start again.
        v->playing = false;
        v->pos = 0;
    }
    return v->playing;
}

bool Init()
{
    return true;
}

void Shutdown()
{
}

I_Sound* Create(std::shared_ptr<const std::vector<uint8_t>> samples)
{
    auto* v = new VirtualSound;
    v->samples = std::move(samples);
    return v;
}

I_Sound* Duplicate(const I_Sound* s)
{
    auto* v = new VirtualSound;
    static_cast<I_Sound&>(*v) = *s;
    return v;
}

void Release(I_Sound* s)
{
    delete Virtual(s);
}

void Play(I_Sound* s)
{
    VirtualSound* v = Virtual(s);
    // Playing a buffer that already plays changes nothing.
    if (StillPlaying(v))
        return;
    v->playing = true;
    v->startedAt = Now();
    v->startPos = v->pos;
    LogSound("play", v->group, v->file, v->pan);
    StillPlaying(v);
}

void Stop(I_Sound* s)
{
    VirtualSound* v = Virtual(s);
    if (!StillPlaying(v))
        return;
    v->pos = Position(v);
    v->playing = false;
    LogSound("stop", v->group, v->file, v->pan);
}

void Rewind(I_Sound* s)
{
    VirtualSound* v = Virtual(s);
    v->pos = 0;
    if (StillPlaying(v)) {
        v->startPos = 0;
        v->startedAt = Now();
    }
}

bool Playing(I_Sound* s)
{
    return StillPlaying(Virtual(s));
}

void Update(I_Sound*)
{
}

} // namespace

const I_SoundModule soundModule = {Init,   Shutdown, Create,  Duplicate, Release,
                                   Play,   Stop,     Rewind,  Playing,   Update};

} // namespace headless
