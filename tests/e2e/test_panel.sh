#!/usr/bin/env bash
# The panel along the top of a played level: it shows when the level opens and fades after five
# seconds; the move handle drags the board with the cursor hidden, and the cursor comes back.
# Checked by screenshots, pixel counts and the cursor image of the X server. (What its buttons do
# is WidgetTest's; the styles kept across a restart, CGameLifecycleTest's.)
source "$(dirname "$0")/../support/e2e.sh"

play_workdir 1
cc -o "$dir/cursor-pixels" "$SOURCE_DIR/tests/e2e/cursor_pixels.c" -lXfixes -lX11 || fail "cannot build the cursor probe"
cursor_pixels() { "$dir/cursor-pixels" || fail "cannot read the cursor image"; }

# lit FILE: pixels of the top strip (inset from its edges) that are not black.
lit() { count_colour "$1" 0.005 0.745 0.995 0.655 'r+g+b>0.1 ? 1 : 0'; }

# ---- the panel shows when a level opens, then fades ---------------------------------------------

launch
click_play
open_slot 0
rest
sleep 0.5
n=$(lit "$(shot panel-01-opened)")
[ "$n" -gt 300 ] || fail "the panel does not show when the level opens ($n lit pixels in the strip)"
sleep 5.2
empty=$(shot panel-02-faded)
n=$(lit "$empty")
[ "$n" -eq 0 ] || fail "the panel is still there five seconds after opening ($n lit pixels)"

# ---- the move handle drags the board, the cursor hidden meanwhile -------------------------------

p=($(view_px 0.33 0.70))
xdotool mousemove --window "$wid" $((p[0] - 3)) "${p[1]}" sleep 0.1 mousemove --window "$wid" "${p[0]}" "${p[1]}" \
        sleep 0.2 mousedown 1 sleep 0.2
for step in 1 2 3 4 5 6; do xdotool mousemove_relative -- 4 -2 sleep 0.1; done
during=$(cursor_pixels)
xdotool mouseup 1 sleep 0.2
after_release=$(cursor_pixels)
rest
[ "$during" -eq 0 ] || fail "the cursor shows while the board is dragged ($during pixels)"
[ "$after_release" -gt 0 ] || fail "the cursor did not come back after the drag"
board_differs "$empty" "$(shot panel-05-dragged)" || fail "dragging the move handle did not move the board"

quit
echo "panel: all checks passed"
