// Reading and writing the level file's 992 bytes.
#include "gamemode/level_file.h"

#include <cstring>

// The longest folder a background name is looked up in, and the song folder.
static constexpr size_t userBacksFolderLength = sizeof "Backs\\User\\" - 1;
static constexpr size_t songFolderLength = sizeof "Midi\\" - 1;

bool IsPlainFileName(const char* name, size_t maxLength)
{
    const size_t length = std::strlen(name);
    if (length == 0 || length > maxLength)
        return false;
    if (std::strchr(name, '/') || std::strchr(name, '\\') || std::strchr(name, ':'))
        return false;
    return std::strstr(name, "..") == nullptr;
}

// Copies one name field; false when it does not end within its field.
static bool ReadName(const uint8_t* field, char* out)
{
    const void* end = std::memchr(field, 0, LEVEL_NAME_BYTES);
    if (!end)
        return false;
    std::memcpy(out, field, LEVEL_NAME_BYTES);
    return true;
}

bool ParseLevelFile(const uint8_t* data, size_t size, LevelFile& out)
{
    if (size < LEVEL_FILE_BYTES)
        return false;
    if (!ReadName(data, out.background) || !ReadName(data + LEVEL_NAME_BYTES, out.song))
        return false;
    const size_t backgroundMax = BACKGROUND_PATH_BYTES - userBacksFolderLength - 1;
    const size_t songMax = SONG_PATH_BYTES - songFolderLength - 1;
    if (!IsPlainFileName(out.background, backgroundMax) || !IsPlainFileName(out.song, songMax))
        return false;
    const uint8_t* codes = data + 2 * LEVEL_NAME_BYTES;
    for (int i = 0; i < LEVEL_CELLS; i++)
        out.codes[i] = uint16_t(codes[2 * i] | codes[2 * i + 1] << 8);
    return true;
}

// Writes one name field: the name, then NULs to the end of the field.
static void WriteName(uint8_t* field, const char* name)
{
    std::memset(field, 0, LEVEL_NAME_BYTES);
    std::memcpy(field, name, strnlen(name, LEVEL_NAME_BYTES - 1));
}

std::vector<uint8_t> EncodeLevelFile(const LevelFile& level)
{
    std::vector<uint8_t> bytes(LEVEL_FILE_BYTES);
    WriteName(bytes.data(), level.background);
    WriteName(bytes.data() + LEVEL_NAME_BYTES, level.song);
    uint8_t* codes = bytes.data() + 2 * LEVEL_NAME_BYTES;
    for (int i = 0; i < LEVEL_CELLS; i++) {
        codes[2 * i] = uint8_t(level.codes[i]);
        codes[2 * i + 1] = uint8_t(level.codes[i] >> 8);
    }
    return bytes;
}
