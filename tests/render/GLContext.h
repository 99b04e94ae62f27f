// The render tests' GL context: a real one through the platform layer, on SDL's offscreen driver
// (EGL pbuffer, llvmpipe, single-buffered), and pixel probes read back before any swap.
//
// Derive a fixture from GLContextTest. The first test of the process opens an 800 x 600 hidden
// window with its context; every test then starts from the game's initial GL state (a black frame,
// white colour, identity model-view matrix) in its own empty folder, its working directory and
// baseDirectory. A test fails (never skips) when the context cannot be had or the driver is not
// the offscreen one, so a silent fallback cannot pass.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gfx/TextureCache.h"
#include "puzzle/Tallix.h"
#include "tests/support/DdsWriter.h"

namespace render {

constexpr int frameWidth = 800, frameHeight = 600;

class GLContextTest : public testing::Test {
protected:
    void SetUp() override;
    void useBuiltGameFolder();  // as working directory and baseDirectory; fails the test when missing

    std::filesystem::path folder;  // this test's working directory
    CTextureCache cache;
};

struct Pixel { int r = 0, g = 0, b = 0; };

// The frame read back: RGBA rows from the bottom, `rows` of them from row `first`; all by default.
using Frame = std::vector<uint8_t>;
Frame readFrame(int first = 0, int rows = frameHeight);

// Frame pixel (x, y), y counted upwards from the bottom row as GL does.
Pixel readPixel(int x, int y);
int pixelColumn(float viewX);  // the column whose pixels cover view x
int pixelRow(float viewY);

// Channels within `tolerance` levels of the expected ones.
testing::AssertionResult colourNear(const Pixel& actual, int r, int g, int b, int tolerance = 3);
// The same for the frame pixel under view point (x, y): x 0 (left) to 1 (right), y 0 (bottom) to
// 0.75 (top).
testing::AssertionResult shows(float x, float y, int r, int g, int b, int tolerance = 3);

// First and last column of row y brighter than half grey in any channel; -1, -1 for a dark row.
struct Span { int first = -1, last = -1; };
Span litSpan(int y);

// A quad of the bound texture, its t = 0 edge at the top: (left, top) to (left + width, top - height).
void drawTexturedQuad(uint32_t texture, float left, float top, float width, float height);

// A 16 x 16 image of one colour.
void writeSolid(const std::filesystem::path& path, testsupport::Bgra colour);

}  // namespace render
