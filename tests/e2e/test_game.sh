#!/usr/bin/env bash
# A player's session: the menu links, the level pages, entering digits with the ring and marks with
# the keypad, solving the first level of the catalogue for a medal, Retire leaving a saved game, and
# Esc while playing saving the game. Checked by screenshots, pixel probes and the files left behind.
source "$(dirname "$0")/lib.sh"

LEVELS_TOOL="$(dirname "$TALLIX_EXE")/tools/levels/tallix-levels"
[ -x "$LEVELS_TOOL" ] || fail "no level tool at $LEVELS_TOOL"

# ---- helpers ------------------------------------------------------------------------------------

# pixel FILE X Y: "R G B" of the screenshot's pixel under view point (X, Y).
pixel() {
  local p
  p=($(view_px "$2" "$3"))
  convert "$1" -format "%[fx:int(255*p{${p[0]},${p[1]}}.r)] %[fx:int(255*p{${p[0]},${p[1]}}.g)] %[fx:int(255*p{${p[0]},${p[1]}}.b)]" info:
}

# count_colour FILE LEFT TOP RIGHT BOTTOM FX: pixels of the rectangle for which the fx test holds.
count_colour() {
  region "$1" "$2" "$3" "$4" "$5" "$dir/.crop1.png"
  convert "$dir/.crop1.png" -fx "$6" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Board geometry while playing: zoom 1, centre (0.5, 0.37), cells 0.05 wide.
cell_x() { awk -v c="$1" -v w="$board_w" 'BEGIN { print 0.5 - w * 0.025 + (c + 0.5) * 0.05 }'; }
cell_y() { awk -v r="$1" -v h="$board_h" 'BEGIN { print 0.37 + h * 0.025 - (r + 0.5) * 0.05 }'; }

# enter_digit COLUMN ROW DIGIT: opens the ring on the cell and clicks the digit, which sits at
# (0.05 sin a, 0.05 cos a) from the centre, a = 40 * digit - 20 degrees.
enter_digit() {
  local x y
  x=$(cell_x "$1"); y=$(cell_y "$2")
  click_view "$x" "$y"
  sleep 0.35
  read -r dx dy < <(awk -v k="$3" 'BEGIN { a = (40 * k - 20) * 3.14159265 / 180; print 0.05 * sin(a), 0.05 * cos(a) }')
  click_view "$(awk -v a="$x" -v b="$dx" 'BEGIN { print a + b }')" "$(awk -v a="$y" -v b="$dy" 'BEGIN { print a + b }')"
}

# toggle_marks COLUMN ROW DIGIT...: opens the keypad with the right button, toggles each digit with
# the left button (item k at ((c - 1) 0.036, (1 - r) 0.036), k = 3r + c + 1), closes with the right.
toggle_marks() {
  local x y col row k
  x=$(cell_x "$1"); y=$(cell_y "$2"); shift 2
  click_view "$x" "$y" 3
  sleep 0.35
  for k in "$@"; do
    row=$(((k - 1) / 3)); col=$(((k - 1) % 3))
    click_view "$(awk -v a="$x" -v c="$col" 'BEGIN { print a + (c - 1) * 0.036 }')" \
               "$(awk -v a="$y" -v r="$row" 'BEGIN { print a + (1 - r) * 0.036 }')"
  done
  click_view "$x" "$y" 3
}

# read_level FILE: board_w, board_h and the solution as "column row digit" lines in $solution.
read_level() {
  local out
  out=$("$LEVELS_TOOL" solve "$1") || fail "the level tool cannot solve $1: $out"
  board_w=$(od -An -tu1 -j6 -N1 "$1" | tr -d ' ')
  board_h=$(od -An -tu1 -j7 -N1 "$1" | tr -d ' ')
  # At zoom 1 a cell is 0.05 wide: every cell must lie inside the view to be clicked.
  [ "$board_w" -le 20 ] && [ "$board_h" -le 14 ] || fail "$1 is ${board_w}x${board_h}: too large to play at zoom 1"
  solution=$(echo "$out" | grep -v '^solutions' | awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^[1-9]$/) print i - 1, NR - 1, $i }')
  [ -n "$solution" ] || fail "no playable cell in the solution of $1"
}

# box_shown FILE: the confirmation box's dark grey fill stands left of its message.
box_shown() {
  local r g b
  read -r r g b <<<"$(pixel "$1" 0.37 0.30)"
  [ "$r" -lt 90 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ] && [ "$r" -gt 30 ]
}

# ---- the game folder ----------------------------------------------------------------------------

dir=$(new_workdir)
mkdir -p "$dir/Data/Levels"
# A steady backdrop, so screenshots taken at different times compare.
printf '[GameSettings]\r\nBGColorChangeEnabled=0\r\n' >"$dir/Settings.ini"
# Seven levels at least, so there is a second page. The shipped ones come first; generated extras
# are named to sort after every letter.
shipped=$(find "$dir/Data/Levels" -maxdepth 1 -iname '*.grd' | wc -l)
[ "$shipped" -gt 0 ] || echo "note: no shipped levels in $TALLIX_GAME_DIR/Data/Levels; using generated ones"
for i in $(seq $((shipped + 1)) 7); do
  "$LEVELS_TOOL" generate --width 4 --height 4 --difficulty 1 --seed "$i" --out "$dir/Data/Levels/~extra$i.grd" >/dev/null \
    || fail "cannot generate a level"
done
levels=$(cd "$dir/Data/Levels" && find . -maxdepth 1 -iname '*.grd' | sed 's|^\./||' | LC_ALL=C sort)
first=$(echo "$levels" | sed -n 1p); second=$(echo "$levels" | sed -n 2p); third=$(echo "$levels" | sed -n 3p)
[ -n "$third" ] || fail "fewer than three levels"

# A stand-in browser and mail program that records what the game opens.
mkdir -p "$dir/.bin"
printf '#!/bin/sh\necho "$@" >>"%s/.opened"\n' "$dir" >"$dir/.bin/xdg-open"
chmod +x "$dir/.bin/xdg-open"
export PATH="$dir/.bin:$PATH"

start_game "$dir"
wid=$(wait_window)
sleep 1

# ---- main menu: links ---------------------------------------------------------------------------

shot game-01-menu >/dev/null
click_view 0.15 0.54   # Homepage
click_view 0.15 0.50   # Feedback
sleep 1
grep -qx 'https://www.tallixfree.com/?game' "$dir/.opened" || fail "Homepage did not open the home page: $(cat "$dir/.opened" 2>/dev/null)"
grep -qx 'mailto:feedback@tallixfree.com?subject=Tallix Free' "$dir/.opened" || fail "Feedback did not open the mail"

# ---- level pages --------------------------------------------------------------------------------

click_view 0.12 0.58   # Play
sleep 0.3
move_view 0.99 0.64
page1=$(shot game-02-page1)
# Six cards: the card fill of slot 5 (0.758, 0.243) is dark grey, not the backdrop.
read -r r g b <<<"$(pixel "$page1" 0.65 0.16)"
[ "$r" -lt 120 ] || fail "no card at slot 5 on page 1 (pixel $r $g $b)"
click_view 0.965 0.385  # >>
move_view 0.99 0.64
page2=$(shot game-03-page2)
differs "$page1" "$page2" 0.0 0.65 0.2 0.58 || fail "the caption did not change on page 2"
differs "$page1" "$page2" 0.13 0.63 0.88 0.12 || fail "page 2 shows the same cards"
click_view 0.065 0.385  # <<
move_view 0.99 0.64
back1=$(shot game-04-page1-again)
differs "$page1" "$back1" 0.0 0.65 0.88 0.12 && fail "back on page 1 the screen is not page 1"

# ---- the first level: marks, digits, the medal ---------------------------------------------------

read_level "$dir/Data/Levels/$first"
click_view 0.226 0.509  # slot 0
sleep 0.3
move_view 0.99 0.64
shot game-05-playing >/dev/null

# Candidate marks 1 and 9 in the first playable cell, through the keypad.
read -r mc mr md <<<"$(echo "$solution" | sed -n 1p)"
toggle_marks "$mc" "$mr" 1 9
move_view 0.99 0.64
marked=$(shot game-06-marks)
# Mark 1 in the top-left third, mark 9 in the bottom-right third: the cell is no longer blank there.
cx=$(cell_x "$mc"); cy=$(cell_y "$mr")
differs "$ARTIFACTS/game-05-playing.png" "$marked" \
  "$(awk -v x="$cx" 'BEGIN { print x - 0.025 }')" "$(awk -v y="$cy" 'BEGIN { print y + 0.025 }')" \
  "$(awk -v x="$cx" 'BEGIN { print x - 0.008 }')" "$(awk -v y="$cy" 'BEGIN { print y + 0.008 }')" \
  || fail "no mark in the top-left third of the cell"

# The ring: every digit of the solution.
while read -r c r d; do enter_digit "$c" "$r" "$d"; done <<<"$solution"
move_view 0.99 0.64
sleep 2
medal=$(shot game-07-medal)
box_shown "$medal" || fail "no confirmation box after the last digit"
user=$(ini_get "$dir/Data/Levels/Recs.ini" "${first%.*}" User)
[ -n "$user" ] || fail "no best time for ${first%.*} in Recs.ini"
click_view 0.5 0.36     # OK
move_view 0.99 0.64
after=$(shot game-08-after-medal)
# Where the box stood, the level page shows again exactly as before.
differs "$page1" "$after" 0.37 0.37 0.62 0.12 && fail "the box is still open after OK, or the page changed"
# The best time on the card (x 0.226, y 0.384) replaced "--//--".
differs "$page1" "$after" 0.16 0.41 0.29 0.375 || fail "the card shows no best time"

# ---- Retire with entries leaves a saved game ---------------------------------------------------

read_level "$dir/Data/Levels/$second"
click_view 0.492 0.509  # slot 1
sleep 0.3
read -r c r d <<<"$(echo "$solution" | sed -n 1p)"
enter_digit "$c" "$r" "$d"
shot game-09-second-level >/dev/null
click_view 0.05 0.13    # Retire
move_view 0.99 0.64
retired=$(shot game-10-retired)
[ -f "$dir/Data/Levels/${second%.*}.gsv" ] || fail "Retire left no saved game for ${second%.*}"
# "Saved" in orange-red at the card's bottom left (0.387, 0.384).
saved=$(count_colour "$retired" 0.38 0.41 0.46 0.375 'r>0.8 && g<0.5 && b<0.3 ? 1 : 0')
[ "$saved" -gt 5 ] || fail "the card shows no \"Saved\" mark ($saved pixels)"

# The "Saved" card offers its game as it opens; YES brings the digit back.
click_view 0.492 0.509  # slot 1
move_view 0.99 0.64
asked=$(shot game-10b-offered)
box_shown "$asked" || fail "opening a saved game asks nothing"
click_view 0.42 0.365   # YES
move_view 0.99 0.64
resumed=$(shot game-10c-resumed)
# The digit's blue in the cell (Classic draws digits in blue on white).
blue=$(count_colour "$resumed" \
  "$(awk -v x="$(cell_x "$c")" 'BEGIN { print x - 0.02 }')" "$(awk -v y="$(cell_y "$r")" 'BEGIN { print y + 0.02 }')" \
  "$(awk -v x="$(cell_x "$c")" 'BEGIN { print x + 0.02 }')" "$(awk -v y="$(cell_y "$r")" 'BEGIN { print y - 0.02 }')" \
  'b>0.5 && r<0.4 ? 1 : 0')
[ "$blue" -gt 20 ] || fail "YES did not bring the saved digit back ($blue blue pixels)"
click_view 0.05 0.13    # Retire

# ---- Esc while playing saves the game ------------------------------------------------------------

read_level "$dir/Data/Levels/$third"
click_view 0.758 0.509  # slot 2
sleep 0.3
read -r c r d <<<"$(echo "$solution" | sed -n 1p)"
enter_digit "$c" "$r" "$d"
shot game-11-third-level >/dev/null
press_key "$wid" Escape
code=$(wait_exit "$dir")
[ "$code" = 1 ] || fail "exit code after Esc is $code, not 1"
[ -f "$dir/Data/Levels/${third%.*}.gsv" ] || fail "Esc while playing left no saved game for ${third%.*}"
ini=$(settings_file "$dir")
[ "$(ini_get "$ini" GameSettings VisualStyle)" = 0 ] || fail "VisualStyle not written"
[ "$(ini_get "$ini" GameSettings ViewStyle)" = 0 ] || fail "ViewStyle not written"

# ---- a second run: CANCEL keeps the saved game ----------------------------------------------------

kept=$(md5sum <"$dir/Data/Levels/${third%.*}.gsv")
start_game "$dir"
wid=$(wait_window)
sleep 1
click_view 0.12 0.58    # Play
click_view 0.758 0.509  # slot 2, "Saved"
move_view 0.99 0.64
box_shown "$(shot game-12-offered-again)" || fail "the second run does not offer the saved game"
click_view 0.53 0.365   # CANCEL
move_view 0.99 0.64
differs "$ARTIFACTS/game-11-third-level.png" "$(shot game-13-cancelled)" 0.0 0.64 1.0 0.12 \
  || fail "CANCEL restored the saved game"
press_key "$wid" Escape
[ "$(wait_exit "$dir")" = 1 ] || fail "the second run did not end with exit code 1"
[ "$(md5sum <"$dir/Data/Levels/${third%.*}.gsv")" = "$kept" ] || fail "CANCEL and Esc changed the saved game"

echo "game: all checks passed (first level ${first%.*}, best time $user s)"
