// The exit confirmation ("Are you sure you want to exit?", Yes or No, the chosen answer
// blinking) and the pause ("Paused" until a key or the player's button is pressed). Both
// grow their box out of the top left corner over a saved copy of the screen and shrink it
// back when they close.
#include "screens/pause_exit.h"

#include "app/settings.h"
#include "app/shell.h"
#include "app/state.h"
#include "audio/sound.h"
#include "game/world.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "gfx/gui.h"
#include "gfx/sprite.h"
#include "gfx/text.h"
#include "input/input.h"
#include "platform/keys.h"
#include "screens/screen_kit.h"

namespace {

enum { BOX_GROW_STEPS = 20, BLINK_PERIOD = 11, BLINK_HIDDEN_UNTIL = 4, CORNER = 7 };
enum { PAUSE_HALF_WIDTH = 59, PAUSE_HALF_HEIGHT = 15 };

struct Box {
    int32_t x1, y1, x2, y2;
};

constexpr Box cornerBox = {CORNER, CORNER, CORNER, CORNER};

// Grows (or shrinks) a box from one rectangle to another over the saved screen.
void GrowBox(Q2SL_drawBuffer& saved, const Box& from, const Box& to)
{
    BoxGrow(&dBuffer, &screen, KeptScreen(saved), BOX_GROW_STEPS, from.x1, from.y1, from.x2, from.y2,
            to.x1, to.y1, to.x2, to.y2);
}

// ---------------------------------------------------------------------------------------
// Exit confirmation

Q2SL_drawBuffer exitSaved;  // the screen behind the exit confirmation
Q2SL_sprite exitDialog;     // the dialog's picture, centred in the dialogs' target
int blinkCounter;           // 0 to 10: the chosen answer is hidden while it is 4 or less
int escapeLatch;            // 1 while Escape is held

Box DialogBox()
{
    return {exitDialog.x + 4, exitDialog.y + 4, exitDialog.x + exitDialog.width - 5,
            exitDialog.y + exitDialog.height - 5};
}

void PlaceDialog()
{
    Q2SL_spriteType* type = gameFile.spriteTypes.count > 0 ? gameFile.spriteTypes.items[0] : nullptr;
    exitDialog.SetType(type);
    exitDialog.SetAnim(0);
    exitDialog.SetFrame(0);
    exitDialog.x = guiTarget->viewWidth / 2 - exitDialog.width / 2;
    exitDialog.y = guiTarget->viewHeight / 2 - exitDialog.height / 2;
}

void ExitSetUp()
{
    quitRequested = 0;
    PlaceDialog();
    KeepBackBuffer(exitSaved);
    soundGroups[SND_PASS2].Play(0);
    GrowBox(exitSaved, cornerBox, DialogBox());
    if (exitSaved.surface)
        exitSaved.Draw(&dBuffer);
    exitDialog.DrawNoHSR(guiTarget);
    PresentBackBuffer();
}

void DrawAnswer(const char* text, int32_t answer, int32_t x, int32_t y)
{
    if (quitRequested == answer && blinkCounter <= BLINK_HIDDEN_UNTIL)
        return;
    PrintStr(gameFonts[FONT_NORMAL], guiTarget, x, y, text);
}

void DrawDialog()
{
    const int32_t x = exitDialog.x, y = exitDialog.y;
    exitDialog.DrawNoHSR(guiTarget);
    PrintStr(gameFonts[FONT_EMPHASIS], guiTarget, x + 13, y + 5, "Are you sure you");
    PrintStr(gameFonts[FONT_EMPHASIS], guiTarget, x + 35, y + 27, "want to exit?");
    DrawAnswer("Yes", 1, x + 50, y + 59);
    DrawAnswer("No", 0, x + 203, y + 59);
}

void Answer(int32_t yes)
{
    quitRequested = yes;
    SetSubState(OVERLAY_NONE);
}

void ExitFrame()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return;
    }
    DrawDialog();
    blinkCounter = (blinkCounter + 1) % BLINK_PERIOD;
    PresentBackBuffer();
    if (KeyDown(keys, DIK_LEFT) && quitRequested == 0) {
        quitRequested = 1;
        soundGroups[SND_FUTURE_S].Play(StereoPan(-5000));
    }
    if (KeyDown(keys, DIK_RIGHT) && quitRequested == 1) {
        quitRequested = 0;
        soundGroups[SND_FUTURE_S].Play(StereoPan(5000));
    }
    if (KeyDown(keys, DIK_ESCAPE)) {
        if (!escapeLatch)
            Answer(0);
        escapeLatch = 1;
    } else {
        escapeLatch = 0;
    }
    if (KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_RETURN))
        Answer(quitRequested);
    if (KeyDown(keys, DIK_Y))
        Answer(1);
    if (KeyDown(keys, DIK_N))
        Answer(0);
}

void ExitTearDown()
{
    soundGroups[SND_PASS].Play(0);
    GrowBox(exitSaved, DialogBox(), cornerBox);
    RestoreKeptScreen(exitSaved);
}

// ---------------------------------------------------------------------------------------
// Pause

Q2SL_drawBuffer pauseSaved;  // the screen behind the pause box

// The pause box, centred on the playfield.
Box PauseBox()
{
    const int32_t cx = playfieldBuffer.viewX + playfieldBuffer.viewWidth / 2;
    const int32_t cy = playfieldBuffer.viewY + playfieldBuffer.viewHeight / 2;
    return {cx - PAUSE_HALF_WIDTH, cy - PAUSE_HALF_HEIGHT, cx + PAUSE_HALF_WIDTH, cy + PAUSE_HALF_HEIGHT};
}

void PauseSetUp()
{
    KeepBackBuffer(pauseSaved);
    soundGroups[SND_PASS2].Play(0);
    GrowBox(pauseSaved, cornerBox, PauseBox());
    const Q2SL_drawBuffer& field = playfieldBuffer;
    PrintStr(gameFonts[FONT_NORMAL], &dBuffer, field.viewX + field.viewWidth / 2 - 51,
             field.viewHeight / 2 + field.viewY - 13, "Paused");
    PresentBackBuffer();
}

// Button 0 of the current player's mouse, joystick or gamepad ends the pause too. False
// when the device cannot be read (the program then ends).
bool PlayerButton(bool& pressed)
{
    pressed = false;
    switch (inputDevice[currPlayer]) {
    case DEVICE_MOUSE: {
        DIMouseState mouse{};
        if (!ReadMouse(mouse)) {
            DeviceReadFailed("Can't read mouse");
            return false;
        }
        pressed = mouse.rgbButtons[0] & 0x80;
        return true;
    }
    case DEVICE_JOYSTICK:
    case DEVICE_GAMEPAD: {
        const bool joystick = inputDevice[currPlayer] == DEVICE_JOYSTICK;
        DIJoyState joy{};
        if (!(joystick ? ReadJoystick(joy) : ReadGamepad(joy))) {
            DeviceReadFailed(joystick ? "Can't read joystick" : "Can't read gamepad");
            return false;
        }
        pressed = joy.rgbButtons[0] & 0x80;
        return true;
    }
    default:
        return true;
    }
}

void PauseFrame()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return;
    }
    PresentBackBuffer();
    for (int code : {DIK_SPACE, DIK_ESCAPE, DIK_RETURN, DIK_P}) {
        if (KeyDown(keys, code)) {
            SetSubState(OVERLAY_NONE);
            return;
        }
    }
    bool pressed;
    if (PlayerButton(pressed) && pressed)
        SetSubState(OVERLAY_NONE);
}

void PauseTearDown()
{
    soundGroups[SND_PASS].Play(0);
    GrowBox(pauseSaved, PauseBox(), cornerBox);
    RestoreKeptScreen(pauseSaved);
}

}  // namespace

void ExitSub(int phase)
{
    RunOverlayPhase(phase, ExitSetUp, ExitFrame, ExitTearDown);
}

void PauseSub(int phase)
{
    RunOverlayPhase(phase, PauseSetUp, PauseFrame, PauseTearDown);
}

void PauseOnFocusLoss()
{
    if (programState != MODE_GAME || programStateChanged || subState != OVERLAY_NONE || subStateChanged)
        return;
    // The pause keeps the game's picture behind its box, as P in the game does.
    screen.Draw(&dBuffer);
    SetSubState(OVERLAY_PAUSE);
}
