// One real window and GL context for the benchmarks that draw, opened through the platform layer
// with the state the game sets up (blending, texturing, the 1 x 0.75 view).
#pragma once

#include <benchmark/benchmark.h>

namespace bench {

bool openContext(benchmark::State& state);  // false, and the figure skipped, without a display
void beginFrame();     // clear, projection, identity model-view
void endFrame();       // swap the buffers
void closeContext();

}  // namespace bench
