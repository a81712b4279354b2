#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installation as a desktop and a user meet it: every file in its place, the desktop entry
# and the AppStream metadata valid, and the installed program, read-only and run by another user
# (when the test runs as root), starting under a Polish and a plain locale and ending on the
# system's request, every window and view shown over it, and "dane.dat" untouched. Without a
# prefix it installs the build into a fresh one first; with one it checks what is installed there
# (a package's files, owned by root).
#   installed_program.sh <build folder> [installed prefix]
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ $# -ge 2 ]; then
  prefix=$2
else
  prefix=$(mktemp -d)
  trap 'rm -rf "$prefix"' EXIT
  cmake --install "$build" --prefix "$prefix" >/dev/null
  # as a package would leave it: owned by root where the test is root, or else read-only
  if [ "$(id -u)" = 0 ]; then
    chown -R root:root "$prefix"
    chmod -R u+rwX,go+rX,go-w "$prefix"
  else
    chmod -R a-w "$prefix/lib/uklad-okresowy"
  fi
fi
app=pl.morvane.ukladokresowy
program=$prefix/lib/uklad-okresowy
files=(bin/uklad-okresowy lib/uklad-okresowy/UkladOkresowy lib/uklad-okresowy/dane.dat
       "lib/uklad-okresowy/Zbiory/!konfielekt.txt" lib/uklad-okresowy/Zbiory/opis_026_Fe.rtf
       lib/uklad-okresowy/Zbiory/Rysunki/krysztal_026_Fe.jpg lib/uklad-okresowy/o-programie.html
       share/applications/$app.desktop share/metainfo/$app.metainfo.xml
       share/icons/hicolor/scalable/apps/$app.svg
       share/doc/uklad-okresowy/README.md share/doc/uklad-okresowy/README.data
       share/doc/uklad-okresowy/screenshots/uklad-okresowy.png
       share/man/man1/uklad-okresowy.1 share/man/pl/man1/uklad-okresowy.1)
for size in 16 32 48 64 128 256; do files+=("share/icons/hicolor/${size}x${size}/apps/$app.png"); done
for file in "${files[@]}"; do
  [ -e "$prefix/$file" ] && continue
  # a package keeps its manual pages and longer documents compressed
  case $file in share/man/*|share/doc/*) [ -e "$prefix/$file.gz" ] && continue ;; esac
  fail "the installation lacks $file"
done
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "the desktop entry is not valid"
report=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app.metainfo.xml" 2>&1) \
  || fail "the AppStream metadata is not valid: $report"
# even the pedantic remarks count, but one: Debian 12's AppStream (0.16) predates <developer>
remarks=$(grep -E '^[EWIP]: ' <<<"$report" | grep -v ': unknown-tag developer$' || true)
[ -z "$remarks" ] || fail "the AppStream metadata: $remarks"
# the catalogue a software centre reads, composed from the installation as a distribution composes
# it: the release notes in English and in Polish, item by item
catalog=$(mktemp -d)
mkdir "$catalog/root" && ln -s "$prefix" "$catalog/root/usr"
appstreamcli compose --origin=check --result-root="$catalog/out" "$catalog/root" >/dev/null 2>&1 \
  || fail "the AppStream catalogue cannot be composed"
# (an installed package's prefix is /usr, whose catalogue holds other programs too: ours only)
notes=$(zcat "$catalog/out/usr/share/swcatalog/xml/check.xml.gz" | python3 -c '
import sys, xml.etree.ElementTree as tree
lang = "{http://www.w3.org/XML/1998/namespace}lang"
ours = [c for c in tree.parse(sys.stdin).getroot().iter("component") if c.findtext("id") == sys.argv[1]]
for release in (r for c in ours for r in c.iter("release")):
    for description in release.findall("description"):
        items = [li.text for ul in description.iter("ul") for li in ul.findall("li")]
        empty = sum(1 for ul in description.iter("ul") if len(ul) == 0)
        print(description.get(lang, "en"), len(items), "empty lists:", empty)
' "$app")
[ "$notes" = $'en 5 empty lists: 0\npl 5 empty lists: 0' ] || fail "the composed catalogue's release notes: $notes"
rm -rf "$catalog"

state() { stat -c '%s %Y' "$program/dane.dat"; sha256sum < "$program/dane.dat"; }
before=$(state)
if [ "$(id -u)" = 0 ]; then
  runner=(runuser -u nobody --)
else
  runner=()
fi

# Starts the installed program, waits for its main window, asks it to end as a log-out would, and
# gives it a few seconds to close.
run_once() {
  xvfb-run -a -s "-noreset -screen 0 1024x768x24" sh -c '
    "$1" & pid=$!
    shown=no
    for i in $(seq 100); do
      if LC_ALL=C.UTF-8 xwininfo -root -tree | grep -q "autor: Morvane"; then shown=yes; break; fi
      sleep 0.1
    done
    sleep 0.5
    # an error box at start-up (a data file it could not read) shows under the bare program name
    for id in $(LC_ALL=C.UTF-8 xwininfo -root -tree | grep "\"Układ Okresowy\"" | awk "{print \$1}"); do
      if xwininfo -id "$id" | grep -q IsViewable; then shown=error; fi
    done
    kill -TERM $pid
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then kill -KILL $pid; echo "the program did not end" >&2; exit 4; fi
    wait $pid || { echo "the program ended with status $?" >&2; exit 5; }
    [ $shown = error ] && { echo "the program reported an error at start-up" >&2; exit 6; }
    [ $shown = yes ] || { echo "the main window never showed" >&2; exit 3; }
  ' sh "$prefix/bin/uklad-okresowy"
}
for lang in pl_PL.UTF-8 C; do
  "${runner[@]}" env LANG=$lang LC_ALL=$lang HOME=/tmp bash -c "$(declare -f run_once); prefix='$prefix'; run_once" \
    || fail "the installed program under LANG=$lang"
done
# every window and view over the read-only program folder, by the screenshot tool of the build
shots=$(mktemp -d)
chmod 777 "$shots"
"${runner[@]}" env HOME=/tmp xvfb-run -a -s "-noreset -screen 0 1280x1024x24" \
  "$build/tools/screenshots/window_screenshots" "$shots" "$program/" >/dev/null 2>&1 \
  || fail "a window or view over the read-only installation"
rm -rf "$shots"
[ "$(state)" = "$before" ] || fail "dane.dat changed"
echo "installed, validated, run read-only under pl_PL.UTF-8 and C, every window shown"
