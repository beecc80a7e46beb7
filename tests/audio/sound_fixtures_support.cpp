#include "audio/sound_fixtures.h"

void PutLE(Bytes& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; i++)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes Chunk(const char* id, const Bytes& body, int64_t statedSize)
{
    Bytes out(id, id + 4);
    PutLE(out, static_cast<uint32_t>(statedSize < 0 ? body.size() : statedSize), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1)
        out.push_back(0);
    return out;
}

Bytes FmtChunk(int size, int formatTag, int rate)
{
    Bytes body;
    PutLE(body, formatTag, 2);
    PutLE(body, 1, 2);
    PutLE(body, rate, 4);
    PutLE(body, rate, 4);
    PutLE(body, 1, 2);
    PutLE(body, 8, 2);
    body.resize(size, 0);
    return Chunk("fmt ", body);
}

Bytes Riff(const char* form, const std::vector<Bytes>& chunks)
{
    Bytes inner(form, form + 4);
    for (const Bytes& c : chunks)
        inner.insert(inner.end(), c.begin(), c.end());
    return Chunk("RIFF", inner);
}

Bytes GoodWAV(const Bytes& samples)
{
    return Riff("WAVE", {FmtChunk(18, 1), Chunk("data", samples)});
}

Bytes VOC(int offset, uint32_t length, int tc, size_t tail)
{
    Bytes out(offset, 0);
    if (out.size() > 20)
        out[20] = static_cast<uint8_t>(offset);
    out.push_back(1);
    PutLE(out, length, 3);
    out.push_back(static_cast<uint8_t>(tc));
    out.push_back(0);
    for (size_t i = 0; i < tail; i++)
        out.push_back(static_cast<uint8_t>(0x80 + i));
    return out;
}
