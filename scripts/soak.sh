#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program under Xvfb and openbox for MINUTES with random operator actions:
# names of any script typed with xdotool, SPACE held for random lengths, Enter, Esc,
# Backspace, the context menu, full-screen toggles by double-click and the audience screen
# (F5). Every ten seconds it records the program's resident memory and checks that the
# program is alive and its window answers; a crash or a hang ends the run with a failure.
# Usage: soak.sh MINUTES [OVATRON]   (default: build/app/ovatron)
set -euo pipefail

top="$(cd "$(dirname "$0")/.." && pwd)"
minutes="${1:?usage: soak.sh MINUTES [OVATRON]}"
ovatron="${2:-$top/build/app/ovatron}"
[ -x "$ovatron" ] || { echo "no program at $ovatron (build it first)"; exit 1; }
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh installs it)"; exit 1; }
done

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; tail -n 20 "$work/ovatron.log" || true; exit 1; }

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1

"$ovatron" >"$work/ovatron.log" 2>&1 &
program=$!
pids+=("$program")
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
  || fail "the main window did not appear"

# Names as operators type and paste them: accents, other scripts, emoji, quotes, commas.
names=("Zoë" "李雷" "Ørjan Ås" "Анна-Мария" "محمد" "Nguyễn Văn" "O'Brien, Jr." '"Ace"'
       "🎤 Mic" "Ἀλέξανδρος" "  padded  " "a,b;c|d" "x" "Ünïcödé ñ")
pick() { echo $((RANDOM % $1)); }

act() {
  case $(pick 12) in
    0|1) xdotool type --delay 20 "${names[$(pick ${#names[@]})]}" ;;
    2|3) xdotool key Return ;;
    4) xdotool key Escape ;;
    5) xdotool key BackSpace ;;
    6|7) xdotool keydown space; sleep "0.$(pick 10)$(pick 10)"; xdotool keyup space ;;
    8) xdotool mousemove --window "$window" 200 200 click 3; sleep 0.3; xdotool key Escape ;;
    9) xdotool mousemove --window "$window" 300 300 click --repeat 2 --delay 80 1 ;;
    10) xdotool key F5 ;;
    11) xdotool windowactivate "$window" 2>/dev/null || true ;;
  esac
}

rss_kib() { sed -n 's/^VmRSS:[[:space:]]*\([0-9]*\).*/\1/p' "/proc/$program/status"; }

end=$((SECONDS + minutes * 60))
next_check=$SECONDS
actions=0
first_rss=""
max_rss=0
echo "seconds rss_kib actions"
while [ $SECONDS -lt $end ]; do
  kill -0 "$program" 2>/dev/null || fail "the program ended after $actions actions (crash)"
  if [ $SECONDS -ge $next_check ]; then
    timeout 10 xdotool search --name '^Ovatron$' >/dev/null || fail "no answer from the window (hang)"
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
kill -0 "$program" 2>/dev/null || fail "the program ended after $actions actions (crash)"
echo "soak: $minutes min, $actions actions, no crash, no hang; RSS first $first_rss kB, last $(rss_kib) kB, most $max_rss kB"
