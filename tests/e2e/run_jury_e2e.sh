#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Five judges' phones (headless Chromium) against the real program with --show-control: the
# marks of three contestants, one phone offline for a while, SIGKILL while a marking is open and
# Resume, every result checked against the expected ones (tests/e2e/jury_check.py).
# Usage: run_jury_e2e.sh OVATRON
set -euo pipefail
ovatron="$1"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool chromium
python=/usr/bin/python3
"$python" -c "import websocket" 2>/dev/null || { echo "skipped: missing python3-websocket"; exit 77; }
check="$(dirname "$0")/jury_check.py"

start_display
private_folders
port=$((20000 + RANDOM % 20000))
devtools=$((port + 1))
program_args=(--show-control "$port")
start_program
token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
[ "${#token}" = 32 ] || fail "no token was stored"

chromium --headless=new --no-sandbox --disable-gpu --hide-scrollbars \
  --remote-debugging-port="$devtools" --user-data-dir="$work/chromium" about:blank \
  >"$work/chromium.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do curl -s --max-time 2 "http://127.0.0.1:$devtools/json" >/dev/null && break; sleep 0.2; done

"$python" "$check" marks "$port" "$token" "$devtools" "$work" || fail "marking"

# Killed while Cy's marking is open; the next start asks whether to resume, and Enter does.
kill -9 "$program"
wait "$program" 2>/dev/null || true
start_program '^Resume Event$'
xdotool key Return
# Searched again while the question's window goes, which a search may trip over.
for _ in $(seq 100); do
  window="$(xdotool search --onlyvisible --name '^Ovatron$' 2>/dev/null | head -n1)" || true
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "the main window did not appear after Resume"

"$python" "$check" resumed "$port" "$token" "$devtools" "$work" || fail "after the resume"
grep -q "$token" "$work/ovatron.log" && fail "the token is in the log"
echo "jury: all checks passed"
