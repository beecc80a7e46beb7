// Words spoken by espeak-ng, brought to the game's sample format.
#pragma once

#include "tools/datagen/sound/synth.h"

// An espeak-ng voice ("en-us+m3") with its pitch (0..99) and speed (words per minute).
struct Voice {
    const char* name;
    int pitch;
    int speed;
};

// Says a fixed text of ours. Without a working espeak-ng a voiced hum stands in, with a warning,
// so the data set is still complete.
synth::Wave Speak(const char* text, Voice voice);
