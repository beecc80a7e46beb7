// Which sprite type and animation of the game's and the menu's sprite files holds which picture.
// The game takes sprite types out of a sprite file by position, so these numbers are the contract
// between the data generator that draws the files and the code that shows them.
#pragma once

// ---- ZQGame.qsl: sprite types by position -------------------------------------------------------
constexpr int GT_EXIT_DIALOG = 0;   // the exit confirmation box
constexpr int GT_PAD = 1;           // a whole narrow pad: animation 0, frame w / 2 - 1 for widths 2..26
constexpr int GT_BALLS = 2;         // balls in play, the panel life icon and the spare-ball row
constexpr int GT_BALL = GT_BALLS;   // balls in play share the icons' pictures
constexpr int GT_FRAME = 3;         // the screen frame and the player panel background
constexpr int GT_BLOCKS = 4;        // one animation per block kind, plus the explosion overlay
constexpr int GT_MESSAGES = 5;      // spare ball, ready, go, level-complete banner
constexpr int GT_GAME_OVER = 6;     // the game-over picture
constexpr int GT_ENEMIES = 7;       // four kinds of creature, three animations each
constexpr int GT_POWERUPS = 8;      // falling capsules and the panel's effect icons
constexpr int GT_TURN_MARKER = 9;   // the current player's marker in the panel
constexpr int GT_ATOM = 10;         // the Spectral Nuke seeker
constexpr int GT_PARTICLES = 11;    // sparks and debris
constexpr int GT_BULLETS = 12;      // the shooting pads' bullets
constexpr int GT_NOTIFY = 13;       // the animated notification under the pad
constexpr int GT_SPARE_14 = 14;     // unused slot, kept so the later types keep their positions
constexpr int GT_PAD_PIECES = 15;   // ends and middle of a wide pad
constexpr int GT_SPARE_16 = 16;     // unused slot, kept so the later types keep their positions
constexpr int GT_SPARKLE = 17;      // the extra-ball sparkle over the spare-ball row
constexpr int GT_COUNT = 18;        // number of sprite types in the game's file

// GT_PAD: one animation; frame (width / 2 - 1) is the pad drawn `width` pixels wide.
constexpr int PAD_NARROW_ANIM = 0;
constexpr int PAD_NARROW_FRAMES = 13;  // widths 2, 4, ..., 26

// GT_BALLS animations: the normal look and the two squashed looks, then the same in Taltrix mode.
constexpr int BALL_NORMAL = 0;
constexpr int BALL_SQUASH_Y = 1;       // after a rebound off a horizontal surface: flattened
constexpr int BALL_SQUASH_X = 2;       // after a rebound off a wall or a corner: narrowed
constexpr int BALL_TALTRIX = 3;        // added to the three above for the fire-ball look
constexpr int BALL_ANIMS = 6;

// GT_FRAME animations.
constexpr int FRAME_SCREEN = 0;        // 640 x 480, everything outside the playfield
constexpr int FRAME_PLAYER_PANEL = 1;  // a player's block of the status panel, at most 142 x 192

// GT_BLOCKS: the animation is the block kind; these are the kinds the pictures treat specially.
constexpr int BLOCK_EMPTY = 0;
constexpr int BLOCK_EXPLOSION = 99;    // overlay drawn over an exploding cell, never a block
constexpr int BLOCK_HIDDEN = 113;      // looks like an empty cell until it is hit
constexpr int BLOCK_KINDS = 144;       // animations 0..143

// GT_MESSAGES animations.
constexpr int MSG_SPARE_BALL = 0;
constexpr int MSG_READY = 1;
constexpr int MSG_GO = 2;
constexpr int MSG_LEVEL_COMPLETE = 3;

// GT_POWERUPS animations: the power-up kinds, then the multi-ball marker.
constexpr int PU_AUTO_PAD = 0;
constexpr int PU_FAST_BALL = 1;
constexpr int PU_SLOW_BALL = 2;
constexpr int PU_SUPER_PAD = 3;
constexpr int PU_MINI_PAD = 4;
constexpr int PU_TWIN_PADS = 5;
constexpr int PU_UNUSED = 6;           // no block carries it
constexpr int PU_TALTRIX = 7;
constexpr int PU_VEXA_SHOTS = 8;
constexpr int PU_STICKY_PAD = 9;
constexpr int PU_MULTI_BALL_MARKER = 10;  // frame 1 is its Taltrix-mode look
constexpr int PU_ANIMS = 11;

// GT_BULLETS animations.
constexpr int BULLET_FLYING = 0;
constexpr int BULLET_IMPACT = 1;

// GT_NOTIFY animations, by event.
constexpr int NOTIFY_MULTI_BALL = 0;
constexpr int NOTIFY_TALTRIX = 1;
constexpr int NOTIFY_VEXA_SHOTS = 2;
constexpr int NOTIFY_AUTO_PAD = 3;
constexpr int NOTIFY_FAST_BALL = 4;
constexpr int NOTIFY_SLOW_BALL = 5;
constexpr int NOTIFY_SUPER_PAD = 6;
constexpr int NOTIFY_MINI_PAD = 7;
constexpr int NOTIFY_TWIN_PADS = 8;
constexpr int NOTIFY_STICKY_PAD = 9;
constexpr int NOTIFY_NUKE = 10;
constexpr int NOTIFY_GAME_SAVED = 11;
constexpr int NOTIFY_GAME_LOADED = 12;
constexpr int NOTIFY_EXTRA_BALL = 13;
constexpr int NOTIFY_ANIMS = 14;
constexpr int NOTIFY_HOLD_FRAME = 6;   // the frame held while the name shows

// GT_PAD_PIECES animations.
constexpr int PIECE_LEFT_REST = 0;
constexpr int PIECE_RIGHT_REST = 1;
constexpr int PIECE_MIDDLE = 2;
constexpr int PIECE_LEFT_RAISE = 3;
constexpr int PIECE_RIGHT_RAISE = 4;
constexpr int PIECE_LEFT_LOWER = 5;
constexpr int PIECE_RIGHT_LOWER = 6;
constexpr int PIECE_LEFT_RAISED = 7;
constexpr int PIECE_RIGHT_RAISED = 8;
constexpr int PIECE_ANIMS = 9;

// GT_ENEMIES: animation = kind x 3 + phase.
constexpr int ENEMY_APPEAR = 0;
constexpr int ENEMY_MOVE = 1;
constexpr int ENEMY_DIE = 2;
constexpr int ENEMY_KINDS = 4;

// GT_PARTICLES animations; each steps to a smaller or dimmer frame as the particle ages.
constexpr int PARTICLE_FIRE = 0;       // Taltrix fire sparks
constexpr int PARTICLE_FAST = 1;       // Fast Ball sparks
constexpr int PARTICLE_IMPACT = 2;     // bullet impacts
constexpr int PARTICLE_DEBRIS = 3;     // explosion debris
constexpr int PARTICLE_ANIMS = 4;

// ---- ZQMenu.qsl: sprite types by position -------------------------------------------------------
constexpr int MT_EXIT_DIALOG = 0;      // the exit confirmation box
constexpr int MT_MENU_ITEMS = 1;       // animation = item, frame 0 normal, frame 1 highlighted
constexpr int MT_PROMPT = 2;           // the blinking "press a key" prompt
constexpr int MT_COUNT = 3;

// MT_MENU_ITEMS animations.
constexpr int MENU_ONE_PLAYER = 0;
constexpr int MENU_LOAD_GAME = 1;
constexpr int MENU_TWO_PLAYERS = 2;
constexpr int MENU_OPTIONS = 3;
constexpr int MENU_HELP = 4;
constexpr int MENU_EXIT = 5;
constexpr int MENU_ITEMS = 6;
constexpr int MENU_FRAME_NORMAL = 0;
constexpr int MENU_FRAME_HIGHLIGHT = 1;

// ---- GFonts.qsl ---------------------------------------------------------------------------------
constexpr int FONT_NORMAL = 0;
constexpr int FONT_PANEL = 1;
constexpr int FONT_EMPHASIS = 2;
constexpr int FONT_COUNT = 3;
constexpr char CHAR_ARROW_RIGHT = 16;  // the choice fields' arrows
constexpr char CHAR_ARROW_LEFT = 17;
