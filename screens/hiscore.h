// The high-score table.
#pragma once

// Returns 1 and makes room for the current player's score when it enters the table.
int CheckHiScore();
