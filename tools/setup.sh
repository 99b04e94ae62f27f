#!/usr/bin/env bash
# Shared set-up of ./run and ./test: the Debian packages, then configure and build into build/.
# Sourced, not run, with one argument: "play" (the game and its tools only) or "test" (also every
# test suite and what they need). It leaves BUILD_DIR and GAME_DIR set for the caller.
set -euo pipefail

# Building and playing.
PACKAGES=(
  cmake ninja-build g++ pkg-config
  libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libcairo2-dev fonts-dejavu-core
)
# Testing: GoogleTest and Benchmark, the offscreen and X11 drivers, the sanitizer and fuzz
# compiler, the Windows cross-build and Wine.
TEST_PACKAGES=(
  libegl-mesa0 libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
  xvfb xauth xdotool x11-utils imagemagick desktop-file-utils appstream dpkg-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64
)

missing_packages() {
  local p
  for p in "${PACKAGES[@]}"; do
    [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" == *"install ok installed"* ]] || echo "$p"
  done
}

install_packages() {
  local missing
  missing=$(missing_packages | tr '\n' ' ')
  [ -z "${missing// /}" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages. Run this once, then try again:"
    echo "  sudo apt-get update && sudo apt-get install -y $missing"
    exit 1
  fi
  echo "Installing Debian packages: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  # shellcheck disable=SC2086
  apt-get install -y -qq $missing >/dev/null
}

build_game() {
  BUILD_DIR="$ROOT_DIR/build"
  GAME_DIR="$BUILD_DIR/game"
  local generator=()
  [ -f "$BUILD_DIR/CMakeCache.txt" ] || generator=(-G Ninja)
  cmake -S "$ROOT_DIR" -B "$BUILD_DIR" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING="$BUILD_TESTS" >/dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)"
}

ROOT_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
case "${1:-}" in
  play) BUILD_TESTS=OFF ;;
  test) BUILD_TESTS=ON; PACKAGES+=("${TEST_PACKAGES[@]}") ;;
  *) echo "usage: source tools/setup.sh play|test" >&2; exit 2 ;;
esac
install_packages
build_game
