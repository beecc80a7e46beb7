// The thirty levels. New kinds of block come in a few at a time, in the order the help
// pages show them: plain and two-stage blocks, multi-hit, indestructible, power-ups,
// Multi-Ball, counted-at-hit, hidden, arrows, atoms, simple blocks, Taltrix!.
//
// Two rules keep every level clearable: every block that counts can be reached from the open
// rows above the pad without passing an indestructible block, and a level with arrow blocks
// or the Taltrix! power-up has no two-stage blocks (a two-stage block caught half-broken by
// an arrow's blast or a fire-ball would be removed without being counted off).
#include "tools/datagen/levels/designs.h"

// . empty             # indestructible      = two-stage
// a..j plain (10 colours)                   * + o multi-hit (5, 3 and 2 hits)
// k counted-at-hit    ? hidden              m Multi-Ball
// 1..9 power-ups: Auto Pad, Fast Ball, Slow Ball, Super Pad, Mini Pad, Twin Pads,
//      Taltrix!, Vexa Shots, Sticky Pad
// ^ v < > arrows      % & A..J atoms (of the indestructible, two-stage and plain a..j colours)
// s t u w simple blocks; p q r y z K L N O P Q R S U V W blocks with their own breaking look
int DesignCharKind(char c)
{
    if (c >= 'a' && c <= 'j')
        return 3 + (c - 'a');
    if (c >= 'A' && c <= 'J')
        return 102 + (c - 'A');
    switch (c) {
    case '.': return 0;
    case '#': return 1;
    case '=': return 2;
    case '*': return 13;
    case '+': return 15;
    case 'o': return 16;
    case 'k': return 18;
    case '?': return 113;
    case 'm': return 25;
    case '1': return 26;
    case '2': return 27;
    case '3': return 28;
    case '4': return 29;
    case '5': return 30;
    case '6': return 31;
    case '7': return 90;
    case '8': return 91;
    case '9': return 92;
    case '^': return 95;
    case 'v': return 96;
    case '<': return 97;
    case '>': return 98;
    case '%': return 100;
    case '&': return 101;
    case 's': return 33;
    case 't': return 36;
    case 'u': return 37;
    case 'w': return 40;
    case 'y': return 34;
    case 'p': return 35;
    case 'q': return 38;
    case 'z': return 49;
    case 'r': return 56;
    case 'R': return 58;
    case 'S': return 60;
    case 'U': return 62;
    case 'V': return 63;
    case 'W': return 72;
    case 'K': return 114;
    case 'L': return 115;
    case 'N': return 116;
    case 'O': return 117;
    case 'P': return 118;
    case 'Q': return 119;
    default: return -1;
    }
}

const LevelDesign levelDesigns[DESIGN_LEVELS] = {
    {"First Steps", {
        "............",
        "............",
        "aaaaaaaaaaaa",
        "bbbbbbbbbbbb",
        "cccccccccccc",
        "dddddddddddd",
        "eeeeeeeeeeee",
    }},
    {"Diamond", {
        "............",
        ".....ff.....",
        "....feef....",
        "...feddef...",
        "..fedccdef..",
        ".fedc==cdef.",
        "..fedccdef..",
        "...feddef...",
        "....feef....",
        ".....ff.....",
    }},
    {"Layers", {
        "............",
        "............",
        "============",
        "aaaaaaaaaaaa",
        "............",
        "bbbb====bbbb",
        "cccc....cccc",
        "............",
        "============",
        "dddddddddddd",
    }},
    {"Tough Core", {
        "............",
        "............",
        ".oooooooooo.",
        ".o........o.",
        ".o.gggggg.o.",
        ".o.g++++g.o.",
        ".o.gggggg.o.",
        ".o........o.",
        ".oooooooooo.",
        "............",
        "hhhhhhhhhhhh",
    }},
    {"Iron Bar", {
        "............",
        "............",
        "aaaaaaaaaaaa",
        "bbbbbbbbbbbb",
        "=====..=====",
        "............",
        "##..####..##",
        "............",
        "cccccccccccc",
        "dddddddddddd",
    }},
    {"Gifts", {
        "............",
        "............",
        ".iiiiiiiiii.",
        ".i4iiiiii3i.",
        ".iiiiiiiiii.",
        "............",
        ".jjjjjjjjjj.",
        ".jjj3jj4jjj.",
        ".jjjjjjjjjj.",
        "............",
        "oo..oooo..oo",
    }},
    {"Double Trouble", {
        "............",
        "............",
        "eeeeeeeeeeee",
        "eeeeeeeeeeee",
        "............",
        "..m......m..",
        "............",
        "ffffffffffff",
        "ff==ffff==ff",
        "............",
        "gggg.##.gggg",
    }},
    {"Helping Hand", {
        "............",
        "............",
        "**..****..**",
        "aaaaaaaaaaaa",
        "aa1aaaaaa1aa",
        "bbbbbbbbbbbb",
        "............",
        ".cccccccccc.",
        ".c++c++c++c.",
        ".cccccccccc.",
    }},
    {"Quick Count", {
        "............",
        "............",
        "kkkkkkkkkkkk",
        "k.k.k.k.k.k.",
        "hhhhhhhhhhhh",
        "h4hhhhhhhh3h",
        "hhhhhhhhhhhh",
        "............",
        ".kkkk..kkkk.",
        ".#........#.",
    }},
    {"Walled Garden", {
        "............",
        "............",
        "#..........#",
        "#.dddddddd.#",
        "#.d2dddd5d.#",
        "#.dddddddd.#",
        "#..........#",
        "#.eeeeeeee.#",
        "#.eeoooeee.#",
        "#.eeeeeeee.#",
        "#..........#",
    }},
    {"Hide and Seek", {
        "............",
        "............",
        "aaaaaaaaaaaa",
        "?a?a?a?a?a?a",
        "bbbbbbbbbbbb",
        "b?b?b?b?b?b?",
        "cccccccccccc",
        "............",
        "...??..??...",
        ".....m......",
        "ddd......ddd",
    }},
    {"Castle", {
        "............",
        ".##......##.",
        ".#ffffffff#.",
        ".#f6ffff9f#.",
        ".#ffffffff#.",
        ".##..++..##.",
        "............",
        "gggggggggggg",
        "g++g++g++g++",
        "gggggggggggg",
    }},
    {"Crossfire", {
        "............",
        "............",
        ">hhhhhhhhhh<",
        "hhhhhhhhhhhh",
        ">iiiiiiiiiii",
        "iiiiiiiiiii<",
        "............",
        "jjjjjjjjjjjj",
        "jj>jjjjjj<jj",
        "jjjjjjjjjjjj",
        "............",
        "+.+.+..+.+.+",
    }},
    {"Falling Fire", {
        "............",
        "............",
        "cvcccvvcccvc",
        "cccccccccccc",
        "cc8cccccc8cc",
        "cccccccccccc",
        "dddddddddddd",
        "d^dddddddd^d",
        "............",
        "..##....##..",
        "............",
        "oooooooooooo",
    }},
    {"Spectral", {
        "............",
        "............",
        "abcdeabcdeab",
        "bAdeabcdeaBc",
        "cdeabcdeabcd",
        "deabCdeaDcde",
        "eabcdeabcdEa",
        "............",
        "##...##...##",
    }},
    {"Curios", {
        "............",
        "............",
        "pqpqpqpqpqpq",
        "rrrrrrrrrrrr",
        "ssssttttuuuu",
        "w.w.w.w.w.w.",
        "yyyyyyyyyyyy",
        "z.z.z.z.z.z.",
        "............",
        "..1......4..",
    }},
    {"Fire Ball", {
        "............",
        "............",
        "++++++++++++",
        "ffffffffffff",
        "ff7ffffff7ff",
        "ffffffffffff",
        "************",
        "............",
        ".####..####.",
        "............",
        "kkkkkkkkkkkk",
    }},
    {"Iron Eater", {
        "............",
        "............",
        "#K#L#N#O#K#L",
        "KKLLNNOOKKLL",
        "............",
        "##%######%##",
        "............",
        "LLLLNNNNOOOO",
        "............",
        "#..........#",
    }},
    {"Shell Game", {
        "............",
        "............",
        "============",
        "=gggggggggg=",
        "=g&gggggg&g=",
        "=gggggggggg=",
        "============",
        "............",
        "hhhh?hh?hhhh",
        "............",
        "...m....m...",
    }},
    {"Fortress", {
        "............",
        "#..........#",
        "#.********.#",
        "#.*aaaaaa*.#",
        "#.*a1aa4a*.#",
        "#.*aaaaaa*.#",
        "#.********.#",
        "#..........#",
        "###..##..###",
        "............",
        "bbbbbbbbbbbb",
    }},
    {"Checkmate", {
        "............",
        "............",
        "cc#cc##cc#cc",
        "dddddddddddd",
        "e#eee##eee#e",
        "ffffffffffff",
        "gg#gg##gg#gg",
        "hh5hhhhhh6hh",
        "............",
        "k.k.k.k.k.k.",
    }},
    {"Chain Reaction", {
        "............",
        "............",
        "vssssvvssssv",
        "ssttssssttss",
        ">ttttttttttt",
        "tttttttttt<t",
        "uuuuuuuuuuuu",
        "^uuuuuu^uuuu",
        "............",
        "..+..++..+..",
        "............",
        "..8......9..",
    }},
    {"Night Sky", {
        "............",
        ".?...?...?..",
        "...?...?...?",
        "jjjjjjjjjjjj",
        "iiiiIiiiiiii",
        "jjjjjjjJjjjj",
        "iiiiiiiiiiii",
        "............",
        "?.?.?.?.?.?.",
        "............",
        "**..*..*..**",
    }},
    {"Twin Towers", {
        "............",
        ".++++..++++.",
        ".+aa+..+bb+.",
        ".+aa+..+bb+.",
        ".+aa+..+bb+.",
        ".+mm+..+mm+.",
        ".+aa+..+bb+.",
        ".++++..++++.",
        "............",
        "#...####...#",
        "............",
        "..3......2..",
    }},
    {"Spiral", {
        "............",
        "cccccccccccc",
        "c..........c",
        "c.dddddddd.c",
        "c.d......d.c",
        "c.d.eeee.d.c",
        "c.d.e**e.d.c",
        "c.d.e..e.d.c",
        "c.d......d.c",
        "c.ddddd..d.c",
        "c..........c",
        "ccccc..ccccc",
    }},
    {"Treasure Vault", {
        "............",
        "##########..",
        "#PPQQPPQQ#..",
        "#RSRSRSRS#..",
        "#UVUVUVUV#..",
        "#WWWWWWWW#..",
        "#........#..",
        "####..####..",
        "............",
        "kkkkkkkkkkkk",
    }},
    {"Hot Potato", {
        "............",
        "............",
        "*+*+*+*+*+*+",
        "+*+*+*+*+*+*",
        "ee7eeeeee7ee",
        "ffffffffffff",
        ">gggggggggg<",
        "hhhhhhhhhhhh",
        "............",
        ".##.##.##.##",
    }},
    {"Nuclear", {
        "............",
        "............",
        "aabbccddeeff",
        "aAbBcCdDeEfF",
        "aabbccddeeff",
        "............",
        "*##*##*##*##",
        "............",
        "%..........%",
        "............",
        "gggggggggggg",
    }},
    {"Gauntlet", {
        "............",
        "*..*..*..*..",
        "#*##*##*##*#",
        "kkkkkkkkkkkk",
        "#+##+##+##+#",
        "oooooooooooo",
        "#.##.##.##.#",
        "mmm......mmm",
        "............",
        "?..?..?..?..",
        "............",
        "..4......6..",
    }},
    {"Grand Finale", {
        "............",
        "v*K*L*N*O*Pv",
        "************",
        "QRSUVWQRSUVW",
        "+#+#+#+#+#+#",
        "bBdDfFhHjJb.",
        "..m..1..m...",
        "ssttuuwwppqq",
        ">yyzzrryyzz<",
        "............",
        "##.##..##.##",
        "............",
        "..7..8..9...",
    }},
};
