// The table of every screen's entry points.
#include "app/screen_table.h"

#include "app/shell.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "screens/devmenu.h"
#include "screens/difficulty.h"
#include "screens/help.h"
#include "screens/hiscore.h"
#include "screens/intro.h"
#include "screens/menu.h"
#include "screens/options.h"
#include "screens/pause_exit.h"
#include "screens/victory.h"

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
    {[] { DevMenuSub(1); }, [] { DevMenuSub(0); }, [] { DevMenuSub(2); }},  // development menu
    {[] { OptionsSub(1); }, [] { OptionsSub(0); }, [] { OptionsSub(2); }},  // options
    {[] { PauseSub(1); }, [] { PauseSub(0); }, [] { PauseSub(2); }},        // pause
    {StartScoreEnterSub, ScoreEnterSub, EndScoreEnterSub},                 // high-score name entry
    {StartHiScoreSub, HiScoreSub, EndHiScoreSub},                          // high-score table
    {HelpInfoStart, HelpInfo, HelpInfoEnd},                                // help and info
    {StartWinGame, WinGame, EndWinGame},                                   // victory
};
