// Game mode set-up: resources, fixed sprites, the block grid, the back buffer and its views,
// the devices and the first level; and the tear-down.
#include "gamemode/setup.h"

#include <cstdio>
#include <cstring>

#include "app/shell.h"
#include "app/state.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/levelend.h"
#include "game/lives.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/frame.h"
#include "gamemode/hud.h"
#include "gamemode/levels.h"
#include "gamemode/savegame.h"
#include "gamemode/stats.h"
#include "gamemode/trig_tables.h"
#include "gfx/gui.h"
#include "input/input.h"

Q2SL_file fontsFile;
Q2SL_file gameFile;
Q2SL_font* gameFonts[FONT_COUNT];
Q2SL_pcx gamePalPicture;
Q2SL_drawBuffer playfieldBuffer;
Q2SL_drawBuffer statusBuffer;
Q2SL_sprite screenFrame;
int32_t startLevelOption = 0;
int32_t loadGameRequested = 0;

// The views are attached to the back buffer by the first game of the run, re-attached later.
static bool firstGameInit = true;

// Before the first level file is read, every block shows this layout; a level file's code
// that the block type lacks leaves it showing.
static const struct {
    int cell;
    uint16_t code;
} builtInLayout[] = {
    {0, 3},   {1, 2},   {12, 5},  {13, 4},  {44, 25},  {51, 26},  {55, 25},
    {57, 27}, {61, 28}, {99, 29}, {101, 2}, {104, 30}, {110, 31}, {117, 32},
};

// Animations of the nine effect icons of a player, row by row; the middle one (the turn
// marker) has a sprite type of its own.
static const int effectIconAnims[EFFECTS_PER_PLAYER] = {0, 0, 9, 0, 0, 8, 10, 5, 7};
enum { TURN_MARKER_POSITION = 4, EFFECT_DURATION = 875 };

const Q2SL_palette& GamePalette()
{
    return gamePalPicture.palette;
}

// Shows a set-up failure with the re-install box and ends the program.
static int InitFailed(const char* text)
{
    ErrorBox(text);
    ReinstallBox();
    ExitWindowsLoop();
    return 0;
}

// The sprite type at position t of the game's sprite file, or null when the file lacks it.
static Q2SL_spriteType* GameType(int t)
{
    return uint32_t(t) < gameFile.spriteTypes.count ? gameFile.spriteTypes.items[t] : nullptr;
}

// Gives a sprite a type of the game's file and an animation of it, if the type has it.
static void Assign(Q2SL_sprite& s, int type, int anim)
{
    s.SetType(GameType(type));
    s.SetAnim(anim);
}

static void ResetGameState()
{
    notifyAnim = -1;
    extraLifeFlash = 0;
    taltrixOn = 0;
    flashOn = 0;
    inBlockCollide = 0;
    ResetTaltrix();
    shootPadActive = 0;
    shootCount = 10;
    stickyOn = 0;
    messageEnabled = 0;
    shadowOffsetX = 6;
    shadowOffsetY = 6;
    boxEdgeColor = 7;
    boxFaceColor = 23;
    boxShadeColor = 25;
}

int LoadGamePalette()
{
    gamePalPicture.Delete();
    if (!gamePalPicture.Load("GamePal.pcx"))
        return InitFailed("Problem in file GamePal.PCX");
    fadeCurrentPal.CopyColors(gamePalPicture.palette);
    return 1;
}

int LoadSpriteFile(Q2SL_file& file, const char* path, const char* missing, const char* corrupt)
{
    if (!file.OpenRead(path))
        return InitFailed(missing);
    if (!file.Read()) {
        file.Close();
        return InitFailed(corrupt);
    }
    file.Close();
    return 1;
}

// The fonts and the sprite types the game takes by position must all be in their files.
static int TakeFonts()
{
    if (fontsFile.fonts.count < FONT_COUNT)
        return InitFailed("There is a problem in the file GFonts.QSL.");
    for (int f = 0; f < FONT_COUNT; f++)
        gameFonts[f] = fontsFile.fonts.items[f];
    return 1;
}

static void AssignStatusSprites()
{
    for (int p = 0; p < NUM_PADS; p++) {
        Assign(padPieces[0][p], GT_PAD_PIECES, PIECE_LEFT_REST);
        Assign(padPieces[1][p], GT_PAD_PIECES, PIECE_RIGHT_REST);
        Assign(padPieces[2][p], GT_PAD_PIECES, PIECE_MIDDLE);
    }
    notifySprite.SetType(GameType(GT_NOTIFY));
    const int panelY[2] = {PANEL1_Y, PANEL2_Y};
    for (int p = 0; p < 2; p++) {
        Assign(playerPanels[p], GT_FRAME, FRAME_PLAYER_PANEL);
        playerPanels[p].x = 0;
        playerPanels[p].y = panelY[p];
        Assign(panelLifeIcons[p], GT_BALLS, BALL_NORMAL);
        panelLifeIcons[p].x = 104;
        panelLifeIcons[p].y = panelY[p] + 56;
    }
    Assign(extraLifeSparkle, GT_SPARKLE, 0);
    Assign(spareBallIcon, GT_BALLS, BALL_NORMAL);
    for (_ZQBullet& b : bullets) {
        b.active = 0;
        Assign(b.sprite, GT_BULLETS, BULLET_FLYING);
    }
    padSpriteType = GameType(GT_PAD);
    ballSpriteType = GameType(GT_BALLS);
    enemySpriteType = GameType(GT_ENEMIES);
    capsuleSpriteType = GameType(GT_POWERUPS);
    atomSpriteType = GameType(GT_ATOM);
    particleSpriteType = GameType(GT_PARTICLES);
}

static void AssignEffectIcons()
{
    const int panelY[2] = {PANEL1_Y, PANEL2_Y};
    for (int slot = 0; slot < NUM_EFFECT_SLOTS; slot++) {
        const int position = slot % EFFECTS_PER_PLAYER;
        Q2SL_sprite& icon = effectIcons[slot];
        Assign(icon, position == TURN_MARKER_POSITION ? GT_TURN_MARKER : GT_POWERUPS, effectIconAnims[position]);
        icon.x = 34 * (position % 3);
        icon.y = panelY[slot / EFFECTS_PER_PLAYER] + 54 + 28 * (position / 3);
        effectDuration[slot] = EFFECT_DURATION;
    }
}

static void PlaceBlocks()
{
    for (int i = 0; i < NUM_CELLS; i++) {
        const int x = CELL_WIDTH * (i % GRID_COLUMNS), y = CELL_HEIGHT * (i / GRID_COLUMNS);
        for (Q2SL_sprite* s : {&blocks[0][i], &blocks[1][i], &explodeBlocks[i]}) {
            s->SetType(GameType(GT_BLOCKS));
            s->x = s->prevX = x;
            s->y = s->prevY = y;
        }
        explodeBlocks[i].SetAnim(BLOCK_EXPLOSION);
    }
}

static void ShowBuiltInLayout()
{
    for (int p = 0; p < 2; p++) {
        for (int i = 0; i < NUM_CELLS; i++)
            blocks[p][i].SetAnim(BLOCK_EMPTY);
        for (const auto& cell : builtInLayout)
            blocks[p][cell.cell].SetAnim(cell.code);
    }
}

// The back buffer, and the playfield and status views onto its surface.
static int CreateBackBuffer()
{
    dBuffer.ReleaseSurface();
    dBuffer.width = dBuffer.viewWidth = I_SCREEN_WIDTH;
    dBuffer.height = dBuffer.viewHeight = I_SCREEN_HEIGHT;
    dBuffer.viewX = dBuffer.viewY = 0;
    if (!dBuffer.CreateSurface(8, 1))
        return InitFailed("Can't create dBuffer surface");
    for (Q2SL_drawBuffer* view : {&playfieldBuffer, &statusBuffer}) {
        if (firstGameInit)
            view->Attach(&dBuffer);
        else
            view->Reattach(&dBuffer);
    }
    playfieldBuffer.viewX = 8;
    playfieldBuffer.viewY = 8;
    playfieldBuffer.viewWidth = FIELD_WIDTH;
    playfieldBuffer.viewHeight = FIELD_HEIGHT;
    statusBuffer.viewX = 498;
    statusBuffer.viewY = 8;
    statusBuffer.viewWidth = 191;
    statusBuffer.viewHeight = 463;
    playfieldView = &playfieldBuffer;
    return 1;
}

// Centres a sprite in the playfield.
static void Centre(Q2SL_sprite& s)
{
    s.x = FIELD_WIDTH / 2 - s.width / 2;
    s.y = FIELD_HEIGHT / 2 - s.height / 2;
}

static void AssignMessages()
{
    messageEnabled = 0;
    Assign(messageSprite, GT_MESSAGES, MSG_SPARE_BALL);
    Centre(messageSprite);
    Assign(gameOverSprite, GT_GAME_OVER, 0);
    Centre(gameOverSprite);
    Assign(levelCompleteSprite, GT_MESSAGES, MSG_LEVEL_COMPLETE);
    Centre(levelCompleteSprite);
    levelCompleteTargetX = levelCompleteSprite.x;
    levelCompleteSprite.x = FIELD_WIDTH;
}

// A level that cannot be started at the beginning of a game sends the player back to the
// main menu, with the level file named.
static int StartFailed()
{
    char path[32], text[64];
    LevelFilePath(playerLevel[currPlayer], path, sizeof path);
    std::snprintf(text, sizeof text, "Can't load level %s", path);
    ErrorBox(text);
    SetProgramState(MODE_MENU);
    return 0;
}

static int StartFirstLevels()
{
    if (loadGameRequested) {
        currPlayer = 0;
        if (StartLoadedLevel())
            return 1;
        // A slot spoilt since the menu looked at it sends the player back there.
        if (programState == MODE_GAME) {
            ErrorBox("There is no saved game to load.");
            SetProgramState(MODE_MENU);
        }
        return 0;
    }
    if (playersLeft == 2) {
        currPlayer = 1;
        if (!StartLevel(startLevelOption, 0))
            return StartFailed();
        currPlayer = 0;
    }
    if (!StartLevel(startLevelOption, 1))
        return StartFailed();
    return 1;
}

int GameInit()
{
    statsMode = MODE_GAME;
    ResetGameState();
    windowPainted = 0;
    screenStarted = 0;
    RestartFrameRate();
    if (!screen.SetVideoMode(I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 8))
        return InitFailed("Can't set game screen mode");
    if (!screen.AttachPalette(whitePalette))
        return InitFailed("Attach Palette Failed");
    if (!LoadGamePalette())
        return 0;
    if (!LoadSpriteFile(fontsFile, "GFonts.qsl", "Can't find GFonts.QSL\nTry Re-Installing Taltrix.",
                        "There is a problem in the file GFonts.QSL.") ||
        !TakeFonts())
        return 0;
    if (!LoadSpriteFile(gameFile, "ZQGame.qsl", "Can't find ZQGame.QSL", "There is a problem in the file ZQGame.QSL."))
        return 0;
    if (gameFile.spriteTypes.count < GT_COUNT)
        return InitFailed("There is a problem in the file ZQGame.QSL.");
    AssignStatusSprites();
    if (!LoadTrigTables()) {
        ExitWindowsLoop();
        return 0;
    }
    PlaceBlocks();
    currPlayer = 0;
    lives[0] = lives[1] = START_LIVES;
    score[0] = score[1] = 0;
    extraLifeScore[0] = extraLifeScore[1] = 0;
    AssignEffectIcons();
    Assign(screenFrame, GT_FRAME, FRAME_SCREEN);
    screenFrame.x = screenFrame.y = 0;
    playerLevel[0] = playerLevel[1] = 0;
    ShowBuiltInLayout();
    GetNumBlocksLeft(0);
    GetNumBlocksLeft(1);
    if (!CreateBackBuffer())
        return 0;
    firstGameInit = false;
    AssignMessages();
    if (!DirectInputInit())
        return 0;
    if (!StartFirstLevels())
        return 0;
    notifySprite.y = pads[0].y + pads[0].height + 3;
    return 1;
}

void GameShutdown()
{
    statsMode = programState;
    screen.Vsync();
    DD_Fill_Surface(dBuffer.surface, 0);
    ReleaseBackgrounds();
    FreeTrigTables();
    DirectInputShutdown();
}
