#!/usr/bin/env bash
# The panel along the top of a played level: it shows when the level opens and fades after five
# seconds; the style arrow changes the board's look and the choice survives a restart; "Reset"
# empties the board; "Load Saved Game" brings a saved game back; the move handle drags the board
# with the cursor hidden, and the cursor comes back. Checked by screenshots, pixel counts, the
# cursor image of the X server and Settings.ini.
source "$(dirname "$0")/lib.sh"

LEVELS_TOOL="$(dirname "$TALLIX_EXE")/tools/levels/tallix-levels"
[ -x "$LEVELS_TOOL" ] || fail "no level tool at $LEVELS_TOOL"

# ---- helpers ------------------------------------------------------------------------------------

# Away from the board and below the strip: no hover anywhere, and the panel left alone.
rest() { move_view 0.99 0.62; }

# The play area between the bands, without the time caption at the top left.
board_differs() { differs "$1" "$2" 0.12 0.64 0.9 0.11; }

# lit FILE: pixels of the top strip (inset from its edges) that are not black.
lit() {
  region "$1" 0.005 0.745 0.995 0.655 "$dir/.crop1.png"
  convert "$dir/.crop1.png" -fx 'r+g+b>0.1 ? 1 : 0' -format "%[fx:int(mean*w*h+0.5)]" info:
}

# text_width TEXT SCALE: how wide the main font draws TEXT, from the game's own width table.
text_width() {
  local codes
  codes=$(printf '%s' "$1" | od -An -tu1 | tr -s ' \n' ' ')
  tr -d '\r' <"$dir/Data/MainFont.ini" | awk -F= -v codes="$codes" -v s="$2" '
    $1 ~ /^[0-9]+$/ { w[$1] = $2 }
    END { n = split(codes, c, " "); t = 0; for (i = 1; i <= n; ++i) t += (c[i] in w ? w[c[i]] : 10); print t / 512 * s }'
}

# cursor_pixels: the opaque pixels of the cursor the X server shows now (0: hidden).
cursor_pixels() { "$dir/.bin/cursor-pixels" || fail "cannot read the cursor image"; }

# Board geometry while playing: zoom 1, centre (0.5, 0.37), cells 0.05 wide.
cell_x() { awk -v c="$1" -v w="$board_w" 'BEGIN { print 0.5 - w * 0.025 + (c + 0.5) * 0.05 }'; }
cell_y() { awk -v r="$1" -v h="$board_h" 'BEGIN { print 0.37 + h * 0.025 - (r + 0.5) * 0.05 }'; }

# enter_digit COLUMN ROW DIGIT: opens the ring on the cell and clicks the digit, which sits at
# (0.05 sin a, 0.05 cos a) from the centre, a = 40 * digit - 20 degrees.
enter_digit() {
  local x y dx dy
  x=$(cell_x "$1"); y=$(cell_y "$2")
  click_view "$x" "$y"
  sleep 0.35
  read -r dx dy < <(awk -v k="$3" 'BEGIN { a = (40 * k - 20) * 3.14159265 / 180; print 0.05 * sin(a), 0.05 * cos(a) }')
  click_view "$(awk -v a="$x" -v b="$dx" 'BEGIN { print a + b }')" "$(awk -v a="$y" -v b="$dy" 'BEGIN { print a + b }')"
}

open_first_level() {
  click_view 0.12 0.58   # Play
  sleep 0.3
  click_view 0.226 0.509 # slot 0
}

start() {
  start_game "$dir"
  wid=$(wait_window)
  sleep 1
}

quit() {
  press_key "$wid" Escape
  local code
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after Esc is $code, not 1"
}

# ---- the game folder ----------------------------------------------------------------------------

dir=$(new_workdir)
mkdir -p "$dir/Data/Levels" "$dir/.bin"
# A steady backdrop, so screenshots taken at different times compare.
printf '[GameSettings]\r\nBGColorChangeEnabled=0\r\n' >"$dir/Settings.ini"
if ! find "$dir/Data/Levels" -maxdepth 1 -iname '*.grd' | grep -q .; then
  echo "note: no shipped levels in $TALLIX_GAME_DIR/Data/Levels; using a generated one"
  "$LEVELS_TOOL" generate --width 4 --height 4 --difficulty 1 --seed 1 --out "$dir/Data/Levels/~extra1.grd" >/dev/null \
    || fail "cannot generate a level"
fi
first=$(cd "$dir/Data/Levels" && find . -maxdepth 1 -iname '*.grd' | sed 's|^\./||' | LC_ALL=C sort | sed -n 1p)
out=$("$LEVELS_TOOL" solve "$dir/Data/Levels/$first") || fail "the level tool cannot solve $first: $out"
board_w=$(od -An -tu1 -j6 -N1 "$dir/Data/Levels/$first" | tr -d ' ')
board_h=$(od -An -tu1 -j7 -N1 "$dir/Data/Levels/$first" | tr -d ' ')
[ "$board_w" -le 20 ] && [ "$board_h" -le 14 ] || fail "$first is ${board_w}x${board_h}: too large to play at zoom 1"
read -r dig_c dig_r dig_d <<<"$(echo "$out" | grep -v '^solutions' |
  awk '{ for (i = 1; i <= NF; ++i) if ($i ~ /^[1-9]$/) { print i - 1, NR - 1, $i; exit } }')"
[ -n "$dig_d" ] || fail "no playable cell in the solution of $first"
styles=$(ini_get "$dir/Data/Styles/VisualStyles.ini" Styles Count)
[ "${styles:-0}" -ge 2 ] || fail "fewer than two visual styles installed"

# The X server's current cursor image, counted in opaque pixels.
cat >"$dir/.bin/cursor-pixels.c" <<'EOF'
#include <stdio.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
int main(void) {
    Display* display = XOpenDisplay(NULL);
    if (!display) return 2;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) return 2;
    unsigned long opaque = 0;
    for (unsigned long i = 0; i < (unsigned long)image->width * image->height; ++i)
        if (image->pixels[i] >> 24) ++opaque;
    printf("%lu\n", opaque);
    return 0;
}
EOF
cc -o "$dir/.bin/cursor-pixels" "$dir/.bin/cursor-pixels.c" -lXfixes -lX11 || fail "cannot build the cursor probe"

# Where the panel's labelled buttons and the box's YES stand, from the font's widths.
load_w=$(text_width "Load Saved Game" 0.5)
reset_x=$(awk -v w="$load_w" 'BEGIN { print 0.98 - w + 0.02 }')          # upper row, y 0.6875..0.719
load_x=$(awk -v w="$load_w" 'BEGIN { print 0.98 - w / 2 }')               # lower row, y 0.656..0.6875
yes_x=$(awk -v w="$(text_width YES 0.6)" 'BEGIN { print 0.4 + w / 2 }')  # y 0.3425..0.38

# ---- the panel shows when a level opens, then fades ---------------------------------------------

start
open_first_level
rest
sleep 0.8
shown=$(shot panel-01-opened)
n=$(lit "$shown")
[ "$n" -gt 300 ] || fail "the panel does not show when the level opens ($n lit pixels in the strip)"
sleep 5.2
faded=$(shot panel-02-faded)
n=$(lit "$faded")
[ "$n" -eq 0 ] || fail "the panel is still there five seconds after opening ($n lit pixels)"
empty=$faded

# ---- the style arrow changes the look ------------------------------------------------------------

click_view 0.515 0.675   # the style's down arrow: the next style
rest
sleep 0.3
styled=$(shot panel-03-next-style)
board_differs "$empty" "$styled" || fail "the style arrow did not change the board"
quit
[ "$(ini_get "$(settings_file "$dir")" GameSettings VisualStyle)" = 1 ] || fail "VisualStyle=1 not written"

# ---- after a restart: the same look; Reset; Load Saved Game --------------------------------------

start
open_first_level
rest
sleep 0.3
restarted=$(shot panel-04-restarted)
board_differs "$styled" "$restarted" && fail "after a restart the board does not keep the chosen style"

enter_digit "$dig_c" "$dig_r" "$dig_d"
rest
digit=$(shot panel-05-digit)
board_differs "$restarted" "$digit" || fail "the digit did not appear"
click_view "$reset_x" 0.703
sleep 0.2
shot panel-06-reset-question >/dev/null
click_view "$yes_x" 0.36
rest
reset=$(shot panel-07-reset)
board_differs "$restarted" "$reset" && fail "Reset with YES did not empty the board"

enter_digit "$dig_c" "$dig_r" "$dig_d"
click_view 0.05 0.13     # Retire: the game is saved
[ -f "$dir/Data/Levels/${first%.*}.gsv" ] || fail "Retire left no saved game"
click_view 0.226 0.509   # the same level again: empty, with the offer to load
rest
sleep 0.6
reopened=$(shot panel-08-reopened)
board_differs "$restarted" "$reopened" && fail "the level did not open empty"
click_view "$load_x" 0.672
sleep 0.2
shot panel-09-load-question >/dev/null
click_view "$yes_x" 0.36
rest
loaded=$(shot panel-10-loaded)
board_differs "$digit" "$loaded" && fail "Load Saved Game did not bring the digit back"

# ---- the move handle drags the board, the cursor hidden meanwhile -------------------------------

before=$loaded
p=($(view_px 0.33 0.70))
xdotool mousemove --window "$wid" $((p[0] - 3)) "${p[1]}" sleep 0.1 mousemove --window "$wid" "${p[0]}" "${p[1]}" \
        sleep 0.2 mousedown 1 sleep 0.2
for step in 1 2 3 4 5 6; do xdotool mousemove_relative -- 4 -2 sleep 0.1; done
during=$(cursor_pixels)
xdotool mouseup 1 sleep 0.2
after_release=$(cursor_pixels)
rest
dragged=$(shot panel-11-dragged)
[ "$during" -eq 0 ] || fail "the cursor shows while the board is dragged ($during pixels)"
[ "$after_release" -gt 0 ] || fail "the cursor did not come back after the drag"
board_differs "$before" "$dragged" || fail "dragging the move handle did not move the board"

quit
echo "panel: all checks passed (level ${first%.*}, $styles styles)"
