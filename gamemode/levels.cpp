// Level start: the level file, the background copied into the player's own buffer, the song,
// then the gameplay's preparation of the field.
#include "gamemode/levels.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/shell.h"
#include "audio/music.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/levelend.h"
#include "game/lives.h"
#include "game/specials.h"
#include "game/world.h"
#include "gamemode/stats.h"
#include "gfx/pcx.h"
#include "platform/platform.h"

char backgroundPath[2][BACKGROUND_PATH_BYTES];
char songPath[2][SONG_PATH_BYTES];
Q2SL_drawBuffer backgroundBuffer[2];

// Receives each background as it is loaded; the player's buffer keeps a copy of its pixels.
static Q2SL_pcx levelPicture;

// A level file is read no further than its cells, but one this large is no level file.
static const size_t maxLevelFileBytes = 65536;

void LevelFilePath(int level, char* out, int size)
{
    std::snprintf(out, size_t(size), "Levels\\%d.lvl", level + 1);
}

// Reads and checks currPlayer's level file.
static bool ReadLevelFile(LevelFile& level)
{
    char gamePath[32];
    LevelFilePath(playerLevel[currPlayer], gamePath, sizeof gamePath);
    const std::string path = I_DataPath(gamePath);
    std::vector<uint8_t> bytes;
    if (path.empty() || !I_ReadFile(path, bytes, maxLevelFileBytes))
        return false;
    return ParseLevelFile(bytes.data(), bytes.size(), level);
}

// Codes the block type has no animation for leave their cell as it was.
static void SetBlocks(const LevelFile& level)
{
    for (int i = 0; i < LEVEL_CELLS; i++)
        blocks[currPlayer][i].SetAnim(level.codes[i]);
}

// Loads the background into the shared picture from "Backs\\", else "Backs\\User\\".
static bool LoadBackground(const char* name)
{
    char* path = backgroundPath[currPlayer];
    for (const char* folder : {"Backs\\", "Backs\\User\\"}) {
        std::snprintf(path, BACKGROUND_PATH_BYTES, "%s%s", folder, name);
        levelPicture.Delete();
        if (levelPicture.Load(path))
            return true;
    }
    return false;
}

bool CopyBackground(const Q2SL_pcx& picture, Q2SL_drawBuffer& buffer)
{
    const int w = picture.Width(), h = picture.Height();
    buffer.ReleaseSurface();
    buffer.width = buffer.viewWidth = uint16_t(w);
    buffer.height = buffer.viewHeight = uint16_t(h);
    buffer.viewX = buffer.viewY = 0;
    if (!buffer.CreateSurface(8, 0) || !buffer.Lock())
        return false;
    for (int r = 0; r < h; r++)
        std::memcpy(buffer.pixels + r * buffer.pitch, picture.image + r * w, size_t(w));
    buffer.Unlock();
    return true;
}

int LoadLevel(const char* /*name*/, int playMusic)
{
    LevelFile level;
    if (!ReadLevelFile(level))
        return 0;
    SetBlocks(level);
    if (!LoadBackground(level.background) || !CopyBackground(levelPicture, backgroundBuffer[currPlayer]))
        return 0;
    std::snprintf(songPath[currPlayer], SONG_PATH_BYTES, "Midi\\%s", level.song);
    if (playMusic) {
        if (const int fault = MIDI_PlayFile(songPath[currPlayer]))
            showMIDIError(fault);
    }
    return 1;
}

int StartLevel(int level, int playMusic)
{
    playerLevel[currPlayer] = level;
    if (!LoadLevel(nullptr, playMusic))
        return 0;
    levelFrames[currPlayer] = 0;
    GetNumBlocksLeft(currPlayer);
    SetUpArrowBlocks();
    SetupAtoms();
    BuildShotNum(currPlayer);
    ResetLevel();
    StartReadyMessage(playMusic);
    return 1;
}

void ReleaseBackgrounds()
{
    for (Q2SL_drawBuffer& buffer : backgroundBuffer) {
        buffer.ReleaseSurface();
        buffer.surface = nullptr;
        buffer.pixels = nullptr;
    }
}
