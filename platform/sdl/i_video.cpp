// The real display: a window showing the 640 x 480 picture through the palette, scaled by
// a whole factor with nearest filtering, black around it.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/display.h"
#include "platform/display_settings.h"
#include "platform/sdl/sdl_backend.h"

namespace sdl {

namespace {

constexpr int maxStartScale = 3;   // a window never opens larger than three times the picture

SDL_Window* window;                // the game window
SDL_Renderer* renderer;            // draws into it
SDL_Texture* texture;              // the last frame, in 32-bit colour
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

// Draws the last frame again (after an expose, a resize or a new frame).
void Redraw()
{
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer, &w, &h);
    const I_Rect fit = I_FitDisplay(w, h);
    const SDL_Rect where{fit.x, fit.y, fit.w, fit.h};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, &where);
    SDL_RenderPresent(renderer);
}

void Present(const uint8_t* pixels, int pitch, const uint8_t rgb[256 * 3])
{
    void* out = nullptr;
    int outPitch = 0;
    if (SDL_LockTexture(texture, nullptr, &out, &outPitch) != 0)
        return;
    I_ConvertFrame(pixels, pitch, rgb, static_cast<uint32_t*>(out), outPitch / 4);
    SDL_UnlockTexture(texture);
    Redraw();
}

void ShowCursor(bool show)
{
    // Hides the pointer over the window only.
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
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
    if (window)
        renderer = SDL_CreateRenderer(window, -1, 0);
    if (renderer) {
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
        texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                    I_SCREEN_WIDTH, I_SCREEN_HEIGHT);
    }
    if (!texture) {
        error = std::string("cannot open the window: ") + SDL_GetError();
        VideoShutdown();
        return false;
    }
    SDL_SetWindowMinimumSize(window, I_SCREEN_WIDTH / 4, I_SCREEN_HEIGHT / 4);
    // Black until the game shows its first frame.
    void* out = nullptr;
    int outPitch = 0;
    if (SDL_LockTexture(texture, nullptr, &out, &outPitch) == 0) {
        std::memset(out, 0, size_t(outPitch) * I_SCREEN_HEIGHT);
        SDL_UnlockTexture(texture);
    }
    Redraw();
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
    texture = nullptr;
    renderer = nullptr;
    window = nullptr;
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
