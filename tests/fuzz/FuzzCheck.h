// What every fuzz target does when an invariant breaks: say which, and abort, so that libFuzzer
// keeps the input and a replay test fails.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void require(bool condition, const char* what) {
    if (!condition) std::fprintf(stderr, "fuzz check failed: %s\n", what), std::abort();
}
