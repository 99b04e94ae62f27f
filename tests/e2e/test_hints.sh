#!/usr/bin/env bash
# The combination helper and a hint on "01 Warm Up": resting on a clue shows the box beside the
# board; a hint marks a cell and costs thirty seconds, which the saved game's time shows.
source "$(dirname "$0")/../support/e2e.sh"

play_workdir 1
launch
click_play
started=$(date +%s%3N)  # before the click that starts the play clock
open_slot 0
rest
before=$(shot hints-01-playing)
move_view 0.475 0.445  # the clue above the second column, which holds 9
sleep 1
differs "$before" "$(shot hints-02-combinations)" 0.62 0.5 0.99 0.25 || fail "no combination box beside the board"
rest
xdotool key question sleep 0.5
hinted=$(shot hints-03-hint)
differs "$before" "$hinted" 0.4 0.47 0.6 0.27 || fail "the hint marks no cell"
differs "$before" "$hinted" 0.2 0.09 0.8 0.0 || fail "no reason below the board"
read_level "$dir/Data/Levels/01 Warm Up.grd"
read -r c r d <<<"$(echo "$solution" | sed -n 1p)"
enter_digit "$c" "$r" "$d"  # an entry, so that Esc saves the game and its time
quit
saved="$dir/Data/Levels/01 Warm Up.gsv"
[ -f "$saved" ] || fail "no saved game"
ms=$(od -An -tu4 -j14 -N4 "$saved" | tr -d ' ')
wall=$(( $(date +%s%3N) - started ))
[ "$ms" -ge 30000 ] && [ "$ms" -le $((30000 + wall)) ] || fail "the play time is $ms ms after a hint in $wall ms"
echo "hints: all checks passed"
