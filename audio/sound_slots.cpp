// The sound slots: every effect and every copy of one holds a slot with its own buffer.
#include <vector>

#include "audio/sound.h"
#include "audio/sound_files.h"
#include "platform/platform.h"

SoundSlot soundSlots[MAX_SOUNDS];

int soundStarted = 0;
static int soundLevel = 100;  // the volume every buffer gets, 0 to 100

static void ClearSlots()
{
    for (int i = 0; i < MAX_SOUNDS; i++)
        soundSlots[i] = {nullptr, 0, 0, 0, i};
}

static int FreeSlot()
{
    for (int i = 0; i < MAX_SOUNDS; i++)
        if (soundSlots[i].state == 0)
            return i;
    return -1;
}

// The buffer of a sound, or null for -1, an index outside the table or an empty slot.
static I_Sound* Buffer(int id)
{
    return id >= 0 && id < MAX_SOUNDS ? soundSlots[id].buffer : nullptr;
}

// Hundredths of a decibel: 100 is full level, 0 is 30 dB down.
static int Attenuation(int volume)
{
    return volume * 30 - 3000;
}

int DSound_Init(int volume)
{
    if (!soundStarted) {
        if (!I_SoundInit())
            return 0;
        soundStarted = 1;
    }
    Delete_All_Sounds();
    ClearSlots();
    soundLevel = volume;
    return 1;
}

void DSound_Shutdown()
{
    Delete_All_Sounds();
    if (soundStarted)
        I_SoundShutdown();
    soundStarted = 0;
}

// Puts the samples of a file into a new buffer in the first free slot.
static int LoadSound(const char* name, int group, bool (*read)(const std::vector<uint8_t>&, SoundData&))
{
    const int slot = FreeSlot();
    if (slot < 0 || !soundStarted)
        return -1;
    std::vector<uint8_t> file;
    SoundData data;
    if (!I_ReadFile(I_DataPath(name), file, MAX_SOUND_FILE_BYTES) || !read(file, data))
        return -1;
    I_Sound* buffer = I_CreateSound(file.data() + data.offset, data.count, group, name);
    if (!buffer)
        return -1;
    I_SetSoundVolume(buffer, Attenuation(soundLevel));
    soundSlots[slot] = {buffer, 1, data.rate, data.size, slot};
    return slot;
}

int Load_WAV(const char* name, int group)
{
    return LoadSound(name, group, ReadWAV);
}

int Load_VOC(const char* name, int group)
{
    return LoadSound(name, group, ReadVOC);
}

int Replicate_Sound(int id)
{
    I_Sound* source = Buffer(id);
    const int slot = FreeSlot();
    if (!source || slot < 0)
        return -1;
    I_Sound* copy = I_DuplicateSound(source);
    if (!copy)
        return -1;
    I_SetSoundVolume(copy, Attenuation(soundLevel));
    soundSlots[slot] = {copy, 1, soundSlots[id].rate, soundSlots[id].size, slot};
    return slot;
}

int Play_Sound(int id)
{
    I_Sound* buffer = Buffer(id);
    if (!buffer)
        return 0;
    I_RewindSound(buffer);
    I_PlaySound(buffer);
    return 1;
}

int Stop_Sound(int id)
{
    I_Sound* buffer = Buffer(id);
    if (!buffer)
        return 0;
    I_StopSound(buffer);
    I_RewindSound(buffer);
    return 1;
}

int Status_Sound(int id)
{
    I_Sound* buffer = Buffer(id);
    if (!buffer)
        return -1;
    return I_SoundPlaying(buffer) ? SOUND_STATUS_PLAYING : 0;
}

int Set_Sound_Pan(int id, int pan)
{
    I_Sound* buffer = Buffer(id);
    if (!buffer)
        return 0;
    I_SetSoundPan(buffer, pan);
    return 1;
}

int Set_All_Volume(int volume)
{
    soundLevel = volume;
    for (SoundSlot& slot : soundSlots)
        if (slot.buffer)
            I_SetSoundVolume(slot.buffer, Attenuation(soundLevel));
    return 1;
}

int Delete_Sound(int id)
{
    if (!Stop_Sound(id))
        return 0;
    I_ReleaseSound(soundSlots[id].buffer);
    soundSlots[id] = {nullptr, 0, 0, 0, id};
    return 1;
}

int Delete_All_Sounds()
{
    for (int id = 0; id < MAX_SOUNDS; id++)
        Delete_Sound(id);
    return 1;
}
