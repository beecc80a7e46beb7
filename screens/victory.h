// The victory screen after the thirtieth level: three lines of congratulation in a box
// grown from the centre of the frozen game, the last one chosen by the player's difficulty.
#pragma once

void StartWinGame();
void WinGame();
void EndWinGame();
