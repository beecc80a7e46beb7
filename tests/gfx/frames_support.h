// Small pictures and destinations for the graphics library's tests, drawn as text:
// '.' is colour 0, a digit or letter its value in base 36.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/sprite.h"

using Picture = std::vector<std::string>;

uint8_t PixelOf(char c);
char CharOf(uint8_t v);
std::vector<uint8_t> PixelsOf(const Picture& p);

// A frame made in code (surface, runs, solid map); owned by the caller.
Q2SL_buffer* MakeFrame(const Picture& p, uint16_t hotX = 0, uint16_t hotY = 0);
void FreeFrame(Q2SL_buffer*& f);

// A sprite type of one animation per picture list; owned by the caller.
Q2SL_spriteType* MakeType(const std::vector<std::vector<Picture>>& anims);
void FreeType(Q2SL_spriteType*& t);

// A destination with its own surface, its view the whole surface.
class Canvas {
public:
    Canvas(int w, int h, uint8_t fill = 0);
    ~Canvas();
    uint8_t At(int x, int y);
    // The surface as text rows.
    Picture Rows();
    void Fill(uint8_t colour);

    Q2SL_drawBuffer buffer;
};

// Resets the library's drawing state between tests.
void ResetDrawingState();
