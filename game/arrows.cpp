// Arrow blocks: a hit sets off an explosion that travels along the arrow, one cell every
// six frames, through every block in its way, until a gap, a wall or a hard block stops
// it; another arrow block takes the explosion over.
#include "game/specials.h"

#include "audio/sound.h"
#include "game/blocks.h"
#include "game/world.h"
#include "gamemode/sprite_ids.h"

std::vector<arrowExplode> arrowBlocks[2];  // each player's arrow blocks

enum { ARROW_FIRST = 95, ARROW_LAST = 98, STEP_FRAMES = 6, STOPS_ARROWS = 2 };
enum { ARROW_UP = 0, ARROW_DOWN = 1, ARROW_LEFT = 2, ARROW_RIGHT = 3 };

static bool IsArrow(int kind)
{
    return kind >= ARROW_FIRST && kind <= ARROW_LAST;
}

static bool IsAtom(int kind)
{
    return kind >= 100 && kind <= 111;
}

void SetUpArrowBlocks()
{
    std::vector<arrowExplode>& records = arrowBlocks[currPlayer];
    records.clear();
    for (int c = 0; c < NUM_CELLS; c++) {
        Q2SL_sprite& block = blocks[currPlayer][c];
        if (!IsArrow(block.anim))
            continue;
        block.state = static_cast<int32_t>(records.size());
        records.push_back({c, 0, 0, block.anim - ARROW_FIRST});
    }
}

static arrowExplode* Record(int record)
{
    std::vector<arrowExplode>& records = arrowBlocks[currPlayer];
    return record >= 0 && record < static_cast<int>(records.size()) ? &records[record] : nullptr;
}

void IgniteArrow(int record)
{
    arrowExplode* r = Record(record);
    if (!r)
        return;
    r->running = 1;
    r->countdown = STEP_FRAMES;
    StartExplosion(r->cell);
    // The ignition pans across the whole screen, not just the field.
    const int centre = (r->cell % GRID_COLUMNS) * CELL_WIDTH + CELL_WIDTH / 2;
    soundGroups[SND_FEXPL3A].Play(StereoPan(static_cast<int>(centre / 640.0 * 20000 - 10000)));
    const Q2SL_sprite& block = blocks[currPlayer][r->cell];
    StartParticleSource(block.x + CELL_WIDTH / 2, block.y + CELL_HEIGHT / 2, PARTICLE_FAST, 0, 1);
}

// The cell one step along the direction, or -1 at the field's edge.
static int NextCell(int cell, int direction)
{
    const int column = cell % GRID_COLUMNS;
    switch (direction) {
    case ARROW_UP: return cell < GRID_COLUMNS ? -1 : cell - GRID_COLUMNS;
    case ARROW_DOWN: return cell >= NUM_CELLS - GRID_COLUMNS ? -1 : cell + GRID_COLUMNS;
    case ARROW_LEFT: return column == 0 ? -1 : cell - 1;
    default: return column == GRID_COLUMNS - 1 ? -1 : cell + 1;
    }
}

// One frame of one explosion.
static void Run(arrowExplode& r)
{
    if (!r.running || --r.countdown > 0)
        return;
    const int cell = NextCell(r.cell, r.direction);
    if (cell < 0) {
        r.running = 0;
        return;
    }
    r.cell = cell;
    Q2SL_sprite& block = blocks[currPlayer][cell];
    const int kind = block.anim;
    if (kind >= NUM_BLOCK_KINDS || blockFlags[kind] == STOPS_ARROWS) {
        r.running = 0;
        return;
    }
    if (IsArrow(kind)) {
        r.running = 0;
        IgniteArrow(block.state);
        return;
    }
    if (IsAtom(kind)) {
        StartAtom(block.state);
        SetBlockKind(block, 0);
        BlockCounted();
    }
    ExplodeCell(cell);
    r.countdown = STEP_FRAMES;
}

void ArrowRun()
{
    // Igniting another record may not move the records: walk them by index.
    std::vector<arrowExplode>& records = arrowBlocks[currPlayer];
    for (size_t k = 0; k < records.size(); k++)
        Run(records[k]);
}

void StopArrows()
{
    for (arrowExplode& r : arrowBlocks[currPlayer])
        r.running = 0;
}

void ResetArrows()
{
    arrowBlocks[0].clear();
    arrowBlocks[1].clear();
}
