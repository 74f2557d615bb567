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
# the window's readings, ten a second. Last the sound cues, recorded from a sink of their own:
# the fanfare for a new leader and the buzzer at an equal turn's end; silence with cues off;
# silence while the microphone measures, and the fanfare that waited once the turn is over.
# Usage: run_microphone_e2e.sh OVATRON SHOT_PROBE
set -euo pipefail

ovatron="$1"
probe="$2"
source "$(dirname "$0")/../support/x-session.sh"
require_tools Xvfb openbox xdotool import pulseaudio pactl paplay parec sox python3
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

# Sound cues. They play into a sink of their own, "cues", chosen as their output in the
# settings; the test records its monitor. The microphone listens to "hall", so the rule that
# no cue sounds while it measures is the program's, not the wiring's. The cues are told apart
# by a frequency each has: the fanfare's top C (1046.5 Hz), the buzzer's 87 Hz hum.
pactl load-module module-null-sink sink_name=cues sink_properties=device.description=Cues >/dev/null
# record NAME: the cues' output from now on, 8 kHz mono, into $work/NAME.raw
record() {
  parec -d cues.monitor --rate=8000 --channels=1 --format=s16le >"$work/$1.raw" &
  recorder=$!
  pids+=("$recorder")
  sleep 0.5
}
stop_recording() { kill "$recorder" 2>/dev/null || true; wait "$recorder" 2>/dev/null || true; }
# tones NAME: the strongest amplitude (of full scale) of each cue's frequency in any tenth of a
# second of the recording, and its loudest sample: "FANFARE BUZZER LOUDEST"
tones() {
  python3 - "$work/$1.raw" <<'PY'
import math, struct, sys
rate = 8000
data = open(sys.argv[1], "rb").read()
count = len(data) // 2
samples = struct.unpack("<%dh" % count, data[:2 * count])
window = rate // 10
def amplitude(chunk, frequency):
    coefficient = 2 * math.cos(2 * math.pi * frequency / rate)
    s1 = s2 = 0.0
    for x in chunk:
        s1, s2 = x + coefficient * s1 - s2, s1
    power = s1 * s1 + s2 * s2 - coefficient * s1 * s2
    return 2 * math.sqrt(max(power, 0.0)) / len(chunk) / 32768
fanfare = buzzer = 0.0
for start in range(0, count - window + 1, window):
    chunk = samples[start:start + window]
    fanfare = max(fanfare, amplitude(chunk, 1046.5))
    buzzer = max(buzzer, amplitude(chunk, 87.0))
loudest = max((abs(x) for x in samples), default=0) / 32768
print(f"{fanfare:.3f} {buzzer:.3f} {loudest:.3f}")
PY
}
heard() { awk -v level="$2" '{ exit !($1 >= level) }' <<<"$1"; }
# until_heard NAME SECONDS CUE...: waits at most SECONDS until the recording holds each cue
until_heard() {
  local name="$1" deadline=$((SECONDS + $2)) found
  shift 2
  while :; do
    read -r fanfare buzzer loudest <<<"$(tones "$name")"
    found=true
    for cue in "$@"; do
      heard "${!cue}" 0.05 || found=false
    done
    if $found || [ $SECONDS -ge $deadline ]; then break; fi
    sleep 0.5
  done
  echo "$name: fanfare $fanfare, buzzer $buzzer, loudest $loudest"
}
cue_config() {
  printf 'SoundCues=%s\nCueDevice=cues\nCueVolume=100\nShowSummaryScreen=0\nTurnSeconds=%s\nUseMicrophone=%s\n' \
    "$1" "$2" "$3" >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
}
# keyboard_turn NAME SECONDS: a turn with SPACE held that long; its 2-second window ends it
keyboard_turn() {
  xdotool type --delay 50 "$1"
  xdotool key Return
  xdotool keydown space
  sleep "$2"
  xdotool keyup space
}
program_args=()

# Cues on, the keyboard measures. Cy is alone in the table: her turn ends with the buzzer and
# no fanfare. Di climbs past her: the fanfare, then the buzzer.
cue_config 1 2 0
start_program
record cy
keyboard_turn Cy 0.3
until_heard cy 12 buzzer
heard "$buzzer" 0.05 || fail "no buzzer when Cy's equal turn ended"
heard "$fanfare" 0.05 && fail "a fanfare for Cy, who led nobody"
stop_recording
record di
keyboard_turn Di 1.5
until_heard di 12 fanfare buzzer
heard "$fanfare" 0.05 || fail "no fanfare when Di took the lead"
heard "$buzzer" 0.05 || fail "no buzzer when Di's equal turn ended"
stop_recording
stop_program

# Cues off: the same two turns, and silence.
cue_config 0 2 0
start_program
record off
# A 2-second window ends with its 20th reading in the results file.
window_ran_out() {
  local deadline=$((SECONDS + 10)) count
  while :; do
    read -r count _ <<<"$(curve_of "$1")"
    if [ "$count" -ge 20 ] || [ $SECONDS -ge $deadline ]; then break; fi
    sleep 0.2
  done
  [ "$count" -ge 20 ] || fail "$1's equal turn did not end ($count readings)"
  # The turn ends on the tick after its last reading is written: the next name is typed only
  # once the name entry shows (no level bar), or its first letters go to the ending turn.
  shot_until "$1-over" 10 "[ \"\$(value $1-over level_row)\" -lt 0 ]" >/dev/null
}
keyboard_turn Ed 0.3
window_ran_out Ed
keyboard_turn Fy 1.5
window_ran_out Fy
# Time for a buzzer to have reached the recording, had there been one.
sleep 2
stop_recording
stop_program
read -r fanfare buzzer loudest <<<"$(tones off)"
echo "off: loudest $loudest"
heard "$loudest" 0.01 && fail "the cues sounded while switched off (loudest $loudest)"

# Cues on, the microphone measures: Gi's and then Ha's turn, Ha louder, so that she takes the
# lead while the microphone measures. Nothing sounds, not even the drum roll, until Ha's turn
# ends; then the fanfare that waited.
cue_config 1 0 1
start_program
record microphone
xdotool type --delay 50 "Gi"
xdotool key Return
paplay --device=hall "$work/applause.wav" || fail "paplay could not play into the test's sink"
xdotool key Return
xdotool type --delay 50 "Ha"
xdotool key Return
sox -n -r 48000 -c 1 "$work/roar.wav" synth 4 pinknoise vol 0.9
paplay --device=hall "$work/roar.wav" || fail "paplay could not play into the test's sink"
sleep 1
stop_recording
read -r fanfare buzzer loudest <<<"$(tones microphone)"
echo "microphone: loudest $loudest"
heard "$loudest" 0.01 && fail "a cue sounded while the microphone measured (loudest $loudest)"
record after
xdotool key Return
until_heard after 10 fanfare
heard "$fanfare" 0.05 || fail "the fanfare for Ha did not follow the end of her turn"
stop_recording
stop_program
echo "1 passed, 0 failed"
