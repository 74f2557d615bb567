#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The jury on their phones against the real program started with --show-control: five judges'
# pages in headless Chromium in a phone's size, each opened from her link, mark three
# contestants with the highest and lowest dropped; one phone offline for one contestant sends
# its mark once when the network returns; SIGKILL while a marking is open, then Resume, and
# every acknowledged mark is back and the pages mark on. The results are checked against a
# table of expected ones (tests/e2e/jury_check.py).
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
for _ in $(seq 100); do
  curl -s --max-time 2 "http://127.0.0.1:$devtools/json/version" >/dev/null 2>&1 && break
  sleep 0.2
done

"$python" "$check" marks "$port" "$token" "$devtools" "$work" || fail "marking"

# Killed while Cy's marking is open; the next start asks whether to resume, and Enter does.
kill -9 "$program"
wait "$program" 2>/dev/null || true
start_program '^Resume Event$'
xdotool key Return
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
  || fail "the main window did not appear after Resume"

"$python" "$check" resumed "$port" "$token" "$devtools" "$work" || fail "after the resume"
grep -q "$token" "$work/ovatron.log" && fail "the token is in the log"
echo "jury: all checks passed"
