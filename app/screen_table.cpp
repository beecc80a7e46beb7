// The table of every screen's entry points.
#include "app/screen_table.h"

#include "app/shell.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "screens/difficulty.h"
#include "screens/intro.h"
#include "screens/menu.h"
#include "screens/options.h"
#include "screens/pause_exit.h"

ScreenEntry modeScreens[MODE_COUNT] = {
    {CompanySplashStart, CompanySplash, CompanySplashEnd},                  // intro
    {MenuStart, Menu, MenuEnd},                                            // main menu
    {[] { GameInit(); }, LevelLoop, GameShutdown},                         // game
    {nullptr, ExitWindowsLoop, nullptr},                                   // quit
};

ScreenEntry overlayScreens[OVERLAY_COUNT] = {
    {[] { ExitSub(1); }, [] { ExitSub(0); }, [] { ExitSub(2); }},                // exit confirmation
    {[] { DifficultySub(1); }, [] { DifficultySub(0); }, [] { DifficultySub(2); }},  // difficulty and players
    {},  // not used
    {},  // development menu
    {[] { OptionsSub(1); }, [] { OptionsSub(0); }, [] { OptionsSub(2); }},  // options
    {[] { PauseSub(1); }, [] { PauseSub(0); }, [] { PauseSub(2); }},        // pause
    {},  // high-score name entry
    {},  // high-score table
    {},  // help and info
    {},  // victory
};
