#!/usr/bin/env bash
# Playing with the keyboard: "01 Warm Up" solved with the arrow keys and digits, with an undo and a
# redo on the way, for the medal message; P hides the board and stops the clock; H shows the help
# page and any key closes it.
source "$(dirname "$0")/../support/e2e.sh"

# The solution by rows of playable cells: "79", "271", "62" for the board this script walks.
solution=$("$LEVELS_TOOL" solve "$TALLIX_GAME_DIR/Data/Levels/01 Warm Up.grd" | grep -v '^solutions' |
           awk '{ row = ""; for (i = 1; i <= NF; ++i) if ($i ~ /^[1-9]$/) row = row $i; print row }' | tr '\n' ' ')
read -r r1 r2 r3 <<<"$solution"
[ "${#r1}${#r2}${#r3}" = 232 ] || fail "01 Warm Up is not the board this script walks: $solution"

play_workdir 1
launch
click_play
open_slot 0
move_view 0.5 0.05  # off the board: the first key shows the cursor on the first cell
sleep 0.3
playing=$(shot keys-01-playing)

xdotool key h sleep 0.4
board_differs "$playing" "$(shot keys-02-help)" || fail "H did not open the help page"
xdotool key space sleep 0.4
board_differs "$playing" "$(shot keys-03-help-closed)" && fail "a key did not close the help page"

xdotool key p sleep 0.5
paused=$(shot keys-04-paused)
board_differs "$playing" "$paused" || fail "P did not hide the board"
sleep 2
differs "$paused" "$(shot keys-05-still-paused)" 0.02 0.64 0.12 0.6 && fail "the clock moved while paused"
xdotool key space sleep 0.4

# Home shows the cursor on the first playable cell; digits go in with an undo and a redo on the way.
xdotool key --delay 200 Home "${r1:0:1}" Right "${r1:1:1}" ctrl+z ctrl+y Down "${r2:1:1}" Left "${r2:0:1}" \
        End "${r2:2:1}" Down "${r3:1:1}" Left "${r3:0:1}"
sleep 2
box_shown "$(shot keys-06-medal)" || fail "no medal message after the last digit"
[ -n "$(ini_get "$dir/Data/Levels/Recs.ini" "01 Warm Up" User)" ] || fail "no best time recorded"
xdotool key Return sleep 0.4  # OK from the keyboard
quit
echo "keys: all checks passed"
