#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The audience screen with the real program under Xvfb: with two X screens the audience window
# covers the second one exactly and mirrors the meter while real key presses go to the
# operator's window; with one screen it is an ordinary window.
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
echo "1 passed, 0 failed"
