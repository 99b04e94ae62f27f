#!/usr/bin/env bash
# A player's session: the menu links, the level pages, entering digits with the ring, solving the
# first level of the catalogue for a medal, and Retire leaving a saved game that the card offers
# back: YES restores it; in a second run CANCEL leaves it as it was. Checked by screenshots, pixel probes and the files left behind.
source "$(dirname "$0")/../support/e2e.sh"

play_workdir 7  # a second page
first=$(level_file 1); second=$(level_file 2)
# A stand-in browser and mail program that records what the game opens.
mkdir -p "$dir/.bin"
printf '#!/bin/sh\necho "$@" >>"%s/.opened"\n' "$dir" >"$dir/.bin/xdg-open"
chmod +x "$dir/.bin/xdg-open"
export PATH="$dir/.bin:$PATH"
launch

# ---- main menu: links ---------------------------------------------------------------------------

click_view 0.15 0.54   # Homepage
click_view 0.15 0.50   # Feedback
sleep 1
grep -qx 'https://www.tallixfree.com/?game' "$dir/.opened" || fail "Homepage did not open the home page: $(cat "$dir/.opened" 2>/dev/null)"
grep -qx 'mailto:feedback@tallixfree.com?subject=Tallix Free' "$dir/.opened" || fail "Feedback did not open the mail"

# ---- level pages: six cards, ">>" to the seventh, "<<" back ---------------------------------------

click_play
rest
page1=$(shot game-02-page1)
read -r r g b <<<"$(pixel "$page1" 0.65 0.16)"  # the card fill of slot 5, not the backdrop
[ "$r" -lt 120 ] || fail "no card at slot 5 on page 1 (pixel $r $g $b)"
click_view 0.965 0.385  # >>
rest
page2=$(shot game-03-page2)
differs "$page1" "$page2" 0.0 0.65 0.2 0.58 || fail "the caption did not change on page 2"
differs "$page1" "$page2" 0.13 0.63 0.88 0.12 || fail "page 2 shows the same cards"
click_view 0.065 0.385  # <<

# ---- the first level: digits, the medal --------------------------------------------------------

read_level "$dir/Data/Levels/$first"
open_slot 0
while read -r c r d; do enter_digit "$c" "$r" "$d"; done <<<"$solution"
rest
sleep 2
box_shown "$(shot game-07-medal)" || fail "no confirmation box after the last digit"
user=$(ini_get "$dir/Data/Levels/Recs.ini" "${first%.*}" User)
[ -n "$user" ] || fail "no best time for ${first%.*} in Recs.ini"
click_view 0.5 0.36     # OK
rest
after=$(shot game-08-after-medal)
differs "$page1" "$after" 0.37 0.37 0.62 0.12 && fail "the box is still open after OK, or the page changed"
differs "$page1" "$after" 0.16 0.41 0.29 0.375 || fail "the card shows no best time instead of --//--"

# ---- Retire with entries leaves a saved game, which the card offers back --------------------------

read_level "$dir/Data/Levels/$second"
open_slot 1
read -r c r d <<<"$(echo "$solution" | sed -n 1p)"
enter_digit "$c" "$r" "$d"
click_retire
rest
[ -f "$dir/Data/Levels/${second%.*}.gsv" ] || fail "Retire left no saved game for ${second%.*}"
# "Saved" in orange-red at the card's bottom left.
saved=$(count_colour "$(shot game-10-retired)" 0.38 0.41 0.46 0.375 'r>0.8 && g<0.5 && b<0.3 ? 1 : 0')
[ "$saved" -gt 5 ] || fail "the card shows no \"Saved\" mark ($saved pixels)"
open_slot 1
rest
box_shown "$(shot game-10b-offered)" || fail "opening a saved game asks nothing"
click_yes
rest
# The digit's blue in the cell (Classic draws digits in blue on white).
blue=$(count_colour "$(shot game-10c-resumed)" $(cell_rect "$c" "$r" -0.02 0.02 0.02 -0.02) 'b>0.5 && r<0.4 ? 1 : 0')
[ "$blue" -gt 20 ] || fail "YES did not bring the saved digit back ($blue blue pixels)"
quit  # a game with entries: saved again
kept=$(md5sum <"$dir/Data/Levels/${second%.*}.gsv")

# ---- a second run: CANCEL leaves the board empty and the saved game as it was ---------------------

launch
click_play
open_slot 1
box_shown "$(shot game-11-offered)" || fail "the second run does not offer the saved game"
click_cancel
rest
blue=$(count_colour "$(shot game-11-cancelled)" $(cell_rect "$c" "$r" -0.02 0.02 0.02 -0.02) 'b>0.5 && r<0.4 ? 1 : 0')
[ "$blue" -lt 5 ] || fail "CANCEL loaded the saved game"
quit
[ "$(md5sum <"$dir/Data/Levels/${second%.*}.gsv")" = "$kept" ] || fail "CANCEL and Esc changed the saved game"

echo "game: all checks passed (first level ${first%.*}, best time $user s)"
