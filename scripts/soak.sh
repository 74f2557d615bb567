#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program under Xvfb and openbox for MINUTES with random operator actions:
# names of any script typed with xdotool, SPACE held for random lengths, Enter, Esc,
# Backspace, the context menu, full-screen toggles by double-click, the audience screen (F5),
# the preload dialog (names typed, then OK or Esc), and the microphone switched on and off
# against a sound server of the script's own while bursts of noise play into it.
# Every ten seconds it records the program's resident memory and checks that the program is
# alive and its window answers; a crash or a hang ends the run with a failure. At the end the
# program must close within ten seconds, and the script reports the largest gap between two
# ticks of the meter's clock (the program logs each new largest one).
# Usage: soak.sh MINUTES [OVATRON]   (default: build/app/ovatron)
set -euo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
minutes="${1:?usage: soak.sh MINUTES [OVATRON]}"
ovatron="${2:-$top/build/app/ovatron}"
[ -x "$ovatron" ] || { echo "no program at $ovatron (build it first)"; exit 1; }
source "$top/tests/support/x-session.sh"
require_tools Xvfb openbox xdotool pulseaudio pactl paplay sox
start_display
private_folders
# The microphone is switched on and off against a sound server of our own.
start_sound_server
# The program reports each new largest gap between two ticks of its clock.
export QT_LOGGING_RULES="ovatron.ticks.info=true"
sox -n -r 48000 -c 1 "$work/noise.wav" synth 2 pinknoise vol 0.3

# A crash leaves a core in the work folder, and its backtrace goes into the report.
ulimit -c unlimited 2>/dev/null || true
launch() {
  (cd "$work" && exec "$ovatron" >>"$work/ovatron.log" 2>&1) &
  program=$!
  pids+=("$program")
  window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
    || fail "the main window did not appear"
}
launch

# Names as operators type and paste them: accents, other scripts, emoji, quotes, commas.
names=("Zoë" "李雷" "Ørjan Ås" "Анна-Мария" "محمد" "Nguyễn Văn" "O'Brien, Jr." '"Ace"'
       "🎤 Mic" "Ἀλέξανδρος" "  padded  " "a,b;c|d" "Q" "Ünïcödé ñ")
pick() { echo $((RANDOM % $1)); }

act() {
  case $(pick 15) in
    0|1) xdotool type --delay 20 "${names[$(pick ${#names[@]})]}" ;;
    2|3) xdotool key Return ;;
    4) xdotool key Escape ;;
    5) xdotool key BackSpace ;;
    6|7) xdotool keydown space; sleep "0.$(pick 10)$(pick 10)"; xdotool keyup space ;;
    8) xdotool mousemove --window "$window" 200 200 click 3; sleep 0.3; xdotool key Escape ;;
    9) xdotool mousemove --window "$window" 300 300 click --repeat 2 --delay 80 1 ;;
    10) xdotool key F5 ;;
    11) xdotool windowactivate "$window" 2>/dev/null || true ;;
    12) xdotool key alt+e; sleep 0.2; xdotool key w ;;
    13) paplay --device=hall "$work/noise.wav" & ;;
    14) xdotool key alt+e; sleep 0.2; xdotool key e; sleep 0.5
        for _ in $(seq "$(pick 4)"); do
          xdotool type --delay 20 "${names[$(pick ${#names[@]})]}"; xdotool key Return
        done
        if [ "$(pick 2)" = 0 ]; then xdotool key Tab Return; else xdotool key Escape; fi ;;
  esac
}

# ended: the program is gone. A clean exit is an operator's choice (a letter typed while a
# menu was still open can pick its Exit): it is counted and the program starts again. Anything
# else fails the run, saying how the program ended and, for a crash, where.
restarts=0
ended() {
  local status=0
  wait "$program" || status=$?
  if [ "$status" = 0 ]; then
    restarts=$((restarts + 1))
    echo "$SECONDS: the program was closed by the actions (exit status 0); started again"
    launch
    return
  fi
  local how="exit status $status"
  [ "$status" -gt 128 ] && how="signal $(kill -l $((status - 128)))"
  local core
  core="$(ls "$work"/core* 2>/dev/null | head -n1 || true)"
  if [ -n "$core" ] && command -v gdb >/dev/null; then
    gdb -batch -ex "thread apply all bt 20" "$ovatron" "$core" 2>/dev/null | grep -E '^#|^Thread' | head -n 80
  fi
  fail "the program ended after $actions actions ($how)"
}

# answers: the window is found. xdotool's search walks every window, and one that closes
# meanwhile (a menu, a dialog) fails that walk, so a single failure proves nothing.
answers() {
  for _ in 1 2 3; do
    timeout 10 xdotool search --name '^Ovatron$' >/dev/null 2>&1 && return 0
    sleep 1
  done
  return 1
}

rss_kib() { sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\).*/\1/p' "/proc/$program/status"; }

end=$((SECONDS + minutes * 60))
next_check=$SECONDS
actions=0
first_rss=""
max_rss=0
echo "seconds rss_kib actions"
while [ $SECONDS -lt $end ]; do
  kill -0 "$program" 2>/dev/null || ended
  if [ $SECONDS -ge $next_check ]; then
    answers || fail "no answer from the window (hang)"
    rss="$(rss_kib)"
    first_rss="${first_rss:-$rss}"
    [ "$rss" -gt "$max_rss" ] && max_rss="$rss"
    echo "$SECONDS $rss $actions"
    next_check=$((SECONDS + 10))
  fi
  act
  actions=$((actions + 1))
  sleep 0.05
done
kill -0 "$program" 2>/dev/null || ended
last_rss="$(rss_kib)"
# A dialog or menu left open by the last action goes first; then the window closes as the
# operator closes it, which only a program whose event loop still runs can do.
xdotool key Escape Escape
close_window
await_end "within ten seconds of closing (hang)"
[ "$program_status" = 0 ] || fail "the program ended with exit status $program_status when closed"
gap="$(sed -n 's/.*largest tick gap so far: \([0-9]*\) ms.*/\1/p' "$work/ovatron.log" | sort -n | tail -n1)"
echo "soak: $minutes min, $actions actions, no crash, no hang, $restarts closed by the actions; RSS first $first_rss kB, last $last_rss kB, most $max_rss kB; largest tick gap ${gap:-?} ms"
