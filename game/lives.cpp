// Lives, turns and messages: extra balls, what a lost last ball leads to, the ready and go
// messages before play and the game-over message after it.
#include "game/lives.h"

#include "app/state.h"
#include "audio/sound.h"
#include "game/balls.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/levelend.h"
#include "game/pads.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "gamemode/sprite_ids.h"
#include "gfx/text.h"
#include "platform/keys.h"
#include "screens/hiscore.h"

int32_t lives[2] = {0, 0};       // balls each player still owns
int32_t inGame[2] = {0, 0};      // each player still has a game
int32_t numPlayers = 1;          // players the game was started with
int32_t playersLeft = 1;         // players whose game is not over
int32_t resumeAfterScreen = 0;   // an overlay hands the turn back when it closes
int32_t gamePhase = GamePhase::Play;  // the phase of the current level
int32_t levelEnd = LEVEL_END_NONE;    // this frame's request to the end of the frame
int32_t extraLifeFlash = 0;      // the extra-ball sparkle
Q2SL_sprite spareBallIcon;       // the spare-ball row's icon

Q2SL_sprite messageSprite;       // spare ball, ready, go
int32_t messageEnabled = 0;      // the message takes part in the frame
int32_t messageVisible = 0;      // in the shown half of its blink
int32_t blinkCount = 0;          // frames into the current half of the blink
int32_t blinkOnFrames = 0;       // length of the shown half
int32_t blinkOffFrames = 0;      // length of the hidden half
int32_t readyCount = 0;          // frames of the ready message
int32_t goCount = 0;             // frames of the go message
int32_t goActive = 0;            // the go message runs
Q2SL_sprite gameOverSprite;      // the game-over picture
int32_t gameOverCount = 0;       // frames of the game-over message
int32_t respawnCount = 0;        // frames of the spare ball's flight
double respawnVx = 0;            // spare ball's velocity, 16.16
double respawnVy = 0;
double respawnPadX = 0;          // pad 0's x while it glides back, 16.16
double respawnPadVx = 0;

enum { BRING_IN_ON = 10, BRING_IN_OFF = 5, READY_ON = 35, READY_OFF = 100, GO_ON = 5, GO_OFF = 3 };

void CheckExtraLife()
{
    int p = currPlayer;
    if (extraLifeScore[p] < EXTRA_LIFE_POINTS || lives[p] >= MAX_LIVES)
        return;
    lives[p] += 1;
    extraLifeFlash = 1;
    extraLifeScore[p] %= EXTRA_LIFE_POINTS;
    StartNotify("Extra Ball", NOTIFY_EXTRA_BALL);
    soundGroups[SND_YEA8].Play(0);
}

// The message sprite shows picture anim, centred in the playfield, blinking.
static void ShowMessage(int anim, int on, int off)
{
    messageSprite.SetAnim(anim);
    messageSprite.x = FIELD_WIDTH / 2 - messageSprite.width / 2;
    messageSprite.y = FIELD_HEIGHT / 2 - messageSprite.height / 2;
    messageVisible = 1;
    blinkOnFrames = on;
    blinkOffFrames = off;
}

void EnemiesLeave()
{
    for (Q2SL_sprite& e : enemies) {
        if (e.state == ENEMY_APPEARING)
            e.SetAnim(e.anim + 2);
        else if (e.state == ENEMY_ACTIVE)
            e.SetAnim(e.anim + 1);
        if (e.state != ENEMY_FREE)
            e.state = ENEMY_DYING;
    }
}

// Ball 0 waits on the pad for the next life, every ball back at the player's speed.
static void BallsToStart()
{
    for (int i = 0; i < numBalls; i++)
        ballBaseSpeed[i] = startSpeed[currPlayer];
    padTargetWidth[0] = PAD_NORMAL_WIDTH;
    if (numBalls == 0)
        return;
    balls[0].state = BALL_HELD;
    ballStuck = 1;
    ballHoldTime[0] = 0;
    balls[0].SetAnim(0);
    balls[0].SetFrame(0);
}

// The spare ball flies from its icon in the lives display to the pad, which glides to its
// start meanwhile.
static void BringInSpareBall()
{
    AllPowersOff();
    StopArrows();
    BallsToStart();
    if (numBalls > 0) {
        Q2SL_sprite& b = balls[0];
        int32_t x = (lives[currPlayer] - 1) * (spareBallIcon.width + 4) + 2;
        int32_t y = FIELD_HEIGHT - spareBallIcon.height - 3;
        int32_t targetX = PAD_START_X + padWidth[0] / 2;
        int32_t targetY = PAD0_Y - b.height;
        b.x = b.prevX = x;
        b.y = b.prevY = y;
        ballX[0] = x * 65536.0;
        ballY[0] = y * 65536.0;
        respawnVx = ((targetX - x) * 65536) / RESPAWN_FRAMES;
        respawnVy = ((targetY - y) * 65536) / RESPAWN_FRAMES;
        ballAngle[0] = 271;
    }
    respawnPadX = pads[0].x * 65536.0;
    respawnPadVx = ((PAD_START_X - pads[0].x) * 65536) / RESPAWN_FRAMES;
    ShowMessage(MSG_SPARE_BALL, BRING_IN_ON, BRING_IN_OFF);
    messageEnabled = 1;
    EnemiesLeave();
    respawnCount = 0;
    gamePhase = GamePhase::AcquireBall;
    ballsInPlay = 1;
    notifyHold = NOTIFY_HOLD_LAST;
}

// A Spectral Nuke still in flight when the turn ends: colour 1 takes every block of its
// colour; any other colour takes the first one and ends the level. Returns 1 then.
static int NukesFinish()
{
    Q2SL_sprite* field = blocks[currPlayer];
    for (atomClass& atom : atoms) {
        if (atom.state != 1 && atom.state != 2)
            continue;
        for (int c = 0; c < NUM_CELLS; c++) {
            if (field[c].anim != atom.colour)
                continue;
            SetBlockKind(field[c], 0);
            if (atom.colour != 1)
                return 1;
        }
    }
    return 0;
}

static void PassTurn(int flag)
{
    if (playersLeft == 2 || flag == 1)
        currPlayer = 1 - currPlayer;
}

static void ChangeTurn(int flag)
{
    for (Q2SL_sprite& b : blocks[currPlayer])
        if (b.anim == 20)
            SetBlockKind(b, 1);
    // Queued Taltrix hits belong to the field of the player who lost the ball: they break
    // there before the turn passes.
    Taltrix(-2);
    if (NukesFinish()) {
        int started = SetNextLevel();
        int player = currPlayer;
        PassTurn(flag);
        // The next level was set up for the player who lost the ball.
        if (started && currPlayer != player) {
            ResetLevel();
            StartReadyMessage(0);
        }
        return;
    }
    PassTurn(flag);
    ResetLevel();
    StartReadyMessage(0);
    EffectsOff();
    Pad1Move(-2);
    Pad23Move(-2);
    shootPadActive = 0;
    ShootPadReset();
    EndAllBullets();
    stickyOn = 0;
    StopArrows();
    for (atomClass& atom : atoms)
        atom.state = 3;
    SetupAtoms();
    EraseExplodeBlocks();
    BallsToStart();
    ResetEnemySlots();
    notifyHold = NOTIFY_HOLD_LAST;
}

void NextBall(int flag)
{
    int p = currPlayer;
    if (flag == 0)
        lives[p] -= 1;
    else
        gamePhase = GamePhase::Ready;
    // The counters follow the score of the player who lost the ball.
    enemyScore = score[p] % 500;
    extraLifeScore[p] = score[p] % EXTRA_LIFE_POINTS;
    if (lives[p] <= 0 && flag == 0) {
        inGame[p] = 0;
        GameOver();
        return;
    }
    if (acquireBallOn && playersLeft == 1 && flag == 0)
        BringInSpareBall();
    else
        ChangeTurn(flag);
}

void GameOver()
{
    gamePhase = GamePhase::GameOver;
    gameOverCount = 0;
    soundGroups[SND_GAME_OVER].Play(0);
}

void StartReadyMessage(int)
{
    if (!readyMessageOn) {
        gamePhase = GamePhase::Play;
        if (numBalls > 0)
            balls[0].state = BALL_HELD;
        messageEnabled = 0;
        return;
    }
    ShowMessage(MSG_READY, READY_ON, READY_OFF);
    readyCount = 0;
    gamePhase = GamePhase::Ready;
    messageEnabled = 1;
}

void ReadyMessageCount()
{
    if (gamePhase != GamePhase::Ready)
        return;
    // The ready message stays steadily visible.
    blinkCount = 0;
    readyCount += 1;
    if (readyCount == 1)
        soundGroups[SND_READY].Play(0);
    if (readyCount == READY_FRAMES) {
        if (numBalls > 0)
            balls[0].state = BALL_HELD;
        gamePhase = GamePhase::Play;
        goCount = 0;
        goActive = 1;
        ShowMessage(MSG_GO, GO_ON, GO_OFF);
        soundGroups[SND_GO].Play(0);
    }
}

void GoMessageCount()
{
    if (gamePhase != GamePhase::Play || !goActive)
        return;
    goCount += 1;
    if (goCount == GO_FRAMES) {
        goActive = 0;
        messageEnabled = 0;
    }
}

static void DrawMessage()
{
    messageSprite.DrawNoHSR(playfieldView, 0, 0, -1);
    if (gamePhase == GamePhase::Ready && numPlayers == 2)
        PrintStr(gameFonts[FONT_EMPHASIS], playfieldView, 180, 140,
                 currPlayer == 0 ? "Player 1" : "Player 2");
}

void DoMessage()
{
    if (!messageEnabled)
        return;
    blinkCount += 1;
    if (messageVisible) {
        if (blinkCount == blinkOnFrames) {
            messageVisible = 0;
            blinkCount = 0;
        } else {
            DrawMessage();
        }
    } else if (blinkCount == blinkOffFrames) {
        messageVisible = 1;
        DrawMessage();
        blinkCount = 0;
    }
}

static bool SkipKeyHeld()
{
    static const int keys[] = {DIK_SPACE, DIK_LCONTROL, DIK_RCONTROL, DIK_RETURN, DIK_ESCAPE};
    for (int k : keys)
        if (keyboardState[k] & 0x80)
            return true;
    return false;
}

void BackToMenu()
{
    SetProgramState(MODE_MENU);
    StandardFade(GamePalette(), blackPalette);
}

void EndGame()
{
    if (CheckHiScore())
        SetSubState(OVERLAY_SCORE_ENTER);
    else
        BackToMenu();
}

void GameOverMessageCount()
{
    if (gamePhase != GamePhase::GameOver)
        return;
    gameOverSprite.DrawNoHSR(playfieldView, 0, 0, -1);
    gameOverCount += 1;
    if (gameOverCount != GAME_OVER_FRAMES && !(gameOverCount > GAME_OVER_SKIP_AFTER && SkipKeyHeld()))
        return;
    playersLeft -= 1;
    if (CheckHiScore()) {
        resumeAfterScreen = playersLeft > 0 ? 1 : 0;
        SetSubState(OVERLAY_SCORE_ENTER);
    } else if (playersLeft > 0) {
        NextBall(1);
    } else {
        BackToMenu();
    }
}

void BallRespawn()
{
    if (numBalls > 0) {
        ballX[0] += respawnVx;
        ballY[0] += respawnVy;
        balls[0].x = static_cast<int32_t>(static_cast<int64_t>(ballX[0]) >> 16);
        balls[0].y = static_cast<int32_t>(static_cast<int64_t>(ballY[0]) >> 16);
    }
    respawnPadX += respawnPadVx;
    pads[0].prevX = pads[0].x;
    pads[0].x = static_cast<int32_t>(static_cast<int64_t>(respawnPadX) >> 16);
    respawnCount += 1;
    if (respawnCount == RESPAWN_FRAMES) {
        if (numBalls > 0)
            balls[0].state = BALL_HELD;
        StartReadyMessage(0);
    }
}

void ResetLives()
{
    lives[0] = lives[1] = 0;
    inGame[0] = inGame[1] = 0;
    numPlayers = 1;
    playersLeft = 1;
    resumeAfterScreen = 0;
    gamePhase = GamePhase::Play;
    levelEnd = LEVEL_END_NONE;
    extraLifeFlash = 0;
    spareBallIcon = Q2SL_sprite();
    messageSprite = Q2SL_sprite();
    gameOverSprite = Q2SL_sprite();
    messageEnabled = messageVisible = 0;
    blinkCount = blinkOnFrames = blinkOffFrames = 0;
    readyCount = goCount = goActive = 0;
    gameOverCount = respawnCount = 0;
    respawnVx = respawnVy = respawnPadX = respawnPadVx = 0;
}
