#!/usr/bin/env bash
# The Debian package: built, its dependencies derived, installed with dpkg into a throw-away root.
# The installed game: installed into a scratch prefix that is then made read-only, started by a
# player who may not write there (nobody), from a folder without Data. It finds its folder beside
# its executable; the player's files (the best time of a solved level, a saved game, the settings)
# land in $XDG_DATA_HOME/tallix-free, the prefix stays as installed, and a second start, by a
# player who may write in the prefix (an install into ~/.local), shows the "Saved" card and still
# leaves the prefix as installed. The installed desktop entry and metainfo validate.
source "$(dirname "$0")/../support/e2e.sh"

root=$(mktemp -d /tmp/tallix-install.XXXXXX)
chmod 755 "$root"  # the player may reach the prefix and the home folder in it
prefix="$root/prefix" home="$root/home" xdg="$root/xdg"
(cd "$root" && timeout -s KILL 60 cpack --config "$TALLIX_BUILD_DIR/CPackConfig.cmake" -B "$root/package" >/dev/null) \
  || fail "cpack made no package"
deb=$(echo "$root"/package/*.deb)
# Read whole before matching: grep -q leaves early and, under pipefail, the writer's SIGPIPE would fail the check.
info=$(dpkg-deb -I "$deb")
grep -q "^ Depends:.*libsdl2" <<<"$info" || fail "the package depends on no SDL2: $info"
mkdir -p "$root/throwaway/var/lib/dpkg/info" "$root/throwaway/var/lib/dpkg/updates"
touch "$root/throwaway/var/lib/dpkg/status"
dpkg --root="$root/throwaway" --force-depends -i "$deb" >/dev/null 2>&1 || fail "dpkg -i failed"
for f in usr/bin/tallix usr/share/games/tallix-free/Data/Levels/Recs.ini usr/share/applications/com.tallixfree.TallixFree.desktop \
         usr/share/metainfo/com.tallixfree.TallixFree.metainfo.xml usr/share/doc/tallix-free/fonts-copyright; do
  [ -f "$root/throwaway/$f" ] || fail "the package does not install $f"
done
echo "package: $(basename "$deb"), $(dpkg-deb -c "$deb" | wc -l) entries; $(grep '^ Depends:' <<<"$info")"
cmake --install "$TALLIX_BUILD_DIR" --prefix "$prefix" >/dev/null || fail "cmake --install failed"
desktop-file-validate "$prefix"/share/applications/*.desktop || fail "the desktop entry does not validate"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null || fail "the metainfo does not validate"
[ -f "$prefix/share/icons/hicolor/256x256/apps/com.tallixfree.TallixFree.png" ] || fail "no theme icon"
chmod -R a-w "$prefix"
installed=$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)
mkdir -p "$home" "$xdg"
chown nobody "$home" "$xdg"
printf '#!/bin/sh\nexec setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=%s XDG_DATA_HOME=%s %s\n' \
  "$home" "$xdg" "$prefix/bin/tallix" >"$root/player"
chmod +x "$root/player"
TALLIX_EXE="$root/player"
dir=$home
user="$xdg/tallix-free"

# Solve "01 Warm Up" from the keyboard (its best time goes to Recs.ini), then enter a digit in the
# second level and Retire (its saved game), then Esc (the settings).
launch
click_play
open_slot 0
move_view 0.5 0.05
xdotool key Home sleep 0.2 type --delay 150 7
xdotool key Right type --delay 150 9
xdotool key Down type --delay 150 7
xdotool key Left type --delay 150 2
xdotool key End type --delay 150 1
xdotool key Down type --delay 150 2
xdotool key Left type --delay 150 6
sleep 2
box_shown "$(shot install-01-medal)" || fail "no medal message in the installed game"
xdotool key Return sleep 0.4
open_slot 1
xdotool key Home sleep 0.2 type --delay 150 5
click_retire
quit
[ -f "$user/Data/Levels/02 Pebble.gsv" ] || fail "no saved game in the user folder"
[ -n "$(ini_get "$user/Data/Levels/Recs.ini" "01 Warm Up" User)" ] || fail "no best time in the user folder's Recs.ini"
[ -n "$(ini_get "$user/Data/Levels/Recs.ini" "60 Summit" Gold)" ] || fail "the user folder's Recs.ini lost the shipped limits"
[ -n "$(ini_get "$user/Settings.ini" GameSettings VisualStyle)" ] || fail "no settings in the user folder"
[ "$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)" = "$installed" ] || fail "the prefix changed"

chmod -R u+w "$prefix"
printf '#!/bin/sh\nexec env HOME=%s XDG_DATA_HOME=%s %s\n' "$home" "$xdg" "$prefix/bin/tallix" >"$root/player"
launch
click_play
saved=$(count_colour "$(shot install-02-second-start)" 0.38 0.41 0.46 0.375 'r>0.8 && g<0.5 && b<0.3 ? 1 : 0')
[ "$saved" -gt 5 ] || fail "a second start shows no \"Saved\" card ($saved pixels)"
quit
[ "$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)" = "$installed" ] || fail "a writable prefix took the player's files"
chmod -R u+w "$root"
rm -rf "$root"
echo "install: all checks passed"
