#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program driven only as a learner drives it: through the X server's keyboard and mouse
# (XTest, by xdotool), reading back what the screen shows. Run under an X server of its own
# (xvfb-run), on a copy of the program folder, so the shipped data is never touched.
#   real_input.sh <folder of the built program>
set -euo pipefail
source_folder=$1
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
passed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }

cp -r "$source_folder"/. "$work"/
table_before=$(sha256sum < "$work/dane.dat")
# the learner's choices kept in a folder of this run's own: the table of dane.dat at first
export XDG_CONFIG_HOME=$work/configuration
mkdir -p "$XDG_CONFIG_HOME/UkladOkresowy"
echo "pierwiastki-112-118=0" > "$XDG_CONFIG_HOME/UkladOkresowy/widok.conf"

# The id of the visible window whose name starts with the text, waiting up to five seconds.
window() {
  for _ in $(seq 50); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
settle() { sleep 0.4; }

# a desktop's opener that only notes what it was asked to open
mkdir "$work/opener"
printf '#!/bin/sh\necho "$@" > "%s/opened"\n' "$work" > "$work/opener/xdg-open"
chmod +x "$work/opener/xdg-open"
PATH=$work/opener:$PATH "$work/UkladOkresowy" & pid=$!
main=$(window "Układ Okresowy Pierwiastków") || fail "the main window did not show"
eval "$(xdotool getwindowgeometry --shell "$main")"
left=$X top=$Y width=$WIDTH
# Where things stand on the main window: its form surface starts inside the 3-pixel frame.
at() { echo $((left + 3 + $1)) $((top + 3 + $2)); }
click() { xdotool mousemove $(at "$1" "$2") click 1; settle; }
tile_top() { case $1 in 8) echo 408 ;; 9) echo 448 ;; *) echo $((80 + 40 * $1)) ;; esac; }
# Whether a tile shows the colour ("RRGGBB") below its caption within five seconds.
tile_shows() {
  local x y
  read -r x y < <(at $((32 * $1 + 6)) $(($(tile_top "$2") + 34)))
  for _ in $(seq 10); do
    import -window root "$work/screen.png"
    [ "$(convert "$work/screen.png" -format "%[hex:p{$x,$y}]" info: | cut -c1-6)" = "$3" ] && return 0
    sleep 0.5
  done
  return 1
}
# The information window put aside, so the table shows whole.
information_aside() {
  local id
  id=$(window "Informacje o pierwiastku") || fail "$1: no information window"
  xdotool windowmove "$id" 0 0
  settle
}
search() {
  click 48 514
  xdotool key ctrl+a
  xdotool type --delay 30 "$1"
  xdotool key "${2:-Return}"
  settle
}

# a tile clicked shows its element's information
click $((32 * 1 + 16)) $(($(tile_top 3) + 20))
information_aside "a click on Na"
tile_shows 1 3 C80000 || fail "the clicked tile of Na is not marked"
pass "a click on a tile shows the information window and marks the tile"

# Enter after a text that names nothing says so
search Xyzzy
window "Informacja( |\$)" >/dev/null || fail "Enter after Xyzzy showed no message"
xdotool key Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name "^Informacja( |\$)" >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name "^Informacja( |\$)" >/dev/null 2>&1 && fail "the message did not close on Enter"
pass "Enter after Xyzzy shows \"Informacja\""

# symbols typed in small letters find their own elements, whatever the completion proposes
for case in "fe 8 4" "c 14 2" "as 15 4" "te 16 5" "s 16 3" "k 1 4" "f 17 2"; do
  read -r typed column row <<< "$case"
  search "$typed"
  information_aside "$typed"
  tile_shows "$column" "$row" C80000 || fail "\"$typed\" with Enter did not mark its element"
done
pass "fe, c, as, te, s, k and f with Enter find their own elements"

# "Pierwiastki 112–118" from "Widok" by its letter: oganeson's tile, the search by "Tenes", and the
# arrow from roentgenium to copernicium
main_window_active() { xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"; settle; }
main_window_active
xdotool key alt+w; settle
xdotool key i; settle
grep -q "pierwiastki-112-118=1" "$XDG_CONFIG_HOME/UkladOkresowy/widok.conf" || fail "\"Pierwiastki 112–118\" was not turned on and remembered"
click $((32 * 18 + 16)) $(($(tile_top 7) + 20))
information_aside "a click on Og"
tile_shows 18 7 C80000 || fail "the clicked tile of Og is not marked"
main_window_active
search Tenes
information_aside "Tenes"
tile_shows 17 7 C80000 || fail "\"Tenes\" with Enter did not mark tennessine"
main_window_active
click $((32 * 11 + 16)) $(($(tile_top 7) + 20))
main_window_active
click 48 514
xdotool key Tab; settle
xdotool key Tab; settle
xdotool key Right; settle
xdotool key Return; settle
information_aside "Right from Rg"
tile_shows 12 7 C80000 || fail "Right from Rg and Enter did not show copernicium"
pass "\"Pierwiastki 112–118\": Og's tile, the search \"Tenes\" and the arrow from Rg to Cn"

# "Pomoc", "Informacje o programie", and the link under the emblem opens the program's own page
click 248 40
click 290 62
about=$(window "Informacje o programie") || fail "\"Pomoc\" did not open the about window"
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove $((X + 3 + 40)) $((Y + 3 + 310)) click 1
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
[ "$(cat "$work/opened" 2>/dev/null)" = "file://$work/o-programie.html" ] \
  || fail "the about window's link opened \"$(cat "$work/opened" 2>/dev/null)\", not the program's page"
[ -s "$work/o-programie.html" ] || fail "the program's page is not beside the program"
xdotool key Escape
for _ in $(seq 50); do xdotool search --onlyvisible --name "^Informacje o programie" >/dev/null 2>&1 || break; sleep 0.1; done
pass "the about window's link opens the program's page beside it"

# the menu from the keyboard: F10, to "Widok", down to "Wizualizacja 3D"
click 300 90
xdotool key F10; settle
xdotool key Right; settle
xdotool key Down; settle
xdotool key Up; settle
xdotool key Return
window "Przestrzenny model atomu" >/dev/null || fail "F10 and the arrow keys did not open the 3D window"
pass "F10 and the arrow keys open \"Wizualizacja 3D\""

# the close button of the main window ends the program and leaves the table as it was
xdotool mousemove $((left + width - 13)) $((top + 11)) click 1
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "closing the main window did not end the program"
wait "$pid" || fail "the program ended with status $?"
pid=
[ "$(sha256sum < "$work/dane.dat")" = "$table_before" ] || fail "closing the main window changed dane.dat"
pass "closing the main window ends the program and leaves dane.dat unchanged"

echo "$passed passed, 0 failed"
