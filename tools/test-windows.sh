#!/usr/bin/env bash
# The native Windows build under Wine: cross-compiles tallix.exe and the Windows tests
# (tests/windows/CMakeLists.txt) with mingw-w64 into build-win, then, inside its own Xvfb, runs
# the tests and plays: the menu, Play, the first level, one digit, Esc; Alt+F4; full screen on a
# screen without that mode. It checks the screenshots (not blank) and the files the game leaves.
#
# Needs the host build's game folder (build/game, with Data/Icon.bmp for the window icon) and the
# Debian packages g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest wine wine64 xvfb
# xauth xdotool imagemagick; installs nothing. Environment: TALLIX_GAME_DIR, TALLIX_WIN_BUILD (the
# build folder), TALLIX_ARTIFACTS (screenshots and logs), TALLIX_WIN_SECONDS (the caller's bound
# on the whole script, 420 as in ./test). Every step runs under timeout -s KILL and ends inside that
# bound; no Wine process of the script's own prefix outlives it.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WIN_BUILD=${TALLIX_WIN_BUILD:-$ROOT_DIR/build-win}
export TALLIX_GAME_DIR=${TALLIX_GAME_DIR:-$ROOT_DIR/build/game}
export TALLIX_ARTIFACTS=${TALLIX_ARTIFACTS:-$WIN_BUILD/smoke-artifacts}
# fail, new_workdir, wait_window, wait_exit, press_key, screenshot, click_view, ini_get, section_keys
source "$ROOT_DIR/tests/support/e2e.sh"
CROSS_CXX=x86_64-w64-mingw32-g++-posix
export TALLIX_DEADLINE=${TALLIX_DEADLINE:-$(( $(date +%s) + ${TALLIX_WIN_SECONDS:-420} - 15 ))}

note() { echo "windows: $*"; }

# limit SECONDS COMMAND...: the command under timeout -s KILL, for SECONDS or until the deadline
# (15 s before the caller's bound, left for the cleanup), whichever comes first.
limit() {
  local left=$(( TALLIX_DEADLINE - $(date +%s) )) bound=$1
  shift
  [ "$left" -gt 0 ] || fail "out of time before: $*"
  timeout -s KILL "$(( bound < left ? bound : left ))" "$@"
}

# ---- build (outside Xvfb) ------------------------------------------------------------------------

cross_build() {
  local tool generator=()
  for tool in "$CROSS_CXX" x86_64-w64-mingw32-windres cmake ninja wine wineserver wineboot \
              xvfb-run xdotool import identify; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages: see the header of $0)"
  done
  [ -f /usr/src/googletest/googletest/src/gtest-all.cc ] || fail "no GoogleTest source (package googletest)"
  [ -f "$TALLIX_GAME_DIR/Data/Icon.bmp" ] \
    || fail "no game folder at $TALLIX_GAME_DIR: build the game for this host first (./test or ./run)"
  [ -f "$WIN_BUILD/CMakeCache.txt" ] || generator=(-G Ninja)
  limit 120 cmake -S "$ROOT_DIR" -B "$WIN_BUILD" "${generator[@]}" >/dev/null \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DTALLIX_ICON_BMP="$TALLIX_GAME_DIR/Data/Icon.bmp"
  limit 400 cmake --build "$WIN_BUILD" -j "$(nproc)"
  [ -f "$WIN_BUILD/tests/CMakeCache.txt" ] && generator=() || generator=(-G Ninja)
  limit 120 cmake -S "$ROOT_DIR/tests/windows" -B "$WIN_BUILD/tests" "${generator[@]}" >/dev/null \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_CXX_COMPILER="$CROSS_CXX" \
    -DTALLIX_CORE="$WIN_BUILD/libtallix_core.a"
  limit 400 cmake --build "$WIN_BUILD/tests" -j "$(nproc)"
}

# ---- Wine (inside Xvfb) --------------------------------------------------------------------------

# wineserver -k ends the prefix's processes; any Wine process still running with this prefix (a
# Wine binary whose environment names it) is killed by its id.
stop_wine_processes() {
  local environ pid exe
  timeout -s KILL 5 wineserver -k >/dev/null 2>&1 || true
  timeout -s KILL 5 wineserver -w >/dev/null 2>&1 || true
  for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    exe=$(readlink "/proc/$pid/exe" 2>/dev/null) || continue
    case $exe in */lib/wine/*) ;; *) continue ;; esac
    if grep -qszx "WINEPREFIX=$WINEPREFIX" "$environ" 2>/dev/null; then
      kill -KILL "$pid" 2>/dev/null || true
    fi
  done
}

# A fresh working directory (new_workdir) with the Windows game in it, as $dir; removed at the end.
WORKDIRS=()
windows_workdir() {
  dir=$(new_workdir)
  WORKDIRS+=("$dir")
  cp "$WIN_BUILD/tallix.exe" "$dir/"
}

# start_game: runs the game in $dir in the background; its exit code lands in $dir/.exitcode.
start_game() {
  rm -f "$dir/.exitcode"
  ( cd "$dir" && set +e; limit 90 wine tallix.exe >"$dir/.stdout" 2>&1; echo $? >"$dir/.exitcode" ) &
}

# A screenshot that shows the game: every screen has the shaded backdrop with its thousands of
# colours; a black window with only the frame counter has a few dozen.
game_shown() {
  local colours
  limit 20 import -window "$wid" "$ARTIFACTS/$1.png" || fail "no screenshot $1"
  colours=$(limit 20 identify -format '%k' "$ARTIFACTS/$1.png")
  [ "$colours" -gt 500 ] || fail "screenshot $1 shows next to nothing ($colours colours)"
}

# ended_by WHAT [KEYS]: the game ended with exit code 1, leaving the two "System" keys it writes
# back (besides the sorted KEYS given it) and no temporary files.
ended_by() {
  local code keys ini=$dir/Settings.ini expected=${2:-ShowFPS WaitForVSynch}
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after $1 is $code, not 1"
  [ -f "$ini" ] || fail "no Settings.ini after $1"
  [ "$(ini_get "$ini" System WaitForVSynch)" = 0 ] || fail "WaitForVSynch is not 0"
  [ "$(ini_get "$ini" System ShowFPS)" = 1 ] || fail "ShowFPS is not 1"
  keys=$(section_keys "$ini" System | sort | tr '\n' ' ')
  [ "$keys" = "$expected " ] || fail "System holds [$keys], not [$expected ]"
  [ -z "$(find "$dir" -name '*.tmp' -print -quit)" ] || fail "temporary files were left in $dir"
}

# first_playable_cell FILE: "x y" in view units of the centre of the first playable cell, column
# by column, of the level as played (zoom 1, cells 0.05 wide, board centred at (0.5, 0.37)), below
# the panel along the top.
first_playable_cell() {
  od -An -v -tu1 "$1" | tr -s ' \n' '\n\n' | grep -v '^$' | awk '
    { b[NR - 1] = $1 }
    END {
      w = b[6]; h = b[7]; at = 8; s = 0.05
      for (x = 0; x < w; x++) for (y = 0; y < h; y++) {
        kind = b[at++]
        if (kind == 0) at += 2; else if (kind == 3) at += 1
        cx = 0.5 - w * s / 2 + (x + 0.5) * s; cy = 0.37 + h * s / 2 - (y + 0.5) * s
        if (kind == 1 && cy < 0.62) { printf "%.4f %.4f\n", cx, cy; exit }
      }
    }'
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

# The menu, Play, the first level card, one digit from the ring, then Esc while playing: the game
# is saved and ends.
smoke_play() {
  local level cx cy
  windows_workdir
  level=$( (ls -1 "$dir/Data/Levels" | grep -i '\.grd$' | LC_ALL=C sort | head -n 1) || true)
  [ -n "$level" ] || fail "no levels in $TALLIX_GAME_DIR/Data/Levels"
  read -r cx cy <<<"$(first_playable_cell "$dir/Data/Levels/$level")"
  [ -n "$cy" ] || fail "$level has no playable cell below the panel"
  start_game
  wid=$(wait_window)
  sleep 2
  game_shown main-menu
  click_view 0.115 0.5875  # "Play"
  sleep 1
  game_shown level-page
  click_view 0.226 0.509  # the first level card
  sleep 1
  click_view "$cx" "$cy"  # opens the ring of digits around the point
  sleep 0.6
  # Digit 1 sits on the ring at 20 degrees clockwise from the top, 0.05 from the centre.
  click_view "$(awk -v c="$cx" 'BEGIN { print c + 0.05 * sin(20 * atan2(0, -1) / 180) }')" \
             "$(awk -v c="$cy" 'BEGIN { print c + 0.05 * cos(20 * atan2(0, -1) / 180) }')"
  sleep 0.5
  game_shown board-with-digit
  press_key "$wid" Escape
  ended_by "Esc while playing"
  [ -f "$dir/Data/Levels/${level%.*}.gsv" ] || fail "no saved game Data/Levels/${level%.*}.gsv after Esc"
  note "menu, Play, ${level%.*}, a digit and the saved game: passed"
}

# Alt+F4 is a system key: the system turns it into a close request, which ends the game through
# the same teardown as Esc.
smoke_close() {
  windows_workdir
  start_game
  wid=$(wait_window)
  sleep 1
  press_key "$wid" alt+F4
  ended_by Alt+F4
  note "Alt+F4: passed"
}

# Full screen at a size the screen does not offer (Xvfb has only its 800 x 600 mode): the game
# still runs, in a pop-up window at the screen's corner, and leaves those settings as they were.
smoke_full_screen() {
  local settings=$'[System]\r\nFullScreen=1\r\nWidth=640\r\nHeight=480\r\n'
  windows_workdir
  printf '%s' "$settings" >"$dir/Settings.ini"
  start_game
  wid=$(wait_window)
  sleep 1
  limit 10 xwininfo -id "$wid" | grep -q 'Absolute upper-left X: *0$' \
    || fail "the full-screen window is not at the screen's left edge"
  game_shown full-screen
  press_key "$wid" Escape
  ended_by "Esc in full screen" "FullScreen Height ShowFPS WaitForVSynch Width"
  head -c "${#settings}" "$dir/Settings.ini" | cmp -s - <(printf '%s' "$settings") \
    || fail "the full-screen settings were rewritten"
  note "full screen on a screen without that mode: passed"
}

inside_xvfb() {
  local started=$SECONDS
  trap 'stop_wine_processes; rm -rf "${WORKDIRS[@]}"' EXIT  # before Xvfb goes away
  limit 150 wineboot -i >"$ARTIFACTS/wineboot.log" 2>&1 || fail "wineboot did not finish"
  note "fresh Wine prefix in $((SECONDS - started)) s"
  run_tests
  smoke_play
  smoke_close
  smoke_full_screen
  note "Wine part took $((SECONDS - started)) s"
}

main() {
  if [ "${1:-}" = --inside-xvfb ]; then
    inside_xvfb
    return 0
  fi
  cross_build
  note "cross build took $SECONDS s"
  # The prefix is fresh for every run; this process makes it and cleans up after the run inside
  # Xvfb, however that run ends.
  WORK=$(mktemp -d /tmp/tallix-win.XXXXXX)
  export WINEPREFIX=$WORK/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'stop_wine_processes; rm -rf "$WORK"' EXIT
  limit 400 xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside-xvfb
  note "all checks passed in $SECONDS s"
}

main "$@"
