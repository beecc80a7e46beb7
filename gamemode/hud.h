// The status display: the side panel with each player's level, score, lives and running
// power-ups, the row of spare balls, and the pads drawn from their pieces.
#pragma once

#include "gfx/sprite.h"

extern Q2SL_sprite playerPanels[2];     // each player's block of the panel
extern Q2SL_sprite panelLifeIcons[2];   // the ball before each player's lives count
extern Q2SL_sprite extraLifeSparkle;    // over the newest spare ball when one is granted

enum { PANEL1_Y = 48, PANEL2_Y = 240 };  // panel y of each player's block

void DrawStatus();
void DrawLives();
void DrawPad(int p);
