#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Show control against the real program started with --show-control: the API over real
# sockets, the live WebSocket, headless Chromium's screenshot of the overlay and a tap on the
# phone remote's "Start Next" through the browser's DevTools protocol; with hidden scores, the
# overlay read back by OCR and the reveal through the API.
# Usage: run_show_control_e2e.sh OVATRON
set -euo pipefail
ovatron="$1"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool chromium tesseract convert
# Debian's python3-websocket belongs to the system's Python.
python=/usr/bin/python3
"$python" -c "import websocket" 2>/dev/null || { echo "skipped: missing python3-websocket"; exit 77; }

# Under AddressSanitizer, freed memory waits in a quarantine of 256 MiB before it is used
# again, so the program's resident memory would tell of what it freed long ago: with a small
# quarantine it tells what the attacks below make it keep.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=1"
fi

start_display
private_folders
port=$((20000 + RANDOM % 20000))
printf 'HideScores=1\n' >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
program_args=(--show-control "$port")
start_program
token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
[ "${#token}" = 32 ] || fail "no 128-bit token was made and stored"
grep -q "$token" "$work/ovatron.log" && fail "the token is in the log"

# A preload list whose first name starts at once; the others wait.
xdotool key alt+e
sleep 0.3
xdotool key e
timeout 10 xdotool search --sync --onlyvisible --name '^Edit League Table$' >/dev/null \
  || fail "the preload list did not open"
xdotool type --delay 60 "Ana"
xdotool key Return
xdotool type --delay 60 "Ben"
xdotool key Tab Return
sleep 0.5

"$python" "$(dirname "$0")/show_control_check.py" "$port" "$token" "$work" "$program" \
  || fail "show control check"
kill -0 "$program" || fail "the program did not keep running"
grep -q "$token" "$work/ovatron.log" && fail "the token is in the log"
echo "show control: all checks passed"
