// The arithmetic of board drawing, kept apart from GL: number digits, candidate-mark places,
// earned medals, the best-time caption and the miniature's cell edge.
#pragma once

#include <cstdint>

// The decimal digits of a number, most significant first; returns their count (at most 10), 0 for
// a negative number, which no digit font can show.
int decimalDigits(int32_t number, int (&digits)[10]);

// Where candidate mark k (1 to 9) of a playable cell is drawn: the keypad's row of thirds from the
// top and column of thirds from the left, at x0 + 0.125·s + column·s/3 and, as the bottom of the
// glyph, top − glyphHeight·markSize − row·s/3.
struct MarkPlace {
    float x;  // centre of the mark
    float y;  // bottom of the glyph
};
MarkPlace markPlace(int mark, float cellLeft, float cellTop, float cellEdge, float glyphHeight, float markSize);

// How many medal icons a best time earns: bronze, then silver, then gold, each also needing the one
// before it; 0 without a best time (0 or, from a damaged records file, negative).
int earnedMedals(int32_t userBest, int32_t gold, int32_t silver, int32_t bronze);

// The best time as the card shows it: "--//--" without one (0 or negative), else minutes and seconds. Writes into
// `text` (room for any int32 number of seconds) and returns it, so drawing allocates nothing.
const char* bestTimeText(int32_t userBest, char (&text)[24]);

// The cell edge of a miniature whose longer side is 0.2 view units; 0 for a board without cells
// (no columns or no rows), which has no miniature.
float miniatureSide(int32_t width, int32_t height);
