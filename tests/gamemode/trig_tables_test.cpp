// The trigonometry file's checks: its entry count, and tables cut short.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "gamemode/trig_tables.h"

namespace {

void PutInt32(std::vector<uint8_t>& bytes, size_t at, int32_t v)
{
    for (int k = 0; k < 4; k++)
        bytes[at + k] = uint8_t(uint32_t(v) >> (8 * k));
}

// A file of `count` entries whose sine of d is d and cosine of d is -d.
std::vector<uint8_t> TrigFile(int32_t count)
{
    std::vector<uint8_t> bytes(TRIG_FILE_BYTES);
    PutInt32(bytes, 0, count);
    for (int d = 0; d < 360; d++) {
        PutInt32(bytes, 4 + 4 * d, d);
        PutInt32(bytes, 1444 + 4 * d, -d);
    }
    return bytes;
}

}  // namespace

TEST(TrigTables, ReadsBothTablesAndIgnoresTrailingBytes)
{
    std::vector<uint8_t> bytes = TrigFile(360);
    bytes.resize(bytes.size() + 10, 0xEE);
    int32_t sine[360], cosine[360];
    ASSERT_EQ(ParseTrigTables(bytes.data(), bytes.size(), sine, cosine), nullptr);
    EXPECT_EQ(sine[0], 0);
    EXPECT_EQ(sine[359], 359);
    EXPECT_EQ(cosine[90], -90);
    EXPECT_EQ(cosine[359], -359);
}

TEST(TrigTables, RefusesWrongCountsAndShortFiles)
{
    struct Case {
        int32_t count;
        size_t size;
        const char* box;
    };
    const Case cases[] = {
        {360, 0, "Problem in file BLKBRK.TRG: numEntries"},
        {360, 3, "Problem in file BLKBRK.TRG: numEntries"},
        {359, TRIG_FILE_BYTES, "Wrong BLKBRK.TRG file."},
        {361, TRIG_FILE_BYTES, "Wrong BLKBRK.TRG file."},
        {-360, TRIG_FILE_BYTES, "Wrong BLKBRK.TRG file."},
        {360, 4, "Problem in file BLKBRK.TRG: sine"},
        {360, 1443, "Problem in file BLKBRK.TRG: sine"},
        {360, 1444, "Problem in file BLKBRK.TRG: cosine"},
        {360, TRIG_FILE_BYTES - 1, "Problem in file BLKBRK.TRG: cosine"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = TrigFile(c.count);
        bytes.resize(c.size);
        int32_t sine[360], cosine[360];
        const char* box = ParseTrigTables(bytes.data(), bytes.size(), sine, cosine);
        ASSERT_NE(box, nullptr) << c.count << " " << c.size;
        EXPECT_EQ(std::string(box), c.box) << c.count << " " << c.size;
    }
}
