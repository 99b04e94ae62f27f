#!/usr/bin/env bash
# The native Windows build under Wine: cross-compiles tallix.exe and windows_tests.exe into
# build-win and packs the Windows zip, then inside its own Xvfb runs the tests and plays the game
# unpacked from the zip: a digit typed into the first level and Esc; full screen on a screen
# without that mode, and Alt+F4. Needs the host build's game folder
# ($TALLIX_GAME_DIR) and g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest wine wine64
# xvfb xauth xdotool imagemagick. Every step runs under timeout -s KILL inside TALLIX_WIN_SECONDS
# (the caller's bound, 420 in ./test); no Wine process of the script's prefix outlives it.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WIN_BUILD=${TALLIX_WIN_BUILD:-$ROOT_DIR/build-win}
export TALLIX_GAME_DIR=${TALLIX_GAME_DIR:-$ROOT_DIR/build/game}
export TALLIX_ARTIFACTS=${TALLIX_ARTIFACTS:-$WIN_BUILD/smoke-artifacts}
source "$ROOT_DIR/tests/support/e2e.sh"
CROSS_CXX=x86_64-w64-mingw32-g++-posix
export TALLIX_DEADLINE=${TALLIX_DEADLINE:-$(( $(date +%s) + ${TALLIX_WIN_SECONDS:-420} - 15 ))}

note() { echo "windows: $*"; }

# limit SECONDS COMMAND...: under timeout -s KILL until SECONDS or the deadline, whichever is first.
limit() {
  local left=$(( TALLIX_DEADLINE - $(date +%s) )) bound=$1
  shift
  [ "$left" -gt 0 ] || fail "out of time before: $*"
  timeout -s KILL "$(( bound < left ? bound : left ))" "$@"
}

cross_build() {
  local tool
  for tool in "$CROSS_CXX" x86_64-w64-mingw32-windres cmake ninja wine wineserver wineboot \
              xvfb-run xdotool import identify; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages: see the header of $0)"
  done
  [ -f /usr/src/googletest/googletest/src/gtest-all.cc ] || fail "no GoogleTest source (package googletest)"
  [ -f "$TALLIX_GAME_DIR/Data/Icon.bmp" ] || fail "no game folder at $TALLIX_GAME_DIR: build the game first"
  limit 120 cmake -S "$ROOT_DIR" -B "$WIN_BUILD" -G Ninja >/dev/null \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT_DIR/cmake/mingw-w64-x86_64.cmake" -DTALLIX_ICON_BMP="$TALLIX_GAME_DIR/Data/Icon.bmp" \
    -DTALLIX_DATA_DIR="$TALLIX_GAME_DIR/Data"
  limit 400 cmake --build "$WIN_BUILD" -j "$(nproc)"
  (cd "$WIN_BUILD" && rm -f tallix-free-*-windows.zip && limit 60 cpack -G ZIP >/dev/null) || fail "cpack made no zip"
  limit 120 cmake -S "$ROOT_DIR/tests/windows" -B "$WIN_BUILD/tests" -G Ninja >/dev/null \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER="$CROSS_CXX" -DTALLIX_CORE="$WIN_BUILD/libtallix_core.a"
  limit 400 cmake --build "$WIN_BUILD/tests" -j "$(nproc)"
}

# wineserver -k ends the prefix's processes; a Wine process still running with this prefix in its
# environment is killed by its id.
stop_wine_processes() {
  local environ pid
  timeout -s KILL 5 wineserver -k >/dev/null 2>&1 || true
  timeout -s KILL 5 wineserver -w >/dev/null 2>&1 || true
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/} && pid=${pid%/environ}
    [[ $(readlink "/proc/$pid/exe" 2>/dev/null) == */lib/wine/* ]] || continue
    grep -qszx "WINEPREFIX=$WINEPREFIX" "$environ" 2>/dev/null && kill -KILL "$pid" 2>/dev/null || true
  done
}

# $dir: a fresh copy of the game unpacked from the zip, inside $WORK (removed with it).
windows_workdir() {
  dir=$(mktemp -d "$WORK/game.XXXXXX")
  cp -r "$TALLIX_WIN_GAME"/. "$dir/"
  [ -f "$dir/tallix.exe" ] && [ -f "$dir/ReadMe.txt" ] && [ -d "$dir/Data/Levels" ] || fail "the zip lacks the game, its read-me or its Data"
}

# start_game DIR (used by launch): the game in the background; its exit code lands in DIR/.exitcode.
start_game() {
  rm -f "$1/.exitcode"
  ( cd "$1" && set +e; limit 90 wine tallix.exe >.stdout 2>&1; echo $? >.exitcode ) &
}

# game_shown NAME: the screenshot has the backdrop's thousands of colours, not a black window.
game_shown() {
  local colours
  limit 20 import -window "$wid" "$ARTIFACTS/$1.png" || fail "no screenshot $1"
  colours=$(limit 20 identify -format '%k' "$ARTIFACTS/$1.png")
  [ "$colours" -gt 500 ] || fail "screenshot $1 shows next to nothing ($colours colours)"
}

# ended_by WHAT [KEYS]: exit code 1, the two "System" keys written back (besides the sorted KEYS
# given), no temporary files.
ended_by() {
  local code keys ini=$dir/Settings.ini expected=${2:-ShowFPS WaitForVSynch}
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after $1 is $code, not 1"
  [ "$(ini_get "$ini" System WaitForVSynch)/$(ini_get "$ini" System ShowFPS)" = 0/1 ] \
    || fail "WaitForVSynch and ShowFPS are not 0 and 1"
  keys=$(section_keys "$ini" System | sort | tr '\n' ' ')
  [ "$keys" = "$expected " ] || fail "System holds [$keys], not [$expected ]"
  [ -z "$(find "$dir" -name '*.tmp' -print -quit)" ] || fail "temporary files were left in $dir"
}

run_tests() {
  windows_workdir
  cp "$WIN_BUILD/tests/windows_tests.exe" "$dir/"
  if ! (cd "$dir" && limit 150 wine windows_tests.exe) >"$ARTIFACTS/windows-tests.log" 2>&1; then
    grep -v '^\[       OK \]\|^\[ RUN      \]' "$ARTIFACTS/windows-tests.log" | tail -n 60
    fail "the Windows tests failed (log: $ARTIFACTS/windows-tests.log)"
  fi
  note "tests: $(grep '^\[  PASSED  \]' "$ARTIFACTS/windows-tests.log")"
}

# The menu, Play, the first level; Home shows the keyboard cursor on the first playable cell and
# 7 enters there; Esc saves the game, whose first cell record (after the 18-byte header) holds it.
smoke_play() {
  local level saved
  windows_workdir
  level=$(level_file 1)
  [ -n "$level" ] || fail "no levels in $TALLIX_GAME_DIR/Data/Levels"
  launch && sleep 1
  game_shown main-menu
  click_play && sleep 0.7
  game_shown level-page
  open_slot 0 && sleep 0.7
  limit 20 xdotool mousemove --window "$wid" 10 10 sleep 0.1 key Home sleep 0.4 key 7 sleep 0.5
  game_shown board-with-digit
  press_key "$wid" Escape
  ended_by "Esc while playing"
  saved="$dir/Data/Levels/${level%.*}.gsv"
  [ -f "$saved" ] || fail "no saved game $saved after Esc"
  [ "$(od -An -tu4 -j18 -N4 "$saved" | tr -d ' ')" = 7 ] || fail "the typed 7 is not in the first cell of $saved"
  note "menu, Play, ${level%.*}, a typed digit and the saved game: passed"
}

# Full screen at a size Xvfb does not offer (only 800 x 600): the game runs in a pop-up window at
# the screen's corner and leaves those settings as they were. Alt+F4 is a system key: the system
# turns it into a close request, which ends the game through the same teardown as Esc.
smoke_full_screen_and_close() {
  local settings=$'[System]\r\nFullScreen=1\r\nWidth=640\r\nHeight=480\r\n'
  windows_workdir
  printf '%s' "$settings" >"$dir/Settings.ini"
  launch
  grep -q 'Absolute upper-left X: *0$' <<<"$(limit 10 xwininfo -id "$wid")" || fail "the full-screen window is not at the left edge"
  game_shown full-screen
  press_key "$wid" alt+F4
  ended_by "Alt+F4 in full screen" "FullScreen Height ShowFPS WaitForVSynch Width"
  head -c "${#settings}" "$dir/Settings.ini" | cmp -s - <(printf '%s' "$settings") || fail "the full-screen settings were rewritten"
  note "full screen on a screen without that mode, and Alt+F4: passed"
}

inside_xvfb() {
  trap stop_wine_processes EXIT  # before Xvfb goes away
  mkdir -p "$ARTIFACTS"
  limit 150 wineboot -i >"$ARTIFACTS/wineboot.log" 2>&1 || fail "wineboot did not finish"
  run_tests
  smoke_play
  smoke_full_screen_and_close
  note "Wine part took $SECONDS s"
}

if [ "${1:-}" = --inside-xvfb ]; then
  inside_xvfb
  exit 0
fi
cross_build
note "cross build took $SECONDS s"
# A fresh prefix for every run, made here and cleaned up however the run inside Xvfb ends.
WORK=$(mktemp -d /tmp/tallix-win.XXXXXX)
export WORK WINEPREFIX=$WORK/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'stop_wine_processes; rm -rf "$WORK"' EXIT
mkdir -p "$WORK/zip"
(cd "$WORK/zip" && cmake -E tar xf "$(echo "$WIN_BUILD"/tallix-free-*-windows.zip)") || fail "cannot unpack the zip"
export TALLIX_WIN_GAME=$(echo "$WORK"/zip/tallix-free-*-windows)
limit 400 xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside-xvfb
note "all checks passed in $SECONDS s"
