# Helpers shared by the end-to-end scripts. Each script runs inside its own Xvfb (see
# tests/CMakeLists.txt) and drives the built game in a fresh working directory.
set -euo pipefail

TITLE="Tallix Free v1.0"
ARTIFACTS="${TALLIX_ARTIFACTS:-/tmp/tallix-e2e}"
mkdir -p "$ARTIFACTS"

fail() { echo "FAIL: $*" >&2; exit 1; }

SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$SOURCE_DIR/tests/e2e/ini.sh"

# A fresh working directory holding the game's Data as shipped: what a player of the build folder
# left there (Settings.ini, best times, saved games) stays behind.
new_workdir() {
  local dir
  dir=$(mktemp -d /tmp/tallix-e2e.XXXXXX)
  cp -r "$TALLIX_GAME_DIR/Data" "$dir/" 2>/dev/null || true
  rm -f "$dir"/Data/Levels/*.gsv
  [ -f "$SOURCE_DIR/data/levels/Recs.ini" ] && cp "$SOURCE_DIR/data/levels/Recs.ini" "$dir/Data/Levels/Recs.ini"
  echo "$dir"
}

# start_game DIR: runs the game in DIR in the background; its exit code lands in DIR/.exitcode.
start_game() {
  local dir=$1
  rm -f "$dir/.exitcode"
  ( cd "$dir" && set +e; timeout -s KILL 90 "$TALLIX_EXE" >"$dir/.stdout" 2>&1; echo $? >"$dir/.exitcode" ) &
}

# wait_window: prints the id of the game's window once it is mapped.
wait_window() {
  local id
  id=$(timeout 30 xdotool search --sync --onlyvisible --name "^${TITLE}\$" | head -n 1) \
    || fail "the window \"$TITLE\" did not appear"
  echo "$id"
}

# wait_exit DIR: waits for the game to end and prints its exit code.
wait_exit() {
  local dir=$1 i
  for i in $(seq 1 200); do
    [ -s "$dir/.exitcode" ] && { cat "$dir/.exitcode"; return 0; }
    sleep 0.1
  done
  fail "the game did not end within 20 seconds"
}

# client_size ID: prints WIDTHxHEIGHT of the window's client area.
client_size() {
  xwininfo -id "$1" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'
}

# press_key ID KEY: a real key press through XTEST. Xvfb runs without a window manager, so the
# keyboard focus follows the pointer: the pointer is moved into the window first. (Sending the key
# to the window directly races the game: after Esc the release would reach a destroyed window.)
press_key() {
  xdotool mousemove --window "$1" 10 10 sleep 0.1 key "$2"
}

screenshot() { import -window root "$ARTIFACTS/$1.png"; }

# ---- the view -----------------------------------------------------------------------------------
# These use $wid (the game's window) and $dir (its working directory) of the calling script.

# view_px X Y: the client pixel of view point (X, Y) (x 0..1 left to right, y 0..0.75 bottom to top).
view_px() { awk -v x="$1" -v y="$2" 'BEGIN { printf "%d %d\n", x * 800, (0.75 - y) / 0.75 * 600 }'; }

# click_view X Y [BUTTON]: moves there in two steps (so the game sees the pointer arrive), clicks.
click_view() {
  local p
  p=($(view_px "$1" "$2"))
  xdotool mousemove --window "$wid" $((p[0] - 2)) $((p[1] - 2)) sleep 0.05 \
          mousemove --window "$wid" "${p[0]}" "${p[1]}" sleep 0.1 click "${3:-1}" sleep 0.15
}

move_view() {
  local p
  p=($(view_px "$1" "$2"))
  xdotool mousemove --window "$wid" "${p[0]}" "${p[1]}" sleep 0.1
}

# region FILE LEFT TOP RIGHT BOTTOM OUT: the crop of a view rectangle, written to OUT.
region() {
  local a b
  a=($(view_px "$2" "$3"))
  b=($(view_px "$4" "$5"))
  convert "$1" -crop "$((b[0] - a[0]))x$((b[1] - a[1]))+${a[0]}+${a[1]}" +repage "$6"
}

# differs FILE1 FILE2 LEFT TOP RIGHT BOTTOM: true when the two screenshots differ in the rectangle.
differs() {
  local n
  region "$1" "$3" "$4" "$5" "$6" "$dir/.crop1.png"
  region "$2" "$3" "$4" "$5" "$6" "$dir/.crop2.png"
  n=$(compare -metric AE "$dir/.crop1.png" "$dir/.crop2.png" null: 2>&1 || true)
  [[ "$n" =~ ^[0-9.e+]+$ ]] || fail "cannot compare screenshots: $n"
  [ "$n" != 0 ]
}

shot() { screenshot "$1"; echo "$ARTIFACTS/$1.png"; }

settings_file() {
  local f
  for f in "$1/Settings.ini" "$1/settings.ini"; do [ -f "$f" ] && { echo "$f"; return 0; }; done
  fail "no Settings.ini in $1"
}
