// Start-up, the message loop, the window procedure and shut-down.
#include "app/winmain.h"

#include <cstdio>

#include "app/cmdline.h"
#include "app/screen_table.h"
#include "app/settings.h"
#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "gfx/buffer.h"
#include "gfx/palette.h"
#include "game/world.h"
#include "gamemode/autoplay.h"
#include "gamemode/setup.h"
#include "gamemode/stats.h"
#include "input/input.h"
#include "platform/platform.h"
#include "screens/hiscore.h"
#include "screens/pause_exit.h"

int focusLost = 0;
int windowPainted = 0;
int screenStarted = 0;
int songPassCount = 0;
int charCapture = 0;
int lastChar = 0;

void ExitWindowsLoop()
{
    I_PostMessage(I_MSG_DESTROY);
    programState = MODE_NONE;
    lastProgramState = MODE_NONE;
}

void WindowProc(const I_Message& msg)
{
    switch (msg.kind) {
    case I_MSG_DESTROY:
        I_PostMessage(I_MSG_QUIT);
        break;
    case I_MSG_KILLFOCUS:
        // Only a fullscreen display loses its surfaces to another program; a window keeps
        // them, so there a game in progress pauses.
        if (msg.param) {
            ExitWindowsLoop();
            focusLost = 1;
        } else {
            PauseOnFocusLoss();
        }
        break;
    case I_MSG_PAINT:
        windowPainted = 1;
        break;
    case I_MSG_CHAR:
        if (charCapture)
            lastChar = msg.param;
        break;
    case I_MSG_MUSICDONE:
        MusicFinished();
        break;
    case I_MSG_CLOSE:
        ExitWindowsLoop();
        break;
    case I_MSG_QUIT:
        break;
    }
}

// A game started from the command line takes the choices the menu would have made.
static void StartGameFromCommandLine()
{
    playersLeft = numPlayers = commandLine.players;
    inGame[0] = 1;
    inGame[1] = commandLine.players == 2;
    SetDifficulty(0, commandLine.difficulty);
    SetDifficulty(1, commandLine.difficulty);
    startLevelOption = commandLine.level - 1;
    loadGameRequested = 0;
}

static int FirstScreenMode()
{
    autoplayOn = commandLine.autoplay;
    noDie = commandLine.noDie;
    if (commandLine.startGame) {
        StartGameFromCommandLine();
        return MODE_GAME;
    }
    return commandLine.skipIntro ? MODE_MENU : MODE_INTRO;
}

static bool StartUp()
{
    SetupPalettes();
    if (!screen.InitDirectX()) {
        ErrorBox("Couldn't Setup DirectX");
        DirectDrawShutdown();
        return false;
    }
    screen.SetVideoMode(I_SCREEN_WIDTH, I_SCREEN_HEIGHT, 8);
    I_ShowCursor(false);
    ResetHiScore();
    LoadHiScore();
    CheckInputs();
    LoadOptions();
    if (!DSound_Init(soundVolume)) {
        ErrorBox("Problem with DirectSound, can't play sounds.\nWill try to continue anyway\n");
        ReinstallBox();
        soundVolume = 0;
    }
    LoadSoundGroups();
    SetProgramState(FirstScreenMode());
    return true;
}

static void MessageLoop()
{
    for (;;) {
        I_Message msg;
        if (I_PeekMessage(msg)) {
            if (msg.kind == I_MSG_QUIT)
                break;
            WindowProc(msg);
        }
        if (songPassCount < SONG_RESTART_PASSES)
            songPassCount++;
        if (programState != MODE_NONE)
            GameDispatch();
    }
}

static void ShutDown()
{
    DirectDrawShutdown();
    DirectSoundShutdown();
    I_ShowCursor(true);
    if (focusLost)
        I_MessageBox("Taltrix", "Unable to Restore Game\nNow Exiting\n");
    if (!commandLine.statsFile.empty() && !WriteStats(commandLine.statsFile.c_str()))
        std::fprintf(stderr, "taltrix: cannot write %s\n", commandLine.statsFile.c_str());
}

int WinMain()
{
    if (!StartUp())
        return 0;
    MessageLoop();
    ShutDown();
    return 0;
}

void DirectDrawShutdown()
{
    // The two sprite files the game keeps loaded: fonts, and the game's or the menu's sprites.
    fontsFile.Free();
    gameFile.Free();
    dBuffer.ReleaseSurface();
    screen.ReleaseDirectX();
}

void DirectSoundShutdown()
{
    Delete_All_Sounds();
    DSound_Shutdown();
}
