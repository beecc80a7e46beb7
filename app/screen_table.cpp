// The table of every screen's entry points.
#include "app/screen_table.h"

#include "app/shell.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "screens/intro.h"
#include "screens/placeholder.h"

ScreenEntry modeScreens[MODE_COUNT] = {
    {CompanySplashStart, CompanySplash, CompanySplashEnd},                  // intro
    {[] { PlaceholderStart(1); }, [] { PlaceholderFrame(1); }, nullptr},  // main menu
    {[] { GameInit(); }, LevelLoop, GameShutdown},                         // game
    {nullptr, ExitWindowsLoop, nullptr},                                   // quit
};

ScreenEntry overlayScreens[OVERLAY_COUNT] = {
    {},  // exit confirmation
    {},  // difficulty and players
    {},  // not used
    {},  // development menu
    {},  // options
    {},  // pause
    {},  // high-score name entry
    {},  // high-score table
    {},  // help and info
    {},  // victory
};
