#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a school's administrator meets it: installed with apt on this machine, the
# installed program checked as the installation test checks a prefix (started by a user other than
# root), then purged, after which nothing of it may be left in the system's folders. Run as root on
# a machine without the package (CI).
#   debian_package.sh <.deb> <build folder, for the screenshot tool>
set -euo pipefail
deb=$(readlink -f "$1")
build=$(readlink -f "$2")
here=$(dirname "$(readlink -f "$0")")
fail() { echo "FAIL: $*" >&2; exit 1; }

[ "$(id -u)" = 0 ] || fail "installing a package needs root"
status() { dpkg-query -W -f='${db:Status-Status}' uklad-okresowy 2>/dev/null || echo not-installed; }
[ "$(status)" = not-installed ] || fail "the package is on this machine already ($(status)); purge it first"

export DEBIAN_FRONTEND=noninteractive
# what the package needs comes first, so that only the package's own files come and go after it
apt-get satisfy -y -qq --no-install-recommends "$(dpkg-deb -f "$deb" Depends)" >/dev/null \
  || fail "apt-get could not install what the package depends on"

# the system's folders, without the package manager's own records and the caches its triggers
# rebuild (icons, desktop entries, manual pages)
system_files() {
  find /usr /etc /opt /var/lib /var/opt -xdev \
       \( -path /var/lib/dpkg -o -path /var/lib/apt -o -path /var/lib/ucf -o -path /var/lib/systemd \) -prune \
       -o ! -name icon-theme.cache ! -name mimeinfo.cache -print 2>/dev/null | sort
}
before=$(mktemp) after=$(mktemp)
# a failing check still takes the package away again, so the next run finds the machine as it was
trap 'rm -f "$before" "$after"; [ "$(status)" = not-installed ] || apt-get purge -y -qq uklad-okresowy >/dev/null 2>&1' EXIT
system_files > "$before"

apt-get install -y -qq --no-install-recommends "$deb" >/dev/null || fail "apt-get could not install $deb"
[ "$(status)" = installed ] || fail "the package is not installed ($(status))"
command -v uklad-okresowy >/dev/null || fail "the launcher is not on the PATH"
grep -q '^Exec=uklad-okresowy$' /usr/share/applications/pl.morvane.ukladokresowy.desktop \
  || fail "the menu's entry does not start the launcher"

"$here/installed_program.sh" "$build" /usr || fail "the installed package"

apt-get purge -y -qq uklad-okresowy >/dev/null || fail "apt-get could not purge the package"
[ "$(status)" = not-installed ] || fail "the package is still on this machine ($(status))"
system_files > "$after"
if ! diff -u "$before" "$after" >&2; then fail "purging the package left the files above behind (+) or took others (-)"; fi
echo "installed with apt, the installation checked, purged leaving nothing behind"
