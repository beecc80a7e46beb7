// A headless run from the inside: scripted input reaching the game's reads and messages,
// the frame and event logs, the screenshot, sounds and songs in virtual time.
#include <gtest/gtest.h>

#include <png.h>

#include <cstdio>
#include <fstream>

#include "common/headless_session.h"
#include "platform/headless/headless.h"
#include "platform/keys.h"

namespace {

std::vector<I_Message> TakeMessages()
{
    std::vector<I_Message> taken;
    I_Message msg;
    while (I_PeekMessage(msg))
        taken.push_back(msg);
    return taken;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A MIDI file of one track that ends after the given number of quarter notes at 120 bpm.
std::vector<uint8_t> Song(uint8_t quarters)
{
    return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 1,
            'M', 'T', 'r', 'k', 0, 0, 0, 4, quarters, 0xFF, 0x2F, 0x00};
}

} // namespace

TEST(Headless, ScriptedKeysReachTheReadsAndATapIsNeverMissed)
{
    HeadlessSession session({}, "20 key LEFT down\n40 key LEFT up\n50 tap SPACE\n");
    ASSERT_TRUE(session.ok);
    uint8_t keys[256];
    I_WaitTicks(I_GetTicks(), 25);
    I_GetKeyboardState(keys);
    EXPECT_EQ(keys[DIK_LEFT], 0x80);
    // One long wait swallows the whole tap; the press is still seen once.
    I_WaitTicks(I_GetTicks(), 200);
    I_GetKeyboardState(keys);
    EXPECT_EQ(keys[DIK_LEFT], 0);
    EXPECT_EQ(keys[DIK_SPACE], 0x80);
    I_GetKeyboardState(keys);
    EXPECT_EQ(keys[DIK_SPACE], 0);
}

TEST(Headless, TypedTextArrivesOnlyWhileCharactersAreCaptured)
{
    HeadlessSession session({}, "10 text ab\n100 tap BACK\n200 text cd\n300 tap RETURN\n");
    ASSERT_TRUE(session.ok);
    I_WaitTicks(I_GetTicks(), 150);
    EXPECT_TRUE(TakeMessages().empty());
    I_SetCharCapture(true);
    I_WaitTicks(I_GetTicks(), 200);
    std::vector<int> chars;
    for (const I_Message& m : TakeMessages())
        if (m.kind == I_MSG_CHAR)
            chars.push_back(m.param);
    EXPECT_EQ(chars, (std::vector<int>{'c', 'd', 13}));
}

TEST(Headless, MouseControllersAndWindowEventsFollowTheScript)
{
    I_Options opts;
    opts.joystickPresent = opts.gamepadPresent = true;
    HeadlessSession session(opts, "5 mouse 3 -2\n6 mouse 1 1\n7 button 0 down\n"
                                  "8 joy -1 0.5\n9 joybutton 0 down\n20 focus-lost\n30 quit\n");
    ASSERT_TRUE(session.ok);
    const std::vector<I_ControllerInfo> found = I_EnumControllers();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[0].plainGameController);
    EXPECT_FALSE(found[1].plainGameController);

    const int joystick = I_OpenController(1);
    ASSERT_GE(joystick, 0);
    I_SetControllerRange(joystick, 0, -30, 30);
    I_SetControllerRange(joystick, 1, -3, 3);
    int x = 0, y = 0;
    uint8_t buttons[32] = {};
    ASSERT_TRUE(I_ReadController(joystick, &x, &y, buttons));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);

    I_WaitTicks(I_GetTicks(), 10);
    int dx = 0, dy = 0;
    uint8_t mouse[4] = {};
    I_GetMouseState(&dx, &dy, mouse);
    EXPECT_EQ(dx, 4);
    EXPECT_EQ(dy, -1);
    EXPECT_EQ(mouse[0], 0x80);
    I_GetMouseState(&dx, &dy, mouse);
    EXPECT_EQ(dx, 0);
    ASSERT_TRUE(I_ReadController(joystick, &x, &y, buttons));
    EXPECT_EQ(x, -30);
    EXPECT_EQ(y, 2);
    EXPECT_EQ(buttons[0], 0x80);
    I_CloseController(joystick);
    EXPECT_FALSE(I_ReadController(joystick, &x, &y, buttons));
    EXPECT_EQ(I_OpenController(2), -1);

    I_WaitTicks(I_GetTicks(), 30);
    const std::vector<I_Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].kind, I_MSG_KILLFOCUS);
    EXPECT_EQ(messages[0].param, 0);
    EXPECT_EQ(messages[1].kind, I_MSG_CLOSE);
}

TEST(Headless, ABadScriptStopsTheStart)
{
    HeadlessSession session({}, "10 tap SPACE\n20 tap NOPE\n");
    EXPECT_FALSE(session.ok);
    I_Options opts;
    opts.headless = true;
    opts.scriptFile = session.dir + "/script.txt";
    std::string error;
    EXPECT_FALSE(I_Init(opts, error));
    EXPECT_EQ(error, "script " + opts.scriptFile + ":2: unknown key \"NOPE\"");
}

TEST(Headless, TheRunEndsAtItsTime)
{
    I_Options opts;
    opts.untilMs = 100;
    HeadlessSession session(opts);
    ASSERT_TRUE(session.ok);
    I_WaitTicks(I_GetTicks(), 99);
    EXPECT_TRUE(TakeMessages().empty());
    I_WaitTicks(I_GetTicks(), 17);
    const std::vector<I_Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, I_MSG_CLOSE);
    I_WaitTicks(I_GetTicks(), 100);
    EXPECT_TRUE(TakeMessages().empty());
}

TEST(Headless, FramesAreShownAtTheNextWaitHashedAndKeptForTheScreenshot)
{
    I_Options opts;
    HeadlessSession probe;
    const std::string frames = probe.dir + "/frames.txt";
    const std::string shot = probe.dir + "/shot.png";
    opts.frameLogFile = frames;
    opts.screenshotFile = shot;
    {
        HeadlessSession session(opts);
        ASSERT_TRUE(session.ok);
        ASSERT_TRUE(I_SetVideoMode(640, 480, 8));
        uint8_t rgb[256 * 3] = {};
        rgb[5 * 3] = 200;
        I_SetPalette(rgb);
        I_WaitTicks(I_GetTicks(), 10);         // frame 1 at 0
        I_WaitTicks(I_GetTicks(), 10);         // nothing changed: no frame
        I_Surface* primary = I_PrimarySurface();
        I_Surface* src = I_CreateSurface(4, 4);
        I_FillSurface(src, 5);
        I_Blt(primary, 0, 0, src, {0, 0, 4, 4}, false);
        I_ReleaseSurface(src);
        I_WaitVBlank();                         // frame 2 at 20
        int pitch = 0;
        I_LockSurface(primary, &pitch)[0] = 0;
        I_UnlockSurface(primary);
        I_Message msg;
        I_PeekMessage(msg);                     // frame 3 at 34
        session.Finish();
    }
    const std::vector<std::string> lines = Lines(frames);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].substr(0, 2), "0 ");
    EXPECT_EQ(lines[1].substr(0, 3), "20 ");
    EXPECT_EQ(lines[2].substr(0, 3), "34 ");
    EXPECT_EQ(lines[0].size(), 2u + 16u);
    EXPECT_NE(lines[0].substr(2), lines[1].substr(3));
    EXPECT_NE(lines[1].substr(3), lines[2].substr(3));

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, shot.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
    EXPECT_EQ(image.width, 640u);
    EXPECT_EQ(pixels[0], 0);                   // unlocked to colour 0
    EXPECT_EQ(pixels[3], 200);                 // colour 5 through the palette
    EXPECT_EQ(pixels[4 * 3], 0);
}

TEST(Headless, TheSameRunGivesTheSameFrames)
{
    HeadlessSession probe;
    std::vector<std::string> runs[2];
    for (auto& lines : runs) {
        I_Options opts;
        opts.frameLogFile = probe.dir + "/frames.txt";
        HeadlessSession session(opts);
        ASSERT_TRUE(session.ok);
        I_SetVideoMode(640, 480, 8);
        for (int i = 0; i < 20; i++) {
            I_FillSurface(I_PrimarySurface(), uint8_t(i));
            I_WaitTicks(I_GetTicks(), 25);
        }
        session.Finish();
        lines = Lines(opts.frameLogFile);
    }
    EXPECT_EQ(runs[0].size(), 20u);
    EXPECT_EQ(runs[0], runs[1]);
}

TEST(Headless, SoundsPlayForTheirLengthAndOnlyRealStopsAreLogged)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    ASSERT_TRUE(I_SoundInit());
    const std::vector<uint8_t> samples(1103, 128);   // just over 100 ms
    I_Sound* pop = I_CreateSound(samples.data(), samples.size(), 9, "wavs\\Pop2.wav");
    I_Sound* copy = I_DuplicateSound(pop);
    ASSERT_NE(copy, nullptr);
    I_SetSoundPan(copy, 20000);
    I_StopSound(pop);                       // not playing: not logged
    I_PlaySound(pop);
    I_PlaySound(copy);
    I_WaitTicks(I_GetTicks(), 100);
    EXPECT_TRUE(I_SoundPlaying(pop));
    I_WaitTicks(I_GetTicks(), 101);
    EXPECT_FALSE(I_SoundPlaying(pop));
    I_StopSound(pop);                       // ended by itself: not logged
    I_StopSound(copy);
    I_ReleaseSound(copy);
    I_ReleaseSound(pop);
    I_SoundShutdown();

    const std::vector<std::string> log = session.Finish();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], R"({"t": 0, "kind": "sound", "op": "play", "group": 9, "file": "wavs\\Pop2.wav", "pan": 0})");
    EXPECT_EQ(log[1], R"({"t": 0, "kind": "sound", "op": "play", "group": 9, "file": "wavs\\Pop2.wav", "pan": 10000})");
}

TEST(Headless, SongsPlayTheirRealLengthAndTheirEndIsPosted)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    session.WriteData("Midi/Dand27.mid", Song(4));   // two seconds
    session.WriteData("Midi/broken.mid", {'M', 'T', 'h', 'd', 0});
    EXPECT_FALSE(I_MusicOpen("midi\\broken.mid"));
    EXPECT_FALSE(I_MusicOpen("midi\\missing.mid"));
    ASSERT_TRUE(I_MusicOpen("midi\\dand27.mid"));
    ASSERT_TRUE(I_MusicPlay());
    I_WaitTicks(I_GetTicks(), 500);
    I_MusicStop();
    I_WaitTicks(I_GetTicks(), 1000);            // stopped: the song waits
    ASSERT_TRUE(I_MusicPlay());
    I_WaitTicks(I_GetTicks(), 1499);
    EXPECT_TRUE(TakeMessages().empty());
    I_WaitTicks(I_GetTicks(), 1);
    const std::vector<I_Message> messages = TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, I_MSG_MUSICDONE);
    I_MusicClose();
    I_MessageBox("MCI Error", "Unknown \"Error\"\n");

    const std::vector<std::string> log = session.Finish();
    const std::vector<std::string> expected = {
        R"({"t": 0, "kind": "music", "op": "open", "path": "midi\\dand27.mid"})",
        R"({"t": 0, "kind": "music", "op": "play", "path": "midi\\dand27.mid"})",
        R"({"t": 500, "kind": "music", "op": "stop", "path": "midi\\dand27.mid"})",
        R"({"t": 1500, "kind": "music", "op": "play", "path": "midi\\dand27.mid"})",
        R"({"t": 3000, "kind": "music", "op": "finish", "path": "midi\\dand27.mid"})",
        R"({"t": 3000, "kind": "music", "op": "close", "path": "midi\\dand27.mid"})",
        R"({"t": 3000, "kind": "box", "caption": "MCI Error", "text": "Unknown \"Error\"\n"})",
    };
    EXPECT_EQ(log, expected);
}

TEST(Headless, OptionsAreTakenOutAndHeadlessOnesNeedHeadless)
{
    std::vector<std::string> args = {"--level", "3", "--headless", "--until-ms", "5000",
                                     "--data", "/d", "--gamepad", "--skip-intro"};
    I_Options opts;
    std::string error;
    ASSERT_TRUE(I_ParseOptions(args, opts, error)) << error;
    EXPECT_EQ(args, (std::vector<std::string>{"--level", "3", "--skip-intro"}));
    EXPECT_TRUE(opts.headless);
    EXPECT_TRUE(opts.gamepadPresent);
    EXPECT_EQ(opts.untilMs, 5000);
    EXPECT_EQ(opts.dataDir, "/d");

    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case bad[] = {
        {{"--headless", "--data"}, "--data needs a value"},
        {{"--headless", "--until-ms", "soon"}, "--until-ms needs a number of milliseconds"},
        {{"--headless", "--until-ms", "-1"}, "--until-ms needs a number of milliseconds"},
        {{"--script", "s.txt"}, "--script, --screenshot, --event-log, --joystick and --gamepad need --headless"},
    };
    for (const Case& c : bad) {
        std::vector<std::string> a = c.args;
        I_Options o;
        EXPECT_FALSE(I_ParseOptions(a, o, error));
        EXPECT_EQ(error, c.error);
    }
}
