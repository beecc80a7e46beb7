// Spectral Nukes: the atom of an atom block, once its block is broken, flies from block to
// block of its colour and blows each one up, then leaves over the top of the field.
#include "game/specials.h"

#include "audio/sound.h"
#include "game/powerups.h"
#include "game/world.h"
#include "gamemode/sprite_ids.h"

std::vector<atomClass> atoms;               // the Spectral Nukes of the current field
Q2SL_spriteType* atomSpriteType = nullptr;  // the atoms' pictures

enum { ATOM_FIRST = 100, ATOM_LAST = 111, ATOM_OFFSET_X = 10, FLIGHT_FRAMES = 10, FLASHING_HARD = 20 };

static bool IsAtom(int kind)
{
    return kind >= ATOM_FIRST && kind <= ATOM_LAST;
}

// Colour 1 also takes the hard blocks still flashing from a hit.
static bool OfColour(const atomClass& a, int kind)
{
    return kind == a.colour || (a.colour == 1 && kind == FLASHING_HARD);
}

static int32_t Velocity(int32_t to, int32_t from)
{
    return static_cast<int32_t>((to - from) / static_cast<double>(FLIGHT_FRAMES) * 65536);
}

void SetupAtoms()
{
    atoms.clear();
    for (Q2SL_sprite& block : blocks[currPlayer]) {
        if (!IsAtom(block.anim))
            continue;
        atomClass a{};
        a.sprite.SetType(atomSpriteType);
        a.sprite.SetAnim(0);
        // Neighbouring atoms pulse out of step.
        if (a.sprite.numFrames)
            a.sprite.SetFrame(static_cast<int>(atoms.size() % a.sprite.numFrames));
        a.colour = block.anim - (ATOM_FIRST - 1);
        a.sprite.x = a.sprite.prevX = block.x + ATOM_OFFSET_X;
        a.sprite.y = a.sprite.prevY = block.y;
        a.fx = a.sprite.x << 16;
        a.fy = a.sprite.y << 16;
        a.state = ATOM_RESTING;
        a.attack = 0;
        block.state = static_cast<int32_t>(atoms.size());
        atoms.push_back(a);
    }
}

static void PlayAtAtom(int group, const atomClass& a)
{
    PlayAt(group, a.sprite);
}

// The nuke leaves over the top of the field.
static void End(atomClass& a)
{
    if (a.state != ATOM_SEEKING)
        return;
    a.state = ATOM_LEAVING;
    a.targetY = -a.sprite.height;
    a.vx = 0;
    a.vy = Velocity(a.targetY, a.sprite.y);
    PlayAtAtom(SND_64_3, a);
}

// Aims at the last block of its colour in the field, or leaves when none is left.
static void GetNextBlock(atomClass& a)
{
    for (int c = NUM_CELLS - 1; c >= 0; c--) {
        const Q2SL_sprite& block = blocks[currPlayer][c];
        if (!OfColour(a, block.anim))
            continue;
        a.targetCell = c;
        a.targetX = block.x + ATOM_OFFSET_X;
        a.targetY = block.y;
        a.vx = Velocity(a.targetX, a.sprite.x);
        a.vy = Velocity(a.targetY, a.sprite.y);
        return;
    }
    End(a);
}

void StartAtom(int atom)
{
    if (atom < 0 || atom >= static_cast<int>(atoms.size()))
        return;
    atomClass& a = atoms[atom];
    // Seeking before the search, so that a nuke with nothing to seek leaves at once.
    a.state = ATOM_SEEKING;
    a.attack = 0;
    GetNextBlock(a);
    StartNotify("Spectral Nuke", NOTIFY_NUKE);
    PlayAtAtom(SND_SLEEK_UP, a);
}

static void Seek(atomClass& a)
{
    if (a.attack == 1) {
        if (explodeBlocks[a.targetCell].state == 0) {
            GetNextBlock(a);
            a.attack = 0;
        }
        return;
    }
    if (a.sprite.x != a.targetX)
        return;
    if (!OfColour(a, blocks[currPlayer][a.targetCell].anim)) {
        GetNextBlock(a);
        return;
    }
    ExplodeCell(a.targetCell);
    a.attack = 1;
    // It hovers over its target while the block blows up. Flying on, it would overshoot by
    // more than the next flight covers, and flight after flight it would leave the field
    // further behind, on towards the end of its coordinates.
    a.vx = a.vy = 0;
}

static void Move(atomClass& a)
{
    if (frameTick == 2)
        a.sprite.StepFrame();
    if (a.state != ATOM_SEEKING && a.state != ATOM_LEAVING)
        return;
    a.fx += a.vx;
    a.fy += a.vy;
    a.sprite.prevX = a.sprite.x;
    a.sprite.prevY = a.sprite.y;
    a.sprite.x = a.fx >> 16;
    a.sprite.y = a.fy >> 16;
    if (a.state == ATOM_SEEKING)
        Seek(a);
    // Past its mark counts as there, so that a nuke never flies on for ever.
    else if (a.sprite.y <= a.targetY)
        a.state = ATOM_GONE;
}

void MoveAtoms()
{
    for (atomClass& a : atoms)
        Move(a);
}

void DrawAtoms()
{
    for (atomClass& a : atoms)
        if (a.state != ATOM_GONE)
            a.sprite.DrawNoHSR(playfieldView, 0, 0, -1);
}

void ResetAtoms()
{
    atoms.clear();
}
