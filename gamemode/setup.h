// The game mode's set-up and tear-down: the game's palette, fonts, sprites and tables, the
// back buffer's views, the players' devices and the first level.
#pragma once

#include <cstdint>

#include "gfx/buffer.h"
#include "gfx/pcx.h"
#include "gfx/sprite.h"
#include "gfx/spritefile.h"
#include "gamemode/sprite_ids.h"

extern Q2SL_file fontsFile;                 // "GFonts.qsl"
extern Q2SL_file gameFile;                  // "ZQGame.qsl"
extern Q2SL_font* gameFonts[FONT_COUNT];    // the fonts of every screen's text
extern Q2SL_pcx gamePalPicture;             // "GamePal.pcx"; its palette is the game palette
extern Q2SL_drawBuffer playfieldBuffer;     // the back buffer's 480 x 464 view at (8, 8)
extern Q2SL_drawBuffer statusBuffer;        // the back buffer's 191 x 463 view at (498, 8)
extern Q2SL_sprite screenFrame;             // everything of the screen outside the playfield
extern int32_t startLevelOption;            // the level (0 to 29) a new game starts at
extern int32_t loadGameRequested;           // the main menu asked for the saved game

// The game palette: the colours of "GamePal.pcx".
const Q2SL_palette& GamePalette();

// Loads "GamePal.pcx" and takes its colours into the fade palette; a failure shows its
// boxes, ends the program and returns 0.
int LoadGamePalette();
// Opens, reads and closes a sprite file; each failure shows its own box with the re-install
// box, ends the program and returns 0.
int LoadSpriteFile(Q2SL_file& file, const char* path, const char* missing, const char* corrupt);

// Set-up of the game mode: 1 when the game is ready, 0 after a reported failure.
int GameInit();
void GameShutdown();
