#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# Results survive a crash: the real program under Xvfb, real key presses, killed with SIGKILL
# in the middle of a turn, after a rename and a removal; the next start (with --show-control, which
# answers while the question is open) offers "Resume Event", Enter accepts it, and the
# league table comes back as the screen showed it before the kill. Then the export from the
# command line finds every contestant, including a name typed with accents, the renamed one under
# its new name and not the removed one.
# Then an evening of rounds, with real keys and show control's API: two heats of four with two
# ties (for first place in Heat 1, at the cut in Heat 2), a final of the best two of each that
# is refused with the tie until a clap-off among the tied (started by the API, measured with the
# keys) settles it, SIGKILL during the final, resume in the final, and the export checked row by
# row, and one round alone with --round.
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

# --- Rounds -------------------------------------------------------------------------------
require_tools curl
port=$((20000 + RANDOM % 20000))
program_args=(--show-control "$port")
start_program
token="$(sed -n 's/^ShowControlToken=//p' "$XDG_CONFIG_HOME/Ovatron/Ovatron.conf")"
api() {  # api PATH [BODY]: POSTs BODY (GET without one); prints the status, the body in $work/answer
  local data=()
  [ $# -gt 1 ] && data=(-H 'Content-Type: application/json' --data "$2")
  curl -s -o "$work/answer" -w '%{http_code}' --max-time 10 \
    -H "Authorization: Bearer $token" ${data[@]+"${data[@]}"} "http://127.0.0.1:$port$1"
}
state_has() {  # state_has PYTHON-CONDITION on s, polled for up to 10 s
  for _ in $(seq 50); do
    [ "$(api /api/state)" = 200 ] && python3 -c "import json,sys; s=json.load(open(sys.argv[1])); sys.exit(0 if ($1) else 1)" "$work/answer" && return 0
    sleep 0.2
  done
  cat "$work/answer"; echo
  return 1
}
for _ in $(seq 50); do [ "$(api /api/state)" = 200 ] && break; sleep 0.2; done
held() {  # held SECONDS: SPACE held in the turn under way, then Esc keeps the score reached
  sleep 0.3
  if [ "$1" != 0 ]; then xdotool keydown space; sleep "$1"; xdotool keyup space; sleep 0.3; fi
  xdotool key Escape
  sleep 0.3
}
typed() {  # typed NAME SECONDS: a contestant typed and Enter, then held
  xdotool type --delay 80 "$1"
  xdotool key Return
  held "$2"
}
next_held() {  # next_held NAME SECONDS: the next waiting name by POST /api/next, then held
  [ "$(api /api/next -X POST)" = 200 ] || fail "POST /api/next was refused"
  state_has "s['state'] == 'measuring' and any(r['current'] and r['name'] == '$1' for r in s['table'])" \
    || fail "$1 did not start on POST /api/next"
  held "$2"
}
[ "$(api /api/round/rename '{"name": "Round 1", "to": "Heat 1"}')" = 200 ] || fail "rename refused"
state_has "s['round'] == 'Heat 1'" || fail "the first round was not renamed"
# Three seconds of SPACE reach 100; none leaves 0; half a second lands in between.
typed Ana 3; typed Bea 3; typed Cy 0; typed Dee 0
[ "$(api /api/round '{"name": "   "}')" = 400 ] || fail "a blank round name was not refused with 400"
[ "$(api /api/round '{"name": "Heat 1"}')" = 409 ] || fail "a round name taken twice was not refused"
[ "$(api /api/round '{"name": "Heat 2"}')" = 200 ] || fail "POST /api/round was refused"
state_has "s['round'] == 'Heat 2' and s['table'] == [] and [r['name'] for r in s['rounds']] == ['Heat 1', 'Heat 2'] and s['rounds'][0]['done']" \
  || fail "Heat 2 did not become the current, empty round"
typed Eve 3; typed Fay 0; typed Gus 0; typed Hal 0
final='{"name": "Final", "from": ["Heat 1", "Heat 2"], "best": 2}'
[ "$(api /api/round "$final")" = 409 ] || fail "a tie at the cut was not answered 409"
python3 -c "import json,sys; t=json.load(open(sys.argv[1]))['tie']; sys.exit(0 if t == {'round': 'Heat 2', 'names': ['Fay', 'Gus', 'Hal']} else 1)" "$work/answer" \
  || fail "the 409 does not name the tie: $(cat "$work/answer")"
[ "$(api /api/clapoff '{"round": "Heat 2", "names": ["Fay", "Gus", "Hal"]}')" = 200 ] || fail "POST /api/clapoff was refused"
state_has "s['clapOff'] == {'round': 'Heat 2', 'names': ['Fay', 'Gus', 'Hal']} and s['next'] == ['Fay', 'Gus', 'Hal'] and s['table'] == []" \
  || fail "the clap-off did not put the tied in the running order on a table of their own"
next_held Fay 3; next_held Gus 0.5; next_held Hal 0
state_has "s['clapOff'] is None and [r['name'] for r in s['table']] == ['Eve', 'Fay', 'Gus', 'Hal'] and [r['rank'] for r in s['table']] == [1, 2, 2, 2]" \
  || fail "Heat 2 did not come back with its own scores after the clap-off"
[ "$(api /api/round "$final")" = 200 ] || fail "the final was refused after the clap-off: $(cat "$work/answer")"
state_has "s['round'] == 'Final' and s['next'] == ['Ana', 'Bea', 'Eve', 'Fay']" || fail "the final's running order is wrong"
next_held Ana 3; next_held Bea 0.5
[ "$(api /api/next -X POST)" = 200 ] || fail "POST /api/next was refused"
state_has "s['state'] == 'measuring' and s['next'] == ['Fay']" || fail "Eve's turn did not start"
kill -9 "$program"
wait "$program" 2>/dev/null || true

start_program '^Resume Event$'
xdotool key Return
window="$(timeout 20 xdotool search --sync --onlyvisible --name '^Ovatron$' | head -n1)" \
  || fail "the main window did not appear after Resume"
state_has "s['round'] == 'Final' and [r['name'] for r in s['table']] == ['Ana', 'Bea', 'Eve'] and s['next'] == ['Fay'] and len(s['rounds']) == 3" \
  || fail "the show did not resume in the final as it was"
stop_program
"$ovatron" --export "$work/rounds.csv" || fail "the export of the rounds failed"
cat "$work/rounds.csv"
python3 - "$work/rounds.csv" <<'PY' || fail "the export's rows are not the evening's"
import csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8")))
assert rows[0] == ["round", "rank", "name", "score"], rows[0]
got = [(r[0], int(r[1]), r[2], int(r[3])) for r in rows[1:]]
final, heat2, heat1 = got[0:3], got[3:7], got[7:11]
assert len(got) == 11, got
assert final[0] == ("Final", 1, "Ana", 100), final
assert final[1][:3] == ("Final", 2, "Bea") and 0 < final[1][3] < 100, final
assert final[2] == ("Final", 3, "Eve", 0), final
# The clap-off orders the tied among themselves; their round scores stay.
assert heat2 == [("Heat 2", 1, "Eve", 100), ("Heat 2", 2, "Fay", 0), ("Heat 2", 3, "Gus", 0),
                 ("Heat 2", 4, "Hal", 0)], heat2
assert heat1 == [("Heat 1", 1, "Ana", 100), ("Heat 1", 1, "Bea", 100), ("Heat 1", 3, "Cy", 0),
                 ("Heat 1", 3, "Dee", 0)], heat1
PY
"$ovatron" --export "$work/heat1.csv" --round "Heat 1" || fail "--round Heat 1 failed"
[ "$(wc -l <"$work/heat1.csv")" = 5 ] && ! grep -q 'Final\|Heat 2' "$work/heat1.csv" \
  || fail "--round wrote more than Heat 1: $(cat "$work/heat1.csv")"
if "$ovatron" --export "$work/none.csv" --round "Heat 9" 2>"$work/none.err"; then
  fail "--round with an unknown round succeeded"
fi
echo "1 passed, 0 failed"
