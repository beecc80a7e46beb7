// Reading and writing whole sprite files, and finding their objects by name.
#include <cstring>

#include "app/shell.h"
#include "gfx/alloc.h"
#include "gfx/dosfile.h"
#include "gfx/sprite.h"
#include "gfx/spritefile.h"

namespace {

constexpr uint32_t kHeaderSize = 34;
constexpr uint32_t kItemHeaderSize = 34;
constexpr uint16_t kFormatVersion = 37;  // stored by the writer, not read

template <typename T>
int Append(Q2SL_section<T>& s, T* item)
{
    if (!item || s.count >= kMaxItems)
        return 0;
    auto** grown = static_cast<T**>(my_new(sizeof(T*) * (s.count + 1), "section"));
    if (s.count)
        std::memcpy(grown, s.items, sizeof(T*) * s.count);
    grown[s.count++] = item;
    my_delete(s.items, "section");
    s.items = grown;
    return 1;
}

template <typename T>
T* Search(const Q2SL_section<T>& s, const char* name)
{
    for (uint32_t i = 0; i < s.count; ++i) {
        if (s.items[i] && std::strcmp(s.items[i]->name, name) == 0)
            return s.items[i];
    }
    return nullptr;
}

// Objects that own pictures or frames free them before they go.
template <typename T>
void Release(T* item)
{
    if constexpr (requires { item->Delete(); })
        item->Delete();
}

template <typename T>
void FreeSection(Q2SL_section<T>& s)
{
    for (uint32_t i = 0; i < s.count; ++i) {
        if (s.items[i])
            Release(s.items[i]);
        Q2SL_Delete(s.items[i], "item");
    }
    my_delete(s.items, "section");
    s.count = 0;
}

// Reads count items of a section: item header, then the object's own reader.
template <typename T, typename ReadItem, typename AfterItem>
int ReadSection(int handle, Q2SL_section<T>& s, uint32_t count, ReadItem read, AfterItem after)
{
    if (count > kMaxItems)
        return 0;
    if (count)
        s.items = static_cast<T**>(my_new(sizeof(T*) * count, "section"));
    s.count = count;
    for (uint32_t i = 0; i < count; ++i) {
        uint8_t itemHeader[kItemHeaderSize];
        if (!Q2SL_ReadAll(handle, itemHeader, kItemHeaderSize))
            return 0;
        s.items[i] = Q2SL_New<T>("item");
        if (!read(*s.items[i]))
            return 0;
        after(*s.items[i]);
    }
    return 1;
}

template <typename T, typename WriteItem>
int WriteSection(int handle, const Q2SL_section<T>& s, uint16_t section, WriteItem write)
{
    for (uint32_t i = 0; i < s.count; ++i) {
        // A section left part-filled by a failed read is not written.
        if (!s.items[i] || !Q2SL_WriteName(handle, s.items[i]->name, 32) || !Q2SL_WriteU16(handle, section) ||
            !write(*s.items[i]))
            return 0;
    }
    return 1;
}

// Attaches every buffer the owner names as a sharer (found through search) to its group.
template <typename Buffer>
void JoinSharers(const Q2SL_file& file, Buffer& owner, Buffer* (Q2SL_file::*search)(const char*) const)
{
    for (uint16_t i = 0; i < owner.numSharerNames; ++i) {
        if (Buffer* member = (file.*search)(owner.sharerNames[i]))
            member->Attach(&owner);
    }
}

void PutU16(uint8_t* at, uint16_t v)
{
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void PutU32(uint8_t* at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

Q2SL_file::Q2SL_file() = default;

int Q2SL_file::OpenRead(const char* gamePath)
{
    Close();
    handle = Dos_OpenRead(I_DataPath(gamePath ? gamePath : fileName));
    return handle >= 0;
}

int Q2SL_file::OpenWrite(const char* path)
{
    Close();
    handle = Dos_OpenWrite(path ? path : fileName);
    return handle >= 0;
}

void Q2SL_file::Close()
{
    if (handle >= 0)
        Dos_Close(handle);
    handle = -1;
}

void Q2SL_file::Free()
{
    FreeSection(colors);
    FreeSection(palettes);
    FreeSection(buffers);
    FreeSection(drawBuffers);
    FreeSection(screens);
    FreeSection(spriteTypes);
    FreeSection(sprites);
    FreeSection(fonts);
}

int Q2SL_file::Read()
{
    Free();
    if (!Q2SL_ReadAll(handle, header, kHeaderSize) || std::memcmp(header, "Q2SL", 5) != 0)
        return 0;
    const uint16_t numCounts = static_cast<uint16_t>(header[28] | header[29] << 8);
    if (numCounts < Q2SL_NUM_SECTIONS || numCounts > kMaxSectionCounts)
        return 0;
    auto* counts = static_cast<uint32_t*>(my_new(sizeof(uint32_t) * numCounts, "numTypes"));
    int ok = 1;
    for (uint16_t i = 0; ok && i < numCounts; ++i)
        ok = Q2SL_ReadU32(handle, counts[i]);
    ok = ok && ReadSections(counts);
    my_delete(counts, "numTypes");
    return ok;
}

int Q2SL_file::ReadSections(const uint32_t* counts)
{
    const int h = handle;
    const auto none = [](auto&) {};
    return ReadSection(h, colors, counts[0], [h](Q2SL_color& c) { return c.Read(h); }, none) &&
           ReadSection(h, palettes, counts[1], [h](Q2SL_palette& p) { return p.Read(h); }, none) &&
           ReadSection(h, buffers, counts[2], [h](Q2SL_buffer& b) { return b.Read(h); }, none) &&
           ReadSection(h, drawBuffers, counts[3], [h](Q2SL_drawBuffer& b) { return b.ReadView(h); },
                       [this](Q2SL_drawBuffer& b) { JoinSharers(*this, b, &Q2SL_file::SearchDrawBuffer); }) &&
           ReadSection(h, screens, counts[4], [h](Q2SL_screen& s) { return s.ReadView(h); },
                       [this](Q2SL_screen& s) { JoinSharers(*this, s, &Q2SL_file::SearchScreen); }) &&
           ReadSection(h, spriteTypes, counts[5], [h](Q2SL_spriteType& t) { return t.Read(h); }, none) &&
           ReadSection(h, sprites, counts[6], [h](Q2SL_sprite& s) { return s.Read(h); },
                       [this](Q2SL_sprite& s) { s.type = SearchSpriteType(s.typeName); }) &&
           ReadSection(h, fonts, counts[7], [h](Q2SL_font& f) { return f.Read(h); }, none);
}

int Q2SL_file::Write()
{
    std::memcpy(header, "Q2SL", 5);
    PutU16(header + 8, kFormatVersion);
    PutU16(header + 28, Q2SL_NUM_SECTIONS);
    const uint32_t counts[Q2SL_NUM_SECTIONS] = {colors.count,      palettes.count, buffers.count,
                                                drawBuffers.count, screens.count,  spriteTypes.count,
                                                sprites.count,     fonts.count};
    uint32_t total = 0;
    for (uint32_t c : counts)
        total += c;
    PutU32(header + 30, total);
    if (!Q2SL_WriteAll(handle, header, kHeaderSize))
        return 0;
    for (uint32_t c : counts) {
        if (!Q2SL_WriteU32(handle, c))
            return 0;
    }
    return WriteSections();
}

int Q2SL_file::WriteSections()
{
    const int h = handle;
    return WriteSection(h, colors, Q2SL_SECTION_COLORS, [h](const Q2SL_color& c) { return c.Write(h); }) &&
           WriteSection(h, palettes, Q2SL_SECTION_PALETTES, [h](const Q2SL_palette& p) { return p.Write(h); }) &&
           WriteSection(h, buffers, Q2SL_SECTION_BUFFERS, [h](const Q2SL_buffer& b) { return b.Write(h); }) &&
           WriteSection(h, drawBuffers, Q2SL_SECTION_DRAWBUFFERS,
                        [h](const Q2SL_drawBuffer& b) { return b.WriteView(h); }) &&
           WriteSection(h, screens, Q2SL_SECTION_SCREENS, [h](const Q2SL_screen& s) { return s.WriteView(h); }) &&
           WriteSection(h, spriteTypes, Q2SL_SECTION_SPRITETYPES,
                        [h](const Q2SL_spriteType& t) { return t.Write(h); }) &&
           WriteSection(h, sprites, Q2SL_SECTION_SPRITES, [h](const Q2SL_sprite& s) { return s.Write(h); }) &&
           WriteSection(h, fonts, Q2SL_SECTION_FONTS, [h](const Q2SL_font& f) { return f.Write(h); });
}

int Q2SL_file::Add(Q2SL_color* c) { return Append(colors, c); }
int Q2SL_file::Add(Q2SL_palette* p) { return Append(palettes, p); }
int Q2SL_file::Add(Q2SL_buffer* b) { return Append(buffers, b); }
int Q2SL_file::Add(Q2SL_drawBuffer* b) { return Append(drawBuffers, b); }
int Q2SL_file::Add(Q2SL_screen* s) { return Append(screens, s); }
int Q2SL_file::Add(Q2SL_spriteType* t) { return Append(spriteTypes, t); }
int Q2SL_file::Add(Q2SL_sprite* s) { return Append(sprites, s); }
int Q2SL_file::Add(Q2SL_font* f) { return Append(fonts, f); }

Q2SL_color* Q2SL_file::SearchColor(const char* n) const { return Search(colors, n); }
Q2SL_palette* Q2SL_file::SearchPalette(const char* n) const { return Search(palettes, n); }
Q2SL_buffer* Q2SL_file::SearchBuffer(const char* n) const { return Search(buffers, n); }
Q2SL_drawBuffer* Q2SL_file::SearchDrawBuffer(const char* n) const { return Search(drawBuffers, n); }
Q2SL_screen* Q2SL_file::SearchScreen(const char* n) const { return Search(screens, n); }
Q2SL_spriteType* Q2SL_file::SearchSpriteType(const char* n) const { return Search(spriteTypes, n); }
Q2SL_sprite* Q2SL_file::SearchSprite(const char* n) const { return Search(sprites, n); }
