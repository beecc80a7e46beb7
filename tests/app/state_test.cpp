// The order of set-ups, frames and tear-downs through the screen state machine.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/screen_table.h"
#include "app/shell.h"
#include "app/state.h"

namespace {

std::vector<std::string> calls;         // every entry point run, in order
void (*onStart[MODE_COUNT])() = {};     // extra work a mode's set-up does (a failing set-up)
void (*onFrame[MODE_COUNT])() = {};     // extra work a mode's frame does (a request)
void (*onOverlayFrame[OVERLAY_COUNT])() = {};

template <int N>
ScreenEntry Mode()
{
    return {[] {
                calls.push_back("start " + std::to_string(N));
                if (onStart[N])
                    onStart[N]();
            },
            [] {
                calls.push_back("frame " + std::to_string(N));
                if (onFrame[N])
                    onFrame[N]();
            },
            [] { calls.push_back("end " + std::to_string(N)); }};
}

template <int N>
ScreenEntry OverlayScreen()
{
    return {[] { calls.push_back("ostart " + std::to_string(N)); },
            [] {
                calls.push_back("oframe " + std::to_string(N));
                if (onOverlayFrame[N])
                    onOverlayFrame[N]();
            },
            [] { calls.push_back("oend " + std::to_string(N)); }};
}

class StateMachine : public ::testing::Test {
protected:
    ScreenEntry savedModes[MODE_COUNT];
    ScreenEntry savedOverlays[OVERLAY_COUNT];

    void SetUp() override
    {
        std::copy(modeScreens, modeScreens + MODE_COUNT, savedModes);
        std::copy(overlayScreens, overlayScreens + OVERLAY_COUNT, savedOverlays);
        modeScreens[0] = Mode<0>();
        modeScreens[1] = Mode<1>();
        modeScreens[2] = Mode<2>();
        modeScreens[3] = {nullptr, [] { calls.push_back("quit"); }, nullptr};
        overlayScreens[0] = OverlayScreen<0>();
        overlayScreens[5] = OverlayScreen<5>();
        overlayScreens[6] = OverlayScreen<6>();
        overlayScreens[7] = OverlayScreen<7>();
        calls.clear();
        for (auto& f : onStart) f = nullptr;
        for (auto& f : onFrame) f = nullptr;
        for (auto& f : onOverlayFrame) f = nullptr;
        programState = lastProgramState = subState = lastSubState = -1;
        programStateChanged = subStateChanged = 0;
    }
    void TearDown() override
    {
        std::copy(savedModes, savedModes + MODE_COUNT, modeScreens);
        std::copy(savedOverlays, savedOverlays + OVERLAY_COUNT, overlayScreens);
    }
    // Runs one dispatch and returns what it called.
    std::vector<std::string> Pass()
    {
        calls.clear();
        GameDispatch();
        return calls;
    }
    using Calls = std::vector<std::string>;
};

TEST_F(StateMachine, FirstModeIsSetUpAndRunsItsFirstFrameInOnePass)
{
    SetProgramState(0);
    EXPECT_EQ(Pass(), (Calls{"start 0", "frame 0"}));
    EXPECT_EQ(Pass(), (Calls{"frame 0"}));
}

TEST_F(StateMachine, ModeChangeTearsDownOldSetsUpNewAndRunsItsFrame)
{
    SetProgramState(1);
    Pass();
    onFrame[1] = [] { SetProgramState(2); };
    EXPECT_EQ(Pass(), (Calls{"frame 1"}));  // the requesting frame finishes
    onFrame[1] = nullptr;
    EXPECT_EQ(Pass(), (Calls{"end 1", "start 2", "frame 2"}));
}

TEST_F(StateMachine, OverlayFreezesTheModeAndCostsOnePassEachWay)
{
    SetProgramState(2);
    Pass();
    SetSubState(5);
    EXPECT_EQ(Pass(), (Calls{"ostart 5"}));  // neither the mode nor the overlay draws
    EXPECT_EQ(Pass(), (Calls{"oframe 5"}));
    EXPECT_EQ(Pass(), (Calls{"oframe 5"}));
    SetSubState(-1);
    EXPECT_EQ(Pass(), (Calls{"oend 5"}));
    EXPECT_EQ(Pass(), (Calls{"frame 2"}));  // the mode goes on without a new set-up
}

TEST_F(StateMachine, ClosingAnOverlayWithAPendingModeChangeTakesTwoPasses)
{
    SetProgramState(2);
    Pass();
    SetSubState(0);
    Pass();
    onOverlayFrame[0] = [] {
        SetProgramState(1);
        SetSubState(-1);
    };
    EXPECT_EQ(Pass(), (Calls{"oframe 0"}));
    EXPECT_EQ(Pass(), (Calls{"oend 0"}));
    EXPECT_EQ(Pass(), (Calls{"end 2", "start 1", "frame 1"}));
}

TEST_F(StateMachine, ConsecutiveOverlaysEachCostAPassWithoutFrame)
{
    SetProgramState(2);
    Pass();
    SetSubState(6);
    Pass();
    onOverlayFrame[6] = [] { SetSubState(7); };
    EXPECT_EQ(Pass(), (Calls{"oframe 6"}));
    EXPECT_EQ(Pass(), (Calls{"oend 6", "ostart 7"}));
    EXPECT_EQ(Pass(), (Calls{"oframe 7"}));
}

TEST_F(StateMachine, ClosingNoOverlayCostsAPassAndRunsNothing)
{
    SetProgramState(1);
    Pass();
    SetSubState(-1);
    EXPECT_EQ(Pass(), Calls{});
    EXPECT_EQ(Pass(), (Calls{"frame 1"}));
}

TEST_F(StateMachine, UnusedAndOutOfRangeOverlaysRunNothing)
{
    SetProgramState(1);
    Pass();
    for (int overlay : {2, 10, 99, -7}) {
        SetSubState(overlay);
        EXPECT_EQ(Pass(), Calls{}) << overlay;
        EXPECT_EQ(Pass(), Calls{}) << overlay;  // its frame: nothing
        SetSubState(-1);
        EXPECT_EQ(Pass(), Calls{}) << overlay;
    }
}

TEST_F(StateMachine, QuitTearsDownThePreviousModeThenQuitsInTheSamePass)
{
    SetProgramState(1);
    Pass();
    SetProgramState(3);
    EXPECT_EQ(Pass(), (Calls{"end 1", "quit"}));
}

TEST_F(StateMachine, FailedSetUpRunsNoFrameAndItsRequestIsCarriedOutNextPass)
{
    SetProgramState(1);
    Pass();
    onStart[0] = [] { SetProgramState(1); };  // a missing picture sends the intro to the menu
    SetProgramState(0);
    EXPECT_EQ(Pass(), (Calls{"end 1", "start 0"}));
    onStart[0] = nullptr;
    EXPECT_EQ(Pass(), (Calls{"end 0", "start 1", "frame 1"}));
}

TEST_F(StateMachine, SecondRequestBeforeADispatchTearsDownTheModeThatRuns)
{
    SetProgramState(1);
    Pass();
    SetProgramState(2);
    SetProgramState(0);
    EXPECT_EQ(Pass(), (Calls{"end 1", "start 0", "frame 0"}));
}

TEST_F(StateMachine, QuitRequestedInsideAnOverlayClosesItAndEndsTheProgram)
{
    SetProgramState(2);
    Pass();
    SetSubState(5);
    Pass();
    onOverlayFrame[5] = [] { SetProgramState(3); };  // a failed device read
    EXPECT_EQ(Pass(), (Calls{"oframe 5"}));
    onOverlayFrame[5] = nullptr;
    EXPECT_EQ(Pass(), (Calls{"oend 5"}));
    EXPECT_EQ(Pass(), (Calls{"end 2", "quit"}));
}

TEST_F(StateMachine, UnknownModeShowsItsBoxAndStopsDispatching)
{
    programState = 7;
    GameDispatch();
    EXPECT_EQ(programState, -1);
    EXPECT_EQ(lastProgramState, -1);
}

}  // namespace
