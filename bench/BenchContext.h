// One real window and GL context for the benchmarks that draw, opened through the platform layer
// with the state the game sets up (blending, texturing, the 1 x 0.75 view).
#pragma once

namespace bench {

bool openContext();    // false when no display is available (the figure is then skipped)
void beginFrame();     // clear, projection, identity model-view
void endFrame();       // swap the buffers
void closeContext();

}  // namespace bench
