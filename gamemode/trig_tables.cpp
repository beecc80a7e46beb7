// Reading the trigonometry table file.
#include "gamemode/trig_tables.h"

#include <vector>

#include "app/shell.h"
#include "game/world.h"
#include "platform/platform.h"

static const size_t tableBytes = 4 * TRIG_ENTRIES;

static int32_t ReadInt32(const uint8_t* p)
{
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

static void ReadTable(const uint8_t* p, int32_t* table)
{
    for (int i = 0; i < TRIG_ENTRIES; i++)
        table[i] = ReadInt32(p + 4 * i);
}

const char* ParseTrigTables(const uint8_t* data, size_t size, int32_t* sine, int32_t* cosine)
{
    if (size < 4)
        return "Problem in file BLKBRK.TRG: numEntries";
    if (ReadInt32(data) != TRIG_ENTRIES)
        return "Wrong BLKBRK.TRG file.";
    if (size < 4 + tableBytes)
        return "Problem in file BLKBRK.TRG: sine";
    if (size < 4 + 2 * tableBytes)
        return "Problem in file BLKBRK.TRG: cosine";
    ReadTable(data + 4, sine);
    ReadTable(data + 4 + tableBytes, cosine);
    return nullptr;
}

// Shows the boxes of a fault in the file and gives the tables back.
static int TrigFailed(const char* text)
{
    ErrorBox(text);
    ReinstallBox();
    FreeTrigTables();
    return 0;
}

int LoadTrigTables()
{
    sinTable = static_cast<int32_t*>(my_new(tableBytes, "sinTable"));
    cosTable = static_cast<int32_t*>(my_new(tableBytes, "cosTable"));
    const std::string path = I_DataPath("blkbrk.trg");
    // The file is read no further than its last table, so a longer one is fine.
    std::vector<uint8_t> bytes;
    if (path.empty() || !I_ReadFile(path, bytes, 1 << 20))
        return TrigFailed("Can't find BLKBRK.TRG");
    if (const char* fault = ParseTrigTables(bytes.data(), bytes.size(), sinTable, cosTable))
        return TrigFailed(fault);
    return 1;
}

void FreeTrigTables()
{
    my_delete(sinTable, "sinTable");
    my_delete(cosTable, "cosTable");
}
