// The high-score table: ranking, the file, the table's picture, the name entry that follows
// a game with a place in the table, and the table shown after the help pages.
#include "screens/hiscore.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "game/lives.h"
#include "game/world.h"
#include "gamemode/frame.h"
#include "gamemode/setup.h"
#include "gfx/gui.h"
#include "gfx/text.h"
#include "input/input.h"
#include "platform/keys.h"
#include "platform/platform.h"
#include "screens/difficulty.h"
#include "screens/screen_kit.h"

HiScoreEntry hiScoreTable[HISCORE_ENTRIES];
int32_t hiScoreRow = -1;
Q2SL_drawBuffer keepSurface;

namespace {

enum { ROW_HEIGHT = 27, BLINK_FRAMES = 20, FADE_STEPS = 10, CURSOR_COLOUR = 255 };
enum { NAME_X = 74, SCORE_RIGHT = 385, LEVEL_RIGHT = 470, DIFFICULTY_RIGHT = 625 };
enum { TABLE_LEFT = 72, TABLE_TOP = 44, TABLE_RIGHT = 625, TABLE_BOTTOM = 471 };
enum { CHAR_BACKSPACE = 8, CHAR_ENTER = 13, CHAR_ESCAPE = 27, CHAR_DELETE = 127 };

const char* const scoreFile = "scores.cfg";
const int columnLines[] = {272, 387, 470};

int nameCursor;     // characters typed, 0 to 10
int cursorVisible;  // the text cursor is drawn
int blinkCountdown;  // frames until the cursor blinks
int entryStep;      // 0 typing the name, 1 showing the table
int keyLatch;       // a closing key is held; the overlay closes when it is released
Q2SL_label title;   // the caption above the table

const HiScoreEntry emptyEntry = {{}, 0, -1, -1};

bool InRange(int32_t v, int32_t low, int32_t high)
{
    return v >= low && v <= high;
}

int32_t ReadI32(const uint8_t* at)
{
    return int32_t(at[0] | at[1] << 8 | at[2] << 16 | uint32_t(at[3]) << 24);
}

void WriteI32(std::vector<uint8_t>& bytes, int32_t v)
{
    for (int i = 0; i < 4; i++)
        bytes.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

HiScoreEntry ParseEntry(const uint8_t* at)
{
    HiScoreEntry entry;
    std::memcpy(entry.name, at, HISCORE_NAME_BYTES);
    entry.score = ReadI32(at + 16);
    entry.level = ReadI32(at + 20);
    entry.difficulty = ReadI32(at + 24);
    const bool named = std::memchr(entry.name, 0, HISCORE_NAME_BYTES) != nullptr;
    const bool levelValid = entry.level == -1 || InRange(entry.level, 1, HISCORE_LEVEL_ALL);
    const bool difficultyValid = entry.difficulty == -1 || InRange(entry.difficulty, 1, 5);
    return named && levelValid && difficultyValid ? entry : emptyEntry;
}

// A name is shown as typed: a percent sign would otherwise start an escape of the text.
std::string Printable(const char* name)
{
    std::string text;
    for (const char* c = name; *c; c++)
        text += *c == '%' ? std::string("%000") : std::string(1, *c);
    return text;
}

Q2SL_font* FontOf(int index)
{
    return gameFonts[index == hiScoreRow ? FONT_EMPHASIS : FONT_NORMAL];
}

void PrintRight(Q2SL_font* font, int right, int y, const char* text)
{
    PrintStr(font, &dBuffer, right - FindWidth(text, font), y, text);
}

const char* LevelText(int32_t level, char* buffer, size_t size)
{
    if (level == HISCORE_LEVEL_ALL)
        return "All";
    if (level == -1)
        return "---";
    std::snprintf(buffer, size, "%i", level);
    return buffer;
}

const char* DifficultyText(int32_t d)
{
    return InRange(d, 1, 5) ? difficultyNames[d - 1] : "------";
}

void DrawFrames()
{
    const int half = title.width / 2;
    dBuffer.Lock();
    DrawBox(&dBuffer, 312 - half, 7, 328 + half, 29, boxEdgeColor, boxFaceColor, boxShadeColor);
    DrawBox(&dBuffer, 16, 71, 52, TABLE_BOTTOM, boxEdgeColor, boxFaceColor, boxShadeColor);
    DrawBox(&dBuffer, TABLE_LEFT, TABLE_TOP, TABLE_RIGHT, TABLE_BOTTOM, boxEdgeColor, boxFaceColor, boxShadeColor);
    dBuffer.Unlock();
    DrawFilledRect(&dBuffer, 312 - half, 7, 328 + half, 29, 0);
    DrawFilledRect(&dBuffer, 16, 71, 52, TABLE_BOTTOM, 0);
    DrawFilledRect(&dBuffer, TABLE_LEFT, TABLE_TOP, TABLE_RIGHT, TABLE_BOTTOM, 0);
    dBuffer.Lock();
    for (int row = 1; row <= HISCORE_ENTRIES; row++)
        DrawHLine(&dBuffer, row * ROW_HEIGHT + 42, TABLE_LEFT, TABLE_RIGHT, boxFaceColor);
    for (int x : columnLines)
        DrawVLine(&dBuffer, x, TABLE_TOP, TABLE_BOTTOM, boxFaceColor);
    dBuffer.Unlock();
}

void DrawEntry(int index)
{
    const HiScoreEntry& entry = hiScoreTable[index];
    Q2SL_font* font = FontOf(index);
    const int rank = index + 1;
    char text[32];
    std::snprintf(text, sizeof text, "%i.", rank);
    PrintStr(font, &dBuffer, rank < 10 ? 32 : 18, rank * ROW_HEIGHT + 44, text);
    const int y = rank * ROW_HEIGHT + 43;
    PrintStr(font, &dBuffer, NAME_X, y, Printable(entry.name).c_str());
    std::snprintf(text, sizeof text, "%i", entry.score);
    PrintRight(font, SCORE_RIGHT, y, text);
    PrintRight(font, LEVEL_RIGHT, y, LevelText(entry.level, text, sizeof text));
    PrintRight(font, DIFFICULTY_RIGHT, y, DifficultyText(entry.difficulty));
}

void SetTitle(const char* text)
{
    title.SetFont(gameFonts[FONT_NORMAL]);
    title.SetBuffer(&dBuffer);
    title.SetString(text);
    title.x = int16_t(320 - title.width / 2);
    title.y = 4;
}

void ClearScreen()
{
    DD_Fill_Surface(screen.primary, 0);
    DD_Fill_Surface(dBuffer.surface, 0);
}

// Enter, Space or Escape pressed and released closes the table. True in the frame of the
// release; a failed read has already asked for the program to end.
bool TableClosed()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return false;
    }
    if (KeyDown(keys, DIK_RETURN) || KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_ESCAPE)) {
        keyLatch = 1;
        return false;
    }
    const bool released = keyLatch != 0;
    keyLatch = 0;
    return released;
}

void RedrawName()
{
    DrawScoreTable();
    cursorVisible = 1;
    DrawHiScoreCursor(1);
    blinkCountdown = BLINK_FRAMES;
    PresentBackBuffer();
    soundGroups[SND_CLICK].Play(0);
}

bool Typeable(int c)
{
    const Q2SL_font* font = gameFonts[FONT_EMPHASIS];
    return c > 0 && c < kFontChars && font->glyphs[c] && nameCursor < HISCORE_NAME_CHARS;
}

void EndNameEntry()
{
    DirectInputInit();
    entryStep = 1;
    charCapture = 0;
    I_SetCharCapture(false);
    SetTitle("VexaScore Table");
    ClearScreen();
    DrawScoreTable();
    soundGroups[SND_RICOCHET].Play(0);
}

void TypedCharacter(int c)
{
    char* name = hiScoreTable[hiScoreRow].name;
    if (c == CHAR_BACKSPACE || c == CHAR_DELETE) {
        if (nameCursor == 0)
            return;
        name[--nameCursor] = 0;
        RedrawName();
    } else if (c == CHAR_ENTER || c == CHAR_ESCAPE) {
        EndNameEntry();
    } else if (Typeable(c)) {
        name[nameCursor++] = char(c);
        name[nameCursor] = 0;
        RedrawName();
    }
}

void NameFrame()
{
    if (--blinkCountdown == 0) {
        blinkCountdown = BLINK_FRAMES;
        cursorVisible = !cursorVisible;
        DrawHiScoreCursor(cursorVisible);
    }
    PresentBackBuffer();
    const int c = lastChar;
    lastChar = 0;
    if (c)
        TypedCharacter(c);
}

}  // namespace

void ResetHiScore()
{
    for (HiScoreEntry& entry : hiScoreTable)
        entry = emptyEntry;
}

std::vector<uint8_t> EncodeHiScores()
{
    std::vector<uint8_t> bytes;
    for (const HiScoreEntry& entry : hiScoreTable) {
        bytes.insert(bytes.end(), entry.name, entry.name + HISCORE_NAME_BYTES);
        for (int32_t v : {entry.score, entry.level, entry.difficulty})
            WriteI32(bytes, v);
    }
    return bytes;
}

void ParseHiScores(const uint8_t* data, size_t size)
{
    const size_t entries = std::min<size_t>(size / HISCORE_ENTRY_BYTES, HISCORE_ENTRIES);
    for (size_t i = 0; i < entries; i++)
        hiScoreTable[i] = ParseEntry(data + i * HISCORE_ENTRY_BYTES);
}

void LoadHiScore()
{
    const std::string path = I_UserPath(scoreFile);
    std::vector<uint8_t> bytes;
    if (!path.empty() && I_ReadFile(path, bytes, HISCORE_FILE_BYTES))
        ParseHiScores(bytes.data(), bytes.size());
}

void SaveHiScore()
{
    const std::vector<uint8_t> bytes = EncodeHiScores();
    I_WriteUserFile(scoreFile, bytes.data(), bytes.size());
}

int GetHiScoreRank(int32_t newScore)
{
    int rank = HISCORE_ENTRIES - 1;
    while (rank >= 0 && hiScoreTable[rank].score < newScore)
        rank--;
    return rank + 1;
}

void AddHiScore(const char* name, int32_t newScore, int32_t level, int32_t d, int rank)
{
    if (rank < 0 || rank >= HISCORE_ENTRIES)
        return;
    for (int i = HISCORE_ENTRIES - 1; i > rank; i--)
        hiScoreTable[i] = hiScoreTable[i - 1];
    HiScoreEntry& entry = hiScoreTable[rank];
    entry = emptyEntry;
    std::snprintf(entry.name, sizeof entry.name, "%s", name);
    entry.score = newScore;
    entry.level = level;
    entry.difficulty = d;
    hiScoreRow = rank;
}

int CheckHiScore()
{
    const int rank = GetHiScoreRank(score[currPlayer]);
    if (rank == HISCORE_ENTRIES)
        return 0;
    AddHiScore("", score[currPlayer], playerLevel[currPlayer] + 1, difficulty[currPlayer], rank);
    return 1;
}

void DrawScoreTable()
{
    DD_Fill_Surface(dBuffer.surface, 0);
    DrawFrames();
    title.Draw();
    Q2SL_font* heading = gameFonts[FONT_EMPHASIS];
    const struct {
        const char* text;
        int x;
    } headings[] = {{"Name", 74}, {"Score", 279}, {"Level", 394}, {"Difficulty", 477}};
    for (const auto& h : headings)
        PrintStr(heading, &dBuffer, h.x, 43, h.text);
    for (int i = 0; i < HISCORE_ENTRIES; i++)
        DrawEntry(i);
    PresentBackBuffer();
}

void DrawHiScoreCursor(int visible)
{
    if (hiScoreRow < 0)
        return;
    const Q2SL_font* font = gameFonts[FONT_EMPHASIS];
    const int x = NAME_X + FindWidth(Printable(hiScoreTable[hiScoreRow].name).c_str(), font);
    const int top = hiScoreRow * ROW_HEIGHT + 73;
    const uint8_t colour = visible ? CURSOR_COLOUR : 0;
    dBuffer.Lock();
    for (int column : {x, x + 1})
        DrawVLine(&dBuffer, column, top, top + 18, colour);
    dBuffer.Unlock();
}

void StartScoreEnterSub()
{
    if (MakeScreenBuffer(keepSurface))
        screen.Draw(&keepSurface);
    SetTitle("VexaScore: Enter Name");
    entryStep = 0;
    keyLatch = 0;
    charCapture = 1;
    lastChar = 0;
    I_SetCharCapture(true);
    DirectInputShutdown();
    nameCursor = 0;
    blackPalette.Set();
    ClearScreen();
    MIDI_PlayFile("midi\\Beat2.mid");
    DrawScoreTable();
    cursorVisible = 1;
    DrawHiScoreCursor(1);
    PresentBackBuffer();
    blinkCountdown = BLINK_FRAMES;
    StandardFade(blackPalette, GamePalette(), FADE_STEPS);
    soundGroups[SND_HISCORE].Play(0);
}

void ScoreEnterSub()
{
    if (entryStep == 0) {
        NameFrame();
        return;
    }
    if (!TableClosed())
        return;
    SetSubState(OVERLAY_NONE);
    if (resumeAfterScreen)
        NextBall(1);
    else
        SetProgramState(MODE_MENU);
}

void EndScoreEnterSub()
{
    ClearScreen();
    SaveHiScore();
    resumeAfterScreen = 0;
    // Whatever follows draws its own screen: the picture kept behind the entry is not shown.
    keepSurface.ReleaseSurface();
}

void StartHiScoreSub()
{
    SetTitle("VexaScore Table");
    keyLatch = 0;
    entryStep = 1;
    blackPalette.Set();
    ClearScreen();
    DrawScoreTable();
    StandardFade(blackPalette, GamePalette(), FADE_STEPS);
}

void HiScoreSub()
{
    if (TableClosed())
        SetSubState(OVERLAY_NONE);
}

void EndHiScoreSub()
{
    title.Delete();
    if (keepSurface.surface)
        RestoreKeptScreen(keepSurface);
    MIDI_PlayFile("midi\\Dand27.mid");
}
