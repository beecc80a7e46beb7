// One game frame's drawing into the back buffer: the background, the solid-shadow pass
// and the normal pass over a full field of blocks, balls, enemies, bullets and particles.
#include <benchmark/benchmark.h>

#include <vector>

#include "gfx/alloc.h"
#include "gfx/sprite.h"

namespace {

// A w x h picture in colour c; round (corners transparent) when asked.
Q2SL_buffer* Frame(uint16_t w, uint16_t h, uint8_t c, bool round)
{
    std::vector<uint8_t> px(size_t(w) * h, c);
    if (round) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int dx = 2 * x + 1 - w, dy = 2 * y + 1 - h;
                if (dx * dx + dy * dy > w * h)
                    px[size_t(y) * w + x] = 0;
            }
    }
    return Q2SL_NewFrame(w, h, px.data());
}

Q2SL_spriteType* TypeOf(Q2SL_buffer* frame)
{
    auto* t = Q2SL_New<Q2SL_spriteType>("type");
    t->SetAnimCount(1);
    t->AddFrame(0, frame);
    return t;
}

struct Scene {
    Scene()
    {
        dBuffer.width = dBuffer.viewWidth = 640;
        dBuffer.height = dBuffer.viewHeight = 480;
        dBuffer.CreateSurface(8, 1);
        playfield.Attach(&dBuffer);
        playfield.viewX = playfield.viewY = 8;
        playfield.viewWidth = 480;
        playfield.viewHeight = 464;
        background.width = background.viewWidth = 480;
        background.height = background.viewHeight = 464;
        background.CreateSurface(8, 0);
        DD_Fill_Surface(background.surface, 40);
        Add(TypeOf(Frame(40, 20, 9, false)), 240, [](int i, Q2SL_sprite& s) {
            s.x = 40 * (i % 12);
            s.y = 20 * (i / 12);
        });
        Add(TypeOf(Frame(12, 12, 15, true)), 20, [](int i, Q2SL_sprite& s) {
            s.x = 13 + i * 23;
            s.y = 300 + (i % 5) * 17;
        });
        Add(TypeOf(Frame(32, 32, 20, true)), 5, [](int i, Q2SL_sprite& s) {
            s.x = 40 + i * 90;
            s.y = 200;
        });
        Add(TypeOf(Frame(4, 10, 30, true)), 64, [](int i, Q2SL_sprite& s) {
            s.x = 6 + i * 7;
            s.y = 250 + (i % 8) * 12;
        });
        particles = Add(TypeOf(Frame(3, 3, 50, true)), 50, [](int i, Q2SL_sprite& s) {
            s.x = 100 + i * 5;
            s.y = 380 - i;
        });
        shadowOffsetX = shadowOffsetY = 6;
    }
    ~Scene()
    {
        for (auto* t : types) {
            t->Delete();
            Q2SL_Delete(t, "type");
        }
        background.Delete();
        playfield.Delete();  // leave the back buffer's group before this view goes away
        dBuffer.Delete();
    }
    template <typename Place>
    size_t Add(Q2SL_spriteType* t, int n, Place place)
    {
        types.push_back(t);
        const size_t first = sprites.size();
        for (int i = 0; i < n; ++i) {
            Q2SL_sprite s;
            s.SetType(t);
            s.SetAnim(0);
            place(i, s);
            sprites.push_back(s);
        }
        return first;
    }
    // Everything but the particles casts a shadow.
    void Draw()
    {
        background.Draw(&playfield);
        shadowMode = 1;
        dBuffer.Lock();
        for (size_t i = 0; i < particles; ++i)
            sprites[i].DrawNoHSR(&playfield);
        dBuffer.Unlock();
        shadowMode = 0;
        for (auto& s : sprites)
            s.DrawNoHSR(&playfield);
    }

    Q2SL_drawBuffer playfield, background;
    std::vector<Q2SL_spriteType*> types;
    std::vector<Q2SL_sprite> sprites;
    size_t particles = 0;  // the first particle; the sprites before it cast shadows
};

void BM_FrameDraw(benchmark::State& state)
{
    Scene scene;
    for (auto _ : state) {
        scene.Draw();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameDraw)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
