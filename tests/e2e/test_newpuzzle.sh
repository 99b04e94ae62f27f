#!/usr/bin/env bash
# A new puzzle made in the game: New puzzle, Small, 1 Easy, Generate; the board opens, is solved
# with the answer the level tool finds in the written file, and its card shows the best time.
source "$(dirname "$0")/../support/e2e.sh"

play_workdir 1
launch
click_play
first_page=$(shot new-01-page1)  # slot 0's card without a best time: "--//--"
click_view 0.93 0.135             # New puzzle
click_view 0.27 0.478             # Small
click_view 0.27 0.388             # 1 Easy
shot new-02-chooser >/dev/null
click_view 0.30 0.268             # Generate
made="$dir/Data/Levels/~N001 Easy.grd"
for i in $(seq 1 100); do [ -f "$made" ] && break; sleep 0.1; done
[ -f "$made" ] || fail "no level written after Generate"
[ -n "$(ini_get "$dir/Data/Levels/Recs.ini" "~N001 Easy" Gold)" ] || fail "no medal limits for the new level"
sleep 0.5
read_level "$made"
[ "$board_w" = 9 ] && [ "$board_h" = 8 ] || fail "a Small puzzle is ${board_w}x$board_h, not 9x8"
# Each digit typed with the pointer resting on its cell (keys act on the hovered cell).
while read -r c r d; do
  p=($(view_px "$(cell_x "$c")" "$(cell_y "$r")"))
  xdotool mousemove --window "$wid" "${p[0]}" "${p[1]}" sleep 0.05 key "$d"
done <<<"$solution"
rest
sleep 2
box_shown "$(shot new-03-medal)" || fail "no medal message after solving the new puzzle"
click_view 0.5 0.36  # OK: back to the level page, the new level's page
rest
differs "$first_page" "$(shot new-04-card)" 0.16 0.395 0.29 0.375 || fail "the new level's card shows no best time"
[ -n "$(ini_get "$dir/Data/Levels/Recs.ini" "~N001 Easy" User)" ] || fail "no best time recorded"
quit
echo "new puzzle: all checks passed"
