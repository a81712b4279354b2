#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole ratio a desktop's scale rounds to is used only where the main window fits the work area
# at it: at 150 % (Xft.dpi 144) on a work area of 1920 × 1040 (a full-HD screen with a panel) the
# program is drawn at 1, on one of 2560 × 1400 at 2; either way the main window lies inside the work
# area, its title bar in sight. The desktop is simulated on the root window as a window manager
# announces it (_NET_SUPPORTED naming _NET_WORKAREA). Run under an X server of its own with a screen
# larger than either work area, which keeps its root window's properties between clients (-noreset).
#   work_area.sh <folder of the built program>
set -euo pipefail
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cp -r "$1"/. "$work"/

xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t144\n')"
xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED _NET_WORKAREA
for case in "1920 1040 639" "2560 1400 1278"; do
  read -r width height drawn <<< "$case"
  xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, $width, $height"
  "$work/UkladOkresowy" & pid=$!
  main=
  for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name "^Układ Okresowy Pierwiastków" 2>/dev/null | head -1 || true)
    [ -n "$main" ] && break
    sleep 0.1
  done
  [ -n "$main" ] || fail "$width × $height: the main window did not show"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  [ "$WIDTH" = "$drawn" ] || fail "$width × $height at 144 dpi: the main window is $WIDTH wide, not $drawn"
  [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] && [ $((X + WIDTH)) -le "$width" ] && [ $((Y + HEIGHT)) -le "$height" ] \
    || fail "$width × $height: the main window at $X,$Y ${WIDTH}×$HEIGHT leaves the work area"
  echo "PASS: a work area of $width × $height at 144 dpi: the main window ${WIDTH}×$HEIGHT at $X,$Y"
  kill -TERM "$pid"
  wait "$pid" || true
  pid=
done
