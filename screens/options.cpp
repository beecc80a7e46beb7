// The options screen: a box grows out of the menu's options item and shows six settings and
// "Exit to Menu". Up and Down move between the rows (the chosen row's title blinks), Left
// and Right slide the row's value to its neighbour and apply it at once; closing saves the
// settings file.
#include "screens/options.h"

#include <cstdio>

#include "app/settings.h"
#include "app/shell.h"
#include "app/state.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "gamemode/setup.h"
#include "gfx/gui.h"
#include "gfx/text.h"
#include "input/input.h"
#include "platform/keys.h"
#include "screens/menu.h"
#include "screens/screen_kit.h"

namespace {

enum { SETTING_ROWS = 6, EXIT_ROW = 7, MAX_CHOICES = 11 };
enum { ROW_PLAYER1 = 1, ROW_PLAYER2, ROW_SHADOWS, ROW_STEREO, ROW_SOUND, ROW_MUSIC };
enum { BOX_GROW_STEPS = 40, SCROLL_STEPS = 20, FIELD_MARGIN = 12, ARROW_GAP = 8 };
enum { TITLE_X = 101, FIELD_X = 345, HEADING_X = 263, BOX_LEFT = 85, BOX_RIGHT = 555 };
enum { FLASH_SHOWN = 2, FLASH_HIDDEN = 5, PAN = 5000 };

// The widest choice: every chain ends with it while the fields are sized, so that all
// fields come out equally wide.
const char* const widestChoice = "Keyboard";

const char* const rowTitles[SETTING_ROWS] = {"Player 1 Input", "Player 2 Input", "Shadows", "Stereo", "Sound", "Music"};

// One setting row: its widgets and the values its choices stand for, left to right.
struct OptionRow {
    Q2SL_label title;
    Q2SL_field field;
    Q2SL_label choices[MAX_CHOICES];
    Q2SL_label widest;  // the sizing choice, unlinked again before the box is shown
    int values[MAX_CHOICES] = {};
    int count = 0;
    int idle = 1;       // 1 when the field is not sliding
};

OptionRow rows[SETTING_ROWS];  // rows 1 to 6
Q2SL_label exitLabel;          // row 7
Q2SL_drawBuffer background;    // the screen behind the box
int selectedRow;               // 1 to 7
int heldKey;                   // the key whose release is awaited, or 0

int* Setting(int row)
{
    switch (row) {
    case ROW_PLAYER1:
        return &inputDevice[0];
    case ROW_PLAYER2:
        return &inputDevice[1];
    case ROW_SHADOWS:
        return &shadowSetting;
    case ROW_STEREO:
        return &stereoMode;
    case ROW_SOUND:
        return &soundVolume;
    default:
        return &musicSetting;
    }
}

OptionRow& Row(int row)
{
    return rows[row - 1];
}

// The value a setting shows as: any music but 0 is "On".
int ShownValue(int row)
{
    const int value = *Setting(row);
    return row == ROW_MUSIC && value != 0 ? 100 : value;
}

// The choice a setting shows: the last whose value does not exceed it.
int ChoiceIndex(int row)
{
    const OptionRow& r = Row(row);
    int index = 0;
    for (int i = 0; i < r.count; i++)
        if (r.values[i] <= ShownValue(row))
            index = i;
    return index;
}

void AddChoice(OptionRow& r, const char* text, int value)
{
    r.choices[r.count].SetString(text);
    r.values[r.count] = value;
    r.count++;
}

void FillChoices(int row)
{
    static const char* const offOn[] = {"Off", "On", "Reverse"};
    OptionRow& r = Row(row);
    r.count = 0;
    switch (row) {
    case ROW_PLAYER1:
    case ROW_PLAYER2:
        AddChoice(r, "Keyboard", DEVICE_KEYBOARD);
        AddChoice(r, "Mouse", DEVICE_MOUSE);
        if (deviceAvailable[DEVICE_JOYSTICK - 1])
            AddChoice(r, "Joystick", DEVICE_JOYSTICK);
        if (deviceAvailable[DEVICE_GAMEPAD - 1])
            AddChoice(r, "Gamepad", DEVICE_GAMEPAD);
        break;
    case ROW_SHADOWS:
    case ROW_STEREO:
        for (int v = 0; v < (row == ROW_SHADOWS ? 2 : 3); v++)
            AddChoice(r, offOn[v], v);
        break;
    case ROW_SOUND:
        AddChoice(r, "Off", 0);
        for (int v = 10; v <= 100; v += 10) {
            char text[16];
            std::snprintf(text, sizeof text, "%d%%000", v);
            AddChoice(r, text, v);
        }
        break;
    case ROW_MUSIC:
        AddChoice(r, "Off", 0);
        AddChoice(r, "On", 100);
        break;
    }
}

// Links the choices left to right, the sizing choice last.
void LinkChoices(OptionRow& r)
{
    r.widest.SetString(widestChoice);
    Q2SL_label* previous = nullptr;
    for (int i = 0; i <= r.count; i++) {
        Q2SL_label& label = i < r.count ? r.choices[i] : r.widest;
        label.x = label.y = 0;
        label.leftChoice = previous;
        label.rightChoice = nullptr;
        if (previous)
            previous->rightChoice = &label;
        previous = &label;
    }
}

void BuildRow(int row, int y)
{
    OptionRow& r = Row(row);
    Q2SL_font* font = gameFonts[FONT_NORMAL];
    r.idle = 1;
    r.title.SetFont(font);
    r.title.SetString(rowTitles[row - 1]);
    r.title.SetBuffer(&screen);
    r.title.x = TITLE_X;
    r.title.y = int16_t(y);
    r.title.SetFlash(1, FLASH_HIDDEN, FLASH_SHOWN);
    FillChoices(row);
    LinkChoices(r);
    r.field.scrolling = 0;
    r.field.SetString(&r.choices[ChoiceIndex(row)]);
    r.field.SetFont(font);
    r.field.SetBuffer(&screen);
    r.field.x = FIELD_X;
    r.field.y = int16_t(y);
    r.field.Refresh(FIELD_MARGIN);
    r.field.ArrowsOn(ARROW_GAP);
}

struct Layout {
    int mid;     // the vertical centre of the menu's options item
    int top;     // the top of the box
    int bottom;  // its bottom
};

Layout ComputeLayout()
{
    const int lh = gameFonts[FONT_NORMAL]->lineHeight;
    const int mid = MenuItemLine(MENU_OPTIONS).y;
    const int half = (lh + 5) * 9 / 2;
    return {mid, mid - half, mid + half};
}

void GrowBox(bool opening)
{
    const Layout l = ComputeLayout();
    const MenuLine panel = MenuItemLine(MENU_OPTIONS);
    const int32_t small[4] = {panel.x1, l.mid, panel.x2, l.mid};
    const int32_t large[4] = {BOX_LEFT, l.top, BOX_RIGHT, l.bottom};
    const int32_t* from = opening ? small : large;
    const int32_t* to = opening ? large : small;
    BoxGrow(&dBuffer, &screen, KeptScreen(background), BOX_GROW_STEPS, from[0], from[1], from[2],
            from[3], to[0], to[1], to[2], to[3]);
}

void SetUp()
{
    selectedRow = 1;
    heldKey = 0;
    const Layout l = ComputeLayout();
    const int lh = gameFonts[FONT_NORMAL]->lineHeight;
    for (int row = 1; row <= SETTING_ROWS; row++)
        BuildRow(row, l.top + (row + 1) * (lh + 4));
    exitLabel.SetFont(gameFonts[FONT_EMPHASIS]);
    exitLabel.SetString("Exit to Menu");
    exitLabel.SetBuffer(&screen);
    exitLabel.x = TITLE_X;
    exitLabel.y = int16_t(l.top + 8 * (lh + 4));
    exitLabel.SetFlash(1, FLASH_HIDDEN, FLASH_SHOWN);
    KeepBackBuffer(background);
    soundGroups[SND_PASS2].Play(0);
    GrowBox(true);
    for (OptionRow& r : rows)
        r.choices[r.count - 1].rightChoice = nullptr;
    screen.Vsync();
    PrintStr(gameFonts[FONT_EMPHASIS], &screen, HEADING_X, l.mid - 4 * lh - 19, "Options");
    for (OptionRow& r : rows)
        r.title.Draw();
    for (OptionRow& r : rows)
        r.field.Draw();
    exitLabel.Draw();
}

Q2SL_label& SelectedTitle()
{
    return selectedRow == EXIT_ROW ? exitLabel : Row(selectedRow).title;
}

void MoveSelection(int step)
{
    SelectedTitle().Erase();
    SelectedTitle().Draw();
    selectedRow = (selectedRow - 1 + step + EXIT_ROW) % EXIT_ROW + 1;
    soundGroups[SND_FUTURE_S].Play(0);
}

// What a new value does at once: the volume of every effect, the menu song.
void ApplySetting(int row)
{
    if (row == ROW_SOUND)
        Set_All_Volume(soundVolume);
    if (row == ROW_MUSIC) {
        if (musicSetting == 0)
            MIDI_Close();
        else
            MIDI_PlayFile("midi\\dand27.mid");
    }
}

// Slides the selected row to its neighbouring choice: step -1 to the left, +1 to the right.
void ChangeValue(int step)
{
    if (selectedRow == EXIT_ROW)
        return;
    OptionRow& r = Row(selectedRow);
    const int next = ChoiceIndex(selectedRow) + step;
    if (!r.idle || next < 0 || next >= r.count)
        return;
    *Setting(selectedRow) = r.values[next];
    ApplySetting(selectedRow);
    r.field.StartScroll(&r.choices[next], -step, SCROLL_STEPS);
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
    SelectedTitle().Erase();
    SelectedTitle().Flash();
    StepSlidingFields(rows);
    if (heldKey && KeyDown(keys, heldKey))
        return;
    heldKey = 0;
    const struct {
        int code;
        void (*action)(int);
        int step;
    } moves[] = {
        {DIK_UP, MoveSelection, -1},
        {DIK_DOWN, MoveSelection, +1},
        {DIK_LEFT, ChangeValue, -1},
        {DIK_RIGHT, ChangeValue, +1},
    };
    for (const auto& move : moves) {
        if (KeyDown(keys, move.code)) {
            heldKey = move.code;
            move.action(move.step);
        }
    }
    const bool choose = KeyDown(keys, DIK_SPACE) || KeyDown(keys, DIK_RETURN);
    if ((choose && selectedRow == EXIT_ROW) || KeyDown(keys, DIK_ESCAPE))
        SetSubState(OVERLAY_NONE);
}

void TearDown()
{
    SaveOptions();
    soundGroups[SND_PASS].Play(0);
    GrowBox(false);
    RestoreKeptScreen(background);
    for (OptionRow& r : rows) {
        r.field.Delete();
        r.title.Delete();
        r.widest.Delete();
        for (Q2SL_label& label : r.choices)
            label.Delete();
    }
    exitLabel.Delete();
}

}  // namespace

void OptionsSub(int phase)
{
    RunOverlayPhase(phase, SetUp, Frame, TearDown);
}
