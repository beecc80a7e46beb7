// The game's sound groups and where their sounds sit between the speakers.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "app/settings.h"
#include "app/shell.h"
#include "audio/sound.h"
#include "game/world.h"

SoundGroup soundGroups[SOUND_GROUP_COUNT];

namespace {

struct GroupFile {
    const char* name;
    int copies;
};

// Loaded in this order at start-up: 227 of the 255 slots. A file named twice is two groups
// with slots of their own.
const GroupFile groupFiles[SOUND_GROUP_COUNT] = {
    {"wavs\\skarvo.wav", 1},    {"wavs\\mrvn3.wav", 1},     {"wavs\\33_1.wav", 2},      {"wavs\\Future_s.wav", 4},
    {"wavs\\fsw2.wav", 2},      {"wavs\\Pass2.wav", 2},     {"wavs\\Pass.wav", 2},      {"wavs\\Future_s.wav", 10},
    {"wavs\\Pop2.wav", 18},     {"wavs\\21_1.wav", 6},      {"wavs\\Soft_met.wav", 6},  {"wavs\\Ricochet.wav", 18},
    {"wavs\\23_5.wav", 18},     {"wavs\\Ping_pon.wav", 18}, {"wavs\\Wood_dro.wav", 18}, {"wavs\\Metalwor.wav", 10},
    {"wavs\\Impendin.wav", 8},  {"wavs\\Undrfall.wav", 5},  {"wavs\\click.wav", 10},    {"wavs\\Ping_pon.wav", 18},
    {"wavs\\Twingy.wav", 1},    {"wavs\\Spiralin.wav", 1},  {"wavs\\Going_do.wav", 1},  {"wavs\\Squish.wav", 1},
    {"wavs\\pass2.wav", 3},     {"wavs\\pass.wav", 3},      {"wavs\\CrCome.wav", 5},    {"wavs\\CrLeave.wav", 5},
    {"wavs\\flash.wav", 1},     {"wavs\\static.wav", 1},    {"wavs\\teleport.wav", 1},  {"wavs\\Fexpl3a.wav", 10},
    {"wavs\\64_3.wav", 1},      {"wavs\\Sleek_up.wav", 1},  {"wavs\\ready.wav", 1},     {"wavs\\Go!!.wav", 1},
    {"wavs\\Shutdown.wav", 1},  {"wavs\\Entrance.wav", 1},  {"wavs\\Shutdown.wav", 1},  {"wavs\\yay.wav", 1},
    {"wavs\\yea8.wav", 1},      {"wavs\\65_2f.wav", 4},     {"wavs\\hiScore.wav", 4},
};

// The two boxes of a sound that cannot be used. Without a sound device every load fails,
// and the one box about the device has said so already.
void LoadFailed(const char* format, const char* name)
{
    if (!soundStarted)
        return;
    char text[320];
    std::snprintf(text, sizeof text, format, name);
    ErrorBox(text);
    ReinstallBox();
}

}  // namespace

int FindExt(char* name)
{
    const size_t length = std::strlen(name);
    if (length < 3)
        return 0;
    char* ext = name + length - 3;
    for (int i = 0; i < 3; i++)
        ext[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(ext[i])));
    if (std::strcmp(ext, "WAV") == 0)
        return 1;
    if (std::strcmp(ext, "VOC") == 0)
        return 2;
    return 0;
}

int SoundGroup::Load(const char* name, int copies, int group)
{
    ids.clear();
    next = 0;
    if (copies <= 0)
        return 0;
    char kind[256];  // FindExt upper-cases what it is given: the name itself keeps its case
    std::snprintf(kind, sizeof kind, "%s", name);
    int (*load)(const char*, int);
    const char* failure;
    switch (FindExt(kind)) {
    case 1:
        load = Load_WAV;
        failure = "Can't load WAV sound: %s";
        break;
    case 2:
        load = Load_VOC;
        failure = "Can't load VOC sound: %s";
        break;
    default:
        LoadFailed("Unknown sound file type: %s", name);
        return 0;
    }
    const int first = load(name, group);
    if (first < 0) {
        LoadFailed(failure, name);
        return 0;
    }
    ids.push_back(first);
    for (int i = 1; i < copies; i++)
        ids.push_back(Replicate_Sound(first));
    return 1;
}

void SoundGroup::Play(int pan)
{
    if (soundVolume == 0)
        return;
    // A copy that could not be made holds -1: the turn passes to the next good one.
    const int count = static_cast<int>(ids.size());
    for (int tried = 0; tried < count; tried++) {
        const int id = ids[next];
        next = (next + 1) % count;
        if (id >= 0) {
            Set_Sound_Pan(id, pan);
            Stop_Sound(id);
            Play_Sound(id);
            return;
        }
    }
}

void LoadSoundGroups()
{
    for (int i = 0; i < SOUND_GROUP_COUNT; i++)
        soundGroups[i].Load(groupFiles[i].name, groupFiles[i].copies, i + 1);
}

int StereoPan(int pan)
{
    switch (stereoMode) {
    case 0:
        return 0;
    case 2:
        return -pan;
    default:
        return pan;
    }
}

int SoundPan(int x, int frameWidth)
{
    const double centre = x + frameWidth / 2.0;
    return StereoPan(static_cast<int>(centre / static_cast<double>(FIELD_WIDTH) * 20000.0 - 10000.0));
}
