#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The microphone as the meter's input, with the real program under Xvfb and a real
# PulseAudio server of the test's own (tests/support/pulse-server.sh): a shout, then applause
# (pink noise with claps, made by sox) played into the server's sink reaches the program through
# the virtual microphone; the level shows the shout at once, the contestant's score is the
# loudness the room held for three seconds (the 30th highest of the turn's readings, which the
# results file keeps as the turn's curve), and silence lets the level fall. Then a sound file
# stands in for the microphone with "TurnSeconds" set: the turn ends by itself, its curve holds
# the window's readings, ten a second.
# Usage: run_microphone_e2e.sh OVATRON SHOT_PROBE
set -euo pipefail

ovatron="$1"
probe="$2"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool import pulseaudio pactl paplay sox
start_display
private_folders

# The program connects to the sound server once, so the server comes first.
start_sound_server
# Claps: 30 ms of white noise every quarter of a second, over the room's pink noise.
applause_with_claps() {
  local seconds="$1" out="$2"
  sox -n -r 48000 -c 1 "$work/room.wav" synth "$seconds" pinknoise vol 0.08
  sox -n -r 48000 -c 1 "$work/clap.wav" synth 0.03 whitenoise vol 0.4 pad 0 0.22 \
    repeat $((seconds * 4 - 1))
  sox -m "$work/room.wav" "$work/clap.wav" "$out"
}
sox -n -r 48000 -c 1 "$work/shout.wav" synth 1.5 pinknoise vol 0.9
sox -n -r 48000 -c 1 "$work/pause.wav" trim 0 0.5
applause_with_claps 6 "$work/claps.wav"
sox "$work/shout.wav" "$work/pause.wav" "$work/claps.wav" "$work/noise.wav"

# The latest curve of a contestant in the results file: its reading count, its held level
# (the 30th highest reading, 0 below 30 readings), its loudest reading and the stored score.
curve_of() {
  python3 - "$XDG_DATA_HOME/Ovatron/events.sqlite" "$1" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
row = db.execute(
    "SELECT turn.readings, entry.score FROM turn JOIN entry"
    " ON entry.event_id = turn.event_id AND entry.entry_order = turn.entry_order"
    " WHERE entry.name = ? ORDER BY turn.id DESC LIMIT 1", (sys.argv[2],)).fetchone()
if row is None:
    print("0 0 0 -1")
else:
    readings = [int(r) for r in row[0].split(",")]
    held = sorted(readings, reverse=True)[29] if len(readings) >= 30 else 0
    print(len(readings), held, max(readings), row[1])
PY
}

printf 'UseMicrophone=1\n' >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
start_program

xdotool type --delay 50 "Ana"
xdotool key Return
sleep 1
shot quiet
paplay --device=hall "$work/noise.wav" &
player=$!
pids+=("$player")
shot_until applause 5 '[ "$(value applause level_row)" -ge 0 ] && [ "$(value applause level_row)" -lt $(($(value applause height) / 2)) ]'
wait "$player" || fail "paplay could not play into the test's sink"
shot_until silence 8 '[ "$(value silence level_row)" -gt $(($(value silence height) * 3 / 4)) ]'

height="$(value applause height)"
quiet_level="$(value quiet level_row)"
loud_level="$(value applause level_row)"
rest_level="$(value silence level_row)"
rest_peak="$(value silence peak_row)"
[ "$loud_level" -ge 0 ] && [ "$rest_level" -ge 0 ] && [ "$rest_peak" -ge 0 ] \
  || fail "no level or peak marker on the screenshots"
[ "$quiet_level" -gt $((height * 3 / 4)) ] || fail "the silent room already moved the meter (row $quiet_level of $height)"
[ "$loud_level" -lt $((height / 2)) ] || fail "the noise did not make the meter climb (row $loud_level of $height)"
[ "$rest_level" -gt $((height * 3 / 4)) ] || fail "the level did not sink in silence (row $rest_level of $height)"
[ "$rest_peak" -lt $((rest_level - height / 10)) ] || fail "the peak did not stay above the resting level (row $rest_peak)"
[ "$(value silence highlight_right)" -gt 20 ] || fail "the contestant's row is not highlighted"

# The score went into the table: the program's own export of the event says so.
stop_program
"$ovatron" --export "$work/results.csv" || fail "the results could not be exported"
echo "results: $(tr '\n' ' ' <"$work/results.csv")"
score="$(grep -m1 'Ana' "$work/results.csv" | grep -oE '[0-9]+' | tail -n1 || true)"
[ -n "$score" ] && [ "$score" -gt 20 ] || fail "Ana's score is not in the table (${score:-none})"
read -r count held loudest stored <<<"$(curve_of Ana)"
echo "Ana: $count readings, held level $held, loudest $loudest, score $score"
[ "$count" -ge 60 ] || fail "Ana's curve holds $count readings for 8 s of sound"
[ "$stored" -eq "$score" ] && [ "$score" -eq "$held" ] \
  || fail "Ana's score $score is not the level her readings held for three seconds ($held)"
[ "$loudest" -ge $((held + 15)) ] || fail "the shout (reading $loudest) did not show above the held level $held"

# The file loops, so the room never falls quiet: only the 3-second window ends the turn.
printf 'UseMicrophone=1\nTurnSeconds=3\n' >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
applause_with_claps 2 "$work/applause.wav"
program_args=(--audio-file "$work/applause.wav")
start_program
xdotool type --delay 50 "Ben"
xdotool key Return
shot_until counting 3 '[ "$(value counting level_row)" -ge 0 ]'
shot_until ended 8 '[ "$(value ended level_row)" -lt 0 ]'
[ "$(value counting level_row)" -ge 0 ] || fail "the turn with the sound file never showed the meter"
[ "$(value ended level_row)" -lt 0 ] || fail "the turn did not end by itself after its 3 seconds"
stop_program
"$ovatron" --export "$work/results.csv" || fail "the results could not be exported"
score="$(grep -m1 'Ben' "$work/results.csv" | grep -oE '[0-9]+' | tail -n1 || true)"
[ -n "$score" ] && [ "$score" -gt 20 ] || fail "Ben's score is not in the table (${score:-none})"
read -r count held loudest stored <<<"$(curve_of Ben)"
echo "Ben: $count readings, held level $held, loudest $loudest, score $score"
[ "$count" -eq 30 ] || fail "Ben's 3-second window holds $count readings, not 30"
[ "$score" -eq "$held" ] || fail "Ben's score $score is not the level his window's readings held ($held)"
echo "1 passed, 0 failed"
