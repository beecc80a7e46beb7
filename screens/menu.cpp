// The main menu: the menu picture fades in with a prompt blinking at the bottom; the first
// Enter, Space or Escape grows the box of six items. The arrows move the highlight, Enter
// or Space chooses on release, Escape asks whether to leave, and a secret word typed here
// opens the development menu.
#include "screens/menu.h"

#include <algorithm>
#include <cstring>

#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "game/world.h"
#include "gamemode/frame.h"
#include "gamemode/savegame.h"
#include "gamemode/setup.h"
#include "gfx/bitmap.h"
#include "gfx/gui.h"
#include "gfx/text.h"
#include "input/input.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "screens/difficulty.h"
#include "screens/screen_kit.h"

int32_t menuState = MENU_PROMPT;
int32_t menuSelection = 0;
int32_t gameStartPending = 0;
int32_t secondDifficultyPending = 0;
Q2SL_drawBuffer menuView;
Q2SL_sprite menuItems[MENU_ITEMS];

namespace {

enum { PROMPT_SHOWN_FRAMES = 20, PROMPT_HIDDEN_FRAMES = 5, LONG_FADE_STEPS = 35, SHORT_FADE_STEPS = 10 };
enum { MENU_FRAME_MS = 17, BOX_GROW_STEPS = 20, LATCHES_CLEARED = 64 };
enum { FIXED_SHIFT = 8 };  // the box corners are kept with 8 fraction bits

// The menu box and where the items sit in it.
constexpr int MENU_VIEW_X = 102, MENU_VIEW_Y = 170, MENU_VIEW_W = 436, MENU_VIEW_H = 255;
constexpr int ITEM_X = 4;
constexpr int itemY[MENU_ITEMS] = {2, 40, 82, 127, 170, 212};
// The line along the bottom of the screen the box grows out of.
constexpr int BOX_START[4] = {7, 466, 632, 466};

// The secret word, ended by a 0 entry.
constexpr uint32_t secretSequence[9] = {DIK_T, DIK_A, DIK_L, DIK_T, DIK_R, DIK_I, DIK_X, 0, 0};

BitmapFile menuBitmap;        // "MainMenu.bmp" as read, until copied into its buffer
Q2SL_drawBuffer menuPicture;  // the menu picture, redrawn under everything
Q2SL_drawBuffer saveUnder;    // the screen behind the growing box
Q2SL_sprite prompt;           // the blinking invitation at the bottom of the screen
int promptCountdown;          // frames left in the prompt's current phase
int promptShown;              // 1 while the prompt is drawn
int keyLatch[256];            // 1 while a key is held, so that one press acts once
int sequencePosition;         // how much of the secret word has been typed
int sequenceKeyDown;          // 1 while the next key of the word is held
int32_t boxRect[4];           // the menu box's corners, fixed point
bool firstMenuStart = true;   // the menu view is attached on the first set-up, re-attached later

int SetupFailed(const char* text)
{
    ErrorBox(text);
    ReinstallBox();
    ExitWindowsLoop();
    return 0;
}

// A picture that cannot be used ends the program after its one box.
int PictureFailed(const char* text)
{
    ErrorBox(text);
    SetProgramState(MODE_QUIT);
    return 0;
}

bool IsMenuPicture(const BitmapFile& bitmap)
{
    const BITMAPINFOHEADER& info = bitmap.infoHeader;
    return bitmap.buffer && info.biBitCount == 8 && info.biWidth == I_SCREEN_WIDTH &&
           info.biHeight == I_SCREEN_HEIGHT;
}

int LoadMenuPicture()
{
    if (!Load_Bitmap_File(&menuBitmap, "MainMenu.bmp") || !IsMenuPicture(menuBitmap))
        return PictureFailed("Can't load file MainMenu.bmp");
    if (!MakeScreenBuffer(menuPicture))
        return PictureFailed("Can't make MainMenu Surface: 640x480x8");
    menuPicture.Lock();
    for (int y = 0; y < I_SCREEN_HEIGHT; y++)
        std::memcpy(menuPicture.pixels + y * menuPicture.pitch, menuBitmap.buffer + y * I_SCREEN_WIDTH,
                    I_SCREEN_WIDTH);
    menuPicture.Unlock();
    return 1;
}

int ShowBlackPalette()
{
    if (!screen.AttachPalette(fadeCurrentPal))
        return SetupFailed("Attach Palette Failed");
    blackPalette.Set();
    return 1;
}

int CreateMenuBuffers()
{
    dBuffer.ReleaseSurface();
    dBuffer.width = dBuffer.viewWidth = I_SCREEN_WIDTH;
    dBuffer.height = dBuffer.viewHeight = I_SCREEN_HEIGHT;
    dBuffer.viewX = dBuffer.viewY = 0;
    if (!dBuffer.CreateSurface(8, 1))
        return SetupFailed("Can't create dBuffer surface");
    if (firstMenuStart)
        menuView.Attach(&dBuffer);
    else
        menuView.Reattach(&dBuffer);
    menuView.viewX = MENU_VIEW_X;
    menuView.viewY = MENU_VIEW_Y;
    menuView.viewWidth = MENU_VIEW_W;
    menuView.viewHeight = MENU_VIEW_H;
    return 1;
}

// The fonts and the menu's sprites; the menu takes its types by position, so a file that
// lacks one of them is a broken file.
int LoadMenuFiles()
{
    if (!LoadSpriteFile(fontsFile, "GFonts.qsl", "Can't find MFonts.QSL\nTry Re-Installing Taltrix.",
                        "There is a problem in the file MFonts.QSL."))
        return 0;
    if (fontsFile.fonts.count < FONT_COUNT)
        return SetupFailed("There is a problem in the file MFonts.QSL.");
    for (int f = 0; f < FONT_COUNT; f++)
        gameFonts[f] = fontsFile.fonts.items[f];
    if (!LoadSpriteFile(gameFile, "ZQMenu.qsl", "Can't find ZQMenu.QSL", "There is a problem in the file ZQMenu.QSL."))
        return 0;
    if (gameFile.spriteTypes.count < MT_COUNT || gameFile.spriteTypes.items[MT_MENU_ITEMS]->numAnims < MENU_ITEMS)
        return SetupFailed("There is a problem in the file ZQMenu.QSL.");
    return 1;
}

void AssignSprites()
{
    prompt.SetType(gameFile.spriteTypes.items[MT_PROMPT]);
    prompt.SetAnim(0);
    prompt.x = I_SCREEN_WIDTH / 2 - prompt.width / 2;
    prompt.y = I_SCREEN_HEIGHT - 1 - prompt.height;
    for (int i = 0; i < MENU_ITEMS; i++) {
        menuItems[i].SetType(gameFile.spriteTypes.items[MT_MENU_ITEMS]);
        menuItems[i].SetAnim(i);
        menuItems[i].x = ITEM_X;
        menuItems[i].y = itemY[i];
    }
}

void DrawMenu()
{
    const int x1 = boxRect[0] >> FIXED_SHIFT, y1 = boxRect[1] >> FIXED_SHIFT;
    const int x2 = boxRect[2] >> FIXED_SHIFT, y2 = boxRect[3] >> FIXED_SHIFT;
    menuPicture.Draw(&dBuffer);
    dBuffer.Lock();
    DrawBox(&dBuffer, x1, y1, x2, y2, boxEdgeColor, boxFaceColor, boxShadeColor);
    dBuffer.Unlock();
    DrawFilledRect(&dBuffer, x1, y1, x2, y2, 0);
    for (Q2SL_sprite& item : menuItems)
        item.DrawNoHSR(&menuView);
}

// One frame of the prompt: it blinks, shown for 20 frames and hidden for 5.
void PromptFrame()
{
    if (promptCountdown != 0) {
        screen.Vsync();
    } else {
        promptShown = !promptShown;
        if (promptShown) {
            prompt.DrawNoHSR(&dBuffer);
            promptCountdown = PROMPT_SHOWN_FRAMES;
        } else {
            menuPicture.Draw(&dBuffer);
            promptCountdown = PROMPT_HIDDEN_FRAMES;
        }
        PresentBackBuffer();
    }
    promptCountdown--;
}

void OpenMenuBox()
{
    menuSelection = 0;
    sequencePosition = 0;
    gameStartPending = 0;
    menuPicture.Draw(&dBuffer);
    KeepBackBuffer(saveUnder);
    BoxGrow(&dBuffer, &screen, KeptScreen(saveUnder), BOX_GROW_STEPS, BOX_START[0],
            BOX_START[1], BOX_START[2], BOX_START[3], MENU_VIEW_X, MENU_VIEW_Y, MENU_VIEW_X + MENU_VIEW_W,
            MENU_VIEW_Y + MENU_VIEW_H);
    const int32_t box[4] = {MENU_VIEW_X, MENU_VIEW_Y, MENU_VIEW_X + MENU_VIEW_W, MENU_VIEW_Y + MENU_VIEW_H};
    for (int i = 0; i < 4; i++)
        boxRect[i] = box[i] << FIXED_SHIFT;
    for (Q2SL_sprite& item : menuItems)
        item.SetFrame(MENU_FRAME_NORMAL);
    menuItems[menuSelection].SetFrame(MENU_FRAME_HIGHLIGHT);
    saveUnder.ReleaseSurface();
    DrawMenu();
    PresentBackBuffer();
    menuState = MENU_ACTIVE;
    Start_Clock();
}

void StartChosenGame()
{
    SetProgramState(MODE_GAME);
    gameStartPending = 0;
    difficultyChosen = 0;
    soundGroups[SND_TELEPORT].Play(0);
}

// After a difficulty was chosen: start the game, or ask player 2 first. True when the
// game starts, which ends the frame.
bool GameStartStep()
{
    if (playersLeft == 1) {
        StartChosenGame();
        VsyncFade(GamePalette(), whitePalette, SHORT_FADE_STEPS);
        return true;
    }
    if (secondDifficultyPending == 1) {
        askPlayer = 1;
        SetSubState(OVERLAY_DIFFICULTY);
        secondDifficultyPending = 2;
        return false;
    }
    StartChosenGame();
    StandardFade(GamePalette(), whitePalette, SHORT_FADE_STEPS);
    return true;
}

// An arrow key moves the highlight once per press, wrapping round at both ends. True while
// the key is held, which ends the frame.
bool MoveHighlight(const uint8_t keys[256], int code, int step)
{
    if (!KeyDown(keys, code)) {
        keyLatch[code] = 0;
        return false;
    }
    if (keyLatch[code])
        return true;
    menuItems[menuSelection].SetFrame(MENU_FRAME_NORMAL);
    menuSelection = (menuSelection + step + MENU_ITEMS) % MENU_ITEMS;
    menuItems[menuSelection].SetFrame(MENU_FRAME_HIGHLIGHT);
    DrawMenu();
    dBuffer.Draw(&screen);
    keyLatch[code] = 1;
    soundGroups[SND_FUTURE_S].Play(0);
    return false;
}

void OpenExitConfirmation()
{
    guiTarget = &dBuffer;
    SetSubState(OVERLAY_EXIT);
}

void NewGame(int players)
{
    playersLeft = numPlayers = players;
    inGame[0] = 1;
    inGame[1] = players == 2;
    SetSubState(OVERLAY_DIFFICULTY);
    gameStartPending = 1;
    loadGameRequested = 0;
}

void LoadSavedGame()
{
    if (!CheckSavedGame(1)) {
        PrintStr(gameFonts[FONT_NORMAL], &screen, 2, 449, "There is no saved game to load.");
        return;
    }
    playersLeft = numPlayers = 1;
    inGame[0] = 1;
    inGame[1] = 0;
    SetDifficulty(0, 3);
    SetProgramState(MODE_GAME);
    gameStartPending = 1;
    loadGameRequested = 1;
    soundGroups[SND_TELEPORT].Play(0);
    StandardFade(GamePalette(), whitePalette, LONG_FADE_STEPS);
}

void ChooseItem()
{
    switch (menuSelection) {
    case MENU_ONE_PLAYER:
        NewGame(1);
        break;
    case MENU_LOAD_GAME:
        LoadSavedGame();
        break;
    case MENU_TWO_PLAYERS:
        NewGame(2);
        secondDifficultyPending = 1;
        askPlayer = 0;
        break;
    case MENU_OPTIONS:
        SetSubState(OVERLAY_OPTIONS);
        break;
    case MENU_HELP:
        SetSubState(OVERLAY_HELP);
        break;
    case MENU_EXIT:
        OpenExitConfirmation();
        break;
    }
}

// Enter or Space choose the highlighted item when they are released. True while either
// is held, which ends the frame.
bool ChooseOnRelease(const uint8_t keys[256])
{
    bool held = false;
    for (int code : {DIK_SPACE, DIK_RETURN}) {
        if (KeyDown(keys, code)) {
            keyLatch[code] = 1;
            held = true;
        }
    }
    if (held)
        return true;
    if (keyLatch[DIK_SPACE] || keyLatch[DIK_RETURN]) {
        keyLatch[DIK_SPACE] = keyLatch[DIK_RETURN] = 0;
        ChooseItem();
    }
    return false;
}

bool IsLetter(int code)
{
    return (code >= DIK_Q && code <= DIK_P) || (code >= DIK_A && code <= DIK_L) || (code >= DIK_Z && code <= DIK_M);
}

bool AnyLetterDown(const uint8_t keys[256])
{
    for (int code = 0; code < 256; code++)
        if (IsLetter(code) && KeyDown(keys, code))
            return true;
    return false;
}

void ActiveFrame()
{
    Wait_Clock(MENU_FRAME_MS);
    Start_Clock();
    screen.Vsync();
}

}  // namespace

MenuLine MenuItemLine(int item)
{
    const Q2SL_sprite& s = menuItems[item];
    const int32_t x1 = menuView.viewX + s.x;
    return {x1, x1 + s.width, menuView.viewY + s.y + s.height / 2};
}

void ResetSecretSequence()
{
    sequencePosition = 0;
    sequenceKeyDown = 0;
}

bool SecretSequenceStep(const uint8_t keys[256])
{
    const uint32_t code = secretSequence[sequencePosition];
    if (KeyDown(keys, int(code))) {
        sequenceKeyDown = 1;
        return false;
    }
    if (sequenceKeyDown) {
        sequenceKeyDown = 0;
        sequencePosition++;
        if (secretSequence[sequencePosition] == 0) {
            sequencePosition = 0;
            return true;
        }
        return false;
    }
    if (AnyLetterDown(keys))
        sequencePosition = 0;
    return false;
}

void MenuStart()
{
    boxEdgeColor = 7;
    boxFaceColor = 23;
    boxShadeColor = 25;
    menuState = MENU_PROMPT;
    promptCountdown = PROMPT_SHOWN_FRAMES;
    promptShown = 1;
    sequenceKeyDown = 0;
    std::fill(keyLatch, keyLatch + LATCHES_CLEARED, 0);
    windowPainted = 0;
    screenStarted = 0;
    if (!screen.SetVideoMode(I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 8)) {
        SetupFailed("Can't set menu screen mode");
        return;
    }
    const bool ready = LoadMenuPicture() && LoadGamePalette() && ShowBlackPalette() && CreateMenuBuffers() &&
                       LoadMenuFiles() && DirectInputInit();
    Unload_Bitmap_File(&menuBitmap);
    if (!ready)
        return;
    AssignSprites();
    MIDI_PlayFile("midi\\dand27.mid");
    firstMenuStart = false;
}

void Menu()
{
    if (windowPainted) {
        menuPicture.Draw(&dBuffer);
        dBuffer.Draw(&screen);
        StandardFade(blackPalette, GamePalette(), LONG_FADE_STEPS);
        windowPainted = 0;
        screenStarted = 1;
    } else if (!screenStarted) {
        return;
    }
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return;
    }
    if (menuState == MENU_PROMPT) {
        if (KeyDown(keys, DIK_RETURN) || KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_ESCAPE)) {
            menuState = MENU_OPENING;
            soundGroups[SND_PASS2].Play(0);
            return;
        }
        PromptFrame();
        return;
    }
    if (menuState == MENU_OPENING) {
        OpenMenuBox();
        return;
    }
    ActiveFrame();
    if (quitRequested == 1) {
        soundGroups[SND_SHUTDOWN].Play(0);
        VsyncFade(GamePalette(), blackPalette, LONG_FADE_STEPS);
        SetProgramState(MODE_QUIT);
        return;
    }
    if (gameStartPending == 1 && difficultyChosen == 1 && GameStartStep())
        return;
    if (difficultyChosen == 0)
        gameStartPending = 0;
    if (MoveHighlight(keys, DIK_UP, -1) || MoveHighlight(keys, DIK_DOWN, +1))
        return;
    if (KeyDown(keys, DIK_ESCAPE))
        OpenExitConfirmation();
    if (ChooseOnRelease(keys))
        return;
    if (SecretSequenceStep(keys))
        SetSubState(OVERLAY_DEVMENU);
}

void MenuEnd()
{
    screen.Vsync();
    DD_Fill_Surface(dBuffer.surface, 0);
    menuPicture.ReleaseSurface();
    DirectInputShutdown();
}
