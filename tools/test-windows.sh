#!/usr/bin/env bash
# The native Windows build: cross-compiles tallix.exe with mingw-w64 into build-win, then, under
# Wine inside its own Xvfb, runs the Windows backend's tests (tests/windows) and drives the game
# like a player: the main menu, Play, the first level, one digit, Esc. It checks what a player
# sees (a screenshot that is not blank) and the files the game leaves (Settings.ini with the
# "System" keys, the saved game of the level).
#
# Needs the host build's game folder (build/game, assembled by ./test or ./run: the Data folder
# with the art and the levels, and Data/Icon.bmp for the window icon) and the Debian packages
# g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine64 xvfb xauth xdotool imagemagick.
# Installs nothing. Environment: TALLIX_GAME_DIR (the game folder), TALLIX_WIN_BUILD (the build
# folder), TALLIX_ARTIFACTS (screenshots and logs are kept there).
#
# Every step runs under timeout -s KILL, and no Wine process of the test's own prefix outlives it.
set -euo pipefail

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$ROOT_DIR/tests/e2e/ini.sh"
WIN_BUILD=${TALLIX_WIN_BUILD:-$ROOT_DIR/build-win}
GAME_DIR=${TALLIX_GAME_DIR:-$ROOT_DIR/build/game}
ARTIFACTS=${TALLIX_ARTIFACTS:-$WIN_BUILD/smoke-artifacts}
TITLE="Tallix Free v1.0"
CROSS_CXX=x86_64-w64-mingw32-g++-posix
WIN_LIBS=(-lopengl32 -lglu32 -lwinmm -lshell32 -lgdi32 -luser32
          -static -static-libgcc -static-libstdc++)

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "windows: $*"; }
seconds_since() { echo $(( $(date +%s) - $1 )); }

# ---- build (outside Xvfb) ------------------------------------------------------------------------

check_tools() {
  local tool
  for tool in "$CROSS_CXX" x86_64-w64-mingw32-windres cmake ninja wine wineserver wineboot \
              xvfb-run xdotool import identify; do
    command -v "$tool" >/dev/null || fail "$tool is missing (packages: see the header of $0)"
  done
  [ -f "$GAME_DIR/Data/Icon.bmp" ] \
    || fail "no game folder at $GAME_DIR: build the game for this host first (./test or ./run)"
}

cross_build() {
  local generator=()
  [ -f "$WIN_BUILD/CMakeCache.txt" ] || generator=(-G Ninja)
  timeout -s KILL 120 cmake -S "$ROOT_DIR" -B "$WIN_BUILD" "${generator[@]}" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT_DIR/cmake/mingw-w64-x86_64.cmake" \
    -DTALLIX_ICON_BMP="$GAME_DIR/Data/Icon.bmp" >/dev/null
  timeout -s KILL 900 cmake --build "$WIN_BUILD" -j "$(nproc)"
}

# The backend's tests link the cross-built library; the cross build itself builds no tests.
build_backend_tests() {
  local exe=$WIN_BUILD/windows_tests.exe
  local newer
  newer=$(find "$ROOT_DIR/tests/windows" "$ROOT_DIR/tools/win32" "$WIN_BUILD/libtallix_core.a" \
            -newer "$exe" -print -quit 2>/dev/null || true)
  [ -f "$exe" ] && [ -z "$newer" ] && return 0
  timeout -s KILL 300 "$CROSS_CXX" -std=c++17 -O1 -Wall -Wextra -I "$ROOT_DIR" \
    "$ROOT_DIR"/tests/windows/*.cpp "$ROOT_DIR/tools/win32/IconFile.cpp" \
    "$WIN_BUILD/libtallix_core.a" "${WIN_LIBS[@]}" -o "$exe"
}

# ---- Wine (inside Xvfb) --------------------------------------------------------------------------

# wineserver -k ends the prefix's processes; any Wine process still running with this prefix (a
# Wine binary whose environment names it) is killed by its id.
stop_wine_processes() {
  local environ pid exe
  timeout -s KILL 30 wineserver -k >/dev/null 2>&1 || true
  timeout -s KILL 30 wineserver -w >/dev/null 2>&1 || true
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

stop_wine() {
  stop_wine_processes
  rm -rf "$WORK"
}

# The prefix is fresh for every run; the calling process makes it and cleans up after the run
# inside Xvfb, however that run ends.
prepare_wine() {
  WORK=$(mktemp -d /tmp/tallix-win.XXXXXX)
  export WORK WINEPREFIX=$WORK/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap stop_wine EXIT
}

boot_wine() {
  local started
  started=$(date +%s)
  timeout -s KILL 150 wineboot -i >"$ARTIFACTS/wineboot.log" 2>&1 || fail "wineboot did not finish"
  note "fresh Wine prefix in $(seconds_since "$started") s"
}

# A fresh working directory: the game folder's Data and the executable.
new_workdir() {
  local dir
  dir=$(mktemp -d "$WORK/run.XXXXXX")
  cp -r "$GAME_DIR/Data" "$dir/"
  # What a player of the build folder left there (saved games, best times) stays behind.
  rm -f "$dir"/Data/Levels/*.gsv
  [ -f "$ROOT_DIR/data/levels/Recs.ini" ] && cp "$ROOT_DIR/data/levels/Recs.ini" "$dir/Data/Levels/Recs.ini"
  cp "$WIN_BUILD/tallix.exe" "$dir/"
  echo "$dir"
}

run_backend_tests() {
  local dir
  dir=$(new_workdir)
  cp "$WIN_BUILD/windows_tests.exe" "$dir/"
  if ! (cd "$dir" && timeout -s KILL 120 wine windows_tests.exe tallix.exe Data) \
       >"$ARTIFACTS/backend-tests.log" 2>&1; then
    cat "$ARTIFACTS/backend-tests.log"
    fail "the Windows backend's tests failed"
  fi
  note "backend: $(tail -n 1 "$ARTIFACTS/backend-tests.log")"
}

# ---- driving the game ----------------------------------------------------------------------------

# start_game DIR: runs the game in DIR in the background; its exit code lands in DIR/.exitcode.
start_game() {
  local dir=$1
  rm -f "$dir/.exitcode"
  ( cd "$dir" && set +e; timeout -s KILL 90 wine tallix.exe >"$dir/.stdout" 2>&1; echo $? >"$dir/.exitcode" ) &
}

# The id of the game's window once it is mapped. Without a window manager Wine maps the client
# area alone, so positions inside this window are client pixels.
wait_window() {
  local id
  id=$(timeout -s KILL 60 xdotool search --sync --onlyvisible --name "^${TITLE}\$" | head -n 1) \
    || fail "the window \"$TITLE\" did not appear"
  echo "$id"
}

wait_exit() {
  local dir=$1 i
  for i in $(seq 1 300); do
    [ -s "$dir/.exitcode" ] && { cat "$dir/.exitcode"; return 0; }
    sleep 0.1
  done
  fail "the game did not end within 30 seconds"
}

# View units to client pixels of the 800 x 600 window: x across, y upwards from 0 to 0.75.
px() { awk -v x="$1" 'BEGIN { printf "%d", x * 800 + 0.5 }'; }
py() { awk -v y="$1" 'BEGIN { printf "%d", (0.75 - y) / 0.75 * 600 + 0.5 }'; }

# click ID X Y: a move there, a pause for the hover to register, a left click.
click() {
  timeout -s KILL 10 xdotool mousemove --window "$1" "$2" "$3" sleep 0.2 click 1
}

# Keys go where the pointer is (no window manager), so the pointer is put inside first.
press_key() {
  timeout -s KILL 10 xdotool mousemove --window "$1" 10 10 sleep 0.2 key "$2"
}

# screenshot ID NAME: the window's content. Every screen shows the shaded backdrop with its
# thousands of colours; a black window with only the frame counter has a few dozen.
screenshot() {
  local file=$ARTIFACTS/$2.png colours
  timeout -s KILL 20 import -window "$1" "$file" || fail "no screenshot $2"
  colours=$(timeout -s KILL 20 identify -format '%k' "$file")
  [ "$colours" -gt 500 ] || fail "screenshot $2 shows next to nothing ($colours colours)"
}

check_system_section() {
  local ini=$1/Settings.ini keys
  [ -f "$ini" ] || fail "no Settings.ini in $1"
  [ "$(ini_get "$ini" System WaitForVSynch)" = 0 ] || fail "WaitForVSynch is not 0"
  [ "$(ini_get "$ini" System ShowFPS)" = 1 ] || fail "ShowFPS is not 1"
  keys=$(section_keys "$ini" System | sort | tr '\n' ' ')
  [ "$keys" = "ShowFPS WaitForVSynch " ] || fail "System holds [$keys], not just ShowFPS and WaitForVSynch"
  [ -z "$(find "$1" -name '*.tmp' -print -quit)" ] || fail "temporary files were left in $1"
}

# The first level of the catalogue: names ending in .grd in any case, in plain code-unit order.
first_level() {
  (ls -1 "$1/Data/Levels" 2>/dev/null | grep -i '\.grd$' | LC_ALL=C sort | head -n 1) || true
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

# Defaults: no settings file; the menu shows; Esc ends the game with exit code 1 and the "System"
# section holds exactly the two keys written back.
smoke_menu() {
  local dir wid code
  dir=$(new_workdir)
  start_game "$dir"
  wid=$(wait_window)
  sleep 2
  screenshot "$wid" main-menu
  press_key "$wid" Escape
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after Esc is $code, not 1"
  check_system_section "$dir"
  note "menu, Esc and Settings.ini: passed"
}

# Alt+F4 is a system key: the system turns it into a close request, which ends the game through
# the same teardown as Esc.
smoke_close() {
  local dir wid code
  dir=$(new_workdir)
  start_game "$dir"
  wid=$(wait_window)
  sleep 1
  press_key "$wid" alt+F4
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after Alt+F4 is $code, not 1"
  check_system_section "$dir"
  note "Alt+F4 and Settings.ini: passed"
}

# Full screen at a size the screen does not offer (Xvfb has only its 800 x 600 mode): the game
# still runs, in a pop-up window at the screen's corner, and leaves those settings as they were.
smoke_full_screen() {
  local dir wid code settings
  dir=$(new_workdir)
  settings=$'[System]\r\nFullScreen=1\r\nWidth=640\r\nHeight=480\r\n'
  printf '%s' "$settings" >"$dir/Settings.ini"
  start_game "$dir"
  wid=$(wait_window)
  sleep 1
  timeout -s KILL 10 xwininfo -id "$wid" | grep -q 'Absolute upper-left X: *0$' \
    || fail "the full-screen window is not at the screen's left edge"
  screenshot "$wid" full-screen
  press_key "$wid" Escape
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code in full screen is $code, not 1"
  head -c "${#settings}" "$dir/Settings.ini" | cmp -s - <(printf '%s' "$settings") \
    || fail "the full-screen settings were rewritten"
  note "full screen on a screen without that mode: passed"
}

# Play, the first level card, one digit from the ring, then Esc while playing: the game is saved.
smoke_play() {
  local dir wid code level cell cx cy
  dir=$(new_workdir)
  level=$(first_level "$dir")
  start_game "$dir"
  wid=$(wait_window)
  sleep 1
  click "$wid" "$(( $(px 0.1) + 12 ))" "$(( $(py 0.6) + 10 ))"  # "Play", inside its label
  sleep 1
  screenshot "$wid" level-page
  if [ -z "$level" ]; then
    press_key "$wid" Escape
    code=$(wait_exit "$dir")
    [ "$code" = 1 ] || fail "exit code after Esc is $code, not 1"
    note "no levels in $GAME_DIR/Data/Levels: the level, digit and saved-game steps were skipped"
    return 0
  fi
  click "$wid" "$(px 0.226)" "$(py 0.509)"  # the first level card
  sleep 1
  cell=$(first_playable_cell "$dir/Data/Levels/$level")
  [ -n "$cell" ] || fail "$level has no playable cell below the panel"
  read -r cx cy <<<"$cell"
  click "$wid" "$(px "$cx")" "$(py "$cy")"  # opens the ring of digits around the point
  sleep 0.6
  # Digit 1 sits on the ring at 20 degrees clockwise from the top, 0.05 from the centre.
  click "$wid" "$(px "$(awk -v c="$cx" 'BEGIN { print c + 0.05 * sin(20 * atan2(0, -1) / 180) }')")" \
               "$(py "$(awk -v c="$cy" 'BEGIN { print c + 0.05 * cos(20 * atan2(0, -1) / 180) }')")"
  sleep 0.5
  screenshot "$wid" board-with-digit
  press_key "$wid" Escape
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after Esc while playing is $code, not 1"
  [ -f "$dir/Data/Levels/${level%.*}.gsv" ] || fail "no saved game Data/Levels/${level%.*}.gsv after Esc"
  check_system_section "$dir"
  note "Play, ${level%.*}, a digit and the saved game: passed"
}

inside_xvfb() {
  local started
  started=$(date +%s)
  trap stop_wine_processes EXIT  # before Xvfb goes away
  boot_wine
  run_backend_tests
  smoke_menu
  smoke_close
  smoke_full_screen
  smoke_play
  note "Wine part took $(seconds_since "$started") s"
}

main() {
  mkdir -p "$ARTIFACTS"
  if [ "${1:-}" = --inside-xvfb ]; then
    inside_xvfb
    return 0
  fi
  local started
  started=$(date +%s)
  check_tools
  cross_build
  build_backend_tests
  note "cross build took $(seconds_since "$started") s"
  prepare_wine
  timeout -s KILL 300 xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside-xvfb
  note "all checks passed in $(seconds_since "$started") s"
}

main "$@"
