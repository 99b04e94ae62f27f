#!/usr/bin/env bash
# Builds the unit tests, the fuzz-corpus replays and the render tests with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs every test but the end-to-end ones; any
# report fails the run. Only those targets are built, at -Og: as quick to build as -O0, smaller
# objects, and file and line in every report.
#
# Leak detection stays on everywhere. Mesa unloads its driver when the last GL context goes, and
# memory that only the unloaded driver still pointed at then looks leaked; the GL tests therefore
# run with Mesa's EGL vendor library and software driver preloaded, which keeps them resident to
# the end. Only where those libraries cannot be found does leak detection go off, for the GL tests.
set -euo pipefail

ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="$ROOT_DIR/build-asan"
START=$(date +%s)
SANITIZE="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all"
FLAGS="$SANITIZE -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS"
generator=()
[ -f "$BUILD_DIR/CMakeCache.txt" ] || generator=(-G Ninja)
cmake -S "$ROOT_DIR" -B "$BUILD_DIR" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_FLAGS="$FLAGS" -DCMAKE_CXX_FLAGS="$FLAGS" \
  -DCMAKE_C_FLAGS_RELWITHDEBINFO="-Og -g1" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-Og -g1" \
  -DCMAKE_EXE_LINKER_FLAGS="$SANITIZE" -DCMAKE_SHARED_LINKER_FLAGS="$SANITIZE" >/dev/null

# Every unit_<suite> (unit_levels and unit_assets_tool among them), replay_<reader> and
# render_tests target, and the game folder the tests read: its levels, and its images drawn by the
# art tool, which runs sanitized as well. A test whose target is missing here fails as not built.
mapfile -t TARGETS < <(echo game_levels; cmake --build "$BUILD_DIR" --target help |
  sed -n 's/^\(unit_[A-Za-z0-9_]*\|replay_[A-Za-z0-9_]*\|render_tests\|game_data\):.*/\1/p' | sort -u)
cmake --build "$BUILD_DIR" -j "$(nproc)" --target "${TARGETS[@]}"
BUILT=$(date +%s)
# The art tool's determinism run repeats, twice, the run game_data has just made sanitized.
NOT_HERE='^e2e\.|^assets\.Assetgen\.'
GL_TESTS='^render\.|\.SdlBackend\.'  # everything that makes a context through SDL

# halt_on_error: the first report ends the test with a failure and a stack.
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:halt_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
CTEST=(ctest --test-dir "$BUILD_DIR" --output-on-failure -j "$(nproc)" --timeout 300)
status=0
"${CTEST[@]}" -E "$NOT_HERE|$GL_TESTS" || status=1
LIB_DIR="/usr/lib/$(gcc -print-multiarch 2>/dev/null || echo x86_64-linux-gnu)"
MESA=("$LIB_DIR/dri/swrast_dri.so" "$LIB_DIR/libEGL_mesa.so.0")
if [ -f "${MESA[0]}" ] && [ -f "${MESA[1]}" ]; then
  LD_PRELOAD="${MESA[*]}" ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0" \
    "${CTEST[@]}" -R "$GL_TESTS" -E "$NOT_HERE" || status=1
else
  echo "Mesa's libraries were not found: the GL tests run without leak detection."
  ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0" "${CTEST[@]}" -R "$GL_TESTS" -E "$NOT_HERE" || status=1
fi
END=$(date +%s)
echo "Sanitized build and tests: $((END - START)) s (build $((BUILT - START)) s, tests $((END - BUILT)) s)"
exit $status
