// Saving the game in progress and loading it back. A file is checked whole before anything
// of the running game changes, and its backgrounds are loaded before its data is taken, so
// a bad or incomplete slot never leaves a half-loaded game.
#include "gamemode/savegame.h"

#include <cstring>
#include <string>

#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "game/blocks.h"
#include "game/enemies.h"
#include "game/levelend.h"
#include "game/lives.h"
#include "game/pads.h"
#include "game/powerups.h"
#include "game/specials.h"
#include "game/taltrix.h"
#include "game/world.h"
#include "gamemode/level_file.h"
#include "gamemode/levels.h"
#include "gamemode/setup.h"
#include "gfx/pcx.h"
#include "gfx/text.h"
#include "platform/platform.h"

namespace {

enum { EFFECTS_BYTES = 144, NOTIFY_SAVED = 11, NOTIFY_LOADED = 12 };
// No power-up lasts longer than this many frames, nor is any in more than two variants.
enum { LONGEST_EFFECT = 875, LAST_EFFECT_STATE = 2, MOST_SHOTS = 2 };

static_assert(int(EFFECTS_BYTES) + int(SAVE_PLAYER_BYTES) == int(SAVE_ONE_PLAYER_BYTES));
static_assert(int(EFFECTS_BYTES) + 2 * int(SAVE_PLAYER_BYTES) + 4 == int(SAVE_TWO_PLAYER_BYTES));

// The backgrounds of the game being loaded, read before anything else changes.
Q2SL_pcx loadedPictures[2];

// Little-endian fields, written and read in file order.
struct Writer {
    std::vector<uint8_t>& bytes;
    void I32(int32_t v)
    {
        for (int i = 0; i < 4; i++)
            bytes.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    }
    void U16(uint16_t v)
    {
        bytes.push_back(uint8_t(v));
        bytes.push_back(uint8_t(v >> 8));
    }
    void Path(const char* path)
    {
        const size_t length = strnlen(path, SAVE_PATH_BYTES - 1);
        bytes.insert(bytes.end(), path, path + length);
        bytes.insert(bytes.end(), SAVE_PATH_BYTES - length, 0);
    }
};

struct Reader {
    const uint8_t* at;
    int32_t I32()
    {
        const uint32_t v = at[0] | at[1] << 8 | at[2] << 16 | uint32_t(at[3]) << 24;
        at += 4;
        return int32_t(v);
    }
    uint16_t U16()
    {
        const uint16_t v = uint16_t(at[0] | at[1] << 8);
        at += 2;
        return v;
    }
    // False when the path does not end within its field.
    bool Path(char* out)
    {
        const bool terminated = std::memchr(at, 0, SAVE_PATH_BYTES) != nullptr;
        std::memcpy(out, at, SAVE_PATH_BYTES);
        at += SAVE_PATH_BYTES;
        return terminated;
    }
};

bool InRange(int32_t v, int32_t low, int32_t high)
{
    return v >= low && v <= high;
}

// A stored path names a plain file of its folder: "Backs\\" (or "Backs\\User\\") for a
// background, "Midi\\" for a song.
bool InFolder(const char* path, const char* folder)
{
    const size_t length = std::strlen(folder);
    return std::strncmp(path, folder, length) == 0 && IsPlainFileName(path + length, SAVE_PATH_BYTES);
}

bool BackgroundPathValid(const char* path)
{
    return InFolder(path, "Backs\\") || InFolder(path, "Backs\\User\\");
}

void WritePlayer(Writer& w, const SavedPlayer& p)
{
    for (int32_t v : {p.score, p.lives, p.difficulty, p.level})
        w.I32(v);
    w.Path(p.background);
    w.Path(p.song);
    for (uint16_t code : p.codes)
        w.U16(code);
    for (int32_t shots : p.shots)
        w.I32(shots);
}

bool ReadPlayer(Reader& r, SavedPlayer& p)
{
    p.score = r.I32();
    p.lives = r.I32();
    p.difficulty = r.I32();
    p.level = r.I32();
    const bool paths = r.Path(p.background) && r.Path(p.song);
    for (uint16_t& code : p.codes)
        code = r.U16();
    bool shotsValid = true;
    for (int32_t& shots : p.shots) {
        shots = r.I32();
        shotsValid &= InRange(shots, 0, MOST_SHOTS);
    }
    return paths && shotsValid && p.score >= 0 && InRange(p.lives, 0, MAX_LIVES) && InRange(p.difficulty, 1, 5) &&
           InRange(p.level, 0, LAST_LEVEL) && BackgroundPathValid(p.background) && InFolder(p.song, "Midi\\");
}

int PlayersOfThisGame()
{
    return numPlayers == 1 ? 1 : 2;
}

bool ReadSavedGame(int players, SavedGame& game)
{
    const std::string path = I_UserPath(SaveFileName(players));
    std::vector<uint8_t> bytes;
    return !path.empty() && I_ReadFile(path, bytes, SAVE_TWO_PLAYER_BYTES) &&
           ParseSavedGame(bytes.data(), bytes.size(), players, game);
}

SavedGame CurrentGame()
{
    SavedGame game{};
    for (int s = 0; s < NUM_EFFECT_SLOTS; s++) {
        game.effectState[s] = effectIcons[s].state;
        game.effectTimer[s] = effectTimer[s];
    }
    for (int p = 0; p < 2; p++) {
        SavedPlayer& saved = game.players[p];
        saved.score = score[p];
        saved.lives = lives[p];
        saved.difficulty = difficulty[p];
        saved.level = playerLevel[p];
        std::memcpy(saved.background, backgroundPath[p], SAVE_PATH_BYTES);
        std::memcpy(saved.song, songPath[p], SAVE_PATH_BYTES);
        saved.background[SAVE_PATH_BYTES - 1] = saved.song[SAVE_PATH_BYTES - 1] = 0;
        for (int i = 0; i < NUM_CELLS; i++)
            saved.codes[i] = blocks[p][i].anim;
        std::memcpy(saved.shots, shotNum[p], sizeof saved.shots);
    }
    game.currPlayer = currPlayer;
    return game;
}

void TakePlayer(int p, const SavedPlayer& saved)
{
    score[p] = saved.score;
    lives[p] = saved.lives;
    SetDifficulty(p, saved.difficulty);
    playerLevel[p] = saved.level;
    std::memcpy(backgroundPath[p], saved.background, SAVE_PATH_BYTES);
    std::memcpy(songPath[p], saved.song, SAVE_PATH_BYTES);
    // Codes the block type has no animation for leave their cell as it was.
    for (int i = 0; i < NUM_CELLS; i++)
        blocks[p][i].SetAnim(saved.codes[i]);
    // The file keeps the bullet counts of the first cells only: the others start afresh
    // for the player's difficulty, as at a level start.
    SetShotMax(p, saved.difficulty);
    BuildShotNum(p);
    std::memcpy(shotNum[p], saved.shots, sizeof saved.shots);
}

// Every background of the slot, read before the game is touched. A missing one ends the
// game: its box, then the main menu.
bool LoadPictures(const SavedGame& game, int players)
{
    for (int p = 0; p < players; p++) {
        loadedPictures[p].Delete();
        if (!loadedPictures[p].Load(game.players[p].background)) {
            const std::string text = std::string("Can't load file ") + game.players[p].background;
            ErrorBox(text.c_str());
            SetProgramState(MODE_MENU);
            return false;
        }
    }
    return true;
}

// The transient state of the level in play, back to how a level starts.
void ResetTransientState()
{
    EffectsOff();
    Pad1Move(-2);
    Pad23Move(-2);
    padTargetWidth[0] = PAD_NORMAL_WIDTH;
    shootPadActive = 0;
    for (int p = 0; p < NUM_PADS; p++) {
        padPieces[0][p].SetAnim(PIECE_LEFT_REST);
        padPieces[1][p].SetAnim(PIECE_RIGHT_REST);
        padPieces[2][p].SetAnim(PIECE_MIDDLE);
    }
    EndAllBullets();
    stickyOn = 0;
    Taltrix(-2);
}

}  // namespace

const char* SaveFileName(int players)
{
    return players == 1 ? "1.sav" : "2.sav";
}

std::vector<uint8_t> EncodeSavedGame(const SavedGame& game, int players)
{
    std::vector<uint8_t> bytes;
    Writer w{bytes};
    for (int32_t state : game.effectState)
        w.I32(state);
    for (int32_t timer : game.effectTimer)
        w.I32(timer);
    WritePlayer(w, game.players[0]);
    if (players != 1) {
        WritePlayer(w, game.players[1]);
        w.I32(game.currPlayer);
    }
    return bytes;
}

bool ParseSavedGame(const uint8_t* data, size_t size, int players, SavedGame& out)
{
    const size_t expected = players == 1 ? SAVE_ONE_PLAYER_BYTES : SAVE_TWO_PLAYER_BYTES;
    if (!data || size != expected)
        return false;
    SavedGame game{};
    Reader r{data};
    bool valid = true;
    for (int32_t& state : game.effectState) {
        state = r.I32();
        valid &= InRange(state, 0, LAST_EFFECT_STATE);
    }
    for (int32_t& timer : game.effectTimer) {
        timer = r.I32();
        valid &= InRange(timer, 0, LONGEST_EFFECT);
    }
    valid &= ReadPlayer(r, game.players[0]);
    if (players != 1) {
        valid &= ReadPlayer(r, game.players[1]);
        game.currPlayer = r.I32();
        valid &= InRange(game.currPlayer, 0, 1);
    }
    if (valid)
        out = game;
    return valid;
}

int CheckSavedGame(int players)
{
    SavedGame game;
    return ReadSavedGame(players, game) ? 1 : 0;
}

void SaveGame()
{
    const int players = PlayersOfThisGame();
    const std::vector<uint8_t> bytes = EncodeSavedGame(CurrentGame(), players);
    if (!I_WriteUserFile(SaveFileName(players), bytes.data(), bytes.size()))
        return;
    StartNotify("Game Saved", NOTIFY_SAVED);
}

int LoadGame()
{
    const int players = PlayersOfThisGame();
    SavedGame game;
    if (!ReadSavedGame(players, game) || !LoadPictures(game, players))
        return 0;
    for (int s = 0; s < NUM_EFFECT_SLOTS; s++) {
        effectIcons[s].state = game.effectState[s];
        effectTimer[s] = game.effectTimer[s];
    }
    for (int p = 0; p < players; p++)
        TakePlayer(p, game.players[p]);
    if (players != 1)
        currPlayer = game.currPlayer;
    for (int p = 0; p < players; p++) {
        if (!CopyBackground(loadedPictures[p], backgroundBuffer[p]))
            return 0;
        loadedPictures[p].Delete();
    }
    if (const int fault = MIDI_PlayFile(songPath[currPlayer]))
        showMIDIError(fault);
    return 1;
}

int StartLoadedLevel()
{
    if (!CheckSavedGame(PlayersOfThisGame())) {
        if (programState == MODE_MENU)
            PrintStr(gameFonts[FONT_NORMAL], &screen, 2, 449, "There is no saved game to load.");
        return 0;
    }
    ResetTransientState();
    if (!LoadGame())
        return 0;
    GetNumBlocksLeft(currPlayer);
    // The arrow blocks and atoms of the loaded field are armed as at a level start.
    SetUpArrowBlocks();
    SetupAtoms();
    ResetLevel();
    StartReadyMessage(1);
    SetPowerUps();
    if (programState == MODE_GAME)
        StartNotify("Game Loaded", NOTIFY_LOADED);
    return 1;
}
