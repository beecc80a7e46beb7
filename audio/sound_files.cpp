// The WAV and VOC readers. Every buffer is played as 8-bit unsigned mono at 11025 Hz
// whatever the file says, so only the place of the samples matters here.
#include "audio/sound_files.h"

#include <cstring>

namespace {

uint32_t Get32(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint32_t Get24(const uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16;
}

// Where a RIFF chunk's body lies in the file.
struct Chunk {
    size_t body;
    size_t size;
};

// Looks for the chunk `id` among the chunks from `pos` up to `end`, stepping over other
// chunks (padded to an even size). The body must lie wholly inside the file.
bool FindChunk(const std::vector<uint8_t>& file, size_t pos, size_t end, const char* id, Chunk& out)
{
    while (pos + 8 <= end) {
        const uint8_t* header = file.data() + pos;
        const size_t size = Get32(header + 4);
        const size_t body = pos + 8;
        if (size > file.size() - body)
            return false;
        if (std::memcmp(header, id, 4) == 0) {
            out = {body, size};
            return true;
        }
        pos = body + size + (size & 1);
    }
    return false;
}

}  // namespace

bool ReadWAV(const std::vector<uint8_t>& file, SoundData& out)
{
    Chunk riff;
    if (!FindChunk(file, 0, file.size(), "RIFF", riff))
        return false;
    if (riff.size < 4 || std::memcmp(file.data() + riff.body, "WAVE", 4) != 0)
        return false;
    const size_t riffEnd = riff.body + riff.size;

    Chunk fmt;
    if (!FindChunk(file, riff.body + 4, riffEnd, "fmt ", fmt) || fmt.size < 18)
        return false;
    const uint8_t* format = file.data() + fmt.body;
    if ((format[0] | format[1] << 8) != 1)
        return false;

    // The samples follow the format: the search goes on after the "fmt " chunk.
    Chunk data;
    if (!FindChunk(file, fmt.body + fmt.size + (fmt.size & 1), riffEnd, "data", data) || data.size == 0)
        return false;
    out.offset = data.body;
    out.count = data.size;
    out.rate = static_cast<int>(Get32(format + 4));
    out.size = static_cast<int>(data.size);
    return true;
}

bool ReadVOC(const std::vector<uint8_t>& file, SoundData& out)
{
    // The block: type, 24-bit length L, time constant, pack, then the samples. Only L - 6
    // samples are played: the block's last four bytes are left out.
    if (file.size() <= 20)
        return false;
    const size_t block = file[20];
    if (block + 6 > file.size())
        return false;
    const uint8_t* header = file.data() + block;
    const size_t length = Get24(header + 1);
    if (length <= 6 || length - 6 > file.size() - (block + 6))
        return false;
    const int timeConstant = header[4];
    out.offset = block + 6;
    out.count = length - 6;
    out.rate = 1000000 / (256 - timeConstant);
    out.size = static_cast<int>(length);
    return true;
}
