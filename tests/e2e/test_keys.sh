#!/usr/bin/env bash
# Playing with the keyboard: "01 Warm Up" solved with the arrow keys and digits, with an undo and a
# redo on the way, for the medal message; P hides the board and stops the clock; H shows the help
# page and any key closes it.
source "$(dirname "$0")/lib.sh"

LEVELS_TOOL="$(dirname "$TALLIX_EXE")/tools/levels/tallix-levels"
level="$TALLIX_GAME_DIR/Data/Levels/01 Warm Up.grd"
# The solution as the tool prints it: row 1 "7 9", row 2 "2 7 1", row 3 "6 2" in the playable cells.
solution=$("$LEVELS_TOOL" solve "$level" | grep -v '^solutions' |
           awk '{ row = ""; for (i = 1; i <= NF; ++i) if ($i ~ /^[1-9]$/) row = row $i; print row }' | tr '\n' ' ')
read -r r1 r2 r3 <<<"$solution"
[ "${#r1}${#r2}${#r3}" = 232 ] || fail "01 Warm Up is not the board this script walks: $solution"

# crop_same FILE1 FILE2 LEFT TOP RIGHT BOTTOM: the two screenshots agree in the rectangle.
crop_same() { ! differs "$@"; }

dir=$(new_workdir)
printf '[GameSettings]\r\nBGColorChangeEnabled=0\r\n' >"$dir/Settings.ini"
start_game "$dir"
wid=$(wait_window)
sleep 1
click_view 0.12 0.58    # Play
click_view 0.226 0.509  # "01 Warm Up"
move_view 0.5 0.05      # off the board: the first key shows the cursor on the first cell
sleep 0.3

# ---- help -------------------------------------------------------------------------------------------
playing=$(shot keys-01-playing)
xdotool key h sleep 0.4
help=$(shot keys-02-help)
differs "$playing" "$help" 0.1 0.6 0.9 0.2 || fail "H did not open the help page"
xdotool key space sleep 0.4
crop_same "$playing" "$(shot keys-03-help-closed)" 0.3 0.6 0.7 0.2 || fail "a key did not close the help page"

# ---- pause --------------------------------------------------------------------------------------------
xdotool key p sleep 0.5
paused=$(shot keys-04-paused)
differs "$playing" "$paused" 0.3 0.6 0.7 0.2 || fail "P did not hide the board"
sleep 2
crop_same "$paused" "$(shot keys-05-still-paused)" 0.02 0.64 0.12 0.6 || fail "the clock moved while paused"
xdotool key space sleep 0.4

# ---- the solution, with Ctrl+Z and Ctrl+Y on the way ---------------------------------------------------
xdotool key Home sleep 0.2                      # shows the cursor on the first playable cell
xdotool type --delay 120 "${r1:0:1}"
xdotool key Right sleep 0.1
xdotool type --delay 120 "${r1:1:1}"
xdotool key ctrl+z sleep 0.2 key ctrl+y sleep 0.2
xdotool key Down sleep 0.1
xdotool type --delay 120 "${r2:1:1}"
xdotool key Left sleep 0.1
xdotool type --delay 120 "${r2:0:1}"
xdotool key End sleep 0.1
xdotool type --delay 120 "${r2:2:1}"
xdotool key Down sleep 0.1
xdotool type --delay 120 "${r3:1:1}"
xdotool key Left sleep 0.1
xdotool type --delay 120 "${r3:0:1}"
sleep 2
medal=$(shot keys-06-medal)
read -r r g b <<<"$(convert "$medal" -format "%[fx:int(255*p{296,360}.r)] %[fx:int(255*p{296,360}.g)] %[fx:int(255*p{296,360}.b)]" info:)"
[ "$r" -lt 90 ] && [ "$g" -lt 90 ] && [ "$b" -lt 90 ] && [ "$r" -gt 30 ] || fail "no medal message after the last digit"
[ -n "$(ini_get "$dir/Data/Levels/Recs.ini" "01 Warm Up" User)" ] || fail "no best time recorded"
xdotool key Return sleep 0.4                    # OK from the keyboard
press_key "$wid" Escape
[ "$(wait_exit "$dir")" = 1 ] || fail "the game did not end with exit code 1"
echo "keys: all checks passed"
