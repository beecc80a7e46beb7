// The main menu, the options, the difficulty question, the pause and the exit confirmation,
// walked headless the way a player takes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "common/run_game.h"

namespace {

// The menu's picture has faded in by then, and its box has grown by the next step.
constexpr int MENU_OPEN_MS = 700;
constexpr int MENU_READY_MS = 1500;

struct Step {
    int ms;
    std::string event;  // "tap DOWN", "focus-lost", ...
};

std::string Script(const std::vector<Step>& steps)
{
    std::string script = std::to_string(MENU_OPEN_MS) + " tap RETURN\n";
    for (const Step& s : steps)
        script += std::to_string(s.ms) + " " + s.event + "\n";
    return script;
}

// Runs the program from the main menu with the menu box opened, then the steps.
GameRun Walk(const std::vector<Step>& steps, int untilMs, std::vector<std::string> args = {})
{
    for (const char* a : {"--skip-intro", "--event-log", "@events.txt", "--stats", "@stats.json"})
        args.push_back(a);
    return RunGame(Script(steps), untilMs, args);
}

std::vector<std::string> Events(const GameRun& run)
{
    std::vector<std::string> lines;
    std::istringstream in(run.Read("events.txt"));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct Sound {
    int ms;
    std::string id;  // "group:pan"
};

// Sounds played, in order.
std::vector<Sound> SoundLog(const GameRun& run)
{
    std::vector<Sound> sounds;
    for (const std::string& line : Events(run)) {
        if (line.find("\"op\": \"play\", \"group\"") == std::string::npos)
            continue;
        const size_t group = line.find("\"group\": ") + 9;
        const size_t pan = line.find("\"pan\": ") + 7;
        sounds.push_back({std::stoi(line.substr(6)), line.substr(group, line.find(',', group) - group) + ":" +
                                                         line.substr(pan, line.find('}', pan) - pan)});
    }
    return sounds;
}

std::vector<std::string> Sounds(const GameRun& run)
{
    std::vector<std::string> ids;
    for (const Sound& s : SoundLog(run))
        ids.push_back(s.id);
    return ids;
}

// When the boxes opened (6) and closed (7) after the game started.
std::vector<Sound> GameBoxes(const GameRun& run)
{
    std::vector<Sound> boxes;
    bool inGame = false;
    for (const Sound& s : SoundLog(run)) {
        inGame = inGame || s.id == "31:0";
        if (inGame && (s.id == "6:0" || s.id == "7:0"))
            boxes.push_back(s);
    }
    return boxes;
}

std::vector<std::string> Ids(const std::vector<Sound>& sounds)
{
    std::vector<std::string> ids;
    for (const Sound& s : sounds)
        ids.push_back(s.id);
    return ids;
}

// The virtual time of the last event: when the program ended, if it ended early.
int LastEventMs(const GameRun& run)
{
    const std::vector<std::string> lines = Events(run);
    return lines.empty() ? -1 : std::stoi(lines.back().substr(6));
}

bool Has(const std::string& text, const std::string& piece)
{
    return text.find(piece) != std::string::npos;
}

// Taps the keys one after the other.
void Taps(int fromMs, int spacingMs, const std::vector<std::string>& keys, std::vector<Step>& steps)
{
    for (size_t i = 0; i < keys.size(); i++)
        steps.push_back({fromMs + int(i) * spacingMs, "tap " + keys[i]});
}

TEST(MainMenu, ThePromptOpensTheBoxWithItsSoundAndTheHighlightMovesOncePerPress)
{
    const GameRun run = Walk({{MENU_READY_MS, "key DOWN down"}, {2500, "key DOWN up"}, {2700, "tap DOWN"},
                              {2900, "tap UP"}},
                             3500);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string events = run.Read("events.txt");
    EXPECT_TRUE(Has(events, "\"op\": \"open\", \"path\": \"midi\\\\dand27.mid\"")) << events;
    EXPECT_EQ(Sounds(run), (std::vector<std::string>{"6:0", "4:0", "4:0", "4:0"}));
}

TEST(MainMenu, EscapeOnThePromptOpensTheBoxRatherThanTheExitConfirmation)
{
    const GameRun run = RunGame("700 tap ESCAPE\n", 2000, {"--skip-intro", "--event-log", "@events.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Sounds(run), (std::vector<std::string>{"6:0"}));
}

TEST(MainMenu, UpFromTheFirstItemWrapsToExitWhoseConfirmationEndsTheProgram)
{
    const GameRun run = Walk({{MENU_READY_MS, "tap UP"}, {1800, "tap RETURN"}, {2600, "tap Y"}}, 8000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    // Moved, the confirmation opens and closes, the program shuts down.
    EXPECT_EQ(Sounds(run), (std::vector<std::string>{"6:0", "4:0", "6:0", "7:0", "37:0"}));
    EXPECT_LT(LastEventMs(run), 8000);
}

TEST(MainMenu, DownSixTimesComesBackToOnePlayer)
{
    std::vector<Step> steps;
    Taps(MENU_READY_MS, 200, {"DOWN", "DOWN", "DOWN", "DOWN", "DOWN", "DOWN", "RETURN"}, steps);
    steps.push_back({3400, "tap RETURN"});
    const GameRun run = Walk(steps, 5000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string stats = run.Read("stats.json");
    EXPECT_TRUE(Has(stats, "\"mode\": 2")) << stats;  // the difficulty question led to a game
}

TEST(MainMenu, LoadingWithoutASavedGameOnlySaysSo)
{
    const std::vector<std::string> log = {"--frame-log", "@frames.txt"};
    const GameRun chosen = Walk({{MENU_READY_MS, "tap DOWN"}, {1800, "tap RETURN"}}, 3000, log);
    const GameRun highlighted = Walk({{MENU_READY_MS, "tap DOWN"}}, 3000, log);
    ASSERT_EQ(chosen.exitCode, 0) << chosen.output;
    EXPECT_EQ(Sounds(chosen), (std::vector<std::string>{"6:0", "4:0"}));
    EXPECT_FALSE(Has(chosen.Read("events.txt"), "Level1.mid"));
    // The message is the only difference on the screen.
    const std::string a = chosen.Read("frames.txt"), b = highlighted.Read("frames.txt");
    EXPECT_NE(a.substr(a.rfind(' ', a.size() - 2)), b.substr(b.rfind(' ', b.size() - 2)));
}

TEST(MainMenu, ASavedGameIsLoadedFromTheMenu)
{
    const GameRun run = Walk({{MENU_READY_MS, "tap RETURN"},
                              {2300, "tap RETURN"},
                              {4000, "tap F2"},  // saved, then left
                              {5000, "tap ESCAPE"},
                              {5600, "tap Y"},
                              {7500, "tap RETURN"},  // the menu again
                              {8500, "tap DOWN"},
                              {8800, "tap RETURN"}},
                             11000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<std::string> sounds = Sounds(run);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "31:0"), 2);
    // Down to the load item, which starts the game at once.
    const auto down = std::find(sounds.rbegin(), sounds.rend(), "4:0");
    ASSERT_NE(down, sounds.rend());
    ASSERT_NE(down, sounds.rbegin());
    EXPECT_EQ(*(down - 1), "31:0");
    EXPECT_TRUE(Has(run.Read("stats.json"), "\"mode\": 2"));
}

TEST(MainMenu, TheSecretWordOpensTheDevelopmentMenuAndAWrongLetterSpoilsIt)
{
    const struct {
        std::vector<std::string> letters;
        bool opens;
    } cases[] = {
        {{"T", "A", "L", "T", "R", "I", "X"}, true},
        {{"T", "A", "L", "Q", "T", "R", "I", "X"}, false},
        {{"T", "A", "Q", "T", "A", "L", "T", "R", "I", "X"}, true},
    };
    for (const auto& c : cases) {
        std::vector<Step> steps;
        Taps(MENU_READY_MS, 150, c.letters, steps);
        const GameRun run = Walk(steps, 4000);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(Has(run.Read("events.txt"), "yay.wav"), c.opens) << c.letters.size() << " letters";
    }
}

// Each answer to the exit confirmation opened with Escape from the menu.
TEST(ExitConfirmation, EscapeAndNoKeepTheProgramYesEndsIt)
{
    const struct {
        std::vector<std::string> keys;
        bool ends;
    } cases[] = {
        {{"ESCAPE"}, false}, {{"N"}, false},          {{"RETURN"}, false}, {{"SPACE"}, false},
        {{"Y"}, true},       {{"LEFT", "RETURN"}, true}, {{"LEFT", "SPACE"}, true}, {{"LEFT", "ESCAPE"}, false},
        {{"LEFT", "RIGHT", "RETURN"}, false},
    };
    for (const auto& c : cases) {
        std::vector<Step> steps = {{MENU_READY_MS, "tap ESCAPE"}};
        Taps(2200, 200, c.keys, steps);
        const GameRun run = Walk(steps, 6000);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const std::vector<std::string> sounds = Sounds(run);
        const bool ended = !sounds.empty() && sounds.back() == "37:0";
        EXPECT_EQ(ended, c.ends) << c.keys.back() << " after " << c.keys.size() - 1 << " moves";
        EXPECT_EQ(LastEventMs(run) < 6000, c.ends);
    }
}

TEST(Options, EveryOptionChangedTakesEffectAndIsSavedOnLeaving)
{
    std::vector<Step> steps;
    Taps(MENU_READY_MS, 200, {"DOWN", "DOWN", "DOWN", "RETURN"}, steps);
    // Each row in turn: device, device, shadows off, stereo reversed, sound 90, music off.
    Taps(3200, 200, {"RIGHT", "DOWN", "RIGHT", "DOWN", "LEFT", "DOWN", "RIGHT", "DOWN", "LEFT", "DOWN", "LEFT", "DOWN",
                     "RETURN"},
         steps);
    // Back in the menu, the exit confirmation's Left sounds on the right with reversed stereo.
    steps.push_back({7000, "tap ESCAPE"});
    steps.push_back({7600, "tap LEFT"});
    const GameRun run = Walk(steps, 8500);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.Read("vexa.cfg"), "2 2 0 2 90 0");
    const std::vector<std::string> sounds = Sounds(run);
    const std::vector<std::string> expected = {
        "6:0", "4:0", "4:0", "4:0", "6:0",  // to the options item, the box opens
        "3:5000", "4:0", "3:5000", "4:0",   // the two devices, to the right
        "3:-5000", "4:0",                   // shadows, to the left
        "3:-5000", "4:0",                   // stereo reversed: its own click already reversed
        "3:5000", "4:0", "3:5000", "4:0",   // sound and music, to the left but reversed
        "7:0",                              // the box closes
        "6:0", "4:5000",                    // the exit confirmation: Yes sounds on the right
    };
    EXPECT_EQ(sounds, expected);
    EXPECT_TRUE(Has(run.Read("events.txt"), "\"op\": \"close\", \"path\": \"midi\\\\dand27.mid\""));
}

TEST(Options, TheInputRowsOfferOnlyTheDevicesThisMachineHas)
{
    const struct {
        std::vector<std::string> extra;
        const char* saved;
        int clicks;
    } cases[] = {
        {{}, "2 1 1 1 100 100", 1},              // Keyboard, Mouse and no further
        {{"--gamepad"}, "4 1 1 1 100 100", 2},   // Mouse straight to Gamepad
    };
    for (const auto& c : cases) {
        std::vector<Step> steps;
        Taps(MENU_READY_MS, 200, {"DOWN", "DOWN", "DOWN", "RETURN"}, steps);
        Taps(3200, 500, {"RIGHT", "RIGHT", "ESCAPE"}, steps);
        const GameRun run = Walk(steps, 6000, c.extra);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        EXPECT_EQ(run.Read("vexa.cfg"), c.saved);
        const std::vector<std::string> sounds = Sounds(run);
        EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "3:5000"), c.clicks);
    }
}

TEST(Game, OnePlayerOnNormalPausesResumesAndLeavesThroughTheExitConfirmation)
{
    const GameRun run = Walk({{MENU_READY_MS, "tap RETURN"},
                              {2300, "tap RETURN"},  // Normal
                              {4000, "tap P"},
                              {5000, "tap P"},
                              {6000, "tap ESCAPE"},
                              {6600, "tap Y"}},
                             8000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<std::string> sounds = Sounds(run);
    const std::vector<std::string> start = {"6:0", "6:0", "7:0", "31:0"};
    ASSERT_GE(sounds.size(), start.size());
    EXPECT_EQ(std::vector<std::string>(sounds.begin(), sounds.begin() + 4), start);
    // Pause, resume, the confirmation opens and closes.
    EXPECT_EQ(Ids(GameBoxes(run)), (std::vector<std::string>{"6:0", "7:0", "6:0", "7:0"}));
    const std::string stats = run.Read("stats.json");
    EXPECT_TRUE(Has(stats, "\"mode\": 1")) << stats;  // back in the menu
    EXPECT_TRUE(Has(stats, "\"difficulty\": 3")) << stats;
    const std::string events = run.Read("events.txt");
    EXPECT_GT(events.rfind("\"path\": \"midi\\\\dand27.mid\""), events.find("Level1.mid")) << events;
}

TEST(Game, TwoPlayersAreAskedInTurnAndEachKeepsHisDifficulty)
{
    const GameRun run = Walk({{MENU_READY_MS, "tap DOWN"},
                              {1700, "tap DOWN"},
                              {1900, "tap RETURN"},
                              {2500, "tap RIGHT"},  // player 1: Hard
                              {3000, "tap RETURN"},
                              {4100, "tap LEFT"},  // player 2: Easy, then Very Easy
                              {4600, "tap LEFT"},
                              {5100, "tap RETURN"}},
                             7000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string stats = run.Read("stats.json");
    EXPECT_TRUE(Has(stats, "\"mode\": 2")) << stats;
    const size_t first = stats.find("\"difficulty\": 4}");
    EXPECT_NE(first, std::string::npos) << stats;
    EXPECT_GT(stats.find("\"difficulty\": 1}"), first) << stats;
    const std::vector<std::string> sounds = Sounds(run);
    EXPECT_EQ(std::vector<std::string>(sounds.begin(), sounds.begin() + 11),
              (std::vector<std::string>{"6:0", "4:0", "4:0", "6:0", "3:5000", "7:0", "6:0", "3:-5000", "3:-5000",
                                        "7:0", "31:0"}));
}

TEST(Game, CancellingTheDifficultyLeavesTheMenuWithNoGamePending)
{
    const GameRun run =
        Walk({{MENU_READY_MS, "tap RETURN"}, {2300, "tap RIGHT"}, {2800, "tap ESCAPE"}, {3600, "tap DOWN"}}, 4500);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Sounds(run), (std::vector<std::string>{"6:0", "6:0", "3:5000", "7:0", "4:0"}));
    EXPECT_FALSE(Has(run.Read("events.txt"), "Level1.mid"));
}

TEST(Game, AWindowThatLosesTheFocusPausesTheGame)
{
    const GameRun run =
        Walk({{MENU_READY_MS, "tap RETURN"}, {2300, "tap RETURN"}, {4000, "focus-lost"}, {5000, "tap SPACE"}}, 6000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(Ids(GameBoxes(run)), (std::vector<std::string>{"6:0", "7:0"}));
    EXPECT_TRUE(Has(run.Read("stats.json"), "\"mode\": 2"));
}

// Player 1 on the keyboard or (chosen in the options) the mouse, paused with P in a game.
TEST(Game, ThePauseEndsWithAKeyOrThePlayersOwnButton)
{
    const struct {
        bool mouse;
        std::vector<Step> input;
        bool closes;
    } cases[] = {
        {false, {{9000, "tap P"}}, true},
        {false, {{9000, "tap ESCAPE"}}, true},
        {false, {{9000, "button 0 down"}, {9100, "button 0 up"}}, false},
        {true, {{9000, "button 0 down"}, {9100, "button 0 up"}}, true},
    };
    for (const auto& c : cases) {
        std::vector<Step> steps;
        Taps(MENU_READY_MS, 200, {"DOWN", "DOWN", "DOWN", "RETURN"}, steps);
        if (c.mouse)
            steps.push_back({3200, "tap RIGHT"});
        Taps(3700, 200, {"ESCAPE"}, steps);
        Taps(4700, 200, {"UP", "UP", "UP", "RETURN"}, steps);
        Taps(6100, 200, {"RETURN"}, steps);
        steps.push_back({8000, "tap P"});
        steps.insert(steps.end(), c.input.begin(), c.input.end());
        const GameRun run = Walk(steps, 10000);
        ASSERT_EQ(run.exitCode, 0) << run.output;
        const std::vector<std::string> expected = c.closes ? std::vector<std::string>{"6:0", "7:0"}
                                                           : std::vector<std::string>{"6:0"};
        EXPECT_EQ(Ids(GameBoxes(run)), expected) << (c.mouse ? "mouse " : "keyboard ") << c.input[0].event;
    }
}

TEST(Game, APStillHeldWhenThePauseBoxHasGrownClosesItAtOnce)
{
    const GameRun run = Walk({{MENU_READY_MS, "tap RETURN"}, {2300, "tap RETURN"}, {4000, "key P down"},
                              {4500, "key P up"}},
                             6000);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::vector<Sound> boxes = GameBoxes(run);
    ASSERT_EQ(Ids(boxes), (std::vector<std::string>{"6:0", "7:0"}));
    EXPECT_LT(boxes[1].ms, 4500);
}

}  // namespace
