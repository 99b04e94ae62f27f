#!/usr/bin/env bash
# The panel along the top of a played level: it shows when the level opens and fades after five
# seconds; the style arrow changes the board's look and the choice survives a restart; the move
# handle drags the board with the cursor hidden, and the cursor comes back. Checked by screenshots,
# pixel counts, the cursor image of the X server and Settings.ini. (What its other buttons do is
# WidgetTest's.)
source "$(dirname "$0")/../support/e2e.sh"

play_workdir 1
styles=$(ini_get "$dir/Data/Styles/VisualStyles.ini" Styles Count)
[ "${styles:-0}" -ge 2 ] || fail "fewer than two visual styles installed"
cc -o "$dir/cursor-pixels" "$SOURCE_DIR/tests/e2e/cursor_pixels.c" -lXfixes -lX11 || fail "cannot build the cursor probe"
cursor_pixels() { "$dir/cursor-pixels" || fail "cannot read the cursor image"; }

# lit FILE: pixels of the top strip (inset from its edges) that are not black.
lit() { count_colour "$1" 0.005 0.745 0.995 0.655 'r+g+b>0.1 ? 1 : 0'; }
open_first_level() { click_play; open_slot 0; rest; }

# ---- the panel shows when a level opens, then fades ---------------------------------------------

launch
open_first_level
sleep 0.5
n=$(lit "$(shot panel-01-opened)")
[ "$n" -gt 300 ] || fail "the panel does not show when the level opens ($n lit pixels in the strip)"
sleep 5.2
empty=$(shot panel-02-faded)
n=$(lit "$empty")
[ "$n" -eq 0 ] || fail "the panel is still there five seconds after opening ($n lit pixels)"

# ---- the style arrow changes the look ------------------------------------------------------------

click_view 0.515 0.675   # the style's down arrow: the next style
rest
sleep 0.3
styled=$(shot panel-03-next-style)
board_differs "$empty" "$styled" || fail "the style arrow did not change the board"
quit
[ "$(ini_get "$dir/Settings.ini" GameSettings VisualStyle)" = 1 ] || fail "VisualStyle=1 not written"

# ---- after a restart: the same look ---------------------------------------------------------------

launch
open_first_level
sleep 0.3
restarted=$(shot panel-04-restarted)
board_differs "$styled" "$restarted" && fail "after a restart the board does not keep the chosen style"

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
board_differs "$restarted" "$(shot panel-05-dragged)" || fail "dragging the move handle did not move the board"

quit
echo "panel: all checks passed ($styles styles)"
