// The game frame, in its fixed order.
#include "gamemode/frame.h"

#include <algorithm>

#include "app/settings.h"
#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/levelend.h"
#include "game/lives.h"
#include "game/pads.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/autoplay.h"
#include "gamemode/hud.h"
#include "gamemode/invariants.h"
#include "gamemode/levels.h"
#include "gamemode/savegame.h"
#include "gamemode/setup.h"
#include "gamemode/stats.h"
#include "gfx/gui.h"
#include "gfx/text.h"
#include "platform/keys.h"

DIMouseState mouseState;
DIJoyState joyState;
int32_t keyDirection = 0;
int32_t lastKeyDirection = 0;
int32_t keyHoldFrames = 0;
int32_t showFrameRate = 0;
int32_t showMomentum = 0;
int32_t showBlocksLeft = 0;
int32_t frameRate = 0;
int32_t quitRequested = 0;

static bool frameRateRestart = true;  // the next frame starts measuring the frame rate anew
static int frameCount = 0;            // frames since the frame rate was last measured
static uint32_t frameMark = 0;        // the clock mark taken after the last frame's wait

// A key latch: 1 while its key is held, so that a press acts once.
struct KeyLatch {
    int held = 0;

    // True in the frame the key goes down.
    bool Pressed(bool down)
    {
        const bool press = down && !held;
        held = down;
        return press;
    }
    // True in the frame the key comes up again.
    bool Released(bool down)
    {
        const bool release = !down && held;
        held = down;
        return release;
    }
};

static KeyLatch frameRateLatch, momentumLatch, blocksLeftLatch;
static KeyLatch saveLatch, loadLatch;
static KeyLatch replayLatch, previousLatch, nextLatch, firstLatch, lastLatch, backLatch, onLatch;

static bool KeyDown(int key)
{
    return keyboardState[key] & 0x80;
}

void RestartFrameRate()
{
    frameRateRestart = true;
}

void StandardFade(const Q2SL_palette& from, const Q2SL_palette& to, int steps)
{
    FadePalStart(from, to, steps);
    Start_Clock();
    do {
        Wait_Clock(17);
        Start_Clock();
        screen.Vsync();
    } while (!FadePal());
}

// A failed read of a device ends the program.
static void DeviceFailed(const char* text)
{
    ErrorBox(text);
    ReinstallBox();
    SetProgramState(MODE_QUIT);
}

// The momentum of a digital control: 0 at once, then 2 more on every third frame held.
static void MomentumRamp()
{
    if (keyDirection == 0 || keyDirection != lastKeyDirection) {
        padMomentum = 0;
        keyHoldFrames = 0;
        return;
    }
    if (++keyHoldFrames > 2) {
        padMomentum = keyDirection == 1 ? std::max(padMomentum - 2, -10) : std::min(padMomentum + 2, 10);
        keyHoldFrames = 0;
    }
}

// Left and right of a digital control, with its momentum ramp (keyboard and gamepad).
static void DigitalPad(bool left, bool right)
{
    if (gamePhase == GamePhase::Play) {
        keyDirection = 0;
        if (left) {
            padMove -= padKeyStep[currPlayer];
            keyDirection = 1;
        }
        if (right) {
            padMove += padKeyStep[currPlayer];
            keyDirection = keyDirection == 0 ? 2 : 0;
        }
        MomentumRamp();
    }
    lastKeyDirection = keyDirection;
}

// An analogue control: its x axis moves the pad, and gives the momentum at `full` counts.
static void AnaloguePad(int lX, double full)
{
    if (gamePhase != GamePhase::Play)
        return;
    keyDirection = 0;
    padMove += lX;
    padMomentum = std::clamp(int(lX / full * 10.0), -10, 10);
}

// Reads the current player's device and turns it into pad movement; false after a failure.
static bool PadInput()
{
    switch (inputDevice[currPlayer]) {
    case DEVICE_MOUSE:
        if (!ReadMouse(mouseState)) {
            DeviceFailed("Can't read mouse");
            return false;
        }
        AnaloguePad(mouseState.lX, 40.0);
        return true;
    case DEVICE_JOYSTICK:
        if (!ReadJoystick(joyState)) {
            DeviceFailed("Can't read joystick");
            return false;
        }
        AnaloguePad(joyState.lX, 30.0);
        return true;
    case DEVICE_GAMEPAD:
        if (!ReadGamepad(joyState)) {
            DeviceFailed("Can't read gamepad");
            return false;
        }
        DigitalPad(joyState.lX <= -2, joyState.lX >= 2);
        return true;
    default:
        DigitalPad(KeyDown(DIK_LEFT), KeyDown(DIK_RIGHT));
        return true;
    }
}

static bool FireDown()
{
    switch (inputDevice[currPlayer]) {
    case DEVICE_MOUSE:
        return mouseState.rgbButtons[0] != 0;
    case DEVICE_JOYSTICK:
    case DEVICE_GAMEPAD:
        return joyState.rgbButtons[0] != 0;
    default:
        return KeyDown(DIK_SPACE) || KeyDown(DIK_LCONTROL) || KeyDown(DIK_RCONTROL);
    }
}

static void DebugToggles()
{
    if (frameRateLatch.Pressed(KeyDown(DIK_F10)))
        showFrameRate = !showFrameRate;
    if (!devKeys)
        return;
    if (momentumLatch.Pressed(KeyDown(DIK_F9)))
        showMomentum = !showMomentum;
    if (blocksLeftLatch.Pressed(KeyDown(DIK_F8)))
        showBlocksLeft = !showBlocksLeft;
}

// Every pad grows or shrinks 2 pixels a frame about its centre towards its target width.
static void PadWidths()
{
    for (int p = 0; p < NUM_PADS; p++) {
        if (padTargetWidth[p] < padWidth[p]) {
            padWidth[p] -= 2;
            pads[p].x += 1;
        } else if (padTargetWidth[p] > padWidth[p]) {
            padWidth[p] += 2;
            pads[p].x -= 1;
        }
        if (pads[p].type)
            pads[p].type->boxWidth = uint16_t(padWidth[p]);
    }
}

static void MovePad0()
{
    Q2SL_sprite& pad = pads[0];
    pad.prevX = pad.x;
    pad.x += padMove;
    padMove = 0;
    if (pad.x < 0) {
        pad.x = 0;
        padMomentum = 0;
    }
    if (pad.x + padWidth[0] > FIELD_WIDTH) {
        pad.x = FIELD_WIDTH - padWidth[0];
        padMomentum = 0;
    }
}

static void PlayStep()
{
    if (FireDown()) {
        for (int i = 0; i < numBalls; i++) {
            if (balls[i].state == BALL_HELD) {
                balls[i].state = BALL_LAUNCH;
                ballStuck = 0;
            }
        }
        Shoot();
    }
    MovePad0();
    if (!flashOn) {
        MoveEnemies();
        EnemyCollideEnemyAll();
    }
}

// Pads, balls, enemies, bullets, capsules, effect timers and special blocks, in their order.
static void RunGameplay()
{
    PadWidths();
    if (gamePhase == GamePhase::Play)
        PlayStep();
    if (padActive[1])
        Pad1Move(0);
    if (padActive[2])
        Pad23Move(0);
    Taltrix(0);
    if (gamePhase == GamePhase::Play || gamePhase == GamePhase::LevelComplete) {
        if (!flashOn && gamePhase == GamePhase::Play) {
            BallCollideBallAll();
            for (int i = 0; i < numBalls; i++)
                if (balls[i].state != BALL_OUT)
                    MoveBall(i);
            CollidePowerUp();
            BallCollideEnemyAll();
        }
        MoveBullet();
    }
    if (gamePhase == GamePhase::AcquireBall)
        BallRespawn();
    if (!flashOn)
        MovePowerUps();
    if (notifyTimer > 0)
        notifyTimer--;
    UpdateShootCount();
    UpdateExplodeBlocks();
    ArrowRun();
    MoveAtoms();
    CheckExtraLife();
}

static void DrawBalls()
{
    for (int i = 0; i < numBalls; i++)
        if (balls[i].state != BALL_OUT)
            balls[i].DrawNoHSR(playfieldView);
}

static void DrawPads()
{
    for (int p = 1; p < NUM_PADS; p++)
        if (padActive[p])
            DrawPad(p);
    if (levelDoneStep != 3)
        DrawPad(0);
}

// The shadows of the field's sprites, with the back buffer locked once for the whole pass.
static void ShadowPass()
{
    if (shadowSetting == 0)
        return;
    shadowMode = shadowSetting;
    dBuffer.Lock();
    DrawBlocks();
    DrawExplodeBlocks();
    DrawAtoms();
    AnimateEnemies();
    DrawLives();
    DrawPads();
    DrawPowerUps();
    DrawBalls();
    DrawBullet();
    dBuffer.Unlock();
    shadowMode = 0;
}

static void NormalPass()
{
    DrawBalls();
    DrawBullet();
    DrawBlocks();
    DrawExplodeBlocks();
    DrawAtoms();
    DrawLives();
    DrawPads();
    DrawPowerUps();
    // Enemies always cast a solid shadow, whatever the setting.
    shadowMode = 1;
    DrawEnemies();
    shadowMode = 0;
    DrawEnemies();
    AnimateEnemies();
    PowerUpNotifyDraw();
    DrawParticles();
    DoMessage();
    DrawStatus();
    ReadyMessageCount();
    GoMessageCount();
    GameOverMessageCount();
    if (gamePhase == GamePhase::LevelComplete) {
        DoLevelComplete();
        levelCompleteSprite.DrawNoHSR(playfieldView);
    }
}

static void DebugDisplays()
{
    if (showMomentum)
        PrintStr(gameFonts[FONT_NORMAL], playfieldView, FIELD_WIDTH - 40, 2, "%i10\n", padMomentum);
    if (showBlocksLeft)
        PrintStr(gameFonts[FONT_NORMAL], playfieldView, FIELD_WIDTH / 2, 2, "%i10\n", blocksLeft[currPlayer]);
    if (showFrameRate)
        PrintStr(gameFonts[FONT_NORMAL], playfieldView, 2, 2, "%i10\n", frameRate);
}

// Shows the frame, then waits out the rest of its 25 ms; measures the frame rate.
static void PresentAndPace()
{
    if (frameRateRestart) {
        frameMark = Start_Clock();
        frameCount = 0;
        frameRateRestart = false;
    }
    dBuffer.Draw(&screen);
    frameCount++;
    Wait_Clock(25);
    const uint32_t previous = frameMark;
    frameMark = Start_Clock();
    if (frameCount == 40) {
        if (frameMark != previous)
            frameRate = int32_t(1000.0 / double(frameMark - previous));
        frameCount = 0;
    }
}

// Sends the game to another level: the next-level step adds one to the level given here.
static void JumpTo(int32_t level)
{
    playerLevel[currPlayer] = level;
    levelEnd = LEVEL_END_NEXT;
}

// The developer keys that jump between levels, each on the frame its key is released.
static void DeveloperLevelKeys()
{
    const bool replay = replayLatch.Released(KeyDown(DIK_F7));
    const bool previous = previousLatch.Released(KeyDown(DIK_MINUS));
    const bool next = nextLatch.Released(KeyDown(DIK_EQUALS));
    const bool first = firstLatch.Released(KeyDown(DIK_HOME));
    const bool last = lastLatch.Released(KeyDown(DIK_END));
    const bool back = backLatch.Released(KeyDown(DIK_PRIOR));
    const bool on = onLatch.Released(KeyDown(DIK_NEXT));
    if (!devKeys || gamePhase == GamePhase::GameOver || gamePhase == GamePhase::LevelComplete)
        return;
    const int32_t level = playerLevel[currPlayer];
    if (replay)
        JumpTo(level - 1);
    if (previous && level > 0)
        JumpTo(level - 2);
    if (next)
        JumpTo(level);
    if (first && level != 0)
        JumpTo(-1);
    if (last && level != LAST_LEVEL)
        JumpTo(LAST_LEVEL - 1);
    if (back && level != 0)
        JumpTo(std::max(level - 6, -1));
    if (on && level != LAST_LEVEL)
        JumpTo(std::min(level + 4, LAST_LEVEL - 1));
}

static void LevelEndRequests()
{
    if (levelEnd == LEVEL_END_CLEARED) {
        RecordLevelCleared();
        MIDI_Stop();
        soundGroups[SND_ENTRANCE].Play(0);
        StartLevelComplete();
    } else if (levelEnd == LEVEL_END_NEXT) {
        if (playerLevel[currPlayer] != LAST_LEVEL) {
            soundGroups[SND_FLASH].Play(0);
            StandardFade(GamePalette(), whitePalette);
        }
        SetNextLevel();
    }
}

// A confirmed quit ends the current player's game; with two players the other plays on.
static void ConfirmedQuit()
{
    if (playersLeft == 2) {
        lives[currPlayer] = 0;
        GameOver();
    } else {
        EndGame();
    }
    quitRequested = 0;
}

void LevelLoop()
{
    levelEnd = LEVEL_END_NONE;
    if (windowPainted) {
        screenFrame.DrawNoHSR(&dBuffer);
        screenStarted = 1;
    } else if (!screenStarted) {
        return;
    }
    if (quitRequested) {
        ConfirmedQuit();
        return;
    }
    frameTick = frameTick == 2 ? 0 : frameTick + 1;
    CountGameFrame();
    AutoplayFrame();
    if (!ReadKeyboard(keyboardState)) {
        DeviceFailed("Can't read keyboard");
        return;
    }
    if (!PadInput())
        return;
    DebugToggles();
    RunGameplay();
    CheckInvariants();
    if (backgroundBuffer[currPlayer].surface)
        backgroundBuffer[currPlayer].Draw(playfieldView);
    ShadowPass();
    NormalPass();
    DebugDisplays();
    PresentAndPace();
    if (levelStartFlash) {
        StandardFade(whitePalette, GamePalette());
        levelStartFlash = 0;
    }
    if (!flashOn)
        BlockAnimate();
    if (KeyDown(DIK_ESCAPE) && gamePhase != GamePhase::GameOver) {
        GamePalette().Set();
        screen.Draw(&dBuffer);
        guiTarget = &playfieldBuffer;
        SetSubState(OVERLAY_EXIT);
        return;
    }
    if (KeyDown(DIK_P)) {
        screen.Draw(&dBuffer);
        SetSubState(OVERLAY_PAUSE);
        return;
    }
    DeveloperLevelKeys();
    LevelEndRequests();
    // F2 saves the game and F3 loads the saved one, outside the level-complete sequence.
    const bool save = saveLatch.Pressed(KeyDown(DIK_F2));
    const bool load = loadLatch.Pressed(KeyDown(DIK_F3));
    if (gamePhase == GamePhase::LevelComplete)
        return;
    if (save)
        SaveGame();
    if (load)
        StartLoadedLevel();
}
