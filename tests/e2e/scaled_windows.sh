#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The windows at twice their size read as their 100 % pictures made larger: every screenshot of the
# screenshot tool taken at ratio 2, sampled at every second pixel, equals the one taken at ratio 1
# in at least 95 % of its pixels (the windows Qt draws for us, in an outline face, apart: their
# words read at 1, 2 and 3); every tile's symbol is at least 1.9 times as tall, its letters
# apart; and a ratio of 1.5 or 1.75 is drawn at 2, pixel for pixel, whether asked for by
# QT_SCALE_FACTOR, QT_SCREEN_SCALE_FACTORS or the X resource Xft.dpi. Run under an X server of its
# own that keeps its root window's properties between clients (-noreset).
#   scaled_windows.sh <window_screenshots executable>
set -euo pipefail
shots=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

for ratio in 1 2 1.5 3; do
  QT_SCALE_FACTOR=$ratio "$shots" "$work/$ratio" >/dev/null 2>&1
done
# the scale as desktops give it: per screen, and as the X resource Xft.dpi (144 dots per inch: 150 %)
QT_SCREEN_SCALE_FACTORS=1.75 "$shots" "$work/screen-1.75" >/dev/null 2>&1
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t144\n')"
"$shots" "$work/xft-144" >/dev/null 2>&1
xprop -root -remove RESOURCE_MANAGER

for one in "$work"/1/*.png; do
  name=$(basename "$one")
  # Qt's own windows are read below; printed pages are paper, the same at any scale
  case $name in qt-*|printed-*) continue ;; esac
  two="$work/2/$name"
  [ -f "$two" ] || { fail "$name: no picture at ratio 2"; continue; }
  if [ "$(identify -format '%wx%h' "$one")" != "$(convert "$two" -sample 50% -format '%wx%h' info:)" ]; then
    fail "$name: $(identify -format '%wx%h' "$two") at ratio 2 is not twice $(identify -format '%wx%h' "$one")"
    continue
  fi
  same=$(convert "$two" -sample 50% "$one" -compose difference -composite -threshold 0 -format '%[fx:1-mean]' info:)
  awk -v s="$same" 'BEGIN { exit !(s >= 0.95) }' || fail "$name: only $same of the pixels as at 100 %"
  echo "$name: $same of the pixels as at 100 %"
done

# every tile of the basic window: its ink at ratio 2 against ratio 1, and its letters apart
rows=(
  "H . . . . . . . . . . . . . . . . He"
  "Li Be . . . . . . . . . . B C N O F Ne"
  "Na Mg . . . . . . . . . . Al Si P S Cl Ar"
  "K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga Ge As Se Br Kr"
  "Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe"
  "Cs Ba . Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn"
  "Fr Ra . Rf Db Sg Bh Hs Mt Ds Rg . . . . . . ."
  ". . . La Ce Pr Nd Pm Sm Eu Gd Tb Dy Ho Er Tm Yb Lu"
  ". . . Ac Th Pa U Np Pu Am Cm Bk Cf Es Fm Md No Lr"
)
# the symbol's ink inside a tile: the red channel below a quarter (black letters on any tile colour)
ink() { convert "$1" -crop "$2" +repage -channel R -separate +channel -threshold 25% -negate "$3"; }
tiles=0
for r in "${!rows[@]}"; do
  read -ra cells <<< "${rows[$r]}"
  row=$((r + 1))
  top=$(( row <= 7 ? 80 + 40 * row : (row == 8 ? 408 : 448) ))
  for c in "${!cells[@]}"; do
    symbol=${cells[$c]}
    [ "$symbol" = "." ] && continue
    x=$((3 + 32 * (c + 1) + 3)); y=$((3 + top + 3))
    ink "$work/1/scheme-bez-kolorow.png" "26x34+$x+$y" "$work/one.png"
    ink "$work/2/scheme-bez-kolorow.png" "52x68+$((2 * x))+$((2 * y))" "$work/two.png"
    h1=$(convert "$work/one.png" -trim -format '%h' info: 2>/dev/null)
    h2=$(convert "$work/two.png" -trim -format '%h' info: 2>/dev/null)
    awk -v a="$h1" -v b="$h2" 'BEGIN { exit !(b >= 1.9 * a) }' || fail "$symbol: ink $h2 pixels tall at ratio 2, $h1 at 1"
    # the columns with ink, left to right: one run per letter
    runs=$(convert "$work/two.png" -scale 52x1! -threshold 0 txt:- | awk 'NR > 1 { ink = ($0 ~ /#FFFFFF/); if (ink && !was) n++; was = ink } END { print n + 0 }')
    [ "$runs" -eq "${#symbol}" ] || fail "$symbol: $runs runs of ink for ${#symbol} letters at ratio 2"
    tiles=$((tiles + 1))
  done
done
[ "$tiles" -eq 111 ] || fail "$tiles tiles looked at, not 111"
echo "tiles: $tiles looked at"

# the windows Qt draws for us read at every ratio: their words, read back by OCR (tesseract, Polish
# and English data), are there at 2 and 3 as at 1 (that picture magnified three times, as a reader
# would bring it nearer)
declare -A words=(
  [qt-file-dialog]="Look Files type Dokument Cancel Name Size"
  [qt-print-dialog]="Printer Name Properties Location Type Output Options"
  [qt-edit-menu]="Select All"
)
read_words() { tesseract "$1" - -l pol+eng 2>/dev/null | tr -cs '[:alnum:]ąćęłńóśźżĄĆĘŁŃÓŚŹŻ' '\n'; }
for name in "${!words[@]}"; do
  convert "$work/1/$name.png" -sample 300% "$work/$name-1.png"
  for ratio in 1 2 3; do
    picture=$work/$ratio/$name.png
    [ "$ratio" = 1 ] && picture=$work/$name-1.png
    read=$(read_words "$picture")
    for word in ${words[$name]}; do
      grep -qx -- "$word" <<< "$read" || fail "$name at ratio $ratio: \"$word\" does not read ($(tr '\n' ' ' <<< "$read" | head -c 200))"
    done
  done
  echo "$name: its words read at ratios 1, 2 and 3"
done

# a ratio of 1.5 or 1.75 is drawn at 2, however it is asked for
for asked in 1.5 screen-1.75 xft-144; do
  for name in main-window-expanded.png information-suiTabSheet4.png about.png; do
    differ=$(compare -metric AE "$work/$asked/$name" "$work/2/$name" null: 2>&1 || true)
    [ "$differ" = "0" ] || fail "$name: at $asked $differ pixels differ from ratio 2"
  done
done

[ "$failed" -eq 0 ] && echo "PASS"
exit "$failed"
