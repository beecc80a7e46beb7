// The difficulty question: "Choose Difficulty" for one player, "Player 1" and "Player 2"
// in turn for two. Left and Right slide between the five levels, Space or Enter confirm,
// Escape leaves the player's difficulty as it was.
#include "screens/difficulty.h"

#include "app/shell.h"
#include "app/state.h"
#include "audio/sound.h"
#include "game/enemies.h"
#include "game/world.h"
#include "gamemode/setup.h"
#include "gfx/gui.h"
#include "input/input.h"
#include "platform/keys.h"
#include "screens/menu.h"
#include "screens/screen_kit.h"

int32_t askPlayer = 0;
int32_t difficultyChosen = 0;
const char* const difficultyNames[5] = {"Very Easy", "Easy", "Normal", "Hard", "Skarvo"};

namespace {

enum { LEVELS = 5, START_LEVEL = 3, BOX_GROW_STEPS = 20, SCROLL_STEPS = 20 };
enum { FIELD_MARGIN = 10, ARROW_GAP = 10, CENTRE_X = 320, TITLE_BOTTOM = 192, FIELD_Y = 196 };

int32_t choice;                // the level shown, 1 to 5
Q2SL_label title;              // whose difficulty is asked
Q2SL_label levelLabels[LEVELS];  // the five choices, linked left to right
Q2SL_field levelField;         // the sliding choice
Q2SL_drawBuffer keepBuffer;    // the screen behind the box

// The menu item the box grows out of: the game the player chose.
MenuLine OpeningItem()
{
    return MenuItemLine(playersLeft == 1 ? MENU_ONE_PLAYER : MENU_TWO_PLAYERS);
}

struct Box {
    int32_t x1, y1, x2, y2;
};

Box DialogBox()
{
    const int32_t half = title.width / 2;
    const int32_t lineHeight = gameFonts[FONT_NORMAL]->lineHeight;
    return {CENTRE_X - (half + 5), TITLE_BOTTOM - lineHeight, CENTRE_X + 5 + half, FIELD_Y + lineHeight};
}

void BuildChoices()
{
    for (int i = 0; i < LEVELS; i++) {
        Q2SL_label& label = levelLabels[i];
        label.SetFont(gameFonts[FONT_NORMAL]);
        label.SetString(difficultyNames[i]);
        label.x = label.y = 0;
        label.leftChoice = i > 0 ? &levelLabels[i - 1] : nullptr;
        label.rightChoice = i + 1 < LEVELS ? &levelLabels[i + 1] : nullptr;
    }
    levelField.scrolling = 0;
    levelField.SetString(&levelLabels[START_LEVEL - 1]);
    levelField.SetFont(gameFonts[FONT_NORMAL]);
    levelField.SetBuffer(&dBuffer);
    levelField.Refresh(FIELD_MARGIN);
    levelField.ArrowsOn(ARROW_GAP);
    levelField.x = int16_t(CENTRE_X - levelField.width / 2);
    levelField.y = FIELD_Y;
}

void BuildTitle()
{
    if (playersLeft == 1)
        askPlayer = 0;
    title.SetFont(gameFonts[FONT_EMPHASIS]);
    title.SetString(playersLeft == 1 ? "Choose Difficulty" : askPlayer == 0 ? "Player 1" : "Player 2");
    title.SetBuffer(&dBuffer);
    title.x = int16_t(CENTRE_X - title.width / 2);
    title.y = int16_t(TITLE_BOTTOM - gameFonts[FONT_NORMAL]->lineHeight);
}

void SetUp()
{
    choice = START_LEVEL;
    BuildChoices();
    BuildTitle();
    if (MakeScreenBuffer(keepBuffer))
        screen.Draw(&keepBuffer);
    soundGroups[SND_PASS2].Play(0);
    const MenuLine from = OpeningItem();
    const Box to = DialogBox();
    BoxGrow(&dBuffer, &screen, KeptScreen(keepBuffer), BOX_GROW_STEPS, from.x1, from.y, from.x2,
            from.y, to.x1, to.y1, to.x2, to.y2);
    title.Draw();
    levelField.Draw();
    PresentBackBuffer();
}

// The field over its own background, so that a sliding choice leaves no trail.
void RedrawField()
{
    levelField.Erase();
    levelField.Draw();
}

// Slides to the neighbouring level; direction -1 for the one to the left.
void Slide(int direction)
{
    choice += direction;
    Q2SL_label* next = direction < 0 ? levelField.current->leftChoice : levelField.current->rightChoice;
    levelField.StartScroll(next, -direction, SCROLL_STEPS);
    soundGroups[SND_33_1].Play(StereoPan(direction * 5000));
}

// Closes the overlay; a slide still running is drawn to its end first.
void Close()
{
    SetSubState(OVERLAY_NONE);
    while (levelField.IsScrolling())
        RedrawField();
}

void Frame()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return;
    }
    if (windowPainted)
        keepBuffer.Draw(&dBuffer);
    RedrawField();
    PresentBackBuffer();
    const bool idle = !levelField.IsScrolling();
    if (KeyDown(keys, DIK_LEFT) && choice > 1 && idle)
        Slide(-1);
    if (KeyDown(keys, DIK_RIGHT) && choice < LEVELS && idle)
        Slide(+1);
    if (KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_RETURN)) {
        SetDifficulty(askPlayer, choice);
        SetShotMax(askPlayer, choice);
        difficultyChosen = 1;
        Close();
    }
    if (KeyDown(keys, DIK_ESCAPE)) {
        difficultyChosen = 0;
        Close();
    }
}

void TearDown()
{
    soundGroups[SND_PASS].Play(0);
    const MenuLine into = OpeningItem();
    const Box from = DialogBox();
    BoxGrow(&dBuffer, &screen, KeptScreen(keepBuffer), BOX_GROW_STEPS, from.x1, from.y1, from.x2,
            from.y2, into.x1, into.y, into.x2, into.y);
    RestoreKeptScreen(keepBuffer);
    title.Delete();
    for (Q2SL_label& label : levelLabels)
        label.Delete();
    levelField.Delete();
}

}  // namespace

void DifficultySub(int phase)
{
    RunOverlayPhase(phase, SetUp, Frame, TearDown);
}
