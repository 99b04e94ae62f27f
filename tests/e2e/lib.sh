# Helpers shared by the end-to-end scripts. Each script runs inside its own Xvfb (see
# tests/CMakeLists.txt) and drives the built game in a fresh working directory.
set -euo pipefail

TITLE="Tallix Free v1.0"
ARTIFACTS="${TALLIX_ARTIFACTS:-/tmp/tallix-e2e}"
mkdir -p "$ARTIFACTS"

fail() { echo "FAIL: $*" >&2; exit 1; }

# A fresh working directory holding a copy of the assembled game folder.
new_workdir() {
  local dir
  dir=$(mktemp -d /tmp/tallix-e2e.XXXXXX)
  cp -r "$TALLIX_GAME_DIR"/. "$dir"/ 2>/dev/null || true
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

# ini_get FILE SECTION KEY: the value of KEY in SECTION (case-insensitive names), empty if absent.
ini_get() {
  tr -d '\r' <"$1" | awk -v s="$2" -v k="$3" '
    /^\[/ { sec = tolower($0); gsub(/^\[[ \t]*|[ \t]*\][ \t]*$/, "", sec); next }
    sec == tolower(s) && index($0, "=") {
      key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (tolower(key) == tolower(k)) { v = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
    }'
}

# section_keys FILE SECTION: the keys of SECTION, one a line, in file order.
section_keys() {
  tr -d '\r' <"$1" | awk -v s="$2" '
    /^\[/ { sec = tolower($0); gsub(/^\[[ \t]*|[ \t]*\][ \t]*$/, "", sec); next }
    sec == tolower(s) && index($0, "=") { key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key); print key }'
}

# press_key ID KEY: a real key press through XTEST. Xvfb runs without a window manager, so the
# keyboard focus follows the pointer: the pointer is moved into the window first. (Sending the key
# to the window directly races the game: after Esc the release would reach a destroyed window.)
press_key() {
  xdotool mousemove --window "$1" 10 10 sleep 0.1 key "$2"
}

screenshot() { import -window root "$ARTIFACTS/$1.png"; }

settings_file() {
  local f
  for f in "$1/Settings.ini" "$1/settings.ini"; do [ -f "$f" ] && { echo "$f"; return 0; }; done
  fail "no Settings.ini in $1"
}
