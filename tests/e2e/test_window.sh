#!/usr/bin/env bash
# The window, its size and the three ways out (Esc, a close request, SIGTERM), with the display
# settings written back. (The keys and bytes written: CApplicationTest.)
source "$(dirname "$0")/../support/e2e.sh"

client_size() { xwininfo -id "$wid" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w "x" h}'; }

# Defaults: no settings file; Esc ends the game with exit code 1.
dir=$(new_workdir)
launch
[ "$(client_size)" = "800x600" ] || fail "client area is $(client_size), not 800x600"
shot window-default >/dev/null
quit

# A close request from the window system and SIGTERM (to this game only) end it the same way.
for way in close term; do
  dir=$(new_workdir)
  start_game "$dir"
  wid=$(wait_window)
  case $way in
    close) "$TALLIX_XCLOSE" "$wid" || fail "cannot send the close request" ;;
    term) kill -TERM "$(game_pid "$dir")" ;;
  esac
  code=$(wait_exit "$dir")
  [ "$code" = 1 ] || fail "exit code after $way is $code, not 1"
  [ "$(ini_get "$dir/Settings.ini" System ShowFPS)" = 1 ] || fail "no ShowFPS after $way"
done

echo "window: all checks passed"
