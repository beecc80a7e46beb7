// The drawing sources of the art, one per family of pictures, and the few helpers they share.
#pragma once

#include <vector>

#include "tools/datagen/art/art.h"
#include "tools/datagen/art/canvas.h"
#include "tools/datagen/art/palette.h"

// blocks.cpp: every block kind, its hit and vanishing animations and the explosion overlay.
SpriteTypeArt DrawBlockType();
// The look of one block kind at rest (40 x 20), as the help pages show it.
Canvas BlockPicture(int kind);

// balls.cpp: the ball and its squashed and fire looks.
SpriteTypeArt DrawBallType();
// bullets and particles live with the balls: all small round things.
SpriteTypeArt DrawBulletType();
SpriteTypeArt DrawParticleType();
SpriteTypeArt DrawSparkleType();
SpriteTypeArt DrawAtomType();

// pads.cpp: the narrow pads and the pieces of a wide pad.
SpriteTypeArt DrawPadType();
SpriteTypeArt DrawPadPieceType();
// A whole resting pad of the given width, for the pictures.
Canvas PadPicture(int width);

// capsules.cpp: the capsules and effect icons, the turn marker and the notifications.
SpriteTypeArt DrawCapsuleType();
SpriteTypeArt DrawTurnMarkerType();
SpriteTypeArt DrawNotifyType();
constexpr int kCapsuleFrames = 8;  // also the frame count of the looping power-up blocks
// The power-up's capsule, turned by `turn` (0..1 is one revolution), centred at (cx, cy).
void PaintCapsule(Canvas& c, int kind, float cx, float cy, float turn);

// enemies.cpp: four kinds of creature.
SpriteTypeArt DrawEnemyType();
// One creature of the kind, moving pose, frame f, drawn centred at (cx, cy) at a scale.
void PaintEnemy(Canvas& c, int kind, float cx, float cy, int f, float scale = 1);

// screen.cpp: the screen frame with the status panel, the messages, game over, the dialogs.
SpriteTypeArt DrawFrameType();
SpriteTypeArt DrawMessageType();
SpriteTypeArt DrawGameOverType();
SpriteTypeArt DrawExitDialogType();
// A placeholder type for an unused slot of the sprite file.
SpriteTypeArt DrawSpareType(int slot);

// menu.cpp: the menu items and the prompt.
SpriteTypeArt DrawMenuItemType();
SpriteTypeArt DrawPromptType();

// backgrounds.cpp: the level backgrounds, by their index in kBackgroundNames.
Canvas DrawBackground(int index);
// Smooth fractal noise in 0..1, for clouds and textures.
float Noise(float x, float y, int seed);

// pictures.cpp: the full-screen pictures, each with the palette it is shown through.
struct Picture {
    Canvas art;
    const Palette* palette;
    bool dither = true;
    std::vector<float> sharp;  // coverage of what is not dithered (lettering, objects); empty: none
};
Picture DrawPublisherSplash();
// The developer's logo, frame 0..2 of its animation; the three share one palette.
Picture DrawDeveloperSplash(int frame);
Picture DrawMainMenuPicture();

// help.cpp: the two help pages and the company page.
Picture DrawHelpControlsPage();
Picture DrawHelpPowerUpsPage();
Picture DrawCompanyPage();
