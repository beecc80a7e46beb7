// Sound effects: a table of sound slots, each holding one buffer, and above it the sound
// groups, one effect loaded once and copied so that it can sound several times at once.
#pragma once

#include <vector>

struct I_Sound;

// ---------------------------------------------------------------------------------------
// Sound slots. A sound is named by its slot index; -1 means no sound.

enum { MAX_SOUNDS = 255, SOUND_STATUS_PLAYING = 1 };

struct SoundSlot {
    I_Sound* buffer;  // null when the slot holds no sound
    int state;        // 0 free, 1 loaded
    int rate;         // the sample rate the file states; the buffer plays at 11025 Hz anyway
    int size;         // the sample data size the file states
    int id;           // the slot's own index
};

extern SoundSlot soundSlots[MAX_SOUNDS];  // every loaded sound and copy
extern int soundStarted;                  // 1 once the sound device is up

// Starts the sound device on the first call; every call empties the table and keeps the
// volume (0 to 100). Returns 0 when the device cannot be started.
int DSound_Init(int volume);
void DSound_Shutdown();
// Load a file into the first free slot; the group number and name label it. Return the
// slot index or -1.
int Load_WAV(const char* name, int group);
int Load_VOC(const char* name, int group);
// A copy of a loaded sound in the first free slot, sharing its samples; -1 on failure.
int Replicate_Sound(int id);
// Rewinds and plays once. Returns 1 on success, 0 otherwise.
int Play_Sound(int id);
// Stops and rewinds.
int Stop_Sound(int id);
// SOUND_STATUS_PLAYING while the sound plays, 0 when it is still, -1 for no sound.
int Status_Sound(int id);
// -10000 fully left to 10000 fully right.
int Set_Sound_Pan(int id, int pan);
// Sets the volume (0 to 100) of every sound now and of every sound loaded later.
int Set_All_Volume(int volume);
int Delete_Sound(int id);
int Delete_All_Sounds();

// ---------------------------------------------------------------------------------------
// Sound groups: copies of one effect played in turn, so that the (n+1)-th play of a group
// of n copies restarts the oldest one.

struct SoundGroup {
    std::vector<int> ids;  // slot of each copy: the loaded sound first, then its duplicates
    int next = 0;          // the copy the next Play uses

    // Loads the file and makes the copies; on failure shows why and leaves the group empty.
    int Load(const char* name, int copies, int group);
    // Plays the next copy once at the given pan; nothing while the sound volume is 0.
    void Play(int pan);
};

// The groups the game plays, index = group number - 1.
enum SoundGroupIndex {
    SND_SKARVO,            // the publisher's splash
    SND_MRVN3,             // the developer's splash
    SND_33_1,              // a choice field scrolls
    SND_FUTURE_S,          // a menu selection moves
    SND_FSW2,              // the main menu
    SND_PASS2,             // a screen or box opens
    SND_PASS,              // a screen or box closes
    SND_SHOOT,             // a volley of bullets
    SND_POP2,              // a ball rebounds from a wall
    SND_21_1,              // block breaks
    SND_SOFT_MET,
    SND_RICOCHET,          // a fast ball rebounds from a wall
    SND_23_5,
    SND_PING_PON,
    SND_WOOD_DRO,
    SND_METALWOR,
    SND_IMPENDIN,
    SND_UNDRFALL,          // a ball is lost
    SND_CLICK,             // a bullet hits
    SND_PING_PON_PAD,      // a ball hits a pad's underside or end
    SND_TWINGY,            // a ball hits a pad's top
    SND_SPIRALIN,
    SND_GOING_DO,
    SND_SQUISH,            // the sticky pad catches a ball
    SND_PASS2_CAPSULE,
    SND_PASS_CAPSULE,
    SND_CRCOME,            // an enemy enters
    SND_CRLEAVE,           // an enemy dies
    SND_FLASH,
    SND_STATIC,            // particle sources
    SND_TELEPORT,          // a game starts
    SND_FEXPL3A,           // explosions
    SND_64_3,              // a Spectral Nuke leaves the field
    SND_SLEEK_UP,          // a Spectral Nuke starts
    SND_READY,
    SND_GO,
    SND_SHUTDOWN,          // the program ends
    SND_ENTRANCE,          // a level is cleared
    SND_GAME_OVER,
    SND_YAY,
    SND_YEA8,              // an extra life
    SND_65_2F,
    SND_HISCORE,           // the high-score entry opens
    SOUND_GROUP_COUNT
};

extern SoundGroup soundGroups[SOUND_GROUP_COUNT];  // every effect of the game

// Loads every group in its fixed order with its number of copies.
void LoadSoundGroups();

// 1 for a name ending in "WAV", 2 for "VOC", in any letter case, 0 otherwise; those three
// characters of the name are upper-cased in place.
int FindExt(char* name);

// A pan of the stereo setting: as given, reversed, or 0 without stereo.
int StereoPan(int pan);
// The pan of a sprite at x with that frame width: fully left at the playfield's left wall,
// fully right at its right wall.
int SoundPan(int x, int frameWidth);
