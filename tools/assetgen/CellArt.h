// Cell images: each style paints its three cells as they should look on the board, and
// cellTexture turns the painting into what the file must hold for the board's texture mapping.
#pragma once

#include <cairo.h>

#include <cstdint>

#include "Colour.h"
#include "Image.h"

namespace assetgen {

// 128 pixels a side: a cell is 40 pixels on screen at zoom 1, so the image stays sharp up to a
// zoom of about 3 and the mipmaps serve the miniature boards.
constexpr int CellSide = 128;

// Paints a cell upright (as the player sees it) into the square 0..side.
using CellPainter = void (*)(cairo_t* cr, double side);

// The painted cell, mirrored about its anti-diagonal: the board draws a cell quad with texture
// coordinates (1,1) at its top-left, (1,0) top-right, (0,0) bottom-right and (0,1) bottom-left.
Image cellTexture(CellPainter painter);

// Shared brushwork. Frames and grain repeat on opposite edges, so the wrap-around of linear
// filtering at the quad's edges shows nothing.
void fillVertical(cairo_t* cr, double side, Colour top, Colour bottom);
void frame(cairo_t* cr, double side, double width, Colour colour);  // inside the edges
void clueDiagonal(cairo_t* cr, double side, double width, Colour colour);  // top-left to bottom-right
// Tints the triangle above the diagonal (where the across sum sits).
void shadeAcrossTriangle(cairo_t* cr, double side, Colour colour);
// Per-pixel brightness noise, +-amount, mixed from fine grain and soft blotches.
void grain(cairo_t* cr, double side, double amount, uint32_t seed);
// Parallel strokes from bottom-left to top-right, `spacing` apart (spacing should divide side).
void hatch(cairo_t* cr, double side, double spacing, double width, Colour colour);

}  // namespace assetgen
