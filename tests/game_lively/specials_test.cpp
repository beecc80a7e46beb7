#include "game/specials.h"

#include <algorithm>

#include "game/blocks.h"
#include "game/powerups.h"
#include "lively_support.h"

namespace {

class Specials : public LivelyWorld {
protected:
    void SetUp() override
    {
        LivelyWorld::SetUp();
        MakeBalls(1);  // captive: it stays out of the way
    }
    static int Kind(int row, int column) { return blocks[0][row * 12 + column].anim; }
    // Lays the field out, counts it and builds the arrow and atom records.
    static void Build()
    {
        GetNumBlocksLeft(0);
        SetUpArrowBlocks();
        SetupAtoms();
    }
    static void Hit(int row, int column) { BreakBlock(&blocks[0][row * 12 + column], 0, BREAK_BALL); }
};

TEST_F(Specials, AnUpArrowInTheTopRowExplodesOnlyItself)
{
    PutBlock(0, 0, 4, 95);
    PutBlock(0, 0, 5, 50);
    Build();
    Hit(0, 4);
    EXPECT_EQ(explodeBlocks[4].state, 1);
    EXPECT_EQ(arrowBlocks[0][0].running, 1);
    Frames(6);
    EXPECT_EQ(arrowBlocks[0][0].running, 0);
    Frames(10);
    EXPECT_EQ(Kind(0, 4), 0);
    EXPECT_EQ(Kind(0, 5), 50);
    EXPECT_EQ(blocksLeft[0], 1);
}

TEST_F(Specials, AnArrowExplodesItsLineUntilAGap)
{
    PutBlock(0, 5, 0, 98);
    for (int c = 1; c <= 4; c++)
        PutBlock(0, 5, c, 50);
    PutBlock(0, 5, 6, 50);  // behind the gap at column 5
    Build();
    ASSERT_EQ(blocksLeft[0], 6);
    Hit(5, 0);
    Frames(6);
    EXPECT_EQ(explodeBlocks[5 * 12 + 1].state, 1);
    EXPECT_EQ(Kind(5, 1), 50) << "the block stays until the overlay's tenth frame";
    Frames(9);
    EXPECT_EQ(Kind(5, 1), 50);
    Frames(1);
    EXPECT_EQ(Kind(5, 1), 0);
    Frames(60);
    for (int c = 0; c <= 4; c++)
        EXPECT_EQ(Kind(5, c), 0) << c;
    EXPECT_EQ(Kind(5, 6), 50) << "a gap shields what lies behind it";
    EXPECT_EQ(blocksLeft[0], 1);
    EXPECT_EQ(score[0], 25 + 4 * 5);
}

TEST_F(Specials, FacingArrowsChain)
{
    PutBlock(0, 8, 2, 98);
    PutBlock(0, 8, 3, 97);
    PutBlock(0, 8, 1, 50);
    Build();
    Hit(8, 2);
    Frames(6);
    EXPECT_EQ(arrowBlocks[0][1].running, 1) << "the right arrow set off the left one";
    EXPECT_EQ(arrowBlocks[0][0].running, 0);
    EXPECT_EQ(explodeBlocks[8 * 12 + 3].state, 1);
    Frames(30);
    EXPECT_EQ(Kind(8, 2), 0);
    EXPECT_EQ(Kind(8, 3), 0);
    EXPECT_EQ(arrowBlocks[0][1].running, 0) << "the first arrow's cell is empty by then";
    EXPECT_EQ(Kind(8, 1), 50);
    EXPECT_EQ(blocksLeft[0], 1);
}

TEST_F(Specials, ASpectralNukeOfColourOneTakesTheFlashingHardBlocksToo)
{
    PutBlock(0, 10, 0, 100);
    PutBlock(0, 2, 3, 1);
    PutBlock(0, 4, 7, 20);
    PutBlock(0, 6, 6, 2);
    Build();
    ASSERT_EQ(atoms.size(), 1u);
    EXPECT_EQ(atoms[0].colour, 1);
    EXPECT_EQ(atoms[0].sprite.x, 10);
    Hit(10, 0);
    EXPECT_EQ(Kind(10, 0), 0);
    EXPECT_EQ(atoms[0].state, ATOM_SEEKING);
    EXPECT_EQ(atoms[0].targetCell, 4 * 12 + 7) << "the search runs from the last cell";
    EXPECT_STREQ(notifyText, "Spectral Nuke");
    Frames(200);
    EXPECT_EQ(Kind(4, 7), 0);
    EXPECT_EQ(Kind(2, 3), 0);
    EXPECT_EQ(Kind(6, 6), 2) << "other colours are left alone";
    EXPECT_EQ(atoms[0].state, ATOM_GONE);
}

TEST_F(Specials, ANukeHoversOverEachTargetAndStaysOverTheField)
{
    PutBlock(0, 10, 0, 101);
    PutBlock(0, 0, 11, 2);
    PutBlock(0, 5, 0, 2);
    PutBlock(0, 9, 6, 2);
    PutBlock(0, 2, 3, 2);
    Build();
    Hit(10, 0);
    int left = 0, right = 0;
    for (int frame = 0; frame < 400 && atoms[0].state == ATOM_SEEKING; frame++) {
        const int x = atoms[0].sprite.x;
        const bool attacking = atoms[0].attack == 1;
        Frames(1);
        if (attacking && atoms[0].attack == 1) {
            EXPECT_EQ(atoms[0].sprite.x, x) << "it drifted while its target blew up";
        }
        left = std::min(left, atoms[0].sprite.x);
        right = std::max(right, atoms[0].sprite.x);
    }
    EXPECT_NE(atoms[0].state, ATOM_SEEKING);
    for (int cell : {11, 5 * 12, 9 * 12 + 6, 2 * 12 + 3})
        EXPECT_EQ(blocks[0][cell].anim, 0) << cell;
    EXPECT_GE(left, 0);
    EXPECT_LT(right, 480);
}

TEST_F(Specials, ANukeWithNothingToSeekLeavesAtOnce)
{
    PutBlock(0, 10, 5, 104);
    PutBlock(0, 3, 3, 2);
    Build();
    Hit(10, 5);
    EXPECT_EQ(atoms[0].state, ATOM_LEAVING);
    Frames(12);
    EXPECT_EQ(atoms[0].state, ATOM_GONE);
    EXPECT_EQ(Kind(3, 3), 2);
}

TEST_F(Specials, AnArrowStartsTheNukeOfAnAtomInItsWay)
{
    PutBlock(0, 12, 0, 98);
    PutBlock(0, 12, 1, 101);
    PutBlock(0, 1, 1, 2);
    Build();
    const int before = blocksLeft[0];
    Hit(12, 0);
    Frames(6);
    EXPECT_EQ(atoms[0].state, ATOM_SEEKING);
    EXPECT_EQ(Kind(12, 1), 0);
    EXPECT_EQ(blocksLeft[0], before - 1) << "the atom block is counted as it empties";
    Frames(40);
    EXPECT_EQ(Kind(1, 1), 0) << "its nuke found its colour";
}

TEST_F(Specials, WithAllTenSourcesBusyABurstIsDropped)
{
    for (int k = 0; k < NUM_PARTICLE_SOURCES; k++)
        StartParticleSource(100 + k, 200, 2, 1, 0);
    for (const particleSrc& s : particleSources)
        EXPECT_EQ(s.life, 40);
    StartParticleSource(5, 5, 3, 0, 1);
    for (const particleSrc& s : particleSources)
        EXPECT_NE(s.x, 5);
    DrawParticles();
    EXPECT_EQ(particleSources[0].life, 39);
}

TEST_F(Specials, SparksFlyAsTheirSprayThrowsThemAndSlowDown)
{
    struct Case {
        int spray;
        double vxLo, vxHi, vyLo, vyHi;
    };
    const Case cases[] = {
        {0, -10, 10, -10, 0}, {1, -10, 10, 0, 20}, {2, -15, 0, -10, 10}, {3, 0, 15, -10, 10}, {7, -10, 10, -10, 10},
    };
    for (const Case& c : cases) {
        StopParticles();
        StartParticleSource(200, 200, 0, c.spray, 0);
        const particleSrc& s = particleSources[0];
        int count = 0;
        for (const particle_& p : s.particles) {
            if (p.life == 0)
                continue;
            count++;
            EXPECT_TRUE(p.vx >= c.vxLo && p.vx <= c.vxHi) << c.spray << " vx " << p.vx;
            EXPECT_TRUE(p.vy >= c.vyLo && p.vy <= c.vyHi) << c.spray << " vy " << p.vy;
            EXPECT_TRUE(p.life >= 10 && p.life <= 55);
            EXPECT_EQ(p.sprite.frame, p.life <= 15 ? 2 : p.life <= 27 ? 1 : 0);
        }
        EXPECT_TRUE(count >= 20 && count <= 50) << count;
    }
    StopParticles();
    StartParticleSource(200, 200, 0, 2, 1);
    particle_& p = particleSources[0].particles[0];
    p.vx = -1.0;
    p.vy = 9.5;
    particleSources[0].DrawParticles();
    EXPECT_DOUBLE_EQ(p.vx, -0.25);
    EXPECT_DOUBLE_EQ(p.vy, 10.25);
    particleSources[0].DrawParticles();
    EXPECT_DOUBLE_EQ(p.vx, 0) << "drag stops at rest";
    EXPECT_DOUBLE_EQ(p.vy, 10.25) << "no faster than the terminal speed";
}

}  // namespace
