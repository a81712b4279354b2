#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One version everywhere a release names it: the build, the package's changelog, the newest release
# of the AppStream metadata, the about window, the program's page and its manual pages; and one
# date: the changelog's, in the metadata's release and the manual pages' month.
#   release_version.sh <source folder> <version of the build>
set -euo pipefail
cd "$1"
version=$2
metainfo=packaging/pl.morvane.ukladokresowy.metainfo.xml
status=0
expect() {
  [ "$2" = "$3" ] || { echo "$1 says '$2' where the release says '$3'" >&2; status=1; }
}
expect debian/changelog "$(dpkg-parsechangelog -S Version)" "$version"
expect "the metadata's newest release" "$(grep -o '<release version="[^"]*"' $metainfo | head -1 | cut -d'"' -f2)" "$version"
expect "the about window" "$(grep -o 'Wersja [0-9.]*' src/info/AboutWindow.cpp | cut -d' ' -f2)" "$version"
# every version number the page gives
expect packaging/o-programie.html "$(grep -oE '[0-9]+\.[0-9]+\.[0-9]+' packaging/o-programie.html | sort -u | tr '\n' ' ')" "$version "

changed=$(dpkg-parsechangelog -S Date)
date=$(date -u -d "$changed" +%F)
grep -q "<release version=\"$version\" date=\"$date\"" $metainfo \
  || { echo "the metadata's release is not dated $date as the changelog" >&2; status=1; }
expect packaging/uklad-okresowy.1 "$(sed -n 's/^\.TH [^"]*"\([^"]*\)" "\([^"]*\)".*/\1, \2/p' packaging/uklad-okresowy.1)" \
  "$(LC_ALL=C date -u -d "$changed" +'%B %Y'), uklad-okresowy $version"
expect packaging/uklad-okresowy.pl.1 "$(sed -n 's/^\.TH [^"]*"\([^"]*\)" "\([^"]*\)".*/\1, \2/p' packaging/uklad-okresowy.pl.1)" \
  "$(LC_ALL=pl_PL.UTF-8 date -u -d "$changed" +'%OB %Y'), uklad-okresowy $version"
exit $status
