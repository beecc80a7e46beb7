// Particle bursts: sparks thrown out from a point, falling under gravity and slowed by drag,
// dimming as they age; ten bursts at most at a time.
#include "game/specials.h"

#include "audio/sound.h"
#include "game/world.h"

particleSrc particleSources[NUM_PARTICLE_SOURCES];  // the bursts; life 0 free
Q2SL_spriteType* particleSpriteType = nullptr;      // the sparks' pictures

enum { SOURCE_LIFE = 40, QUIET_COUNT = 5, DIM_AT = 27, DIMMER_AT = 15 };
constexpr double GRAVITY = 0.75;
constexpr double TERMINAL_SPEED = 10;
constexpr double DRAG = 0.75;

// A random value in [lo, hi].
static double Uniform(double lo, double hi)
{
    return lo + GameRand() / 32767.0 * (hi - lo);
}

// The directions each spray throws its sparks.
struct Spray {
    double vxLo, vxHi, vyLo, vyHi;
};
static const Spray sprays[] = {
    {-10, 10, -10, 0},   // upwards
    {-10, 10, 0, 20},    // downwards
    {-15, 0, -10, 10},   // leftwards
    {0, 15, -10, 10},    // rightwards
    {-10, 10, -10, 10},  // all round
};

void particleSrc::StartParticles(int spray, int quiet)
{
    const int count = quiet ? QUIET_COUNT : static_cast<int>(50 - GameRand() / 32767.0 * 30);
    const Spray& s = sprays[spray >= 0 && spray < 4 ? spray : 4];
    for (int k = 0; k < PARTICLES_PER_SOURCE; k++) {
        particle_& p = particles[k];
        if (k >= count) {
            p.life = 0;
            continue;
        }
        p.x = x;
        p.y = y;
        p.vx = Uniform(s.vxLo, s.vxHi);
        p.vy = Uniform(s.vyLo, s.vyHi);
        p.life = static_cast<int32_t>(GameRand() / 32767.0 * 45 + (40 - 30));
        p.sprite.SetType(particleSpriteType);
        p.sprite.SetAnim(anim);
        // Short-lived sparks start dimmer.
        p.sprite.SetFrame(p.life <= DIMMER_AT ? 2 : p.life <= DIM_AT ? 1 : 0);
    }
    if (!quiet)
        soundGroups[SND_STATIC].Play(SoundPan(x, 0));
}

void particleSrc::DrawParticles()
{
    for (particle_& p : particles) {
        if (p.life <= 0)
            continue;
        p.x += p.vx;
        p.y += p.vy;
        if (p.vy < TERMINAL_SPEED)
            p.vy += GRAVITY;
        if (p.vx > 0)
            p.vx = p.vx > DRAG ? p.vx - DRAG : 0;
        else if (p.vx < 0)
            p.vx = p.vx < -DRAG ? p.vx + DRAG : 0;
        p.sprite.x = static_cast<int32_t>(p.x);
        p.sprite.y = static_cast<int32_t>(p.y);
        p.sprite.DrawNoHSR(playfieldView, 0, 0, -1);
        p.life -= 1;
        if (p.life == DIM_AT || p.life == DIMMER_AT)
            p.sprite.SetFrame(p.sprite.frame + 1);
    }
    life -= 1;
}

void StartParticleSource(int x, int y, int anim, int spray, int quiet)
{
    for (particleSrc& src : particleSources) {
        if (src.life != 0)
            continue;
        src.life = SOURCE_LIFE;
        src.x = x;
        src.y = y;
        src.anim = anim;
        src.StartParticles(spray, quiet);
        return;
    }
}

void DrawParticles()
{
    for (particleSrc& src : particleSources)
        if (src.life > 0)
            src.DrawParticles();
}

void StopParticles()
{
    for (particleSrc& src : particleSources)
        src.life = 0;
}

void ResetParticles()
{
    for (particleSrc& src : particleSources)
        src = particleSrc();
}
