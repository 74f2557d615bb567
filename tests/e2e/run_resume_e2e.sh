#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Results survive a crash: the real program under Xvfb, real key presses, killed with SIGKILL
# in the middle of a turn, after a rename and a removal; the next start (with --show-control, which
# answers while the question is open) offers "Resume Event", Enter accepts it, and the
# league table comes back as the screen showed it before the kill. Then the export from the
# command line finds every contestant, including a name typed with accents, the renamed one under
# its new name and not the removed one.
# Usage: run_resume_e2e.sh OVATRON
set -euo pipefail

ovatron="$1"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool import convert compare
x_session_signal=KILL
start_display
private_folders
export LANG=C.UTF-8
# A fixed placement, so that the table stands at the same place in both runs.
printf 'xpos=40\nypos=40\nwidth=1000\nheight=600\nstate=1\n' >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"

# The league table's text, as a black-and-white mask: colour differs (the current contestant
# is blue while measuring), the letters and digits must not.
table_mask() {
  import -window "$window" "$work/$1.png"
  convert "$work/$1.png" -crop 420x200+560+0 +repage -colorspace Gray -threshold 80% "$work/$1-mask.png"
}

turn() {  # turn NAME SECONDS: a contestant applauded for so long, the turn left open
  xdotool type --delay 120 "$1"
  xdotool key Return
  sleep 0.3
  xdotool keydown space
  sleep "$2"
  xdotool keyup space
}

start_program '^Ovatron$'
turn "Zoë Müller" 1.6
xdotool key Escape
turn "Bem" 0.5
xdotool key Escape
# A name typed wrong, mended: F2 edits the contestant measured last.
xdotool key F2 BackSpace
xdotool type --delay 120 "n"
xdotool key Return
# A contestant started by mistake, removed: Delete asks, Enter takes "Remove".
turn "Oops" 0.1
xdotool key Escape
xdotool key Delete
sleep 0.5
xdotool key Return
sleep 0.3
turn "Cal" 0.1
sleep 0.5   # the peak has stopped rising; the turn is still under way
table_mask before
kill -9 "$program"
wait "$program" 2>/dev/null || true

# Show control answers while the question waits: the remote is up when it is needed most.
port=$((20000 + RANDOM % 20000))
program_args=(--show-control "$port")
start_program '^Resume Event$'
token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
answered="$(python3 - "$port" "$token" <<'PY'
import sys, time, urllib.request
for _ in range(50):
    try:
        asked = urllib.request.Request(f"http://127.0.0.1:{sys.argv[1]}/api/state",
                                       headers={"Authorization": "Bearer " + sys.argv[2]})
        print(urllib.request.urlopen(asked, timeout=5).status)
        break
    except OSError as refused:
        time.sleep(0.2)
else:
    print("no answer")
PY
)"
[ "$answered" = 200 ] || fail "show control did not answer while the resume question was open ($answered)"
xdotool key Return   # "Resume" is the default
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
  || fail "the main window did not appear after Resume"
# The resumed table, once drawn: a busy machine may take a while to paint it.
for _ in $(seq 25); do
  sleep 0.2
  table_mask after
  differing="$(compare -metric AE "$work/before-mask.png" "$work/after-mask.png" null: 2>&1 || true)"
  [ "${differing%% *}" -le 20 ] 2>/dev/null && break
done
ink="$(convert "$work/before-mask.png" -negate -format '%[fx:round(mean*w*h)]' info:)"
echo "league table before the kill and after resuming: $differing of $ink text pixels differ"
# Blue and black letters anti-alias a little differently; one digit more or less would change
# far more than this.
[ "$ink" -gt 200 ] || fail "no league table on the screen before the kill"
[ "$differing" -le 20 ] || fail "the resumed league table differs from the one shown before the kill"

# A clean exit, then the export sees every contestant with a score.
stop_program
"$ovatron" --export "$work/results.csv" || fail "the export failed"
cat "$work/results.csv"
grep -q '^1,Zoë Müller,[0-9]' "$work/results.csv" || fail "Zoë Müller is not first in the export"
grep -q '^2,Ben,[1-9]' "$work/results.csv" || fail "Ben's corrected name did not survive the kill"
grep -q '^3,Cal,[1-9]' "$work/results.csv" || fail "Cal's cut-off turn lost its score"
! grep -q 'Bem\|Oops' "$work/results.csv" || fail "the export shows a corrected name or a removed contestant"
echo "1 passed, 0 failed"
