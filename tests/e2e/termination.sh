#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built program always ends when it is asked to: closed by its close button while the table
# cannot be written back (the error told once, then the program ends), and asked by the system
# (SIGTERM, as a log-out asks) while the table cannot be written back or while an error box waits
# for an answer. "dane.dat" stays as it was every time. Run under an X server of its own.
#   termination.sh <folder of the built program>
set -euo pipefail
source_folder=$1
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
passed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }

# The id of the visible window whose name matches, waiting up to five seconds.
window() {
  for _ in $(seq 50); do
    local id
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
boxes() { xdotool search --onlyvisible --name '^Układ Okresowy$' 2>/dev/null | wc -l; }
# Whether the program ended within ten seconds.
ended() {
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || { wait "$pid" || true; pid=; return 0; }; sleep 0.1; done
  return 1
}
start() {
  "$work/program/UkladOkresowy" 2>"$work/stderr" & pid=$!
  main=$(window "^Układ Okresowy Pierwiastków") || fail "$1: the main window did not show"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  left=$X top=$Y width=$WIDTH
  sleep 0.5
}

cp -r "$source_folder"/. "$work/program"/
# a table of 110 records, which closing must write back as 111, in a file write-protected
head -c $((110 * 384)) "$source_folder/dane.dat" > "$work/program/dane.dat"
chmod 0444 "$work/program/dane.dat"
table=$(sha256sum < "$work/program/dane.dat")

start "closing"
xdotool mousemove $((left + width - 13)) $((top + 11)) click 1
window '^Układ Okresowy$' >/dev/null || fail "a close that cannot write the table said nothing"
xdotool key Return
ended || fail "after its error the program did not end"
[ "$(sha256sum < "$work/program/dane.dat")" = "$table" ] || fail "a failed close changed dane.dat"
pass "a close that cannot write the table back says so once and ends the program"

start "SIGTERM"
kill -TERM "$pid"
ended || fail "SIGTERM did not end a program whose table cannot be written back"
[ "$(sha256sum < "$work/program/dane.dat")" = "$table" ] || fail "SIGTERM changed dane.dat"
grep -q "File access denied" "$work/stderr" || fail "the failed save on SIGTERM was not reported on the standard error"
pass "SIGTERM ends a program whose table cannot be written back, the error on the standard error"

# a damaged figures' file, whose error box a tile's click opens
chmod 0644 "$work/program/dane.dat"
cp "$source_folder/dane.dat" "$work/program/dane.dat"
table=$(sha256sum < "$work/program/dane.dat")
printf '# damaged\nNa\t22.990\n' > "$work/program/Zbiory/wlasciwosci.txt"
start "SIGTERM beside a box"
xdotool mousemove $((left + 3 + 48)) $((top + 3 + 140)) click 1
window '^Układ Okresowy$' >/dev/null || fail "the damaged figures' file opened no error box"
kill -TERM "$pid"
ended || fail "SIGTERM did not end the program while an error box was open"
[ "$(sha256sum < "$work/program/dane.dat")" = "$table" ] || fail "SIGTERM beside a box changed dane.dat"
pass "SIGTERM ends the program while an error box waits for an answer"

echo "$passed passed, 0 failed"
