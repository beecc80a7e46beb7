// The sine and cosine tables of "blkbrk.trg": 360 entries each, whole degrees, x 65536.
#pragma once

#include <cstddef>
#include <cstdint>

enum { TRIG_ENTRIES = 360, TRIG_FILE_BYTES = 4 + 2 * 4 * TRIG_ENTRIES };

// Decodes the file's bytes into the two tables. Returns null when they are good, else the
// text of the box that reports the fault. A file too short for a table is refused too.
const char* ParseTrigTables(const uint8_t* data, size_t size, int32_t* sine, int32_t* cosine);
// Allocates sinTable and cosTable and fills them from "blkbrk.trg". On failure shows the
// boxes, frees the tables and returns 0.
int LoadTrigTables();
void FreeTrigTables();
