#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One version everywhere a release names it: the build, the package's changelog, the newest release
# of the AppStream metadata, the program's page and its manual pages.
#   release_version.sh <source folder> <version of the build>
set -euo pipefail
cd "$1"
version=$2
status=0
expect() {
  [ "$2" = "$version" ] || { echo "$1 names version '$2', the build $version" >&2; status=1; }
}
expect debian/changelog "$(dpkg-parsechangelog -S Version)"
expect "the metadata's newest release" \
  "$(grep -o '<release version="[^"]*"' packaging/pl.morvane.ukladokresowy.metainfo.xml | head -1 | cut -d'"' -f2)"
expect packaging/o-programie.html "$(grep -o 'Wersja <strong>[^<]*' packaging/o-programie.html | sed 's/.*>//')"
for page in packaging/uklad-okresowy.1 packaging/uklad-okresowy.pl.1; do
  expect "$page" "$(grep -o '"uklad-okresowy [^"]*"' "$page" | cut -d' ' -f2 | tr -d '"')"
done
# the release's date is the changelog's
date=$(date -u -d "$(dpkg-parsechangelog -S Date)" +%F)
grep -q "<release version=\"$version\" date=\"$date\"" packaging/pl.morvane.ukladokresowy.metainfo.xml \
  || { echo "the metadata's release is not dated $date as the changelog" >&2; status=1; }
exit $status
