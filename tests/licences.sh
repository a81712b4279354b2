#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the tree names its licence in its first lines, the licence's text stands
# beside it, and the metadata says the same.
#   licences.sh <source folder>
set -euo pipefail
cd "$1"
missing=0
while IFS= read -r file; do
  case $file in
    assets/*|*/corpus/*) continue ;;
    *.cpp|*.h|*.sh|*.py|*.in|*.html|*.1|*CMakeLists.txt|scripts/*|.ci/run|debian/rules) ;;
    *) continue ;;
  esac
  if ! head -n 3 "$file" | grep -q "SPDX-License-Identifier: GPL-3.0-or-later"; then
    echo "no licence line: $file" >&2
    missing=1
  fi
done < <(git ls-files)
grep -q "GNU GENERAL PUBLIC LICENSE" COPYING && grep -q "Version 3, 29 June 2007" COPYING || { echo "COPYING is not the GPL 3" >&2; exit 1; }
grep -q "<project_license>GPL-3.0-or-later</project_license>" packaging/pl.morvane.ukladokresowy.metainfo.xml \
  || { echo "the metadata names another licence" >&2; exit 1; }
exit $missing
