// Power-ups: the capsules that fall from power-up blocks, catching them, the timed effects
// and the notification banner.
#pragma once

void GetNumPowerUps();
void SetUpPowerUps();
void CollidePowerUp();
void MovePowerUps();
void DrawPowerUps();
void PowerUpStartNotify();
void PowerUpNotifyDraw();
// Starts a notification: the name in the panel for a while, and its banner animation.
void StartNotify(const char* text, int anim);
void ShootPadOn();
void ShootPadOff();
void ShootPadReset();
void SetPowerUps();
// Every effect slot off at once, without its end action.
void EffectsOff();
// Every power of the field off: effects, extra pads, Taltrix mode, guns and bullets, the sticky pad.
void AllPowersOff();
// Releases the capsules of the level.
void FreePowerUps();

// Puts the power-up records back to their start-of-program values.
void ResetPowerUps();
