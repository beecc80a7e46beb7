// The development menu: a box grown out of the main menu's options item with six two-way
// switches and "Exit to Menu". Up and Down move between the rows (the chosen row's caption
// blinks), Left picks a row's first choice and Right its second, each at once; the
// switches live until the program ends and are never saved.
#include "screens/devmenu.h"

#include <cstdint>

#include "app/state.h"
#include "audio/sound.h"
#include "game/world.h"
#include "gamemode/setup.h"
#include "gfx/gui.h"
#include "gfx/text.h"
#include "input/input.h"
#include "platform/keys.h"
#include "screens/menu.h"
#include "screens/screen_kit.h"

namespace {

enum { OPTION_ROWS = 6, EXIT_ROW = 7 };
enum { CAPTION_X = 20, FIELD_X = 290, FIRST_ROW_Y = 100, ROW_SPACING = 28, EXIT_Y = 440, MESSAGE_XY = 20 };
enum { BOX_GROW_STEPS = 40, SCROLL_STEPS = 20, FIELD_MARGIN = 12, ARROW_GAP = 8 };
enum { FLASH_SHOWN = 2, FLASH_HIDDEN = 5, PAN = 5000 };
constexpr int32_t BOX_LARGE[4] = {7, 7, 632, 472};

// One switch: its caption, its two choices and the flag the first choice sets to 1.
struct OptionRow {
    const char* caption;
    const char* choices[2];
    int32_t* flag;
};

const OptionRow options[OPTION_ROWS] = {
    {"No Die", {"On", "Off"}, &noDie},
    {"Ready Message", {"On", "Off"}, &readyMessageOn},
    {"Acquire Ball", {"On", "Off"}, &acquireBallOn},
    {"Ball Direction", {"Spin", "Place on Pad"}, &ballDirection},
    {"Ball Spin", {"On", "Off"}, &ballSpinOn},
    {"Developer Keys", {"On", "Off"}, &devKeys},
};

// The widgets of one row.
struct RowWidgets {
    Q2SL_label caption;
    Q2SL_field field;
    Q2SL_label choices[2];
    int idle = 1;  // 1 when the field is not sliding
};

RowWidgets rows[OPTION_ROWS];  // rows 1 to 6
Q2SL_label exitLabel;          // row 7
Q2SL_drawBuffer background;    // the screen behind the box
int devRow;                    // the highlighted row, 1 to 7
int heldKey;                   // the key whose release is awaited, or 0

void BuildRow(int index)
{
    const OptionRow& option = options[index];
    RowWidgets& r = rows[index];
    Q2SL_font* font = gameFonts[FONT_NORMAL];
    const int16_t y = int16_t(FIRST_ROW_Y + index * ROW_SPACING);
    r.idle = 1;
    r.caption.SetFont(font);
    r.caption.SetString(option.caption);
    r.caption.SetBuffer(&screen);
    r.caption.x = CAPTION_X;
    r.caption.y = y;
    r.caption.SetFlash(1, FLASH_HIDDEN, FLASH_SHOWN);
    for (int c = 0; c < 2; c++) {
        Q2SL_label& choice = r.choices[c];
        choice.SetFont(font);
        choice.SetString(option.choices[c]);
        choice.x = choice.y = 0;
    }
    r.choices[0].leftChoice = nullptr;
    r.choices[0].rightChoice = &r.choices[1];
    r.choices[1].leftChoice = &r.choices[0];
    r.choices[1].rightChoice = nullptr;
    r.field.scrolling = 0;
    r.field.SetString(&r.choices[*option.flag ? 0 : 1]);
    r.field.SetFont(font);
    r.field.SetBuffer(&screen);
    r.field.x = FIELD_X;
    r.field.y = y;
    r.field.Refresh(FIELD_MARGIN);
    r.field.ArrowsOn(ARROW_GAP);
}

void GrowBox(bool opening)
{
    const MenuLine entry = MenuItemLine(MENU_OPTIONS);
    const int32_t small[4] = {entry.x1, entry.y, entry.x2, entry.y};
    const int32_t* from = opening ? small : BOX_LARGE;
    const int32_t* to = opening ? BOX_LARGE : small;
    BoxGrow(&dBuffer, &screen, KeptScreen(background), BOX_GROW_STEPS, from[0], from[1], from[2],
            from[3], to[0], to[1], to[2], to[3]);
}

void SetUp()
{
    heldKey = 0;
    devRow = 1;
    for (int i = 0; i < OPTION_ROWS; i++)
        BuildRow(i);
    exitLabel.SetFont(gameFonts[FONT_EMPHASIS]);
    exitLabel.SetString("Exit to Menu");
    exitLabel.SetBuffer(&screen);
    exitLabel.x = CAPTION_X;
    exitLabel.y = EXIT_Y;
    exitLabel.SetFlash(1, FLASH_HIDDEN, FLASH_SHOWN);
    KeepBackBuffer(background);
    soundGroups[SND_YAY].Play(0);
    GrowBox(true);
    screen.Vsync();
    PrintStr(gameFonts[FONT_EMPHASIS], &screen, MESSAGE_XY, MESSAGE_XY,
             "You have found the development menu!\nFeel free to play with these\nsecret options.");
    for (RowWidgets& r : rows)
        r.caption.Flash();
    for (RowWidgets& r : rows)
        r.field.Draw();
    exitLabel.Draw();
}

Q2SL_label& RowCaption()
{
    return devRow == EXIT_ROW ? exitLabel : rows[devRow - 1].caption;
}

void MoveRow(int step)
{
    RowCaption().Erase();
    RowCaption().Draw();
    devRow = (devRow - 1 + step + EXIT_ROW) % EXIT_ROW + 1;
    soundGroups[SND_FUTURE_S].Play(0);
}

// Left (choice 0) sets the row's flag to 1, Right (choice 1) to 0; a flag that already
// has the value, or a field still sliding, takes nothing.
void Choose(int choice)
{
    if (devRow == EXIT_ROW)
        return;
    RowWidgets& r = rows[devRow - 1];
    int32_t& flag = *options[devRow - 1].flag;
    const int32_t value = choice == 0 ? 1 : 0;
    if (flag == value || !r.idle)
        return;
    flag = value;
    const int step = choice == 0 ? -1 : +1;
    r.field.StartScroll(&r.choices[choice], -step, SCROLL_STEPS);
    r.idle = 0;
    soundGroups[SND_33_1].Play(StereoPan(step * PAN));
}

void Frame()
{
    uint8_t keys[256];
    if (!ReadKeyboard(keys)) {
        DeviceReadFailed("Can't read keyboard");
        return;
    }
    screen.Vsync();
    RowCaption().Erase();
    RowCaption().Flash();
    StepSlidingFields(rows);
    if (heldKey && KeyDown(keys, heldKey))
        return;
    heldKey = 0;
    const struct {
        int code;
        void (*action)(int);
        int argument;
    } keyActions[] = {
        {DIK_UP, MoveRow, -1},
        {DIK_DOWN, MoveRow, +1},
        {DIK_LEFT, Choose, 0},
        {DIK_RIGHT, Choose, 1},
    };
    for (const auto& k : keyActions) {
        if (KeyDown(keys, k.code)) {
            heldKey = k.code;
            k.action(k.argument);
        }
    }
    const bool choose = KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_RETURN);
    if ((choose && devRow == EXIT_ROW) || KeyDown(keys, DIK_ESCAPE))
        SetSubState(OVERLAY_NONE);
}

void TearDown()
{
    soundGroups[SND_PASS].Play(0);
    GrowBox(false);
    RestoreKeptScreen(background);
    for (RowWidgets& r : rows) {
        r.field.Delete();
        r.caption.Delete();
        for (Q2SL_label& label : r.choices)
            label.Delete();
    }
    exitLabel.Delete();
}

}  // namespace

void DevMenuSub(int phase)
{
    RunOverlayPhase(phase, SetUp, Frame, TearDown);
}
