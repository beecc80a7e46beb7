// The developer's world checker (--check-invariants): run once per game frame, it ends the
// program with a message at the first record that has left its bounds.
#pragma once

// Checks the world when the option is on; aborts with the broken rule and the frame number.
void CheckInvariants();
