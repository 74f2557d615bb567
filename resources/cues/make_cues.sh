#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Ovatron Project
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's own sound cues, made with sox's synthesizer alone (no recording, no sample of
# anyone's): mono, 16-bit, 24 kHz, a few seconds each, under the project's licence. The sound
# module compiles them in (audio/CMakeLists.txt). Each has a frequency of its own that the
# end-to-end run listens for: the fanfare's top C (1046.5 Hz), the buzzer's 87 Hz hum.
# -R makes the noise and the dither repeat, so that the files come out the same every time.
# Usage: make_cues.sh   (writes the WAV files beside itself)
set -euo pipefail
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
out=(-R -r 24000 -c 1 -b 16)

# Drum roll: a snare struck 16 times a second for exactly 2 s, so that it loops without a seam.
sox -R -n -r 24000 -c 1 "$work/stroke.wav" synth 0.0625 whitenoise fade q 0.002 0.0625 0.05
sox -R "$work/stroke.wav" "${out[@]}" drumroll.wav repeat 31 highpass 300 lowpass 5000 gain -n -6

# Fanfare: C, E and G rising, then the C above held over the chord, on a brassy sawtooth.
note() { sox -R -n -r 24000 -c 1 "$work/$1.wav" synth "$2" sawtooth "$3" fade q 0.01 "$2" 0.04; }
note c 0.16 523.25
note e 0.16 659.25
note g 0.16 783.99
note top 1.0 1046.5
note chord-e 1.0 659.25
note chord-g 1.0 783.99
sox -R -m "$work/top.wav" "$work/chord-e.wav" "$work/chord-g.wav" "$work/chord.wav"
sox -R "$work/c.wav" "$work/e.wav" "$work/g.wav" "$work/chord.wav" "${out[@]}" fanfare.wav \
  lowpass 4000 fade q 0 -0 0.3 gain -n -3

# Buzzer: a low square wave's hum for 0.8 s.
sox -R -n "${out[@]}" buzzer.wav synth 0.8 square 87 vol 0.5 lowpass 3000 fade q 0.01 0.8 0.05 gain -n -3

# Sting: two bright notes struck together, dying away in half a second.
sox -R -n -r 24000 -c 1 "$work/e6.wav" synth 0.5 sine 1318.5 fade q 0.003 0.5 0.45
sox -R -n -r 24000 -c 1 "$work/b6.wav" synth 0.5 sine 1975.5 fade q 0.003 0.5 0.45
sox -R -m "$work/e6.wav" "$work/b6.wav" "${out[@]}" sting.wav gain -n -3
