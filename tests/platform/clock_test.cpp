// The virtual clock of headless runs: waits move it exactly, the tick difference survives
// the counter's wrap, the vertical blank keeps a 60 Hz rhythm, and a program that never
// waits still sees time pass.
#include <gtest/gtest.h>

#include "common/headless_session.h"
#include "platform/headless/headless.h"

TEST(VirtualClock, WaitsMoveTimeToTheirTargetOnly)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    const uint32_t start = I_GetTicks();
    EXPECT_EQ(I_WaitTicks(start, 25), start + 25);
    EXPECT_EQ(I_WaitTicks(start, 40), start + 40);
    // A period already spent returns at once.
    EXPECT_EQ(I_WaitTicks(start, 10), start + 40);
    EXPECT_EQ(I_WaitTicks(start + 40, 0), start + 40);
    EXPECT_EQ(I_GetTicks(), start + 40);
}

TEST(VirtualClock, TheDifferenceIsTakenAcrossTheWrap)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    headless::ResetClock(0xFFFFFFF0u);
    const uint32_t mark = I_GetTicks();
    EXPECT_EQ(I_WaitTicks(mark, 25), 9u);
    EXPECT_EQ(headless::Now(), 25u);
    EXPECT_EQ(I_WaitTicks(mark, 30), 14u);
    EXPECT_EQ(I_WaitTicks(mark, 20), 14u);
}

TEST(VirtualClock, VerticalBlanksComeSixtyTimesASecond)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    std::vector<uint32_t> blanks;
    for (int i = 0; i < 60; i++) {
        I_WaitVBlank();
        blanks.push_back(I_GetTicks());
    }
    EXPECT_EQ(blanks[0], 17u);
    EXPECT_EQ(blanks[1], 34u);
    EXPECT_EQ(blanks[2], 50u);
    EXPECT_EQ(blanks.back(), 1000u);
    for (size_t i = 1; i < blanks.size(); i++)
        EXPECT_TRUE(blanks[i] - blanks[i - 1] == 16 || blanks[i] - blanks[i - 1] == 17);
    // Across the wrap too.
    headless::ResetClock(0xFFFFFFFFu);
    I_WaitVBlank();
    EXPECT_EQ(I_GetTicks(), 4u);
}

TEST(VirtualClock, PumpingWithoutWaitingMovesTimeAfterAThousandPasses)
{
    HeadlessSession session;
    ASSERT_TRUE(session.ok);
    I_Message msg;
    for (int i = 0; i < headless::PUMPS_BEFORE_TIME_MOVES; i++)
        I_PeekMessage(msg);
    EXPECT_EQ(headless::Now(), 0u);
    for (int i = 0; i < 5; i++)
        I_PeekMessage(msg);
    EXPECT_EQ(headless::Now(), 5u);
    // A wait starts the count again.
    I_WaitTicks(I_GetTicks(), 10);
    I_PeekMessage(msg);
    EXPECT_EQ(headless::Now(), 16u);
    // Reading the clock in a loop counts the same way.
    const uint32_t start = I_GetTicks();
    while (I_GetTicks() - start < 3) {
    }
    EXPECT_EQ(headless::Now(), 19u);
}
