#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a blind learner meets it: Orca, the desktop's screen reader, reads it through the
# accessibility bus and speaks through speech-dispatcher (espeak-ng, into libao's null device), while
# the learner drives it by keys alone (xdotool). A session bus, a runtime folder, a home and the
# settings of its own, so nothing of the machine's is read or changed; a copy of the program folder.
# Orca's debug log holds every line it speaks: orca_session.py waits on it, step by step.
# Run under an X server of its own (xvfb-run).
#   orca.sh <folder of the built program>
set -euo pipefail
work=$(mktemp -d)
trap 'pkill -u "$(id -u)" -f "$work/" 2>/dev/null || true; [ -n "${KEEP_ORCA_LOG:-}" ] && cp "$work/orca.log" "$KEEP_ORCA_LOG"; rm -rf "$work"' EXIT
cp -r "$1"/. "$work/program"/
table_before=$(sha256sum < "$work/program/dane.dat")

export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$XDG_CONFIG_HOME/UkladOkresowy" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# speech as a learner hears it, into a device that plays nothing
cp /etc/speech-dispatcher/modules/espeak-ng.conf "$XDG_CONFIG_HOME/speech-dispatcher/modules/"
cat > "$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<'CONF'
AudioOutputMethod "libao"
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "pl"
CONF
echo "default_driver=null" > "$HOME/.libao"
# a practice run of five questions chosen from four answers
printf 'zakres=1-20\nrodzaje=1,4\npytania=5\n' > "$XDG_CONFIG_HOME/UkladOkresowy/sprawdz-sie.conf"
# Orca's settings made afresh, as at a user's first start: speech on
mkdir -p "$work/orca"

dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/orca_session.py" "$work"
[ "$(sha256sum < "$work/program/dane.dat")" = "$table_before" ] || { echo "FAIL: dane.dat changed" >&2; exit 1; }
