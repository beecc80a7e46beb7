// Recording the input the game reads, and giving it back from the tape.
#include "platform/replay.h"

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

enum {
    maxTapeBytes = 256 << 20,  // hours of play
    maxArgs = 64,
    maxArgBytes = 256,
};

std::string recordFile;       // --record: where this run's input goes
std::string replayFile;       // --replay: the tape being played
std::FILE* recording;         // open while recording
I_ReplayTape tape;            // the tape being played
size_t nextEntry;             // the tape's next read
bool replaying;               // the tape is being played
bool tapeEnded;               // the game read past the tape's end: the run is being closed
bool headlessReplay;          // a headless run ends with its tape: its own close is dropped
uint32_t emptyPeeks;          // peeks that took no message since the last line

// Options that do not change play: where files are, what is logged, how the run is shown.
bool NotPartOfPlay(const std::string& arg, int& values)
{
    static const char* const flags[] = {"--headless", "--fullscreen", "--list-devices"};
    static const char* const withValue[] = {"--data",      "--user-dir",  "--script",   "--screenshot",
                                            "--frame-log", "--event-log", "--stats",    "--until-ms",
                                            "--mouse-sensitivity"};
    for (const char* flag : flags)
        if (arg == flag)
            return values = 0, true;
    for (const char* option : withValue)
        if (arg == option)
            return values = 1, true;
    return false;
}

// Message kinds that come from the player, and so from the tape while replaying.
bool InputMessage(I_MessageKind kind)
{
    return kind == I_MSG_CHAR || kind == I_MSG_KILLFOCUS || kind == I_MSG_CLOSE;
}

bool ReadNumber(std::istringstream& in, int64_t low, int64_t high, int64_t& out)
{
    std::string word;
    if (!(in >> word))
        return false;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(word.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || value < low || value > high)
        return false;
    out = value;
    return true;
}

bool ParseKeys(std::istringstream& in, I_ReplayEntry& entry)
{
    std::memset(entry.keys, 0, sizeof entry.keys);
    std::string word;
    while (in >> word) {
        std::istringstream one(word);
        int64_t code;
        if (!ReadNumber(one, 0, 255, code))
            return false;
        entry.keys[code / 8] |= uint8_t(1 << code % 8);
    }
    return true;
}

// One read line; what is wrong with it, or null.
const char* ParseEntry(std::istringstream& in, char kind, I_ReplayEntry& entry)
{
    int64_t a, b, c, d;
    entry = I_ReplayEntry{};
    switch (kind) {
    case 'k':
        entry.kind = I_ReplayEntry::KEYBOARD;
        return ParseKeys(in, entry) ? nullptr : "bad key code";
    case 'm':
        entry.kind = I_ReplayEntry::MOUSE;
        if (!ReadNumber(in, INT32_MIN, INT32_MAX, a) || !ReadNumber(in, INT32_MIN, INT32_MAX, b) ||
            !ReadNumber(in, 0, 15, c))
            return "a mouse read needs DX DY BUTTONS";
        entry.x = int32_t(a), entry.y = int32_t(b), entry.buttons = uint32_t(c);
        return nullptr;
    case 'j':
        entry.kind = I_ReplayEntry::CONTROLLER;
        if (!ReadNumber(in, 0, 1, a) || !ReadNumber(in, INT32_MIN, INT32_MAX, b) ||
            !ReadNumber(in, INT32_MIN, INT32_MAX, c) || !ReadNumber(in, 0, UINT32_MAX, d))
            return "a controller read needs OK X Y BUTTONS";
        entry.ok = a == 1, entry.x = int32_t(b), entry.y = int32_t(c), entry.buttons = uint32_t(d);
        return nullptr;
    case 'c':
        entry.kind = I_ReplayEntry::MESSAGE;
        if (!ReadNumber(in, 0, UINT32_MAX, a) || !ReadNumber(in, 0, I_MSG_QUIT, b) ||
            !InputMessage(I_MessageKind(b)) || !ReadNumber(in, INT32_MIN, INT32_MAX, c))
            return "a message needs SKIP KIND PARAM, of a typed character, focus or close";
        entry.skip = uint32_t(a);
        entry.message = I_Message{I_MessageKind(b), int(c)};
        return nullptr;
    default: return "unknown line";
    }
}

bool LoadTape(const std::string& path, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!I_ReadFile(path, bytes, maxTapeBytes)) {
        error = "cannot read the replay " + path;
        return false;
    }
    tape = I_ReplayTape{};
    return I_ParseReplay(std::string(bytes.begin(), bytes.end()), path, tape, error);
}

void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));
void Record(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::vfprintf(recording, format, args);
    va_end(args);
}

// The tape's next read when it is of this kind; null past its end or out of step, and then
// the run is closed.
const I_ReplayEntry* NextRead(I_ReplayEntry::Kind kind)
{
    if (nextEntry < tape.entries.size() && tape.entries[nextEntry].kind == kind) {
        emptyPeeks = 0;
        return &tape.entries[nextEntry++];
    }
    if (!tapeEnded) {
        tapeEnded = true;
        if (nextEntry < tape.entries.size())
            std::fprintf(stderr, "taltrix: the replay %s is out of step at read %zu\n", replayFile.c_str(),
                         nextEntry + 1);
        I_PostMessage(I_MSG_CLOSE);
    }
    return nullptr;
}

uint32_t ButtonMask(const uint8_t* buttons, int count)
{
    uint32_t mask = 0;
    for (int i = 0; i < count; i++)
        if (buttons[i] & 0x80)
            mask |= 1u << i;
    return mask;
}

void SetButtons(uint32_t mask, uint8_t* buttons, int count)
{
    for (int i = 0; i < count; i++)
        buttons[i] = mask >> i & 1 ? 0x80 : 0;
}

} // namespace

bool I_ParseReplay(const std::string& text, const std::string& fileName, I_ReplayTape& out, std::string& error)
{
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    auto fail = [&](const char* what) {
        error = "replay " + fileName + ":" + std::to_string(number) + ": " + what;
        return false;
    };
    while (std::getline(lines, line)) {
        number++;
        std::istringstream in(line);
        std::string word;
        in >> word;
        if (number == 1) {
            int64_t version;
            if (word != "taltrix-replay" || !ReadNumber(in, 0, INT32_MAX, version))
                return fail("not a replay");
            if (version != I_REPLAY_VERSION)
                return fail("made by another version of the game");
            continue;
        }
        if (word == "arg") {
            std::string arg;
            if (!(in >> arg) || arg.size() > maxArgBytes || out.args.size() >= maxArgs)
                return fail("bad option");
            out.args.push_back(arg);
            continue;
        }
        out.entries.emplace_back();
        if (const char* fault = word.size() == 1 ? ParseEntry(in, word[0], out.entries.back()) : "unknown line")
            return fail(fault);
    }
    if (number == 0)
        return fail("not a replay");
    return true;
}

bool I_TakeReplayOptions(std::vector<std::string>& args, I_Options& opts, std::string& error)
{
    std::vector<std::string> rest, play;
    for (size_t i = 0; i < args.size(); i++) {
        const std::string& arg = args[i];
        if (arg == "--record" || arg == "--replay") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = arg + " needs a file name";
                return false;
            }
            (arg == "--record" ? recordFile : replayFile) = args[++i];
            continue;
        }
        rest.push_back(arg);
        int values = 0;
        if (NotPartOfPlay(arg, values)) {
            for (int v = 0; v < values && i + 1 < args.size(); v++)
                rest.push_back(args[++i]);
            continue;
        }
        play.push_back(arg);
    }
    opts.headless = opts.headless || std::find(rest.begin(), rest.end(), "--headless") != rest.end();
    if (!replayFile.empty()) {
        if (!LoadTape(replayFile, error))
            return false;
        play = tape.args;
        for (const std::string& arg : tape.args)
            // A window has no make-believe controllers: its replay reads them from the tape.
            if (opts.headless || (arg != "--joystick" && arg != "--gamepad"))
                rest.push_back(arg);
    }
    tape.args = play;
    args = std::move(rest);
    return true;
}

bool I_StartReplay(const I_Options& opts, std::string& error)
{
    nextEntry = 0;
    emptyPeeks = 0;
    tapeEnded = false;
    replaying = !replayFile.empty();
    headlessReplay = replaying && opts.headless;
    if (recordFile.empty())
        return true;
    recording = std::fopen(recordFile.c_str(), "w");
    if (!recording) {
        error = "cannot write the replay " + recordFile;
        return false;
    }
    Record("taltrix-replay %d\n", I_REPLAY_VERSION);
    for (const std::string& arg : tape.args)
        Record("arg %s\n", arg.c_str());
    return true;
}

void I_StopReplay()
{
    if (recording && std::fclose(recording) != 0)
        std::fprintf(stderr, "taltrix: the replay %s is incomplete\n", recordFile.c_str());
    recording = nullptr;
    replaying = false;
    recordFile.clear();
    replayFile.clear();
    tape = I_ReplayTape{};
}

void I_ReplayKeyboard(uint8_t keys[256])
{
    if (replaying) {
        const I_ReplayEntry* entry = NextRead(I_ReplayEntry::KEYBOARD);
        for (int i = 0; i < 256; i++)
            keys[i] = entry && entry->keys[i / 8] >> i % 8 & 1 ? 0x80 : 0;
    }
    if (recording) {
        std::fputc('k', recording);
        for (int i = 0; i < 256; i++)
            if (keys[i] & 0x80)
                Record(" %d", i);
        std::fputc('\n', recording);
        emptyPeeks = 0;
    }
}

void I_ReplayMouse(int& dx, int& dy, uint8_t buttons[4])
{
    if (replaying) {
        const I_ReplayEntry* entry = NextRead(I_ReplayEntry::MOUSE);
        dx = entry ? entry->x : 0;
        dy = entry ? entry->y : 0;
        SetButtons(entry ? entry->buttons : 0, buttons, 4);
    }
    if (recording) {
        Record("m %d %d %u\n", dx, dy, ButtonMask(buttons, 4));
        emptyPeeks = 0;
    }
}

bool I_ReplayController(bool ok, int& x, int& y, uint8_t buttons[32])
{
    if (replaying) {
        const I_ReplayEntry* entry = NextRead(I_ReplayEntry::CONTROLLER);
        ok = entry && entry->ok;
        x = entry ? entry->x : 0;
        y = entry ? entry->y : 0;
        SetButtons(entry ? entry->buttons : 0, buttons, 32);
    }
    if (recording) {
        Record("j %d %d %d %u\n", ok ? 1 : 0, x, y, ButtonMask(buttons, 32));
        emptyPeeks = 0;
    }
    return ok;
}

bool I_ReplayPeek(I_Message& msg, bool (*peek)(I_Message& msg))
{
    bool taken = false;
    if (replaying) {
        const bool due = nextEntry < tape.entries.size() && tape.entries[nextEntry].kind == I_ReplayEntry::MESSAGE &&
                         tape.entries[nextEntry].skip == emptyPeeks;
        if (due) {
            msg = tape.entries[nextEntry++].message;
            taken = true;
        } else {
            // The player's own messages of this run are not part of the game being replayed;
            // only a window can still be closed.
            while ((taken = peek(msg)) && !tapeEnded && InputMessage(msg.kind) &&
                   (msg.kind != I_MSG_CLOSE || headlessReplay)) {
            }
        }
    } else {
        taken = peek(msg);
    }
    const bool inputTaken = taken && InputMessage(msg.kind);
    if (recording && inputTaken)
        Record("c %u %d %d\n", emptyPeeks, int(msg.kind), msg.param);
    emptyPeeks = inputTaken ? 0 : emptyPeeks + 1;
    return taken;
}
