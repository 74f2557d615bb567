#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The audience screen with the real program under Xvfb: with two X screens the audience window
# covers the second one exactly and mirrors the meter while real key presses go to the
# operator's window; with one screen it is an ordinary window. With hidden scores, the Stage
# read back by OCR shows no digit of a hidden score during and after the turns, each F9
# (Reveal) shows one more, lowest first, and the operator's window shows them all the while.
# Usage: run_audience_e2e.sh OVATRON SHOT_PROBE
set -euo pipefail

ovatron="$1"
probe="$2"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool import xwininfo

# start_program NAME: the program, with folders of that name, set to open the audience screen.
start_program() {
  private_folders "$1"
  printf 'ShowAudienceScreen=1\nAudienceLook=%s\n' "$2" >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
  "$ovatron" >"$work/ovatron.log" 2>&1 &
  program=$!
  pids+=("$program")
  window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
    || fail "the operator's window did not appear"
}

# audience_window SCREEN: the id of the audience window on that X screen, or nothing.
audience_window() {
  for _ in $(seq 50); do
    found="$(DISPLAY="$display.$1" xdotool search --onlyvisible --name 'Audience Screen' 2>/dev/null | head -n1 || true)"
    [ -n "$found" ] && { echo "$found"; return; }
    sleep 0.1
  done
}

geometry() {  # geometry SCREEN WINDOW: "x y width height" of the window on the root
  DISPLAY="$display.$1" xwininfo -id "$2" | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}'
}

# --- Two screens -------------------------------------------------------------------------
start_display -screen 0 1600x1000x24 -screen 1 1280x720x24
start_program two Mirror
audience="$(audience_window 1)"
[ -n "$audience" ] || fail "no audience window on the second screen"
read -r ax ay aw ah < <(geometry 1 "$audience")
[ "$ax $ay $aw $ah" = "0 0 1280 720" ] || fail "the audience window is at $ax,$ay ${aw}x${ah}, not over the whole second screen"
echo "audience window covers screen 1: $ax,$ay ${aw}x${ah}"

# Real key presses go to the operator's window; the audience screen mirrors the meter.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
xdotool type --delay 50 "Ana"
xdotool key Return
sleep 0.3
xdotool keydown space
sleep 1.8
DISPLAY="$display.1" import -window root "$work/audience.png"
"$probe" "$work/audience.png" >"$work/audience.txt"
xdotool keyup space
echo "audience: $(tr '\n' ' ' <"$work/audience.txt")"
[ "$(value audience width)" = 1280 ] || fail "the audience screenshot is not of the second screen"
[ "$(value audience level_row)" -ge 0 ] && [ "$(value audience level_row)" -lt 180 ] \
  || fail "the audience screen does not show the level at the top (row $(value audience level_row))"
[ "$(value audience highlight_right)" -gt 20 ] || fail "the audience screen does not show the contestant's row"
# No menu on the audience screen: its top rows are all the meter's white background.
top="$(convert "$work/audience.png" -crop 300x20+560+0 +repage -format '%[fx:minima.intensity]' info:)"
[ "$top" = 1 ] || fail "the audience screen's top edge is not the meter's background (a menu bar?)"
# The operator typed into the operator's window, not into the audience's.
active="$(xdotool getactivewindow 2>/dev/null || true)"
[ "$active" = "$window" ] || fail "the operator's window lost the keyboard (active: $active)"
xdotool key F5
sleep 0.5
[ -z "$(DISPLAY="$display.1" xdotool search --onlyvisible --name 'Audience Screen' 2>/dev/null || true)" ] \
  || fail "F5 did not close the audience window"
kill "$program"; wait "$program" 2>/dev/null || true
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
pids=()

# --- One screen --------------------------------------------------------------------------
start_display -screen 0 1280x800x24
start_program one Stage
audience="$(audience_window 0)"
[ -n "$audience" ] || fail "no audience window with one screen"
read -r ax ay aw ah < <(geometry 0 "$audience")
{ [ "$aw" -lt 1280 ] && [ "$ah" -lt 800 ]; } || fail "with one screen the audience window is ${aw}x${ah}, not an ordinary window"
echo "one screen: an ordinary audience window of ${aw}x${ah} at $ax,$ay"
# The Stage look: a dark hall's background, the contestant's row in the current row's colour.
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"
xdotool type --delay 50 "Ana"
xdotool key Return
# Raised over the operator's window, which keeps the keyboard: a covered window shows nothing.
xdotool windowraise "$audience"
xdotool keydown space
sleep 1
import -window root -crop "${aw}x${ah}+${ax}+${ay}" +repage "$work/stage.png"
xdotool keyup space
corner="$(convert "$work/stage.png" -crop 4x4+0+0 +repage -format '%[fx:maxima.intensity]' info:)"
awk -v c="$corner" 'BEGIN { exit !(c < 0.15) }' || fail "the Stage look's background is not dark ($corner)"
current="$(convert "$work/stage.png" -fill black +opaque '#FFD54A' -format '%[fx:mean]' info:)"
awk -v c="$current" 'BEGIN { exit !(c > 0) }' || fail "the Stage look does not show the current contestant's row"
echo "Stage look: dark background, the current row drawn"
kill "$program"; wait "$program" 2>/dev/null || true
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
pids=()

# --- Hidden scores and their reveal on the Stage --------------------------------------------
require_tools tesseract curl
start_display -screen 0 1280x800x24 -screen 1 1280x720x24
private_folders hidden
port=$((20000 + RANDOM % 20000))
printf 'ShowAudienceScreen=1\nAudienceLook=Stage\nHideScores=1\nShowSummaryScreen=0\n' \
  >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
"$ovatron" --show-control "$port" >"$work/ovatron.log" 2>&1 &
program=$!
pids+=("$program")
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
  || fail "the operator's window did not appear"
[ -n "$(audience_window 1)" ] || fail "no audience window for the hidden scores"
token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
# state EXPRESSION: a Python expression over the program's state s, printed.
state() {
  curl -s --max-time 5 -H "Authorization: Bearer $token" "http://127.0.0.1:$port/api/state" |
    python3 -c "import json, sys; s = json.load(sys.stdin); print($1)"
}
# numbers_read PNG [negate]: every number tesseract reads in the picture, one a line; in black
# on white, as it reads best.
numbers_read() {
  convert "$1" -colorspace Gray ${2:+-negate} -threshold 55% "$work/ocr-in.png"
  tesseract "$work/ocr-in.png" - --psm 11 2>/dev/null | grep -oE '[0-9]+' || true
}
# The scale's own numbers say nothing of a score.
scale_number() { case "$1" in 0|20|40|60|80|100) return 0;; esac; return 1; }
stage_shot() { DISPLAY="$display.1" import -window root "$work/$1.png"; numbers_read "$work/$1.png" negate >"$work/$1.numbers"; }
operator_shot() { import -window "$window" "$work/$1.png"; numbers_read "$work/$1.png" >"$work/$1.numbers"; }
# shows SHOT SCORE: whether OCR read that score in the shot.
shows() { grep -qx "$2" "$work/$1.numbers"; }
# hides_all SHOT: no score still hidden is read in the shot.
hides_all() {
  for score in $(state "' '.join(str(r['score']) for r in s['table'] if r['name'] in s['hidden'])"); do
    scale_number "$score" && continue
    shows "$1" "$score" && fail "$1: the hidden score $score can be read on the Stage ($(tr '\n' ' ' <"$work/$1.numbers"))"
  done
  return 0
}
operator_keys() { xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus --sync "$window"; }

# Three turns with real keys, each held for its own time; the first shot in the middle of one.
operator_keys
for turn in "Ana 0.5" "Ben 0.9" "Cy 0.3"; do
  read -r name hold <<<"$turn"
  xdotool type --delay 50 "$name"
  xdotool key Return
  sleep 0.3
  xdotool keydown space
  sleep "$hold"
  xdotool keyup space
  sleep 0.5
  if [ "$name" = Ana ]; then
    stage_shot during
    hides_all during
    [ "$(state "s['hidden']")" = "['Ana']" ] || fail "the turn under way is not hidden: $(state "s['hidden']")"
  fi
  xdotool key Return
  for _ in $(seq 50); do [ "$(state "s['state']")" = name-entry ] && break; sleep 0.1; done
done
[ "$(state "sorted(s['hidden'])")" = "['Ana', 'Ben', 'Cy']" ] || fail "not every turn is hidden: $(state "s['hidden']")"
scores="$(state "' '.join(str(r['score']) for r in s['table'])")"
echo "hidden scores (best first): $scores"
stage_shot after
hides_all after
operator_shot operator
for score in $scores; do
  shows operator "$score" || fail "the operator's window does not show the score $score ($(tr '\n' ' ' <"$work/operator.numbers"))"
done
echo "Stage: no hidden score read during and after the turns; the operator's window shows $scores"

# Each F9 shows one more, lowest first; the last brings the winners' podium.
for press in 1 2 3; do
  before="$(state "' '.join(sorted(str(r['score']) for r in s['table'] if r['name'] in s['hidden']))")"
  lowest="$(state "min(r['score'] for r in s['table'] if r['name'] in s['hidden'])")"
  operator_keys
  xdotool key F9
  for _ in $(seq 50); do [ "$(state "len(s['hidden'])")" = $((3 - press)) ] && break; sleep 0.1; done
  [ "$(state "len(s['hidden'])")" = $((3 - press)) ] || fail "F9 number $press did not reveal one score"
  revealed="$(state "[r['score'] for r in s['table'] if r['name'] not in s['hidden']]")"
  state "min(r['score'] for r in s['table'] if r['name'] not in s['hidden']) <= $lowest and all(r['score'] >= $lowest for r in s['table'] if r['name'] in s['hidden'])" |
    grep -qx True || fail "F9 number $press did not reveal the lowest hidden score ($before)"
  # The last brings the podium with its confetti, which is over within 4 s.
  if [ "$press" -lt 3 ]; then sleep 0.5; else sleep 4.5; fi
  stage_shot "reveal$press"
  hides_all "reveal$press"
  scale_number "$lowest" || shows "reveal$press" "$lowest" \
    || fail "reveal $press: the revealed score $lowest is not read on the Stage ($(tr '\n' ' ' <"$work/reveal$press.numbers"))"
  echo "reveal $press: $lowest shows, still hidden: $(state "s['hidden']")"
done
[ "$(state "s['winners']")" = True ] || fail "the last reveal did not show the winners' podium"
operator_keys
xdotool key Escape
for _ in $(seq 50); do [ "$(state "s['winners']")" = False ] && break; sleep 0.1; done
[ "$(state "s['winners']")" = False ] || fail "Esc did not end the podium"
echo "1 passed, 0 failed"
