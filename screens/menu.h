// The main menu: the menu picture with its blinking prompt, then a box of six items that
// start games, load the saved game and open the other screens.
#pragma once

#include <cstdint>

#include "gfx/buffer.h"
#include "gfx/sprite.h"
#include "gamemode/sprite_ids.h"

enum MenuState { MENU_PROMPT = -1, MENU_OPENING = 0, MENU_ACTIVE = 1 };

extern int32_t menuState;                // -1 prompt blinking, 0 opening the box, 1 menu active
extern int32_t menuSelection;            // the highlighted item, 0 to 5
extern int32_t gameStartPending;         // a game was chosen and waits for its difficulty
extern int32_t secondDifficultyPending;  // two players: 1 until player 2 is asked, 2 after
extern Q2SL_drawBuffer menuView;         // the back buffer's view that holds the menu box
extern Q2SL_sprite menuItems[MENU_ITEMS];  // the six items, placed in the menu view

void MenuStart();
void Menu();
void MenuEnd();

// The horizontal line across an item's rectangle at its vertical centre, in screen pixels:
// the overlays opened from the menu grow their boxes out of it and shrink back into it.
struct MenuLine {
    int32_t x1, x2, y;
};
MenuLine MenuItemLine(int item);

// The secret sequence of the development menu, one frame of it: the keys must be pressed
// and released in order; any other letter starts it again. True when it is complete.
bool SecretSequenceStep(const uint8_t keys[256]);
// Puts the sequence back to its start.
void ResetSecretSequence();
