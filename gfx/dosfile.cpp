// Files by handle and the library's two-slot buffered reader.
#include "gfx/dosfile.h"

#include <cstdio>
#include <cstring>

#include "app/shell.h"

namespace {

// Files open at the same time; a handle is an index into this table.
constexpr int kMaxOpenFiles = 16;
std::FILE* openFiles[kMaxOpenFiles] = {};  // null: free handle

constexpr uint32_t kSlotSize = 16384;
constexpr int kNumSlots = 2;

struct ReadSlot {
    int handle = -1;  // -1: free
    uint32_t position = kSlotSize;
    uint32_t fill = kSlotSize;
};
uint8_t* slotBuffers[kNumSlots] = {};  // allocated on the first read ever
ReadSlot slots[kNumSlots];             // which handle each buffer serves

std::FILE* FileOf(int handle)
{
    return (handle >= 0 && handle < kMaxOpenFiles) ? openFiles[handle] : nullptr;
}

int OpenWith(const std::string& path, const char* mode)
{
    if (path.empty())
        return -1;
    for (int h = 0; h < kMaxOpenFiles; ++h) {
        if (!openFiles[h]) {
            openFiles[h] = std::fopen(path.c_str(), mode);
            return openFiles[h] ? h : -1;
        }
    }
    return -1;
}

void EmptySlot(ReadSlot& s)
{
    s = ReadSlot();
}

}  // namespace

int Dos_OpenRead(const std::string& path)
{
    return OpenWith(path, "rb");
}

int Dos_OpenWrite(const std::string& path)
{
    return OpenWith(path, "wb");
}

int32_t Dos_Read(int handle, void* dest, uint32_t count)
{
    std::FILE* f = FileOf(handle);
    if (!f)
        return -1;
    const size_t got = std::fread(dest, 1, count, f);
    return std::ferror(f) ? -1 : static_cast<int32_t>(got);
}

int32_t Dos_Write(int handle, const void* source, uint32_t count)
{
    std::FILE* f = FileOf(handle);
    if (!f)
        return -1;
    return static_cast<int32_t>(std::fwrite(source, 1, count, f));
}

int64_t Dos_Seek(int handle, int64_t offset, int origin)
{
    std::FILE* f = FileOf(handle);
    if (!f || std::fseek(f, static_cast<long>(offset), origin) != 0)
        return -1;
    return std::ftell(f);
}

int64_t Dos_Size(int handle)
{
    std::FILE* f = FileOf(handle);
    if (!f)
        return -1;
    const long here = std::ftell(f);
    if (std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(f);
    std::fseek(f, here, SEEK_SET);
    return size;
}

void Dos_Close(int handle)
{
    if (std::FILE* f = FileOf(handle)) {
        // A later file given the same handle must not see this one's buffered bytes.
        Q2SL_DosRead(handle, nullptr, 0, nullptr, Q2SL_DOS_RELEASE);
        std::fclose(f);
        openFiles[handle] = nullptr;
    }
}

int Q2SL_DosRead(int handle, void* dest, uint32_t count, uint32_t* delivered, int mode)
{
    if (!slotBuffers[0]) {
        for (auto& b : slotBuffers)
            b = static_cast<uint8_t*>(my_new(kSlotSize, "DosRead"));
        for (auto& s : slots)
            EmptySlot(s);
    }
    ReadSlot* slot = nullptr;
    int bufferIndex = 0;
    for (int i = 0; i < kNumSlots && !slot; ++i) {
        if (slots[i].handle == handle) {
            slot = &slots[i];
            bufferIndex = i;
        }
    }
    if (mode == Q2SL_DOS_RELEASE) {
        if (!slot)
            return Q2SL_NO_SLOT;
        EmptySlot(*slot);
        return Q2SL_READ_OK;
    }
    if (delivered)
        *delivered = 0;
    for (int i = 0; i < kNumSlots && !slot; ++i) {
        if (slots[i].handle == -1) {
            slot = &slots[i];
            bufferIndex = i;
            slot->handle = handle;
        }
    }
    if (!slot)
        return Q2SL_SLOTS_BUSY;

    auto* out = static_cast<uint8_t*>(dest);
    const uint8_t* buffer = slotBuffers[bufferIndex];
    uint32_t total = 0;
    while (total < count) {
        const uint32_t left = slot->fill - slot->position;
        const uint32_t wanted = count - total;
        if (left > wanted) {
            std::memcpy(out + total, buffer + slot->position, wanted);
            slot->position += wanted;
            total += wanted;
            break;
        }
        std::memcpy(out + total, buffer + slot->position, left);
        total += left;
        const int32_t got = Dos_Read(handle, slotBuffers[bufferIndex], kSlotSize);
        slot->fill = got > 0 ? static_cast<uint32_t>(got) : 0;
        slot->position = 0;
        if (slot->fill == 0)
            break;
    }
    if (delivered)
        *delivered = total;
    return Q2SL_READ_OK;
}

int Q2SL_ReadAll(int handle, void* dest, uint32_t count)
{
    uint32_t got = 0;
    return Q2SL_DosRead(handle, dest, count, &got, Q2SL_DOS_READ) == Q2SL_READ_OK && got == count;
}

int Q2SL_WriteAll(int handle, const void* source, uint32_t count)
{
    return count == 0 || Dos_Write(handle, source, count) == static_cast<int32_t>(count);
}

namespace {

template <typename T>
int ReadLittle(int handle, T& v)
{
    uint8_t b[sizeof(T)];
    if (!Q2SL_ReadAll(handle, b, sizeof(T)))
        return 0;
    uint64_t u = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        u |= uint64_t(b[i]) << (8 * i);
    v = static_cast<T>(u);
    return 1;
}

template <typename T>
int WriteLittle(int handle, T v)
{
    uint8_t b[sizeof(T)];
    const auto u = static_cast<uint64_t>(v);
    for (size_t i = 0; i < sizeof(T); ++i)
        b[i] = static_cast<uint8_t>(u >> (8 * i));
    return Q2SL_WriteAll(handle, b, sizeof(T));
}

}  // namespace

int Q2SL_ReadU8(int handle, uint8_t& v) { return ReadLittle(handle, v); }
int Q2SL_ReadU16(int handle, uint16_t& v) { return ReadLittle(handle, v); }
int Q2SL_ReadI16(int handle, int16_t& v) { return ReadLittle(handle, v); }
int Q2SL_ReadU32(int handle, uint32_t& v) { return ReadLittle(handle, v); }
int Q2SL_ReadI32(int handle, int32_t& v) { return ReadLittle(handle, v); }
int Q2SL_WriteU8(int handle, uint8_t v) { return WriteLittle(handle, v); }
int Q2SL_WriteU16(int handle, uint16_t v) { return WriteLittle(handle, v); }
int Q2SL_WriteI16(int handle, int16_t v) { return WriteLittle(handle, v); }
int Q2SL_WriteU32(int handle, uint32_t v) { return WriteLittle(handle, v); }
int Q2SL_WriteI32(int handle, int32_t v) { return WriteLittle(handle, v); }

int Q2SL_ReadName(int handle, char* name, uint32_t size)
{
    if (!Q2SL_ReadAll(handle, name, size))
        return 0;
    name[size - 1] = '\0';
    return 1;
}

int Q2SL_WriteName(int handle, const char* name, uint32_t size)
{
    char field[256] = {};
    if (size > sizeof field)
        return 0;
    Q2SL_SetName(field, size, name);
    return Q2SL_WriteAll(handle, field, size);
}

void Q2SL_SetName(char* name, uint32_t size, const char* text)
{
    std::memset(name, 0, size);
    if (text)
        std::strncpy(name, text, size - 1);
}
