// The game world: every record the gameplay rules read and write, as plain globals.
// Each record is defined by the source whose rules change it; that source can put its
// records back to their start-of-program values, so any run of the rules starts from a
// known world. This header is the one vocabulary the rules, the game frame, the saved
// games and the status display share.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "gfx/sprite.h"

// ---------------------------------------------------------------------------------------
// Geometry

enum {
    FIELD_WIDTH = 480,    // the playfield's right wall
    FIELD_HEIGHT = 464,   // the playfield's bottom line
    GRID_COLUMNS = 12,
    GRID_ROWS = 20,
    NUM_CELLS = 240,      // GRID_ROWS x GRID_COLUMNS, cell = row x 12 + column
    CELL_WIDTH = 40,
    CELL_HEIGHT = 20,
    NUM_BLOCK_KINDS = 144,
    NUM_PADS = 4,
    NUM_ENEMIES = 5,
    NUM_BULLETS = 64,
    NUM_EFFECT_SLOTS = 18,  // 9 per player: slot = player x 9 + position
    EFFECTS_PER_PLAYER = 9,
    START_LIVES = 5,
    MAX_LIVES = 25,
    LAST_LEVEL = 29,
    NUM_LEVELS = 30,
};

// Fixed rows and the resting place of the pads.
enum {
    PAD_START_X = 220,
    PAD0_Y = 418,        // the player's pad
    PAD1_Y = 439,        // the Auto Pad
    PAD_TWIN_Y = 393,    // the Twin Pads
    PAD_NORMAL_WIDTH = 72,
    PAD_SUPER_WIDTH = 104,
    PAD_MINI_WIDTH = 50,
    PAD_TINY_WIDTH = 2,  // an extra pad just appearing or about to vanish
    PAD_BOX_HEIGHT = 13,
};

// What a ball slot is doing (the ball sprite's state field).
enum {
    BALL_HELD = 0,     // sits on pad 0 and follows it
    BALL_FLYING = 1,
    BALL_CAPTIVE = 3,  // inside a Multi-Ball block, waiting to be released
    BALL_LAUNCH = 5,   // launch requested; flies off in the same frame
    BALL_OUT = 99,     // lost, or never released
};

// The phase of the current level (gamePhase). A namespace, because GameOver is also the
// routine that enters that phase.
namespace GamePhase {
enum { Play = 0, AcquireBall = 1, Ready = 2, GameOver = 3, LevelComplete = 4 };
}

// End-of-frame requests (levelEnd).
enum { LEVEL_END_NONE = 0, LEVEL_END_CLEARED = 1, LEVEL_END_NEXT = 2 };

// Enemy slot states.
enum { ENEMY_FREE = 0, ENEMY_APPEARING = 1, ENEMY_ACTIVE = 2, ENEMY_DYING = 3 };

// ---------------------------------------------------------------------------------------
// Random numbers and trigonometry

// The classic 15-bit generator, never seeded: the same input gives the same game.
int GameRand();
extern uint32_t randState;  // the generator's state; 1 at program start

// Sine and cosine of 0..359 degrees scaled by 65536; loaded by the game mode set-up.
extern int32_t* sinTable;
extern int32_t* cosTable;

// Sprite types the rules give their sprites at each level set-up; the game mode set-up
// points them into the game's sprite file.
extern Q2SL_spriteType* padSpriteType;
extern Q2SL_spriteType* ballSpriteType;
extern Q2SL_spriteType* enemySpriteType;
extern Q2SL_spriteType* capsuleSpriteType;

// This frame's keyboard, indexed by key code (0x80 = down); read by the game frame.
extern uint8_t keyboardState[256];

// The playfield view of the back buffer, where the rules draw; set by the game mode set-up.
extern Q2SL_buffer* playfieldView;

// ---------------------------------------------------------------------------------------
// Per-player and game counters (world.cpp)

extern int32_t currPlayer;          // 0 or 1: whose turn it is
extern int32_t difficulty[2];       // 1 Very Easy .. 5 "Skarvo"
extern int32_t startSpeed[2];       // ball speed in pixels per step for the difficulty
extern int32_t padKeyStep[2];       // pad movement per frame with keyboard or gamepad
extern int32_t playerLevel[2];      // level index 0..29
extern int32_t score[2];            // points of the game so far
extern int32_t extraLifeScore[2];   // points towards the next extra ball
extern int32_t enemyScore;          // points since the last enemy appeared
extern int32_t frameTick;           // 0, 1, 2, 0, ... once per game frame

// Applies the difficulty table to player p: ball speed and pad key step. A difficulty
// outside 1..5 changes only the difficulty; bullets per block are SetShotMax's.
void SetDifficulty(int p, int d);

// Plays a sound group panned at the centre of a sprite.
void PlayAt(int group, const Q2SL_sprite& sprite);

// Adds p to the current player's score, to enemyScore and to the current player's
// extra-ball counter, all three together.
void AwardPoints(int32_t p);

// ---------------------------------------------------------------------------------------
// Development options (world.cpp)

extern int32_t noDie;            // the bottom edge rebounds balls instead of losing them
extern int32_t devKeys;          // the developer level keys and debugging displays
extern int32_t ballDirection;    // 1 "Spin": launch angle from the momentum; 0 "Place on Pad"
extern int32_t ballSpinOn;       // the pad's momentum gives spin at launch and at a pad hit
extern int32_t readyMessageOn;   // a level starts with the ready message
extern int32_t acquireBallOn;    // a spare ball flies in from the lives display

// ---------------------------------------------------------------------------------------
// The block field (blocks.cpp)

extern Q2SL_sprite blocks[2][NUM_CELLS];  // one field per player; kind = the sprite's anim
extern int32_t blocksLeft[2];             // blocks still to break to clear the level
extern int32_t blockHitRun;               // block hits since a ball last touched a pad
extern Q2SL_sprite* lastBlock;            // the block most recently passed to BreakBlock
extern const std::array<int32_t, NUM_BLOCK_KINDS> blockPoints;  // points for a hit, by kind
extern const std::array<int32_t, NUM_BLOCK_KINDS> blockFlags;   // 1 counts, 2 stops arrows

// ---------------------------------------------------------------------------------------
// Balls (balls.cpp): one slot per ball of the level, all arrays numBalls long.

extern int32_t numBalls;                    // 1 + 2 x Multi-Ball blocks of the field
extern int32_t ballsInPlay;                 // flying, held or released; 0 ends the life
extern std::vector<Q2SL_sprite> balls;      // slot 0 is the ball a life starts with
extern std::vector<double> ballBaseSpeed;   // lasting speed in pixels per step
extern std::vector<double> ballSpeed;       // working speed of the current step
extern std::vector<int32_t> ballSpin;       // degrees added at the next rebound
extern std::vector<int32_t> ballAngle;      // direction in degrees, 0 right, 90 up
extern std::vector<double> ballX;           // 16.16 fixed-point position
extern std::vector<double> ballY;
extern std::vector<int32_t> ballAhead;      // the Taltrix look-ahead found a block
extern std::vector<int32_t> ballSquashStage;
extern std::vector<int32_t> ballSquashTick;
extern std::vector<int32_t> ballSquashing;
extern std::vector<int32_t> ballHoldTime;   // frames held on the pad
extern int32_t ballStuck;       // a ball is held by the sticky pad or waits at a life's start
extern int32_t inBlockCollide;  // 1 while a flying ball is tested against the block grid

// ---------------------------------------------------------------------------------------
// Pads (pads.cpp)

extern Q2SL_sprite pads[NUM_PADS];     // 0 the player's, 1 Auto Pad, 2 and 3 Twin Pads
extern int32_t padActive[NUM_PADS];
extern int32_t padWidth[NUM_PADS];
extern int32_t padTargetWidth[NUM_PADS];  // grows or shrinks towards it 2 pixels a frame
extern int32_t padMove;                // this frame's input movement of pad 0
extern int32_t padMomentum;            // -10..10: how fast and which way pad 0 moves
extern Q2SL_sprite padPieces[3][NUM_PADS];  // left ends, right ends, middle pieces

// ---------------------------------------------------------------------------------------
// Enemies and bullets (enemies.cpp)

struct _ZQBullet {
    int32_t active;  // 0 free
    Q2SL_sprite sprite;
};

extern Q2SL_sprite enemies[NUM_ENEMIES];  // anim = kind x 3 + appear/move/die
extern int32_t enemyAngle[NUM_ENEMIES];
extern double enemySpeed[NUM_ENEMIES];
extern int32_t enemyFx[NUM_ENEMIES];     // 16.16 fixed-point position
extern int32_t enemyFy[NUM_ENEMIES];
extern int32_t enemyPhase[NUM_ENEMIES];  // kind 3: 0 approaching a ball, 1 fleeing
extern const int32_t enemyPoints[12];
extern _ZQBullet bullets[NUM_BULLETS];
extern int32_t shootPadActive;           // the shooting power-up is in force
extern int32_t shootCount;               // frames since the last volley, 0..10
extern int32_t shotNum[2][NUM_CELLS];    // bullets still needed to break each cell
extern int32_t shotMax[2];               // bullets per block for the difficulty

// ---------------------------------------------------------------------------------------
// Power-ups (powerups.cpp)

extern int32_t numPowrUps;                      // power-up blocks on the current field
extern std::vector<Q2SL_sprite> powerUpCapsules;  // one per power-up block, cell order
extern std::vector<int32_t> powerUpFalling;     // 1 while the capsule falls
extern Q2SL_sprite effectIcons[NUM_EFFECT_SLOTS];  // state field: 0 off, else the variant
extern int32_t effectTimer[NUM_EFFECT_SLOTS];   // frames of play since caught
extern int32_t effectDuration[NUM_EFFECT_SLOTS];
extern int32_t stickyOn;                        // Sticky Pad in force
extern const char* notifyText;                  // the name shown in the status panel
extern int32_t notifyTimer;                     // frames the name stays
extern Q2SL_sprite notifySprite;
extern int32_t notifyAnim;                      // -1 when nothing is shown
extern int32_t notifyHold;

enum { NOTIFY_TIME = 175, NOTIFY_HOLD_LAST = 34 };

// Fast Ball is in force: effect slot 0 of either player holds state 1.
int FastBallOn();

// ---------------------------------------------------------------------------------------
// Special blocks (specials.cpp)

// A cell whose overlay state is 1 is exploding and ignores hits.
extern Q2SL_sprite explodeBlocks[NUM_CELLS];

// ---------------------------------------------------------------------------------------
// Taltrix mode (taltrix.cpp)

struct hitNode {
    hitNode* previous;
    hitNode* next;
    int32_t ball;
    Q2SL_sprite* block;
};

extern int32_t taltrixOn;
extern int32_t flashLevel;  // the flash counts 0 up to 7 and back; most play is frozen
extern int32_t flashStep;
extern int32_t flashOn;
extern hitNode* hitList;    // blocks hit in Taltrix mode, newest first

// ---------------------------------------------------------------------------------------
// Lives, turns and messages (lives.cpp); level end (levelend.cpp)

extern int32_t lives[2];        // balls owned, counting the one in play
extern int32_t inGame[2];       // the player still has a game
extern int32_t numPlayers;      // players the game was started with
extern int32_t playersLeft;     // players whose game is not over yet
extern int32_t resumeAfterScreen;  // an overlay hands the turn back with NextBall(1)
extern int32_t gamePhase;       // GamePhase
extern int32_t levelEnd;        // end-of-frame request, LEVEL_END_...
extern int32_t levelStartFlash; // the next frame fades from white into the game palette
extern int32_t extraLifeFlash;  // the extra-ball sparkle: 0 idle, 1 forward, -1 backward
extern Q2SL_sprite spareBallIcon;  // the spare-ball row's icon; a spare ball flies from it

// Puts every record of the game world back to its start-of-program value.
void ResetWorld();
