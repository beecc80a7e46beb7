// The real display: a window showing the 640 x 480 picture through the palette, scaled by
// a whole factor (shrunk to fit a smaller window), black around it.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/display.h"
#include "platform/display_settings.h"
#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

constexpr int maxStartScale = 3;   // a window never opens larger than three times the picture

SDL_Window* window;                // the game window
// Where the window has pixels of its own (X11) a frame is converted straight into them,
// enlarged as it goes: a few percent of a core, less than OpenGL takes to start, in time
// and memory, and far less a frame where OpenGL is itself drawn by the processor (a
// virtual display, a machine without a graphics driver). Otherwise (Wayland, or a driver
// the player names in SDL_RENDER_DRIVER) SDL's renderer shows frames from a texture.
SDL_Renderer* renderer;            // null while the window's own pixels are used
SDL_Texture* texture;              // the renderer's copy of the last frame
SDL_Surface* frame;                // a frame to be stretched or converted into the window, made
                                   // the first time one is
SDL_Surface* painted;              // the window pixels the border was last painted in
int paintedW, paintedH;            // and their size then
bool fullscreen;                   // the window covers the desktop
Uint32 settledAt;                  // SDL ticks of the last change that moves the focus by itself
// Losing the focus ends the game, so a loss the program caused itself (a switch to or
// from fullscreen, one of its own message boxes) is not passed on.
constexpr Uint32 focusSettleMs = 500;

// The remembered scale as far as the desktop holds it; without one, the largest whole
// scale, at most three, at which the window fits.
int StartScale(int remembered)
{
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0)
        return std::max(remembered, 1);
    const int fits = std::min(usable.w / I_SCREEN_WIDTH, usable.h / I_SCREEN_HEIGHT);
    return std::clamp(remembered > 0 ? std::min(remembered, fits) : fits, 1,
                      remembered > 0 ? int(I_MAX_WINDOW_SCALE) : maxStartScale);
}

// Shows the last frame again (after an expose or a resize). The window's own pixels still
// hold it unless the window changed size; then the next frame due paints them afresh.
void Redraw()
{
    if (!renderer) {
        if (!painted || SDL_UpdateWindowSurface(window) != 0)
            I_MarkFrameDue();
        return;
    }
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    const I_Rect fit = I_FitDisplay(w, h);
    const SDL_Rect where{fit.x, fit.y, fit.w, fit.h};
    // Black around the picture; a picture that fills the window has nothing around it.
    if (fit.w != w || fit.h != h) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    SDL_RenderCopy(renderer, texture, nullptr, &where);
    SDL_RenderPresent(renderer);
}

// Maps new window pixels into the program in one step. Touching them one page at a time,
// as the first frame would, takes some ten microseconds a page on virtual machines: a
// hundredth of a second for a window twice the picture's size.
void MapPixels(const SDL_Surface* s)
{
#ifdef MADV_POPULATE_WRITE
    const auto page = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<uintptr_t>(s->pixels) & ~(page - 1);
    const auto to = reinterpret_cast<uintptr_t>(s->pixels) + size_t(s->pitch) * size_t(s->h);
    madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
#else
    (void)s;
#endif
}

bool Is32BitColour(const SDL_Surface* s)
{
    return s->format->format == SDL_PIXELFORMAT_RGB888 || s->format->format == SDL_PIXELFORMAT_ARGB8888;
}

void PresentToWindow(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    SDL_Surface* out = SDL_GetWindowSurface(window);
    if (!out)
        return;
    const I_Rect fit = I_FitDisplay(out->w, out->h);
    // Black around the picture, painted once for each new set of window pixels; a picture
    // that fills the window leaves them to the picture rather than writing them twice.
    if (out != painted || out->w != paintedW || out->h != paintedH) {
        MapPixels(out);
        if (fit.w != out->w || fit.h != out->h)
            SDL_FillRect(out, nullptr, 0);
        painted = out;
        paintedW = out->w;
        paintedH = out->h;
    }
    const int scale = fit.w / I_SCREEN_WIDTH;
    if (Is32BitColour(out) && scale >= 1 && fit.w == scale * I_SCREEN_WIDTH && fit.h == scale * I_SCREEN_HEIGHT) {
        if (SDL_LockSurface(out) != 0)
            return;
        auto* at = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(out->pixels) + size_t(fit.y) * out->pitch);
        I_ConvertFrame(pixels, pitch, rgb, at + fit.x, out->pitch / 4, scale);
        SDL_UnlockSurface(out);
    } else {
        // A window smaller than the picture, or pixels in another format: SDL converts.
        if (!frame)
            frame = SDL_CreateRGBSurfaceWithFormat(0, I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 32, SDL_PIXELFORMAT_RGB888);
        if (!frame)
            return;
        I_ConvertFrame(pixels, pitch, rgb, static_cast<uint32_t*>(frame->pixels), frame->pitch / 4);
        SDL_Rect where{fit.x, fit.y, fit.w, fit.h};
        SDL_BlitScaled(frame, nullptr, out, &where);
    }
    SDL_UpdateWindowSurface(window);
}

void PresentThroughRenderer(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    void* out = nullptr;
    int outPitch = 0;
    if (SDL_LockTexture(texture, nullptr, &out, &outPitch) != 0)
        return;
    I_ConvertFrame(pixels, pitch, rgb, static_cast<uint32_t*>(out), outPitch / 4);
    SDL_UnlockTexture(texture);
    Redraw();
}

void Present(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    if (renderer)
        PresentThroughRenderer(pixels, pitch, rgb);
    else
        PresentToWindow(pixels, pitch, rgb);
}

void ShowCursor(bool show)
{
    // Hides the pointer over the window only.
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

// The window's own pixels, painted by the first frame, or else a renderer and its texture.
bool StartDrawing()
{
    if (!SDL_GetHint(SDL_HINT_RENDER_DRIVER)) {
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (SDL_GetWindowSurface(window))
            return true;
    }
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer)
        return false;
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, I_SCREEN_WIDTH,
                                I_SCREEN_HEIGHT);
    if (!texture)
        return false;
    // The picture covers its place: nothing to blend.
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    void* out = nullptr;
    int outPitch = 0;
    if (SDL_LockTexture(texture, nullptr, &out, &outPitch) == 0) {
        std::memset(out, 0, size_t(outPitch) * I_SCREEN_HEIGHT);
        SDL_UnlockTexture(texture);
    }
    Redraw();
    return true;
}

} // namespace

bool VideoInit(bool startFullscreen, int rememberedScale, std::string& error)
{
    fullscreen = startFullscreen;
    const int scale = StartScale(rememberedScale);
    Uint32 flags = SDL_WINDOW_RESIZABLE;
    if (fullscreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow("Taltrix", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              I_SCREEN_WIDTH * scale, I_SCREEN_HEIGHT * scale, flags);
    if (!window || !StartDrawing()) {
        error = std::string("cannot open the window: ") + SDL_GetError();
        VideoShutdown();
        return false;
    }
    SDL_SetWindowMinimumSize(window, I_SCREEN_WIDTH / 4, I_SCREEN_HEIGHT / 4);
    return true;
}

void RememberWindow()
{
    if (!window)
        return;
    I_DisplaySettings now = displaySettings;
    now.fullscreen = fullscreen;
    // A fullscreen window's size is the desktop's: the scale it had as a window stays.
    if (!fullscreen) {
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        now.scale = std::clamp(std::min(w / I_SCREEN_WIDTH, h / I_SCREEN_HEIGHT), 1,
                               int(I_MAX_WINDOW_SCALE));
    }
    if (now == displaySettings)
        return;
    displaySettings = now;
    if (!I_SaveDisplaySettings())
        std::fprintf(stderr, "taltrix: cannot keep the window's size for later runs\n");
}

void VideoShutdown()
{
    if (texture)
        SDL_DestroyTexture(texture);
    if (renderer)
        SDL_DestroyRenderer(renderer);
    if (window)
        SDL_DestroyWindow(window);
    SDL_FreeSurface(frame);
    texture = nullptr;
    renderer = nullptr;
    window = nullptr;
    frame = nullptr;
    painted = nullptr;
}

SDL_Window* Window()
{
    return window;
}

bool IsFullscreen()
{
    return fullscreen;
}

void ToggleFullscreen()
{
    const Uint32 mode = fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP;
    if (SDL_SetWindowFullscreen(window, mode) == 0)
        fullscreen = !fullscreen;
    KeepFocus();
}

void KeepFocus()
{
    settledAt = SDL_GetTicks();
}

void HandleWindowEvent(const SDL_WindowEvent& e)
{
    switch (e.event) {
    case SDL_WINDOWEVENT_SHOWN:
        I_PostMessage(I_MSG_PAINT);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        I_PostMessage(I_MSG_PAINT);
        Redraw();
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        Redraw();
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        ForgetHeldInput();
        if (settledAt == 0 || SDL_GetTicks() - settledAt > focusSettleMs)
            I_PostMessage(I_MSG_KILLFOCUS, fullscreen ? 1 : 0);
        break;
    default:
        break;
    }
}

const I_VideoModule videoModule = {Present, ShowCursor};

} // namespace sdl
