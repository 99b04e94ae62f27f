# The helpers of the end-to-end scripts (and of the Windows smoke test). Each script runs inside its
# own Xvfb (tests/CMakeLists.txt) and drives the built game in a fresh working directory. Sourcing
# this file only defines variables and functions.
# Sections: INI files | the game folder | running the game | pointer and screenshots | the board
set -euo pipefail

TITLE="Tallix Free v1.0"
ARTIFACTS="${TALLIX_ARTIFACTS:-/tmp/tallix-e2e}"
SOURCE_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
LEVELS_TOOL="$(dirname "${TALLIX_EXE:-.}")/tools/levels/tallix-levels"
GAME_TIMEOUT=100  # seconds for one run of the game; ctest gives the whole script 170

fail() { echo "FAIL: $*" >&2; exit 1; }
calc() { awk "BEGIN { print $* }"; }  # calc EXPRESSION: its value

# ini_get FILE SECTION [KEY]: the value of KEY in SECTION (empty if absent); without KEY, the keys
# of SECTION one a line. Section and key names match without regard to case, as in the game.
ini_get() {
  awk -v s="$2" -v k="${3:-}" '
    { sub(/\r$/, "") }
    /^\[/ { sec = tolower($0); gsub(/^\[[ \t]*|[ \t]*\][ \t]*$/, "", sec); next }
    sec == tolower(s) && index($0, "=") {
      key = substr($0, 1, index($0, "=") - 1); gsub(/^[ \t]+|[ \t]+$/, "", key)
      if (k == "") print key
      else if (tolower(key) == tolower(k)) { v = substr($0, index($0, "=") + 1); gsub(/^[ \t]+|[ \t]+$/, "", v); print v; exit }
    }' "$1"
}
section_keys() { ini_get "$1" "$2"; }

# ---- the game folder ----------------------------------------------------------------------------

# new_workdir: a fresh working directory holding the game's Data as shipped, without what a player
# of the build folder left there (settings, best times, saved games).
new_workdir() {
  local d
  [ -d "${TALLIX_GAME_DIR:-}/Data" ] || fail "no Data folder in TALLIX_GAME_DIR ($TALLIX_GAME_DIR): build the game first"
  d=$(mktemp -d /tmp/tallix-e2e.XXXXXX)
  cp -r "$TALLIX_GAME_DIR/Data" "$d/"
  rm -f "$d"/Data/Levels/*.gsv
  cp "$SOURCE_DIR/data/levels/Recs.ini" "$d/Data/Levels/Recs.ini"
  echo "$d"
}

# play_workdir COUNT: $dir becomes a new working directory with a steady backdrop (screenshots taken
# at different times compare) and at least COUNT levels, generated extras sorting after the
# shipped ones; level_file N names the Nth in catalogue order.
play_workdir() {
  local i
  [ -x "$LEVELS_TOOL" ] || fail "no level tool at $LEVELS_TOOL"
  dir=$(new_workdir)
  printf '[GameSettings]\r\nBGColorChangeEnabled=0\r\n' >"$dir/Settings.ini"
  for i in $(seq $(($(find "$dir/Data/Levels" -maxdepth 1 -iname '*.grd' | wc -l) + 1)) "$1"); do
    "$LEVELS_TOOL" generate --width 4 --height 4 --difficulty 1 --seed "$i" --out "$dir/Data/Levels/~extra$i.grd" \
      >/dev/null || fail "cannot generate a level"
  done
}
level_file() { (cd "$dir/Data/Levels" && find . -maxdepth 1 -iname '*.grd' | sed 's|^\./||' | LC_ALL=C sort | sed -n "$1p"); }

# ---- running the game ---------------------------------------------------------------------------

STARTED=()  # the working directories of the games this script started

# start_game DIR: the game in DIR in the background under its own timeout, whose pid lands in
# DIR/.pid; the game's exit code lands in DIR/.exitcode.
start_game() {
  rm -f "$1/.exitcode" "$1/.pid"
  STARTED+=("$1")
  ( cd "$1" && set +e
    timeout -s KILL "$GAME_TIMEOUT" "$TALLIX_EXE" >.stdout 2>&1 &
    echo $! >.pid
    wait $!
    echo $? >.exitcode ) &
}

# poll SECONDS COMMAND...: true as soon as the command succeeds, checked every 0.1 s.
poll() { local n=$(($1 * 10)); shift; until "$@"; do n=$((n - 1)); [ "$n" -gt 0 ] || return 1; sleep 0.1; done; }

# game_pid DIR: the pid of the game started in DIR, the only child of its timeout.
game_pid() { poll 5 test -s "$1/.pid" && pgrep -P "$(cat "$1/.pid")" || fail "no game running in $1"; }
# wait_exit DIR: the game's exit code once it has ended.
wait_exit() { poll 20 test -s "$1/.exitcode" && cat "$1/.exitcode" || fail "the game did not end within 20 seconds"; }

# A game this script started and left running is ended when the script ends: that process only.
end_games() {
  local d
  for d in "${STARTED[@]}"; do
    [ -s "$d/.exitcode" ] || [ ! -s "$d/.pid" ] || kill -KILL $(pgrep -P "$(cat "$d/.pid")") "$(cat "$d/.pid")" 2>/dev/null || true
  done
}
trap end_games EXIT

wait_window() {  # the id of the game's window once it is mapped
  local ids  # read whole: a reader that leaves early would fail the search by SIGPIPE under pipefail
  ids=$(timeout -s KILL 30 xdotool search --sync --onlyvisible --name "^${TITLE}\$") || true
  [ -n "$ids" ] || fail "the window \"$TITLE\" did not appear"
  echo "${ids%%$'\n'*}"
}

launch() { start_game "$dir"; wid=$(wait_window); sleep 1; }  # the game in $dir; $wid its window

quit() {  # Esc, and the game must end with exit code 1
  local code
  press_key "$wid" Escape
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after Esc is $code, not 1"
}

# press_key ID KEY: a real key press through XTEST. Xvfb runs without a window manager, so the
# keyboard focus follows the pointer: the pointer is moved into the window first. (Sending the key
# to the window directly races the game: after Esc the release would reach a destroyed window.)
press_key() { xdotool mousemove --window "$1" 10 10 sleep 0.1 key "$2"; }

# ---- pointer and screenshots: view points run x 0..1 left to right, y 0..0.75 bottom to top -----

view_px() { awk -v x="$1" -v y="$2" 'BEGIN { printf "%d %d\n", x * 800, (0.75 - y) / 0.75 * 600 }'; }

# click_view X Y [BUTTON]: moves there in two steps (so the game sees the pointer arrive), clicks.
click_view() {
  local p=($(view_px "$1" "$2"))
  xdotool mousemove --window "$wid" $((p[0] - 2)) $((p[1] - 2)) sleep 0.05 \
          mousemove --window "$wid" "${p[0]}" "${p[1]}" sleep 0.1 click "${3:-1}" sleep 0.15
}
move_view() { local p=($(view_px "$1" "$2")); xdotool mousemove --window "$wid" "${p[0]}" "${p[1]}" sleep 0.1; }
rest() { move_view 0.99 0.62; }  # off the board, below the panel: nothing hovered

click_play() { click_view 0.12 0.58; sleep 0.3; }
open_slot() {  # open_slot N: the miniature in slot N (0..5) of the level page
  click_view "$(calc "0.226 + $1 % 3 * 0.266")" "$(calc "0.509 - ($1 >= 3) * 0.266")"
  sleep 0.3
}
click_yes() { click_view 0.42 0.365; }
click_cancel() { click_view 0.53 0.365; }
click_retire() { click_view 0.05 0.13; }

shot() { mkdir -p "$ARTIFACTS"; import -window root "$ARTIFACTS/$1.png"; echo "$ARTIFACTS/$1.png"; }

# crop FILE LEFT TOP RIGHT BOTTOM OUT: the view rectangle of a screenshot, written to OUT.
crop() {
  local a=($(view_px "$2" "$3")) b=($(view_px "$4" "$5"))
  convert "$1" -crop "$((b[0] - a[0]))x$((b[1] - a[1]))+${a[0]}+${a[1]}" +repage "$6"
}

# differs FILE1 FILE2 LEFT TOP RIGHT BOTTOM: true when the two screenshots differ in the rectangle.
differs() {
  local n
  crop "$1" "$3" "$4" "$5" "$6" "$dir/.crop1.png"
  crop "$2" "$3" "$4" "$5" "$6" "$dir/.crop2.png"
  n=$(compare -metric AE "$dir/.crop1.png" "$dir/.crop2.png" null: 2>&1 || true)
  [[ "$n" =~ ^[0-9.e+]+$ ]] || fail "cannot compare screenshots: $n"
  [ "$n" != 0 ]
}
board_differs() { differs "$1" "$2" 0.12 0.64 0.9 0.11; }  # between the bands, not the time caption

# count_colour FILE LEFT TOP RIGHT BOTTOM FX: pixels of the rectangle for which the fx test holds.
count_colour() {
  crop "$1" "$2" "$3" "$4" "$5" "$dir/.crop1.png"
  convert "$dir/.crop1.png" -fx "$6" -format "%[fx:int(mean*w*h+0.5)]" info:
}
# pixel FILE X Y: "R G B" of the pixel under view point (X, Y).
pixel() {
  local p=($(view_px "$2" "$3"))
  convert "$1" -format "%[fx:int(255*p{${p[0]},${p[1]}}.r)] %[fx:int(255*p{${p[0]},${p[1]}}.g)] %[fx:int(255*p{${p[0]},${p[1]}}.b)]" info:
}
# box_shown FILE: the confirmation box's dark grey fill stands left of its message.
box_shown() {
  local r g b; read -r r g b <<<"$(pixel "$1" 0.37 0.30)"; [ "$r" -lt 90 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ] && [ "$r" -gt 30 ]
}

# ---- the board while playing: at zoom 1, centred at (0.5, 0.37), cells 0.05 wide ----------------

# read_level FILE: $board_w, $board_h and the solution as "column row digit" lines in $solution.
read_level() {
  local out
  out=$("$LEVELS_TOOL" solve "$1") || fail "the level tool cannot solve $1: $out"
  board_w=$(od -An -tu1 -j6 -N1 "$1" | tr -d ' ')
  board_h=$(od -An -tu1 -j7 -N1 "$1" | tr -d ' ')
  [ "$board_w" -le 20 ] && [ "$board_h" -le 14 ] || fail "$1 is ${board_w}x${board_h}: too large to play at zoom 1"
  solution=$(echo "$out" | grep -v '^solutions' | awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^[1-9]$/) print i - 1, NR - 1, $i }')
  [ -n "$solution" ] || fail "no playable cell in the solution of $1"
}
cell_x() { calc "0.5 - $board_w * 0.025 + ($1 + 0.5) * 0.05"; }
cell_y() { calc "0.37 + $board_h * 0.025 - ($1 + 0.5) * 0.05"; }
# cell_rect COLUMN ROW LEFT TOP RIGHT BOTTOM: the rectangle at these offsets from the cell's centre.
cell_rect() { local x=$(cell_x "$1") y=$(cell_y "$2"); echo "$(calc "$x + $3") $(calc "$y + $4") $(calc "$x + $5") $(calc "$y + $6")"; }

# enter_digit COLUMN ROW DIGIT: opens the ring on the cell and clicks the digit, which sits at
# (0.05 sin a, 0.05 cos a) from the centre, a = 40 * digit - 20 degrees.
enter_digit() {
  local x=$(cell_x "$1") y=$(cell_y "$2") a="(40 * $3 - 20) * 3.14159265 / 180"
  click_view "$x" "$y"
  sleep 0.35
  click_view "$(calc "$x + 0.05 * sin($a)")" "$(calc "$y + 0.05 * cos($a)")"
}
