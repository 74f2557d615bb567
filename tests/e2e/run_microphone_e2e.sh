#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The microphone as the meter's input, with the real program under Xvfb and a real
# PulseAudio server of the test's own (tests/support/pulse-server.sh): pink noise played into
# the server's sink reaches the program through the virtual microphone; the meter climbs on
# screen and the contestant's score enters the table; silence lets the level sink. Then a
# sound file stands in for the microphone with "TurnSeconds" set: the turn ends by itself.
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
sox -n -r 48000 -c 1 "$work/noise.wav" synth 6 pinknoise vol 0.3

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
[ "$rest_peak" -lt $((height / 2)) ] || fail "the peak did not stay where the noise took it (row $rest_peak)"
[ "$(value silence highlight_right)" -gt 20 ] || fail "the contestant's row is not highlighted"

# The score went into the table: the program's own export of the event says so.
stop_program
"$ovatron" --export "$work/results.csv" || fail "the results could not be exported"
echo "results: $(tr '\n' ' ' <"$work/results.csv")"
score="$(grep -m1 'Ana' "$work/results.csv" | grep -oE '[0-9]+' | tail -n1 || true)"
[ -n "$score" ] && [ "$score" -gt 20 ] || fail "Ana's score is not in the table (${score:-none})"

# The file loops, so the room never falls quiet: only the 3-second window ends the turn.
printf 'UseMicrophone=1\nTurnSeconds=3\n' >"$XDG_CONFIG_HOME/Ovatron/Ovatron.conf"
sox -n -r 48000 -c 1 "$work/applause.wav" synth 2 pinknoise vol 0.3
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
echo "1 passed, 0 failed"
